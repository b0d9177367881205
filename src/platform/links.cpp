#include "platform/links.h"

#include "common/messages.h"
#include "platform/platform.h"

namespace noktaris {

QString webLocation() { return QStringLiteral(NOKTARIS_WEB_LOCATION); }
QString authorMail() { return QStringLiteral(NOKTARIS_AUTHOR_MAIL); }

void openHelpPage(const QString& page, bool maximised) { platform().openDocument(programFile(page), maximised); }

void openWebPage()
{
    if (!platform().isOnline()) {
        showMessage(QStringLiteral("Nejste online. Připojte se a zkuste to znovu."));
        return;
    }
    openWebPageAnyway();
}

void openWebPageAnyway() { platform().openDocument(webLocation() + QStringLiteral("/index.html"), true); }

void openMail() { platform().openDocument(QStringLiteral("mailto:") + authorMail(), true); }

} // namespace noktaris
