#include "viewer/picture_list.h"

#include "common/code_page.h"
#include "common/numbers.h"

namespace noktaris::pictures {

namespace {

// The lines that describe pictures, decoded, without their line breaks.
QStringList pictureLines(const QByteArray& bytes)
{
    QStringList lines;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line == ";")
            break;
        if (line.contains('$'))
            lines << fromCp1250(line);
    }
    return lines;
}

} // namespace

QStringList names(const QByteArray& bytes)
{
    QStringList result;
    for (const QString& line : pictureLines(bytes))
        result << line.left(line.indexOf(u'$'));
    return result;
}

std::optional<Picture> pictureAt(const QByteArray& bytes, int index)
{
    const QStringList lines = pictureLines(bytes);
    if (index < 0 || index >= lines.size())
        return std::nullopt;
    const QString& line = lines[index];
    const qsizetype first = line.indexOf(u'$');
    const qsizetype second = line.indexOf(u'$', first + 1);
    if (second < 0)
        return std::nullopt;
    Picture picture{line.left(first), line.mid(first + 1, second - first - 1), 0};
    if (!guarded([&] { picture.width = toWholeNumber(line.mid(second + 1).trimmed()); }) || picture.width <= 0)
        return std::nullopt;
    return picture;
}

} // namespace noktaris::pictures
