// The camera catalogue as the planning windows use it: their pick lists filled
// with messages in Czech that name the file, and a camera saved or deleted from a
// window's fields after a question, through the catalogue's safe rewrite.
#pragma once

#include "catalogue/pick_lists.h"

#include <QString>

#include <optional>

class QLineEdit;

namespace noktaris {

class PickList;

// The camera list takes a typed name too: the name a camera is saved under.
void letTypeCameraName(PickList* cameraList);

// "Soubor data\Kamery.dat nelze přečíst (soubor neexistuje)."
QString readFailedMessage(const QString& fileName, const FileError& error);

// Refills the list and applies its first entry. A catalogue that cannot be read
// is told by name and leaves the list and its fields empty; a record whose values
// are not numbers is told with the catalogue's own message and fills nothing.
// Returns the record applied (all its values), if one was.
std::optional<QStringList> refillPlanningList(const PickListBinding& binding);
// Each list of the table on its own: one unreadable catalogue does not empty the others.
void refillPlanningLists(const QList<PickListBinding>& table);
// The list's current record into its fields, told and checked as above.
std::optional<QStringList> applyPlanningList(const PickListBinding& binding);

// The values of the camera's record in key order; nullopt keeps the value the
// record already has (nothing for a new camera).
using CameraValues = QList<std::optional<QString>>;
// Saves the camera named in the camera list's edit text after a question: a new
// record, or the old one's values replaced; the list then holds it, the fields
// keep their values. Everything is told; true when it was saved.
bool saveCamera(const PickListBinding& cameras, const CameraValues& values);
// Deletes the camera named in the list's edit text after a question; true when it
// was deleted (the window then refills the list).
bool deleteCamera(const PickListBinding& cameras);

} // namespace noktaris
