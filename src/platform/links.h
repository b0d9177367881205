// Help pages, the product web page and the author's mail address.
#pragma once

#include <QString>

namespace noktaris {

inline const QString kWebAddress = QStringLiteral("http://www.noktaris.cz");
inline const QString kAuthorMail = QStringLiteral("autor@noktaris.cz");

// A local help page ("html/index.html"), opened maximised unless said otherwise.
void openHelpPage(const QString& page, bool maximised = true);
// The product web page, only when online.
void openWebPage();
void openMail();

} // namespace noktaris
