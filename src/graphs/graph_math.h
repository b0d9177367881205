// The three graphs of telescope quantities: their definitions in data\grafy.dat,
// the functions they plot, the axis labels of a range and the pixels of the curve
// and of the read-out under the pointer.
//
// Every function is y = c / x with c fixed by the graph (and its parameter p), so
// each is decreasing for positive x and is its own inverse.
#pragma once

#include "common/numbers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace noktaris::graphs {

inline const QString kDefinitionsFile = QStringLiteral("data\\grafy.dat");
inline const QString kDefinitionsError = QStringLiteral("Chyba při zpracování souboru data\\grafy.dat");
inline const QString kZeroMessage =
    QStringLiteral("V některém poli je zadána nulová hodnota! (Počáteční hodnota nesmí být nulová!)");
inline const QString kPrecisionMessage = QStringLiteral(
    "Graf nebyl vykreslen z důvodu malé přesnosti na jedné z os, kde byla vypsána nula. Problém vyřešíte "
    "zvolením přesnosti dané osy na více desetinných míst.");
// Both ends of an axis come out the same: there is no scale to draw with.
inline const QString kFlatMessage = QStringLiteral(
    "Graf nelze vykreslit, protože oba konce jedné z os mají stejnou hodnotu. Zadejte rozsah s různými konci, "
    "zvolte více desetinných míst nebo nenulový parametr.");

// The entries of the dependence list; an entry's index is its line key in the file.
QStringList titles();
inline constexpr int kGraphCount = 3;

// y = f(x) of the graph, p its additional parameter; fails on a division by zero.
Real value(int graph, const Real& x, const Real& p);
// x for a value y (the functions are their own inverses).
Real inverse(int graph, const Real& y, const Real& p);

// One line of the definitions file.
struct Definition {
    QString xName;
    QString yName;
    QString start;
    QString end;
    QString xDescription;
    QString yDescription;
    int xDecimals = 0;
    int yDecimals = 0;
    bool rangeOnX = true;
    bool hasParameter = false;
    QString parameterName;
    QString parameterValue;
};

// The graph's line: the first line whose first character is the index written as
// a digit, read up to an empty line or the end of the file. Nothing when no such
// line is met or it is broken: fewer than twelve "#"-ended fields after the second
// character, an empty field, or decimals that are not a single digit.
std::optional<Definition> definition(const QByteArray& file, int graph);

// The label texts: y[0] is the top label of the y axis (Label3) down to y[10] at
// the bottom (Label13); x[0] is the left label of the x axis (Label14) to x[10]
// at the right (Label24).
struct AxisTexts {
    std::array<QString, 11> y;
    std::array<QString, 11> x;
};

// What the labels are computed from: the texts of the range and parameter fields.
struct Range {
    int graph = 0;
    QString start;
    QString end;
    QString parameter; // the parameter's text, or "0" when the graph has none
    bool onX = true;
    int xDecimals = 0;
    int yDecimals = 0;
};

// Writes the axis labels into `texts` in their order; the first failure (a text
// that is no number, a division by zero) stops it and leaves the labels not yet
// written as they were. Returns whether all were written.
bool computeLabels(const Range& range, AxisTexts& texts);

// The plot area within the picture, in pixels.
inline constexpr int kLeft = 50;
inline constexpr int kTop = 20;
inline constexpr int kRight = 410;
inline constexpr int kBottom = 230;
inline constexpr int kSteps = kRight - kLeft; // one curve segment per pixel column

// The scale of the curve, from the end labels of the x axis.
struct Scale {
    Real xl = 0;
    Real xr = 0;
    Real fr = 0;
    Real s = 0; // function value per pixel
};

enum class CurveFault {
    None,
    Unreadable,     // an end label or the parameter is no number: no curve, nothing said
    DivisionByZero, // an x that is 0: the curve stops where it is
    Flat,           // both ends have the same value: no scale
};

// The curve's pixel rows for the columns 50 ... 410 (row 20 at column 50, then
// 230 - N((f(x) - fr) / s)); `count` rows were computed before a fault. Rows far
// outside the picture are held at +-1 000 000.
struct Curve {
    CurveFault fault = CurveFault::None;
    Scale scale;
    std::array<int, kSteps + 1> rows{};
    int count = 0;
    bool hasScale() const { return fault == CurveFault::None || (fault == CurveFault::DivisionByZero && count > 0); }
};
Curve curve(int graph, const QString& leftLabel, const QString& rightLabel, const QString& parameter);

// The read-out at the pixel column `column` of the plot area: the x value rounded
// to the x decimals, the y value of the curve rounded to the y decimals and the row
// of the horizontal line. A part that cannot be computed stays empty.
struct Readout {
    std::optional<QString> x;
    std::optional<QString> y;
    std::optional<int> row;
};
Readout readout(int graph, const Scale& scale, const QString& parameter, int xDecimals, int yDecimals, int column);

} // namespace noktaris::graphs
