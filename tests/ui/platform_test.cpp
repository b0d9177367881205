// The Linux layer for starting programs and reading the memory, and the calculator
// button that relies on it.
#include "support/window_test.h"

#include "config/calculator_button.h"
#include "config/config_file.h"

#include <QFile>

namespace noktaris::test {
namespace {

TEST(LinuxPlatform, TellsTheFourStartOutcomesApart)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("notes.txt"), "not a program");
    const auto linux = makeLinuxPlatform();
    EXPECT_EQ(linux->startProgram(folder.path(QStringLiteral("missing"))), StartOutcome::FileNotFound);
    EXPECT_EQ(linux->startProgram(folder.path(QStringLiteral("nowhere/missing"))), StartOutcome::PathNotFound);
    EXPECT_EQ(linux->startProgram(folder.path(QStringLiteral("notes.txt"))), StartOutcome::NotExecutable);
    EXPECT_EQ(linux->startProgram(folder.path(QStringLiteral("data"))), StartOutcome::NotExecutable);
    EXPECT_EQ(linux->startProgram(QString()), StartOutcome::FileNotFound);
    EXPECT_EQ(linux->startProgram(QStringLiteral("/bin/true")), StartOutcome::Started);
}

TEST(LinuxPlatform, ReportsMemoryAndItsOwnVersion)
{
    const auto linux = makeLinuxPlatform();
    const MemoryStatus memory = linux->memoryStatus();
    EXPECT_GT(memory.totalBytes, 0u);
    EXPECT_GT(memory.freeBytes, 0u);
    EXPECT_LE(memory.freeBytes, memory.totalBytes);
    EXPECT_EQ(linux->ownVersion(), QStringLiteral("1.4.0.0"));
}

class Calculator : public ::testing::Test {
protected:
    ProgramFolder folder;
    FakePlatformScope fake;
};

TEST_F(Calculator, ReportsEachStartFailureWithThePath)
{
    QByteArray bytes = folder.read(QStringLiteral("config.ini"));
    const QByteArray line = bytes.mid(bytes.indexOf("Kalkulacka:"));
    bytes.replace(line.left(line.indexOf('\r')), "Kalkulacka:/opt/kalk/kalk");
    folder.write(QStringLiteral("config.ini"), bytes);
    struct Row {
        StartOutcome outcome;
        const char* message;
    };
    const Row rows[] = {
        {StartOutcome::FileNotFound,
         "Zadaný soubor /opt/kalk/kalk neexistuje! Ve složce Nastavení zadejte správnou cestu."},
        {StartOutcome::PathNotFound,
         "Zadaná cesta /opt/kalk/kalk neexistuje! Ve složce Nastavení zadejte správnou cestu."},
        {StartOutcome::NotExecutable, "/opt/kalk/kalk není spustitelný soubor."},
        {StartOutcome::Started, nullptr},
        {StartOutcome::OtherFailure, nullptr},
    };
    for (const Row& row : rows) {
        fake->startAnswer = row.outcome;
        ModalAnswerer answerer;
        runCalculator();
        EXPECT_EQ(answerer.texts(), row.message ? QStringList{QString::fromUtf8(row.message)} : QStringList());
        if (!answerer.boxes.isEmpty()) {
            EXPECT_EQ(answerer.boxes[0].caption, QStringLiteral("Chyba"));
        }
    }
    EXPECT_EQ(fake->started, QStringList(5, QStringLiteral("/opt/kalk/kalk")));
}

TEST_F(Calculator, MissingConfigIsReportedAndTheStartStillTried)
{
    folder.remove(QStringLiteral("config.ini"));
    fake->startAnswer = StartOutcome::FileNotFound;
    ModalAnswerer answerer;
    runCalculator();
    EXPECT_EQ(answerer.texts(),
              (QStringList{kConfigErrorMessage,
                           QStringLiteral("Zadaný soubor  neexistuje! Ve složce Nastavení zadejte správnou cestu.")}));
    EXPECT_EQ(fake->started, QStringList{QString()});
}

TEST_F(Calculator, EmptyPathSaysWhereToSetOne)
{
    folder.write(QStringLiteral("config.ini"),
                 QByteArray(folder.read(QStringLiteral("config.ini")))
                     .replace("Kalkulacka:/usr/bin/gnome-calculator", "Kalkulacka:"));
    ModalAnswerer answerer;
    runCalculator();
    EXPECT_EQ(answerer.texts(), QStringList{kNoCalculatorMessage});
    EXPECT_TRUE(fake->started.isEmpty());
}

} // namespace
} // namespace noktaris::test
