#include "graphs/graph_math.h"

#include "common/code_page.h"

#include <algorithm>

namespace noktaris::graphs {

QStringList titles()
{
    return {QStringLiteral("Maximální rozlišovací schopnost - Průměr objektivu"),
            QStringLiteral("Zorné pole - Ohnisková vzdálenost objektivu (pro okulár 50°)"),
            QStringLiteral("Velikost výstupní pupily - Světelnost")};
}

namespace {

// The numerator c of y = c / x.
Real numerator(int graph, const Real& p)
{
    switch (graph) {
    case 0: return 115.8_dec;
    case 1: return checked(p * 50);
    default: return p;
    }
}

// N(v x 10^d) / 10^d, written as a label.
QString rounded(const Real& v, int decimals) { return formatNumber(roundTo(v, decimals)); }

// Rows far off the picture are held here, so that a line to them stays cheap.
const Real kRowLimit = 1000000;

int row(const Real& y, const Scale& scale)
{
    const Real steps = std::clamp(divide(y - scale.fr, scale.s), -kRowLimit, kRowLimit);
    return kBottom - static_cast<int>(roundHalfEven(steps).toInt64());
}

} // namespace

Real value(int graph, const Real& x, const Real& p) { return divide(numerator(graph, p), x); }

Real inverse(int graph, const Real& y, const Real& p) { return divide(numerator(graph, p), y); }

std::optional<Definition> definition(const QByteArray& file, int graph)
{
    const char key = static_cast<char>('0' + graph);
    for (QByteArray line : file.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            return std::nullopt;
        if (line[0] != key)
            continue;
        const QStringList parts = fromCp1250(line.mid(2)).split(u'#');
        // Twelve fields, each ended by "#": what follows the last "#" is not read.
        if (parts.size() < 13)
            return std::nullopt;
        const QStringList f = parts.mid(0, 12);
        if (std::any_of(f.begin(), f.end(), [](const QString& field) { return field.isEmpty(); }))
            return std::nullopt;
        const auto digit = [](const QString& field) -> std::optional<int> {
            if (field.size() != 1 || field[0] < u'0' || field[0] > u'9')
                return std::nullopt;
            return field[0].unicode() - u'0';
        };
        const auto dx = digit(f[6]);
        const auto dy = digit(f[7]);
        if (!dx || !dy)
            return std::nullopt;
        return Definition{f[0], f[1], f[2], f[3], f[4], f[5], *dx, *dy, f[8] == u"1", f[9] != u"0", f[10], f[11]};
    }
    return std::nullopt;
}

namespace {

// The labels of one axis: the end at index 0 (10 when reversed) is a, the other
// end b, both written as given, then the nine between from a's side,
// R_d(a + (b - a) x k / 10).
void spread(std::array<QString, 11>& labels, bool reversed, const Real& a, const Real& b, int decimals)
{
    const auto at = [reversed](int k) { return reversed ? 10 - k : k; };
    labels[at(0)] = formatNumber(a);
    labels[at(10)] = formatNumber(b);
    for (int k = 1; k <= 9; ++k)
        labels[at(k)] = rounded(a + (b - a) * k / 10, decimals);
}

} // namespace

bool computeLabels(const Range& range, AxisTexts& texts)
{
    const int dx = range.xDecimals;
    const int dy = range.yDecimals;
    return guarded([&] {
        if (range.onX) {
            const Real x0 = roundTo(toNumber(range.start), dx);
            const Real x1 = roundTo(toNumber(range.end), dx);
            spread(texts.x, false, x0, x1, dx);
            const Real p = toNumber(range.parameter);
            spread(texts.y, false, roundTo(value(range.graph, x0, p), dy), roundTo(value(range.graph, x1, p), dy), dy);
        } else {
            // The bottom is the start; f decreases, so the start's x is the right end.
            const Real y0 = toNumber(range.start);
            const Real y1 = toNumber(range.end);
            spread(texts.y, true, y0, y1, dy);
            const Real p = toNumber(range.parameter);
            spread(texts.x, true, roundTo(inverse(range.graph, y0, p), dx), roundTo(inverse(range.graph, y1, p), dx),
                   dx);
        }
    });
}

Curve curve(int graph, const QString& leftLabel, const QString& rightLabel, const QString& parameter)
{
    Curve c;
    Real p = 0;
    if (!guarded([&] {
            p = toNumber(parameter);
            c.scale.xl = toNumber(leftLabel);
            c.scale.xr = toNumber(rightLabel);
        })) {
        c.fault = CurveFault::Unreadable;
        return c;
    }
    Scale& sc = c.scale;
    const bool ends = guarded([&] {
        const Real fl = value(graph, sc.xl, p);
        sc.fr = value(graph, sc.xr, p);
        sc.s = checked((fl - sc.fr) / 210);
    });
    if (!ends) {
        c.fault = CurveFault::DivisionByZero;
        return c;
    }
    if (sc.s == 0) {
        c.fault = CurveFault::Flat;
        return c;
    }
    c.rows[0] = kTop;
    c.count = 1;
    for (int i = 1; i <= kSteps; ++i) {
        if (!guarded([&] { c.rows[i] = row(value(graph, sc.xl + i * (sc.xr - sc.xl) / kSteps, p), sc); })) {
            c.fault = CurveFault::DivisionByZero;
            return c;
        }
        c.count = i + 1;
    }
    return c;
}

Readout readout(int graph, const Scale& scale, const QString& parameter, int xDecimals, int yDecimals, int column)
{
    Readout r;
    const int steps = column - kLeft;
    guarded([&] {
        r.x = formatNumber(checked(scale.xl + roundTo((scale.xr - scale.xl) * steps / kSteps, xDecimals)));
        const Real xu = scale.xl + steps * (scale.xr - scale.xl) / kSteps;
        const Real y = value(graph, xu, toNumber(parameter));
        r.y = rounded(y, yDecimals);
        r.row = row(y, scale);
    });
    return r;
}

} // namespace noktaris::graphs
