// The update check's versions: the program's own from its version text, and
// whether the first line of the published version file offers a newer one.
#include "app/versions.h"

#include <gtest/gtest.h>

namespace noktaris::update {
namespace {

TEST(UpdateVersions, OwnVersionIsItsFirstTwoNumbers)
{
    const struct {
        const char* text;
        int major, minor;
    } rows[] = {
        {"1.4.0.0", 1, 4}, {"2.10.3.1", 2, 10},  {"1.4", 1, 4},     {"", 0, 0},
        {"1", 0, 0},       {"beta.4.0.0", 0, 0}, {"1.x.0.0", 0, 0}, {"-1.4.0.0", 0, 0},
    };
    for (const auto& row : rows) {
        const Version v = ownVersion(QString::fromLatin1(row.text));
        EXPECT_EQ(v.major, row.major) << row.text;
        EXPECT_EQ(v.minor, row.minor) << row.text;
    }
}

TEST(UpdateVersions, OnlyANewerPublishedVersionIsOffered)
{
    const struct {
        const char* line;
        Version own;
        bool offered;
    } rows[] = {
        {"1.5", {1, 4}, true},
        {"2.0", {1, 4}, true},
        {"9.9", {1, 4}, true},
        {"1.4", {1, 4}, false},
        {"1.3", {1, 4}, false},
        {"0.9", {1, 4}, false},
        {"1.10", {1, 4}, false}, // read as 1.1: versions of two digits cannot be said
        {"1.5 beta", {1, 4}, true},
        {"1-5", {1, 4}, true}, // the separator is not read
        {"2", {1, 4}, false},
        {"", {1, 4}, false},
        {"2.", {1, 4}, false},
        {"v1.5", {1, 4}, false},
        {"2.x", {1, 4}, false},
        {" 1.5", {1, 4}, false},
        {"\xEF\xBB\xBF"
         "1.5",
         {1, 4},
         false}, // a byte-order mark before the digits
        {"0.1", {0, 0}, true},
        {"1.0", {0, 0}, true},
        {"0.0", {0, 0}, false}, // an unreadable own version
    };
    for (const auto& row : rows)
        EXPECT_EQ(offersUpdate(QByteArray(row.line), row.own), row.offered)
            << row.line << " against " << row.own.major << "." << row.own.minor;
}

} // namespace
} // namespace noktaris::update
