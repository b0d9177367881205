#include "app/startup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Settings, catalogues and help pages lie beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    noktaris::startUp();
    return noktaris::runMessageLoop();
}
