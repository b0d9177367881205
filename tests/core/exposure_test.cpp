// Exposure formulas, the exposure display rule with its shutter-speed table, and
// the declination, trail and point-exposure formulas.
#include "photo/exposure.h"

#include <gtest/gtest.h>

namespace noktaris {
namespace {

std::string text(const std::optional<QString>& t) { return t ? t->toStdString() : "(none)"; }

TEST(ShutterTable, EachBoundBelongsToTheFasterRowExceptOneAndAHalf)
{
    const struct {
        long double ts;
        const char* expected;
    } rows[] = {
        {0, "(none)"},
        {-1, "(none)"},
        {1e-9L, "Doporučená expozice: 1/2000 sec"},
        {0.00075L, "Doporučená expozice: 1/2000 sec"},
        {0.00075001L, "Doporučená expozice: 1/1000 sec"},
        {0.0015L, "Doporučená expozice: 1/1000 sec"},
        {0.003L, "Doporučená expozice: 1/500 sec"},
        {0.006L, "Doporučená expozice: 1/250 sec"},
        {0.012333L, "Doporučená expozice: 1/125 sec"},
        {0.0123331L, "Doporučená expozice: 1/60 sec"},
        {0.025L, "Doporučená expozice: 1/60 sec"},
        {0.05L, "Doporučená expozice: 1/30 sec"},
        {0.09583333L, "Doporučená expozice: 1/15 sec"},
        {0.09583334L, "Doporučená expozice: 1/8 sec"},
        {0.1875L, "Doporučená expozice: 1/8 sec"},
        {0.375L, "Doporučená expozice: 1/4 sec"},
        {0.75L, "Doporučená expozice: 1/2 sec"},
        {0.7500001L, "Doporučená expozice: 1 sec"},
        {1.4999999L, "Doporučená expozice: 1 sec"},
        {1.5L, "Doporučená expozice: B (popř. T)"},
        {100000, "Doporučená expozice: B (popř. T)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(text(exposure::shutterText(row.ts)), row.expected) << double(row.ts);
}

TEST(DisplayRule, SecondsOrHoursMinutesSeconds)
{
    const struct {
        long double seconds;
        const char* exposure;
        const char* recommendation;
    } rows[] = {
        {0.01L, "Expoziční čas: 0,01 sec", "Doporučená expozice: 1/125 sec"},
        {1.28L, "Expoziční čas: 1,28 sec", "Doporučená expozice: 1 sec"},
        {1.4L, "Expoziční čas: 1,4 sec", "Doporučená expozice: 1 sec"},
        {1.6L, "Expoziční čas: 0 hod 0 min 2 sec ", "Doporučená expozice: B (popř. T)"},
        {2.6L, "Expoziční čas: 0 hod 0 min 3 sec ", "Doporučená expozice: B (popř. T)"},
        // A seconds part that rounds to 0 or 1 is shown in seconds, however long.
        {3600, "Expoziční čas: 3600 sec", "Doporučená expozice: B (popř. T)"},
        {7200.9L, "Expoziční čas: 7200,9 sec", "Doporučená expozice: B (popř. T)"},
        {3725, "Expoziční čas: 1 hod 2 min 5 sec ", "Doporučená expozice: B (popř. T)"},
        // Seconds are rounded on their own and never carried into the minutes.
        {59.7L, "Expoziční čas: 0 hod 0 min 60 sec ", "Doporučená expozice: B (popř. T)"},
        {0.123456789L, "Expoziční čas: 0,1234568 sec", "Doporučená expozice: 1/8 sec"},
        {0.00005L, "Expoziční čas: 5E-5 sec", "Doporučená expozice: 1/2000 sec"},
        {0.75L, "Expoziční čas: 0,75 sec", "Doporučená expozice: 1/2 sec"},
        {0.012333L, "Expoziční čas: 0,012333 sec", "Doporučená expozice: 1/125 sec"},
        {0, "Expoziční čas: 0 sec", "(none)"},
    };
    for (const auto& row : rows) {
        const exposure::Shown shown = exposure::display(row.seconds / 3600);
        EXPECT_EQ(shown.exposure.toStdString(), row.exposure) << double(row.seconds);
        EXPECT_EQ(text(shown.recommendation), row.recommendation) << double(row.seconds);
    }
    EXPECT_THROW(exposure::display(1e30L), CalcFailure);
}

TEST(ExposureFormulas, SetUpsAndCorrections)
{
    using namespace exposure;
    EXPECT_EQ(formatNumber(secondsForRatio(8, 100, 0.5L)).toStdString(), "1,28");
    EXPECT_EQ(formatNumber(secondsForRatio(divide(750, 150), 100, 1)).toStdString(), "0,25");
    EXPECT_EQ(formatNumber(afocalRatio(100, 1000, 50, 25)).toStdString(), "20");
    EXPECT_EQ(formatNumber(shownRatio(afocalRatio(150, 750, 50, 9))).toStdString(), "27,778");
    // Filter factor 2 and reciprocity 0,9 on 0,16 s.
    EXPECT_EQ(formatNumber(roundTo(corrected(0.16L, 2, 0.9L), 7)).toStdString(), "0,3613539");
    EXPECT_EQ(formatNumber(corrected(0.16L, 1, 1)).toStdString(), "0,16");
    EXPECT_THROW(secondsForRatio(0, 0, 1), CalcFailure); // 0 / 0
    EXPECT_THROW(corrected(1, 1, 0), CalcFailure);       // 1 / p
    EXPECT_THROW(corrected(-3, 1, 0.9L), CalcFailure);   // a power of a negative base
}

TEST(Declination, SignBelongsToTheDegreesAlone)
{
    using namespace declination;
    EXPECT_EQ(degrees(-10, 30, 0), -9.5L);
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
        {0, 0, 0, Range::Inside, "1"},
        {60, 0, 0, Range::Inside, "0,5"},
        {-10, 30, 0, Range::Inside, "0,986286"}, // -9,5°
        {89, 60, 0, Range::Pole, "0"},
        {-90, 0, 0, Range::Pole, "0"},
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
    } rows[] = {{9.5L, "1"},           {0, "6309,573"},        {-5, "630957,344"}, {14.5L, "0,01"},
                {20, "0"},             {22, "0"},              {-0.5L, "10000"},   {3.7L, "208,93"},
                {-30, "6,30957344480193E15"}, {-40, "fails"}};
    for (const auto& row : rows) {
        QString shown;
        try {
            shown = formatNumber(exposure::relativeBrightness(row.m));
        } catch (const CalcFailure&) {
            shown = QStringLiteral("fails");
        }
        EXPECT_EQ(shown.toStdString(), row.shown) << double(row.m);
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
