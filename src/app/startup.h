// Everything the program does before its message loop: the application's title,
// translations and font, the windows (app/application.h), and the first show of
// the basic-mode window. Works in whatever folder is the working directory.
#pragma once

#include "app/application.h"

namespace noktaris {

// Makes the Application, with all sixteen windows unless `only` names some.
void startUp(std::initializer_list<Application::Window> only = {});
// The message loop, unless the program already ended during the start-up (the
// update check or a failed start can end it before the loop runs). Returns the
// exit code.
int runMessageLoop();
// Deletes the Application and its windows.
void destroyWindows();

} // namespace noktaris
