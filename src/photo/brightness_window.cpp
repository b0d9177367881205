#include "photo/brightness_window.h"

#include "common/widgets.h"
#include "config/calculator_button.h"
#include "photo/exposure.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace noktaris {

namespace {
constexpr QSize kWindowSize(372, 196);
const QString kCaption = QStringLiteral("Jasnost:");
} // namespace

TForm14::TForm14(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm14"), QStringLiteral("Výpočet poměrných jasností"), kWindowSize, parent)
{
    RowLayout rows(this, 12, kWindowSize.width() - 12, 64);
    Edit1 = rows.field(12, QStringLiteral("Edit1"), QStringLiteral("Label1"),
                       QStringLiteral("Magnituda objektu na čtvereční sekundu (m / \"^2):"), KeyFilter::SignedDecimal,
                       QString(), 1, &Label1);
    Label3 =
        rows.line(42, QStringLiteral("Label3"), kCaption, LabelStyle::ResultBold, 1, rows.right() - rows.left() - 30);
    SpeedButton1 = addCalculatorButton(this, QStringLiteral("SpeedButton1"), QPoint(rows.right() - 25, 37));
    Memo1 = addLabel(this, QStringLiteral("Memo1"),
                     QStringLiteral("Magnituda na čtvereční sekundu je standardní fotometrickou \n"
                                    " veličinou. Udává, jakou magnitudu by objekt měl při rozměrech  \n"
                                    "1\" x 1\". Její hodnoty pro některé objekty můžete najít například v \n"
                                    "Sky Catalogue 2000.0, Volume 2 nebo Astrophotography for the \n"
                                    "Amateur, appendix A."),
                     QRect(12, 66, rows.right() - 12, 70));
    Memo1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    BitBtn1 = addCornerCloseButton(this, QStringLiteral("&Zavřít"), false);

    connect(Edit1, &QLineEdit::textChanged, this, &TForm14::Edit1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm14::BitBtn1Click);
}

void TForm14::Edit1Change()
{
    Label3->setText(kCaption);
    guarded([&] { Label3->setText(kCaption + u' ' + formatNumber(exposure::relativeBrightness(numberIn(Edit1)))); });
}

void TForm14::BitBtn1Click() { close(); }

} // namespace noktaris
