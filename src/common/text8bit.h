// The program's files are 8-bit Windows-1250 text. This module is the one place
// that reads and writes them: decoding, encoding, case-insensitive resolution of
// the program's backslash paths, and rewrites that never leave a truncated file.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace noktaris {

QString fromCp1250(const QByteArray& bytes);
QByteArray toCp1250(const QString& text);

// "data\Dalekohledy.dat" -> "data/Dalekohledy.dat", each part matched against the
// entries of its folder without regard to letter case (exact spelling first).
// A part that does not exist is kept as written.
QString resolvePath(const QString& programPath);

// Outcome of a failed file operation, with the system's text for it
// ("File not found", "Path not found", "Access denied", ...).
struct FileError {
    QString message;
};

// Reads the whole file; nullopt and the error on failure.
std::optional<QByteArray> readFile(const QString& path, FileError* error = nullptr);
// The first line of the file, without its line break (CR, LF or CR LF).
std::optional<QByteArray> readFirstLine(const QString& path, FileError* error = nullptr);
// Writes the bytes to a new file beside the target and renames it over the target,
// so a failure leaves the old file intact. mustExist: refuse to create a new file.
bool replaceFile(const QString& path, const QByteArray& bytes, bool mustExist, FileError* error = nullptr);

} // namespace noktaris
