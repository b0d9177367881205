// Switching between the basic-mode window and the extended-mode hub, and
// remembering the mode in config.ini when the user asked for it.
#pragma once

#include <QString>

namespace noktaris {

void switchToExtendedMode();
void switchToBasicMode();
// When config.ini asks for it, writes the mode in use into its mode line.
void rememberMode(bool basic);
// The catalogue editor on one of its tabs, with both main windows disabled.
void openCatalogueEditor(int tab);
// The about box, shown without disabling anything and without waiting.
void showAboutBox();

} // namespace noktaris
