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

using test::PrintTo;

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
    ::testing::Values(Instrument{"Reflector150mm25mmEyepiece", 150, 750, 25, 50, 1.5873_dec, 2.7_dec, "5", "30",
                                 "13,58", "11,78", "0,772", "238", "25", "2,1", "5", "1° 40' 0''", false},
                      // 375x against 238x; the seconds of 0,13333° round up to 60 and are not carried.
                      Instrument{"TwoMillimetreEyepieceOverMagnifies", 150, 750, 2, 50, 1.5873_dec, 2.7_dec, "5", "375",
                                 "13,58", "11,78", "0,772", "238", "25", "2,1", "0,4", "0° 7' 60''", true},
                      // 1000 / 16 = 62,5 rounds to the even 62; the field uses the unrounded 62,5.
                      Instrument{"ExactHalfMagnificationRoundsToEven", 100, 1000, 16, 50, 1.5873_dec, 2.7_dec, "10",
                                 "62", "12,7", "10,9", "1,158", "159", "17", "3,1", "1,6", "0° 48' 0''", false},
                      Instrument{"Reflector200mm10mmEyepiece", 200, 1000, 10, 68, 1.5873_dec, 2.7_dec, "5", "100",
                                 "14,21", "12,41", "0,579", "317", "33", "1,6", "2", "0° 40' 48''", false},
                      // D k1 equal to the magnification is no warning.
                      Instrument{"MaxUsefulEqualsTheMagnification", 100, 1500, 10, 50, 1.5_dec, 2.7_dec, "15", "150",
                                 "12,7", "10,9", "1,158", "150", "17", "3,1", "0,67", "0° 19' 60''", false},
                      // Without config.ini the constants count as 0: every magnification is too much.
                      Instrument{"ConstantsMissing", 150, 750, 25, 50, 0, 0, "5", "30", "10,88", "9,08", "0,772", "0",
                                 "25", "2,1", "5", "1° 40' 0''", true}),
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
        {"LimitOfNoAperture", [] { return theoreticalLimit(0, 2.7_dec); }, CalcFailure::Kind::DivisionByZero},
        {"LimitOfANegativeAperture", [] { return theoreticalLimit(-150, 2.7_dec); },
         CalcFailure::Kind::InvalidOperation},
        {"PupilOfNothing", [] { return exitPupil(0, 0, 0); }, CalcFailure::Kind::DivisionByZero},
        {"FieldOfNoTelescope", [] { return trueField(25, 50, 0); }, CalcFailure::Kind::DivisionByZero},
        {"MaxUsefulBeyondTheWholeRange", [] { return maxUsefulMagnification(1e30_dec, 1.5873_dec); },
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

// The extended-mode windows' formulas, one row per worked example or hand-computed
// case, as the windows print them; "fails" marks a value that cannot be computed.
TEST(ExtendedWindowFormulas, PrintAsTheWindowsShowThem)
{
    const auto text = [](Real v) { return formatNumber(v); };
    struct Row {
        const char* name;
        std::function<QString()> compute;
        const char* shown;
    };
    const Row rows[] = {
        {"RatioToOneDecimal", [&] { return text(focalRatioTenth(1000, 100)); }, "10"},
        {"RatioToOneDecimalHalfToEven", [&] { return text(focalRatioTenth(1125, 100)); }, "11,2"},
        {"PupilToFourDecimals", [&] { return text(exitPupilFine(25, 100, 1000)); }, "2,5"},
        {"PupilOfAThirdOfAMillimetre", [&] { return text(exitPupilFine(10, 100, 3000)); }, "0,3333"},
        {"LimitUnobstructed", [&] { return text(obstructedLimit(100, 0, 7.5_dec, 6.5_dec)); }, "12,12"},
        {"LimitThirtyPerCentObstructed", [&] { return text(obstructedLimit(100, 30, 7.5_dec, 6.5_dec)); }, "12,02"},
        {"LimitTwoHundredMillimetresFivePupil", [&] { return text(obstructedLimit(200, 25, 5, 6)); }, "13,94"},
        {"LimitWhollyObstructed", [&] { return text(obstructedLimit(100, 100, 7.5_dec, 6.5_dec)); }, "fails"},
        {"LimitMoreThanObstructed", [&] { return text(obstructedLimit(100, 150, 7.5_dec, 6.5_dec)); }, "fails"},
        {"LimitOfNoAperture", [&] { return text(obstructedLimit(0, 0, 7.5_dec, 6.5_dec)); }, "fails"},
        {"LimitOfNoPupil", [&] { return text(obstructedLimit(100, 0, 0, 6.5_dec)); }, "fails"},
        {"LightGrasp", [&] { return text(lightGrasp(100, 7.5_dec)); }, "177,78"},
        {"LightGraspOfNoPupil", [&] { return text(lightGrasp(100, 0)); }, "fails"},
        {"LightGraspBeyondTheRange", [&] { return text(lightGrasp(1e4000_dec, 1e-4000_dec)); }, "fails"},
        {"AiryAngular", [&] { return text(airyAngular(590, 100)); }, "2,97"},
        {"AiryAngularBlue", [&] { return text(airyAngular(470, 200)); }, "1,18"},
        {"AiryLinear", [&] { return text(airyLinear(10, 590)); }, "0,0144"},
        {"DepthTheoretical", [&] { return text(depthOfFocusTheoretical(10, 590)); }, "0,288"},
        {"DepthPractical", [&] { return text(depthOfFocusPractical(10, 590)); }, "0,864"},
        {"DepthPracticalAtFive", [&] { return text(depthOfFocusPractical(5, 410)); }, "0,15"},
        {"AiryOfNoAperture", [&] { return text(airyAngular(590, 0)); }, "fails"},
        {"TelescopeRatio", [&] { return ratioText(ratioHundredth(1000, 100)); }, "Světelnost: 10"},
        // 227300 / 200 is exactly 1136,5.
        {"TelescopeRatioHalfToEven", [&] { return ratioText(ratioHundredth(2273, 200)); }, "Světelnost: 11,36"},
        {"TelescopeRatioOfNoFocalLength", [&] { return ratioText(ratioHundredth(0, 100)); }, "Světelnost:"},
        {"TelescopeRatioBelowAHalfHundredth", [&] { return ratioText(ratioHundredth(0.4_dec, 100)); }, "Světelnost:"},
        {"TelescopeRatioOfAHundredth", [&] { return ratioText(ratioHundredth(0.6_dec, 100)); }, "Světelnost: 0,01"},
        {"AfocalRatio", [&] { return ratioText(afocalRatio(100, 1000, 25, 50)); }, "Světelnost: 20"},
        // 2^31 squared does not overflow.
        {"AfocalRatioOfHugeWholeNumbers",
         [&] { return ratioText(afocalRatio(2147483648LL, Real(2147483648LL) * 2147483648LL, 2147483648LL, 1)); },
         "Světelnost: 1"},
        {"AfocalRatioOfNoEyepiece", [&] { return ratioText(afocalRatio(100, 1000, 0, 50)); }, "fails"},
        {"AfocalFromMagnification", [&] { return ratioText(afocalRatioFromMagnification(40, 100, 50)); },
         "Světelnost: 20"},
        {"DoubleStarTwoSeconds", [&] { return text(doubleStarMagnification(2, 0)); }, "160"},
        {"DoubleStarOneMagnitudeApart", [&] { return text(doubleStarMagnification(1, 1)); }, "416"},
        {"DoubleStarHalfASecond", [&] { return text(doubleStarMagnification(0.5_dec, 0)); }, "640"},
        {"DoubleStarNoSeparation", [&] { return text(doubleStarMagnification(0, 0)); }, "fails"},
    };
    for (const Row& row : rows) {
        QString shown;
        try {
            shown = row.compute();
        } catch (const CalcFailure&) {
            shown = QStringLiteral("fails");
        }
        EXPECT_EQ(shown, QString::fromUtf8(row.shown)) << row.name;
    }
}

TEST(ExtendedWindowFormulas, OpticsQualitiesInListOrder)
{
    const char* names[] = {"Kvalitní optika", "Průměrná optika", "Podprůměrná optika"};
    const char* maxima[] = {"250", "159", "120"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(kOpticsQualities[i].name, names[i]);
        EXPECT_EQ(formatNumber(maxUsefulMagnification(100, kOpticsQualities[i].factor)), maxima[i]);
    }
}

} // namespace
} // namespace noktaris
