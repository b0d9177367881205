// Exposure formulas, the exposure display rule with its shutter-speed table, and
// the declination, trail and point-exposure formulas.
#include "photo/exposure.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace noktaris {
namespace {

std::string text(const std::optional<QString>& t) { return t ? t->toStdString() : "(none)"; }

TEST(ShutterTable, EachBoundBelongsToTheFasterRowExceptOneAndAHalf)
{
    const struct {
        Real ts;
        const char* expected;
    } rows[] = {
        {0, "(none)"},
        {-1, "(none)"},
        {1e-9_dec, "Doporučená expozice: 1/2000 sec"},
        {0.00075_dec, "Doporučená expozice: 1/2000 sec"},
        {0.00075001_dec, "Doporučená expozice: 1/1000 sec"},
        {0.0015_dec, "Doporučená expozice: 1/1000 sec"},
        {0.003_dec, "Doporučená expozice: 1/500 sec"},
        {0.006_dec, "Doporučená expozice: 1/250 sec"},
        {0.012333_dec, "Doporučená expozice: 1/125 sec"},
        {0.0123331_dec, "Doporučená expozice: 1/60 sec"},
        {0.025_dec, "Doporučená expozice: 1/60 sec"},
        {0.05_dec, "Doporučená expozice: 1/30 sec"},
        {0.09583333_dec, "Doporučená expozice: 1/15 sec"},
        {0.09583334_dec, "Doporučená expozice: 1/8 sec"},
        {0.1875_dec, "Doporučená expozice: 1/8 sec"},
        {0.375_dec, "Doporučená expozice: 1/4 sec"},
        {0.75_dec, "Doporučená expozice: 1/2 sec"},
        {0.7500001_dec, "Doporučená expozice: 1 sec"},
        {1.4999999_dec, "Doporučená expozice: 1 sec"},
        {1.5_dec, "Doporučená expozice: B (popř. T)"},
        {100000, "Doporučená expozice: B (popř. T)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(text(exposure::shutterText(row.ts)), row.expected) << row.ts;
}

TEST(DisplayRule, SecondsOrHoursMinutesSeconds)
{
    const struct {
        Real seconds;
        const char* exposure;
        const char* recommendation;
    } rows[] = {
        {0.01_dec, "Expoziční čas: 0,01 sec", "Doporučená expozice: 1/125 sec"},
        {1.28_dec, "Expoziční čas: 1,28 sec", "Doporučená expozice: 1 sec"},
        {1.4_dec, "Expoziční čas: 1,4 sec", "Doporučená expozice: 1 sec"},
        {1.6_dec, "Expoziční čas: 0 hod 0 min 2 sec ", "Doporučená expozice: B (popř. T)"},
        {2.6_dec, "Expoziční čas: 0 hod 0 min 3 sec ", "Doporučená expozice: B (popř. T)"},
        // A seconds part that rounds to 0 or 1 is shown in seconds, however long.
        {3600, "Expoziční čas: 3600 sec", "Doporučená expozice: B (popř. T)"},
        {7200.9_dec, "Expoziční čas: 7200,9 sec", "Doporučená expozice: B (popř. T)"},
        {3725, "Expoziční čas: 1 hod 2 min 5 sec ", "Doporučená expozice: B (popř. T)"},
        // Seconds are rounded on their own and never carried into the minutes.
        {59.7_dec, "Expoziční čas: 0 hod 0 min 60 sec ", "Doporučená expozice: B (popř. T)"},
        {0.123456789_dec, "Expoziční čas: 0,1234568 sec", "Doporučená expozice: 1/8 sec"},
        {0.00005_dec, "Expoziční čas: 5E-5 sec", "Doporučená expozice: 1/2000 sec"},
        {0.75_dec, "Expoziční čas: 0,75 sec", "Doporučená expozice: 1/2 sec"},
        {0.012333_dec, "Expoziční čas: 0,012333 sec", "Doporučená expozice: 1/125 sec"},
        {0, "Expoziční čas: 0 sec", "(none)"},
    };
    for (const auto& row : rows) {
        const exposure::Shown shown = exposure::display(row.seconds / 3600);
        EXPECT_EQ(shown.exposure.toStdString(), row.exposure) << row.seconds;
        EXPECT_EQ(text(shown.recommendation), row.recommendation) << row.seconds;
    }
    EXPECT_THROW(exposure::display(1e30_dec), CalcFailure);
}

TEST(ExposureFormulas, SetUpsAndCorrections)
{
    using namespace exposure;
    EXPECT_EQ(formatNumber(secondsForRatio(8, 100, 0.5_dec)).toStdString(), "1,28");
    EXPECT_EQ(formatNumber(secondsForRatio(divide(750, 150), 100, 1)).toStdString(), "0,25");
    EXPECT_EQ(formatNumber(afocalRatio(100, 1000, 50, 25)).toStdString(), "20");
    EXPECT_EQ(formatNumber(shownRatio(afocalRatio(150, 750, 50, 9))).toStdString(), "27,778");
    // Filter factor 2 and reciprocity 0,9 on 0,16 s.
    EXPECT_EQ(formatNumber(roundTo(corrected(0.16_dec, 2, 0.9_dec), 7)).toStdString(), "0,3613539");
    EXPECT_EQ(formatNumber(corrected(0.16_dec, 1, 1)).toStdString(), "0,16");
    EXPECT_THROW(secondsForRatio(0, 0, 1), CalcFailure);  // 0 / 0
    EXPECT_THROW(corrected(1, 1, 0), CalcFailure);        // 1 / p
    EXPECT_THROW(corrected(-3, 1, 0.9_dec), CalcFailure); // a power of a negative base
}

TEST(Declination, SignBelongsToTheDegreesAlone)
{
    using namespace declination;
    EXPECT_EQ(degrees(-10, 30, 0), -9.5_dec);
    EXPECT_EQ(degrees(89, 60, 0), 90);
    EXPECT_EQ(range(degrees(89, 60, 0)), Range::Pole);
    EXPECT_EQ(range(degrees(-90, 0, 0)), Range::Pole);
    EXPECT_EQ(range(degrees(90, 1, 0)), Range::Outside);
    EXPECT_EQ(range(degrees(-91, 0, 0)), Range::Outside);
    EXPECT_EQ(range(degrees(89, 59, 59)), Range::Inside);
}

TEST(Declination, PartsGiveTheRangeAndTheCosine)
{
    struct Row {
        Real Dg, Mn, Sc;
        declination::Range range;
        const char* cosine; // to 6 decimals
    };
    using declination::Range;
    const Row rows[] = {
        {0, 0, 0, Range::Inside, "1"},           {60, 0, 0, Range::Inside, "0,5"},
        {-10, 30, 0, Range::Inside, "0,986286"}, // -9,5°
        {89, 60, 0, Range::Pole, "0"},           {-90, 0, 0, Range::Pole, "0"},
        {90, 0, 1, Range::Outside, "-5E-6"},
    };
    for (const Row& row : rows) {
        const declination::Declination d = declination::fromParts(row.Dg, row.Mn, row.Sc);
        EXPECT_EQ(d.range, row.range) << row.Dg << " " << row.Mn << " " << row.Sc;
        EXPECT_EQ(formatNumber(roundTo(d.cosDelta, 6)).toStdString(), row.cosine) << row.Dg;
    }
}

TEST(ExposureFormulas, SecondsToHours)
{
    EXPECT_EQ(exposure::toHours(7200), 2);
    EXPECT_EQ(formatNumber(exposure::toHours(1)).toStdString(), "0,000277777777777778");
    EXPECT_EQ(exposure::hoursText(exposure::toHours(5400)).toStdString(), "Expoziční čas: 1 hod 30 min 0 sec");
}

// The relative brightness of a surface brightness m, to three decimals; "fails"
// for a value beyond the range of the rounding.
TEST(ExposureFormulas, RelativeBrightness)
{
    const struct {
        Real m;
        const char* shown;
    } rows[] = {{9.5_dec, "1"}, {0, "6309,573"},     {-5, "630957,344"},  {14.5_dec, "0,01"},           {20, "0"},
                {22, "0"},      {-0.5_dec, "10000"}, {3.7_dec, "208,93"}, {-30, "6,30957344480193E15"}, {-40, "fails"}};
    for (const auto& row : rows) {
        QString shown;
        try {
            shown = formatNumber(exposure::relativeBrightness(row.m));
        } catch (const CalcFailure&) {
            shown = QStringLiteral("fails");
        }
        EXPECT_EQ(shown.toStdString(), row.shown) << row.m;
    }
}

TEST(Declination, TrailAndPointExposure)
{
    using namespace declination;
    EXPECT_EQ(formatNumber(trailLength(50, 60, cosine(0))).toStdString(), "0,22");
    EXPECT_EQ(formatNumber(trailLength(50, 60, cosine(60))).toStdString(), "0,11");
    EXPECT_EQ(formatNumber(trailLength(-50, 60, cosine(0))).toStdString(), "-0,22");
    EXPECT_EQ(exposure::hoursText(pointExposure(1000, 50, cosine(0)) / 3600).toStdString(),
              "Expoziční čas: 0 hod 0 min 20 sec");
    EXPECT_EQ(exposure::hoursText(pointExposure(0, 50, cosine(30)) / 3600).toStdString(),
              "Expoziční čas: 0 hod 0 min 0 sec");
    EXPECT_THROW(pointExposure(1000, 0, cosine(0)), CalcFailure);
}

} // namespace
} // namespace noktaris
