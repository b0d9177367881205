// Rules of the calculations about their entry fields: a field's text as a number,
// and the sign check of the result groups.
#pragma once

#include "common/numbers.h"

#include <QList>

class QLineEdit;

namespace noktaris {

// The sign check of the result groups: reading the fields in order, whether one
// holds a negative number before any that holds no number at all.
bool hasNegativeInput(const QList<const QLineEdit*>& fields);
// A field's text as a number; throws CalcFailure when it is none.
Real numberIn(const QLineEdit* field);

} // namespace noktaris
