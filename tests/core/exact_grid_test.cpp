// Every rounding, truncation and comparison of the formulas decides as exact
// arithmetic on the typed decimals would. Each row runs one formula over a grid of
// at least 100 000 typed inputs and compares the printed result, character for
// character, with the same formula worked out in exact fractions (GMP's mpq_class,
// nothing of the program's own number type). The grids are chosen so that results
// land on exact halves; the test counts them and needs some in every rounding row.
#include "graphs/graph_math.h"
#include "optics/fields.h"
#include "optics/telescope.h"
#include "photo/exposure.h"
#include "photo/guiding.h"
#include "photo/image_size.h"
#include "support/qt_printers.h"
#include "viewer/frame_layout.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace noktaris {
namespace {

using Q = mpq_class;
using Z = mpz_class;

// --- exact arithmetic of the expected results ---

long exactHalves = 0; // halves met by round() in the current row

Z floorOf(const Q& q)
{
    Z f;
    mpz_fdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return f;
}

// To the nearest whole number, exact halves to the even neighbour.
Z round(const Q& q)
{
    const Z f = floorOf(q);
    const int c = cmp(Q(q - f), Q(1, 2));
    if (c == 0)
        ++exactHalves;
    return c > 0 || (c == 0 && mpz_odd_p(f.get_mpz_t())) ? Z(f + 1) : f;
}

Z trunc(const Q& q) { return q >= 0 ? floorOf(q) : Z(-floorOf(Q(-q))); }

Z power10(int n)
{
    Z p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(n));
    return p;
}

Q roundTo(const Q& q, int n) { return Q(round(q * power10(n)), power10(n)); }

Q dec(const char* text) // a decimal constant of a formula, "0,0043633231"
{
    const std::string t = text;
    const auto comma = t.find(',');
    if (comma == std::string::npos)
        return Q(t, 10);
    const std::string digits = t.substr(0, comma) + t.substr(comma + 1);
    Q q(Z(digits, 10), power10(int(t.size() - comma - 1)));
    q.canonicalize();
    return q;
}

// The general number form of a result with at most 15 significant digits and a
// finite decimal expansion.
std::string form(const Q& v)
{
    if (v == 0)
        return "0";
    // The decimals a finite expansion needs: the larger power of 2 or 5 in the
    // denominator, which must hold no other factor.
    const Q a = abs(v);
    Z rest = a.get_den();
    const int decimals = int(std::max(mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), Z(2).get_mpz_t()),
                                      mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), Z(5).get_mpz_t())));
    if (rest != 1)
        return "no finite decimal";
    std::string digits = Z(a * power10(decimals)).get_str();
    long exponent = long(digits.size()) - 1 - decimals;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits.size() > 15)
        return "more than 15 digits";
    std::string out = v < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits.substr(0, 1) + (digits.size() > 1 ? "," + digits.substr(1) : "") + "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0," + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else if (digits.size() <= std::size_t(exponent) + 1) {
        out += digits + std::string(std::size_t(exponent) + 1 - digits.size(), '0');
    } else {
        out += digits.substr(0, std::size_t(exponent) + 1) + "," + digits.substr(std::size_t(exponent) + 1);
    }
    return out;
}

std::string angle(const Q& degrees)
{
    const Z d = trunc(degrees);
    const Q r = degrees - d;
    const Z m = trunc(r * 60);
    const Z s = round((r * 60 - m) * 60);
    return form(d) + "° " + form(m) + "' " + form(s) + "''";
}

// --- grids of typed decimals ---

// Values first, first + step, ... up to last, in units of 10^-decimals.
struct Axis {
    long first;
    long last;
    long step;
    int decimals;
};

struct Typed {
    QString text; // as typed: "12,25"
    Q exact;
};

