// One keystroke in each calculation group and window: the recomputation that
// follows it, config.ini and catalogue reads included where the handler makes them.
// A pick in each catalogue list is measured as well (one catalogue lookup).
#include "app/application.h"
#include "app/basic_window.h"
#include "app/startup.h"
#include "bench_util.h"
#include "common/handover.h"
#include "common/widgets.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

using namespace noktaris;

namespace {

constexpr int kRuns = 2001;
constexpr double kTargetMs = 0.1;
constexpr double kRedrawTargetMs = 2;

template <class T>
T* find(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        std::fprintf(stderr, "no %s in %s\n", name, qPrintable(window->objectName()));
    return found;
}

// Alternates the text so every write is a real change that fires the handler;
// with a plot, the plot is painted again after each write (the sky window's 2 ms).
void keystroke(const QWidget* window, const char* field, const char* first, const char* second,
               const char* plotName = nullptr)
{
    QLineEdit* edit = find<QLineEdit>(window, field);
    QWidget* plot = plotName ? find<QWidget>(window, plotName) : nullptr;
    if (!edit || (plotName && !plot))
        return;
    const int runs = plot ? kRuns / 4 : kRuns;
    const double target = plot ? kRedrawTargetMs : kTargetMs;
    int n = 0;
    const QString a = QString::fromLatin1(first);
    const QString b = QString::fromLatin1(second);
    const double median = bench::medianMs(
        runs, [] {},
        [&] {
            edit->setText(++n % 2 ? a : b);
            if (plot)
                plot->repaint();
        },
        [] {});
    bench::figure(plot ? "keystroke+plot" : "keystroke", window->objectName() + u'.' + QLatin1String(field), median);
    std::printf("keystroke%s in %s.%s: median %.4f ms over %d runs (target: at most %.1f ms)\n",
                plot ? " and plot" : "", qPrintable(window->objectName()), field, median, runs, target);
}

void pick(const QWidget* window, const char* list)
{
    PickList* names = find<PickList>(window, list);
    if (!names || names->count() < 2)
        return;
    int n = 0;
    const double median = bench::medianMs(
        kRuns / 10, [] {},
        [&] {
            names->setCurrentIndex(++n % 2);
            emit names->activated(names->currentIndex());
        },
        [] {});
    bench::figure("pick", window->objectName() + u'.' + QLatin1String(list), median);
    std::printf("pick in %s.%s: median %.4f ms over %d runs\n", qPrintable(window->objectName()), list, median,
                kRuns / 10);
}

} // namespace

int main(int argc, char** argv)
{
    bench::Session session(argc, argv);
    startUp();
    QCoreApplication::processEvents();
    Application& w = application();
    using W = Application::Window;

    // The basic-mode window: the telescope group's whole chain, then each group.
    keystroke(w.window(W::Basic), "DdalEdit", "150", "151");
    keystroke(w.window(W::Basic), "FobjEdit", "500", "501");
    keystroke(w.window(W::Basic), "FfotEdit4", "50", "51");
    keystroke(w.window(W::Basic), "RozmerEdit", "30", "31");
    keystroke(w.window(W::Basic), "PointEdit", "1000", "1001");
    pick(w.window(W::Basic), "CCD");
    pick(w.window(W::Basic), "Film");
    for (QWidget* window : std::initializer_list<QWidget*>{
             w.window(W::DoubleStar), w.window(W::Telescope), w.window(W::Ccd), w.window(W::Ratios),
             w.window(W::Fields), w.window(W::Guiding), w.window(W::ImageSize), w.window(W::Brightness)}) {
        openChildWindow(window);
        QCoreApplication::processEvents();
    }
    keystroke(w.window(W::DoubleStar), "Edit1", "2", "3");
    // The main group of TForm6 recomputes every other group of the window.
    keystroke(w.window(W::Telescope), "ddaledit", "100", "101");
    keystroke(w.window(W::Telescope), "Edit2", "7,5", "7");
    keystroke(w.window(W::Telescope), "Edit13", "590", "591");
    keystroke(w.window(W::Ccd), "fok", "500", "501");
    keystroke(w.window(W::Fields), "ffotedit", "50", "51");
    keystroke(w.window(W::Fields), "fdaledit", "1000", "1001");
    keystroke(w.window(W::Fields), "Edit1", "500", "501");
    keystroke(w.window(W::Guiding), "Edit1", "50", "51");
    keystroke(w.window(W::Guiding), "Edit2", "500", "501");
    keystroke(w.window(W::Guiding), "PointEdit", "1000", "1001");
    keystroke(w.window(W::ImageSize), "RozmerEdit", "30", "31");
    keystroke(w.window(W::ImageSize), "Edit2", "30", "31");
    keystroke(w.window(W::ImageSize), "CasEdit", "60", "61");
    pick(w.window(W::Ccd), "CCD");
    keystroke(w.window(W::Ratios), "ddaledit2", "100", "101");
    keystroke(w.window(W::Brightness), "Edit1", "9,5", "10");
    pick(w.window(W::Telescope), "Dalekohled");
    pick(w.window(W::Ratios), "ComboBox1");
    pick(w.window(W::Fields), "ComboBox1");
    pick(w.window(W::ImageSize), "Dalekohled");

    // The planning window: each keystroke recomputes all twelve results.
    openPlanningWindow(Application::Planning::Sampling);
    QCoreApplication::processEvents();
    QWidget* sampling = application().planningWindow(Application::Planning::Sampling);
    keystroke(sampling, "focalEdit", "1000", "1001");
    keystroke(sampling, "seeingEdit", "2,5", "2,6");
    keystroke(sampling, "declinationEdit", "30", "-30");
    pick(sampling, "cameraList");
    sampling->close();

    openPlanningWindow(Application::Planning::Sky);
    QCoreApplication::processEvents();
    QWidget* sky = application().planningWindow(Application::Planning::Sky);
    keystroke(sky, "targetEdit", "22", "22,5", "snrPlot");
    keystroke(sky, "subEdit", "", "300", "snrPlot");
    keystroke(sky, "skyEdit", "20", "18,5", "snrPlot");
    destroyWindows();
    return 0;
}
