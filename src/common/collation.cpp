#include "common/collation.h"

#include "common/text8bit.h"

#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace noktaris {

namespace {

struct CollatorDeleter {
    void operator()(UCollator* c) const { ucol_close(c); }
};
using Collator = std::unique_ptr<UCollator, CollatorDeleter>;

// Czech rules: at the secondary strength accents count and letter case does not.
// The names come from Windows-1250 text, whose letters are all precomposed, so the
// collator need not normalise them first.
Collator openCzech(UColAttributeValue strength)
{
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open("cs_CZ", &status));
    if (U_FAILURE(status))
        return nullptr;
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_OFF, &status);
    ucol_setAttribute(collator.get(), UCOL_STRENGTH, strength, &status);
    ucol_setAttribute(collator.get(), UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(collator.get(), UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    return U_FAILURE(status) ? nullptr : std::move(collator);
}

// An empty name comes before every other, even one of characters that weigh
// nothing: the first byte of every other key.
constexpr char kNonEmpty = '\x01';

UCollator* czech()
{
    static const Collator collator = openCzech(UCOL_SECONDARY);
    return collator.get();
}

// The collator's sort key of every name, one after the other in one buffer.
std::string icuKeys(const QStringList& names, std::vector<std::size_t>& offsets)
{
    std::string keys;
    keys.reserve(std::size_t(names.size()) * 32);
    for (const QString& name : names) {
        offsets.push_back(keys.size());
        if (name.isEmpty())
            continue;
        keys += kNonEmpty;
        const std::size_t at = keys.size();
        const auto* text = reinterpret_cast<const UChar*>(name.utf16());
        keys.resize(at + 64);
        int32_t length = ucol_getSortKey(czech(), text, int32_t(name.size()),
                                         reinterpret_cast<uint8_t*>(keys.data() + at), 64);
        if (length > 64) {
            keys.resize(at + std::size_t(length));
            length = ucol_getSortKey(czech(), text, int32_t(name.size()),
                                     reinterpret_cast<uint8_t*>(keys.data() + at), length);
        }
        keys.resize(at + std::size_t(std::max(length, 1) - 1)); // without the closing zero
    }
    offsets.push_back(keys.size());
    return keys;
}

// A much cheaper key for names made only of Windows-1250 characters that the
// collator maps to one collation element each (and the Czech "ch"), which is what
// catalogue names are made of. Each character's weights are replaced by its rank
// among those characters, found once with the collator itself: the primary ranks
// of the name, a zero, then the secondary ranks. Compared as bytes, such keys give
// the collator's order, as the collator's own keys would.
class RankKeys {
public:
    static const RankKeys* instance()
    {
        static const std::unique_ptr<RankKeys> table = build();
        return table.get();
    }

    // false when the name holds a character the table does not cover.
    bool append(const QString& name, std::string& keys, std::string& secondary) const
    {
        const std::size_t start = keys.size();
        if (name.isEmpty())
            return true;
        keys += kNonEmpty;
        secondary.clear();
        const qsizetype n = name.size();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = name[i].unicode();
            int unit = unitOf_[c];
            if (unit == kNone) {
                keys.resize(start);
                return false;
            }
            if (chUnit_ != kNone && (c == u'c' || c == u'C') && i + 1 < n
                && (name[i + 1] == u'h' || name[i + 1] == u'H')) {
                unit = chUnit_;
                ++i;
            }
            if (primary_[std::size_t(unit)] == 0)
                continue; // ignorable
            keys += char(primary_[std::size_t(unit)]);
            secondary += char(secondary_[std::size_t(unit)]);
        }
        keys += '\0';
        keys += secondary;
        return true;
    }

private:
    static constexpr int kNone = 0xFFFF;

    static std::unique_ptr<RankKeys> build();

    // Code unit -> index of its unit, kNone when not covered.
    std::vector<std::uint16_t> unitOf_ = std::vector<std::uint16_t>(0x10000, kNone);
    std::vector<std::uint8_t> primary_;   // 0: ignorable
    std::vector<std::uint8_t> secondary_;
    int chUnit_ = kNone;
};

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

