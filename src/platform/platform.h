// What the program asks of the operating system: the screen and a change of its
// mode, the memory status, opening documents and links, starting programs, the
// network and the program's own version. The Linux implementation is the real one;
// tests install a fake of their own.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace noktaris {

enum class DisplayChange { Done, RestartNeeded, Failed };
enum class StartOutcome { Started, FileNotFound, PathNotFound, NotExecutable, OtherFailure };

struct MemoryStatus {
    std::uint64_t freeBytes = 0;
    std::uint64_t totalBytes = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual QSize screenSize() = 0;
    // 1024 x 768 at 16 bits per pixel, for this session only.
    virtual DisplayChange changeDisplayTo1024x768() = 0;
    // The desktop's own display settings, not waited for.
    virtual void openDisplaySettings() = 0;
    virtual MemoryStatus memoryStatus() = 0;
    // A local file, a web address or a mailto: link, with the desktop's default
    // program; false when no program could be asked to open it.
    virtual bool openDocument(const QString& target, bool maximised) = 0;
    // Starts a program without waiting for it.
    virtual StartOutcome startProgram(const QString& path) = 0;
    virtual bool isOnline() = 0;
    // Fetches url into file; false when it failed or did not finish within timeoutMs.
    virtual bool download(const QString& url, const QString& file, int timeoutMs) = 0;
    // "1.4.0.0"
    virtual QString ownVersion() = 0;
    // The folder of the program file, where its pictures and the updater lie
    // (the working directory may be another one).
    virtual QString programFolder() = 0;
    // Where the desktop installs calculator programs, searched in this order.
    virtual QStringList calculatorFolders() = 0;
};

Platform& platform();
// Installs another platform (tests); returns the one it replaces.
std::unique_ptr<Platform> setPlatform(std::unique_ptr<Platform> replacement);

std::unique_ptr<Platform> makeLinuxPlatform();

// A file the program delivers and never changes (help pages, graph definitions,
// the viewer's list), by its program path ("data\\grafy.dat"), found in the
// program's folder whatever the working directory is.
QString programFile(const QString& programPath);

// The updater beside the program file. Linux programs carry no ".exe": the
// program's messages still call it update.exe, the file is "update".
QString updaterPath();

} // namespace noktaris
