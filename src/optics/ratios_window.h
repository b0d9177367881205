// "Světelnosti různých sestav": the focal ratio of a telescope (or a camera lens)
// alone, and of a camera photographing through a telescope's eyepiece, given by
// the telescope's D and F or by its magnification.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

class PickList;

class TForm9 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    void ddaleditChange();
    void ddaledit2Change();
    void Edit3Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void FormShow() override;
    void BitBtn1Click();

    // The telescope alone.
    QGroupBox* GroupBox1;
    QLineEdit* ddaledit;
    PickList* ComboBox1;
    QLineEdit* fdaledit;
    QLabel* Label3;
    // Afocal, from D and F.
    QGroupBox* GroupBox2;
    QLineEdit* ddaledit2;
    PickList* ComboBox2;
    QLineEdit* fdaledit2;
    QLineEdit* fokedit;
    PickList* ComboBox3;
    QLineEdit* ffotedit;
    QLabel* Label8;
    // Afocal, from the magnification.
    QGroupBox* GroupBox3;
    QLineEdit* Edit3;
    QLineEdit* Edit2;
    PickList* ComboBox4;
    QLineEdit* Edit1;
    QLabel* Label12;
    QToolButton* SpeedButton1;

    QPushButton* BitBtn1;
    // The catalogue pick lists and the fields each fills.
    PickLists pickLists_;
};

} // namespace noktaris
