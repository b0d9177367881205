// The declination typed into a row of three fields, and its range test: outside
// -90° to 90° the user is told at once, at the poles the groups show their pole text.
#pragma once

#include "photo/exposure.h"

class QLineEdit;

namespace noktaris {

// The declination of three fields; one outside -90° to 90° is reported at once.
// Throws CalcFailure when a field cannot be read.
declination::Declination readDeclination(const QLineEdit* degrees, const QLineEdit* minutes, const QLineEdit* seconds);

} // namespace noktaris
