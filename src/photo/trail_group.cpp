#include "photo/trail_group.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

TrailGroup::TrailGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox3"), QStringLiteral(" Dráha hvězdy na nepointované fotografii "),
               QSize(240, 122));

    const QString declinationHint = QStringLiteral("Zadejte deklinaci od -90° do 90°");
    const QString valueHint = QStringLiteral("Zadejte hodnotu");

    addLabel(this, QStringLiteral("GroupBox3DeclinationLabel"), QStringLiteral("Deklinace:"),
             QRect(8, 23, 56, kLabelHeight));
    D1 = addEdit(this, QStringLiteral("D1"), QRect(66, 20, 34, kEditHeight), QStringLiteral("0"),
                 KeyFilter::SignedWhole, declinationHint);
    D1->setMaxLength(3);
    addLabel(this, QStringLiteral("GroupBox3DegreeSign"), QStringLiteral("°"), QRect(102, 21, 10, kLabelHeight));
    // Minutes and seconds always add to the degrees, so they take no sign.
    D2 = addEdit(this, QStringLiteral("D2"), QRect(114, 20, 28, kEditHeight), QStringLiteral("0"), KeyFilter::Whole,
                 declinationHint);
    D2->setMaxLength(2);
    addLabel(this, QStringLiteral("GroupBox3MinuteSign"), QStringLiteral("'"), QRect(144, 21, 8, kLabelHeight));
    D3 = addEdit(this, QStringLiteral("D3"), QRect(154, 20, 28, kEditHeight), QStringLiteral("0"), KeyFilter::Whole,
                 declinationHint);
    D3->setMaxLength(2);
    addLabel(this, QStringLiteral("GroupBox3SecondSign"), QStringLiteral("''"), QRect(184, 21, 12, kLabelHeight));
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
}

void TrailGroup::BitBtn7Click()
{
    D1->setText(QStringLiteral("0"));
    D2->setText(QStringLiteral("0"));
    D3->setText(QStringLiteral("0"));
    FfotEdit2->setText(QStringLiteral("0"));
    CasEdit->setText(QStringLiteral("0"));
}

} // namespace noktaris
