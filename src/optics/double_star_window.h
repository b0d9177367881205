// "Minimální zvětšení pro rozlišení dvojhvězdy": the smallest magnification that
// shows the two stars of a double star apart.
#pragma once

#include "common/handover.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

class TForm5 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    void Edit1Change();
    void FormShow() override;
    void BitBtn1Click();

    QLineEdit* Edit1; // separation, arcseconds
    QLineEdit* Edit2; // magnitude difference
    QLabel* Label2;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;
};

} // namespace noktaris
