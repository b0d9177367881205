// Catalogue files: one Windows-1250 line of "#name=<name>$<key><value>$..." records.
// Names are listed in file order, looked up by exact key, appended at the end and
// removed in place; every operation works on the first line only.
#include "catalogue/catalogue.h"
#include "common/file_result.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "support/child_process.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace noktaris {
namespace {

using test::ProgramFolder;

using test::PrintTo;

std::vector<std::string> strings(const QStringList& list)
{
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}

std::optional<std::vector<std::string>> strings(const std::optional<QStringList>& list)
{
    if (!list)
        return std::nullopt;
    return strings(*list);
}

using Names = std::vector<std::string>;
using Values = std::optional<std::vector<std::string>>;

std::string bytes(const QByteArray& b) { return b.toStdString(); }

const char* fileOf(CatalogueKind kind)
{
    switch (kind) {
    case CatalogueKind::Telescopes: return "data/Dalekohledy.dat";
    case CatalogueKind::Eyepieces: return "data/Okulary.dat";
    case CatalogueKind::Brightness: return "data/Jasnosti.dat";
    case CatalogueKind::Sizes: return "data/Rozmery.dat";
    case CatalogueKind::Films: return "data/Filmy.dat";
    case CatalogueKind::Chips: return "data/CCD.dat";
    case CatalogueKind::Cameras: return "data/Kamery.dat";
    }
    return "";
}

// Czech names in Windows-1250 bytes and the same names as the program shows them.
const char kWideAngleCp1250[] = "\x8Airoko\xFAhl\xFD 32 mm";
const char kWideAngle[] = "Širokoúhlý 32 mm";
const char kDumbbellCp1250[] = "Planet\xE1rn\xED mlhovina \xC8inka M 27";
const char kDumbbell[] = "Planetární mlhovina Činka M 27";

const QByteArray kThreeTelescopes = "#name=Refraktor 60/700$D=60$F=700$"
                                    "#name=Reflektor 150/750$D=150$F=750$"
                                    "#name=Maksutov 90/1250$D=90$F=1250$";

// --- names in a line ---

struct NamesRow {
    const char* name;
    QByteArray line;
    Names names;
};

class NamesInLine : public ::testing::TestWithParam<NamesRow> {};

TEST_P(NamesInLine, ListsEveryRecordInFileOrder) { EXPECT_EQ(strings(namesInLine(GetParam().line)), GetParam().names); }

INSTANTIATE_TEST_SUITE_P(
    Catalogue, NamesInLine,
    ::testing::Values(
        NamesRow{"EmptyLine", QByteArray(), {}},
        NamesRow{"ThreeRecords", kThreeTelescopes, {"Refraktor 60/700", "Reflektor 150/750", "Maksutov 90/1250"}},
        NamesRow{"CzechLettersFromCp1250",
                 QByteArray("#name=") + kWideAngleCp1250 + "$f=32$u=70$#name=" + kDumbbellCp1250 + "$r=8$",
                 {kWideAngle, kDumbbell}},
        NamesRow{"DuplicatesBothListed", "#name=A$j=1$#name=B$j=2$#name=A$j=3$", {"A", "B", "A"}},
        NamesRow{"PrefixNames",
                 "#name=Refraktor 80 ED$D=80$F=600$#name=Refraktor 80$D=80$F=900$",
                 {"Refraktor 80 ED", "Refraktor 80"}},
        NamesRow{"ChipRecords",
                 "#name=Sony IMX178$x1=7,43$y1=4,99$x2=3096$y2=2080$#name=K$x1=1$y1=2$x2=3$y2=4$",
                 {"Sony IMX178", "K"}},
        NamesRow{"TextBeforeFirstRecordIgnored", "xx$#name=A$r=1$", {"A"}},
        NamesRow{"OneCharacterName", "#name=M$r=1$", {"M"}},
        // Broken lines: a name without its "$" ends at the next record start, so
        // listing stays linear however many "#" the line holds.
        NamesRow{"NameWithoutDollarEndsAtTheNextRecord", "#name=A#name=B$j=1$", {"A", "B"}},
        NamesRow{"LineOfHashesOnly", QByteArray(4000, '#'), Names(4000, "")}),
    test::RowName());

// A damaged line handed over as a view into a longer buffer: whatever follows the
// view must never show up in a name or value.
struct DamagedRow {
    const char* name;
    const char* buffer;
    qsizetype lineLength;
    Names namesBefore; // the intact names before the damage, in order
};

class DamagedLine : public ::testing::TestWithParam<DamagedRow> {};

TEST_P(DamagedLine, NamesStayInsideTheLine)
{
    const DamagedRow& row = GetParam();
    const QByteArray line = QByteArray::fromRawData(row.buffer, row.lineLength);
    const Names names = strings(namesInLine(line));
    ASSERT_GE(names.size(), row.namesBefore.size());
    EXPECT_EQ(Names(names.begin(), names.begin() + qsizetype(row.namesBefore.size())), row.namesBefore);
    for (const std::string& n : names)
        EXPECT_EQ(n.find("BEYOND"), std::string::npos) << "name read past the line: " << n;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, DamagedLine,
    ::testing::Values(DamagedRow{"HashAsLastCharacter", "#name=A$D=1$F=2$#name=BEYOND$", 17, {"A"}},
                      DamagedRow{"CutInsideRecordStart",
                                 "#name=A$D=1$F=2$#nam"
                                 "e=BEYOND$",
                                 20,
                                 {"A"}},
                      DamagedRow{"NameWithoutDollar",
                                 "#name=A$D=1$F=2$#name=X"
                                 "BEYOND$",
                                 23,
                                 {"A"}},
                      DamagedRow{"NoDollarAtAll",
                                 "#name=X"
                                 "BEYOND$D=1$",
                                 7,
                                 {}}),
    test::RowName());

TEST(NamesInLine, NameWithoutItsDollarRunsToTheEndOfTheLine)
{
    const char buffer[] = "#name=A$j=1$#name=Tail"
                          "BEYOND$";
    EXPECT_EQ(strings(namesInLine(QByteArray::fromRawData(buffer, 22))), (Names{"A", "Tail"}));
}

// --- finding a record in a line ---

struct LookupRow {
    const char* name;
    QByteArray line;
    CatalogueKind kind;
    const char* wanted;
    Values values;
};

class RecordInLine : public ::testing::TestWithParam<LookupRow> {};

TEST_P(RecordInLine, FindsTheValuesOfTheFirstExactMatch)
{
    const LookupRow& row = GetParam();
    EXPECT_EQ(strings(recordInLine(row.line, QString::fromUtf8(row.wanted), row.kind)), row.values);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RecordInLine,
    ::testing::Values(
        LookupRow{"FirstRecord", kThreeTelescopes, CatalogueKind::Telescopes, "Refraktor 60/700", Names{"60", "700"}},
        LookupRow{"MiddleRecord", kThreeTelescopes, CatalogueKind::Telescopes, "Reflektor 150/750",
                  Names{"150", "750"}},
        LookupRow{"LastRecord", kThreeTelescopes, CatalogueKind::Telescopes, "Maksutov 90/1250", Names{"90", "1250"}},
        LookupRow{"ShortNameBeforeLonger", "#name=Refraktor 80$D=80$F=900$#name=Refraktor 80 ED$D=81$F=600$",
                  CatalogueKind::Telescopes, "Refraktor 80", Names{"80", "900"}},
        LookupRow{"ShortNameAfterLonger", "#name=Refraktor 80 ED$D=81$F=600$#name=Refraktor 80$D=80$F=900$",
                  CatalogueKind::Telescopes, "Refraktor 80", Names{"80", "900"}},
        LookupRow{"LongerNameAfterShort", "#name=Refraktor 80$D=80$F=900$#name=Refraktor 80 ED$D=81$F=600$",
                  CatalogueKind::Telescopes, "Refraktor 80 ED", Names{"81", "600"}},
        LookupRow{"EndOfNameIsNoMatch", "#name=Refraktor 80 ED$D=81$F=600$", CatalogueKind::Telescopes, "80 ED",
                  std::nullopt},
        LookupRow{"BeginningOfNameIsNoMatch", "#name=Refraktor 80 ED$D=81$F=600$", CatalogueKind::Telescopes,
                  "Refraktor 80", std::nullopt},
        LookupRow{"CaseSensitive", kThreeTelescopes, CatalogueKind::Telescopes, "reflektor 150/750", std::nullopt},
        LookupRow{"DuplicateFindsFirst", "#name=A$j=1$#name=B$j=2$#name=A$j=3$", CatalogueKind::Brightness, "A",
                  Names{"1"}},
        LookupRow{"DecimalCommaKeptAsText", "#name=Plössl 6,3 mm$f=6,3$u=52$#name=E$f=12,$u=2,5$",
                  CatalogueKind::Eyepieces, "E", Names{"12,", "2,5"}},
        LookupRow{"CzechNameFromCp1250", QByteArray("#name=A$f=1$u=2$#name=") + kWideAngleCp1250 + "$f=32$u=70$",
                  CatalogueKind::Eyepieces, kWideAngle, Names{"32", "70"}},
        LookupRow{"ChipKeysAreThreeCharacters",
                  "#name=A$x1=1$y1=2$x2=3$y2=4$#name=Sony IMX178$x1=7,43$y1=4,99$x2=3096$y2=2080$",
                  CatalogueKind::Chips, "Sony IMX178", Names{"7,43", "4,99", "3096", "2080"}},
        LookupRow{"CameraKeysOfEachLength",
                  "#name=A$p=1$x=2$y=3$rn=4$fw=5$qe=6$bayer=7$g=8$"
                  "#name=ZWO ASI2600MM Pro$p=3,76$x=6248$y=4176$rn=3,5$fw=50000$qe=91$bayer=0$g=0$",
                  CatalogueKind::Cameras, "ZWO ASI2600MM Pro",
                  Names{"3,76", "6248", "4176", "3,5", "50000", "91", "0", "0"}},
        LookupRow{"KeyLettersNotCompared", "#name=A$X=5$Y=6$", CatalogueKind::Telescopes, "A", Names{"5", "6"}},
        LookupRow{"SingleFieldKinds",
                  "#name=Slunce$r=32$#name=M\xEC"
                  "s\xED"
                  "c$r=31,1$",
                  CatalogueKind::Sizes, "Měsíc", Names{"31,1"}},
        LookupRow{"EmptyLine", QByteArray(), CatalogueKind::Films, "A", std::nullopt}),
    test::RowName());

struct TruncatedRow {
    const char* name;
    const char* buffer;
    qsizetype lineLength;
    CatalogueKind kind;
    const char* firstValue; // what the line itself holds for the first value
};

class TruncatedRecord : public ::testing::TestWithParam<TruncatedRow> {};

TEST_P(TruncatedRecord, ValuesNeverComeFromBeyondTheLine)
{
    const TruncatedRow& row = GetParam();
    const QByteArray line = QByteArray::fromRawData(row.buffer, row.lineLength);
    const Values values = strings(recordInLine(line, QStringLiteral("X"), row.kind));
    if (!values)
        return; // leaving the fields empty is as good as empty values
    ASSERT_EQ(values->size(), std::size_t(catalogueInfo(row.kind).keys.size()));
    EXPECT_EQ(values->front(), row.firstValue);
    for (const std::string& v : *values)
        EXPECT_EQ(v.find_first_of("97"), std::string::npos) << "value read past the line: " << v;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, TruncatedRecord,
                         ::testing::Values(TruncatedRow{"CutAfterFirstKey",
                                                        "#name=X$D="
                                                        "99$F=77$",
                                                        10, CatalogueKind::Telescopes, ""},
                                           TruncatedRow{"CutAfterName",
                                                        "#name=X$"
                                                        "D=99$F=77$",
                                                        8, CatalogueKind::Telescopes, ""},
                                           TruncatedRow{"CutInsideFirstKey",
                                                        "#name=X$D"
                                                        "=99$F=77$",
                                                        9, CatalogueKind::Telescopes, ""},
                                           TruncatedRow{"CutAfterFirstValue",
                                                        "#name=X$D=150$F="
                                                        "77$",
                                                        16, CatalogueKind::Telescopes, "150"},
                                           TruncatedRow{"FirstValueWithoutDollar",
                                                        "#name=X$D=150"
                                                        "$F=77$",
                                                        13, CatalogueKind::Telescopes, "150"},
                                           TruncatedRow{"ChipCutInsideThirdKey",
                                                        "#name=X$x1=1$y1=2$x"
                                                        "2=99$y2=77$",
                                                        19, CatalogueKind::Chips, "1"}),
                         test::RowName());

// --- record text and removal from a line ---

TEST(RecordText, WritesNameKeysAndValuesWithoutBreaks)
{
    const QByteArray telescope =
        recordText({QStringLiteral("Reflektor 150/750"), {QStringLiteral("150"), QStringLiteral("750")}},
                   CatalogueKind::Telescopes);
    EXPECT_EQ(bytes(telescope), "#name=Reflektor 150/750$D=150$F=750$");
    EXPECT_EQ(telescope.size(), 36);

    EXPECT_EQ(bytes(recordText({QString::fromUtf8(kWideAngle), {QStringLiteral("32"), QStringLiteral("2,5")}},
                               CatalogueKind::Eyepieces)),
              std::string("#name=") + kWideAngleCp1250 + "$f=32$u=2,5$");
    EXPECT_EQ(bytes(recordText({QStringLiteral("M"), {QStringLiteral("0,5")}}, CatalogueKind::Brightness)),
              "#name=M$j=0,5$");
    EXPECT_EQ(bytes(recordText({QStringLiteral("M"), {QStringLiteral("6")}}, CatalogueKind::Sizes)), "#name=M$r=6$");
    EXPECT_EQ(bytes(recordText({QStringLiteral("Kinofilm"), {QStringLiteral("36"), QStringLiteral("24")}},
                               CatalogueKind::Films)),
              "#name=Kinofilm$x=36$y=24$");
    EXPECT_EQ(
        bytes(recordText({QStringLiteral("KAF"),
                          {QStringLiteral("6,9"), QStringLiteral("4,6"), QStringLiteral("768"), QStringLiteral("512")}},
                         CatalogueKind::Chips)),
        "#name=KAF$x1=6,9$y1=4,6$x2=768$y2=512$");
}

struct RemoveRow {
    const char* name;
    QByteArray line;
    CatalogueKind kind;
    const char* removed;
    std::optional<std::string> rest;
};

class LineWithout : public ::testing::TestWithParam<RemoveRow> {};

TEST_P(LineWithout, DeletesExactlyTheFirstRecordOfThatName)
{
    const RemoveRow& row = GetParam();
    const auto rest = lineWithout(row.line, QString::fromUtf8(row.removed), row.kind);
    EXPECT_EQ(rest ? std::optional<std::string>(bytes(*rest)) : std::nullopt, row.rest);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, LineWithout,
    ::testing::Values(RemoveRow{"First", kThreeTelescopes, CatalogueKind::Telescopes, "Refraktor 60/700",
                                "#name=Reflektor 150/750$D=150$F=750$#name=Maksutov 90/1250$D=90$F=1250$"},
                      RemoveRow{"Middle", kThreeTelescopes, CatalogueKind::Telescopes, "Reflektor 150/750",
                                "#name=Refraktor 60/700$D=60$F=700$#name=Maksutov 90/1250$D=90$F=1250$"},
                      RemoveRow{"Last", kThreeTelescopes, CatalogueKind::Telescopes, "Maksutov 90/1250",
                                "#name=Refraktor 60/700$D=60$F=700$#name=Reflektor 150/750$D=150$F=750$"},
                      RemoveRow{"Only", "#name=A$D=1$F=2$", CatalogueKind::Telescopes, "A", ""},
                      RemoveRow{"Absent", kThreeTelescopes, CatalogueKind::Telescopes, "Refraktor", std::nullopt},
                      RemoveRow{"DuplicateRemovesFirstOnly", "#name=A$j=1$#name=B$j=2$#name=A$j=3$",
                                CatalogueKind::Brightness, "A", "#name=B$j=2$#name=A$j=3$"},
                      RemoveRow{"ShortNameLeavesLonger",
                                "#name=Refraktor 80 ED$D=81$F=600$#name=Refraktor 80$D=80$F=900$",
                                CatalogueKind::Telescopes, "Refraktor 80", "#name=Refraktor 80 ED$D=81$F=600$"},
                      RemoveRow{"ChipHasFiveDollars",
                                "#name=A$x1=1$y1=2$x2=3$y2=4$#name=B$x1=5$y1=6$x2=7$y2=8$#name=C$x1=9$y1=1$x2=2$y2=3$",
                                CatalogueKind::Chips, "B", "#name=A$x1=1$y1=2$x2=3$y2=4$#name=C$x1=9$y1=1$x2=2$y2=3$"},
                      RemoveRow{"SizeHasTwoDollars", "#name=A$r=1$#name=B$r=2$#name=C$r=3$", CatalogueKind::Sizes, "B",
                                "#name=A$r=1$#name=C$r=3$"},
                      RemoveRow{"FilmHasThreeDollars", "#name=A$x=1$y=2$#name=B$x=3$y=4$", CatalogueKind::Films, "A",
                                "#name=B$x=3$y=4$"},
                      RemoveRow{"CzechName", QByteArray("#name=") + kWideAngleCp1250 + "$f=32$u=70$#name=B$f=1$u=2$",
                                CatalogueKind::Eyepieces, kWideAngle, "#name=B$f=1$u=2$"}),
    test::RowName());

// --- the files ---

TEST(CatalogueFiles, EachKindNamesItsFileKeysAndLookupMessage)
{
    const struct {
        CatalogueKind kind;
        const char* file;
        Names keys;
        const char* message;
    } rows[] = {
        {CatalogueKind::Telescopes,
         "data\\Dalekohledy.dat",
         {"D=", "F="},
         "Chyba při zpracování databázového souboru data\\dalekohledy.dat"},
        {CatalogueKind::Eyepieces,
         "data\\Okulary.dat",
         {"f=", "u="},
         "Chyba při zpracování databázového souboru data\\okulary.dat"},
        {CatalogueKind::Brightness,
         "data\\Jasnosti.dat",
         {"j="},
         "Chyba při zpracování databázového souboru data\\jasnosti.dat"},
        {CatalogueKind::Sizes,
         "data\\Rozmery.dat",
         {"r="},
         "Chyba při zpracování databázového souboru data\\rozmery.dat"},
        {CatalogueKind::Films,
         "data\\Filmy.dat",
         {"x=", "y="},
         "Chyba při zpracování databázového souboru data\\filmy.dat"},
        {CatalogueKind::Chips,
         "data\\CCD.dat",
         {"x1=", "y1=", "x2=", "y2="},
         "Chyba při zpracování databázového souboru data\\CCD.dat"},
        {CatalogueKind::Cameras,
         "data\\Kamery.dat",
         {"p=", "x=", "y=", "rn=", "fw=", "qe=", "bayer=", "g="},
         "Chyba při zpracování databázového souboru data\\kamery.dat"},
    };
    for (const auto& row : rows) {
        const CatalogueInfo& info = catalogueInfo(row.kind);
        EXPECT_EQ(info.file.toStdString(), row.file);
        EXPECT_EQ(strings(info.keys), row.keys) << row.file;
        EXPECT_EQ(info.lookupMessage.toStdString(), row.message);
    }
}

TEST(CatalogueFiles, DeliveredCataloguesListAtLeastThePromisedRecordsAndEachIsFound)
{
    ProgramFolder folder;
    const struct {
        CatalogueKind kind;
        int atLeast;
    } promised[] = {
        {CatalogueKind::Telescopes, 15}, {CatalogueKind::Eyepieces, 15}, {CatalogueKind::Brightness, 20},
        {CatalogueKind::Sizes, 30},      {CatalogueKind::Films, 8},      {CatalogueKind::Chips, 20},
        {CatalogueKind::Cameras, 25},
    };
    for (const auto& p : promised) {
        SCOPED_TRACE(fileOf(p.kind));
        const QByteArray raw = folder.read(QString::fromLatin1(fileOf(p.kind)));
        EXPECT_EQ(raw.indexOf('\n'), -1) << "the catalogue is one line";
        EXPECT_EQ(raw.indexOf('\r'), -1) << "the catalogue is one line";

        const auto names = listNames(p.kind);
        ASSERT_TRUE(names) << names.error().message.toStdString();
        EXPECT_GE(names->size(), p.atLeast);
        EXPECT_EQ(raw.count('#'), names->size());
        for (const QString& name : *names) {
            ASSERT_FALSE(name.isEmpty());
            const auto found = findRecord(p.kind, name);
            ASSERT_TRUE(found);
            const auto& values = *found;
            ASSERT_TRUE(values.has_value()) << name.toStdString();
            ASSERT_EQ(values->size(), catalogueInfo(p.kind).keys.size()) << name.toStdString();
            for (qsizetype i = 0; i < values->size(); ++i) {
                const QString& value = values->at(i);
                Real number = 0;
                EXPECT_TRUE(guarded([&] { number = toNumber(value); }))
                    << name.toStdString() << ": \"" << value.toStdString() << '"';
                // A camera's colour flag and gain may be 0.
                if (p.kind != CatalogueKind::Cameras || i < 6) {
                    EXPECT_NE(number, 0) << name.toStdString();
                }
            }
            // Written back, the record is the text the file holds.
            EXPECT_TRUE(raw.contains(recordText({name, *values}, p.kind))) << name.toStdString();
        }
    }
}

TEST(CatalogueFiles, CzechNamesAreReadAndWrittenInWindows1250)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("data/Okulary.dat"), "#name=Kellner 25 mm$f=25$u=40$");
    ASSERT_TRUE(appendRecord(CatalogueKind::Eyepieces,
                             {QString::fromUtf8(kWideAngle), {QStringLiteral("32"), QStringLiteral("70")}}));
    EXPECT_EQ(bytes(folder.read(QStringLiteral("data/Okulary.dat"))),
              std::string("#name=Kellner 25 mm$f=25$u=40$#name=") + kWideAngleCp1250 + "$f=32$u=70$");
    EXPECT_EQ(strings(*listNames(CatalogueKind::Eyepieces)), (Names{"Kellner 25 mm", kWideAngle}));
    EXPECT_EQ(strings(*findRecord(CatalogueKind::Eyepieces, QString::fromUtf8(kWideAngle))), (Names{"32", "70"}));
}

