#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace noktaris {

namespace {

QWidget* owner() { return QApplication::activeWindow(); }

int box(QMessageBox::Icon icon, const QString& caption, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox message(icon, caption, text, buttons, owner());
    message.setObjectName(QStringLiteral("MessageBox"));
    return message.exec();
}

} // namespace

void showMessage(const QString& text) { box(QMessageBox::NoIcon, kAppTitle, text); }
void showError(const QString& text) { box(QMessageBox::Critical, QStringLiteral("Chyba"), text); }
void showWarning(const QString& text) { box(QMessageBox::Warning, QStringLiteral("Upozornění"), text); }
void showInformation(const QString& text) { box(QMessageBox::Information, QStringLiteral("Informace"), text); }
void showErrorReport(const QString& systemText) { box(QMessageBox::Critical, kAppTitle, systemText); }

bool confirm(const QString& text)
{
    return box(QMessageBox::Question, QStringLiteral("Potvrzení"), text, QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

bool confirmInformation(const QString& text)
{
    return box(QMessageBox::Information, QStringLiteral("Informace"), text, QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

ResolutionAnswer askResolution(const QString& caption, const QString& text)
{
    QMessageBox message(QMessageBox::Question, caption, text, QMessageBox::NoButton, owner());
    message.setObjectName(QStringLiteral("MessageBox"));
    QPushButton* yes = message.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
    QPushButton* no = message.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
    QPushButton* custom = message.addButton(QStringLiteral("&Vlastní..."), QMessageBox::RejectRole);
    yes->setObjectName(QStringLiteral("Ano"));
    no->setObjectName(QStringLiteral("Ne"));
    custom->setObjectName(QStringLiteral("Vlastni"));
    message.setDefaultButton(no);
    message.setEscapeButton(custom);
    message.exec();
    if (message.clickedButton() == yes)
        return ResolutionAnswer::Yes;
    if (message.clickedButton() == no)
        return ResolutionAnswer::No;
    return ResolutionAnswer::Custom;
}

} // namespace noktaris
