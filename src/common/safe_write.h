// The one way the program rewrites a file: the bytes go to a new file beside the
// target, which is flushed to the disk and checked, then renamed over the target.
// A failure at any step leaves the old file whole and no temporary file behind.
#pragma once

#include "common/file_result.h"

#include <QByteArray>
#include <QString>

namespace noktaris {

// A link is followed, the permissions of the old file kept. New versions that a
// killed save left beside the file are cleared away once they are an hour old.
// mustExist: refuse to create a file that is not there.
FileResult<> replaceFile(const QString& path, const QByteArray& bytes, bool mustExist);

// What the user is told when a rewrite failed: the file as the program names it,
// the cause in Czech, and that the old contents are still there.
QString saveFailedMessage(const QString& fileName, const FileError& error);

} // namespace noktaris
