// What the two planning windows build alike: an entry field with its caption and
// first text, a pick list with its caption, and the binning read from its spin field.
#pragma once

#include "common/keyfilter.h"
#include "common/numbers.h"

class QLineEdit;

namespace noktaris {

class PickList;
class RowLayout;
class SpinField;

// A field named `name` with the caption label `name`Label, holding `text`.
QLineEdit* addValueField(RowLayout& rows, int y, const char* name, const char* caption, const char* text,
                         KeyFilter filter = KeyFilter::Decimal);
// A navy caption `name`Label and the list from x to the right edge.
PickList* addListRow(RowLayout& rows, int y, const char* name, const char* caption, int x, bool sorted = true);
// The binning as typed, 1 to 4; anything else (while typing) is not a binning.
Real binningIn(const SpinField* spin);
// The binning spin field with its caption, 1 to 4, at the fields' edge.
SpinField* addBinningRow(RowLayout& rows, int y);

} // namespace noktaris