TEST(CatalogueFiles, MissingFileIsFileNotFoundAndIsNeverCreated)
{
    ProgramFolder folder;
    folder.remove(QStringLiteral("data/Dalekohledy.dat"));
    const QString path = folder.path(QStringLiteral("data/Dalekohledy.dat"));

    const auto listed = listNames(CatalogueKind::Telescopes);
    ASSERT_FALSE(listed);
    EXPECT_EQ(listed.error().message.toStdString(), "File not found");

    EXPECT_FALSE(findRecord(CatalogueKind::Telescopes, QStringLiteral("A")));

    const auto appended =
        appendRecord(CatalogueKind::Telescopes, {QStringLiteral("A"), {QStringLiteral("1"), QStringLiteral("2")}});
    ASSERT_FALSE(appended);
    EXPECT_EQ(appended.error().message.toStdString(), "File not found");
    EXPECT_FALSE(QFileInfo::exists(path));

    EXPECT_FALSE(removeRecord(CatalogueKind::Telescopes, QStringLiteral("A")));
    EXPECT_FALSE(replaceRecord(CatalogueKind::Telescopes, QStringLiteral("A"),
                               {QStringLiteral("B"), {QStringLiteral("1"), QStringLiteral("2")}}));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QDir(folder.path(QStringLiteral("data")))
                     .entryList(QDir::Files)
                     .contains(QStringLiteral("Dalekohledy.dat"), Qt::CaseInsensitive));
}

