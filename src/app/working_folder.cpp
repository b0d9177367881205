#include "app/working_folder.h"

#include "catalogue/catalogue.h"
#include "common/file_read.h"
#include "common/paths.h"
#include "common/safe_write.h"
#include "config/config_file.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace noktaris {

QString userDataFolder()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome) + QStringLiteral("/noktaris");
    return QDir::homePath() + QStringLiteral("/.local/share/noktaris");
}

namespace {

// access() rather than the permission bits: a read-only mount and an ordinary
// user in a folder of root's both count as read-only.
bool writable(const QString& folder) { return ::access(QFile::encodeName(folder).constData(), W_OK) == 0; }

QStringList userFiles()
{
    QStringList files{kConfigFile};
    for (int k = 0; k < kCatalogueCount; ++k)
        files << catalogueInfo(CatalogueKind(k)).file;
    return files;
}

enum class CopyResult { Present, Copied, NotDelivered, Failed };

CopyResult copyIfMissing(const QString& file, const QString& programFolder, const QString& user)
{
    const QString target = resolvePath(file, user);
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
        return CopyResult::Present;
    // Through the safe rewrite: a start broken off while copying leaves no half
    // file that the next start would keep.
    const FileResult<QByteArray> delivered = readFile(resolvePath(file, programFolder));
    if (!delivered)
        return CopyResult::NotDelivered; // the program reports a missing file where it reads it
    return replaceFile(target, *delivered, false) ? CopyResult::Copied : CopyResult::Failed;
}

} // namespace

WorkingFolder prepareWorkingFolder(const QString& programFolder)
{
    if (writable(programFolder))
        return {programFolder, false, {}, {}};
    const QString user = userDataFolder();
    if (!QDir().mkpath(user + QStringLiteral("/data")) || !writable(user))
        return {
            programFolder,
            false,
            {},
            QStringLiteral("Nelze vytvořit složku %1 pro nastavení a katalogy. Změny nebude možné uložit.").arg(user)};
    WorkingFolder folder{user, true, {}, {}};
    for (const QString& file : userFiles()) {
        const CopyResult copy = copyIfMissing(file, programFolder, user);
        if (copy == CopyResult::Copied)
            folder.copied << file;
        else if (copy == CopyResult::Failed && folder.problem.isEmpty())
            folder.problem = QStringLiteral("Soubor %1 nelze zkopírovat do složky %2.")
                                 .arg(QString(file).replace(u'\\', u'/'), user);
    }
    return folder;
}

bool copyMissingDelivered(const QString& file, const QString& programFolder, const QString& workingFolder)
{
    if (QFileInfo(programFolder).canonicalFilePath() == QFileInfo(workingFolder).canonicalFilePath())
        return true;
    return copyIfMissing(file, programFolder, workingFolder) != CopyResult::Failed;
}

} // namespace noktaris
