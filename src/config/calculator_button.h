// The calculator button of the calculation windows: starts the calculator program
// named in config.ini and reports the three ways the start can fail.
#pragma once

#include <QPoint>
#include <QString>

class QPushButton;
class QToolButton;
class QWidget;

namespace noktaris {

QToolButton* addCalculatorButton(QWidget* parent, const QString& name, const QPoint& position, bool withHint = true);
// The buttons in a calculation window's bottom-right corner: the close button
// BitBtn1 (the cancel button with `escape`) and the calculator button left of it.
struct CornerButtons {
    QPushButton* close;
    QToolButton* calculator;
};
CornerButtons addCornerButtons(QWidget* window, const QString& closeCaption, const QString& calculatorName,
                               bool escape);
// The click handler shared by every window with the button. A calculator line
// without a path means that no calculator is set: the user is told where to set one.
void runCalculator();
inline const QString kNoCalculatorMessage = QStringLiteral(
    "Kalkulačka není nastavena. Program kalkulačky zadejte v okně „Nastavení...“ (položka hlavní nabídky) "
    "v poli „Umístění kalkulačky“.");

} // namespace noktaris
