// A camera on a telescope: every result label of the sampling window from the
// values typed, for worked examples computed by hand, the rounding borders of the
// verdict and of the advice, and the declinations at and beyond the poles.
#include "planning/sampling.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace noktaris {
namespace {

using namespace sampling;

struct Inputs {
    const char *D, *F, *c, *p, *nx, *ny, *b, *seeing, *lambda, *delta, *t;
};

Real n(const char* text) { return toNumber(QString::fromUtf8(text)); }

// The text, or "" when the label keeps its caption.
template <class F>
std::string shown(F&& text)
{
    std::string s;
    guarded([&] { s = text().toStdString(); });
    return s;
}

// The twelve labels in the window's order, each from the values it reads.
std::vector<std::string> labels(const Inputs& s)
{
    const auto Fe = [&] { return effectiveFocal(n(s.F), n(s.c)); };
    const auto scale = [&] { return pixelScale(n(s.p), n(s.b), Fe()); };
    const auto fwhm = [&] { return starSize(n(s.seeing), n(s.lambda), n(s.D)); };
    const auto N = [&] { return divide(Fe(), n(s.D)); };
    return {
        shown([&] { return effectiveText(n(s.F), n(s.c), n(s.D)); }),
        shown([&] { return scaleText(n(s.p), n(s.b), Fe()); }),
        shown([&] { return fieldText(n(s.nx), n(s.ny), n(s.p), Fe()); }),
        shown([&] { return fwhmText(fwhm()); }),
        shown([&] { return samplingText(fwhm(), scale()); }),
        shown([&] { return adviceText(fwhm(), n(s.p), n(s.b), n(s.F), Fe()); }),
        shown([&] { return airyText(n(s.lambda), N(), n(s.p), n(s.b)); }),
        shown([&] { return focusText(n(s.lambda), N()); }),
        shown([&] { return dawesText(n(s.D), scale()); }),
        shown([&] { return npfText(N(), n(s.p), Fe(), n(s.delta)); }),
        shown([&] { return rule500Text(n(s.nx), n(s.ny), n(s.p), Fe()); }),
        shown([&] { return trailText(n(s.t), n(s.delta), scale()); }),
    };
}

struct WorkedRow {
    const char* name;
    Inputs setup;
    std::vector<std::string> expected;
};

class SamplingLabels : public ::testing::TestWithParam<WorkedRow> {};

TEST_P(SamplingLabels, ShowTheHandComputedResults) { EXPECT_EQ(labels(GetParam().setup), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Sampling, SamplingLabels,
    ::testing::Values(
        // The manual's example: 200/1000 with a 0,8× reducer, an IMX571 camera, δ 30°.
        // Fe 800, N 4; s = 206,265 × 3,76 / 800 = 0,9694455; φ = √(2,5² + 0,584245²) = 2,567361;
        // q = 2,648; c* = 1938,891 / 2567,361 = 0,755; NPF 252,8 / 692,82 = 0,365;
        // trail 451,23 × cos 30° = 390,78''.
        WorkedRow{"ReducedNewtonianWithImx571",
                  {"200", "1000", "0,8", "3,76", "6248", "4176", "1", "2,5", "550", "30", "30"},
                  {"Efektivní ohnisko: 800 mm (f/4)", "Měřítko snímku: 0,97''/px",
                   "Zorné pole čipu: 1° 40' 57'' x 1° 7' 28''", "Velikost hvězdy (FWHM): 2,57''",
                   "Pixelů na FWHM hvězdy: 2,65 – vhodné vzorkování", "Doporučení: binning 1, nebo korektor 0,76×",
                   "Airyho disk: 5,37 µm (1,43 px)", "Kritická zóna ostření: 42,9 µm (celá šířka kolem ohniska)",
                   "Dawesova mez: 0,58'' (0,6 px)", "Pravidlo NPF: 0,4 s", "Pravidlo 500: 0,4 s",
                   "Stopa hvězdy: 403,1 px (390,8'')"}},
        // A 100 mm lens at f/2: far undersampled, a corrector of 5,67× out of reach;
        // NPF (70 + 112,8) / 100 = 1,828 s.
        WorkedRow{"CameraLensOnTheEquator",
                  {"50", "100", "1", "3,76", "6248", "4176", "1", "2,5", "550", "0", "30"},
                  {"Efektivní ohnisko: 100 mm (f/2)", "Měřítko snímku: 7,76''/px",
                   "Zorné pole čipu: 13° 23' 56'' x 8° 58' 41''", "Velikost hvězdy (FWHM): 3,42''",
                   "Pixelů na FWHM hvězdy: 0,44 – podvzorkováno", "Doporučení: binning 1, korektor nedosažitelný",
                   "Airyho disk: 2,68 µm (0,71 px)", "Kritická zóna ostření: 10,7 µm (celá šířka kolem ohniska)",
                   "Dawesova mez: 2,32'' (0,3 px)", "Pravidlo NPF: 1,8 s", "Pravidlo 500: 3,3 s",
                   "Stopa hvězdy: 58,2 px (451,2'')"}},
        // Binning 2 doubles the scale and halves the pixels per star; the corrector is
        // sought for the present binning (3,85× is out of reach).
        WorkedRow{"KafChipBinnedTwo",
                  {"106", "530", "1", "5,4", "3326", "2504", "2", "2,5", "550", "0", "30"},
                  {"Efektivní ohnisko: 530 mm (f/5)", "Měřítko snímku: 4,2''/px",
                   "Zorné pole čipu: 1° 56' 29'' x 1° 27' 42''", "Velikost hvězdy (FWHM): 2,73''",
                   "Pixelů na FWHM hvězdy: 0,65 – podvzorkováno", "Doporučení: binning 1, korektor nedosažitelný",
                   "Airyho disk: 6,71 µm (0,62 px)", "Kritická zóna ostření: 67,1 µm (celá šířka kolem ohniska)",
                   "Dawesova mez: 1,09'' (0,26 px)", "Pravidlo NPF: 0,6 s", "Pravidlo 500: 0,5 s",
                   "Stopa hvězdy: 107,4 px (451,2'')"}},
        // At a pole a star stands still: no NPF limit, no trail.
        WorkedRow{"NorthPole",
                  {"200", "1000", "0,8", "3,76", "6248", "4176", "1", "2,5", "550", "90", "30"},
                  {"Efektivní ohnisko: 800 mm (f/4)", "Měřítko snímku: 0,97''/px",
                   "Zorné pole čipu: 1° 40' 57'' x 1° 7' 28''", "Velikost hvězdy (FWHM): 2,57''",
                   "Pixelů na FWHM hvězdy: 2,65 – vhodné vzorkování", "Doporučení: binning 1, nebo korektor 0,76×",
                   "Airyho disk: 5,37 µm (1,43 px)", "Kritická zóna ostření: 42,9 µm (celá šířka kolem ohniska)",
                   "Dawesova mez: 0,58'' (0,6 px)", "Pravidlo NPF: bez omezení", "Pravidlo 500: 0,4 s",
                   "Stopa hvězdy: 0 px (0'')"}},
        // Beyond a pole only the two declination results fail; the rest stands.
        WorkedRow{"BeyondTheSouthPole",
                  {"200", "1000", "0,8", "3,76", "6248", "4176", "1", "2,5", "550", "-90,5", "30"},
                  {"Efektivní ohnisko: 800 mm (f/4)", "Měřítko snímku: 0,97''/px",
                   "Zorné pole čipu: 1° 40' 57'' x 1° 7' 28''", "Velikost hvězdy (FWHM): 2,57''",
                   "Pixelů na FWHM hvězdy: 2,65 – vhodné vzorkování", "Doporučení: binning 1, nebo korektor 0,76×",
                   "Airyho disk: 5,37 µm (1,43 px)", "Kritická zóna ostření: 42,9 µm (celá šířka kolem ohniska)",
                   "Dawesova mez: 0,58'' (0,6 px)", "", "Pravidlo 500: 0,4 s", ""}},
        // No corrector factor: everything that needs the effective focal length fails,
        // the star's size and the Dawes limit in arcseconds do not need it.
        WorkedRow{"CorrectorZero",
                  {"200", "1000", "0", "3,76", "6248", "4176", "1", "2,5", "550", "0", "30"},
                  {"", "", "", "Velikost hvězdy (FWHM): 2,57''", "", "", "", "", "", "", "", ""}}),
    test::RowName());

// With p = 4 µm behind 825,06 mm one pixel is exactly 1'', and with λ = 0 the star is
// the seeing alone: the pixels per star are the seeing typed.
constexpr Inputs kOneArcsecondPixel{"100", "825,06", "1", "4", "1000", "1000", "1", "0", "0", "0", "0"};

TEST(SamplingVerdict, DecidesOnTheRoundedValueExactlyAtItsBorders)
{
    const struct {
        const char* seeing;
        const char* expected;
    } rows[] = {
        {"1,994", "Pixelů na FWHM hvězdy: 1,99 – podvzorkováno"},
        {"1,995", "Pixelů na FWHM hvězdy: 2 – vhodné vzorkování"}, // 1,995 rounds up to 2,00
        {"3,005", "Pixelů na FWHM hvězdy: 3 – vhodné vzorkování"}, // an exact half, to the even 3,00
        {"3,015", "Pixelů na FWHM hvězdy: 3,02 – převzorkováno"},
        {"3,006", "Pixelů na FWHM hvězdy: 3,01 – převzorkováno"},
    };
    for (const auto& row : rows) {
        Inputs s = kOneArcsecondPixel;
        s.seeing = row.seeing;
        EXPECT_EQ(labels(s)[4], row.expected) << row.seeing;
    }
}

TEST(SamplingAdvice, NearestBinningAndTheCorrectorWithinItsRange)
{
    const struct {
        const char *seeing, *b, *expected;
    } rows[] = {
        {"7,5", "1", "Doporučení: binning 3, nebo korektor 0,33×"}, // 7,5 / 3 is 2,5 exactly
        // 10/3 lies as far above 2,5 as half of it below; to nine decimals a tie, and
        // the smaller binning wins.
        {"3,3333333333", "1", "Doporučení: binning 1, nebo korektor 0,75×"},
        {"3,334", "1", "Doporučení: binning 2, nebo korektor 0,75×"},
        {"0,834", "1", "Doporučení: binning 1, nebo korektor 3×"},      // 2,9976 → 3,00
        {"0,83", "1", "Doporučení: binning 1, korektor nedosažitelný"}, // 3,012 → 3,01
        {"8,4", "1", "Doporučení: binning 3, nebo korektor 0,3×"},      // 0,2976 → 0,30
        {"8,5", "1", "Doporučení: binning 3, korektor nedosažitelný"},  // 0,294 → 0,29
        {"8,5", "2", "Doporučení: binning 3, nebo korektor 0,59×"},     // the present binning's corrector
    };
    for (const auto& row : rows) {
        Inputs s = kOneArcsecondPixel;
        s.seeing = row.seeing;
        s.b = row.b;
        EXPECT_EQ(labels(s)[5], row.expected) << row.seeing << " b " << row.b;
    }
}

TEST(SamplingFailures, NothingBelowZeroOrEmptyIsComputed)
{
    const struct {
        const char* what;
        Inputs setup;
    } rows[] = {
        {"no aperture", {"0", "1000", "1", "4", "10", "10", "1", "2", "500", "0", "10"}},
        {"negative focal length", {"100", "-1000", "1", "4", "10", "10", "1", "2", "500", "0", "10"}},
        {"empty pixel", {"100", "1000", "1", "", "10", "10", "1", "2", "500", "0", "10"}},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> shownLabels = labels(row.setup);
        for (std::size_t i = 0; i < shownLabels.size(); ++i)
            for (const char* bad : {"inf", "nan", "-"})
                EXPECT_EQ(shownLabels[i].find(bad), std::string::npos) << row.what << " label " << i;
    }
    EXPECT_THROW(positive(0), CalcFailure);
    EXPECT_THROW(starSize(-1, 500, 100), CalcFailure);
    EXPECT_THROW(trailArcseconds(-1, 0), CalcFailure);
}

} // namespace
} // namespace noktaris
