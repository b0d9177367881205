// The sixteen windows of the program, created once at start in the order TForm1 to
// TForm16 and kept until the program ends.
#pragma once

#include <array>

class QWidget;

namespace noktaris {

class TForm1;
class TForm4;

struct AppWindows {
    std::array<QWidget*, 17> form{}; // form[1] .. form[16]
    TForm1* form1 = nullptr;
    TForm4* form4 = nullptr;
};

AppWindows& appWindows();

// Ends the program: every window is hidden and the message loop is asked to end.
void endProgram();

} // namespace noktaris
