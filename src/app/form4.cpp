// "Noktaris 1.4 (rozšířený režim)" — the extended-mode hub window.
#include "app/form4.h"

#include "app/form1.h"
#include "app/windows.h"

namespace noktaris {

TForm4::TForm4(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm4"), QStringLiteral("Noktaris 1.4 (rozšířený režim)"), QSize(420, 330),
                      parent)
{
}

void TForm4::onClosed()
{
    if (TForm1* basic = appWindows().form1)
        basic->close();
}

} // namespace noktaris
