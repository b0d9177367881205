// The widgets the program has once its start is over: startUp() with the fake
// platform, the first paint of the basic-mode window, then a count of
// QApplication::allWidgets() by kind. It tells the bare window of launch_bench how
// many widgets to make and in which mix, and the basic-mode window's size.
//
// Tab-separated lines:
//   qt VERSION
//   widgets ALL labels L edits E buttons B other O visible V
//   window WIDTH HEIGHT                  the basic-mode window as shown
//   bare LABELS EDITS BUTTONS            ALL - 1 children (the window is one more),
//                                        the other kinds shared out in proportion
//   class NAME COUNT                     every widget class, most frequent first
#include "app/application.h"
#include "app/startup.h"
#include "bench_util.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

using namespace noktaris;

namespace {

// The same moment as the program's quit after its first show.
// The count is made there, before the quit closes the windows.
class FirstPaint : public QObject {
public:
    FirstPaint(QObject* parent, std::function<void()> count) : QObject(parent), count_(std::move(count)) {}
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            seen = true;
            QTimer::singleShot(0, qApp, [this] {
                count_();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    std::function<void()> count_;
};

void count(bool painted)
{
    long long labels = 0, edits = 0, buttons = 0, other = 0, visible = 0;
    QMap<QString, int> classes;
    const QWidgetList all = QApplication::allWidgets();
    for (QWidget* widget : all) {
        if (qobject_cast<QLabel*>(widget))
            ++labels;
        else if (qobject_cast<QLineEdit*>(widget))
            ++edits;
        else if (qobject_cast<QAbstractButton*>(widget))
            ++buttons;
        else
            ++other;
        if (widget->isVisible())
            ++visible;
        ++classes[QString::fromLatin1(widget->metaObject()->className())];
    }
    std::printf("qt\t%s\n", qVersion());
    std::printf("widgets\t%lld\tlabels\t%lld\tedits\t%lld\tbuttons\t%lld\tother\t%lld\tvisible\t%lld\tpainted\t%d\n",
                qlonglong(all.size()), labels, edits, buttons, other, visible, painted ? 1 : 0);
    const QWidget* basic = application().window(Application::Window::Basic);
    std::printf("window\t%d\t%d\n", basic->width(), basic->height());

    // The bare window's children: as many as the program's widgets less the window
    // itself, the three kinds in the program's proportions.
    const long long children = all.size() - 1;
    const long long known = labels + edits + buttons;
    const long long bareLabels = known ? std::llround(double(children) * double(labels) / double(known)) : children;
    const long long bareEdits = known ? std::llround(double(children) * double(edits) / double(known)) : 0;
    std::printf("bare\t%lld\t%lld\t%lld\n", bareLabels, bareEdits, children - bareLabels - bareEdits);

    std::vector<std::pair<int, QString>> byCount;
    for (auto it = classes.cbegin(); it != classes.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [count, name] : byCount)
        std::printf("class\t%s\t%d\n", qPrintable(name), count);
}

} // namespace

int main(int argc, char** argv)
{
    bench::Session session(argc, argv);
    auto* firstPaint = new FirstPaint(&session.app, [] { count(true); });
    startUp();
    session.app.installEventFilter(firstPaint);
    QTimer::singleShot(10000, qApp, [firstPaint] {
        if (!firstPaint->seen) { // no paint at all: count anyway
            count(false);
            QCoreApplication::quit();
        }
    });
    QApplication::exec();
    destroyWindows();
    return 0;
}
