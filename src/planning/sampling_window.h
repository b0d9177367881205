// "Kamera na dalekohledu": a camera on a telescope. From the telescope, a reducer
// or Barlow, the camera's pixels and binning, the night's seeing and the target's
// declination: the pixel scale, the chip's field, how many pixels a star covers
// and what would bring it to 2,5, the diffraction figures at the focus, and the
// longest exposure without tracking with the star trail of the chosen one.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;
class SpinField;

class SamplingWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit SamplingWindow(QWidget* parent = nullptr);

    // Every result, each in its own guarded block.
    void inputChange();
    void telescopeListChange();
    void cameraListChange();
    void saveCameraClick();
    void deleteCameraClick();
    void FormShow() override;

    PickList* telescopeList;
    QLineEdit* apertureEdit;
    QLineEdit* focalEdit;
    QLineEdit* correctorEdit;
    PickList* cameraList;
    QLineEdit* pixelEdit;
    QLineEdit* widthPxEdit;
    QLineEdit* heightPxEdit;
    SpinField* binningSpin;
    QLineEdit* seeingEdit;
    QLineEdit* wavelengthEdit;
    QLineEdit* declinationEdit;
    QLineEdit* exposureEdit;

    QLabel* effectiveLabel;
    QLabel* scaleLabel;
    QLabel* fieldLabel;
    QLabel* fwhmLabel;
    QLabel* samplingLabel;
    QLabel* adviceLabel;
    QLabel* airyLabel;
    QLabel* focusLabel;
    QLabel* dawesLabel;
    QLabel* npfLabel;
    QLabel* rule500Label;
    QLabel* trailLabel;

    QPushButton* viewerButton;
    QPushButton* saveCameraButton;
    QPushButton* deleteCameraButton;
    QPushButton* BitBtn1;

private:
    void buildInputs();
    void buildResults();
    void buildButtons();
    // The texts the viewer opens with: Fe and the chip's width and height in mm.
    std::array<QString, 3> viewerTexts() const;

    QList<PickListBinding> pickLists_;
    QList<std::pair<QLabel*, QString>> results_;
};

} // namespace noktaris