// Each way a catalogue cannot be opened gets the system's own text for it, also
// for an ordinary user, for whom a file without read permission is unreadable.
TEST(CatalogueFiles, OpenFailuresAreToldApart)
{
    struct Row {
        const char* name;
        std::function<void(const ProgramFolder&)> damage;
        const char* message;
    };
    const QString file = QStringLiteral("data/Filmy.dat");
    const Row rows[] = {
        {"Missing", [&](const ProgramFolder& f) { f.remove(file); }, "File not found"},
        {"FolderMissing", [](const ProgramFolder& f) { QDir(f.path(QStringLiteral("data"))).removeRecursively(); },
         "Path not found"},
        {"FileInPlaceOfTheFolder",
         [](const ProgramFolder& f) {
             QDir(f.path(QStringLiteral("data"))).removeRecursively();
             f.write(QStringLiteral("data"), "x");
         },
         "Path not found"},
        {"FolderInPlaceOfTheFile",
         [&](const ProgramFolder& f) {
             f.remove(file);
             QDir().mkpath(f.path(file));
         },
         "Access denied"},
        {"NoReadPermission", [&](const ProgramFolder& f) { QFile::setPermissions(f.path(file), {}); }, "Access denied"},
    };
    for (const Row& row : rows) {
        ProgramFolder folder;
        // The ordinary user may enter the folders, only the file is closed to it.
        QFile::setPermissions(folder.path(QString()),
                              QFile::permissions(folder.path(QString())) | QFileDevice::ExeOther);
        row.damage(folder);
        const auto child = test::runAsOrdinaryUser([] {
            const auto listed = listNames(CatalogueKind::Films);
            const auto appended =
                appendRecord(CatalogueKind::Films, {QStringLiteral("A"), {QStringLiteral("1"), QStringLiteral("2")}});
            return ((listed ? QStringLiteral("read") : listed.error().message) + u'|'
                    + (appended ? QStringLiteral("written") : appended.error().message))
                .toUtf8();
        });
        EXPECT_EQ(child.output.toStdString(), std::string(row.message) + '|' + row.message) << row.name;
    }
}

