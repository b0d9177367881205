// The order of names in the sorted pick lists: Czech alphabetical order (ch after h,
// č after c), letter case ignored, equal names in the order they were given.
#pragma once

#include <QStringList>

namespace noktaris {

void sortNames(QStringList& names);

} // namespace noktaris
