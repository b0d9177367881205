// Every rewrite of a catalogue or of config.ini must either succeed or leave the old
// file whole and say so. A full disk is played by a child process whose files may
// not grow (RLIMIT_FSIZE, with SIGXFSZ ignored so the write fails with EFBIG).
#include "catalogue/catalogue.h"
#include "common/safe_write.h"
#include "config/config_file.h"
#include "support/child_process.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sys/stat.h>

namespace noktaris {
namespace {

using test::ProgramFolder;

// Whether `write` reported success in a child whose files may not grow past `limit`.
bool reportsSuccessUnderLimit(rlim_t limit, const std::function<bool()>& write)
{
    const test::ChildOutcome child = test::runWithFileSizeLimit(limit, [&] { return QByteArray(write() ? "1" : "0"); });
    EXPECT_TRUE(child.exited) << "the child was killed by a signal";
    return child.output == "1";
}

const CatalogueRecord kRecord{QStringLiteral("Nový"), {QStringLiteral("80"), QStringLiteral("400")}};

struct SaveRow {
    const char* name;
    const char* file;
    rlim_t limit;
    std::function<bool()> write;
};

using test::PrintTo;

class FailedSave : public ::testing::TestWithParam<SaveRow> {};

TEST_P(FailedSave, ReportsFailureAndLeavesTheOldFileWhole)
{
    const SaveRow& row = GetParam();
    ProgramFolder folder;
    const QString file = QString::fromLatin1(row.file);
    // Above 16 KiB too, where the buffer of the file device no longer holds the payload.
    folder.write(file, folder.read(file) + QByteArray(row.limit > 0 ? 20000 : 0, 'x'));
    const QByteArray before = folder.read(file);
    ASSERT_FALSE(before.isEmpty());

    EXPECT_FALSE(reportsSuccessUnderLimit(row.limit, row.write));
    EXPECT_EQ(folder.read(file), before);
    // No temporary file is left beside it.
    EXPECT_EQ(QFileInfo(folder.path(file)).dir().entryList(QDir::Files | QDir::Hidden).size(),
              QFileInfo(folder.path(file)).dir().entryList(QDir::Files).size());
    // Without the limit the same write succeeds.
    EXPECT_TRUE(row.write());
}

INSTANTIATE_TEST_SUITE_P(
    SafeWrite, FailedSave,
    ::testing::Values(
        SaveRow{"AppendOnAFullDisk", "data/Dalekohledy.dat", 0,
                [] { return appendRecord(CatalogueKind::Telescopes, kRecord).ok(); }},
        SaveRow{"AppendPastTheSizeLimit", "data/Dalekohledy.dat", 16 * 1024,
                [] { return appendRecord(CatalogueKind::Telescopes, kRecord).ok(); }},
        SaveRow{"RemoveOnAFullDisk", "data/Okulary.dat", 0,
                [] {
                    const auto names = listNames(CatalogueKind::Eyepieces);
                    return names && removeRecord(CatalogueKind::Eyepieces, names->first()).ok();
                }},
        SaveRow{"ReplaceOnAFullDisk", "data/Dalekohledy.dat", 0,
                [] {
                    const auto names = listNames(CatalogueKind::Telescopes);
                    return names && replaceRecord(CatalogueKind::Telescopes, names->first(), kRecord).ok();
                }},
        SaveRow{"ModeLineOnAFullDisk", "config.ini", 0, [] { return rewriteModeLine(modeLineFor(false)).ok(); }},
        SaveRow{"SettingsOnAFullDisk", "config.ini", 0, [] { return writeConfig(AppConfig{}).ok(); }},
        SaveRow{"SettingsPastTheSizeLimit", "config.ini", 100, [] { return writeConfig(AppConfig{}).ok(); }}),
    test::RowName());

TEST(SafeWrite, ReasonsByTheSystemError)
{
    struct Row {
        int code;
        const char* reason;
    };
    const Row rows[] = {
        {ENOSPC, "na disku není dost místa"},
        {EDQUOT, "na disku není dost místa"},
        {EFBIG, "soubor by byl větší, než systém dovoluje"},
        {EACCES, "přístup byl odepřen"},
        {EROFS, "disk je určen jen pro čtení"},
        {EIO, "chyba vstupu/výstupu"},
        {0, "chyba zápisu"},
    };
    for (const Row& row : rows) {
        FileError error;
        error.systemError = row.code;
        EXPECT_EQ(saveFailedMessage(QStringLiteral("data\\Filmy.dat"), error).toStdString(),
                  std::string("Soubor data\\Filmy.dat se nepodařilo uložit (") + row.reason
                      + "). Jeho dosavadní obsah zůstal zachován.")
            << row.code;
    }
}

TEST(SafeWrite, KeepsThePermissionsAndFollowsALink)
{
    ProgramFolder folder;
    const QString target = folder.path(QStringLiteral("data/Filmy.dat"));
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::link(target, folder.path(QStringLiteral("odkaz.dat"))));
    ASSERT_TRUE(replaceFile(folder.path(QStringLiteral("odkaz.dat")), "#name=A$x=1$y=2$", true));
    EXPECT_TRUE(QFileInfo(folder.path(QStringLiteral("odkaz.dat"))).isSymLink());
    EXPECT_EQ(folder.read(QStringLiteral("data/Filmy.dat")), QByteArray("#name=A$x=1$y=2$"));
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

} // namespace
} // namespace noktaris