TEST(CatalogueFiles, EmptyFileListsNothingAndFindsNothing)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("data/Filmy.dat"), QByteArray());
    const auto names = listNames(CatalogueKind::Films);
    ASSERT_TRUE(names);
    EXPECT_TRUE(names->isEmpty());
    const auto found = findRecord(CatalogueKind::Films, QStringLiteral("Kinofilm 35 mm"));
    ASSERT_TRUE(found) << "an empty file is read";
    EXPECT_FALSE(found->has_value());
}

TEST(CatalogueFiles, UnknownNameIsNotFoundWithoutReadFailure)
{
    ProgramFolder folder;
    const auto found = findRecord(CatalogueKind::Telescopes, QStringLiteral("Neexistuje"));
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->has_value());
}

TEST(CatalogueFiles, AppendAddsTheRecordAtTheEndOfTheLine)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("data/CCD.dat"), "#name=A$x1=1$y1=2$x2=3$y2=4$");
    ASSERT_TRUE(
        appendRecord(CatalogueKind::Chips,
                     {QStringLiteral("B"),
                      {QStringLiteral("6,9"), QStringLiteral("4,6"), QStringLiteral("768"), QStringLiteral("512")}}));
    EXPECT_EQ(bytes(folder.read(QStringLiteral("data/CCD.dat"))),
              "#name=A$x1=1$y1=2$x2=3$y2=4$#name=B$x1=6,9$y1=4,6$x2=768$y2=512$");
    EXPECT_EQ(strings(*findRecord(CatalogueKind::Chips, QStringLiteral("B"))), (Names{"6,9", "4,6", "768", "512"}));
}

