// Build tool: finds, with ICU's Czech collator, the rank of every Windows-1250
// character among those the collator maps to one collation element each (and of
// the Czech letter "ch"), and prints them as C++ for collation.cpp. Names made of
// these characters are then sorted without opening the collator at all, which
// saves the program the collation data at every start.
//
//   noktaris_czech_ranks <output file>
#include "common/czech_collator.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include <unicode/ucoleitr.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using noktaris::Collator;
using noktaris::openCzech;

// The collation elements of some weight that the collator makes of the text: how
// many in all, and how many of them carry a primary weight (a letter) rather than
// only an accent's. nullopt on failure.
struct Elements {
    int all = 0;
    int primary = 0;
};

std::optional<Elements> elementsOf(UCollationElements* elements, const std::u16string& text)
{
    UErrorCode status = U_ZERO_ERROR;
    ucol_setText(elements, reinterpret_cast<const UChar*>(text.data()), int32_t(text.size()), &status);
    Elements count;
    for (int32_t e = ucol_next(elements, &status); U_SUCCESS(status) && e != UCOL_NULLORDER;
         e = ucol_next(elements, &status)) {
        count.all += e != 0;
        count.primary += ucol_primaryOrder(e) != 0;
    }
    return U_SUCCESS(status) ? std::optional<Elements>(count) : std::nullopt;
}

// Rank of each unit among all units by the collator of the given strength, equal
// units sharing their rank; ranks begin at `first`. Empty when they do not fit a byte.
std::vector<std::uint8_t> ranks(const std::vector<std::u16string>& units, UCollator* collator, int first)
{
    std::vector<std::size_t> order(units.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto compare = [&](std::size_t a, std::size_t b) {
        return ucol_strcoll(collator, reinterpret_cast<const UChar*>(units[a].data()), int32_t(units[a].size()),
                            reinterpret_cast<const UChar*>(units[b].data()), int32_t(units[b].size()));
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return compare(a, b) < 0; });
    std::vector<std::uint8_t> result(units.size());
    int rank = first;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && compare(order[i - 1], order[i]) != 0)
            ++rank;
        if (rank > 255)
            return {};
        result[order[i]] = std::uint8_t(rank);
    }
    return result;
}

struct Table {
    std::vector<std::u16string> units; // the last may be "ch"
    std::vector<std::uint8_t> primary; // 0: ignorable
    std::vector<std::uint8_t> secondary;
};

// The characters of the code page the table can stand for.
struct Candidate {
    std::u16string unit;
    bool weightless;
    int elements;
    bool joins = false;
};

std::vector<Candidate> candidatesOf(const Collator& czech, const Collator& primaryOnly, UCollationElements* elements)
{
    std::vector<Candidate> candidates;
    std::vector<bool> seen(0x10000, false);
    QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    for (int byte = 0; byte < 256; ++byte) {
        const QString decoded = decoder.decode(QByteArray(1, char(byte)));
        if (decoded.size() != 1 || seen[decoded[0].unicode()])
            continue;
        seen[decoded[0].unicode()] = true;
        const std::u16string unit(1, decoded[0].unicode());
        const auto uText = reinterpret_cast<const UChar*>(unit.data());
        const UChar none = 0;
        const bool weightless = ucol_strcoll(czech.get(), uText, 1, &none, 0) == UCOL_EQUAL;
        const bool primaryWeightless = ucol_strcoll(primaryOnly.get(), uText, 1, &none, 0) == UCOL_EQUAL;
        const auto count = elementsOf(elements, unit);
        // A character of several letters (ß, …), or one that weighs only as an
        // accent does, is left to the collator's own keys. A letter with accents
        // (á, ů) is one letter whose accents count only where all else is equal.
        if (!count || (!weightless && (primaryWeightless || count->primary != 1)))
            continue;
        candidates.push_back({unit, weightless, count->all});
    }
    return candidates;
}

// Two characters that the collator joins into something else than the two of
// them: Czech "ch" becomes a letter of its own; any other pair (such as "l·")
// leaves its second character to the collator's own keys. False when the
// collator could not be asked.
bool markJoins(std::vector<Candidate>& candidates, UCollationElements* elements)
{
    const auto isC = [](const std::u16string& u) { return u == u"c" || u == u"C"; };
    const auto isH = [](const std::u16string& u) { return u == u"h" || u == u"H"; };
    for (const Candidate& a : candidates) {
        for (Candidate& b : candidates) {
            if (a.weightless || b.weightless || (isC(a.unit) && isH(b.unit)))
                continue;
            const auto count = elementsOf(elements, a.unit + b.unit);
            if (!count)
                return false;
            if (count->all != a.elements + b.elements)
                b.joins = true;
        }
    }
    return true;
}

std::optional<Table> build()
{
    const Collator czech = openCzech(UCOL_SECONDARY);
    const Collator primaryOnly = openCzech(UCOL_PRIMARY);
    if (!czech || !primaryOnly)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCollationElements, void (*)(UCollationElements*)> elements(
        ucol_openElements(czech.get(), nullptr, 0, &status), ucol_closeElements);
    if (U_FAILURE(status))
        return std::nullopt;
    std::vector<Candidate> candidates = candidatesOf(czech, primaryOnly, elements.get());
    if (!markJoins(candidates, elements.get()))
        return std::nullopt;

    Table table;
    std::vector<bool> ignorable;
    for (const Candidate& c : candidates) {
        if (c.joins)
            continue;
        table.units.push_back(c.unit);
        ignorable.push_back(c.weightless);
    }
    if (const auto ch = elementsOf(elements.get(), u"ch"); ch && ch->all == 1) {
        table.units.push_back(u"ch");
        ignorable.push_back(false);
    }
    table.primary = ranks(table.units, primaryOnly.get(), 1);
    table.secondary = ranks(table.units, czech.get(), 1);
    if (table.primary.empty() || table.secondary.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < table.units.size(); ++i)
        if (ignorable[i])
            table.primary[i] = 0;
    return table;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    const std::optional<Table> table = build();
    if (!table) {
        std::fprintf(stderr, "%s: ICU's Czech collator could not be used\n", argv[0]);
        return 1;
    }
    QByteArray text =
        "// Made by noktaris_czech_ranks from ICU " U_ICU_VERSION ": {code unit, primary rank (0: ignorable),\n"
        "// secondary rank} of the Windows-1250 characters, then the letter \"ch\" (rank 0: none).\n"
        "inline constexpr CzechRank kCzechRanks[] = {\n";
    std::uint8_t chPrimary = 0, chSecondary = 0;
    for (std::size_t i = 0; i < table->units.size(); ++i) {
        if (table->units[i] == u"ch") {
            chPrimary = table->primary[i];
            chSecondary = table->secondary[i];
            continue;
        }
        text += "    {0x" + QByteArray::number(int(table->units[i][0]), 16).rightJustified(4, '0') + ", "
            + QByteArray::number(table->primary[i]) + ", " + QByteArray::number(table->secondary[i]) + "},\n";
    }
    text += "};\ninline constexpr CzechRank kCzechCh = {0x0063, " + QByteArray::number(chPrimary) + ", "
        + QByteArray::number(chSecondary) + "};\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
