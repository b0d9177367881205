#include "platform/platform.h"

#include "common/paths.h"
#include "common/version.h"
#include "platform/linux_parts.h"

#include <QCoreApplication>

namespace noktaris {

namespace {

std::unique_ptr<Platform>& current()
{
    static std::unique_ptr<Platform> instance = makeLinuxPlatform();
    return instance;
}

class LinuxPlatform : public Platform {
public:
    QSize screenSize() override { return linuxos::screenSize(); }
    DisplayChange changeDisplayTo1024x768() override { return linuxos::changeDisplayTo1024x768(); }
    void openDisplaySettings() override { linuxos::openDisplaySettings(); }
    MemoryStatus memoryStatus() override { return linuxos::memoryStatus(); }
    bool openDocument(const QString& target, bool) override { return linuxos::openDocument(target); }
    StartOutcome startProgram(const QString& path) override { return linuxos::startProgram(path); }
    bool isOnline() override { return linuxos::isOnline(); }
    bool download(const QString& url, const QString& file, int timeoutMs) override
    {
        return linuxos::download(url, file, timeoutMs);
    }
    QString ownVersion() override { return kProgramVersion; }
    QString programFolder() override { return QCoreApplication::applicationDirPath(); }
    // The distribution's packages install into /usr/bin, a program built and
    // installed by hand into /usr/local/bin.
    QStringList calculatorFolders() override { return {QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin")}; }
};

} // namespace

Platform& platform() { return *current(); }

std::unique_ptr<Platform> setPlatform(std::unique_ptr<Platform> replacement)
{
    std::unique_ptr<Platform> previous = std::move(current());
    current() = std::move(replacement);
    return previous;
}

std::unique_ptr<Platform> makeLinuxPlatform() { return std::make_unique<LinuxPlatform>(); }

QString programFile(const QString& programPath) { return resolvePath(programPath, platform().programFolder()); }

QString updaterPath() { return platform().programFolder() + QStringLiteral("/update"); }

} // namespace noktaris
