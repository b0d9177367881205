#include "common/safe_write.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace noktaris {

namespace {

// The whole buffer, however the system splits it; false with errno set on failure.
bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// New versions left behind by a save that never finished (the program was killed or
// the power went off between writing and renaming): removed by a later save of the
// same file once they are an hour old, so a save running in another instance of
// the program at the same moment keeps its own.
void removeAbandonedVersions(const QFileInfo& target)
{
    const QDir folder = target.absoluteDir();
    const QString prefix = u'.' + target.fileName() + u'.';
    const QDateTime anHourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const QFileInfoList found = folder.entryInfoList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& version : found) {
        if (!version.isSymLink() && version.lastModified().toUTC() < anHourAgo)
            QFile::remove(version.absoluteFilePath());
    }
}

} // namespace

QString saveFailedMessage(const QString& fileName, const FileError& error)
{
    QString reason;
    switch (error.systemError) {
    case ENOSPC:
    case EDQUOT: reason = QStringLiteral("na disku není dost místa"); break;
    case EFBIG: reason = QStringLiteral("soubor by byl větší, než systém dovoluje"); break;
    case EACCES:
    case EPERM: reason = QStringLiteral("přístup byl odepřen"); break;
    case EROFS: reason = QStringLiteral("disk je určen jen pro čtení"); break;
    case EIO: reason = QStringLiteral("chyba vstupu/výstupu"); break;
    default: reason = QStringLiteral("chyba zápisu"); break;
    }
    return QStringLiteral("Soubor ") + fileName + QStringLiteral(" se nepodařilo uložit (") + reason
        + QStringLiteral("). Jeho dosavadní obsah zůstal zachován.");
}

FileResult<> replaceFile(const QString& path, const QByteArray& bytes, bool mustExist)
{
    const QFileInfo info(path);
    if (mustExist && !info.isFile()) {
        struct stat existing {};
        return openFailure(path, ::stat(QFile::encodeName(path).constData(), &existing) == 0 ? EISDIR : errno);
    }
    // Through a link, the file it points to is the one rewritten.
    const QFileInfo target(info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath());
    if (target.isDir())
        return writeFailure(EISDIR);
    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    QByteArray temporary =
        QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return writeFailure(errno);
    struct stat old {};
    ::fchmod(fd, ::stat(finalName.constData(), &old) == 0 ? old.st_mode & 07777 : newFileMode());
    // Every step is checked: the data must be on the disk before the old file goes.
    if (!writeAll(fd, bytes.constData(), std::size_t(bytes.size())) || ::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.constData());
        return writeFailure(code);
    }
    if (::close(fd) != 0 || ::rename(temporary.constData(), finalName.constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return writeFailure(code);
    }
    // The rename itself reaches the disk with its folder.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    removeAbandonedVersions(target);
    return {};
}

} // namespace noktaris
