// The pieces of the Linux layer, one file each: the screen and its mode (XRandR),
// the memory status (/proc/meminfo), opening documents and starting programs, the
// network. platform/linux_platform.cpp joins them into the Platform.
#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>

namespace noktaris::linuxos {

QSize screenSize();
// XRandR on an X11 session: the 1024 x 768 mode among the screen's sizes. X cannot
// change the colour depth of a running server, so only the size changes.
DisplayChange changeDisplayTo1024x768();
// The first display settings program the desktop has.
void openDisplaySettings();

MemoryStatus memoryStatus();
// A field of /proc/meminfo in bytes, 0 when it is not there.
std::uint64_t meminfoField(const QByteArray& meminfo, const QByteArray& field);

// Qt hands the target to the desktop's opener (xdg-open); false when there is none.
bool openDocument(const QString& target);
StartOutcome startProgram(const QString& path);

bool isOnline();
bool download(const QString& url, const QString& file, int timeoutMs);

} // namespace noktaris::linuxos
