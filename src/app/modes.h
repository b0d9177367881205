// Switching between the basic-mode window and the extended-mode hub, and
// remembering the mode in config.ini when the user asked for it.
#pragma once

#include <QString>

namespace noktaris {

void switchToExtendedMode();
void switchToBasicMode();
// With "Prepinac:1" in config.ini, rewrites its mode line to modeLine.
void rememberMode(const QString& modeLine);
// The catalogue editor on one of its tabs, with both main windows disabled.
void openCatalogueEditor(int tab);
// The about box, shown without disabling anything and without waiting.
void showAboutBox();

} // namespace noktaris
