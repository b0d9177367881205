// "Obloha a expozice": how long one sub-exposure should be under the night's sky
// with this camera and telescope, and how many subs and hours a faint target needs
// for the wanted signal-to-noise ratio, with the stack's ratio plotted against time.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;
class SnrPlot;
class SpinField;

class SkyWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit SkyWindow(QWidget* parent = nullptr);

    // Every result, each in its own guarded block, and the plot.
    void inputChange();
    void telescopeListChange();
    void cameraListChange();
    void bortleListChange();
    void filterListChange();
    void saveCameraClick();
    void deleteCameraClick();
    void FormShow() override;

    PickList* telescopeList;
    QLineEdit* apertureEdit;
    QLineEdit* focalEdit;
    QLineEdit* correctorEdit;
    QLineEdit* obstructionEdit;
    PickList* cameraList;
    QLineEdit* pixelEdit;
    SpinField* binningSpin;
    QLineEdit* readNoiseEdit;
    QLineEdit* fullWellEdit;
    QLineEdit* qeEdit;
    QCheckBox* bayerCheck;
    PickList* bortleList;
    QLineEdit* skyEdit;
    PickList* filterList;
    QLineEdit* bandwidthEdit;
    QLineEdit* transmissionEdit;
    PickList* targetKindList;
    QLineEdit* targetEdit;
    QLineEdit* toleranceEdit;
    QLineEdit* snrEdit;
    QLineEdit* subEdit;

    QLabel* skyRateLabel;
    QLabel* targetRateLabel;
    QLabel* minSubLabel;
    QLabel* saturationLabel;
    QLabel* subSnrLabel;
    QLabel* totalLabel;
    SnrPlot* snrPlot;

    QPushButton* saveCameraButton;
    QPushButton* deleteCameraButton;
    QPushButton* BitBtn1;

private:
    void buildTelescopeAndCamera();
    void buildSkyAndTarget();
    void buildResults();
    void connectInputs();
    // The colour flag of the camera record shown (its seventh value).
    void showColour(const std::optional<QStringList>& record);

    PickListBinding telescopes_;
    PickListBinding cameras_;
    QList<std::pair<QLabel*, QString>> results_;
};

} // namespace noktaris
