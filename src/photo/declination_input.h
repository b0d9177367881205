// The declination typed into a row of three fields, and its range test: outside
// -90° to 90° the user is told at once, at the poles the groups show their pole text.
#pragma once

#include "photo/exposure.h"

class QLineEdit;

namespace noktaris {

struct DeclinationInput {
    declination::Range range;
    Real cosDelta;
};

// Throws CalcFailure when a field cannot be read.
DeclinationInput readDeclination(const QLineEdit* degrees, const QLineEdit* minutes, const QLineEdit* seconds);

} // namespace noktaris
