// The graphs' definitions file, axis labels, curve and read-out: a row per worked
// example or edge case, texts compared as the labels print them.
#include "graphs/graph_math.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace noktaris {
namespace {

using graphs::CurveFault;

QStringList list(const std::array<QString, 11>& texts) { return QStringList(texts.begin(), texts.end()); }
QStringList split(const char* texts) { return QString::fromUtf8(texts).split(u' '); }

TEST(GraphDefinitions, LineOfEachGraphAndBrokenLines)
{
    const QByteArray good = "1#f#ZP#500#2000#F (mm)#ZP (\xb0)#0#2#1#1#f okul\xe1ru:#25#";
    struct Row {
        const char* what;
        QByteArray file;
        int graph;
        const char* fields; // "|"-joined as read; nullptr: no usable line
    };
    const Row rows[] = {
        {"the third line, CR LF", "0#a#b#1#2#c#d#0#1#1#0#-#0#\r\n2#x#y#4#15#F/D#VP#1#2#2#1#f:#25#\r\n" + good, 1,
         "f|ZP|500|2000|F (mm)|ZP (°)|0|2|x|p|f okuláru:|25"},
        {"range on y, no parameter", "2#x#y#4#15#F/D#VP#1#9#0#0#-#0#\n", 2, "x|y|4|15|F/D|VP|1|9|y|-|-|0"},
        {"the second character is not examined", "2Xx#y#4#15#F/D#VP#1#2#1#7#p#3#\n", 2, "x|y|4|15|F/D|VP|1|2|x|p|p|3"},
        {"text after the twelfth field is not read", good + "konec", 1,
         "f|ZP|500|2000|F (mm)|ZP (°)|0|2|x|p|f okuláru:|25"},
        {"no line of the graph", good, 0, nullptr},
        {"an empty line before it", "0#a#b#1#2#c#d#0#1#1#0#-#0#\n\n" + good, 1, nullptr},
        {"empty file", "", 1, nullptr},
        {"eleven fields", "1#f#ZP#500#2000#F#ZP#0#2#1#1#p#", 1, nullptr},
        {"last field without its #", "1#f#ZP#500#2000#F#ZP#0#2#1#1#p#25", 1, nullptr},
        {"an empty field", "1#f##500#2000#F#ZP#0#2#1#1#p#25#", 1, nullptr},
        {"decimals not a digit", "1#f#ZP#500#2000#F#ZP#x#2#1#1#p#25#", 1, nullptr},
        {"decimals beyond 9", "1#f#ZP#500#2000#F#ZP#0#10#1#1#p#25#", 1, nullptr},
        {"a line of one character", "1", 1, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto d = graphs::definition(r.file, r.graph);
        ASSERT_EQ(d.has_value(), r.fields != nullptr);
        if (!d)
            continue;
        const QStringList read{d->xName,
                               d->yName,
                               d->start,
                               d->end,
                               d->xDescription,
                               d->yDescription,
                               QString::number(d->xDecimals),
                               QString::number(d->yDecimals),
                               d->rangeOnX ? "x" : "y",
                               d->hasParameter ? "p" : "-",
                               d->parameterName,
                               d->parameterValue};
        EXPECT_EQ(read.join(u'|'), QString::fromUtf8(r.fields));
    }
}

TEST(GraphLabels, WorkedExamplesAndFailures)
{
    const char* old = "s s s s s s s s s s s";
    struct Row {
        const char* what;
        graphs::Range range;
        bool complete;
        const char* x; // left to right
        const char* y; // top to bottom
    };
    const Row rows[] = {
        // The middle one, 2,3 - 0,95 = 1,35, is an exact half: it goes to the even 1,4.
        {"resolving power, 50 to 300 on x, 0 and 1 decimals",
         {0, "50", "300", "0", true, 0, 1},
         true,
         "50 75 100 125 150 175 200 225 250 275 300",
         "2,3 2,1 1,9 1,7 1,5 1,4 1,2 1 0,8 0,6 0,4"},
        {"200 to 1000 on y, 0 decimals on x: the left label is 0",
         {0, "200", "1000", "0", false, 0, 0},
         true,
         "0 0 0 0 0 0 1 1 1 1 1",
         "1000 920 840 760 680 600 520 440 360 280 200"},
        {"the same with 2 decimals on x",
         {0, "200", "1000", "0", false, 2, 2},
         true,
         "0,12 0,17 0,21 0,26 0,3 0,35 0,4 0,44 0,49 0,53 0,58",
         "1000 920 840 760 680 600 520 440 360 280 200"},
        // 1,665 goes to the even neighbour.
        {"field of view with its parameter: 1250 / x",
         {1, "500", "1500", "25", true, 0, 2},
         true,
         "500 600 700 800 900 1000 1100 1200 1300 1400 1500",
         "2,5 2,33 2,17 2 1,83 1,66 1,5 1,33 1,16 1 0,83"},
        // 1,45 is a half that goes to the even neighbour.
        {"exit pupil on y, unrounded ends",
         {2, "0,5", "5,25", "10", false, 1, 1},
         true,
         "1,9 3,7 5,5 7,3 9,1 11 12,8 14,6 16,4 18,2 20",
         "5,25 4,8 4,3 3,8 3,4 2,9 2,4 1,9 1,4 1 0,5"},
        {"start no number: nothing written", {0, "1,,2", "300", "0", true, 0, 1}, false, old, old},
        {"parameter no number: the x labels only",
         {1, "500", "1500", ",,", true, 0, 2},
         false,
         "500 600 700 800 900 1000 1100 1200 1300 1400 1500",
         old},
        {"start 0,0: the y labels stop at the division by zero",
         {0, "0,0", "300", "0", true, 0, 1},
         false,
         "0 30 60 90 120 150 180 210 240 270 300",
         old},
        {"absurd range: beyond whole numbers, nothing written",
         {0, "1E-300", "1E300", "0", true, 0, 0},
         false,
         old,
         old},
        {"equal ends",
         {0, "100", "100", "0", true, 0, 1},
         true,
         "100 100 100 100 100 100 100 100 100 100 100",
         "1,2 1,2 1,2 1,2 1,2 1,2 1,2 1,2 1,2 1,2 1,2"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        graphs::AxisTexts texts;
        texts.x.fill(QStringLiteral("s"));
        texts.y.fill(QStringLiteral("s"));
        EXPECT_EQ(graphs::computeLabels(r.range, texts), r.complete);
        EXPECT_EQ(list(texts.x), split(r.x));
        EXPECT_EQ(list(texts.y), split(r.y));
    }
}

TEST(GraphCurve, EndsAtTheCornersOrStopsWithItsFault)
{
    struct Row {
        const char* what;
        int graph;
        const char* left;
        const char* right;
        const char* parameter;
        CurveFault fault;
        int count;
    };
    const Row rows[] = {
        {"resolving power 50 to 300", 0, "50", "300", "0", CurveFault::None, 361},
        {"field of view", 1, "500", "2000", "25", CurveFault::None, 361},
        {"left label 0", 0, "0", "1", "0", CurveFault::DivisionByZero, 0},
        {"right label 0", 2, "4", "0", "25", CurveFault::DivisionByZero, 0},
        {"crossing 0: stops at x = 0", 0, "-10", "10", "0", CurveFault::DivisionByZero, 180},
        {"equal ends", 0, "100", "100", "0", CurveFault::Flat, 0},
        {"parameter 0,0", 1, "500", "2000", "0,0", CurveFault::Flat, 0},
        {"end label empty", 0, "", "300", "0", CurveFault::Unreadable, 0},
        {"parameter no number", 2, "4", "15", ",,", CurveFault::Unreadable, 0},
        {"absurd range", 0, "1E-300", "1E300", "0", CurveFault::None, 361},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const graphs::Curve c = graphs::curve(r.graph, r.left, r.right, r.parameter);
        EXPECT_EQ(c.fault, r.fault);
        EXPECT_EQ(c.count, r.count);
        if (c.count == 361) {
            EXPECT_EQ(c.rows[0], 20);
            EXPECT_EQ(c.rows[360], 230);
            for (int i = 1; i <= 360; ++i)
                ASSERT_GE(c.rows[i], c.rows[i - 1]) << i;
        }
    }
}

TEST(GraphReadout, ValuesUnderThePointer)
{
    // Resolving power 50 to 300: s = (2,316 - 0,386) / 210 per pixel row.
    const graphs::Scale scale = graphs::curve(0, "50", "300", "0").scale;
    struct Row {
        int column;
        int xDecimals, yDecimals;
        const char* x;
        const char* y;
        int row;
    };
    const Row rows[] = {
        {50, 0, 2, "50", "2,32", 20},
        {410, 0, 2, "300", "0,39", 230},
        {230, 0, 2, "175", "0,66", 200}, // 115,8 / 175 = 0,6617: 30 rows above the bottom
        {231, 1, 3, "175,7", "0,659", 200},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.column);
        const graphs::Readout read = graphs::readout(0, scale, "0", r.xDecimals, r.yDecimals, r.column);
        EXPECT_EQ(read.x, QString::fromUtf8(r.x));
        EXPECT_EQ(read.y, QString::fromUtf8(r.y));
        EXPECT_EQ(read.row, r.row);
    }
    const graphs::Readout failed = graphs::readout(0, graphs::curve(0, "-10", "10", "0").scale, "0", 0, 0, 230);
    EXPECT_EQ(failed.x, QStringLiteral("0"));
    EXPECT_FALSE(failed.y.has_value());
}

} // namespace
} // namespace noktaris
