#include "app/modes.h"

#include "app/basic_window.h"
#include "app/hub_window.h"
#include "app/windows.h"
#include "catalogue/editor_window.h"
#include "common/handover.h"
#include "common/messages.h"
#include "config/config_file.h"

#include <QTabBar>

namespace noktaris {

void rememberMode(const QString& modeLine)
{
    const auto line = lookupLine(QStringLiteral("Prepinac:"));
    if (!line) {
        showMessage(kConfigErrorMessage);
        return;
    }
    if (*line != QStringLiteral("Prepinac:1"))
        return;
    // A file without a mode line is left as it is and reported like a read failure;
    // a failed write says that the file was not saved but is still whole.
    FileError error;
    if (!rewriteModeLine(modeLine, kConfigFile, &error))
        showMessage(error.writeFailed() ? saveFailedMessage(kConfigFile, error) : kConfigErrorMessage);
}

void switchToExtendedMode()
{
    AppWindows& w = appWindows();
    w.form1->hide();
    w.form4->show();
    rememberMode(QStringLiteral("Rezim:2"));
}

void switchToBasicMode()
{
    AppWindows& w = appWindows();
    w.form4->hide();
    w.form1->show();
    if (w.form[2])
        w.form[2]->hide();
    rememberMode(QStringLiteral("Rezim:1"));
}

void openCatalogueEditor(int tab)
{
    // The editor is shown first and the main windows disabled after it.
    auto* editor = static_cast<TForm3*>(appWindows().form[3]);
    editor->TabControl1->setCurrentIndex(tab);
    bringToFront(editor);
    setMainWindowsEnabled(false);
}

void showAboutBox()
{
    QWidget* about = appWindows().form[2];
    about->show();
    about->raise();
}

} // namespace noktaris