std::vector<Typed> values(const Axis& a)
{
    std::vector<Typed> out;
    for (long v = a.first; v <= a.last; v += a.step) {
        const long unit = power10(a.decimals).get_si();
        std::string text = std::to_string(v / unit);
        if (a.decimals > 0) {
            const std::string fraction = std::to_string(v % unit);
            text += "," + std::string(std::size_t(a.decimals) - fraction.size(), '0') + fraction;
        }
        out.push_back({QString::fromStdString(text), dec(text.c_str())});
    }
    return out;
}

// One point of a grid: each input as typed, as the program reads it, exactly.
struct Point {
    std::vector<QString> text;
    std::vector<Real> value;
    std::vector<Q> x;
};

struct GridRow {
    const char* name;
    std::vector<Axis> axes;
    std::function<QString(const Point&)> shown;     // what the program prints
    std::function<std::string(const Point&)> exact; // the same in exact fractions
    bool rounds = true;                             // the grid must meet exact halves
};

using test::PrintTo;

QString failing(const std::function<QString()>& f)
{
    QString s = QStringLiteral("failure");
    guarded([&] { s = f(); });
    return s;
}

QString print(const Real& v) { return formatNumber(v); }

class ExactGrid : public ::testing::TestWithParam<GridRow> {};

TEST_P(ExactGrid, MatchesExactArithmetic)
{
    const GridRow& row = GetParam();
    std::vector<std::vector<Typed>> axes;
    std::vector<std::vector<Real>> read;
    long size = 1;
    for (const Axis& a : row.axes) {
        axes.push_back(values(a));
        read.emplace_back();
        for (const Typed& t : axes.back())
            read.back().push_back(toNumber(t.text));
        size *= long(axes.back().size());
    }
    ASSERT_GE(size, 100000) << "the grid is too small";

    exactHalves = 0;
    long differ = 0;
    Point p;
    p.text.resize(axes.size());
    p.value.resize(axes.size());
    p.x.resize(axes.size());
    for (long i = 0; i < size; ++i) {
        long k = i;
        for (std::size_t a = 0; a < axes.size(); ++a) {
            const std::size_t j = std::size_t(k % long(axes[a].size()));
            k /= long(axes[a].size());
            p.text[a] = axes[a][j].text;
            p.value[a] = read[a][j];
            p.x[a] = axes[a][j].exact;
        }
        const std::string got = failing([&] { return row.shown(p); }).toStdString();
        const std::string want = row.exact(p);
        if (got != want && ++differ <= 5) {
            std::string inputs;
            for (const QString& t : p.text)
                inputs += ' ' + t.toStdString();
            ADD_FAILURE() << "inputs" << inputs << ": shows \"" << got << "\", exactly \"" << want << '"';
        }
    }
    std::cout << row.name << ": " << size << " inputs, " << exactHalves << " exact halves, " << differ << " differ\n";
    EXPECT_EQ(differ, 0);
    if (row.rounds) {
        EXPECT_GT(exactHalves, 0) << "no exact half in the grid";
    }
}

using namespace telescope;

