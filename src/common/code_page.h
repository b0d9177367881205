// The program's files are 8-bit Windows-1250 text: decoding, encoding, and what a
// one-line file cannot hold.
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

} // namespace noktaris
