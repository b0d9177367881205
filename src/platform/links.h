// Help pages, the product web page and the author's mail address. A link the
// desktop cannot open is reported in Czech, naming what was to be opened.
#pragma once

#include <QString>

namespace noktaris {

// Where the product's pages and its published version file lie, without a
// trailing "/", and the author's address; both are set when the program is built.
QString webLocation();
QString authorMail();

// A local help page ("html/index.html"), opened maximised unless said otherwise.
void openHelpPage(const QString& page, bool maximised = true);
// The product web page, only when online; otherwise the user is told so.
void openWebPage();
// The product web page without asking whether the computer is online.
void openWebPageAnyway();
void openMail();

} // namespace noktaris
