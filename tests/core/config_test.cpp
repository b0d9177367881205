// config.ini: line lookups by key prefix from the top of the file, the mode-line
// rewrite that must leave every other byte alone, and the thirteen lines the
// settings window writes.
#include "config/config_file.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace noktaris {
namespace {

using test::ProgramFolder;
using Lines = std::optional<std::vector<std::string>>;

using test::PrintTo;

Lines strings(const std::optional<QStringList>& list)
{
    if (!list)
        return std::nullopt;
    std::vector<std::string> out;
    for (const QString& s : *list)
        out.push_back(s.toStdString());
    return out;
}

std::optional<std::string> string(const FileResult<QString>& line)
{
    return line ? std::optional<std::string>(line->toStdString()) : std::nullopt;
}

std::optional<std::string> bytes(const std::optional<QByteArray>& b)
{
    return b ? std::optional<std::string>(b->toStdString()) : std::nullopt;
}

// The file as the settings window writes it (with the delivered calculator path).
const QByteArray kDelivered = "[CONFIG]\r\nRezim:1\r\nPrepinac:1\r\nKalkulacka:/usr/bin/gnome-calculator\r\n\r\n"
                              "[KONSTANTY]\r\nk1=1,5873\r\nk2=2,7\r\nk3=1000\r\n\r\n"
                              "[AKTUALIZACE]\r\nAktualizace:0\r\n;";

const QByteArray kReordered = "Aktualizace:1\r\n[AKTUALIZACE]\r\nk3=600\r\n;\r\n[KONSTANTY]\r\nk1=2,5\r\n"
                              "Kalkulacka:C:\\Windows\\System32\\calc.exe\r\nk2=3\r\nPrepinac:0\r\n[CONFIG]\r\nRezim:2";

// --- lookups ---

struct FindRow {
    const char* name;
    QByteArray contents;
    QStringList keys;
    Lines found;
};

class FindLines : public ::testing::TestWithParam<FindRow> {};

TEST_P(FindLines, TakesTheFirstMatchingLineAfterThePreviousOne)
{
    EXPECT_EQ(strings(findLines(GetParam().contents, GetParam().keys)), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Config, FindLines,
    ::testing::Values(
        FindRow{"ModeLine", kDelivered, {QStringLiteral("Rezim:")}, std::vector<std::string>{"Rezim:1"}},
        FindRow{"SwitchLine", kDelivered, {QStringLiteral("Prepinac:")}, std::vector<std::string>{"Prepinac:1"}},
        FindRow{"CalculatorLine",
                kDelivered,
                {QStringLiteral("Kalkulacka:")},
                std::vector<std::string>{"Kalkulacka:/usr/bin/gnome-calculator"}},
        FindRow{"UpdateLine", kDelivered, {QStringLiteral("Aktualizace:")}, std::vector<std::string>{"Aktualizace:0"}},
        FindRow{"K1ThenK2",
                kDelivered,
                {QStringLiteral("k1="), QStringLiteral("k2=")},
                std::vector<std::string>{"k1=1,5873", "k2=2,7"}},
        FindRow{"TwoCharacterKey", kDelivered, {QStringLiteral("k3")}, std::vector<std::string>{"k3=1000"}},
        FindRow{"ReorderedMode", kReordered, {QStringLiteral("Rezim:")}, std::vector<std::string>{"Rezim:2"}},
        FindRow{
            "ReorderedUpdate", kReordered, {QStringLiteral("Aktualizace:")}, std::vector<std::string>{"Aktualizace:1"}},
        FindRow{"ReorderedSwitch", kReordered, {QStringLiteral("Prepinac:")}, std::vector<std::string>{"Prepinac:0"}},
        FindRow{"ReorderedK3", kReordered, {QStringLiteral("k3=")}, std::vector<std::string>{"k3=600"}},
        FindRow{"ReorderedCalculator",
                kReordered,
                {QStringLiteral("Kalkulacka:")},
                std::vector<std::string>{"Kalkulacka:C:\\Windows\\System32\\calc.exe"}},
        FindRow{"ReorderedK2AfterK1",
                kReordered,
                {QStringLiteral("k1="), QStringLiteral("k2=")},
                std::vector<std::string>{"k1=2,5", "k2=3"}},
        FindRow{
            "K2BeforeK1NotFound", "k2=3\r\nk1=1,5\r\n;", {QStringLiteral("k1="), QStringLiteral("k2=")}, std::nullopt},
        FindRow{"K2SkipsTheOneBeforeK1",
                "k2=9\r\nk1=1,5\r\nk2=3\r\n;",
                {QStringLiteral("k1="), QStringLiteral("k2=")},
                std::vector<std::string>{"k1=1,5", "k2=3"}},
        FindRow{"K2StartsTheLineAfterK1", "k1=1\r\n", {QStringLiteral("k1"), QStringLiteral("k1")}, std::nullopt},
        FindRow{"FirstMatchWins",
                "Rezim:2\r\nRezim:1\r\n",
                {QStringLiteral("Rezim:")},
                std::vector<std::string>{"Rezim:2"}},
        FindRow{"MissingKey", "[CONFIG]\r\nRezim:1\r\n;", {QStringLiteral("k1=")}, std::nullopt},
        FindRow{"EmptyFile", QByteArray(), {QStringLiteral("Rezim:")}, std::nullopt},
        FindRow{"KeyIsCaseSensitive", "rezim:1\r\nREZIM:1\r\n", {QStringLiteral("Rezim:")}, std::nullopt},
        FindRow{"KeyMustStartTheLine", " k1=2\r\nxk1=3\r\n", {QStringLiteral("k1=")}, std::nullopt},
        FindRow{"KeyLongerThanLine", "Rezim\r\n", {QStringLiteral("Rezim:")}, std::nullopt},
        FindRow{"RestOfLineKept", "Rezim:1x\r\n", {QStringLiteral("Rezim:")}, std::vector<std::string>{"Rezim:1x"}},
        FindRow{"TrailingSpaceKept",
                "Aktualizace:1 \r\n;",
                {QStringLiteral("Aktualizace:")},
                std::vector<std::string>{"Aktualizace:1 "}},
        FindRow{"LineFeedOnly",
                "[CONFIG]\nRezim:1\nk1=2,5\nk2=3\n;",
                {QStringLiteral("k1="), QStringLiteral("k2=")},
                std::vector<std::string>{"k1=2,5", "k2=3"}},
        FindRow{"CarriageReturnOnly",
                "[CONFIG]\rk1=2,5\rk2=3\r;",
                {QStringLiteral("k1="), QStringLiteral("k2=")},
                std::vector<std::string>{"k1=2,5", "k2=3"}},
        FindRow{
            "LastLineWithoutBreak", "k1=1\r\nk3=1397", {QStringLiteral("k3=")}, std::vector<std::string>{"k3=1397"}},
        FindRow{"Windows1250Decoded",
                "Kalkulacka:C:\\Kalkula\xE8ka\\kalk.exe\r\n",
                {QStringLiteral("Kalkulacka:")},
                std::vector<std::string>{"Kalkulacka:C:\\Kalkulačka\\kalk.exe"}}),
    test::RowName());

TEST(ConfigLookup, ReadsTheDeliveredFile)
{
    ProgramFolder folder;
    EXPECT_EQ(string(modeLine()), "Rezim:1");
    EXPECT_EQ(string(rememberModeLine()), "Prepinac:1");
    EXPECT_EQ(string(constantLine(1)), "k1=1,5873");
    EXPECT_EQ(string(constantLine(2)), "k2=2,7");
    EXPECT_EQ(string(constantLine(3)), "k3=1000");
    EXPECT_EQ(string(updateCheckLine()), "Aktualizace:0");
    const auto calculator = calculatorLine();
    ASSERT_TRUE(calculator);
    EXPECT_FALSE(calculator->contains(u'\r'));
    EXPECT_EQ(calculatorPath(*calculator).toStdString(), "/usr/bin/gnome-calculator");
}

TEST(ConfigLookup, MissingFileOrKeyIsNotFound)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("config.ini"), "[CONFIG]\r\nPrepinac:1\r\n;");
    const auto missing = modeLine();
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().message.toStdString(), "Read beyond end of file");
    folder.remove(QStringLiteral("config.ini"));
    const auto unreadable = modeLine();
    ASSERT_FALSE(unreadable);
    EXPECT_EQ(unreadable.error().message.toStdString(), "File not found");
    EXPECT_FALSE(magnificationConstants());
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("config.ini"))));
}

