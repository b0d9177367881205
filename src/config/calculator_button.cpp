#include "config/calculator_button.h"

#include "common/messages.h"
#include "common/widgets.h"
#include "config/config_file.h"
#include "platform/platform.h"

#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace noktaris {

QToolButton* addCalculatorButton(QWidget* parent, const QString& name, const QPoint& position, bool withHint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setGeometry(QRect(position, QSize(25, 25)));
    button->setText(QStringLiteral("="));
    button->setIcon(QIcon::fromTheme(QStringLiteral("accessories-calculator")));
    if (withHint)
        button->setToolTip(QStringLiteral("Spustí kalkulačku"));
    QObject::connect(button, &QToolButton::clicked, button, [] { runCalculator(); });
    return button;
}

CornerButtons addCornerButtons(QWidget* window, const QString& closeCaption, const QString& calculatorName, bool escape)
{
    QPushButton* close = addCornerCloseButton(window, closeCaption, escape);
    return {close, addCalculatorButton(window, calculatorName, QPoint(close->x() - 33, close->y()))};
}

void runCalculator()
{
    QString path;
    if (const auto line = calculatorLine()) {
        path = calculatorPath(*line);
        // An empty path is a computer without a calculator, chosen in the settings.
        if (path.isEmpty()) {
            showInformation(kNoCalculatorMessage);
            return;
        }
    } else {
        showMessage(kConfigErrorMessage);
    }
    switch (platform().startProgram(path)) {
    case StartOutcome::FileNotFound:
        showError(QStringLiteral("Zadaný soubor ") + path
                  + QStringLiteral(" neexistuje! Ve složce Nastavení zadejte správnou cestu."));
        break;
    case StartOutcome::PathNotFound:
        showError(QStringLiteral("Zadaná cesta ") + path
                  + QStringLiteral(" neexistuje! Ve složce Nastavení zadejte správnou cestu."));
        break;
    case StartOutcome::NotExecutable: showError(path + QStringLiteral(" není spustitelný soubor.")); break;
    case StartOutcome::Started:
    case StartOutcome::OtherFailure: break;
    }
}

} // namespace noktaris
