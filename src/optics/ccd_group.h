// Group " CCD " of the basic-mode window: pixel scale and field of view of a CCD
// chip behind a lens or telescope.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;

class CcdGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit CcdGroup(QWidget* parent);

    // Pixel scale, then field of view, from the chip, its pixels and the lens.
    void CCD1Change();

    QLabel* CcdLabel;
    PickList* CCD;
    QLabel* SizeLabel;
    QLineEdit* CCD1;
    QLabel* SizeTimesLabel;
    QLineEdit* CCD2;
    QLabel* PixelsLabel;
    QLineEdit* CCD3;
    QLabel* PixelsTimesLabel;
    QLineEdit* CCD4;
    QLabel* FobjLabel;
    QLineEdit* FobjEdit;

    QLabel* UhlZvetseni;
    QLabel* ZorPole2;
    QPushButton* SpeedButton3;
    QPushButton* BitBtn5;
};

} // namespace noktaris
