// Tab bars drawn as flat buttons.
#pragma once

class QTabBar;

namespace noktaris {

enum class TabWidths {
    Equal,     // every button as wide as the others
    ByCaption, // each button's width in proportion to its caption's
};

// Draws the tabs of a tab bar as flat buttons that share the bar's width, wrapping
// a caption that is too long for its button onto a second line. The basic-mode
// window is too narrow for its tab captions on one row.
void makeWrappedFlatTabs(QTabBar* bar, TabWidths widths = TabWidths::Equal);

} // namespace noktaris
