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
// The first character that a one-line Windows-1250 file cannot hold as typed: a
// control character (a line break, a tab) or one the code page has no byte for.
std::optional<QChar> unstorableCharacter(const QString& text);

// "data\Dalekohledy.dat" -> "data/Dalekohledy.dat", each part matched against the
// entries of its folder without regard to letter case (exact spelling first).
// A part that does not exist is kept as written. With a base folder the path is
// resolved inside it and returned with the base in front.
QString resolvePath(const QString& programPath, const QString& base = {});

// Outcome of a failed file operation: the system's text for it ("File not found",
// "Path not found", "Access denied", ...) and, only when writing failed, its errno.
struct FileError {
    QString message;
    int systemError = 0;
    bool writeFailed() const { return systemError != 0; }
};

// What the user is told when a rewrite failed: the file as the program names it,
// the cause in Czech, and that the old contents are still there.
QString saveFailedMessage(const QString& fileName, const FileError& error);

// Reads the whole file; nullopt and the error on failure.
std::optional<QByteArray> readFile(const QString& path, FileError* error = nullptr);
// The first line of the file, without its line break (CR, LF or CR LF).
std::optional<QByteArray> readFirstLine(const QString& path, FileError* error = nullptr);
// The one way the program rewrites a file: the bytes go to a new file beside the
// target, which is flushed to the disk and checked, then renamed over the target.
// A failure at any step leaves the old file whole and no temporary file behind.
// A link is followed, the permissions of the old file kept. New versions that a
// killed save left beside the file are cleared away once they are an hour old. mustExist: refuse to
// create a file that is not there.
bool replaceFile(const QString& path, const QByteArray& bytes, bool mustExist, FileError* error = nullptr);

} // namespace noktaris