// How each reader reads its line, named once.
TEST(ConfigLookup, EachReaderReadsItsLineByItsOwnRule)
{
    EXPECT_TRUE(startsInBasicMode(QStringLiteral("Rezim:1x")));
    EXPECT_FALSE(startsInBasicMode(QStringLiteral("Rezim:2")));
    EXPECT_TRUE(lastCharacterIsOne(QStringLiteral("Rezim:21")));
    EXPECT_FALSE(lastCharacterIsOne(QStringLiteral("Rezim:1x")));
    EXPECT_TRUE(remembersMode(QStringLiteral("Prepinac:1")));
    EXPECT_FALSE(remembersMode(QStringLiteral("Prepinac:1 ")));
    EXPECT_TRUE(checksForUpdates(QStringLiteral("Aktualizace:1")));
    EXPECT_FALSE(checksForUpdates(QStringLiteral("Aktualizace:1 ")));
    EXPECT_TRUE(updateCheckBoxOn(QStringLiteral("Aktualizace:1 ")));
    EXPECT_EQ(calculatorPath(QStringLiteral("Kalkulacka:")).toStdString(), "");
    EXPECT_EQ(constantText(QStringLiteral("k3=1397")).toStdString(), "1397");
    EXPECT_EQ(modeLineFor(true).toStdString() + modeLineFor(false).toStdString(), "Rezim:1Rezim:2");
}

