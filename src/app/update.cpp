#include "app/update.h"

#include "app/versions.h"
#include "common/file_read.h"
#include "common/messages.h"
#include "config/config_file.h"
#include "platform/links.h"
#include "platform/platform.h"

#include <QDir>
#include <QTemporaryFile>

namespace noktaris {

namespace {

const QString kUpdaterMissing =
    QStringLiteral("Aktualizační soubor update.exe neexistuje! Zkuste aplikaci znovu nainstalovat.");
const QString kNotExecutable = QStringLiteral("Toto není spustitelný soubor.");

// Starts the updater; a start that failed is told with its own message. The
// check at start and the menu item word a missing folder differently.
void startUpdater(const QString& pathMissing)
{
    switch (platform().startProgram(updaterPath())) {
    case StartOutcome::FileNotFound: showError(kUpdaterMissing); break;
    case StartOutcome::PathNotFound: showError(pathMissing); break;
    case StartOutcome::NotExecutable: showError(kNotExecutable); break;
    case StartOutcome::Started:
    case StartOutcome::OtherFailure: break;
    }
}

// The first line of the published version file, fetched into a temporary file
// of its own (never into the program's folder), which goes when this returns.
std::optional<QByteArray> publishedFirstLine()
{
    QTemporaryFile local(QDir::tempPath() + QStringLiteral("/noktaris-version-XXXXXX.txt"));
    if (!local.open())
        return std::nullopt;
    local.close();
    if (!platform().download(webLocation() + QStringLiteral("/download/version.txt"), local.fileName(),
                             kUpdateTimeoutMs))
        return std::nullopt;
    const FileResult<QByteArray> line = readFirstLine(local.fileName());
    if (!line)
        return std::nullopt;
    return *line;
}

} // namespace

bool checkForUpdateAtStart()
{
    // A config.ini without the line, or one that cannot be read, asks for no check.
    const FileResult<QString> setting = updateCheckLine();
    if (!setting || !checksForUpdates(*setting) || !platform().isOnline())
        return false;
    const update::Version own = update::ownVersion(platform().ownVersion());
    const std::optional<QByteArray> published = publishedFirstLine();
    if (!published || !update::offersUpdate(*published, own) || !confirmInformation(kUpdateOffer))
        return false;
    startUpdater(QStringLiteral("Zadaná cesta k aktualizačnímu souboru update.exe neexistuje! Ověřte zda máte v "
                                "kořenovém adresáři programu soubor update.exe."));
    return true;
}

bool updateOnRequest()
{
    if (!confirmInformation(kUpdateWarning))
        return false;
    startUpdater(QStringLiteral(
        "Zadaná cesta k update.exe neexistuje! Ověřte zda máte v kořenovém adresáři programu soubor update.exe."));
    return true;
}

} // namespace noktaris
