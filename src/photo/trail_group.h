// Basic-mode group " Dráha hvězdy na nepointované fotografii ": the trail a star
// draws on the film of a camera that does not follow the sky.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class TrailGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TrailGroup(QWidget* parent);

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
    QPushButton* BitBtn7;
};

} // namespace noktaris
