// The about box as it stands until its picture and links arrive: it exists from
// the start with its version line and OK button.
#pragma once

#include <QWidget>

namespace noktaris {

QWidget* makeAboutBox();

} // namespace noktaris
