#include "app/modes.h"

#include "app/application.h"
#include "app/basic_window.h"
#include "app/hub_window.h"
#include "catalogue/editor_window.h"
#include "common/handover.h"
#include "common/messages.h"
#include "common/safe_write.h"
#include "config/config_file.h"

#include <QTabBar>

namespace noktaris {

void rememberMode(bool basic)
{
    const auto line = rememberModeLine();
    if (!line) {
        showMessage(kConfigErrorMessage);
        return;
    }
    if (!remembersMode(*line))
        return;
    // A file without a mode line is left as it is and reported like a read failure;
    // a failed write says that the file was not saved but is still whole.
    if (const FileResult<> saved = rewriteModeLine(modeLineFor(basic)); !saved)
        showMessage(saved.error().writeFailed() ? saveFailedMessage(kConfigFile, saved.error()) : kConfigErrorMessage);
}

void switchToExtendedMode()
{
    const Application& app = application();
    app.form1()->hide();
    app.form4()->show();
    rememberMode(false);
}

void switchToBasicMode()
{
    const Application& app = application();
    app.form4()->hide();
    app.form1()->show();
    if (QWidget* about = app.window(Application::Window::About))
        about->hide();
    rememberMode(true);
}

void openCatalogueEditor(int tab)
{
    // The editor is shown first and the main windows disabled after it.
    TForm3* editor = application().form3();
    editor->TabControl1->setCurrentIndex(tab);
    bringToFront(editor);
    setMainWindowsEnabled(false);
}

void showAboutBox()
{
    QWidget* about = application().window(Application::Window::About);
    about->show();
    about->raise();
}

} // namespace noktaris
