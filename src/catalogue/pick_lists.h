// Catalogue pick lists of the calculation windows. Each window describes its lists
// once, in a table: the list, its catalogue and the fields the picked record fills.
// The table drives both the refill when the window shows and the list's handler.
// Nothing here shows a message: the results say what went wrong, and the window
// tells the user with report...().
#pragma once

#include "catalogue/catalogue.h"

#include <QList>

class QLineEdit;

namespace noktaris {

class PickList;

struct PickListBinding {
    PickList* list;
    CatalogueKind kind;
    // The record's values in order; a null field skips its value (the telescope's
    // focal length without its aperture: {nullptr, fdaledit}).
    QList<QLineEdit*> fields;
};

class PickLists {
public:
    PickLists() = default;
    explicit PickLists(QList<PickListBinding> table) : table_(std::move(table)) {}

    // Fills the lists in table order with their catalogues' names, each selecting
    // its first entry; the first catalogue that cannot be read ends the filling.
    FileResult<> refill() const;
    // Empties the list's fields, looks its current name up and writes the record's
    // values into them. The result names the catalogue looked up, also on failure.
    FileResult<CatalogueKind> apply(const PickList* list) const;
    // apply() for every list in table order (the first entries after a refill).
    QList<FileResult<CatalogueKind>> applyAll() const;

private:
    QList<PickListBinding> table_;
};

// What a window tells the user: a catalogue that could not be read while the
// lists were filled (the general error report with the system's text), and a
// record that could not be looked up (the catalogue's own message).
void reportFilling(const FileResult<>& filled);
void reportLookup(const FileResult<CatalogueKind>& lookedUp);
// A window's showing: its lists refilled and their first entries applied, each
// failure told as above. false when a catalogue could not be read.
bool refillAndApply(const PickLists& lists);

} // namespace noktaris
