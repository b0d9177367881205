// Windows whose contents arrive with their own calculations: each exists from the
// start with its caption and follows the hand-over and minimise rules.
#pragma once

#include "common/handover.h"

namespace noktaris {

QWidget* makeAboutBox();
SecondaryWindow* makeBareWindow(int number);

} // namespace noktaris