TEST(ConfigLookup, LineValueIsTheTextFromTheGivenCharacter)
{
    const struct {
        const char* line;
        int from;
        const char* value;
    } rows[] = {
        {"k1=1,5873", 4, "1,5873"},
        {"k3=", 4, ""},
        {"Kalkulacka:C:\\Windows\\System32\\calc.exe", 12, "C:\\Windows\\System32\\calc.exe"},
        {"Kalkulacka:", 12, ""},
        {"Rezim:1x", 1, "Rezim:1x"},
        {"Rezim:1x", 8, "x"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(lineValue(QString::fromUtf8(row.line), row.from).toStdString(), row.value) << row.line;
}

// --- the mode line ---

TEST(ModeLine, DeliveredFileChangesOnlyTheModeLine)
{
    const QByteArray delivered = test::deliveredFile(QStringLiteral("config.ini"));
    ASSERT_FALSE(delivered.isEmpty());
    ASSERT_TRUE(delivered.endsWith("\r\n;"));

    const qsizetype at = delivered.indexOf("\r\nRezim:");
    ASSERT_GT(at, 0);
    const qsizetype end = delivered.indexOf("\r\n", at + 2);
    for (const char* mode : {"Rezim:1", "Rezim:2"}) {
        QByteArray expected = delivered;
        expected.replace(at + 2, end - (at + 2), mode);
        EXPECT_EQ(bytes(withModeLine(delivered, QString::fromLatin1(mode))), expected.toStdString()) << mode;
    }
    // Line 2 of the file is the mode line.
    EXPECT_EQ(splitLines(*withModeLine(delivered, QStringLiteral("Rezim:2"))).value(1).toStdString(), "Rezim:2");
}

struct ModeRow {
    const char* name;
    QByteArray contents;
    std::optional<std::string> rewritten; // with "Rezim:2"
};

class WithModeLine : public ::testing::TestWithParam<ModeRow> {};

TEST_P(WithModeLine, RewritesOnlyTheFirstModeLine)
{
    EXPECT_EQ(bytes(withModeLine(GetParam().contents, QStringLiteral("Rezim:2"))), GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Config, WithModeLine,
    ::testing::Values(
        ModeRow{"SettingsWindowFile", kDelivered,
                "[CONFIG]\r\nRezim:2\r\nPrepinac:1\r\nKalkulacka:/usr/bin/gnome-calculator\r\n\r\n"
                "[KONSTANTY]\r\nk1=1,5873\r\nk2=2,7\r\nk3=1000\r\n\r\n[AKTUALIZACE]\r\nAktualizace:0\r\n;"},
        ModeRow{"NoModeLine", "[CONFIG]\r\nPrepinac:1\r\n;", std::nullopt},
        ModeRow{"EmptyFile", QByteArray(), std::nullopt},
        ModeRow{"OddModeLineReplacedWhole", "[CONFIG]\r\nRezim:1x yz\r\n;", "[CONFIG]\r\nRezim:2\r\n;"},
        ModeRow{"OnlyTheFirstModeLine", "Rezim:1\r\nRezim:1\r\n;", "Rezim:2\r\nRezim:1\r\n;"},
        ModeRow{"ModeLineFirst", "Rezim:1\r\nPrepinac:1\r\n;", "Rezim:2\r\nPrepinac:1\r\n;"},
        ModeRow{"ModeLineLastBeforeEnd", "[CONFIG]\r\nPrepinac:1\r\nRezim:1\r\n;",
                "[CONFIG]\r\nPrepinac:1\r\nRezim:2\r\n;"},
        ModeRow{"LineFeedOnlyGetsCrLf", "[CONFIG]\nRezim:1\nPrepinac:1\n\nk1=2\n;",
                "[CONFIG]\r\nRezim:2\r\nPrepinac:1\r\n\r\nk1=2\r\n;"},
        ModeRow{"BreakAfterEndMarkerDropped", "[CONFIG]\r\nRezim:1\r\n;\r\n", "[CONFIG]\r\nRezim:2\r\n;"},
        ModeRow{"LinesAfterEndMarkerDropped", "[CONFIG]\r\nRezim:1\r\n;\r\nk1=5\r\n", "[CONFIG]\r\nRezim:2\r\n;"},
        ModeRow{"NoEndMarkerNoFinalBreak", "[CONFIG]\r\nRezim:1\r\nPrepinac:1", "[CONFIG]\r\nRezim:2\r\nPrepinac:1"},
        ModeRow{"NoEndMarkerWithFinalBreak", "[CONFIG]\r\nRezim:1\r\nPrepinac:1\r\n",
                "[CONFIG]\r\nRezim:2\r\nPrepinac:1\r\n"},
        ModeRow{"ModeLineIsTheLastLine", "[CONFIG]\r\nRezim:1", "[CONFIG]\r\nRezim:2"},
        ModeRow{"EndMarkerBeforeModeLineIsAnOrdinaryLine", "[CONFIG]\r\n;\r\nRezim:1\r\nPrepinac:1\r\n;",
                "[CONFIG]\r\n;\r\nRezim:2\r\nPrepinac:1\r\n;"},
        ModeRow{"Windows1250Preserved", "[CONFIG]\r\nRezim:1\r\nKalkulacka:C:\\Kalkula\xE8ka.exe\r\n;",
                "[CONFIG]\r\nRezim:2\r\nKalkulacka:C:\\Kalkula\xE8ka.exe\r\n;"}),
    test::RowName());

TEST(ModeLine, RewriteInPlaceKeepsEveryOtherByte)
{
    ProgramFolder folder;
    const QByteArray before = folder.read(QStringLiteral("config.ini"));
    ASSERT_TRUE(rewriteModeLine(QStringLiteral("Rezim:2")));
    QByteArray expected = before;
    expected.replace("\r\nRezim:1\r\n", "\r\nRezim:2\r\n");
    ASSERT_NE(expected, before);
    EXPECT_EQ(folder.read(QStringLiteral("config.ini")).toStdString(), expected.toStdString());

    ASSERT_TRUE(rewriteModeLine(QStringLiteral("Rezim:1")));
    EXPECT_EQ(folder.read(QStringLiteral("config.ini")).toStdString(), before.toStdString());
}

TEST(ModeLine, RewriteFailsWithoutFileOrModeLine)
{
    ProgramFolder folder;
    folder.remove(QStringLiteral("config.ini"));
    EXPECT_FALSE(rewriteModeLine(QStringLiteral("Rezim:2")));
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("config.ini"))));

    const QByteArray noMode = "[CONFIG]\r\nPrepinac:1\r\n;";
    folder.write(QStringLiteral("config.ini"), noMode);
    EXPECT_FALSE(rewriteModeLine(QStringLiteral("Rezim:2")));
    EXPECT_EQ(folder.read(QStringLiteral("config.ini")).toStdString(), noMode.toStdString());
}

