#include "common/row_layout.h"

#include "common/pick_list.h"
#include "common/style.h"

#include <QLabel>
#include <QLineEdit>

namespace noktaris {

RowLayout::RowLayout(QWidget* parent, int left, int right, int fieldWidth)
    : parent_(parent), left_(left), right_(right), fieldWidth_(fieldWidth)
{
}

QLineEdit* RowLayout::field(int y, const QString& editName, const QString& labelName, const QString& caption,
                            std::optional<KeyFilter> filter, const QString& hint, int captionLines, QLabel** label)
{
    const int captionWidth = fieldX() - left_ - 4;
    QLabel* captionLabel = captionLines > 1
        ? addLabel(parent_, labelName, caption, QRect(left_, y - 3, captionWidth, 26))
        : addLabel(parent_, labelName, caption, QRect(left_, y + 3, captionWidth, kLabelHeight));
    captionLabel->setWordWrap(captionLines > 1);
    if (label)
        *label = captionLabel;
    return entry(fieldX(), y, fieldWidth_, editName, filter, hint);
}

QLineEdit* RowLayout::entry(int x, int y, int width, const QString& name, std::optional<KeyFilter> filter,
                            const QString& hint)
{
    return addEdit(parent_, name, QRect(x, y, width, kEditHeight), QStringLiteral("0"), filter, hint);
}

PickList* RowLayout::pickList(int y, const QString& name, const QString& hint, bool sorted, int x)
{
    const int from = x < 0 ? left_ : x;
    return addPickList(parent_, name, QRect(from, y, right_ - from, 22), hint, sorted);
}

QLabel* RowLayout::line(int y, const QString& name, const QString& text, LabelStyle style, int lines, int width)
{
    QLabel* label =
        addLabel(parent_, name, text,
                 QRect(left_, y, width < 0 ? right_ - left_ : width, lines > 1 ? 13 * lines : kLabelHeight), style);
    if (lines > 1) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

RowLayout::Pair RowLayout::pair(int y, const QString& labelPrefix, const QString& caption, const QString& firstName,
                                const QString& secondName, std::optional<KeyFilter> filter, const QString& hint)
{
    // Each field a little over half the field width, the "x" in the gap between them.
    const int width = fieldWidth_;
    const int firstX = right_ - 2 * width - 14;
    Pair p;
    p.caption = addLabel(parent_, labelPrefix + QStringLiteral("Label"), caption,
                         QRect(left_, y + 3, firstX - left_ - 2, kLabelHeight));
    p.first = entry(firstX, y, width, firstName, filter, hint);
    p.times = addLabel(parent_, labelPrefix + QStringLiteral("TimesLabel"), QStringLiteral("x"),
                       QRect(firstX + width + 2, y + 3, 10, kLabelHeight));
    p.second = entry(right_ - width, y, width, secondName, filter, hint);
    return p;
}

DeclinationRow addDeclinationRow(QWidget* parent, const QString& prefix, const QStringList& fieldNames,
                                 KeyFilter partsFilter, const QPoint& at, const QString& hint)
{
    const int x = at.x();
    const int y = at.y();
    addLabel(parent, prefix + QStringLiteral("DeclinationLabel"), QStringLiteral("Deklinace:"),
             QRect(x, y + 3, 56, kLabelHeight));
    DeclinationRow row;
    row.degrees = addEdit(parent, fieldNames.value(0), QRect(x + 58, y, 34, kEditHeight), QStringLiteral("0"),
                          KeyFilter::SignedWhole, hint);
    row.degrees->setMaxLength(3);
    addLabel(parent, prefix + QStringLiteral("DegreeSign"), QStringLiteral("°"),
             QRect(x + 94, y + 1, 10, kLabelHeight));
    row.minutes = addEdit(parent, fieldNames.value(1), QRect(x + 106, y, 28, kEditHeight), QStringLiteral("0"),
                          partsFilter, hint);
    row.minutes->setMaxLength(2);
    addLabel(parent, prefix + QStringLiteral("MinuteSign"), QStringLiteral("'"),
             QRect(x + 136, y + 1, 8, kLabelHeight));
    row.seconds = addEdit(parent, fieldNames.value(2), QRect(x + 146, y, 28, kEditHeight), QStringLiteral("0"),
                          partsFilter, hint);
    row.seconds->setMaxLength(2);
    addLabel(parent, prefix + QStringLiteral("SecondSign"), QStringLiteral("''"),
             QRect(x + 176, y + 1, 12, kLabelHeight));
    return row;
}

} // namespace noktaris
