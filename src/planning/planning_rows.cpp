#include "planning/planning_rows.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

QLabel* addResultLine(RowLayout& rows, int y, const char* name, const QString& caption)
{
    return rows.line(y, QString::fromLatin1(name), caption, LabelStyle::ResultBold);
}

void showCaptions(const ResultLines& lines)
{
    for (const auto& [label, caption] : lines)
        label->setText(caption);
}

CameraButtons addCameraButtons(QWidget* window, int y)
{
    return {addButton(window, QStringLiteral("saveCameraButton"), QStringLiteral("Uložit kameru"),
                      QRect(12, y, 120, 25), QStringLiteral("Uloží kameru se zadaným názvem")),
            addButton(window, QStringLiteral("deleteCameraButton"), QStringLiteral("Smazat kameru"),
                      QRect(140, y, 120, 25), QStringLiteral("Smaže vybranou kameru"))};
}

QLineEdit* addValueField(RowLayout& rows, int y, const char* name, const char* caption, const char* text,
                         KeyFilter filter)
{
    const QString edit = QString::fromLatin1(name);
    QLineEdit* field = rows.field(y, edit, edit + QStringLiteral("Label"), QString::fromUtf8(caption), filter);
    field->setText(QString::fromUtf8(text));
    return field;
}

PickList* addListRow(RowLayout& rows, int y, const char* name, const char* caption, int x, bool sorted)
{
    const QString list = QString::fromLatin1(name);
    rows.line(y + 3, list + QStringLiteral("Label"), QString::fromUtf8(caption), LabelStyle::Heading, 1,
              x - rows.left() - 4);
    return rows.pickList(y, list, QString(), sorted, x);
}

Real binningIn(const SpinField* spin)
{
    const std::int64_t b = spin->typedValue();
    if (b < 1 || b > 4)
        throw CalcFailure(CalcFailure::Kind::UnreadableField);
    return Real(static_cast<long long>(b));
}

SpinField* addBinningRow(RowLayout& rows, int y)
{
    rows.line(y + 3, QStringLiteral("binningSpinLabel"), QStringLiteral("Binning:"));
    SpinField* spin = addSpinField(rows.parentWidget(), QStringLiteral("binningSpin"),
                                   QRect(rows.fieldX(), y, 48, kEditHeight), 1, 4);
    spin->setValue(1);
    return spin;
}

} // namespace noktaris