TEST(CatalogueFiles, AppendToEmptyFileGivesTheRecordAlone)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("data/Jasnosti.dat"), QByteArray());
    ASSERT_TRUE(appendRecord(CatalogueKind::Brightness, {QStringLiteral("Saturn"), {QStringLiteral("6,5")}}));
    EXPECT_EQ(bytes(folder.read(QStringLiteral("data/Jasnosti.dat"))), "#name=Saturn$j=6,5$");
}

struct FileRemoveRow {
    const char* name;
    const char* removed;
    const char* remaining;
};

class RemoveFromFile : public ::testing::TestWithParam<FileRemoveRow> {};

TEST_P(RemoveFromFile, RewritesTheLineWithoutTheRecord)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("data/Dalekohledy.dat"), kThreeTelescopes);
    ASSERT_TRUE(removeRecord(CatalogueKind::Telescopes, QString::fromUtf8(GetParam().removed)));
    EXPECT_EQ(bytes(folder.read(QStringLiteral("data/Dalekohledy.dat"))), GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RemoveFromFile,
    ::testing::Values(FileRemoveRow{"First", "Refraktor 60/700",
                                    "#name=Reflektor 150/750$D=150$F=750$#name=Maksutov 90/1250$D=90$F=1250$"},
                      FileRemoveRow{"Middle", "Reflektor 150/750",
                                    "#name=Refraktor 60/700$D=60$F=700$#name=Maksutov 90/1250$D=90$F=1250$"},
                      FileRemoveRow{"Last", "Maksutov 90/1250",
                                    "#name=Refraktor 60/700$D=60$F=700$#name=Reflektor 150/750$D=150$F=750$"}),
    test::RowName());

