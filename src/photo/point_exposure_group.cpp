#include "photo/point_exposure_group.h"

#include "common/messages.h"
#include "common/widgets.h"
#include "config/config_file.h"
#include "photo/declination_input.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

PointExposureGroup::PointExposureGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox8"), QStringLiteral(" Maximální délka expozice pro bodové zobrazení "),
               QSize(234, 110));
    RowLayout rows(this, 8, 226, 56);

    // All three parts of this group's declination accept a minus sign.
    const DeclinationRow declination = addDeclinationRow(
        this, QStringLiteral("GroupBox8"), {QStringLiteral("D4"), QStringLiteral("D5"), QStringLiteral("D6")},
        KeyFilter::SignedWhole, QPoint(8, 20), kDeclinationHint);
    D4 = declination.degrees;
    D5 = declination.minutes;
    D6 = declination.seconds;
    F = rows.field(47, QStringLiteral("F"), QStringLiteral("Label26"),
                   QStringLiteral("Ohnisková vzdálenost použitého objektivu (mm):"), KeyFilter::Decimal, kValueHint, 2,
                   &Label26);
    // Two lines: the text for a star at the pole is wider than the group.
    Label31 = rows.line(75, QStringLiteral("Label31"), exposure::kExposureCaption, LabelStyle::ResultBold, 2);
    BitBtn2 = addResetButton(this, QStringLiteral("BitBtn2"), QPoint(204, 19), {D4, D5, D6, F});

    for (QLineEdit* field : {D4, D5, D6, F})
        connect(field, &QLineEdit::textChanged, this, &PointExposureGroup::D4Change);
}

void PointExposureGroup::D4Change()
{
    // k3 is read afresh each time, so a value saved in the settings counts at once.
    const FileResult<QList<Real>> k3 = pointExposureConstant();
    if (!k3)
        showMessage(kConfigErrorMessage);
    Label31->setText(exposure::kExposureCaption);
    Real f = 0;
    guarded([&] {
        const declination::Declination declination = readDeclination(D4, D5, D6);
        if (declination.range == declination::Range::Pole)
            Label31->setText(exposure::kPoleText);
        if (declination.range != declination::Range::Inside)
            return;
        f = toNumber(F->text());
        const Real seconds = declination::pointExposure(k3->at(0), f, declination.cosDelta);
        Label31->setText(exposure::hoursText(exposure::toHours(seconds)));
    });
    if (f < 0)
        Label31->setText(exposure::kExposureCaption);
}

} // namespace noktaris
