#include "optics/lens_field_group.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace noktaris {

LensFieldGroup::LensFieldGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox5"), QStringLiteral(" Zorné pole objektivu fotoaparátu "),
               QSize(240, 136));
    RowLayout rows(this, 8, 232, 48);

    FormatLabel = rows.line(20, QStringLiteral("GroupBox5FormatLabel"), QStringLiteral("Formát filmu (mm x mm):"));
    FF1 = rows.entry(8, 38, 48, QStringLiteral("FF1"), KeyFilter::Decimal, kOwnValueHint);
    FormatTimesLabel = addLabel(this, QStringLiteral("GroupBox5FormatTimesLabel"), QStringLiteral("x"),
                                QRect(60, 41, 10, kLabelHeight));
    FF2 = rows.entry(72, 38, 48, QStringLiteral("FF2"), KeyFilter::Decimal, kOwnValueHint);
    Film = rows.pickList(38, QStringLiteral("Film"), QStringLiteral("Vyber druh filmu"), true, 126);

    // The focal-length caption is nearly as wide as the group, so its field sits
    // on the row below it.
    FfotLabel = rows.line(66, QStringLiteral("GroupBox5FfotLabel"),
                          QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"));
    FfotEdit4 = rows.entry(8, 84, 60, QStringLiteral("FfotEdit4"), KeyFilter::Decimal, kValueHint);

    // A wide-angle lens gives a result line with two three-digit angles, which
    // needs the full width; the buttons go on the row of the focal length.
    SpeedButton2 = addButton(this, QStringLiteral("SpeedButton2"), QString(), QRect(rows.right() - 48, 84, 22, 22),
                             QStringLiteral("Ukaž zorné pole"));
    SpeedButton2->setFlat(true);
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    BitBtn6 = addResetButton(this, QStringLiteral("BitBtn6"), QPoint(rows.right() - 22, 84), {FF1, FF2, FfotEdit4});

    ZorPole = rows.line(112, QStringLiteral("ZorPole"), QStringLiteral("Zorné pole:"), LabelStyle::ResultBold);
    makeViewerLink(ZorPole);
}

} // namespace noktaris
