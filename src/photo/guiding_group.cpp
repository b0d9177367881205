#include "photo/guiding_group.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

namespace {

// The verdict and the note are written for a narrower face than the window's;
// one point less keeps each of their lines whole within the group.
void useSmallerFont(QWidget* widget)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    widget->setFont(font);
}

} // namespace

GuidingGroup::GuidingGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox6"), QStringLiteral(" Tolerance při pointování point. okulárem "),
               QSize(234, 178));

    const QString valueHint = QStringLiteral("Zadejte hodnotu");
    Label16 = addLabel(this, QStringLiteral("Label16"), QStringLiteral("Rozměr zám. čtverce v pointačním okuláru (mm):"),
                       QRect(8, 20, 160, 26));
    Label16->setWordWrap(true);
    CtverecEdit = addEdit(this, QStringLiteral("CtverecEdit"), QRect(170, 23, 56, kEditHeight), QStringLiteral("0,2"),
                          KeyFilter::Decimal, valueHint);
    Label17 = addLabel(this, QStringLiteral("Label17"), QStringLiteral("Ohnisková vzdál. pointačního dalekohledu (mm):"),
                       QRect(8, 46, 160, 26));
    Label17->setWordWrap(true);
    PointEdit = addEdit(this, QStringLiteral("PointEdit"), QRect(170, 49, 56, kEditHeight), QStringLiteral("0"),
                        KeyFilter::Decimal, valueHint);
    Label18 = addLabel(this, QStringLiteral("Label18"), QStringLiteral("Ohnisková vzdál. fotografujícího objektivu (mm):"),
                       QRect(8, 72, 160, 26));
    Label18->setWordWrap(true);
    FfotEdit5 = addEdit(this, QStringLiteral("FfotEdit5"), QRect(170, 75, 56, kEditHeight), QStringLiteral("0"),
                        KeyFilter::Decimal, valueHint);

    Tolerance = addLabel(this, QStringLiteral("Tolerance"), QStringLiteral("Tolerance:"),
                         QRect(8, 102, 190, kLabelHeight), LabelStyle::ResultBold);
    BitBtn8 = addResetButton(this, QStringLiteral("BitBtn8"), QPoint(204, 99));

    // The verdict speaks through its background: olive until there is a result.
    Potvrzeni = addLabel(this, QStringLiteral("Potvrzeni"),
                         QStringLiteral("                            Potvrzení                            "),
                         QRect(6, 124, 222, kLabelHeight));
    useSmallerFont(Potvrzeni);
    Potvrzeni->setAlignment(Qt::AlignCenter);
    Potvrzeni->setAutoFillBackground(true);
    QPalette verdict = Potvrzeni->palette();
    verdict.setColor(QPalette::Window, QColor(128, 128, 0));
    Potvrzeni->setPalette(verdict);
    Potvrzeni->setToolTip(QStringLiteral("Pouze pro objektiv fotoaparátu."));

    Memo1 = addLabel(this, QStringLiteral("Memo1"),
                     QStringLiteral("        Tolerance   je   uvedena  v  násobcích velikosti\n"
                                    "         záměrného čtverce.  O tento  násobek může\n"
                                    "        hvězda maximálně vyjet ze záměrného čtverce."),
                     QRect(6, 141, 222, 34));
    useSmallerFont(Memo1);
    Memo1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(BitBtn8, &QPushButton::clicked, this, &GuidingGroup::BitBtn8Click);
}

void GuidingGroup::BitBtn8Click()
{
    CtverecEdit->setText(QStringLiteral("0"));
    PointEdit->setText(QStringLiteral("0"));
    FfotEdit5->setText(QStringLiteral("0"));
}

} // namespace noktaris
