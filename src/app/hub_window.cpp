// "Noktaris 1.4 (rozšířený režim)" — the extended-mode hub window.
#include "app/hub_window.h"

#include "app/application.h"
#include "app/basic_window.h"
#include "app/modes.h"
#include "common/handover.h"
#include "common/status_line.h"
#include "common/version.h"
#include "common/widgets.h"
#include "platform/links.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>

#include <optional>

namespace noktaris {

TForm4::TForm4(QWidget*)
    : MainWindowBase(QStringLiteral("TForm4"), kProgramName + QStringLiteral(" (rozšířený režim)"), QSize(548, 166),
                     {{470, false, kProgramName}, {50, true, QStringLiteral("--- ROZLIŠENÍ ---")}}, MenuOwner::Hub)
{
    using W = Application::Window;
    struct Entry {
        QPushButton* TForm4::*button;
        const char* name;
        const char* caption;
        std::optional<W> window; // the calculation window it opens
    };
    // Three columns of five: the calculation windows first, the program's own
    // buttons in the last column.
    const Entry entries[] = {
        {&TForm4::BitBtn2, "BitBtn2", "Parametry dalekohledu", W::Telescope},
        {&TForm4::BitBtn4, "BitBtn4", "Parametry CCD", W::Ccd},
        {&TForm4::BitBtn3, "BitBtn3", "Expoziční časy", W::Exposure},
        {&TForm4::BitBtn15, "BitBtn15", "Světelnosti různých sestav", W::Ratios},
        {&TForm4::BitBtn7, "BitBtn7", "Zorná pole různých sestav", W::Fields},
        {&TForm4::BitBtn9, "BitBtn9", "Parametry pointace", W::Guiding},
        {&TForm4::BitBtn14, "BitBtn14", "Min zvětšení k rozliš. dvojhvězdy", W::DoubleStar},
        {&TForm4::BitBtn8, "BitBtn8", "Rozměry obrazů na negativu", W::ImageSize},
        {&TForm4::BitBtn6, "BitBtn6", "Výpočet poměrných jasností", W::Brightness},
        {&TForm4::BitBtn5, "BitBtn5", "Grafy", W::Graphs},
        {&TForm4::BitBtn16, "BitBtn16", "Přepnout na základní režim", {}},
        {&TForm4::BitBtn17, "BitBtn17", "Správa databází", {}},
        {&TForm4::BitBtn18, "BitBtn18", "HTML Manuál", {}},
        {&TForm4::BitBtn19, "BitBtn19", "O aplikaci ...", {}},
        {&TForm4::BitBtn1, "BitBtn1", "&Konec", {}},
    };
    const int width = (548 - 4 * 4) / 3;
    for (int i = 0; i < 15; ++i) {
        const Entry& e = entries[i];
        QPushButton* button = addButton(canvas(), QString::fromLatin1(e.name), QString::fromUtf8(e.caption),
                                        QRect(4 + (i / 5) * (width + 4), 1 + (i % 5) * 24, width, 23));
        this->*e.button = button;
        if (e.window)
            connect(button, &QPushButton::clicked, this, [w = *e.window] { openChildWindow(application().window(w)); });
    }
    addPlanningButtons(width);
    connect(BitBtn16, &QPushButton::clicked, this, [] { switchToBasicMode(); });
    connect(BitBtn17, &QPushButton::clicked, this, [] { openCatalogueEditor(0); });
    connect(BitBtn18, &QPushButton::clicked, this, [] { openHelpPage(QStringLiteral("html/index.html"), false); });
    connect(BitBtn19, &QPushButton::clicked, this, [] { showAboutBox(); });
    connect(BitBtn1, &QPushButton::clicked, this, [] { closeMainWindow(); });
}

void TForm4::addPlanningButtons(int width)
{
    // A sixth row for the planning windows; the fifteen above keep their places.
    const struct {
        QPushButton* TForm4::*button;
        const char* name;
        const char* caption;
        Application::Planning window;
    } planning[] = {
        {&TForm4::samplingButton, "samplingButton", "Kamera na dalekohledu", Application::Planning::Sampling},
        {&TForm4::skyButton, "skyButton", "Obloha a expozice", Application::Planning::Sky},
    };
    for (int i = 0; i < 2; ++i) {
        const auto& p = planning[i];
        this->*p.button = addButton(canvas(), QString::fromLatin1(p.name), QString::fromUtf8(p.caption),
                                    QRect(4 + i * (width + 4), 1 + 5 * 24, width, 23));
        connect(this->*p.button, &QPushButton::clicked, this, [w = p.window] { openPlanningWindow(w); });
    }
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
    closeMainWindow();
}

} // namespace noktaris
