// The free-memory text of the status lines: kilobytes in the general number form
// and the free share rounded half to even.
#include "app/memory_text.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace noktaris {
namespace {

constexpr std::uint64_t kB = 1024;
constexpr std::uint64_t GiB = 1024 * 1024 * 1024;

using test::PrintTo;

struct MemoryRow {
    const char* name;
    std::uint64_t freeBytes;
    std::uint64_t totalBytes;
    const char* expected;
};

class MemoryText : public ::testing::TestWithParam<MemoryRow> {};

TEST_P(MemoryText, ShowsKilobytesAndShare)
{
    EXPECT_EQ(memoryText(GetParam().freeBytes, GetParam().totalBytes).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    StatusLine, MemoryText,
    ::testing::Values(
        MemoryRow{"HalfFree", 524288 * kB, 1048576 * kB, " Noktaris 1.4 - Volná paměť: 524288kB (50%)"},
        MemoryRow{"ExactHalfPercentDownToEven", 128 * kB, 1024 * kB, " Noktaris 1.4 - Volná paměť: 128kB (12%)"},
        MemoryRow{"ExactHalfPercentUpToEven", 135 * kB, 1000 * kB, " Noktaris 1.4 - Volná paměť: 135kB (14%)"},
        MemoryRow{"PercentRoundedDown", 1 * kB, 3 * kB, " Noktaris 1.4 - Volná paměť: 1kB (33%)"},
        MemoryRow{"PercentRoundedUp", 2 * kB, 3 * kB, " Noktaris 1.4 - Volná paměť: 2kB (67%)"},
        MemoryRow{"FractionalKilobytes", 1536, 3 * kB, " Noktaris 1.4 - Volná paměť: 1,5kB (50%)"},
        MemoryRow{"ManyDecimalKilobytes", 1000, 100 * kB, " Noktaris 1.4 - Volná paměť: 0,9765625kB (1%)"},
        MemoryRow{"NothingFree", 0, 1048576 * kB, " Noktaris 1.4 - Volná paměť: 0kB (0%)"},
        MemoryRow{"AllFree", 4096 * kB, 4096 * kB, " Noktaris 1.4 - Volná paměť: 4096kB (100%)"},
        MemoryRow{"NoTotalStopsAfterParenthesis", 524288 * kB, 0, " Noktaris 1.4 - Volná paměť: 524288kB ("},
        MemoryRow{"NothingAtAll", 0, 0, " Noktaris 1.4 - Volná paměť: 0kB ("},
        MemoryRow{"BeyondFourGiB", 6 * GiB, 16 * GiB, " Noktaris 1.4 - Volná paměť: 6291456kB (38%)"},
        MemoryRow{"BeyondFourGiBFreeAndTotal", 5 * GiB + 512, 8 * GiB,
                  " Noktaris 1.4 - Volná paměť: 5242880,5kB (63%)"},
        MemoryRow{"Terabytes", 1024 * GiB, 2048 * GiB, " Noktaris 1.4 - Volná paměť: 1073741824kB (50%)"}),
    test::RowName());

} // namespace
} // namespace noktaris
