// The graphs window: one full redraw ("Překresli": labels, plot area, curve) and
// one redraw under a moving pointer (the whole picture, curve and cross-hair, the
// read-out), each with the window painted afterwards.
#include "app/application.h"
#include "app/startup.h"
#include "bench_util.h"
#include "common/handover.h"
#include "common/widgets.h"
#include "graphs/graph_picture.h"
#include "graphs/graph_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include <cstdio>

using namespace noktaris;

namespace {

constexpr int kRuns = 1001;
constexpr double kTargetMs = 2.0;

void report(const char* what, double median)
{
    std::printf("%s: median %.3f ms over %d runs (target: under %.0f ms)\n", what, median, kRuns, kTargetMs);
}

} // namespace

int main(int argc, char** argv)
{
    bench::Session session(argc, argv);
    startUp();
    auto* graphs = application().form12();
    openChildWindow(graphs);
    QCoreApplication::processEvents();

    for (int graph = 0; graph < 3; ++graph) {
        graphs->ComboBox1->setCurrentIndex(graph);
        emit graphs->ComboBox1->activated(graph);
        // Alternating ends, so that every redraw writes new labels.
        const QString end = graphs->Edit2->text();
        const QString other = end + QStringLiteral("1");
        int n = 0;
        const double redraw = bench::medianMs(
            kRuns, [&] { graphs->Edit2->setText(++n % 2 ? other : end); },
            [&] {
                graphs->Button1Click();
                QCoreApplication::processEvents();
            },
            [] {});
        bench::figure("graph", QStringLiteral("full redraw, graph %1").arg(graph), redraw);
        std::printf("graph %d, ", graph);
        report("full redraw", redraw);

        int column = 0;
        const double pointer = bench::medianMs(
            kRuns, [] {},
            [&] {
                const QPoint at(60 + (++column % 340), 100);
                QMouseEvent move(QEvent::MouseMove, at, graphs->Image1->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                                 Qt::NoModifier);
                QApplication::sendEvent(graphs->Image1, &move);
                QCoreApplication::processEvents();
            },
            [] {});
        bench::figure("graph", QStringLiteral("pointer redraw, graph %1").arg(graph), pointer);
        std::printf("graph %d, ", graph);
        report("redraw under the moving pointer", pointer);
    }
    destroyWindows();
    return 0;
}
