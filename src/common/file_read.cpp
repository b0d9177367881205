#include "common/file_read.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace noktaris {

namespace {

// A file opened for reading, closed when it goes out of scope.
class InputFile {
public:
    explicit InputFile(const QString& path)
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
            error_ = openFailure(path, code);
    }
    ~InputFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    const FileError& error() const { return error_; }
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
    FileError error_;
};

} // namespace

FileResult<QByteArray> readFile(const QString& path)
{
    InputFile file(path);
    if (!file.isOpen())
        return file.error();
    QByteArray bytes;
    char chunk[65536];
    for (ssize_t got; (got = file.read(chunk, sizeof chunk)) != 0;) {
        if (got < 0)
            return FileError{QStringLiteral("Read error")};
        bytes.append(chunk, got);
    }
    return bytes;
}

FileResult<QByteArray> readFirstLine(const QString& path)
{
    InputFile file(path);
    if (!file.isOpen())
        return file.error();
    QByteArray line;
    char chunk[65536];
    for (;;) {
        const ssize_t got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return FileError{QStringLiteral("Read error")};
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

} // namespace noktaris
