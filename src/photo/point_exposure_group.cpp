#include "photo/point_exposure_group.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

PointExposureGroup::PointExposureGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox8"), QStringLiteral(" Maximální délka expozice pro bodové zobrazení "),
               QSize(234, 110));

    const QString declinationHint = QStringLiteral("Zadejte deklinaci od -90° do 90°");

    addLabel(this, QStringLiteral("GroupBox8DeclinationLabel"), QStringLiteral("Deklinace:"),
             QRect(8, 23, 56, kLabelHeight));
    // All three parts of this group's declination accept a minus sign.
    D4 = addEdit(this, QStringLiteral("D4"), QRect(66, 20, 34, kEditHeight), QStringLiteral("0"),
                 KeyFilter::SignedWhole, declinationHint);
    D4->setMaxLength(3);
    addLabel(this, QStringLiteral("GroupBox8DegreeSign"), QStringLiteral("°"), QRect(102, 21, 10, kLabelHeight));
    D5 = addEdit(this, QStringLiteral("D5"), QRect(114, 20, 28, kEditHeight), QStringLiteral("0"),
                 KeyFilter::SignedWhole, declinationHint);
    D5->setMaxLength(2);
    addLabel(this, QStringLiteral("GroupBox8MinuteSign"), QStringLiteral("'"), QRect(144, 21, 8, kLabelHeight));
    D6 = addEdit(this, QStringLiteral("D6"), QRect(154, 20, 28, kEditHeight), QStringLiteral("0"),
                 KeyFilter::SignedWhole, declinationHint);
    D6->setMaxLength(2);
    addLabel(this, QStringLiteral("GroupBox8SecondSign"), QStringLiteral("''"), QRect(184, 21, 12, kLabelHeight));
    BitBtn2 = addResetButton(this, QStringLiteral("BitBtn2"), QPoint(204, 19));

    Label26 = addLabel(this, QStringLiteral("Label26"), QStringLiteral("Ohnisková vzdálenost použitého objektivu (mm):"),
                       QRect(8, 44, 160, 26));
    Label26->setWordWrap(true);
    F = addEdit(this, QStringLiteral("F"), QRect(170, 47, 56, kEditHeight), QStringLiteral("0"), KeyFilter::Decimal,
                QStringLiteral("Zadejte hodnotu"));

    // Two lines: the text for a star at the pole is wider than the group.
    Label31 = addLabel(this, QStringLiteral("Label31"), QStringLiteral("Expoziční čas:"), QRect(8, 75, 218, 28),
                       LabelStyle::ResultBold);
    Label31->setWordWrap(true);
    Label31->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(BitBtn2, &QPushButton::clicked, this, &PointExposureGroup::BitBtn2Click);
}

void PointExposureGroup::BitBtn2Click()
{
    D4->setText(QStringLiteral("0"));
    D5->setText(QStringLiteral("0"));
    D6->setText(QStringLiteral("0"));
    F->setText(QStringLiteral("0"));
}

} // namespace noktaris
