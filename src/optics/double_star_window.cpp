#include "optics/double_star_window.h"

#include "common/widgets.h"
#include "config/calculator_button.h"
#include "optics/telescope.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace noktaris {

namespace {
constexpr QSize kWindowSize(336, 132);
const QString kCaption = QStringLiteral("Minimální zvětšení:");
} // namespace

TForm5::TForm5(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm5"), QStringLiteral("Minimální zvětšení pro rozlišení dvojhvězdy"),
                      kWindowSize, parent)
{
    RowLayout rows(this, 12, kWindowSize.width() - 12, 64);
    Edit1 = rows.field(12, QStringLiteral("Edit1"), QStringLiteral("Label1"),
                       QStringLiteral("Vzdálenost složek dvojhvězdy (''):"), KeyFilter::Decimal);
    Edit2 = rows.field(38, QStringLiteral("Edit2"), QStringLiteral("Label3"),
                       QStringLiteral("Rozdíl jasností složek dvojhvězdy (m):"), KeyFilter::Decimal);
    Label2 =
        rows.line(72, QStringLiteral("Label2"), kCaption, LabelStyle::ResultBold, 1, rows.right() - rows.left() - 30);
    SpeedButton1 = addCalculatorButton(this, QStringLiteral("SpeedButton1"), QPoint(rows.right() - 25, 67));
    BitBtn1 = addCornerCloseButton(this, QStringLiteral("Zavřít"), true);

    for (QLineEdit* field : {Edit1, Edit2})
        connect(field, &QLineEdit::textChanged, this, &TForm5::Edit1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm5::BitBtn1Click);
}

void TForm5::Edit1Change()
{
    Label2->setText(kCaption);
    guarded([&] {
        const Real dm = numberIn(Edit2);
        const Real rho = numberIn(Edit1);
        Label2->setText(kCaption + u' ' + formatNumber(telescope::doubleStarMagnification(rho, dm)) + u'x');
    });
}

void TForm5::FormShow() { Edit1->setFocus(); }

void TForm5::BitBtn1Click() { close(); }

} // namespace noktaris
