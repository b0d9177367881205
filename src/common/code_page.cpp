#include "common/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace noktaris {

// One converter each for the whole run: opening an ICU converter costs far more
// than converting a name, and a single-byte code page keeps no state between calls.
QString fromCp1250(const QByteArray& bytes)
{
    static QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray toCp1250(const QString& text)
{
    static QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

std::optional<QChar> unstorableCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127 || fromCp1250(toCp1250(QString(c))) != QString(c))
            return c;
    }
    return std::nullopt;
}

} // namespace noktaris
