// NOKTARIS_QUIT_AFTER_SHOW=1 (the start-up benchmark): the application ends as soon
// as its first window has been painted, so that a whole start can be timed from
// outside. Header-only: the benchmark's bare Qt window quits by the same rule
// without linking the program.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace noktaris {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    // Installs the rule on the application when the environment asks for it.
    static void installWhenAsked()
    {
        if (qEnvironmentVariableIntValue("NOKTARIS_QUIT_AFTER_SHOW") == 1)
            qApp->installEventFilter(new QuitAfterFirstPaint(qApp));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace noktaris
