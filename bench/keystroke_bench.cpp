// One keystroke in each calculation group and window: the recomputation that
// follows it, config.ini and catalogue reads included where the handler makes them.
// A pick in each catalogue list is measured as well (one catalogue lookup).
#include "app/basic_window.h"
#include "app/startup.h"
#include "app/windows.h"
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

template <class T>
T* find(int window, const char* name)
{
    T* found = appWindows().form[window]->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        std::fprintf(stderr, "no %s in TForm%d\n", name, window);
    return found;
}

// Alternates the text so every write is a real change that fires the handler.
void keystroke(int window, const char* field, const char* first, const char* second)
{
    QLineEdit* edit = find<QLineEdit>(window, field);
    if (!edit)
        return;
    int n = 0;
    const QString a = QString::fromLatin1(first);
    const QString b = QString::fromLatin1(second);
    const double median = bench::medianMs(kRuns, [] {}, [&] { edit->setText(++n % 2 ? a : b); }, [] {});
    bench::figure("keystroke", QStringLiteral("TForm%1.%2").arg(window).arg(QLatin1String(field)), median);
    std::printf("keystroke in TForm%d.%s: median %.4f ms over %d runs (target: at most %.1f ms)\n", window, field,
                median, kRuns, kTargetMs);
}

void pick(int window, const char* list)
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
    bench::figure("pick", QStringLiteral("TForm%1.%2").arg(window).arg(QLatin1String(list)), median);
    std::printf("pick in TForm%d.%s: median %.4f ms over %d runs\n", window, list, median, kRuns / 10);
}

} // namespace

int main(int argc, char** argv)
{
    bench::Session session(argc, argv);
    startUp();
    QCoreApplication::processEvents();

    // The basic-mode window: the telescope group's whole chain, then each group.
    keystroke(1, "DdalEdit", "150", "151");
    keystroke(1, "FobjEdit", "500", "501");
    keystroke(1, "FfotEdit4", "50", "51");
    keystroke(1, "RozmerEdit", "30", "31");
    keystroke(1, "PointEdit", "1000", "1001");
    pick(1, "CCD");
    pick(1, "Film");
    for (int window : {5, 6, 7, 9, 10, 11, 13, 14}) {
        openChildWindow(appWindows().form[window]);
        QCoreApplication::processEvents();
    }
    keystroke(5, "Edit1", "2", "3");
    // The main group of TForm6 recomputes every other group of the window.
    keystroke(6, "ddaledit", "100", "101");
    keystroke(6, "Edit2", "7,5", "7");
    keystroke(6, "Edit13", "590", "591");
    keystroke(7, "fok", "500", "501");
    keystroke(10, "ffotedit", "50", "51");
    keystroke(10, "fdaledit", "1000", "1001");
    keystroke(10, "Edit1", "500", "501");
    keystroke(11, "Edit1", "50", "51");
    keystroke(11, "Edit2", "500", "501");
    keystroke(11, "PointEdit", "1000", "1001");
    keystroke(13, "RozmerEdit", "30", "31");
    keystroke(13, "Edit2", "30", "31");
    keystroke(13, "CasEdit", "60", "61");
    pick(7, "CCD");
    keystroke(9, "ddaledit2", "100", "101");
    keystroke(14, "Edit1", "9,5", "10");
    pick(6, "Dalekohled");
    pick(9, "ComboBox1");
    pick(10, "ComboBox1");
    pick(13, "Dalekohled");
    destroyWindows();
    return 0;
}
