// "Parametry dalekohledu": the extended mode's calculator for a visual telescope
// with an eyepiece. The main group's results follow from the telescope and the
// eyepiece; its values pass on, outward, to the magnification, limiting-magnitude,
// light-grasp and Airy-disk groups, each of which can also be edited on its own.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"

class QPushButton;
class QToolButton;

namespace noktaris {

class MainParametersGroup;
class MagnificationGroup;
class LimitingMagnitudeGroup;
class LightGraspGroup;
class AiryDiskGroup;

class TForm6 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // The main group's results, then its values copied into the other groups.
    void ddaleditChange();
    void SpinEdit1Change();
    void DalekohledChange();
    void OkularChange();
    void FormShow() override;
    void BitBtn1Click();

    MainParametersGroup* GroupBox1;
    MagnificationGroup* GroupBox2;
    LimitingMagnitudeGroup* GroupBox3;
    AiryDiskGroup* GroupBox4;
    LightGraspGroup* GroupBox5;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;
    // The catalogue pick lists and the fields each fills.
    PickLists pickLists_;
};

} // namespace noktaris