TEST(CatalogueFiles, RemovingTheOnlyRecordLeavesAnEmptyFile)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("data/Rozmery.dat"), "#name=Slunce$r=32$");
    ASSERT_TRUE(removeRecord(CatalogueKind::Sizes, QStringLiteral("Slunce")));
    const QFileInfo file(folder.path(QStringLiteral("data/Rozmery.dat")));
    ASSERT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 0);
    EXPECT_TRUE(listNames(CatalogueKind::Sizes)->isEmpty());
}

TEST(CatalogueFiles, ReplaceMovesTheRecordToTheEnd)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("data/Dalekohledy.dat"), kThreeTelescopes);
    ASSERT_TRUE(replaceRecord(CatalogueKind::Telescopes, QStringLiteral("Refraktor 60/700"),
                              {QStringLiteral("Refraktor 60/700"), {QStringLiteral("60"), QStringLiteral("710")}}));
    EXPECT_EQ(bytes(folder.read(QStringLiteral("data/Dalekohledy.dat"))),
              "#name=Reflektor 150/750$D=150$F=750$#name=Maksutov 90/1250$D=90$F=1250$"
              "#name=Refraktor 60/700$D=60$F=710$");
    EXPECT_EQ(strings(*listNames(CatalogueKind::Telescopes)),
              (Names{"Reflektor 150/750", "Maksutov 90/1250", "Refraktor 60/700"}));

    // A renamed record: the old name is gone, the new one is last.
    ASSERT_TRUE(replaceRecord(CatalogueKind::Telescopes, QStringLiteral("Reflektor 150/750"),
                              {QStringLiteral("Newton 150/750"), {QStringLiteral("150"), QStringLiteral("750")}}));
    EXPECT_EQ(strings(*listNames(CatalogueKind::Telescopes)),
              (Names{"Maksutov 90/1250", "Refraktor 60/700", "Newton 150/750"}));
    EXPECT_FALSE(findRecord(CatalogueKind::Telescopes, QStringLiteral("Reflektor 150/750"))->has_value());
}

