// "Výpočet poměrných jasností": the relative brightness that the exposure
// calculations ask for, from an object's surface brightness.
#pragma once

#include "common/handover.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

class TForm14 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    void Edit1Change();
    void BitBtn1Click();

    QLabel* Label1;
    QLineEdit* Edit1; // magnitudes per square arcsecond
    QLabel* Label3;
    QLabel* Memo1;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;
};

} // namespace noktaris
