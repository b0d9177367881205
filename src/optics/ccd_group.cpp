#include "optics/ccd_group.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <optional>

namespace noktaris {

namespace {

constexpr int kLeft = 8;
constexpr int kInnerWidth = 218;
constexpr int kRightEdge = kLeft + kInnerWidth;
// Columns of the two "width x height" fields.
constexpr int kFirstX = 136;
constexpr int kPairWidth = 38;
constexpr int kTimesX = kFirstX + kPairWidth + 2;
constexpr int kSecondX = kRightEdge - kPairWidth;

} // namespace

CcdGroup::CcdGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox7"), QStringLiteral(" CCD "), QSize(234, 194));

    CcdLabel = addLabel(this, QStringLiteral("GroupBox7CcdLabel"), QStringLiteral("Výběr CCD:"),
                        QRect(kLeft, 23, 64, kLabelHeight));
    CCD = addPickList(this, QStringLiteral("CCD"), QRect(74, 20, kRightEdge - 74, kEditHeight),
                      QStringLiteral("Vyber CCD čip"));

    const QString ownValue = QStringLiteral("Zde můžete zadat vlastní hodnotu");
    auto pair = [&](const QString& prefix, const QString& caption, int y, const QString& firstName,
                    const QString& secondName, std::optional<KeyFilter> filter, QLabel*& label, QLineEdit*& first,
                    QLabel*& times, QLineEdit*& second) {
        label = addLabel(this, QStringLiteral("GroupBox7") + prefix + QStringLiteral("Label"), caption,
                         QRect(kLeft, y + 3, kFirstX - kLeft - 2, kLabelHeight));
        first = addEdit(this, firstName, QRect(kFirstX, y, kPairWidth, kEditHeight), QStringLiteral("0"), filter,
                        ownValue);
        times = addLabel(this, QStringLiteral("GroupBox7") + prefix + QStringLiteral("TimesLabel"),
                         QStringLiteral("x"),
                         QRect(kTimesX, y + 3, kSecondX - kTimesX - 2, kLabelHeight));
        second = addEdit(this, secondName, QRect(kSecondX, y, kPairWidth, kEditHeight), QStringLiteral("0"), filter,
                         ownValue);
    };
    pair(QStringLiteral("Size"), QStringLiteral("Rozměry CCD čipu (mm):"), 46, QStringLiteral("CCD1"),
         QStringLiteral("CCD2"), KeyFilter::Decimal, SizeLabel, CCD1, SizeTimesLabel, CCD2);
    // The pixel counts take any key; a count that is not a number just leaves the
    // results at their bare captions.
    pair(QStringLiteral("Pixels"), QStringLiteral("Rozlišení CCD čipu (px):"), 70, QStringLiteral("CCD3"),
         QStringLiteral("CCD4"), std::nullopt, PixelsLabel, CCD3, PixelsTimesLabel, CCD4);

    FobjLabel = addLabel(this, QStringLiteral("GroupBox7FobjLabel"),
                         QStringLiteral("Ohnisková vzdál. objektivu (mm):"),
                         QRect(kLeft, 97, 166, kLabelHeight));
    FobjEdit = addEdit(this, QStringLiteral("FobjEdit"), QRect(kRightEdge - 48, 94, 48, kEditHeight),
                       QStringLiteral("0"), KeyFilter::Decimal, QStringLiteral("Zadejte hodnotu"));

    UhlZvetseni = addLabel(this, QStringLiteral("UhlZvetseni"), QStringLiteral("Úhlové zvětšení na pixel:"),
                           QRect(kLeft, 122, kInnerWidth, kLabelHeight), LabelStyle::ResultBold);
    ZorPole2 = addLabel(this, QStringLiteral("ZorPole2"), QStringLiteral("Zorné pole:"),
                        QRect(kLeft, 142, kInnerWidth - 26, kLabelHeight), LabelStyle::ResultBold);
    makeViewerLink(ZorPole2);
    SpeedButton3 = addButton(this, QStringLiteral("SpeedButton3"), QString(), QRect(kRightEdge - 22, 139, 22, 22),
                             QStringLiteral("Ukaž zorné pole"));
    SpeedButton3->setFlat(true);
    SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));

    BitBtn5 = addResetButton(this, QStringLiteral("BitBtn5"), QPoint(kRightEdge - 22, 163));
    connect(BitBtn5, &QPushButton::clicked, this, &CcdGroup::BitBtn5Click);
}

void CcdGroup::BitBtn5Click()
{
    CCD1->setText(QStringLiteral("0"));
    CCD2->setText(QStringLiteral("0"));
    CCD3->setText(QStringLiteral("0"));
    CCD4->setText(QStringLiteral("0"));
    FobjEdit->setText(QStringLiteral("0"));
}

} // namespace noktaris
