// The menu of both main windows. The two differ only in which mode item switches,
// in the names of two help items, and in the greyed "CCD čipy" of the hub.
#pragma once

class QAction;
class QMenuBar;

namespace noktaris {

enum class MenuOwner { BasicWindow, Hub };

struct MainMenu {
    QAction* Konec1 = nullptr;
    QAction* Dalekohledy1 = nullptr;
    QAction* Okulry1 = nullptr;
    QAction* Jasnostiobjekt1 = nullptr;
    QAction* Rozmryobjekt1 = nullptr;
    QAction* Formtyfilm1 = nullptr;
    QAction* CCDipy1 = nullptr;
    QAction* Zkladnvpoty1 = nullptr;
    QAction* Rozenvpoty1 = nullptr;
    QAction* Vpoty1 = nullptr;
    QAction* Oaplikaci1 = nullptr;
    QAction* Index1 = nullptr;
    QAction* Popisprogramu = nullptr; // Popisprogramuoffline1 / Popisprogramu1
    QAction* Vzorce = nullptr;        // Vzorce1 / Vpoetnvzorce1
    QAction* Oaplikaci2 = nullptr;
    QAction* WebPage1 = nullptr;
    QAction* Aktualizaceonline1 = nullptr;
    QAction* Email1 = nullptr;
    // "Plánování": the windows for today's cameras.
    QAction* samplingAction = nullptr;
    QAction* skyAction = nullptr;
};

MainMenu buildMainMenu(QMenuBar* bar, MenuOwner owner);

} // namespace noktaris
