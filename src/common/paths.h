// The program names its files with backslash paths ("data\\Dalekohledy.dat"); on
// Linux they are found without regard to letter case.
#pragma once

#include <QString>

namespace noktaris {

// "data\Dalekohledy.dat" -> "data/Dalekohledy.dat", each part matched against the
// entries of its folder without regard to letter case (exact spelling first).
// A part that does not exist is kept as written. With a base folder the path is
// resolved inside it and returned with the base in front.
QString resolvePath(const QString& programPath, const QString& base = {});

} // namespace noktaris
