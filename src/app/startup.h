// Everything the program does before its message loop: the application's title,
// translations and font, the sixteen windows in order, and the first show of the
// basic-mode window. Works in whatever folder is the working directory.
#pragma once

namespace noktaris {

void startUp();
// The message loop, unless the program already ended during the start-up (the
// update check or a failed start can end it before the loop runs). Returns the
// exit code.
int runMessageLoop();
// Deletes the windows startUp() created (tests create them afresh per case).
void destroyWindows();

} // namespace noktaris
