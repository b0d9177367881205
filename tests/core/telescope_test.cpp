// The visual quantities of a telescope with an eyepiece, one row per set-up, each
// value as the group prints it. The first rows are the worked examples of the
// telescope group; the others were computed by hand.
#include "optics/telescope.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <functional>

namespace noktaris {
namespace {

using namespace telescope;

struct Instrument {
    const char* name;
    Real D, F, f, u, k1, k2;
    const char *ratio, *magnification, *theoretical, *practical, *resolving, *maxUseful, *minUseful, *moon, *pupil,
        *field;
    bool overMagnified;
};

void PrintTo(const Instrument& row, std::ostream* os) { *os << row.name; }

class TelescopeFormulas : public ::testing::TestWithParam<Instrument> {};

TEST_P(TelescopeFormulas, PrintAsTheGroupShowsThem)
{
    const Instrument& s = GetParam();
    const auto text = [](Real value) { return formatNumber(value).toStdString(); };
    const Real M = magnification(s.F, s.f);
    const Real mt = theoreticalLimit(s.D, s.k2);
    EXPECT_EQ(text(focalRatio(s.F, s.D)), s.ratio);
    EXPECT_EQ(text(M), s.magnification);
    EXPECT_EQ(text(mt), s.theoretical);
    EXPECT_EQ(text(practicalLimit(mt)), s.practical);
    EXPECT_EQ(text(resolvingPower(s.D)), s.resolving);
    EXPECT_EQ(text(maxUsefulMagnification(s.D, s.k1)), s.maxUseful);
    EXPECT_EQ(text(minUsefulMagnification(s.D)), s.minUseful);
    EXPECT_EQ(text(moonDetail(s.D)), s.moon);
    EXPECT_EQ(text(exitPupil(s.f, s.D, s.F)), s.pupil);
    EXPECT_EQ(angleText(trueField(s.f, s.u, s.F)).toStdString(), s.field);
    EXPECT_EQ(exceedsMaxUseful(M, s.D, s.k1), s.overMagnified);
}

INSTANTIATE_TEST_SUITE_P(
    Telescope, TelescopeFormulas,
    ::testing::Values(
        Instrument{"Reflector150mm25mmEyepiece", 150, 750, 25, 50, 1.5873L, 2.7L, "5", "30", "13,58", "11,78", "0,772",
              "238", "25", "2,1", "5", "1° 40' 0''", false},
        // 375x against 238x; the seconds of 0,13333° round up to 60 and are not carried.
        Instrument{"TwoMillimetreEyepieceOverMagnifies", 150, 750, 2, 50, 1.5873L, 2.7L, "5", "375", "13,58", "11,78",
              "0,772", "238", "25", "2,1", "0,4", "0° 7' 60''", true},
        // 1000 / 16 = 62,5 rounds to the even 62; the field uses the unrounded 62,5.
        Instrument{"ExactHalfMagnificationRoundsToEven", 100, 1000, 16, 50, 1.5873L, 2.7L, "10", "62", "12,7", "10,9",
              "1,158", "159", "17", "3,1", "1,6", "0° 48' 0''", false},
        Instrument{"Reflector200mm10mmEyepiece", 200, 1000, 10, 68, 1.5873L, 2.7L, "5", "100", "14,21", "12,41", "0,579",
              "317", "33", "1,6", "2", "0° 40' 48''", false},
        // D k1 equal to the magnification is no warning.
        Instrument{"MaxUsefulEqualsTheMagnification", 100, 1500, 10, 50, 1.5L, 2.7L, "15", "150", "12,7", "10,9",
              "1,158", "150", "17", "3,1", "0,67", "0° 19' 60''", false},
        // Without config.ini the constants count as 0: every magnification is too much.
        Instrument{"ConstantsMissing", 150, 750, 25, 50, 0, 0, "5", "30", "10,88", "9,08", "0,772", "0", "25", "2,1",
              "5", "1° 40' 0''", true}),
    test::RowName());

TEST(TelescopeFormulas, FailuresOfTheirOwnKind)
{
    struct Row {
        const char* name;
        std::function<Real()> compute;
        CalcFailure::Kind kind;
    };
    const Row rows[] = {
        {"FocalRatioOfNoAperture", [] { return focalRatio(750, 0); }, CalcFailure::Kind::DivisionByZero},
        {"MagnificationOfNoEyepiece", [] { return magnification(750, 0); }, CalcFailure::Kind::DivisionByZero},
        {"LimitOfNoAperture", [] { return theoreticalLimit(0, 2.7L); }, CalcFailure::Kind::DivisionByZero},
        {"LimitOfANegativeAperture", [] { return theoreticalLimit(-150, 2.7L); }, CalcFailure::Kind::InvalidOperation},
        {"PupilOfNothing", [] { return exitPupil(0, 0, 0); }, CalcFailure::Kind::DivisionByZero},
        {"FieldOfNoTelescope", [] { return trueField(25, 50, 0); }, CalcFailure::Kind::DivisionByZero},
        {"MaxUsefulBeyondTheWholeRange", [] { return maxUsefulMagnification(1e30L, 1.5873L); },
         CalcFailure::Kind::InvalidOperation},
    };
    for (const Row& row : rows) {
        try {
            row.compute();
            ADD_FAILURE() << row.name << " computed";
        } catch (const CalcFailure& failure) {
            EXPECT_EQ(failure.kind(), row.kind) << row.name;
        }
    }
}

} // namespace
} // namespace noktaris
