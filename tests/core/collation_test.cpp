// The order of the sorted pick lists: Czech alphabetical order with letter case
// ignored, equal names in the order given, for short lists and for long ones.
#include "common/code_page.h"
#include "common/collation.h"
#include "support/qt_printers.h"

#include <QCollator>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace noktaris {
namespace {

TEST(SortNames, CzechAlphabeticalOrder)
{
    struct Row {
        const char* name;
        QStringList given;
        QStringList sorted;
    };
    const Row rows[] = {
        {"ChAfterH",
         {"Chromatický 9", "Hvězdný 12", "cesta 6", "Čočka 4"},
         {"cesta 6", "Čočka 4", "Hvězdný 12", "Chromatický 9"}},
        {"HacekLettersAreLettersOfTheirOwn",
         {"šum", "sůl", "zub", "žal", "řeka", "rak"},
         {"rak", "řeka", "sůl", "šum", "zub", "žal"}},
        {"AccentsOnlyWhenAllElseIsEqual", {"áb", "ac", "ab"}, {"ab", "áb", "ac"}},
        {"CaseIgnoredEqualNamesKeepTheirOrder", {"b", "A 2", "a 2", "a"}, {"a", "A 2", "a 2", "b"}},
        {"DigitsBeforeLettersSpaceFirst", {"M 31", "M31", "42", "M 3"}, {"42", "M 3", "M 31", "M31"}},
    };
    for (const Row& row : rows) {
        QStringList names = row.given;
        sortNames(names);
        EXPECT_EQ(names, row.sorted) << row.name;
    }
}

// The collator's own comparison, one pair at a time: what every list must agree with.
QStringList referenceOrder(QStringList names)
{
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return names;
}

// Random names, long lists and short: of Czech letters, digits and punctuation, and
// of every Windows-1250 character, including those the collator turns into several
// letters (ß, …).
TEST(SortNames, AgreesWithTheCollatorOnRandomWindows1250Names)
{
    std::mt19937 random(1250);
    const QString letters = QStringLiteral("aAcChHsSzZ eEčČřŘšŠžŽáÁéěíóúůýĺľŕťďňőűăâîą-/,.()0123456789ˇ˘");
    QByteArray allBytes;
    for (int b = 32; b < 256; ++b)
        allBytes += char(b);
    const QString every = fromCp1250(allBytes);
    for (const QString& alphabet : {letters, every}) {
        for (int count : {20, 500, 3000}) {
            QStringList names;
            std::uniform_int_distribution<int> length(0, 8);
            std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
            for (int i = 0; i < count; ++i) {
                QString name;
                for (int n = length(random); n > 0; --n)
                    name += alphabet[pick(random)];
                names << name;
            }
            QStringList sorted = names;
            sortNames(sorted);
            EXPECT_EQ(sorted, referenceOrder(names)) << count << " names";
        }
    }
}

} // namespace
} // namespace noktaris
