// The graph definitions data\grafy.dat (graphs/graph_math.h): each graph's line,
// and what the graphs window makes of it when it opens: the axis labels from the
// range, the curve between the end labels and the read-out under the pointer.
//
// The input is grafy.dat.
#include "fuzz_support.h"

#include "common/code_page.h"
#include "graphs/graph_math.h"

using namespace noktaris;
using namespace noktaris::graphs;

namespace {

QString stored(const QString& text) { return fromCp1250(toCp1250(text)); }

// The definition as one line of the file.
QByteArray lineOf(const Definition& d, int graph)
{
    QByteArray line(1, char('0' + graph));
    line += '|';
    for (const QString& field :
         {d.xName, d.yName, d.start, d.end, d.xDescription, d.yDescription, QString::number(d.xDecimals),
          QString::number(d.yDecimals), QString(d.rangeOnX ? u'1' : u'0'), QString(d.hasParameter ? u'1' : u'0'),
          d.parameterName, d.parameterValue})
        line += toCp1250(field) + '#';
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file = fuzz::bytesOf(data, size);
    for (int graph = 0; graph < kGraphCount; ++graph) {
        const std::optional<Definition> d = definition(file, graph);
        if (!d)
            continue;
        // Written out as a file of its own, the line reads back the same.
        const QByteArray rewritten = "\r\n" + lineOf(*d, graph) + "trailing text\r\n";
        FUZZ_CHECK(!definition(rewritten, graph)); // the empty first line ends the file
        const std::optional<Definition> again = definition(rewritten.mid(2), graph);
        FUZZ_CHECK(again);
        FUZZ_CHECK(again->xName == stored(d->xName) && again->yName == stored(d->yName));
        FUZZ_CHECK(again->start == stored(d->start) && again->end == stored(d->end));
        FUZZ_CHECK(again->xDescription == stored(d->xDescription) && again->yDescription == stored(d->yDescription));
        FUZZ_CHECK(again->xDecimals == d->xDecimals && again->yDecimals == d->yDecimals);
        FUZZ_CHECK(again->rangeOnX == d->rangeOnX && again->hasParameter == d->hasParameter);
        FUZZ_CHECK(again->parameterName == stored(d->parameterName));
        FUZZ_CHECK(again->parameterValue == stored(d->parameterValue));

        // The window opened on this graph: labels, curve, read-out.
        const Range range{
            graph,       d->start,     d->end,      d->hasParameter ? d->parameterValue : QStringLiteral("0"),
            d->rangeOnX, d->xDecimals, d->yDecimals};
        AxisTexts texts;
        if (!computeLabels(range, texts))
            continue;
        for (int i = 0; i < 11; ++i)
            FUZZ_CHECK(isNumber(texts.x[i]) && isNumber(texts.y[i]));
        const Curve c = curve(graph, texts.x[0], texts.x[10], range.parameter);
        FUZZ_CHECK(c.count >= 0 && c.count <= kSteps + 1);
        FUZZ_CHECK((c.fault == CurveFault::None) == (c.count == kSteps + 1));
        if (c.count > 0)
            FUZZ_CHECK(c.rows[0] == kTop);
        for (int i = 1; i < c.count; ++i)
            FUZZ_CHECK(c.rows[i] >= kBottom - 1000000 && c.rows[i] <= kBottom + 1000000);
        if (!c.hasScale())
            continue;
        for (int column : {kLeft, (kLeft + kRight) / 2, kRight, kLeft + int(size % (kSteps + 1))}) {
            const Readout r = readout(graph, c.scale, range.parameter, range.xDecimals, range.yDecimals, column);
            FUZZ_CHECK(!r.x || isNumber(*r.x));
            FUZZ_CHECK(!r.y || isNumber(*r.y));
            FUZZ_CHECK(!r.row || (*r.row >= kBottom - 1000000 && *r.row <= kBottom + 1000000));
        }
    }
    return 0;
}
