// What the basic-mode window and the hub share: a fixed client area under the menu,
// centred on the desktop, a status line whose first panel shows the free memory
// every minute and whose last panel shows the screen size.
#pragma once

#include "app/main_menu.h"

#include <QMainWindow>

class QScrollArea;
class QTimer;

namespace noktaris {

struct PanelSpec;
class StatusLine;

class MainWindowBase : public QMainWindow {
    Q_OBJECT
public:
    QTimer* Pamet;
    StatusLine* StatusBar1;
    MainMenu menu;

    void PametTimer();
    // "Aktualizace (online)": after the warning, the updater and the program's end.
    void Aktualizaceonline1Click();

protected:
    MainWindowBase(const QString& name, const QString& caption, const QSize& clientSize,
                   const QVector<PanelSpec>& panels, MenuOwner owner);
    // The area below the menu and above the status line, where the controls lie.
    QWidget* canvas() const;
    QScrollArea* scrollArea() const { return scroll_; }
    // Free memory into the first panel, the screen size into the last.
    void showSystemPanels();
    // Larger than the screen: maximised, with scroll bars to reach the rest.
    void scrollContents();
    // Back to the window's own fixed size around its contents, without scrolling.
    void fitToContents();

private:
    QScrollArea* scroll_;
    QSize fittedSize_;
};

} // namespace noktaris
