#include "optics/ccd_window.h"

#include "catalogue/pick_lists.h"
#include "common/viewer_link.h"
#include "common/widgets.h"
#include "config/calculator_button.h"
#include "optics/fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace noktaris {

namespace {
constexpr QSize kWindowSize(372, 292);
} // namespace

TForm7::TForm7(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm7"), QStringLiteral("Parametry CCD kamery"), kWindowSize, parent)
{
    RowLayout rows(this, 12, kWindowSize.width() - 12, 64);
    rows.line(15, QStringLiteral("CCDLabel"), QStringLiteral("Výběr CCD čipu:"), LabelStyle::Heading, 1, 100);
    CCD = rows.pickList(12, QStringLiteral("CCD"), QString(), true, 116);

    RowLayout pairs(this, 12, kWindowSize.width() - 12, 56);
    const RowLayout::Pair size =
        pairs.pair(44, QStringLiteral("ccdSize"), QStringLiteral("Rozměr CCD čipu (mm):"), QStringLiteral("ccd1"),
                   QStringLiteral("ccd2"), KeyFilter::Decimal, QString());
    const RowLayout::Pair pixels =
        pairs.pair(70, QStringLiteral("ccdPixels"), QStringLiteral("Rozlišení CCD čipu (px):"), QStringLiteral("ccd3"),
                   QStringLiteral("ccd4"), KeyFilter::Decimal, QString());
    ccd1 = size.first;
    ccd2 = size.second;
    ccd3 = pixels.first;
    ccd4 = pixels.second;
    fok = rows.field(96, QStringLiteral("fok"), QStringLiteral("fokLabel"),
                     QStringLiteral("Ohnisková vzdálenost objektivu (mm):"), KeyFilter::Decimal);
    cit = rows.field(122, QStringLiteral("cit"), QStringLiteral("citLabel"),
                     QStringLiteral("Maximální spektrální citlivost čipu (nm):"), KeyFilter::Decimal);

    const int resultWidth = rows.right() - rows.left() - 26;
    Label11 = rows.line(158, QStringLiteral("Label11"), ccd::kPixelCaption, LabelStyle::ResultBold, 1, resultWidth);
    Label7 = rows.line(180, QStringLiteral("Label7"), ccd::kScaleCaption, LabelStyle::ResultBold, 1, resultWidth);
    Label8 = rows.line(202, QStringLiteral("Label8"), fields::kFieldCaption, LabelStyle::ResultBold, 1, resultWidth);
    SpeedButton3 = addViewerButton(this, QStringLiteral("SpeedButton3"), QPoint(rows.right() - 22, 199));
    linkToViewer(Label8, SpeedButton3, ViewerTab::Ccd, {fok, ccd1, ccd2});
    Label10 = rows.line(224, QStringLiteral("Label10"), ccd::kRatioCaption, LabelStyle::ResultBold, 1, resultWidth);

    const CornerButtons corner = addCornerButtons(this, QStringLiteral("Zavřít"), QStringLiteral("SpeedButton1"), true);
    BitBtn1 = corner.close;
    SpeedButton1 = corner.calculator;

    for (QLineEdit* field : {ccd1, ccd2, ccd3, ccd4, fok, cit})
        connect(field, &QLineEdit::textChanged, this, &TForm7::ccd1Change);
    pickLists_ = PickLists({{CCD, CatalogueKind::Chips, {ccd1, ccd2, ccd3, ccd4}}});
    connect(CCD, &QComboBox::activated, this, &TForm7::CCDChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
}

void TForm7::ccd1Change()
{
    Label7->setText(ccd::kScaleCaption);
    Label8->setText(fields::kFieldCaption);
    Label10->setText(ccd::kRatioCaption);
    Label11->setText(ccd::kPixelCaption);
    // Four steps, each reading what it needs; one failing leaves its caption alone.
    guarded([&] {
        Label7->setText(ccd::scaleText(numberIn(ccd1), numberIn(ccd2), numberIn(ccd3), numberIn(ccd4), numberIn(fok)));
    });
    guarded([&] {
        const Real x = numberIn(ccd1);
        const Real y = numberIn(ccd2);
        // The pixel counts are read here too, so the field shows only while they are numbers.
        static_cast<void>(numberIn(ccd3));
        static_cast<void>(numberIn(ccd4));
        Label8->setText(fields::frameFieldText(x, y, numberIn(fok)));
    });
    guarded(
        [&] { Label11->setText(ccd::pixelSizeText(numberIn(ccd1), numberIn(ccd2), numberIn(ccd3), numberIn(ccd4))); });
    guarded([&] {
        const Real N = ccd::optimalRatio(numberIn(ccd1), numberIn(ccd2), numberIn(ccd3), numberIn(ccd4), numberIn(cit));
        Label10->setText(ccd::kRatioCaption + QStringLiteral(" f/") + formatNumber(N));
    });
}

void TForm7::CCDChange() { reportLookup(pickLists_.apply(CCD)); }

void TForm7::FormShow()
{
    CCD->setFocus();
    refillAndApply(pickLists_);
}

void TForm7::BitBtn1Click() { close(); }

} // namespace noktaris
