// The program's name as its captions, status lines, boxes and saved graphs show
// it, made from the build's version (project() in CMakeLists.txt): "Noktaris 1.4".
#pragma once

#include <QString>

namespace noktaris {

inline const QString kProgramName = QStringLiteral("Noktaris " NOKTARIS_VERSION_SHORT);
// The build's whole version, "1.4.0.0": the program file's own version record.
inline const QString kProgramVersion = QStringLiteral(NOKTARIS_VERSION);

} // namespace noktaris