// --- the whole file ---

TEST(ConfigText, WritesThirteenLinesWithCrLfAndNoBreakAfterTheEndMarker)
{
    AppConfig defaults;
    defaults.calculator = QStringLiteral("C:\\Windows\\System32\\calc.exe");
    EXPECT_EQ(configText(defaults).toStdString(),
              "[CONFIG]\r\nRezim:1\r\nPrepinac:1\r\nKalkulacka:C:\\Windows\\System32\\calc.exe\r\n\r\n"
              "[KONSTANTY]\r\nk1=1,5873\r\nk2=2,7\r\nk3=1000\r\n\r\n[AKTUALIZACE]\r\nAktualizace:0\r\n;");

    AppConfig other;
    other.modeLine = QStringLiteral("Rezim:2");
    other.rememberMode = false;
    other.calculator = QStringLiteral("C:\\Kalkulačka\\kalk.exe");
    other.k1 = QStringLiteral("2,5");
    other.k2 = QStringLiteral("0,5");
    other.k3 = QStringLiteral("1397");
    other.updateCheck = true;
    const QByteArray text = configText(other);
    EXPECT_EQ(text.toStdString(),
              "[CONFIG]\r\nRezim:2\r\nPrepinac:0\r\nKalkulacka:C:\\Kalkula\xE8ka\\kalk.exe\r\n\r\n"
              "[KONSTANTY]\r\nk1=2,5\r\nk2=0,5\r\nk3=1397\r\n\r\n[AKTUALIZACE]\r\nAktualizace:1\r\n;");
    EXPECT_EQ(splitLines(text).size(), 13);

    // What the settings window writes, every reader finds again.
    EXPECT_EQ(strings(findLines(text,
                                {QStringLiteral("Rezim:"), QStringLiteral("Prepinac:"), QStringLiteral("Kalkulacka:"),
                                 QStringLiteral("k1="), QStringLiteral("k2="), QStringLiteral("k3="),
                                 QStringLiteral("Aktualizace:")})),
              (std::vector<std::string>{"Rezim:2", "Prepinac:0", "Kalkulacka:C:\\Kalkulačka\\kalk.exe", "k1=2,5",
                                        "k2=0,5", "k3=1397", "Aktualizace:1"}));
}

