#include "common/handover.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QShowEvent>

namespace noktaris {

namespace {

QPointer<QWidget>& basic()
{
    static QPointer<QWidget> w;
    return w;
}

QPointer<QWidget>& hub()
{
    static QPointer<QWidget> w;
    return w;
}

struct MinimiseState {
    bool busy = false;
    QList<QPointer<QWidget>> minimised;
};

MinimiseState& minimiseState()
{
    static MinimiseState state;
    return state;
}

class MinimiseWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange && !minimiseState().busy) {
            auto* window = static_cast<QWidget*>(watched);
            const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
            if (window->isMinimized() && !(old & Qt::WindowMinimized))
                minimiseProgram();
            else if (!window->isMinimized() && (old & Qt::WindowMinimized))
                restoreProgram();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void registerMainWindows(QWidget* basicWindow, QWidget* hubWindow)
{
    basic() = basicWindow;
    hub() = hubWindow;
}

void setMainWindowsEnabled(bool enabled)
{
    // Qt takes the focus from the controls of a window it disables; the control
    // that had it gets it back when the window is enabled again.
    static QPointer<QWidget> focused[2];
    QPointer<QWidget>* windows[2] = {&basic(), &hub()};
    for (int i = 0; i < 2; ++i) {
        QWidget* window = *windows[i];
        if (!window)
            continue;
        if (!enabled && window->isEnabled())
            focused[i] = window->focusWidget();
        window->setEnabled(enabled);
        if (enabled && focused[i] && focused[i]->window() == window && focused[i]->isEnabled())
            focused[i]->setFocus(Qt::OtherFocusReason);
        if (enabled)
            focused[i] = nullptr;
    }
}

void bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void openChildWindow(QWidget* child)
{
    if (!child)
        return;
    setMainWindowsEnabled(false);
    bringToFront(child);
}

void centreOnDesktop(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->frameSize());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void minimiseProgram()
{
    MinimiseState& state = minimiseState();
    if (state.busy)
        return;
    state.busy = true;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (!w->isVisible() || !w->isWindow() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            continue;
        if (!state.minimised.contains(w))
            state.minimised << w;
        if (!w->isMinimized())
            w->showMinimized();
    }
    state.busy = false;
}

void restoreProgram()
{
    MinimiseState& state = minimiseState();
    if (state.busy)
        return;
    state.busy = true;
    const auto windows = state.minimised;
    state.minimised.clear();
    for (const QPointer<QWidget>& w : windows) {
        if (w && w->isMinimized())
            w->showNormal();
    }
    state.busy = false;
}

void followMinimiseRule(QWidget* window) { window->installEventFilter(new MinimiseWatcher(window)); }

SecondaryWindow::SecondaryWindow(const QString& name, const QString& caption, const QSize& clientSize, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    centreOnDesktop(this);
    followMinimiseRule(this);
}

void SecondaryWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void SecondaryWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        onClosed();
}

void SecondaryWindow::onClosed() { setMainWindowsEnabled(true); }

} // namespace noktaris
