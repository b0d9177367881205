#include "common/collation.h"

#include "common/czech_collator.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace noktaris {

namespace {

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
        int32_t length =
            ucol_getSortKey(czech(), text, int32_t(name.size()), reinterpret_cast<uint8_t*>(keys.data() + at), 64);
        if (length > 64) {
            keys.resize(at + std::size_t(length));
            length = ucol_getSortKey(czech(), text, int32_t(name.size()), reinterpret_cast<uint8_t*>(keys.data() + at),
                                     length);
        }
        keys.resize(at + std::size_t(std::max(length, 1) - 1)); // without the closing zero
    }
    offsets.push_back(keys.size());
    return keys;
}

// A much cheaper key for names made only of Windows-1250 characters that the
// collator maps to one collation element each (and the Czech "ch"), which is what
// catalogue names are made of. Each character's weights are replaced by its rank
// among those characters, found with the collator itself when the program was
// built (czech_ranks_tool.cpp): the primary ranks of the name, a zero, then the
// secondary ranks. Compared as bytes, such keys give the collator's order, as the
// collator's own keys would, and the collator is not even opened.
struct CzechRank {
    char16_t unit;
    std::uint8_t primary; // 0: ignorable
    std::uint8_t secondary;
};
#include "common/czech_ranks.inc"

class RankKeys {
public:
    static const RankKeys& instance()
    {
        static const RankKeys table;
        return table;
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

    RankKeys()
    {
        for (const CzechRank& rank : kCzechRanks) {
            unitOf_[rank.unit] = std::uint16_t(primary_.size());
            primary_.push_back(rank.primary);
            secondary_.push_back(rank.secondary);
        }
        if (kCzechCh.primary != 0) {
            chUnit_ = int(primary_.size());
            primary_.push_back(kCzechCh.primary);
            secondary_.push_back(kCzechCh.secondary);
        }
    }

    // Code unit -> index of its unit, kNone when not covered.
    std::vector<std::uint16_t> unitOf_ = std::vector<std::uint16_t>(0x10000, kNone);
    std::vector<std::uint8_t> primary_;
    std::vector<std::uint8_t> secondary_;
    int chUnit_ = kNone;
};

} // namespace

void sortNames(QStringList& names)
{
    if (names.size() < 2)
        return;
    std::vector<std::size_t> offsets;
    offsets.reserve(std::size_t(names.size()) + 1);
    std::string keys;
    keys.reserve(std::size_t(names.size()) * 40);
    std::string secondary;
    bool covered = true;
    for (const QString& name : std::as_const(names)) {
        offsets.push_back(keys.size());
        if (!RankKeys::instance().append(name, keys, secondary)) {
            covered = false;
            break;
        }
    }
    offsets.push_back(keys.size());
    if (!covered) {
        // A character the table does not stand for: the collator's own keys.
        if (!czech())
            return;
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
