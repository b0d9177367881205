#include "optics/lens_field_group.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace noktaris {

namespace {

constexpr int kLeft = 8;
constexpr int kInnerWidth = 224;

} // namespace

LensFieldGroup::LensFieldGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox5"), QStringLiteral(" Zorné pole objektivu fotoaparátu "),
               QSize(240, 136));

    const QString ownValue = QStringLiteral("Zde můžete zadat vlastní hodnotu");
    FormatLabel = addLabel(this, QStringLiteral("GroupBox5FormatLabel"), QStringLiteral("Formát filmu (mm x mm):"),
                           QRect(kLeft, 20, kInnerWidth, kLabelHeight));
    FF1 = addEdit(this, QStringLiteral("FF1"), QRect(kLeft, 38, 48, kEditHeight), QStringLiteral("0"),
                  KeyFilter::Decimal, ownValue);
    FormatTimesLabel = addLabel(this, QStringLiteral("GroupBox5FormatTimesLabel"), QStringLiteral("x"),
                                QRect(60, 41, 10, kLabelHeight));
    FF2 = addEdit(this, QStringLiteral("FF2"), QRect(72, 38, 48, kEditHeight), QStringLiteral("0"),
                  KeyFilter::Decimal, ownValue);
    Film = addPickList(this, QStringLiteral("Film"), QRect(126, 38, kLeft + kInnerWidth - 126, kEditHeight),
                       QStringLiteral("Vyber druh filmu"));

    // The focal-length caption is nearly as wide as the group, so its field sits
    // on the row below it.
    FfotLabel = addLabel(this, QStringLiteral("GroupBox5FfotLabel"),
                         QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"),
                         QRect(kLeft, 66, kInnerWidth, kLabelHeight));
    FfotEdit4 = addEdit(this, QStringLiteral("FfotEdit4"), QRect(kLeft, 84, 60, kEditHeight), QStringLiteral("0"),
                        KeyFilter::Decimal, QStringLiteral("Zadejte hodnotu"));

    // A wide-angle lens gives a result line with two three-digit angles, which
    // needs the full width; the buttons go on the row of the focal length.
    const int rightEdge = kLeft + kInnerWidth;
    SpeedButton2 = addButton(this, QStringLiteral("SpeedButton2"), QString(), QRect(rightEdge - 48, 84, 22, 22),
                             QStringLiteral("Ukaž zorné pole"));
    SpeedButton2->setFlat(true);
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    BitBtn6 = addResetButton(this, QStringLiteral("BitBtn6"), QPoint(rightEdge - 22, 84));
    connect(BitBtn6, &QPushButton::clicked, this, &LensFieldGroup::BitBtn6Click);

    ZorPole = addLabel(this, QStringLiteral("ZorPole"), QStringLiteral("Zorné pole:"),
                       QRect(kLeft, 112, kInnerWidth, kLabelHeight), LabelStyle::ResultBold);
    makeViewerLink(ZorPole);
}

void LensFieldGroup::BitBtn6Click()
{
    FF1->setText(QStringLiteral("0"));
    FF2->setText(QStringLiteral("0"));
    FfotEdit4->setText(QStringLiteral("0"));
}

} // namespace noktaris
