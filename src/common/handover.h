// How windows hand control to each other. A calculation, editor, settings or graph
// window is opened by disabling both main windows and showing it; closing it
// enables both again. A minimise request to any window of the program minimises
// all of them, and restoring one brings them all back.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace noktaris {

void registerMainWindows(QWidget* basicWindow, QWidget* hubWindow);
void setMainWindowsEnabled(bool enabled);
// Shows the window in front of the others, with the input focus.
void bringToFront(QWidget* window);
// Disables both main windows and shows the window.
void openChildWindow(QWidget* child);

// Places the window in the middle of the desktop's free area.
void centreOnDesktop(QWidget* window);

// Minimises every visible window of the program together.
void minimiseProgram();
// Brings back every window that minimiseProgram() sent to the taskbar.
void restoreProgram();
// Watches a window's state so that its minimise and restore act for the program.
void followMinimiseRule(QWidget* window);

// A secondary window of the program: a fixed-size top-level window that is shown
// and hidden but never destroyed before the program ends. Closing it enables the
// main windows again (onClosed can say otherwise).
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    SecondaryWindow(const QString& name, const QString& caption, const QSize& clientSize, QWidget* parent = nullptr);

    // The window's preparation each time the program shows it (not when the
    // desktop merely restores it): focus, pick lists refilled, first entries applied.
    virtual void FormShow() {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    virtual void onClosed();
};

} // namespace noktaris
