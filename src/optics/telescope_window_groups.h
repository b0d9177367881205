// The five groups of the telescope parameters window. The main group holds the
// telescope and the eyepiece; the other four can be edited on their own, and the
// window copies the main group's values into them.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace noktaris {

class PickList;
class SpinField;

// " Zadání hlavních parametrů ": the telescope and eyepiece, the obstruction, and
// the results that need both. The window computes them (TForm6::ddaleditChange).
class MainParametersGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit MainParametersGroup(QWidget* parent);

    PickList* Dalekohled;
    QLineEdit* ddaledit;
    QLineEdit* fdaledit;
    PickList* Okular;
    QLineEdit* fokedit;
    QLineEdit* uheledit;
    SpinField* SpinEdit1; // obstruction, per cent of D
    QLabel* Label14;      // focal ratio
    QLabel* Label16;      // Dawes limit
    QLabel* Label15;      // exit pupil
    QLabel* Label36;      // true field
    QPushButton* SpeedButton2;
    QLabel* Label18;     // smallest useful magnification
    QLabel* Label17;     // largest useful magnification
    PickList* ComboBox1; // optics quality
    QLabel* Label24;     // lunar detail
};

// " Zvětšení ": the magnification from the two focal lengths (tab 0), or from the
// aperture and the exit pupil (tab 1).
class MagnificationGroup : public QGroupBox {
    Q_OBJECT
public:
    MagnificationGroup(QWidget* parent, const MainParametersGroup* main);

    // Copies the main group's values into the current tab's fields and computes.
    void TabControl1Change();
    void Edit6Change();
    void Edit1Change();

    QTabBar* TabControl1;
    QLabel* Label11;
    QLineEdit* Edit6; // F
    QLabel* Label30;
    QLineEdit* Edit7; // f
    QLabel* Label31;
    QLineEdit* Edit8; // D
    QLabel* Label13;
    QLineEdit* Edit1; // exit pupil
    QLabel* Label12;
    QLabel* Memo2;

private:
    void showTabFields();
    const MainParametersGroup* main_;
};

// " Mezní magnitudy ": the limiting magnitudes of D with the main group's obstruction.
class LimitingMagnitudeGroup : public QGroupBox {
    Q_OBJECT
public:
    LimitingMagnitudeGroup(QWidget* parent, const SpinField* obstruction);

    void Edit2Change();

    QLineEdit* Edit9; // D
    QLineEdit* Edit2; // eye pupil
    QLineEdit* Edit3; // naked-eye limit
    QLabel* Label21;
    QLabel* Label22;
    QLabel* Memo1;

private:
    const SpinField* obstruction_;
};

// " Světelný zisk ": the light grasp against the eye.
class LightGraspGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit LightGraspGroup(QWidget* parent);

    void Edit10Change();

    QLineEdit* Edit10; // D
    QLineEdit* Edit11; // eye pupil
    QLabel* Label34;
    QLabel* Label35;
};

// " Průměr Airyho disku a hloubka ostrosti ", for the wavelength typed or picked.
class AiryDiskGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit AiryDiskGroup(QWidget* parent);

    void Edit5Change();
    void ComboBox2Change();
    void ComboBox2DropDown();

    QLineEdit* Edit5;  // D
    QLineEdit* Edit4;  // focal ratio
    QLineEdit* Edit13; // wavelength, nm
    PickList* ComboBox2;
    QLabel* Label28;
    QLabel* Label29;
    QLabel* Label38;
    QLabel* Label39;

private:
    // The list's text in the colour of its wavelength.
    void colourList();
};

} // namespace noktaris
