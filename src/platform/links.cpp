#include "platform/links.h"

#include "common/messages.h"
#include "platform/platform.h"

namespace noktaris {

QString webLocation() { return QStringLiteral(NOKTARIS_WEB_LOCATION); }
QString authorMail() { return QStringLiteral(NOKTARIS_AUTHOR_MAIL); }

namespace {

// Opens the target; when the desktop has no program to open it, the user is told
// what could not be opened and what is missing.
void open(const QString& target, bool maximised, const QString& what, const QString& program)
{
    if (!platform().openDocument(target, maximised))
        showError(what
                  + QStringLiteral(" se nepodařilo otevřít: chybí program, který by ji otevřel (xdg-open z balíku "
                                   "xdg-utils a ")
                  + program + QStringLiteral(")."));
}

const QString kBrowser = QStringLiteral("webový prohlížeč");

} // namespace

void openHelpPage(const QString& page, bool maximised)
{
    const QString file = programFile(page);
    open(file, maximised, QStringLiteral("Stránku nápovědy ") + file, kBrowser);
}

void openWebPage()
{
    if (!platform().isOnline()) {
        showMessage(QStringLiteral("Nejste online. Připojte se a zkuste to znovu."));
        return;
    }
    openWebPageAnyway();
}

void openWebPageAnyway()
{
    const QString page = webLocation() + QStringLiteral("/index.html");
    open(page, true, QStringLiteral("Webovou stránku ") + page, kBrowser);
}

void openMail()
{
    open(QStringLiteral("mailto:") + authorMail(), true, QStringLiteral("Novou zprávu na adresu ") + authorMail(),
         QStringLiteral("poštovní program"));
}

} // namespace noktaris
