#include "platform/linux_parts.h"

#include <QFile>
#include <QList>

namespace noktaris::linuxos {

std::uint64_t meminfoField(const QByteArray& meminfo, const QByteArray& field)
{
    for (const QByteArray& line : meminfo.split('\n')) {
        if (!line.startsWith(field + ':'))
            continue;
        const QList<QByteArray> parts = line.mid(field.size() + 1).simplified().split(' ');
        bool ok = false;
        const std::uint64_t kb = parts.value(0).toULongLong(&ok);
        return ok ? kb * 1024 : 0;
    }
    return 0;
}

MemoryStatus memoryStatus()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray meminfo = file.readAll();
    MemoryStatus status;
    status.totalBytes = meminfoField(meminfo, "MemTotal");
    status.freeBytes = meminfoField(meminfo, "MemAvailable");
    if (status.freeBytes == 0)
        status.freeBytes = meminfoField(meminfo, "MemFree");
    return status;
}

} // namespace noktaris::linuxos