TEST(CatalogueFiles, SecondLineIsInvisibleAndDroppedByTheNextSave)
{
    for (const QByteArray& lineBreak : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        SCOPED_TRACE(lineBreak == "\r\n" ? "CR LF" : lineBreak == "\n" ? "LF" : "CR");
        ProgramFolder folder;
        folder.write(QStringLiteral("data/Dalekohledy.dat"),
                     "#name=A$D=1$F=2$#name=B$D=3$F=4$" + lineBreak + "#name=C$D=5$F=6$" + lineBreak);
        EXPECT_EQ(strings(*listNames(CatalogueKind::Telescopes)), (Names{"A", "B"}));
        EXPECT_EQ(strings(*findRecord(CatalogueKind::Telescopes, QStringLiteral("B"))), (Names{"3", "4"}));
        EXPECT_FALSE(findRecord(CatalogueKind::Telescopes, QStringLiteral("C"))->has_value());

        ASSERT_TRUE(
            appendRecord(CatalogueKind::Telescopes, {QStringLiteral("D"), {QStringLiteral("7"), QStringLiteral("8")}}));
        EXPECT_EQ(bytes(folder.read(QStringLiteral("data/Dalekohledy.dat"))),
                  "#name=A$D=1$F=2$#name=B$D=3$F=4$#name=D$D=7$F=8$");
    }

    ProgramFolder folder;
    folder.write(QStringLiteral("data/Dalekohledy.dat"), "#name=A$D=1$F=2$#name=B$D=3$F=4$\r\n#name=C$D=5$F=6$");
    ASSERT_TRUE(removeRecord(CatalogueKind::Telescopes, QStringLiteral("A")));
    EXPECT_EQ(bytes(folder.read(QStringLiteral("data/Dalekohledy.dat"))), "#name=B$D=3$F=4$");
}

