// A platform that records what the program asked of it and answers as told.
#pragma once

#include "platform/platform.h"

#include <QStringList>

#include <functional>

namespace noktaris::test {

class FakePlatform : public Platform {
public:
    QSize screen{1280, 1024};
    DisplayChange displayAnswer = DisplayChange::Done;
    MemoryStatus memory{std::uint64_t(524288) * 1024, std::uint64_t(1048576) * 1024};
    StartOutcome startAnswer = StartOutcome::Started;
    bool openAnswer = true;
    bool online = true;
    // Runs when the display settings are opened (a test may change the screen there).
    std::function<void()> onDisplaySettings;
    std::function<bool(const QString& url, const QString& file, int timeoutMs)> onDownload;

    int displayChanges = 0;
    int displaySettingsOpened = 0;
    QStringList opened;
    QList<bool> openedMaximised;
    QStringList started;
    QStringList downloads;

    QSize screenSize() override { return screen; }
    DisplayChange changeDisplayTo1024x768() override;
    void openDisplaySettings() override;
    MemoryStatus memoryStatus() override { return memory; }
    bool openDocument(const QString& target, bool maximised) override
    {
        opened << target;
        openedMaximised << maximised;
        return openAnswer;
    }
    StartOutcome startProgram(const QString& path) override;
    bool isOnline() override { return online; }
    // Records the address; answers through onDownload, or fails without one.
    bool download(const QString& url, const QString& file, int timeoutMs) override;
    QString ownVersion() override { return QStringLiteral("1.4.0.0"); }
    // The test's program folder: the working directory it made, unless a test
    // installs the program elsewhere (programAt).
    QString programFolder() override;
    QString programAt;
    // None unless a test gives some.
    QStringList calculatorFolders() override { return calculators; }
    QStringList calculators;
};

// Installs a FakePlatform for the lifetime of the object.
class FakePlatformScope {
public:
    FakePlatformScope();
    ~FakePlatformScope();
    FakePlatform& operator*() { return *fake_; }
    FakePlatform* operator->() { return fake_; }

private:
    FakePlatform* fake_;
    std::unique_ptr<Platform> previous_;
};

} // namespace noktaris::test
