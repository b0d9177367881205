// The sky and the sub-exposure: the result labels of the sky window for worked
// examples computed by hand (a Bortle 5 sky with a luminance and a narrowband
// filter among them), the Bortle table, the swamp factor and the number of subs.
#include "planning/sky.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace noktaris {
namespace {

using namespace sky;

Real n(const char* text) { return toNumber(QString::fromUtf8(text)); }

struct Night {
    const char *D, *F, *c, *obstruction, *p, *b, *rn, *fw, *qe;
    bool colour;
    const char *sky, *band, *transmission;
    bool emission;
    const char *target, *tolerance, *snr, *sub;
};

template <class F>
std::string shown(F&& text)
{
    std::string s;
    guarded([&] { s = text().toStdString(); });
    return s;
}

// The six labels in the window's order, each from the values it reads.
std::vector<std::string> labels(const Night& x)
{
    const Optics optics{n(x.D), n(x.F), n(x.c), n(x.obstruction)};
    const Camera camera{n(x.p), n(x.b), n(x.rn), n(x.fw), n(x.qe), x.colour};
    const auto S = [&] { return rate(n(x.sky), n(x.band), optics, camera, n(x.transmission)); };
    const auto O = [&] {
        return rate(n(x.target), x.emission ? Real(300) : n(x.band), optics, camera, n(x.transmission));
    };
    const auto tMin = [&] { return minimalSub(S(), camera, n(x.tolerance)); };
    const auto t = [&] { return *x.sub ? n(x.sub) : tMin(); };
    const auto sigma1 = [&] { return subSnr(O(), S(), t(), camera); };
    return {
        shown([&] { return skyRateText(S()); }),
        shown([&] { return targetRateText(O()); }),
        shown([&] { return minSubText(tMin()); }),
        shown([&] { return saturationText(saturationTime(S(), camera), t()); }),
        shown([&] { return subSnrText(sigma1()); }),
        shown([&] {
            const Real subs = subsNeeded(n(x.snr), sigma1());
            return totalText(subs, totalSeconds(subs, t()));
        }),
    };
}

struct NightRow {
    const char* name;
    Night night;
    std::vector<std::string> expected;
};

class SkyLabels : public ::testing::TestWithParam<NightRow> {};

TEST_P(SkyLabels, ShowTheHandComputedResults) { EXPECT_EQ(labels(GetParam().night), GetParam().expected); }

// The manual's examples: a 200/800 Newtonian with a 25 % obstruction, a mono IMX571
// camera at gain 0 (p 3,76 µm, rn 3,5 e⁻, fw 50 000 e⁻, QE 91 %), a Bortle 5 sky of
// 20 mag/''², 80 % transmission, a faint nebula of 24 mag/''², 5 % and SNR 20.
// A = π 10² (1 − 0,25²) = 294,52 cm²; s = 0,9694455''; Ω = 0,939825 ''²;
// S = 10⁴ × 10⁻⁸ × 294,52 × 0,939825 × 300 × 0,91 × 0,8 = 6,0453 e⁻/s;
// O = the same × 10⁻¹·⁶ = 0,15185 e⁻/s; k = 1 / 0,1025 = 9,7561;
// t_min = 9,7561 × 3,5² / 6,0453 = 19,769 s; t_sat = 50 000 / 6,0453 = 8270,8 s;
// σ1 = 0,15185 × 19,769 / √(6,1972 × 19,769 + 12,25) = 0,25860; n = ⌈(20 / 0,2586)²⌉ = 5982.
constexpr Night kLuminance{"200", "800", "1",   "25", "3,76", "1",  "3,5", "50000", "91",
                           false, "20",  "300", "80", false,  "24", "5",   "20",    ""};

Night with(Night night, const char* band, bool emission, const char* sub)
{
    night.band = band;
    night.emission = emission;
    night.sub = sub;
    return night;
}

Night colourCamera()
{
    Night night = kLuminance;
    night.qe = "80";
    night.colour = true;
    return night;
}

Night binnedTwo()
{
    Night night = kLuminance;
    night.b = "2";
    return night;
}

INSTANTIATE_TEST_SUITE_P(
    Sky, SkyLabels,
    ::testing::Values(NightRow{"Bortle5Luminance",
                               kLuminance,
                               {"Obloha: 6,05 e⁻/s na pixel", "Objekt: 0,152 e⁻/s na pixel", "Nejkratší snímek: 19,8 s",
                                "Nasycení oblohou: 8271 s", "SNR jednoho snímku: 0,259",
                                "Potřeba: 5982 snímků, celkem 32 hod 51 min 0 sec"}},
                      // Hα 7 nm: the sky through 7 nm, the nebula's light whole (300 nm). S = 0,14106,
                      // t_min = 847,26 s, σ1 = 7,9726, 7 subs, 5930,79 s.
                      NightRow{"Bortle5NarrowbandMinimalSub",
                               with(kLuminance, "7", true, ""),
                               {"Obloha: 0,141 e⁻/s na pixel", "Objekt: 0,152 e⁻/s na pixel",
                                "Nejkratší snímek: 847,3 s", "Nasycení oblohou: 354464 s", "SNR jednoho snímku: 7,97",
                                "Potřeba: 7 snímků, celkem 1 hod 38 min 51 sec"}},
                      // The same with 300 s subs: σ1 = 45,556 / √(87,873 + 12,25) = 4,5528, 20 subs.
                      NightRow{"Bortle5Narrowband300s",
                               with(kLuminance, "7", true, "300"),
                               {"Obloha: 0,141 e⁻/s na pixel", "Objekt: 0,152 e⁻/s na pixel",
                                "Nejkratší snímek: 847,3 s", "Nasycení oblohou: 354464 s", "SNR jednoho snímku: 4,55",
                                "Potřeba: 20 snímků, celkem 1 hod 40 min 0 sec"}},
                      // A sub longer than the sky takes to fill a pixel is warned about:
                      // σ1 = 1366,7 / √(55 774,6 + 12,25) = 5,786, ⌈11,95⌉ = 12 subs of 9000 s.
                      NightRow{"SubLongerThanSaturation",
                               with(kLuminance, "300", false, "9000"),
                               {"Obloha: 6,05 e⁻/s na pixel", "Objekt: 0,152 e⁻/s na pixel", "Nejkratší snímek: 19,8 s",
                                "Nasycení oblohou: 8271 s – pozor, kratší než použitý snímek!",
                                "SNR jednoho snímku: 5,79", "Potřeba: 12 snímků, celkem 30 hod 0 min 0 sec"}},
                      // A colour sensor: a third of the light at QE 80 %; the shortest sub grows in
                      // step, so one sub's ratio stays.
                      NightRow{"ColourCamera",
                               colourCamera(),
                               {"Obloha: 1,77 e⁻/s na pixel", "Objekt: 0,0445 e⁻/s na pixel",
                                "Nejkratší snímek: 67,5 s", "Nasycení oblohou: 28224 s", "SNR jednoho snímku: 0,259",
                                "Potřeba: 5982 snímků, celkem 112 hod 6 min 2 sec"}},
                      // Binning 2 in software: four times the light and twice the read noise.
                      NightRow{"BinnedTwo",
                               binnedTwo(),
                               {"Obloha: 24,2 e⁻/s na pixel", "Objekt: 0,607 e⁻/s na pixel", "Nejkratší snímek: 19,8 s",
                                "Nasycení oblohou: 8271 s", "SNR jednoho snímku: 0,517",
                                "Potřeba: 1496 snímků, celkem 8 hod 12 min 55 sec"}},
                      // A full obstruction or no tolerance computes nothing that needs them.
                      NightRow{"NoToleranceNoSub",
                               [] {
                                   Night night = kLuminance;
                                   night.tolerance = "0";
                                   return night;
                               }(),
                               {"Obloha: 6,05 e⁻/s na pixel", "Objekt: 0,152 e⁻/s na pixel", "", "", "", ""}},
                      NightRow{"FullObstruction",
                               [] {
                                   Night night = kLuminance;
                                   night.obstruction = "100";
                                   return night;
                               }(),
                               {"", "", "", "", "", ""}}),
    test::RowName());

TEST(SkyTables, BortleClassesAndFilters)
{
    QStringList brightness;
    for (const Real& m : bortleBrightness())
        brightness << formatNumber(m);
    EXPECT_EQ(brightness, (QStringList{"22", "21,9", "21,8", "21,1", "20", "19,2", "18,7", "18,1", "17,5"}));
    EXPECT_EQ(bortleNames().size(), 9);
    QStringList widths;
    for (const Filter& f : filters())
        widths << f.name + u'=' + (f.bandwidth ? QString::number(*f.bandwidth) : QStringLiteral("-"));
    EXPECT_EQ(widths, (QStringList{"L=300", "R=100", "G=100", "B=100", "Hα=7", "OIII=7", "SII=7", "vlastní=-"}));
}

TEST(SkySubs, WholeSubsAndWholeSecondsAndTheirWords)
{
    const struct {
        const char *snr, *sigma1, *t;
        const char* expected;
    } rows[] = {
        {"20", "20", "60", "Potřeba: 1 snímek, celkem 0 hod 1 min 0 sec"},
        {"20", "10", "60", "Potřeba: 4 snímky, celkem 0 hod 4 min 0 sec"},   // (20/10)² = 4 exactly
        {"20", "9,99", "60", "Potřeba: 5 snímků, celkem 0 hod 5 min 0 sec"}, // 4,008 up to 5
        {"10", "5", "0,5", "Potřeba: 4 snímky, celkem 0 hod 0 min 2 sec"},
        {"10", "5", "0,625", "Potřeba: 4 snímky, celkem 0 hod 0 min 2 sec"}, // 2,5 s, the half to even
        {"10", "5", "0,875", "Potřeba: 4 snímky, celkem 0 hod 0 min 4 sec"}, // 3,5 s to 4
        {"20", "0,1", "3600", "Potřeba: 40000 snímků, celkem 40000 hod 0 min 0 sec"},
    };
    for (const auto& row : rows) {
        const Real subs = subsNeeded(n(row.snr), n(row.sigma1));
        EXPECT_EQ(totalText(subs, totalSeconds(subs, n(row.t))).toStdString(), row.expected) << row.sigma1;
    }
    EXPECT_THROW(subsNeeded(20, 0), CalcFailure);
}

TEST(SkySwamp, ReadNoiseMayRaiseTheNoiseByTheTolerance)
{
    // k = 1 / ((1 + ε)² − 1): 5 % gives 1 / 0,1025, 10 % gives 1 / 0,21.
    EXPECT_EQ(swampFactor(5), divide(10000, 1025));
    EXPECT_EQ(swampFactor(10), divide(100, 21));
    EXPECT_THROW(swampFactor(0), CalcFailure);
}

TEST(SignificantDigits, ThreeDigitsHalvesToEven)
{
    const struct {
        Real x;
        const char* expected;
    } rows[] = {
        {0.00012345_dec, "0,000123"}, {999.6_dec, "1000"},    {1234.5_dec, "1230"}, {1.235_dec, "1,24"},
        {1.225_dec, "1,22"},          {-6.0453_dec, "-6,05"}, {100, "100"},         {0, "0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatNumber(roundToSignificant(row.x, 3)).toStdString(), row.expected) << row.expected;
}

} // namespace
} // namespace noktaris
