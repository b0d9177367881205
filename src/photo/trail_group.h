// Group " Dráha hvězdy na nepointované fotografii ": the trail a star draws on the
// film of a camera that does not follow the sky. The basic-mode window's group has
// a reset button; the image-size window's group holds that window's calculator
// button in its place.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

class TrailGroup : public QGroupBox {
    Q_OBJECT
public:
    enum class Corner { ResetButton, CalculatorButton };
    explicit TrailGroup(QWidget* parent, Corner corner = Corner::ResetButton);

    // The trail length from the declination, the exposure and the focal length.
    void D1Change();

    QLineEdit* D1;
    QLineEdit* D2;
    QLineEdit* D3;
    QLabel* Label5;
    QLineEdit* CasEdit;
    QLabel* Label6;
    QLineEdit* FfotEdit2;
    QLabel* Draha;
    QPushButton* BitBtn7 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
};

} // namespace noktaris
