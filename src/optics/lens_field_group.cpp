#include "optics/lens_field_group.h"

#include "common/viewer_link.h"
#include "common/widgets.h"
#include "optics/fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    SpeedButton2 = addViewerButton(this, QStringLiteral("SpeedButton2"), QPoint(rows.right() - 48, 84));
    BitBtn6 = addResetButton(this, QStringLiteral("BitBtn6"), QPoint(rows.right() - 22, 84), {FF1, FF2, FfotEdit4});

    ZorPole = rows.line(112, QStringLiteral("ZorPole"), fields::kFieldCaption, LabelStyle::ResultBold);
    linkToViewer(ZorPole, SpeedButton2, ViewerTab::Film, {FfotEdit4, FF1, FF2});

    for (QLineEdit* field : {FF1, FF2, FfotEdit4})
        connect(field, &QLineEdit::textChanged, this, &LensFieldGroup::FF1Change);
}

void LensFieldGroup::FF1Change() { showFrameField(ZorPole, FF1, FF2, FfotEdit4, true); }

void showFrameField(QLabel* label, const QLineEdit* width, const QLineEdit* height, const QLineEdit* focalLength,
                    bool signCheck)
{
    label->setText(fields::kFieldCaption);
    guarded([&] {
        const Real w = numberIn(width);
        const Real h = numberIn(height);
        const Real f = numberIn(focalLength);
        label->setText(fields::frameFieldText(w, h, f));
    });
    if (signCheck && hasNegativeInput({width, height, focalLength}))
        label->setText(fields::kFieldCaption);
}

} // namespace noktaris