TEST(ConfigText, WriteReplacesTheWholeFile)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("config.ini"), kDelivered + "\r\n" + QByteArray(500, 'x'));
    AppConfig config;
    config.calculator = QStringLiteral("/usr/bin/kcalc");
    ASSERT_TRUE(writeConfig(config));
    EXPECT_EQ(folder.read(QStringLiteral("config.ini")).toStdString(), configText(config).toStdString());
    EXPECT_EQ(string(calculatorLine()), "Kalkulacka:/usr/bin/kcalc");
}

TEST(SplitLines, AnyLineBreakEndsALine)
{
    const struct {
        const char* name;
        QByteArray bytes;
        std::vector<std::string> lines;
    } rows[] = {
        {"CrLf", "a\r\nb\r\nc", {"a", "b", "c"}},
        {"FinalBreakAddsNoLine", "a\r\nb\r\n", {"a", "b"}},
        {"EmptyLinesKept", "a\r\n\r\nb", {"a", "", "b"}},
        {"LfOnly", "a\n\nb\n", {"a", "", "b"}},
        {"LoneCr", "a\rb", {"a", "b"}},
        {"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
        {"Empty", QByteArray(), {}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> got;
        for (const QByteArray& line : splitLines(row.bytes))
            got.push_back(line.toStdString());
        EXPECT_EQ(got, row.lines) << row.name;
    }
}

TEST(Constants, ReadingStopsAtTheFirstFault)
{
    ProgramFolder folder;
    const struct {
        const char* name;
        QByteArray file;
        std::vector<Real> values;
        bool complete;
    } rows[] = {
        {"Delivered", kDelivered, {1.5873_dec, 2.7_dec}, true},
        {"K2BeforeK1", "k2=3\r\nk1=2,5\r\n;", {2.5_dec, 0}, false},
        {"NoK1", "k2=3\r\n;", {0, 0}, false},
        {"K1NotANumber", "k1=abc\r\nk2=3\r\n;", {0, 0}, false},
        {"LeadingComma", "k1=,5\r\nk2=1,\r\n;", {0.5_dec, 1}, true},
    };
    for (const auto& row : rows) {
        folder.write(QStringLiteral("config.ini"), row.file);
        const FileResult<QList<Real>> c = magnificationConstants();
        EXPECT_EQ(c.ok(), row.complete) << row.name;
        ASSERT_EQ(c->size(), 2) << row.name;
        EXPECT_EQ(c->at(0), row.values[0]) << row.name;
        EXPECT_EQ(c->at(1), row.values[1]) << row.name;
    }
    folder.remove(QStringLiteral("config.ini"));
    EXPECT_FALSE(pointExposureConstant());
}

TEST(Constants, StatusLineSpacing)
{
    EXPECT_EQ(constantDisplay(QStringLiteral("k1=1,5873")).toStdString(), "k1 = 1,5873");
    EXPECT_EQ(constantDisplay(QStringLiteral("k3=1000"), true).toStdString(), "k = 1000");
    EXPECT_EQ(constantDisplay(QStringLiteral("k2")).toStdString(), "k2  ");
}

} // namespace
} // namespace noktaris

