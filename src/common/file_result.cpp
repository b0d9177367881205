#include "common/file_result.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace noktaris {

FileError openFailure(const QString& path, int code)
{
    switch (code) {
    case ENOENT:
        return {QFileInfo(path).absoluteDir().exists() ? QStringLiteral("File not found")
                                                       : QStringLiteral("Path not found")};
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return {QStringLiteral("Path not found")};
    case EACCES:
    case EPERM:
    case EISDIR: return {QStringLiteral("Access denied")};
    case EMFILE:
    case ENFILE: return {QStringLiteral("Too many open files")};
    default: return {QStringLiteral("I/O error")};
    }
}

FileError writeFailure(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR: return {QStringLiteral("Path not found"), code};
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return {QStringLiteral("Access denied"), code};
    case ENOSPC:
    case EDQUOT: return {QStringLiteral("Disk full"), code};
    default: return {QStringLiteral("Write error"), code};
    }
}

FileError missingInFile() { return {QStringLiteral("Read beyond end of file")}; }

} // namespace noktaris
