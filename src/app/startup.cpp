#include "app/startup.h"

#include "app/basic_window.h"
#include "app/quit_after_paint.h"
#include "common/version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace noktaris {

namespace {

std::unique_ptr<Application>& owned()
{
    static std::unique_ptr<Application> app;
    return app;
}

void prepareApplication()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    QCoreApplication::setApplicationName(kProgramName);
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

void startUp(std::initializer_list<Application::Window> only)
{
    prepareApplication();
    owned().reset();
    owned() = std::make_unique<Application>(only);
    TForm1* basic = application().form1();
    if (basic && !programEnded())
        basic->show();
}

int runMessageLoop()
{
    if (programEnded())
        return 0;
    QuitAfterFirstPaint::installWhenAsked();
    return QApplication::exec();
}

void destroyWindows() { owned().reset(); }

} // namespace noktaris
