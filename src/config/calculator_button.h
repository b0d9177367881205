// The calculator button of the calculation windows: starts the calculator program
// named in config.ini and reports the three ways the start can fail.
#pragma once

#include <QPoint>
#include <QString>

class QToolButton;
class QWidget;

namespace noktaris {

QToolButton* addCalculatorButton(QWidget* parent, const QString& name, const QPoint& position, bool withHint = true);
// The click handler shared by every window with the button.
void runCalculator();

} // namespace noktaris
