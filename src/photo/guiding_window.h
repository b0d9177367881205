// "Parametry pointace": the guiding window. The guide telescope's least
// magnification, the largest guiding error a print tolerates, and the guiding
// tolerance with a drift of the user's choice.
#pragma once

#include "common/handover.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

class GuidingGroup;
class PickList;

class TForm11 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    void Edit1Change();
    void Edit2Change();
    void FormShow() override;
    void BitBtn1Click();

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label3;
    PickList* ComboBox1;
    QLabel* Label2;
    QLabel* Memo1;

    QGroupBox* GroupBox2;
    QLabel* Label4;
    QLineEdit* Edit2;
    QLabel* Label5;
    QLineEdit* Edit3;
    QLabel* Label6;
    QLabel* Memo2;

    GuidingGroup* GroupBox6;

    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;
};

} // namespace noktaris
