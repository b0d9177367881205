#include "optics/ccd_group.h"

#include "common/guard.h"
#include "common/viewer_link.h"
#include "common/widgets.h"
#include "optics/fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace noktaris {

CcdGroup::CcdGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox7"), QStringLiteral(" CCD "), QSize(234, 194));
    RowLayout rows(this, 8, 226, 48);
    // Each of "width x height" is narrower than a field of its own.
    RowLayout pairs(this, 8, 226, 38);

    CcdLabel =
        rows.line(23, QStringLiteral("GroupBox7CcdLabel"), QStringLiteral("Výběr CCD:"), LabelStyle::Input, 1, 64);
    CCD = rows.pickList(20, QStringLiteral("CCD"), QStringLiteral("Vyber CCD čip"), true, 74);

    const RowLayout::Pair size =
        pairs.pair(46, QStringLiteral("GroupBox7Size"), QStringLiteral("Rozměry CCD čipu (mm):"),
                   QStringLiteral("CCD1"), QStringLiteral("CCD2"), KeyFilter::Decimal, kOwnValueHint);
    // The pixel counts take any key; a count that is not a number just leaves the
    // results at their bare captions.
    const RowLayout::Pair pixels =
        pairs.pair(70, QStringLiteral("GroupBox7Pixels"), QStringLiteral("Rozlišení CCD čipu (px):"),
                   QStringLiteral("CCD3"), QStringLiteral("CCD4"), std::nullopt, kOwnValueHint);
    SizeLabel = size.caption;
    CCD1 = size.first;
    SizeTimesLabel = size.times;
    CCD2 = size.second;
    PixelsLabel = pixels.caption;
    CCD3 = pixels.first;
    PixelsTimesLabel = pixels.times;
    CCD4 = pixels.second;
    FobjEdit =
        rows.field(94, QStringLiteral("FobjEdit"), QStringLiteral("GroupBox7FobjLabel"),
                   QStringLiteral("Ohnisková vzdál. objektivu (mm):"), KeyFilter::Decimal, kValueHint, 1, &FobjLabel);

    UhlZvetseni = rows.line(122, QStringLiteral("UhlZvetseni"), ccd::kScaleCaption, LabelStyle::ResultBold);
    ZorPole2 = rows.line(142, QStringLiteral("ZorPole2"), fields::kFieldCaption, LabelStyle::ResultBold, 1,
                         rows.right() - rows.left() - 26);
    SpeedButton3 = addViewerButton(this, QStringLiteral("SpeedButton3"), QPoint(rows.right() - 22, 139));
    linkToViewer(ZorPole2, SpeedButton3, ViewerTab::Ccd, {FobjEdit, CCD1, CCD2});
    BitBtn5 = addResetButton(this, QStringLiteral("BitBtn5"), QPoint(rows.right() - 22, 163),
                             {CCD1, CCD2, CCD3, CCD4, FobjEdit});

    for (QLineEdit* field : {CCD1, CCD2, CCD3, CCD4, FobjEdit})
        connect(field, &QLineEdit::textChanged, this, &CcdGroup::CCD1Change);
}

void CcdGroup::CCD1Change()
{
    // The labels keep their last results while the fields are read; any failure
    // puts both captions back (an overflow is reported first).
    const bool done = guardedReportingOverflow([&] {
        const Real x = numberIn(CCD1);
        const Real y = numberIn(CCD2);
        const Real nx = numberIn(CCD3);
        const Real ny = numberIn(CCD4);
        const Real f = numberIn(FobjEdit);
        UhlZvetseni->setText(ccd::scaleText(x, y, nx, ny, f));
        ZorPole2->setText(fields::frameFieldText(x, y, f));
    });
    if (!done) {
        UhlZvetseni->setText(ccd::kScaleCaption);
        ZorPole2->setText(fields::kFieldCaption);
    }
}

} // namespace noktaris
