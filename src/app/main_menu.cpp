#include "app/main_menu.h"

#include "app/application.h"
#include "app/basic_window.h"
#include "app/modes.h"
#include "common/handover.h"
#include "platform/links.h"

#include <QAction>
#include <QMenuBar>

namespace noktaris {

namespace {

QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

template <class F>
void onTrigger(QAction* action, F&& handler)
{
    QObject::connect(action, &QAction::triggered, action, std::forward<F>(handler));
}

} // namespace

namespace {

void addFileMenu(QMenuBar* bar, MainMenu& m)
{
    QMenu* file = bar->addMenu(QStringLiteral("Soubor"));
    m.Konec1 = addItem(file, QStringLiteral("Konec1"), QStringLiteral("Konec"), QKeySequence(Qt::ALT | Qt::Key_F4));
    onTrigger(m.Konec1, [] { closeMainWindow(); });
}

void addCatalogueMenu(QMenuBar* bar, MainMenu& m, bool hub)
{
    QMenu* catalogues = bar->addMenu(QStringLiteral("Správa databází"));
    const struct {
        QAction* MainMenu::*item;
        const char* name;
        const char* caption;
    } editorItems[] = {
        {&MainMenu::Dalekohledy1, "Dalekohledy1", "Dalekohledy"},
        {&MainMenu::Okulry1, "Okulry1", "Okuláry"},
        {&MainMenu::Jasnostiobjekt1, "Jasnostiobjekt1", "Jasnosti objektů"},
        {&MainMenu::Rozmryobjekt1, "Rozmryobjekt1", "Rozměry objektů"},
        {&MainMenu::Formtyfilm1, "Formtyfilm1", "Formáty filmů"},
        {&MainMenu::CCDipy1, "CCDipy1", "CCD čipy"},
    };
    for (int tab = 0; tab < 6; ++tab) {
        QAction* item = addItem(catalogues, QString::fromLatin1(editorItems[tab].name),
                                QString::fromUtf8(editorItems[tab].caption), QKeySequence(Qt::Key_F2 + tab));
        onTrigger(item, [tab] { openCatalogueEditor(tab); });
        m.*editorItems[tab].item = item;
    }
    // The hub cannot open the chip catalogue from its menu; its editor's tabs still reach it.
    m.CCDipy1->setEnabled(!hub);
}

void addModeMenu(QMenuBar* bar, MainMenu& m, bool hub)
{
    QMenu* mode = bar->addMenu(QStringLiteral("Režim"));
    m.Zkladnvpoty1 = addItem(mode, QStringLiteral("Zkladnvpoty1"), QStringLiteral("Základní výpočty"), Qt::Key_F8);
    m.Rozenvpoty1 = addItem(mode, QStringLiteral("Rozenvpoty1"), QStringLiteral("Rozšířené výpočty"), Qt::Key_F9);
    QAction* current = hub ? m.Rozenvpoty1 : m.Zkladnvpoty1;
    current->setCheckable(true);
    current->setChecked(true);
    onTrigger(current, [current] { current->setChecked(true); });
    if (hub)
        onTrigger(m.Zkladnvpoty1, [] { switchToBasicMode(); });
    else
        onTrigger(m.Rozenvpoty1, [] { switchToExtendedMode(); });
}

void addPlanningMenu(QMenuBar* bar, MainMenu& m)
{
    QMenu* planning = bar->addMenu(QStringLiteral("Plánování"));
    planning->setObjectName(QStringLiteral("planningMenu"));
    m.samplingAction = addItem(planning, QStringLiteral("samplingAction"), QStringLiteral("Kamera na dalekohledu..."));
    onTrigger(m.samplingAction, [] { openPlanningWindow(Application::Planning::Sampling); });
    m.skyAction = addItem(planning, QStringLiteral("skyAction"), QStringLiteral("Obloha a expozice..."));
    onTrigger(m.skyAction, [] { openPlanningWindow(Application::Planning::Sky); });
}

void addHelpMenu(QMenuBar* bar, MainMenu& m, bool hub)
{
    QMenu* help = bar->addMenu(QStringLiteral("Nápověda"));
    m.Oaplikaci1 = addItem(help, QStringLiteral("Oaplikaci1"), QStringLiteral("O aplikaci ..."), Qt::Key_F1);
    onTrigger(m.Oaplikaci1, [] { showAboutBox(); });
    QMenu* manual = help->addMenu(QStringLiteral("Manuál (offline)"));
    m.Index1 = addItem(manual, QStringLiteral("Index1"), QStringLiteral("Index"));
    m.Popisprogramu = addItem(manual, hub ? QStringLiteral("Popisprogramu1") : QStringLiteral("Popisprogramuoffline1"),
                              QStringLiteral("Popis programu"));
    m.Vzorce = addItem(manual, hub ? QStringLiteral("Vpoetnvzorce1") : QStringLiteral("Vzorce1"),
                       QStringLiteral("Výpočetní vzorce"));
    m.Oaplikaci2 = addItem(manual, QStringLiteral("Oaplikaci2"), QStringLiteral("O aplikaci ..."));
    onTrigger(m.Index1, [] { openHelpPage(QStringLiteral("html/index.html")); });
    onTrigger(m.Popisprogramu, [] { openHelpPage(QStringLiteral("html/popis.html")); });
    onTrigger(m.Vzorce, [] { openHelpPage(QStringLiteral("html/vypocty.html")); });
    onTrigger(m.Oaplikaci2, [] { openHelpPage(QStringLiteral("html/aplikace.html")); });
    QMenu* web = help->addMenu(QStringLiteral("WWW stránky (online)"));
    m.WebPage1 = addItem(web, QStringLiteral("WebPage1"), webLocation());
    onTrigger(m.WebPage1, [] { openWebPage(); });
    m.Aktualizaceonline1 = addItem(help, QStringLiteral("Aktualizaceonline1"), QStringLiteral("Aktualizace (online)"));
    m.Email1 = addItem(help, QStringLiteral("Email1"), QStringLiteral("E-mail"));
    onTrigger(m.Email1, [] { openMail(); });
}

} // namespace

MainMenu buildMainMenu(QMenuBar* bar, MenuOwner owner)
{
    const bool hub = owner == MenuOwner::Hub;
    MainMenu m;
    bar->setObjectName(QStringLiteral("MainMenu1"));
    addFileMenu(bar, m);
    addCatalogueMenu(bar, m, hub);
    addModeMenu(bar, m, hub);
    m.Vpoty1 = bar->addAction(QStringLiteral("Nastavení..."));
    m.Vpoty1->setObjectName(QStringLiteral("Vpoty1"));
    onTrigger(m.Vpoty1, [] { openChildWindow(application().window(Application::Window::Settings)); });
    addPlanningMenu(bar, m);

    addHelpMenu(bar, m, hub);
    return m;
}

} // namespace noktaris
