#include "platform/linux_parts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace noktaris::linuxos {

// What the opener then does is no longer the program's to see.
bool openDocument(const QString& target)
{
    const bool link = target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"));
    return QDesktopServices::openUrl(link ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
}

StartOutcome startProgram(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty())
        return StartOutcome::FileNotFound;
    if (!info.exists())
        return info.absoluteDir().exists() ? StartOutcome::FileNotFound : StartOutcome::PathNotFound;
    if (!info.isFile() || !info.isExecutable())
        return StartOutcome::NotExecutable;
    return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath()) ? StartOutcome::Started
                                                                                     : StartOutcome::OtherFailure;
}

} // namespace noktaris::linuxos
