// Basic-mode group " Tolerance při pointování point. okulárem ": how far a star may
// leave the reticle square of the guiding eyepiece before it trails on the film.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class GuidingGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit GuidingGroup(QWidget* parent);

    QLabel* Label16;
    QLineEdit* CtverecEdit;
    QLabel* Label17;
    QLineEdit* PointEdit;
    QLabel* Label18;
    QLineEdit* FfotEdit5;
    QLabel* Tolerance;
    QLabel* Potvrzeni;
    QLabel* Memo1;
    QPushButton* BitBtn8;
};

} // namespace noktaris
