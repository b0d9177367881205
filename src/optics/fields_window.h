// "Zorná pole různých sestav": the fields of view of a camera over its film, of a
// telescope with an eyepiece, and of a lens over a CCD chip.
#pragma once

#include "common/handover.h"

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
    void FormShow();
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildCameraGroup();
    void buildTelescopeGroup();
    void buildChipGroup();
};

} // namespace noktaris
