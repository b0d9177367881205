#include "photo/trail_group.h"

#include "photo/declination_input.h"

#include "common/widgets.h"
#include "config/calculator_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

TrailGroup::TrailGroup(QWidget* parent, Corner corner) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox3"), QStringLiteral(" Dráha hvězdy na nepointované fotografii "),
               QSize(240, 122));
    RowLayout rows(this, 8, 232, 56);

    // Minutes and seconds always add to the degrees, so they take no sign.
    const DeclinationRow declination = addDeclinationRow(
        this, QStringLiteral("GroupBox3"), {QStringLiteral("D1"), QStringLiteral("D2"), QStringLiteral("D3")},
        KeyFilter::Whole, QPoint(8, 20), kDeclinationHint);
    D1 = declination.degrees;
    D2 = declination.minutes;
    D3 = declination.seconds;
    CasEdit = rows.field(45, QStringLiteral("CasEdit"), QStringLiteral("Label5"), QStringLiteral("Čas expozice (s):"),
                         KeyFilter::Decimal, kValueHint, 1, &Label5);
    FfotEdit2 = rows.field(72, QStringLiteral("FfotEdit2"), QStringLiteral("Label6"),
                           QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"), KeyFilter::Decimal,
                           kValueHint, 2, &Label6);
    Draha = rows.line(100, QStringLiteral("Draha"), QStringLiteral("Délka dráhy:"), LabelStyle::ResultBold);
    if (corner == Corner::ResetButton)
        BitBtn7 = addResetButton(this, QStringLiteral("BitBtn7"), QPoint(210, 19), {D1, D2, D3, FfotEdit2, CasEdit});
    else
        SpeedButton1 = addCalculatorButton(this, QStringLiteral("SpeedButton1"), QPoint(206, 17));

    for (QLineEdit* field : {D1, D2, D3, CasEdit, FfotEdit2})
        connect(field, &QLineEdit::textChanged, this, &TrailGroup::D1Change);
}

void TrailGroup::D1Change()
{
    Draha->setText(QStringLiteral("Délka dráhy:"));
    guarded([&] {
        const declination::Declination declination = readDeclination(D1, D2, D3);
        if (declination.range == declination::Range::Pole)
            Draha->setText(QStringLiteral("Délka dráhy: 0 mm"));
        if (declination.range != declination::Range::Inside)
            return;
        const Real t = toNumber(CasEdit->text());
        const Real f = toNumber(FfotEdit2->text());
        Draha->setText(QStringLiteral("Délka dráhy: ")
                       + formatNumber(declination::trailLength(f, t, declination.cosDelta)) + QStringLiteral(" mm"));
    });
}

} // namespace noktaris
