// The about box: a borderless picture with the program's version, its web and
// mail addresses and a credit line, above the program's other windows.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace noktaris {

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* BitBtn1;

    // The web page, without asking whether the computer is online.
    void Label1Click();
    void Label2Click();
    void BitBtn1Click();
};

} // namespace noktaris
