// Version numbers of the update check: the program's own and the published one.
#pragma once

#include <QByteArray>
#include <QString>

namespace noktaris::update {

struct Version {
    int major = 0;
    int minor = 0;
};

// The first two of the program's version numbers ("1.4.0.0" is 1.4). A text
// that does not start with two numbers counts as 0.0.
Version ownVersion(const QString& text);

// The first line of the published version file holds the major number as its first
// character and the minor number as its third ("1.5"); only single digits can be
// said. True when that version is newer than own. A line shorter than three
// characters, or without a digit in either place, offers nothing.
bool offersUpdate(const QByteArray& firstLine, Version own);

} // namespace noktaris::update
