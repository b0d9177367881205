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
    RowLayout rows(this, 8, 226, 56);

    CtverecEdit = rows.field(23, QStringLiteral("CtverecEdit"), QStringLiteral("Label16"),
                             QStringLiteral("Rozměr zám. čtverce v pointačním okuláru (mm):"), KeyFilter::Decimal,
                             kValueHint, 2, &Label16);
    CtverecEdit->setText(QStringLiteral("0,2"));
    PointEdit = rows.field(49, QStringLiteral("PointEdit"), QStringLiteral("Label17"),
                           QStringLiteral("Ohnisková vzdál. pointačního dalekohledu (mm):"), KeyFilter::Decimal,
                           kValueHint, 2, &Label17);
    FfotEdit5 = rows.field(75, QStringLiteral("FfotEdit5"), QStringLiteral("Label18"),
                           QStringLiteral("Ohnisková vzdál. fotografujícího objektivu (mm):"), KeyFilter::Decimal,
                           kValueHint, 2, &Label18);
    Tolerance = rows.line(102, QStringLiteral("Tolerance"), QStringLiteral("Tolerance:"), LabelStyle::ResultBold, 1, 190);

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
    BitBtn8 = addResetButton(this, QStringLiteral("BitBtn8"), QPoint(204, 99), {CtverecEdit, PointEdit, FfotEdit5});
}

} // namespace noktaris
