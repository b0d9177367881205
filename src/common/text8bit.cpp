#include "common/text8bit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString resolvePath(const QString& programPath, const QString& base)
{
    const QStringList parts = QString(programPath).replace(u'\\', u'/').split(u'/');
    QString resolved = base;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString chosen = part;
        const QDir dir(resolved.isEmpty() ? QStringLiteral(".") : resolved);
        if (!part.isEmpty() && part != u"." && part != u".." && !dir.exists(part)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    break;
                }
            }
        }
        if (i > 0 || part.isEmpty() || !base.isEmpty())
            resolved += u'/';
        resolved += chosen;
    }
    return resolved;
}

namespace {

// The system's text for a file that could not be opened, told apart by errno.
QString openFailureText(const QString& path, int code)
{
    switch (code) {
    case ENOENT: return QFileInfo(path).absoluteDir().exists() ? QStringLiteral("File not found")
                                                               : QStringLiteral("Path not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return QStringLiteral("Path not found");
    case EACCES:
    case EPERM:
    case EISDIR: return QStringLiteral("Access denied");
    case EMFILE:
    case ENFILE: return QStringLiteral("Too many open files");
    default: return QStringLiteral("I/O error");
    }
}

void setError(FileError* error, const QString& message)
{
    if (error)
        error->message = message;
}

// A file opened for reading, closed when it goes out of scope.
class InputFile {
public:
    InputFile(const QString& path, FileError* error)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        int code = errno;
        struct stat info {};
        if (fd_ >= 0 && ::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            code = EISDIR;
        }
        if (fd_ < 0)
            setError(error, openFailureText(path, code));
    }
    ~InputFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Bytes read, 0 at the end of the file, -1 on failure.
    ssize_t read(char* buffer, std::size_t size)
    {
        ssize_t got;
        do
            got = ::read(fd_, buffer, size);
        while (got < 0 && errno == EINTR);
        return got;
    }

private:
    int fd_ = -1;
};

} // namespace

std::optional<QByteArray> readFile(const QString& path, FileError* error)
{
    InputFile file(path, error);
    if (!file.isOpen())
        return std::nullopt;
    QByteArray bytes;
    char chunk[65536];
    for (ssize_t got; (got = file.read(chunk, sizeof chunk)) != 0;) {
        if (got < 0) {
            setError(error, QStringLiteral("Read error"));
            return std::nullopt;
        }
        bytes.append(chunk, got);
    }
    return bytes;
}

std::optional<QByteArray> readFirstLine(const QString& path, FileError* error)
{
    InputFile file(path, error);
    if (!file.isOpen())
        return std::nullopt;
    QByteArray line;
    char chunk[65536];
    for (;;) {
        const ssize_t got = file.read(chunk, sizeof chunk);
        if (got < 0) {
            setError(error, QStringLiteral("Read error"));
            return std::nullopt;
        }
        if (got == 0)
            return line;
        const char* end = chunk + got;
        const char* lf = static_cast<const char*>(std::memchr(chunk, '\n', std::size_t(got)));
        const char* cr = static_cast<const char*>(std::memchr(chunk, '\r', std::size_t(lf ? lf - chunk : got)));
        const char* lineEnd = cr ? cr : lf;
        line.append(chunk, (lineEnd ? lineEnd : end) - chunk);
        if (lineEnd)
            return line;
    }
}

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

QString writeErrorText(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR: return QStringLiteral("Path not found");
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return QStringLiteral("Access denied");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Disk full");
    default: return QStringLiteral("Write error");
    }
}

bool writeFailed(FileError* error, int code)
{
    if (error) {
        error->message = writeErrorText(code);
        error->systemError = code;
    }
    return false;
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

bool replaceFile(const QString& path, const QByteArray& bytes, bool mustExist, FileError* error)
{
    const QFileInfo info(path);
    if (mustExist && !info.isFile()) {
        struct stat existing {};
        const int code = ::stat(QFile::encodeName(path).constData(), &existing) == 0 ? EISDIR : errno;
        setError(error, openFailureText(path, code));
        return false;
    }
    // Through a link, the file it points to is the one rewritten.
    const QFileInfo target(info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath());
    if (target.isDir())
        return writeFailed(error, EISDIR);
    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    QByteArray temporary = QFile::encodeName(target.absolutePath() + QStringLiteral("/.")
                                             + target.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return writeFailed(error, errno);
    struct stat old {};
    ::fchmod(fd, ::stat(finalName.constData(), &old) == 0 ? old.st_mode & 07777 : newFileMode());
    // Every step is checked: the data must be on the disk before the old file goes.
    if (!writeAll(fd, bytes.constData(), std::size_t(bytes.size())) || ::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.constData());
        return writeFailed(error, code);
    }
    if (::close(fd) != 0 || ::rename(temporary.constData(), finalName.constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return writeFailed(error, code);
    }
    // The rename itself reaches the disk with its folder.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    removeAbandonedVersions(target);
    return true;
}

} // namespace noktaris
