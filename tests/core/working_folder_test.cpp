// Where settings and catalogues live: beside a program the user may write to, else
// in the user's data folder, filled on the first start without touching the user's
// own files. The read-only cases run in a child as an ordinary user, since root may
// write anywhere.
#include "app/working_folder.h"
#include "support/child_process.h"
#include "support/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace noktaris {
namespace {

using test::ProgramFolder;

const QStringList kUserFiles{QStringLiteral("config.ini"),       QStringLiteral("data/Dalekohledy.dat"),
                             QStringLiteral("data/Okulary.dat"), QStringLiteral("data/Jasnosti.dat"),
                             QStringLiteral("data/Rozmery.dat"), QStringLiteral("data/Filmy.dat"),
                             QStringLiteral("data/CCD.dat")};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

TEST(WorkingFolder, AWritableProgramFolderIsUsedAsItIs)
{
    ProgramFolder program;
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const WorkingFolder folder = prepareWorkingFolder(QDir::currentPath());
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(folder.path, QDir::currentPath());
    EXPECT_FALSE(folder.inUserFolder);
    EXPECT_TRUE(folder.copied.isEmpty() && folder.problem.isEmpty());
    EXPECT_FALSE(QDir(home.path() + QStringLiteral("/noktaris")).exists());
}

TEST(WorkingFolder, AReadOnlyProgramWorksInTheUsersDataFolder)
{
    ProgramFolder program;
    const QString programPath = QDir::currentPath();
    QTemporaryDir home;
    // Readable by the ordinary user of the child, writable only in the home.
    QFile::setPermissions(programPath,
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                              | QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    const QString h = home.path();
    const QByteArray mine = "#name=Můj$D=100$F=1000$";
    struct Row {
        const char* name;
        const char* xdg; // nullptr: unset; else relative to the home unless it is "relative"
        std::function<void()> before;
        QString expected; // the working folder, relative to the home; empty: the program's folder
        QStringList copied;
        const char* problem;
    };
    const Row rows[] = {
        {"FirstStartCopiesSettingsAndCatalogues", "/xdg", {}, QStringLiteral("/xdg/noktaris"), kUserFiles, ""},
        {"TheUsersOwnFilesAreKept", "/xdg",
         [&] {
             write(h + QStringLiteral("/xdg/noktaris/config.ini"), "Rezim:2\r\n");
             write(h + QStringLiteral("/xdg/noktaris/data/dalekohledy.dat"), mine); // any letter case
         },
         QStringLiteral("/xdg/noktaris"), kUserFiles.mid(2), ""},
        {"WithoutXdgDataHomeTheHomeIsUsed", nullptr, {}, QStringLiteral("/.local/share/noktaris"), kUserFiles, ""},
        {"ARelativeXdgDataHomeIsIgnored", "relative", {}, QStringLiteral("/.local/share/noktaris"), kUserFiles, ""},
        {"AFolderThatCannotBeMadeKeepsTheProgramFolder",
         "/file",
         [&] { write(h + QStringLiteral("/file"), "x"); },
         {},
         {},
         "Nelze vytvořit složku %1/file/noktaris pro nastavení a katalogy. Změny nebude možné uložit."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QDir(h).removeRecursively();
        QDir().mkpath(h);
        if (row.before)
            row.before();
        for (const QString& made : {h, h + QStringLiteral("/xdg"), h + QStringLiteral("/xdg/noktaris"),
                                    h + QStringLiteral("/xdg/noktaris/data")})
            QFile::setPermissions(made, QFileDevice::Permissions(0x7777)); // the child's user may write there
        QDir::setCurrent(h);                                               // the program has not chosen its folder yet
        const test::ChildOutcome child = test::runAsOrdinaryUser([&] {
            qputenv("HOME", h.toUtf8());
            if (!row.xdg)
                qunsetenv("XDG_DATA_HOME");
            else
                qputenv("XDG_DATA_HOME",
                        (row.xdg[0] == '/' ? h + QLatin1String(row.xdg) : QLatin1String(row.xdg)).toUtf8());
            const WorkingFolder f = prepareWorkingFolder(programPath);
            return (QStringList{f.path, f.inUserFolder ? QStringLiteral("user") : QStringLiteral("program"),
                                f.copied.join(u','), f.problem})
                .join(u'\n')
                .toUtf8();
        });
        ASSERT_TRUE(child.exited);
        QStringList got = QString::fromUtf8(child.output).split(u'\n');
        ASSERT_EQ(got.size(), 4) << child.output.toStdString();
        EXPECT_EQ(got[0], row.expected.isEmpty() ? programPath : h + row.expected);
        EXPECT_EQ(got[1], row.expected.isEmpty() ? QStringLiteral("program") : QStringLiteral("user"));
        EXPECT_EQ(got[2].replace(u'\\', u'/').split(u',', Qt::SkipEmptyParts), row.copied);
        EXPECT_EQ(got[3], *row.problem ? QString::fromUtf8(row.problem).arg(h) : QString());
        for (const QString& file : row.copied)
            EXPECT_EQ(contents(h + row.expected + u'/' + file), contents(programPath + u'/' + file))
                << file.toStdString();
        if (row.copied.size() == kUserFiles.size() - 2) {
            EXPECT_EQ(contents(h + row.expected + QStringLiteral("/config.ini")), "Rezim:2\r\n");
            EXPECT_EQ(contents(h + row.expected + QStringLiteral("/data/dalekohledy.dat")), mine);
            EXPECT_FALSE(QFile::exists(h + row.expected + QStringLiteral("/data/Dalekohledy.dat")));
        }
    }
    QDir::setCurrent(programPath);
    QFile::setPermissions(programPath, QFileDevice::Permissions(0x7755));
}

} // namespace
} // namespace noktaris