TEST(CatalogueFiles, FolderAndFileNamesResolveWithoutRegardToCase)
{
    ProgramFolder folder;
    EXPECT_EQ(resolvePath(QStringLiteral("DATA\\dalekohledy.DAT")).toStdString(), "data/Dalekohledy.dat");
    EXPECT_EQ(resolvePath(QStringLiteral("Data\\Dalekohledy.dat")).toStdString(), "data/Dalekohledy.dat");
    EXPECT_EQ(resolvePath(QStringLiteral("data\\ccd.dat")).toStdString(), "data/CCD.dat");
    EXPECT_EQ(resolvePath(QStringLiteral("data\\nic.dat")).toStdString(), "data/nic.dat");

    // The files on disk spelt differently from the program's names.
    ASSERT_TRUE(QDir().rename(QStringLiteral("data"), QStringLiteral("Data")));
    ASSERT_TRUE(QFile::rename(QStringLiteral("Data/Dalekohledy.dat"), QStringLiteral("Data/DALEKOHLEDY.DAT")));
    const auto names = listNames(CatalogueKind::Telescopes);
    ASSERT_TRUE(names) << names.error().message.toStdString();
    EXPECT_FALSE(names->isEmpty());
    EXPECT_TRUE(findRecord(CatalogueKind::Telescopes, names->first())->has_value());

    ASSERT_TRUE(
        appendRecord(CatalogueKind::Telescopes, {QStringLiteral("Nový"), {QStringLiteral("1"), QStringLiteral("2")}}));
    EXPECT_TRUE(folder.read(QStringLiteral("Data/DALEKOHLEDY.DAT")).endsWith("#name=Nov\xFD$D=1$F=2$"));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("data")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("Data/Dalekohledy.dat")));
}

} // namespace
} // namespace noktaris

namespace noktaris {
namespace {

// What the editor lets into a file: a name that keeps the one-line format and a
// value as the decimal key filter types it.
TEST(StorableText, NamesAndValuesThatKeepTheOneLineFormat)
{
    struct Row {
        const char* text;
        const char* nameProblem; // nullptr: the name can be stored
        bool value;
    };
    const Row rows[] = {
        {"Reflektor 150/750", nullptr, false},
        {"Širokoúhlý 32 mm – „Plössl“", nullptr, false},
        {"12,5", nullptr, true},
        {",", nullptr, true}, // reads as 0, refused later as zero
        {"0", nullptr, true},
        {"1,2,3", nullptr, false},
        {"-5", nullptr, false},
        {" 5", nullptr, false},
        {"1E3", nullptr, false},
        {"", nullptr, false},
        {"M#31", "Název nesmí obsahovat znaky # a $.", false},
        {"M$31", "Název nesmí obsahovat znaky # a $.", false},
        {"M 31\r\nM 32", "Název nesmí obsahovat konec řádku, tabulátor ani jiné řídicí znaky.", false},
        {"M\t31", "Název nesmí obsahovat konec řádku, tabulátor ani jiné řídicí znaky.", false},
        {"Orion ★",
         "Název obsahuje znak „★“, který nelze do databáze uložit (soubory databáze jsou v kódování "
         "Windows-1250).",
         false},
        {"Çà",
         "Název obsahuje znak „à“, který nelze do databáze uložit (soubory databáze jsou v kódování "
         "Windows-1250).",
         false},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        const auto problem = nameProblem(text);
        EXPECT_EQ(problem.value_or(QString()), QString::fromUtf8(row.nameProblem)) << row.text;
        EXPECT_EQ(isTypedDecimal(text), row.value) << row.text;
        if (!problem) {
            // A name without a problem comes back from the file as it went in.
            const QByteArray line = recordText({text, {QStringLiteral("1")}}, CatalogueKind::Sizes);
            EXPECT_EQ(namesInLine(line), QStringList{text}) << row.text;
        }
    }
}

} // namespace
} // namespace noktaris
