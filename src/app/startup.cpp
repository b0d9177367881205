#include "app/startup.h"

#include "app/about_box.h"
#include "app/basic_window.h"
#include "app/hub_window.h"
#include "app/modes.h"
#include "app/quit_after_paint.h"
#include "app/windows.h"
#include "catalogue/editor_window.h"
#include "common/handover.h"
#include "config/settings_window.h"
#include "graphs/graph_window.h"
#include "optics/ccd_window.h"
#include "optics/double_star_window.h"
#include "optics/fields_window.h"
#include "optics/ratios_window.h"
#include "optics/telescope_window.h"
#include "photo/brightness_window.h"
#include "photo/exposure_window.h"
#include "photo/guiding_window.h"
#include "photo/image_size_window.h"
#include "viewer/viewer_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace noktaris {

AppWindows& appWindows()
{
    static AppWindows windows;
    return windows;
}

namespace {

// Set once the program has ended; a quit asked for before the message loop runs
// would otherwise be lost.
bool& programEnded()
{
    static bool ended = false;
    return ended;
}

} // namespace

void endProgram()
{
    programEnded() = true;
    for (QWidget* w : appWindows().form)
        if (w)
            w->hide();
    QCoreApplication::quit();
}

namespace {

void prepareApplication()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    QCoreApplication::setApplicationName(QStringLiteral("Noktaris 1.4"));
    // Czech standard buttons ("OK", "Zrušit").
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // The program ends when its main window closes, not when the last one hides.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace

void startUp()
{
    prepareApplication();
    AppWindows& w = appWindows();
    for (int n = 1; n <= 16; ++n) {
        switch (n) {
        case 1: w.form[n] = w.form1 = new TForm1; break;
        case 2: w.form[n] = new TForm2; break;
        case 3: w.form[n] = new TForm3([] { appWindows().form1->refreshAfterEditor(); }); break;
        case 4: w.form[n] = w.form4 = new TForm4; break;
        case 5: w.form[n] = new TForm5; break;
        case 6: w.form[n] = new TForm6; break;
        case 7: w.form[n] = new TForm7; break;
        case 8: w.form[n] = new TForm8; break;
        case 9: w.form[n] = new TForm9; break;
        case 10: w.form[n] = new TForm10; break;
        case 11: w.form[n] = new TForm11; break;
        case 12: w.form[n] = new TForm12; break;
        case 13: w.form[n] = new TForm13; break;
        case 14: w.form[n] = new TForm14; break;
        case 15:
            w.form[n] = new TForm15({
                [] { return appWindows().form1->isVisible() ? QStringLiteral("Rezim:1") : QStringLiteral("Rezim:2"); },
                [](bool extended) { extended ? switchToExtendedMode() : switchToBasicMode(); },
                [] { appWindows().form1->constantsChanged(); },
            });
            break;
        case 16: w.form[n] = new TForm16; break;
        }
    }
    registerMainWindows(w.form1, w.form4);
    if (!programEnded())
        w.form1->show();
}

int runMessageLoop()
{
    if (programEnded())
        return 0;
    QuitAfterFirstPaint::installWhenAsked();
    return QApplication::exec();
}

void destroyWindows()
{
    AppWindows& w = appWindows();
    registerMainWindows(nullptr, nullptr);
    for (int n = 16; n >= 1; --n)
        delete w.form[n];
    w = AppWindows{};
    programEnded() = false;
}

} // namespace noktaris
