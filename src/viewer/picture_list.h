// The viewer's list of sky pictures, data\pics.dat: one line per picture,
// "name$file$width" with the width the picture spans in whole arcseconds, and a
// closing line ";" after which nothing is read.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace noktaris::pictures {

inline const QString kListFile = QStringLiteral("data\\pics.dat");
inline const QString kListError = QStringLiteral("Chyba při zpracování souboru data/pics.dat!");

struct Picture {
    QString name;
    QString file;
    std::int64_t width = 0; // arcseconds across the picture's full width
};

// The names for the pick list, in file order: the text before the first "$" of
// each line up to the closing line (or the end of a file that has none). A line
// without "$" names no picture.
QStringList names(const QByteArray& bytes);

// The picture of the pick list's item `index` (lines without "$" are skipped, so
// items and pictures correspond). Nothing when the line has no second "$" or its
// width is not a whole number greater than 0.
std::optional<Picture> pictureAt(const QByteArray& bytes, int index);

} // namespace noktaris::pictures
