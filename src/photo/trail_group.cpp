#include "photo/trail_group.h"

#include "photo/declination_input.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

TrailGroup::TrailGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox3"), QStringLiteral(" Dráha hvězdy na nepointované fotografii "),
               QSize(240, 122));

    const QString valueHint = QStringLiteral("Zadejte hodnotu");

    // Minutes and seconds always add to the degrees, so they take no sign.
    const DeclinationRow declination = addDeclinationRow(
        this, QStringLiteral("GroupBox3"), {QStringLiteral("D1"), QStringLiteral("D2"), QStringLiteral("D3")},
        KeyFilter::Whole, QPoint(8, 20), kDeclinationHint);
    D1 = declination.degrees;
    D2 = declination.minutes;
    D3 = declination.seconds;
    BitBtn7 = addResetButton(this, QStringLiteral("BitBtn7"), QPoint(210, 19));

    Label5 = addLabel(this, QStringLiteral("Label5"), QStringLiteral("Čas expozice (s):"),
                      QRect(8, 48, 166, kLabelHeight));
    CasEdit = addEdit(this, QStringLiteral("CasEdit"), QRect(176, 45, 56, kEditHeight), QStringLiteral("0"),
                      KeyFilter::Decimal, valueHint);
    Label6 = addLabel(this, QStringLiteral("Label6"), QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"),
                      QRect(8, 69, 166, 26));
    Label6->setWordWrap(true);
    FfotEdit2 = addEdit(this, QStringLiteral("FfotEdit2"), QRect(176, 72, 56, kEditHeight), QStringLiteral("0"),
                        KeyFilter::Decimal, valueHint);

    Draha = addLabel(this, QStringLiteral("Draha"), QStringLiteral("Délka dráhy:"), QRect(8, 100, 224, kLabelHeight),
                     LabelStyle::ResultBold);

    connect(BitBtn7, &QPushButton::clicked, this, &TrailGroup::BitBtn7Click);
    for (QLineEdit* field : {D1, D2, D3, CasEdit, FfotEdit2})
        connect(field, &QLineEdit::textChanged, this, &TrailGroup::D1Change);
}

void TrailGroup::BitBtn7Click()
{
    D1->setText(QStringLiteral("0"));
    D2->setText(QStringLiteral("0"));
    D3->setText(QStringLiteral("0"));
    FfotEdit2->setText(QStringLiteral("0"));
    CasEdit->setText(QStringLiteral("0"));
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
        Draha->setText(QStringLiteral("Délka dráhy: ") + formatNumber(declination::trailLength(f, t, declination.cosDelta))
                       + QStringLiteral(" mm"));
    });
}

} // namespace noktaris
