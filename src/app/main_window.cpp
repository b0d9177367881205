#include "app/main_window.h"

#include "app/application.h"
#include "app/memory_text.h"
#include "app/update.h"
#include "common/handover.h"
#include "common/status_line.h"
#include "platform/platform.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace noktaris {

MainWindowBase::MainWindowBase(const QString& name, const QString& caption, const QSize& clientSize,
                               const QVector<PanelSpec>& panels, MenuOwner owner)
    : QMainWindow(nullptr,
                  Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    StatusBar1 = new StatusLine(this, QStringLiteral("StatusBar1"), panels);
    setStatusBar(StatusBar1);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ScrollArea"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* area = new QWidget;
    area->setObjectName(QStringLiteral("Canvas"));
    area->setFixedSize(clientSize.width(), clientSize.height() - StatusBar1->sizeHint().height());
    scroll_->setWidget(area);
    setCentralWidget(scroll_);

    menu = buildMainMenu(menuBar(), owner);
    connect(menu.Aktualizaceonline1, &QAction::triggered, this, &MainWindowBase::Aktualizaceonline1Click);

    Pamet = new QTimer(this);
    Pamet->setObjectName(QStringLiteral("Pamet"));
    Pamet->setInterval(60000);
    connect(Pamet, &QTimer::timeout, this, &MainWindowBase::PametTimer);
    Pamet->start();

    fittedSize_ = QSize(clientSize.width(), menuBar()->sizeHint().height() + clientSize.height());
    setFixedSize(fittedSize_);
    centreOnDesktop(this);
    followMinimiseRule(this);
}

QWidget* MainWindowBase::canvas() const { return scroll_->widget(); }

void MainWindowBase::PametTimer()
{
    const MemoryStatus memory = platform().memoryStatus();
    StatusBar1->setPanelText(0, memoryText(memory.freeBytes, memory.totalBytes));
}

void MainWindowBase::Aktualizaceonline1Click()
{
    // The basic-mode window is the program's main window: closing it ends the program.
    if (updateOnRequest())
        closeMainWindow();
}

void MainWindowBase::scrollContents()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindowBase::fitToContents()
{
    setWindowState(windowState() & ~Qt::WindowMaximized);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(fittedSize_);
}

void MainWindowBase::showSystemPanels()
{
    PametTimer();
    const QSize screen = platform().screenSize();
    StatusBar1->setPanelText(StatusBar1->panelCount() - 1,
                             QString::number(screen.width()) + QStringLiteral(" x ")
                                 + QString::number(screen.height()));
}

} // namespace noktaris
