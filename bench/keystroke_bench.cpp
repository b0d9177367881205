// One keystroke in the aperture field of the basic-mode window: the whole
// recomputation chain that follows it, config.ini reads included.
#include "app/basic_window.h"
#include "app/startup.h"
#include "app/windows.h"
#include "bench_util.h"
#include "optics/telescope_group.h"
#include "support/fake_platform.h"
#include "support/program_folder.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

using namespace noktaris;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::FakePlatformScope fake;
    test::ProgramFolder folder;
    startUp();
    QCoreApplication::processEvents();
    QLineEdit* aperture = appWindows().form1->GroupBox1->DdalEdit;
    int keystroke = 0;
    const int runs = 2001;
    // Alternate the text so every write is a real change that fires the handler.
    const double median = bench::medianMs(
        runs, [] {}, [&] { aperture->setText(++keystroke % 2 ? QStringLiteral("150") : QStringLiteral("151")); },
        [] {});
    std::printf("keystroke in DdalEdit: median %.4f ms over %d runs\n", median, runs);
    destroyWindows();
    return 0;
}
