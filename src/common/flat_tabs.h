// Tab bars drawn as flat buttons.
#pragma once

class QTabBar;

namespace noktaris {

// Draws the tabs of a tab bar as flat buttons of equal width that share the bar's
// width, wrapping a caption that is too long for its button onto a second line.
// The basic-mode window is too narrow for its tab captions on one row.
void makeWrappedFlatTabs(QTabBar* bar);

} // namespace noktaris