std::unique_ptr<RankKeys> RankKeys::build()
{
    const Collator primaryOnly = openCzech(UCOL_PRIMARY);
    if (!czech() || !primaryOnly)
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCollationElements, void (*)(UCollationElements*)> elements(
        ucol_openElements(czech(), nullptr, 0, &status), ucol_closeElements);
    if (U_FAILURE(status))
        return nullptr;

    // The characters of the code page the table can stand for.
    struct Candidate {
        std::u16string unit;
        bool weightless;
        int elements;
        bool joins = false;
    };
    std::vector<Candidate> candidates;
    std::vector<bool> seen(0x10000, false);
    for (int byte = 0; byte < 256; ++byte) {
        const QString decoded = fromCp1250(QByteArray(1, char(byte)));
        if (decoded.size() != 1 || seen[decoded[0].unicode()])
            continue;
        seen[decoded[0].unicode()] = true;
        const std::u16string unit(1, decoded[0].unicode());
        const auto uText = reinterpret_cast<const UChar*>(unit.data());
        const UChar none = 0;
        const bool weightless = ucol_strcoll(czech(), uText, 1, &none, 0) == UCOL_EQUAL;
        const bool primaryWeightless = ucol_strcoll(primaryOnly.get(), uText, 1, &none, 0) == UCOL_EQUAL;
        const auto count = elementsOf(elements.get(), unit);
        // A character of several letters (ß, …), or one that weighs only as an
        // accent does, is left to the collator's own keys. A letter with accents
        // (á, ů) is one letter whose accents count only where all else is equal.
        if (!count || (!weightless && (primaryWeightless || count->primary != 1)))
            continue;
        candidates.push_back({unit, weightless, count->all});
    }
    // Two characters that the collator joins into something else than the two of
    // them: Czech "ch" becomes a letter of its own; any other pair (such as "l·")
    // leaves its second character to the collator's own keys.
    const auto isC = [](const std::u16string& u) { return u == u"c" || u == u"C"; };
    const auto isH = [](const std::u16string& u) { return u == u"h" || u == u"H"; };
    for (const Candidate& a : candidates) {
        for (Candidate& b : candidates) {
            if (a.weightless || b.weightless || (isC(a.unit) && isH(b.unit)))
                continue;
            const auto count = elementsOf(elements.get(), a.unit + b.unit);
            if (!count)
                return nullptr;
            if (count->all != a.elements + b.elements)
                b.joins = true;
        }
    }

    auto table = std::make_unique<RankKeys>();
    std::vector<std::u16string> units;
    std::vector<bool> ignorable;
    for (const Candidate& c : candidates) {
        if (c.joins)
            continue;
        table->unitOf_[c.unit[0]] = std::uint16_t(units.size());
        units.push_back(c.unit);
        ignorable.push_back(c.weightless);
    }
    if (const auto ch = elementsOf(elements.get(), u"ch"); ch && ch->all == 1) {
        table->chUnit_ = int(units.size());
        units.push_back(u"ch");
        ignorable.push_back(false);
    }

    table->primary_ = ranks(units, primaryOnly.get(), 1);
    table->secondary_ = ranks(units, czech(), 1);
    if (table->primary_.empty() || table->secondary_.empty())
        return nullptr;
    for (std::size_t i = 0; i < units.size(); ++i)
        if (ignorable[i])
            table->primary_[i] = 0;
    return table;
}

// Names whose sorting is worth building the rank table for.
constexpr qsizetype kManyNames = 200;

} // namespace

void sortNames(QStringList& names)
{
    if (!czech() || names.size() < 2)
        return;
    std::vector<std::size_t> offsets;
    offsets.reserve(std::size_t(names.size()) + 1);
    std::string keys;
    const RankKeys* rankKeys = names.size() >= kManyNames ? RankKeys::instance() : nullptr;
    if (rankKeys) {
        keys.reserve(std::size_t(names.size()) * 40);
        std::string secondary;
        for (const QString& name : std::as_const(names)) {
            offsets.push_back(keys.size());
            if (!rankKeys->append(name, keys, secondary)) {
                rankKeys = nullptr;
                break;
            }
        }
        offsets.push_back(keys.size());
    }
    if (!rankKeys) {
        offsets.clear();
        keys = icuKeys(names, offsets);
    }
    const auto key = [&](std::size_t i) {
        return std::string_view(keys.data() + offsets[i], offsets[i + 1] - offsets[i]);
    };
    // Keys compared as bytes give the collator's order, far cheaper than collating
    // each pair the sort looks at; equal names keep the order they came in.
    std::vector<std::size_t> order(std::size_t(names.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    QStringList sorted;
    sorted.reserve(names.size());
    QString* unsorted = names.data();
    for (const std::size_t i : order)
        sorted.append(std::move(unsorted[i]));
    names = std::move(sorted);
}

} // namespace noktaris
