// Placing the controls of a group row by row.
#pragma once

#include "common/keyfilter.h"
#include "common/style.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

namespace noktaris {

class PickList;

// Places the controls of a group row by row, each at the height given: captions
// begin at the left edge, entry fields end at the right edge, and pick lists and
// text lines run across to it.
class RowLayout {
public:
    RowLayout(QWidget* parent, int left, int right, int fieldWidth);

    // An entry field at the right edge, initial text "0", with its caption to the
    // left of it; a caption of two lines is wrapped and sits beside the field. The
    // caption's label goes to *label when asked for.
    QLineEdit* field(int y, const QString& editName, const QString& labelName, const QString& caption,
                     std::optional<KeyFilter> filter, const QString& hint = QString(), int captionLines = 1,
                     QLabel** label = nullptr);
    // An entry field without a caption of its own, `width` wide from x.
    QLineEdit* entry(int x, int y, int width, const QString& name, std::optional<KeyFilter> filter,
                     const QString& hint = QString());
    // A pick list from x (the left edge when -1) to the right edge.
    PickList* pickList(int y, const QString& name, const QString& hint, bool sorted = true, int x = -1);
    // A label from the left edge, `width` wide (to the right edge when -1).
    QLabel* line(int y, const QString& name, const QString& text, LabelStyle style = LabelStyle::Input, int lines = 1,
                 int width = -1);
    // A caption and two fields at the right edge with an "x" between them: "width x height".
    struct Pair {
        QLabel* caption;
        QLineEdit* first;
        QLabel* times;
        QLineEdit* second;
    };
    Pair pair(int y, const QString& labelPrefix, const QString& caption, const QString& firstName,
              const QString& secondName, std::optional<KeyFilter> filter, const QString& hint);

    int left() const { return left_; }
    int right() const { return right_; }
    int fieldX() const { return right_ - fieldWidth_; }
    QWidget* parentWidget() const { return parent_; }

private:
    QWidget* parent_;
    int left_;
    int right_;
    int fieldWidth_;
};
// A declination on one row: "Deklinace:", then degrees, minutes and seconds, each
// field followed by its sign. The degrees always accept a minus sign; partsFilter
// says whether the minutes and seconds do. Label names begin with prefix. The
// fields carry the range hint where `hint` is set.
struct DeclinationRow {
    QLineEdit* degrees;
    QLineEdit* minutes;
    QLineEdit* seconds;
};
DeclinationRow addDeclinationRow(QWidget* parent, const QString& prefix, const QStringList& fieldNames,
                                 KeyFilter partsFilter, const QPoint& at, const QString& hint = QString());
inline const QString kDeclinationHint = QStringLiteral("Zadejte deklinaci od -90° do 90°");

} // namespace noktaris
