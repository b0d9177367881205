// Catalogue pick lists of the calculation windows: filled with the names of a
// catalogue, and a picked name copied into the entry fields it feeds.
#pragma once

#include "catalogue/catalogue.h"

#include <QList>

#include <utility>

class QLineEdit;

namespace noktaris {

class PickList;

// Fills the lists in order, each selecting its first entry. A file that cannot be
// read ends the filling there with the general error report; false then.
bool fillPickLists(const QList<std::pair<PickList*, CatalogueKind>>& lists);

// Empties the fields, looks the list's current name up and writes the record's
// values into them in record order; a null field skips its value. An unreadable
// file shows the catalogue's message and leaves the fields empty.
void fillFromRecord(const PickList* list, CatalogueKind kind, const QList<QLineEdit*>& fields);

} // namespace noktaris
