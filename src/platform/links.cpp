#include "platform/links.h"

#include "common/messages.h"
#include "common/text8bit.h"
#include "platform/platform.h"

namespace noktaris {

void openHelpPage(const QString& page, bool maximised) { platform().openDocument(resolvePath(page), maximised); }

void openWebPage()
{
    if (!platform().isOnline()) {
        showMessage(QStringLiteral("Nejste online. Připojte se a zkuste to znovu."));
        return;
    }
    platform().openDocument(kWebAddress + QStringLiteral("/index.html"), true);
}

void openMail() { platform().openDocument(QStringLiteral("mailto:") + kAuthorMail, true); }

} // namespace noktaris