namespace noktaris {
namespace {

TEST(SettingsText, ConstantBeginningWithACommaGetsAZero)
{
    const std::pair<const char*, const char*> rows[] = {{",5", "0,5"},  {",", "0,"}, {"0,5", "0,5"},
                                                        {"2,5", "2,5"}, {"", ""},    {",,1", "0,,1"}};
    for (const auto& [typed, stored] : rows)
        EXPECT_EQ(withLeadingZero(QString::fromLatin1(typed)), QString::fromLatin1(stored)) << typed;
}

TEST(SettingsText, FinderTakesTheFirstKnownCalculatorOfTheFirstFolderHoldingOne)
{
    struct Row {
        const char* name;
        std::vector<const char*> first, second;
        const char* found; // "<folder>/<name>", or nullptr
    };
    const Row rows[] = {
        {"NoneAnywhere", {"bc", "calc"}, {}, nullptr},
        {"GnomeBeforeKde", {"kcalc", "gnome-calculator"}, {}, "0/gnome-calculator"},
        {"KdeBeforeGalculator", {"galculator", "kcalc"}, {}, "0/kcalc"},
        {"QalculateBeforeXcalc", {"xcalc", "qalculate-gtk"}, {}, "0/qalculate-gtk"},
        {"FirstFolderWinsOverABetterName", {"xcalc"}, {"gnome-calculator"}, "0/xcalc"},
        {"SecondFolderWhenTheFirstHasNone", {}, {"galculator"}, "1/galculator"},
        {"AFolderOfThatNameIsNoProgram", {"gnome-calculator/"}, {"xcalc"}, "1/xcalc"},
    };
    for (const Row& row : rows) {
        QTemporaryDir folders[2];
        for (int i = 0; i < 2; ++i)
            for (const char* file : i == 0 ? row.first : row.second) {
                const QString name = QString::fromLatin1(file);
                if (name.endsWith(u'/'))
                    QDir().mkpath(folders[i].filePath(name));
                else
                    QFile(folders[i].filePath(name)).open(QIODevice::WriteOnly);
            }
        const QStringList paths{folders[0].path(), folders[1].path()};
        const auto found = findCalculator(paths);
        QString expected;
        if (row.found)
            expected =
                paths[QString::fromLatin1(row.found).left(1).toInt()] + u'/' + QString::fromLatin1(row.found).mid(2);
        EXPECT_EQ(found.value_or(QString()), expected) << row.name;
    }
}

} // namespace
} // namespace noktaris
