// The update check: at start, when config.ini asks for it and the computer is
// online, the published version is compared with the program's own and a newer
// one is offered; "Aktualizace (online)" starts the updater after a warning. Both
// end the program once the updater was started or tried.
#pragma once

#include <QString>

namespace noktaris {

inline const QString kUpdateOffer =
    QStringLiteral("Na síti je k dispozici nejnovější verze programu. Chcete provést aktualizaci nyní?");
inline const QString kUpdateWarning =
    QStringLiteral("Aplikace bude nyní ukončena. Během aktualizace nesmí být spuštěna, jinak nedojde k aktualizaci.");
// A server that does not answer must not hold up the start for longer.
inline constexpr int kUpdateTimeoutMs = 3000;

// The check at start, before any window is shown. True when the user took the
// update: the updater was started (or its failure told) and the program must end.
bool checkForUpdateAtStart();
// "Aktualizace (online)": true when the user went on past the warning and the
// program must end.
bool updateOnRequest();

} // namespace noktaris
