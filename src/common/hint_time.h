// How long the hints of the whole program stay visible.
#pragma once

namespace noktaris {

// How long a hint stays visible, for the whole program (milliseconds).
void setHintDisplayTime(int milliseconds);
// -1 until a window sets it: Qt's own time, which grows with the hint's length.
int hintDisplayTime();

} // namespace noktaris
