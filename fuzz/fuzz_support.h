// What the harnesses share: a private folder for the files they write, writing a
// file there, the working directory for the program's relative paths, and the
// check that stops the run when a property of the program's parsers does not hold.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace fuzz {

// The input as the bytes the program would read from its file.
inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Made once per process for the files the harness writes; removed when the
// process ends normally (a crashed run leaves it behind). Memory-backed
// (/dev/shm) when the machine has it: the safe rewrite syncs every file it writes.
inline const QString& privateFolder()
{
    static const QString folder = [] {
        const char* env = std::getenv("TMPDIR");
        const QByteArray base =
            access("/dev/shm", W_OK) == 0 ? QByteArray("/dev/shm") : QByteArray(env && *env ? env : "/tmp");
        QByteArray pattern = base + "/noktaris-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("noktaris fuzz: private folder");
            std::abort();
        }
        std::atexit([] { QDir(privateFolder()).removeRecursively(); });
        return QString::fromLocal8Bit(pattern);
    }();
    return folder;
}

// A file of the private folder.
inline QString pathOf(const QString& name) { return privateFolder() + u'/' + name; }

// Writes the whole file, replacing it.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (fd >= 0 && left > 0) {
        const ssize_t written = ::write(fd, p, size_t(left));
        if (written <= 0)
            break;
        p += written;
        left -= written;
    }
    if (fd < 0 || left != 0 || ::close(fd) != 0) {
        std::perror(name.constData());
        std::abort();
    }
}

// The program's own relative paths ("data\Okulary.dat") are resolved against the
// working directory: for the length of one input it is the private folder.
// libFuzzer's own relative paths (corpus folders) are used between inputs only.
class InPrivateFolder {
public:
    InPrivateFolder()
    {
        static const int start = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        start_ = start;
        if (start_ < 0 || ::chdir(QFile::encodeName(privateFolder()).constData()) != 0) {
            std::perror("noktaris fuzz: working directory");
            std::abort();
        }
    }
    ~InPrivateFolder()
    {
        if (::fchdir(start_) != 0)
            std::abort();
    }
    InPrivateFolder(const InPrivateFolder&) = delete;
    InPrivateFolder& operator=(const InPrivateFolder&) = delete;

private:
    int start_;
};

// For harnesses that use InPrivateFolder, from LLVMFuzzerInitialize: a crash
// while the working directory is the private folder must still leave its input
// where libFuzzer would leave it, so a missing -artifact_prefix becomes the
// starting folder.
inline void keepArtifactsInStartFolder(int* argc, char*** argv)
{
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-artifact_prefix=", 17) == 0)
            return;
    static QList<QByteArray> storage;
    static std::vector<char*> args;
    storage << "-artifact_prefix=" + QFile::encodeName(QDir::currentPath()) + '/';
    args.assign(*argv, *argv + *argc);
    args.insert(args.begin() + 1, storage.last().data());
    args.push_back(nullptr);
    *argc += 1;
    *argv = args.data();
}

[[noreturn]] inline void broken(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: does not hold: %s\n", file, line, condition);
    std::abort();
}

} // namespace fuzz

// A property of the program that must hold for every input; abort() makes
// libFuzzer keep the input as a crash.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzz::broken(#condition, __FILE__, __LINE__);                                                              \
    } while (false)
