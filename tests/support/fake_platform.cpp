#include "support/fake_platform.h"

#include <QDir>

namespace noktaris::test {

DisplayChange FakePlatform::changeDisplayTo1024x768()
{
    ++displayChanges;
    return displayAnswer;
}

void FakePlatform::openDisplaySettings()
{
    ++displaySettingsOpened;
    if (onDisplaySettings)
        onDisplaySettings();
}

StartOutcome FakePlatform::startProgram(const QString& path)
{
    started << path;
    return startAnswer;
}

bool FakePlatform::download(const QString& url, const QString& file, int timeoutMs)
{
    downloads << url;
    return onDownload && onDownload(url, file, timeoutMs);
}

QString FakePlatform::programFolder() { return programAt.isEmpty() ? QDir::currentPath() : programAt; }

FakePlatformScope::FakePlatformScope()
{
    auto fake = std::make_unique<FakePlatform>();
    fake_ = fake.get();
    previous_ = setPlatform(std::move(fake));
}

FakePlatformScope::~FakePlatformScope() { setPlatform(std::move(previous_)); }

} // namespace noktaris::test
