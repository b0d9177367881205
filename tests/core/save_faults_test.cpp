// Saves broken off from outside: the program killed at random moments while it
// saves catalogues and settings, a disk that fills up, a folder it may not write.
// After each, the file is the old or the new version, whole, and a failed save
// says so. The figures of the killing runs are printed for the README.
#include "catalogue/catalogue.h"
#include "common/file_read.h"
#include "common/safe_write.h"
#include "config/config_file.h"
#include "support/child_process.h"
#include "support/program_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace noktaris {
namespace {

using test::ProgramFolder;

const CatalogueRecord kOld{QStringLiteral("Můj dalekohled"), {QStringLiteral("80"), QStringLiteral("400")}};
const CatalogueRecord kNew{QStringLiteral("Můj dalekohled"), {QStringLiteral("90"), QStringLiteral("500")}};

AppConfig settings(bool changed)
{
    AppConfig config;
    config.modeLine = changed ? QStringLiteral("Rezim:2") : QStringLiteral("Rezim:1");
    config.k1 = changed ? QStringLiteral("2,5") : QStringLiteral("1,5873");
    config.updateCheck = changed;
    return config;
}

// Hidden files beside the target: what a killed save leaves of its new version.
int temporaryFiles(const QString& file)
{
    const QFileInfo info(file);
    return int(
        info.dir().entryList({u'.' + info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden).size());
}

struct KillRow {
    const char* name;
    const char* file;
    std::function<bool(bool changed)> save; // writes the old (false) or the new (true) version
};

TEST(SaveFaults, KilledWhileSavingLeavesTheOldOrTheNewFileWhole)
{
    const KillRow rows[] = {
        {"catalogue", "data/Dalekohledy.dat",
         [](bool changed) { return replaceRecord(CatalogueKind::Telescopes, kOld.name, changed ? kNew : kOld).ok(); }},
        {"settings", "config.ini", [](bool changed) { return writeConfig(settings(changed)).ok(); }},
        {"mode line", "config.ini", [](bool changed) { return rewriteModeLine(modeLineFor(!changed)).ok(); }},
    };
    constexpr int kKills[] = {1000, 500, 500}; // the settings share their thousand
    std::mt19937 random(20261208);
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        const KillRow& row = rows[r];
        ProgramFolder folder;
        const QString file = QString::fromLatin1(row.file);
        if (r == 0) {
            ASSERT_TRUE(appendRecord(CatalogueKind::Telescopes, kOld));
        }
        ASSERT_TRUE(row.save(true));
        const QByteArray changed = folder.read(file);
        ASSERT_TRUE(row.save(false));
        const QByteArray old = folder.read(file);
        ASSERT_NE(old, changed);
        // The kills spread over a few saves, however fast this machine saves.
        const auto started = std::chrono::steady_clock::now();
        for (int i = 0; i < 20; ++i)
            row.save(i % 2 == 0);
        const int saveMicroseconds = int(
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count()
            / 20);
        std::uniform_int_distribution<int> delay(0, std::min(500 + 2 * saveMicroseconds, 20000));
        int olds = 0, news = 0, broken = 0;
        for (int k = 0; k < kKills[r]; ++k) {
            const pid_t child = fork();
            if (child == 0) {
                for (bool next = true;; next = !next)
                    row.save(next);
            }
            ASSERT_GT(child, 0);
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            kill(child, SIGKILL);
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";
            const QByteArray now = folder.read(file);
            (now == old ? olds : now == changed ? news : broken)++;
        }
        const int leftovers = temporaryFiles(folder.path(file));
        std::printf("[ figures  ] %s: %d kills while saving, file whole after %d (old %d, new %d), broken %d; "
                    "%d temporary files left (one save: %d µs)\n",
                    row.name, kKills[r], olds + news, olds, news, broken, leftovers, saveMicroseconds);
        EXPECT_EQ(broken, 0) << row.name;
        // The next save succeeds beside whatever the kills left, and clears away
        // what they left an hour ago, not what a save running now may still need.
        const QFileInfo target(folder.path(file));
        const QStringList left =
            target.dir().entryList({u'.' + target.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
        for (qsizetype i = 0; i < left.size(); i += 2) {
            QFile stale(target.dir().filePath(left[i]));
            ASSERT_TRUE(stale.open(QIODevice::ReadWrite));
            stale.setFileTime(QDateTime::currentDateTime().addSecs(-3601), QFileDevice::FileModificationTime);
        }
        EXPECT_TRUE(row.save(true));
        EXPECT_EQ(folder.read(file), changed);
        EXPECT_EQ(temporaryFiles(folder.path(file)), left.size() / 2) << row.name;
    }
}

// A tmpfs of its own in a private mount namespace, where the machine allows it
// (root, or an unprivileged user namespace); "" in the output when it does not.
QByteArray onSmallDisk(const QString& folder, const std::function<QByteArray()>& work)
{
    return test::runInChild([&]() -> QByteArray {
               const uid_t uid = getuid();
               const gid_t gid = getgid();
               if (unshare(CLONE_NEWNS) != 0) {
                   if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                       return {};
                   const auto writeProc = [](const char* path, const QByteArray& text) {
                       QFile f(QString::fromLatin1(path));
                       return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
                   };
                   writeProc("/proc/self/setgroups", "deny");
                   writeProc("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1");
                   writeProc("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1");
               }
               if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                   || mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=256k") != 0)
                   return {};
               return work();
           })
        .output;
}

TEST(SaveFaults, AFullDiskKeepsTheOldFilesAndSaysSo)
{
    ProgramFolder folder;
    const QString disk = folder.path(QStringLiteral("disk"));
    QDir().mkpath(disk);
    const QByteArray catalogue = folder.read(QStringLiteral("data/Dalekohledy.dat"));
    const QByteArray config = folder.read(QStringLiteral("config.ini"));
    const QByteArray out = onSmallDisk(disk, [&] {
        QDir::setCurrent(disk);
        QDir().mkpath(QStringLiteral("data"));
        if (!replaceFile(QStringLiteral("data/Dalekohledy.dat"), catalogue, false)
            || !replaceFile(QStringLiteral("config.ini"), config, false))
            return QByteArray("the files could not be laid out on the small disk");
        QFile filler(QStringLiteral("filler"));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {}
        filler.close();
        QStringList told;
        const FileResult<> appended = appendRecord(CatalogueKind::Telescopes, kNew);
        if (!appended)
            told << saveFailedMessage(QStringLiteral("data\\Dalekohledy.dat"), appended.error());
        const FileResult<> written = writeConfig(settings(true));
        if (!written)
            told << saveFailedMessage(kConfigFile, written.error());
        const bool same = readFile(QStringLiteral("data/Dalekohledy.dat")).value() == catalogue
            && readFile(QStringLiteral("config.ini")).value() == config;
        const int left = temporaryFiles(QStringLiteral("data/Dalekohledy.dat")) + temporaryFiles(kConfigFile);
        return QStringList{QString::number(appended.ok()), QString::number(written.ok()), QString::number(same),
                           QString::number(left), told.join(u'|')}
            .join(u'\n')
            .toUtf8();
    });
    if (out.isEmpty())
        GTEST_SKIP() << "this machine does not let a test mount a tmpfs; the full disk is played by RLIMIT_FSIZE "
                        "in the safe-write tests";
    const QString reason =
        QStringLiteral(" se nepodařilo uložit (na disku není dost místa). Jeho dosavadní obsah zůstal zachován.");
    EXPECT_EQ(QString::fromUtf8(out),
              QStringLiteral("0\n0\n1\n0\nSoubor data\\Dalekohledy.dat") + reason + QStringLiteral("|Soubor config.ini")
                  + reason);
}

TEST(SaveFaults, AReadOnlyFolderKeepsTheSettingsAndSaysSo)
{
    ProgramFolder folder;
    const QByteArray before = folder.read(QStringLiteral("config.ini"));
    QFile::setPermissions(folder.path(QString()),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                              | QFileDevice::ExeOther);
    QFile::setPermissions(folder.path(QStringLiteral("config.ini")),
                          QFileDevice::ReadOwner | QFileDevice::ReadOther | QFileDevice::WriteOther);
    const test::ChildOutcome child = test::runAsOrdinaryUser([] {
        QStringList told;
        for (const FileResult<>& saved : {writeConfig(settings(true)), rewriteModeLine(modeLineFor(false))})
            told << (saved ? QStringLiteral("saved") : saveFailedMessage(kConfigFile, saved.error()));
        return told.join(u'|').toUtf8();
    });
    QFile::setPermissions(folder.path(QString()), QFileDevice::Permissions(0x7755));
    const QString told = QStringLiteral("Soubor config.ini se nepodařilo uložit (přístup byl odepřen). Jeho dosavadní "
                                        "obsah zůstal zachován.");
    EXPECT_EQ(QString::fromUtf8(child.output), told + u'|' + told)
        << "a file the user may write, in a folder he may not";
    EXPECT_EQ(folder.read(QStringLiteral("config.ini")), before);
}

} // namespace
} // namespace noktaris
