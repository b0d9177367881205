// What the two planning windows build alike: an entry field with its caption and
// first text, a pick list with its caption, and the binning read from its spin field.
#pragma once

#include "common/keyfilter.h"
#include "common/numbers.h"

#include <QList>
#include <QString>

#include <initializer_list>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace noktaris {

class PickList;
class RowLayout;
class SpinField;

// The result labels of a window, each with the caption it falls back to.
using ResultLines = QList<std::pair<QLabel*, QString>>;
template <class W>
struct ResultLine {
    QLabel* W::*label;
    const char* name;
    const QString& caption;
};
// A bold result label at y with its caption.
QLabel* addResultLine(RowLayout& rows, int y, const char* name, const QString& caption);
// The labels one below the other, `step` apart from the top, each into its member.
template <class W>
ResultLines addResultLines(W* window, RowLayout& rows, int step, std::initializer_list<ResultLine<W>> lines)
{
    ResultLines made;
    int y = 15;
    for (const ResultLine<W>& line : lines) {
        window->*line.label = addResultLine(rows, y, line.name, line.caption);
        made << std::pair{window->*line.label, line.caption};
        y += step;
    }
    return made;
}
// Every label back to its caption, before a recomputation.
void showCaptions(const ResultLines& lines);

// "Uložit kameru" and "Smazat kameru" at the bottom left.
struct CameraButtons {
    QPushButton* save;
    QPushButton* remove;
};
CameraButtons addCameraButtons(QWidget* window, int y);

// A field named `name` with the caption label `name`Label, holding `text`.
QLineEdit* addValueField(RowLayout& rows, int y, const char* name, const char* caption, const char* text,
                         KeyFilter filter = KeyFilter::Decimal);
// A navy caption `name`Label and the list from x to the right edge.
PickList* addListRow(RowLayout& rows, int y, const char* name, const char* caption, int x, bool sorted = true);
// The binning as typed, 1 to 4; anything else (while typing) is not a binning.
Real binningIn(const SpinField* spin);
// The binning spin field with its caption, 1 to 4, at the fields' edge.
SpinField* addBinningRow(RowLayout& rows, int y);

} // namespace noktaris
