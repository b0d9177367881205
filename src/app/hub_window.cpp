// "Noktaris 1.4 (rozšířený režim)" — the extended-mode hub window.
#include "app/hub_window.h"

#include "app/basic_window.h"
#include "app/modes.h"
#include "app/windows.h"
#include "common/handover.h"
#include "common/status_line.h"
#include "common/widgets.h"
#include "platform/links.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>

namespace noktaris {

TForm4::TForm4(QWidget*)
    : MainWindowBase(QStringLiteral("TForm4"), QStringLiteral("Noktaris 1.4 (rozšířený režim)"), QSize(548, 142),
                     {{470, false, QStringLiteral("Noktaris 1.4")}, {50, true, QStringLiteral("--- ROZLIŠENÍ ---")}},
                     MenuOwner::Hub)
{
    struct Entry {
        QPushButton* TForm4::*button;
        const char* name;
        const char* caption;
        int window; // the calculation window it opens, 0 for the other buttons
    };
    // Three columns of five: the calculation windows first, the program's own
    // buttons in the last column.
    const Entry entries[] = {
        {&TForm4::BitBtn2, "BitBtn2", "Parametry dalekohledu", 6},
        {&TForm4::BitBtn4, "BitBtn4", "Parametry CCD", 7},
        {&TForm4::BitBtn3, "BitBtn3", "Expoziční časy", 8},
        {&TForm4::BitBtn15, "BitBtn15", "Světelnosti různých sestav", 9},
        {&TForm4::BitBtn7, "BitBtn7", "Zorná pole různých sestav", 10},
        {&TForm4::BitBtn9, "BitBtn9", "Parametry pointace", 11},
        {&TForm4::BitBtn14, "BitBtn14", "Min zvětšení k rozliš. dvojhvězdy", 5},
        {&TForm4::BitBtn8, "BitBtn8", "Rozměry obrazů na negativu", 13},
        {&TForm4::BitBtn6, "BitBtn6", "Výpočet poměrných jasností", 14},
        {&TForm4::BitBtn5, "BitBtn5", "Grafy", 12},
        {&TForm4::BitBtn16, "BitBtn16", "Přepnout na základní režim", 0},
        {&TForm4::BitBtn17, "BitBtn17", "Správa databází", 0},
        {&TForm4::BitBtn18, "BitBtn18", "HTML Manuál", 0},
        {&TForm4::BitBtn19, "BitBtn19", "O aplikaci ...", 0},
        {&TForm4::BitBtn1, "BitBtn1", "&Konec", 0},
    };
    const int width = (548 - 4 * 4) / 3;
    for (int i = 0; i < 15; ++i) {
        const Entry& e = entries[i];
        QPushButton* button = addButton(canvas(), QString::fromLatin1(e.name), QString::fromUtf8(e.caption),
                                        QRect(4 + (i / 5) * (width + 4), 1 + (i % 5) * 24, width, 23));
        this->*e.button = button;
        if (e.window)
            connect(button, &QPushButton::clicked, this, [n = e.window] { openChildWindow(appWindows().form[n]); });
    }
    connect(BitBtn16, &QPushButton::clicked, this, [] { switchToBasicMode(); });
    connect(BitBtn17, &QPushButton::clicked, this, [] { openCatalogueEditor(0); });
    connect(BitBtn18, &QPushButton::clicked, this, [] { openHelpPage(QStringLiteral("html/index.html"), false); });
    connect(BitBtn19, &QPushButton::clicked, this, [] { showAboutBox(); });
    connect(BitBtn1, &QPushButton::clicked, this, [] { appWindows().form1->close(); });
}

void TForm4::showEvent(QShowEvent* event)
{
    MainWindowBase::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm4::FormShow() { showSystemPanels(); }

void TForm4::closeEvent(QCloseEvent* event)
{
    MainWindowBase::closeEvent(event);
    if (TForm1* basic = appWindows().form1)
        basic->close();
}

} // namespace noktaris
