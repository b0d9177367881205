// The catalogues: one line of "#name=<name>$<key><value>$..." records in
// Windows-1250. Six belong to the catalogue editor; the camera catalogue belongs
// to the planning windows, which edit it themselves. Nothing is cached: every operation opens the file, reads the line,
// works on a copy and closes the file again.
#pragma once

#include "common/file_result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace noktaris {

enum class CatalogueKind { Telescopes = 0, Eyepieces, Brightness, Sizes, Films, Chips, Cameras };
// The editor's six, Telescopes to Chips: its tabs, and the files copied to the
// user's folder at start.
inline constexpr int kCatalogueCount = 6;

struct CatalogueInfo {
    QString file;          // as the editor names it: "data\Dalekohledy.dat"
    QStringList keys;      // field keys in order: "D=", "F=" (a value starts after its key's length)
    QString lookupMessage; // shown when a calculation window's lookup fails
};

const CatalogueInfo& catalogueInfo(CatalogueKind kind);

struct CatalogueRecord {
    QString name;
    QStringList values; // one text per field, in key order
};

// --- work on one line (pure; never reads outside the line) ---
QStringList namesInLine(const QByteArray& line);
// Values of the first record named exactly `name`; nullopt when there is none.
std::optional<QStringList> recordInLine(const QByteArray& line, const QString& name, CatalogueKind kind);
QByteArray recordText(const CatalogueRecord& record, CatalogueKind kind);
// The line without the first record named `name`; nullopt when there is none.
std::optional<QByteArray> lineWithout(const QByteArray& line, const QString& name, CatalogueKind kind);

// --- what the editor lets into a file ---
// Why a name cannot be stored as typed (pasted "#" or "$", a line break, a
// character outside Windows-1250), in Czech; nothing when it can.
std::optional<QString> nameProblem(const QString& name);

// --- work on the files (paths resolved without regard to letter case) ---
QString cataloguePath(CatalogueKind kind);
FileResult<QStringList> listNames(CatalogueKind kind);
// The record's values; an empty optional when the name is not in the file.
FileResult<std::optional<QStringList>> findRecord(CatalogueKind kind, const QString& name);
FileResult<> appendRecord(CatalogueKind kind, const CatalogueRecord& record);
FileResult<> removeRecord(CatalogueKind kind, const QString& name);
FileResult<> replaceRecord(CatalogueKind kind, const QString& oldName, const CatalogueRecord& record);

} // namespace noktaris
