#include "common/hint_time.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace noktaris {

namespace {

// Shows every hint of the program for a fixed time instead of Qt's length-based one.
class HintTime : public QObject {
public:
    explicit HintTime(QObject* parent) : QObject(parent) {}
    int milliseconds = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty() || milliseconds < 0)
            return QObject::eventFilter(watched, event);
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), milliseconds);
        return true;
    }
};

HintTime*& hintTime()
{
    static HintTime* filter = nullptr;
    return filter;
}

} // namespace

void setHintDisplayTime(int milliseconds)
{
    HintTime*& filter = hintTime();
    if (!filter) {
        filter = new HintTime(qApp);
        qApp->installEventFilter(filter);
    }
    filter->milliseconds = milliseconds;
}

int hintDisplayTime() { return hintTime() ? hintTime()->milliseconds : -1; }

} // namespace noktaris
