#include "app/startup.h"
#include "app/working_folder.h"
#include "common/messages.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Settings and catalogues lie beside the program, or in the user's data folder
    // when the program is installed read-only.
    const noktaris::WorkingFolder folder = noktaris::prepareWorkingFolder(QCoreApplication::applicationDirPath());
    QDir::setCurrent(folder.path);
    noktaris::startUp();
    // Told once the windows (and the Czech buttons of the boxes) are there.
    if (!folder.problem.isEmpty())
        noktaris::showMessage(folder.problem);
    const int code = noktaris::runMessageLoop();
    noktaris::destroyWindows();
    return code;
}
