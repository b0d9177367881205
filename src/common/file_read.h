// Reading the program's files whole or their first line, with the system's text
// for what went wrong.
#pragma once

#include "common/file_result.h"

#include <QByteArray>
#include <QString>

namespace noktaris {

// The whole file.
FileResult<QByteArray> readFile(const QString& path);
// The first line of the file, without its line break (CR, LF or CR LF).
FileResult<QByteArray> readFirstLine(const QString& path);

} // namespace noktaris
