// Group " Tolerance při pointování point. okulárem ": how far a star may leave the
// reticle square of the guiding eyepiece before it trails on the film. The
// basic-mode window's group allows the standard drift on the film; the guiding
// window's group has a field for the drift instead of the reset button.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class GuidingGroup : public QGroupBox {
    Q_OBJECT
public:
    enum class Drift { Standard, Field };
    GuidingGroup(QWidget* parent, Drift drift = Drift::Standard);

    // The tolerance and its verdict.
    void CtverecEditChange();

    QLabel* Label16;
    QLineEdit* CtverecEdit;
    QLabel* Label17;
    QLineEdit* PointEdit;
    QLabel* Label18;
    QLineEdit* FfotEdit5;
    QLabel* Label7 = nullptr;   // with the drift field only
    QLineEdit* draha = nullptr; // with the drift field only
    QLabel* Tolerance;
    QLabel* Potvrzeni;
    QLabel* Memo1 = nullptr;        // the basic group's note
    QLabel* Memo3 = nullptr;        // the guiding window's note
    QPushButton* BitBtn8 = nullptr; // the basic group's reset button
};

} // namespace noktaris
