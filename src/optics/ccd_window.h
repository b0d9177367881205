// "Parametry CCD kamery": the extended-mode CCD window. From a chip's size, its
// pixels and the focal length in front of it: the pixel size, the pixel scale, the
// field of view and the focal ratio that suits the chip at a given wavelength.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

class PickList;

class TForm7 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    // The four results, each computed on its own.
    void ccd1Change();
    void CCDChange();
    void FormShow() override;
    void BitBtn1Click();

    PickList* CCD;
    QLineEdit* ccd1;
    QLineEdit* ccd2;
    QLineEdit* ccd3;
    QLineEdit* ccd4;
    QLineEdit* fok;
    QLineEdit* cit;
    QLabel* Label11;
    QLabel* Label7;
    QLabel* Label8;
    QPushButton* SpeedButton3;
    QLabel* Label10;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;

    // The catalogue pick lists and the fields each fills.
    PickLists pickLists_;
};

} // namespace noktaris
