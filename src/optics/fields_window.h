// "Zorná pole různých sestav": the fields of view of a camera over its film, of a
// telescope with an eyepiece, and of a lens over a CCD chip.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"
#include "common/viewer_link.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

class PickList;

class TForm10 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    void ffoteditChange();
    void fdaleditChange();
    void Edit1Change();
    void FilmChange();
    void ComboBox1Change();
    void ComboBox2Change();
    void CCDChange();
    void FormShow() override;
    void BitBtn1Click();

    // Camera.
    QGroupBox* GroupBox1;
    QLineEdit* ffotedit;
    QLineEdit* ff1;
    QLineEdit* ff2;
    PickList* Film;
    QLabel* zorpole;
    QPushButton* Speed1;
    // Telescope with an eyepiece.
    QGroupBox* GroupBox2;
    QLineEdit* fdaledit;
    PickList* ComboBox1;
    QLineEdit* fokedit;
    PickList* ComboBox2;
    QLineEdit* uheledit;
    QLabel* Label7;
    QPushButton* Speed2;
    // CCD chip.
    QGroupBox* GroupBox3;
    QLineEdit* Edit1;
    QLineEdit* ccd1;
    QLineEdit* ccd2;
    PickList* CCD;
    QLabel* Label8;
    QPushButton* Speed3;

    QToolButton* SpeedButton2;
    QPushButton* BitBtn1;

private:
    // The camera and CCD groups: a focal length, a frame "width x height" with its
    // pick list, and the result with its viewer button.
    struct FrameRows {
        QGroupBox*& group;
        QLineEdit*& focalLength;
        QLineEdit*& width;
        QLineEdit*& height;
        PickList*& list;
        QLabel*& result;
        QPushButton*& button;
    };
    struct FrameNames {
        const char *group, *title, *focalLength, *focalCaption, *frameCaption, *width, *height, *list, *result, *button;
    };
    void buildFrameGroup(const FrameRows& rows, const FrameNames& names, ViewerTab tab, int top,
                         void (TForm10::*change)(), void (TForm10::*pick)());
    void buildCameraGroup();
    void buildTelescopeGroup();
    void buildChipGroup();
    // The catalogue pick lists and the fields each fills.
    PickLists pickLists_;
};

} // namespace noktaris
