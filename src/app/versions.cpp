#include "app/versions.h"

#include <QStringList>

namespace noktaris::update {

Version ownVersion(const QString& text)
{
    const QStringList parts = text.split(u'.');
    bool majorOk = false;
    bool minorOk = false;
    const Version version{parts.value(0).toInt(&majorOk), parts.value(1).toInt(&minorOk)};
    return majorOk && minorOk && version.major >= 0 && version.minor >= 0 ? version : Version{};
}

namespace {

int digitAt(const QByteArray& line, int index)
{
    const char c = line.at(index);
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace

bool offersUpdate(const QByteArray& firstLine, Version own)
{
    if (firstLine.size() < 3)
        return false;
    const int major = digitAt(firstLine, 0);
    const int minor = digitAt(firstLine, 2);
    if (major < 0 || minor < 0)
        return false;
    return major > own.major || (major == own.major && minor > own.minor);
}

} // namespace noktaris::update