INSTANTIATE_TEST_SUITE_P(
    Formulas, ExactGrid,
    ::testing::Values(
        // F 100 to 2000 by 5, f 2 to 40 by 0,1: 1000 / 16 and its like are halves.
        GridRow{"Magnification",
                {{100, 2000, 5, 0}, {20, 400, 1, 1}},
                [](const Point& p) { return print(magnification(p.value[0], p.value[1])); },
                [](const Point& p) { return form(round(p.x[0] / p.x[1])); }},
        GridRow{"FocalRatioThousandths",
                {{1000, 4000, 1, 1}, {40, 80, 1, 0}},
                [](const Point& p) { return print(focalRatio(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(p.x[0] / p.x[1], 3)); }},
        GridRow{"FocalRatioTenths",
                {{1000, 4000, 1, 1}, {40, 80, 1, 0}},
                [](const Point& p) { return print(focalRatioTenth(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(p.x[0] / p.x[1], 1)); }},
        // D 60, F 131,1: 2,185 goes to 2,18.
        GridRow{"FocalRatioHundredths",
                {{1000, 4000, 1, 1}, {40, 80, 1, 0}},
                [](const Point& p) { return print(ratioHundredth(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(p.x[0] / p.x[1], 2)); }},
        GridRow{"ResolvingPower",
                {{100, 200000, 1, 2}},
                [](const Point& p) { return print(resolvingPower(p.value[0])); },
                [](const Point& p) { return form(roundTo(dec("115,8") / p.x[0], 3)); }},
        // 312,8916 / D is a half of a tenth only at some D of three decimals (0,008).
        GridRow{"MoonDetail",
                {{1, 200000, 1, 3}},
                [](const Point& p) { return print(moonDetail(p.value[0])); },
                [](const Point& p) { return form(roundTo(dec("312,8916") / p.x[0], 1)); }},
        GridRow{"MinUsefulMagnification",
                {{1, 200000, 1, 2}},
                [](const Point& p) { return print(minUsefulMagnification(p.value[0])); },
                [](const Point& p) { return form(round(p.x[0] / 6)); }},
        GridRow{"MaxUsefulMagnification",
                {{200, 8000, 1, 2}, {10, 25, 1, 1}},
                [](const Point& p) { return print(maxUsefulMagnification(p.value[0], p.value[1])); },
                [](const Point& p) { return form(round(p.x[0] * p.x[1])); }},
        // The warning: more magnification than the unrounded D k1 allows.
        GridRow{"MaxUsefulExceeded",
                {{100, 400, 1, 1}, {10, 25, 1, 1}, {30, 90, 1, 0}},
                [](const Point& p) { return QString::number(exceedsMaxUseful(p.value[2], p.value[0], p.value[1])); },
                [](const Point& p) { return std::to_string(int(p.x[0] * p.x[1] < p.x[2])); },
                false},
        GridRow{"ExitPupil",
                {{8, 800, 8, 1}, {50, 300, 10, 0}, {400, 3000, 50, 0}},
                [](const Point& p) { return print(exitPupil(p.value[0], p.value[1], p.value[2])); },
                [](const Point& p) { return form(roundTo(p.x[0] * p.x[1] / p.x[2], 2)); }},
        GridRow{"ExitPupilFine",
                {{8, 400, 1, 1}, {50, 300, 3, 0}, {800, 3200, 800, 0}},
                [](const Point& p) { return print(exitPupilFine(p.value[0], p.value[1], p.value[2])); },
                [](const Point& p) { return form(roundTo(p.x[0] * p.x[1] / p.x[2], 4)); }},
        // 25 mm, 52°, 1000 mm: 1,3° is 1° 18' 0''.
        GridRow{"TrueField",
                {{8, 800, 4, 1}, {40, 110, 1, 0}, {400, 3000, 200, 0}},
                [](const Point& p) { return angleText(trueField(p.value[0], p.value[1], p.value[2])); },
                [](const Point& p) { return angle(roundTo(p.x[0] * p.x[1] / p.x[2], 5)); }},
        // A square of a fraction is never an odd number of two-hundredths: no halves.
        GridRow{"LightGrasp",
                {{20, 1000, 1, 1}, {200, 900, 5, 2}},
                [](const Point& p) { return print(lightGrasp(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo((p.x[0] / p.x[1]) * (p.x[0] / p.x[1]), 2)); },
                false},
        // A half would need a wavelength of 3125 nm or more: none in the grid.
        GridRow{"AiryAngular",
                {{400, 700, 1, 0}, {20, 400, 1, 0}},
                [](const Point& p) { return print(airyAngular(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(dec("0,50328660") * p.x[0] / p.x[1], 2)); },
                false},
        // f/12,5 at 650 nm: 0,019825 mm goes to 0,01982.
        GridRow{"AiryLinear",
                {{100, 3000, 5, 2}, {400, 700, 1, 0}},
                [](const Point& p) { return print(airyLinear(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(dec("2,44") * p.x[0] * p.x[1] / 1000000, 5)); }},
        // f/25 at 650 nm: 1,9825 mm goes to 1,982.
        GridRow{"DepthOfFocus",
                {{100, 3000, 5, 2}, {400, 700, 1, 0}},
                [](const Point& p) { return print(depthOfFocusTheoretical(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(dec("4,88") * p.x[0] * p.x[0] * p.x[1] / 1000000, 3)); }},
        GridRow{"DepthOfFocusPractical",
                {{100, 3000, 5, 2}, {400, 700, 1, 0}},
                [](const Point& p) { return print(depthOfFocusPractical(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(dec("14,64") * p.x[0] * p.x[0] * p.x[1] / 1000000, 3)); }},
        GridRow{"AfocalRatio",
                {{50, 300, 10, 0}, {400, 2000, 100, 0}, {4, 40, 1, 0}, {20, 220, 25, 0}},
                [](const Point& p) {
                    return print(
                        afocalRatio(toWholeNumber(p.text[0]), p.value[1], toWholeNumber(p.text[2]), p.value[3]));
                },
                [](const Point& p) { return form(roundTo(p.x[3] * p.x[1] / (p.x[0] * p.x[2]), 2)); }},
        GridRow{"AfocalRatioFromMagnification",
                {{10, 500, 1, 0}, {50, 300, 10, 0}, {20, 220, 25, 0}},
                [](const Point& p) { return print(afocalRatioFromMagnification(p.value[0], p.value[1], p.value[2])); },
                [](const Point& p) { return form(roundTo(p.x[2] * p.x[0] / p.x[1], 2)); }},
        // rho 1,28, delta m 0,7: 302,5 goes to 302.
        GridRow{"DoubleStar",
                {{10, 1000, 1, 2}, {0, 600, 5, 2}},
                [](const Point& p) { return print(doubleStarMagnification(p.value[0], p.value[1])); },
                [](const Point& p) { return form(round((p.x[1] * dec("2,4") + 8) * 60 / (p.x[0] * dec("1,5")))); }},
        GridRow{"PixelScale",
                {{30, 360, 1, 1}, {256, 4096, 256, 0}, {100, 3000, 100, 0}},
                [](const Point& p) { return print(ccd::pixelScale(p.value[0], p.value[1], p.value[2])); },
                [](const Point& p) { return form(roundTo(p.x[0] * 206265 / (p.x[1] * p.x[2]), 2)); }},
        // 9,6 mm over 1920 px: 0,005 mm goes to 0.
        GridRow{"PixelSize",
                {{100, 4000, 1, 2}, {128, 3840, 128, 0}},
                [](const Point& p) { return print(ccd::pixelSize(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(p.x[0] / p.x[1], 2)); }},
        // 3,6 mm over 768 px at 500 nm: f/18,75 goes to f/18,8.
        GridRow{"OptimalRatio",
                {{10, 200, 1, 1}, {256, 4096, 256, 0}, {400, 700, 5, 0}},
                [](const Point& p) {
                    return print(ccd::optimalRatio(p.value[0], p.value[0], p.value[1], p.value[1], p.value[2]));
                },
                [](const Point& p) { return form(roundTo(2000000 * p.x[0] / p.x[1] / p.x[2], 1)); }},
        GridRow{"ShownAfocalRatio",
                {{50, 300, 10, 0}, {400, 2000, 100, 0}, {4, 40, 1, 0}, {20, 220, 25, 0}},
                [](const Point& p) {
                    return print(
                        exposure::shownRatio(exposure::afocalRatio(p.value[0], p.value[1], p.value[3], p.value[2])));
                },
                [](const Point& p) { return form(roundTo(p.x[1] * p.x[3] / (p.x[0] * p.x[2]), 3)); }},
        // Seconds typed with two decimals: the display rule with its shutter-speed table.
        GridRow{"ExposureDisplay",
                {{1, 400000, 1, 2}},
                [](const Point& p) {
                    const exposure::Shown s = exposure::display(exposure::toHours(p.value[0]));
                    return s.exposure + u'|' + s.recommendation.value_or(QStringLiteral("-"));
                },
                [](const Point& p) {
                    const Q th = p.x[0] / 3600;
                    const Z H = trunc(th);
                    const Z M = trunc((th - H) * 60);
                    const Z S = round(((th - H) * 60 - M) * 60);
                    const Q ts = th * 3600;
                    std::string e = "Expoziční čas: ";
                    std::string r = "-";
                    if (S > 1) {
                        e += form(H) + " hod " + form(M) + " min " + form(S) + " sec ";
                    } else {
                        e += form(Q(round(th * 10000000 * 3600), 10000000)) + " sec";
                        const char* bounds[] = {"0,00075", "0,0015",     "0,003",  "0,006", "0,012333", "0,025",
                                                "0,05",    "0,09583333", "0,1875", "0,375", "0,75",     "1,5"};
                        const char* speeds[] = {"1/2000", "1/1000", "1/500", "1/250", "1/125", "1/60",
                                                "1/30",   "1/15",   "1/8",   "1/4",   "1/2",   "1"};
                        for (int i = 0; i < 12 && r == "-" && ts < dec("1,5"); ++i)
                            if (ts <= dec(bounds[i]))
                                r = std::string("Doporučená expozice: ") + speeds[i] + " sec";
                    }
                    if (ts >= dec("1,5"))
                        r = "Doporučená expozice: B (popř. T)";
                    return e + "|" + r;
                }},
        // On the equator cos δ is exactly 1.
        GridRow{"TrailLength",
                {{10, 3000, 10, 0}, {1, 400, 1, 0}},
                [](const Point& p) {
                    return print(declination::trailLength(p.value[0], p.value[1], declination::cosine(0)));
                },
                [](const Point& p) { return form(roundTo(p.x[0] * (p.x[1] / 60) * dec("0,0043633231"), 2)); },
                false}, // a half needs f t to be a multiple of 10^9
        GridRow{"GuidingTolerance",
                {{1, 100, 1, 2}, {100, 3000, 50, 0}, {20, 500, 20, 0}},
                [](const Point& p) {
                    const Real T = guiding::standardTolerance(p.value[0], p.value[1], p.value[2]);
                    return print(T) + (guiding::verdictFor(T) == guiding::Verdict::Comfortable ? " OK" : " !");
                },
                [](const Point& p) {
                    const Q T = roundTo(350 * p.x[1] / (p.x[2] * p.x[0]) / 10000, 4);
                    return form(T) + (T > 1 ? " OK" : " !");
                }},
        GridRow{
            "GuidingToleranceWithDrift",
            {{1, 100, 1, 2}, {100, 3000, 100, 0}, {20, 500, 40, 0}, {1, 10, 3, 3}},
            [](const Point& p) { return print(guiding::tolerance(p.value[0], p.value[1], p.value[2], p.value[3])); },
            [](const Point& p) { return form(roundTo(p.x[3] * p.x[1] / (p.x[2] * p.x[0]), 4)); }},
        GridRow{"GuidingMaximumError",
                {{100, 3000, 10, 0}, {10, 4000, 10, 1}},
                [](const Point& p) { return print(guiding::maximumError(p.value[0], p.value[1])); },
                [](const Point& p) { return form(roundTo(8250 / (p.x[1] * p.x[0]), 2)); }},
        GridRow{
            "GuidingMinimumMagnification",
            {{1, 20000, 1, 0}, {4, 20, 2, 0}},
            [](const Point& p) { return print(guiding::minimumMagnification(toWholeNumber(p.text[0]), p.value[1])); },
            [](const Point& p) { return form(round(p.x[0] / p.x[1])); }},
        // Halves where alpha f (alpha in thousandths) is an odd multiple of 1719.
        GridRow{"ImageSizePrimeFocus",
                {{1, 200, 1, 3}, {100, 1100, 1, 0}},
                [](const Point& p) { return print(imagesize::primeFocus(p.value[0], p.value[1], 1000)); },
                [](const Point& p) { return form(roundTo(p.x[0] * p.x[1] / 3438, 3)); }},
        GridRow{"ImageSizeAfocal",
                {{1, 200, 1, 1}, {500, 2000, 250, 0}, {20, 220, 25, 0}, {4, 40, 3, 0}},
                [](const Point& p) {
                    return print(imagesize::afocal(p.value[0], p.value[1], p.value[2], p.value[3], 100));
                },
                [](const Point& p) { return form(roundTo(p.x[0] * p.x[1] * p.x[2] / (3438 * p.x[3]), 2)); }},
        // Five decimals of a degree, as a field of view is rounded: 0,99999° is 0° 59' 60''.
        GridRow{"AngleText",
                {{0, 300000, 1, 5}},
                [](const Point& p) { return angleText(p.value[0]); },
                [](const Point& p) { return angle(p.x[0]); }},
        GridRow{"Arcseconds",
                {{0, 300000, 1, 5}},
                [](const Point& p) { return QString::number(viewer::arcseconds(p.value[0])); },
                [](const Point& p) { return round(p.x[0] * 3600).get_str(); }},
        GridRow{"DisplayedField",
                {{1, 25000, 1, 0}, {0, 4, 1, 0}},
                [](const Point& p) {
                    const viewer::ZoomStep& z = viewer::kZoomSteps[std::size_t(toWholeNumber(p.text[1]))];
                    const viewer::Span s = viewer::displayedField(toWholeNumber(p.text[0]), Real(z.z));
                    return QString::number(s.width) + u' ' + QString::number(s.height);
                },
                [](const Point& p) {
                    const char* zooms[] = {"1", "1,333", "2", "4", "10"};
                    const Q w = p.x[0] * dec(zooms[p.x[1].get_num().get_si()]);
                    return round(w).get_str() + " " + round(w * 500 / 635).get_str();
                }}));

// The graphs' labels and read-out: each end of a range typed with two decimals,
// each axis at 0 to 2 decimals; the labels between are rounded from the ends.
struct GraphCase {
    int graph;
    bool onX;
    const char* parameter;
};

// Labels of a range in exact fractions, as AxisTexts would hold them.
std::vector<std::string> exactLabels(const GraphCase& g, const Q& start, const Q& end, int dx, int dy)
{
    const Q c = g.graph == 0 ? dec("115,8") : g.graph == 1 ? dec(g.parameter) * 50 : dec(g.parameter);
    std::vector<std::string> y(11), x(11);
    const auto spread = [](std::vector<std::string>& labels, bool reversed, const Q& a, const Q& b, int d) {
        const auto at = [reversed](int k) { return std::size_t(reversed ? 10 - k : k); };
        labels[at(0)] = form(a);
        labels[at(10)] = form(b);
        for (int k = 1; k <= 9; ++k)
            labels[at(k)] = form(roundTo(a + (b - a) * k / 10, d));
    };
    if (g.onX) {
        const Q x0 = roundTo(start, dx), x1 = roundTo(end, dx);
        if (x0 == 0 || x1 == 0)
            return {}; // a division by zero: the labels are not all written
        spread(x, false, x0, x1, dx);
        spread(y, false, roundTo(c / x0, dy), roundTo(c / x1, dy), dy);
    } else {
        spread(y, true, start, end, dy);
        spread(x, true, roundTo(c / start, dx), roundTo(c / end, dx), dx);
    }
    y.insert(y.end(), x.begin(), x.end());
    return y;
}

TEST(ExactGrid, GraphLabels)
{
    exactHalves = 0;
    long count = 0, differ = 0;
    for (const GraphCase g : {GraphCase{0, true, "0"}, GraphCase{1, false, "25"}, GraphCase{2, true, "10"}})
        for (int start = 10; start <= 1000; start += 11)
            for (int end = start + 50; end <= start + 1500; end += 29)
                for (int dx = 0; dx <= 2; ++dx)
                    for (int dy = 0; dy <= 2; ++dy) {
                        const Q s(start, 100), e(end, 100);
                        const graphs::Range range{g.graph,
                                                  QString::fromStdString(form(s)),
                                                  QString::fromStdString(form(e)),
                                                  QString::fromLatin1(g.parameter),
                                                  g.onX,
                                                  dx,
                                                  dy};
                        graphs::AxisTexts texts;
                        std::vector<std::string> got;
                        if (graphs::computeLabels(range, texts))
                            for (const auto* axis : {&texts.y, &texts.x})
                                for (const QString& t : *axis)
                                    got.push_back(t.toStdString());
                        ++count;
                        if (got != exactLabels(g, s, e, dx, dy) && ++differ <= 5)
                            ADD_FAILURE() << "graph " << g.graph << " from " << form(s) << " to " << form(e) << " at "
                                          << dx << " and " << dy << " decimals";
                    }
    std::cout << "GraphLabels: " << count << " ranges, " << exactHalves << " exact halves, " << differ << " differ\n";
    EXPECT_GE(count, 100000);
    EXPECT_EQ(differ, 0);
    EXPECT_GT(exactHalves, 0);
}

// The read-out under the pointer at every column of the plot area.
TEST(ExactGrid, GraphReadout)
{
    exactHalves = 0;
    long count = 0, differ = 0;
    for (const GraphCase g : {GraphCase{1, false, "25"}, GraphCase{0, true, "0"}})
        for (int start = 41; start <= 1000; start += 37)
            for (int end = start + 15; end <= start + 600; end += 61) {
                const Q s(start, 10), e(end, 10);
                const int dx = g.onX ? 0 : 1, dy = 2;
                const graphs::Range range{g.graph,
                                          QString::fromStdString(form(s)),
                                          QString::fromStdString(form(e)),
                                          QString::fromLatin1(g.parameter),
                                          g.onX,
                                          dx,
                                          dy};
                graphs::AxisTexts texts;
                if (!graphs::computeLabels(range, texts))
                    continue;
                const graphs::Curve curve = graphs::curve(g.graph, texts.x[0], texts.x[10], range.parameter);
                const std::vector<std::string> labels = exactLabels(g, s, e, dx, dy);
                const Q xl(dec(labels[11].c_str())), xr(dec(labels[21].c_str()));
                const Q c = g.graph == 0 ? dec("115,8") : dec(g.parameter) * 50;
                for (int column = graphs::kLeft; column <= graphs::kRight; ++column) {
                    const graphs::Readout r = graphs::readout(g.graph, curve.scale, range.parameter, dx, dy, column);
                    const int steps = column - graphs::kLeft;
                    const Q y = c / (xl + steps * (xr - xl) / graphs::kSteps);
                    const std::string want =
                        form(xl + roundTo((xr - xl) * steps / graphs::kSteps, dx)) + " " + form(roundTo(y, dy));
                    const std::string got =
                        r.x.value_or(QString()).toStdString() + " " + r.y.value_or(QString()).toStdString();
                    ++count;
                    if (got != want && ++differ <= 5)
                        ADD_FAILURE() << "graph " << g.graph << " from " << form(s) << " to " << form(e) << " column "
                                      << column << ": shows " << got << ", exactly " << want;
                }
            }
    std::cout << "GraphReadout: " << count << " pointer positions, " << exactHalves << " exact halves, " << differ
              << " differ\n";
    EXPECT_GE(count, 100000);
    EXPECT_EQ(differ, 0);
    EXPECT_GT(exactHalves, 0);
}

} // namespace
} // namespace noktaris
