#include "optics/telescope_group.h"

#include "common/numbers.h"
#include "common/viewer_link.h"
#include "common/widgets.h"
#include "optics/telescope.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

TelescopeGroup::TelescopeGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Zadání hlavních parametrů "), QSize(270, 404));
    RowLayout rows(this, 8, 262, 62);

    DalekohledLabel =
        rows.line(18, QStringLiteral("GroupBox1DalekohledLabel"), QStringLiteral("Dalekohled:"), LabelStyle::Heading);
    Dalekohled = rows.pickList(34, QStringLiteral("Dalekohled"), QStringLiteral("Vyber dalekohled"));
    OkularLabel = rows.line(60, QStringLiteral("GroupBox1OkularLabel"), QStringLiteral("Okulár:"), LabelStyle::Heading);
    Okular = rows.pickList(76, QStringLiteral("Okular"), QStringLiteral("Vyber okulár"));

    DdalEdit = rows.field(104, QStringLiteral("DdalEdit"), QStringLiteral("GroupBox1DdalLabel"),
                          QStringLiteral("Průměr objektivu D (mm):"), KeyFilter::Decimal, kOwnValueHint);
    FdalEdit = rows.field(128, QStringLiteral("FdalEdit"), QStringLiteral("GroupBox1FdalLabel"),
                          QStringLiteral("Ohnisková vzdálenost f (mm):"), KeyFilter::Decimal, kOwnValueHint);
    FokEdit = rows.field(152, QStringLiteral("FokEdit"), QStringLiteral("GroupBox1FokLabel"),
                         QStringLiteral("Ohnisková vzdálenost okuláru f (mm):"), KeyFilter::Decimal, kOwnValueHint);
    UhelEdit = rows.field(176, QStringLiteral("UhelEdit"), QStringLiteral("GroupBox1UhelLabel"),
                          QStringLiteral("Zorný úhel okuláru (°):"), KeyFilter::Decimal, kOwnValueHint);

    // Result lines run across the group, because the magnification line can grow by
    // its over-magnification warning; the field-of-view line and the lunar-detail
    // line stop short of the small button at the end of their rows.
    const auto result = [&](int row, const QString& name, const QString& caption, int width = -1) {
        return rows.line(206 + 19 * row, name, caption, LabelStyle::Result, 1, width);
    };
    constexpr int kBesideButton = 228;
    Svetelnost = result(0, QStringLiteral("Svetelnost"), QStringLiteral("Světelnost:"));
    Zvetseni = result(1, QStringLiteral("Zvetseni"), QStringLiteral("Zvětšení:"));
    Max = result(2, QStringLiteral("Max"), QStringLiteral("Maximální rozlišovací schopnost:"));
    ZP = result(3, QStringLiteral("ZP"), QStringLiteral("Velikost zorného pole:"), kBesideButton);
    VP = result(4, QStringLiteral("VP"), QStringLiteral("Velikost výstupní pupily:"));
    Maxroz = result(5, QStringLiteral("Maxroz"), QStringLiteral("Maximální použitelné zvětšení:"));
    Minroz = result(6, QStringLiteral("Minroz"), QStringLiteral("Minimální použitelné zvětšení:"));
    Pmag = result(7, QStringLiteral("Pmag"), QStringLiteral("Praktická mezní magnituda:"));
    Tmag = result(8, QStringLiteral("Tmag"), QStringLiteral("Teoretická mezní magnituda:"));
    Mesic = result(9, QStringLiteral("Mesic"), QStringLiteral("Teor. mezní detail viděný na Měsíci:"), kBesideButton);

    const int buttonX = rows.right() - 22;
    SpeedButton1 = addViewerButton(this, QStringLiteral("SpeedButton1"), QPoint(buttonX, 206 + 3 * 19 - 3));
    linkToViewer(ZP, SpeedButton1, ViewerTab::Telescope, {FdalEdit, FokEdit, UhelEdit});
    BitBtn9 = addResetButton(this, QStringLiteral("BitBtn9"), QPoint(buttonX, 206 + 9 * 19 - 3),
                             {DdalEdit, FdalEdit, FokEdit, UhelEdit});
}

void TelescopeGroup::resetResults()
{
    Svetelnost->setText(QStringLiteral("Světelnost: 0"));
    Zvetseni->setText(QStringLiteral("Zvětšení: 0x"));
    Max->setText(QStringLiteral("Maximální rozlišovací schopnost: 0"));
    ZP->setText(QStringLiteral("Velikost zorného pole: 0°"));
    VP->setText(QStringLiteral("Velikost výstupní pupily: 0 mm"));
    Maxroz->setText(QStringLiteral("Maximální použitelné zvětšení: 0x"));
    Minroz->setText(QStringLiteral("Minimální použitelné zvětšení: 0x"));
    Pmag->setText(QStringLiteral("Praktická mezní magnituda: 0"));
    Tmag->setText(QStringLiteral("Teoretická mezní magnituda: 0"));
    // The fallback is in metres although a computed detail is in kilometres.
    Mesic->setText(QStringLiteral("Teor. mezní detail viděný na Měsíci: 0 m"));
}

void TelescopeGroup::computeResults(const Real& k1, const Real& k2)
{
    using namespace telescope;
    resetResults();
    // Values a failed block did not get to read stay 0 for the later blocks.
    Real D = 0;
    Real F = 0;
    Real f = 0;
    guarded([&] {
        D = toNumber(DdalEdit->text());
        F = toNumber(FdalEdit->text());
        Svetelnost->setText(QStringLiteral("Světelnost: ") + formatNumber(focalRatio(F, D)));
        f = toNumber(FokEdit->text());
        const Real M = magnification(F, f);
        Zvetseni->setText(QStringLiteral("Zvětšení: ") + formatNumber(M) + QStringLiteral("x"));
        const Real mt = theoreticalLimit(D, k2);
        Pmag->setText(QStringLiteral("Praktická mezní magnituda: ") + formatNumber(practicalLimit(mt))
                      + QStringLiteral(" m"));
        Tmag->setText(QStringLiteral("Teoretická mezní magnituda: ") + formatNumber(mt) + QStringLiteral(" m"));
        if (exceedsMaxUseful(M, D, k1))
            Zvetseni->setText(Zvetseni->text() + QStringLiteral(" - větší než max. použitelné zv.!"));
    });
    guarded([&] {
        Max->setText(QStringLiteral("Maximální rozlišovací schopnost: ") + formatNumber(resolvingPower(D))
                     + QStringLiteral("''"));
        Maxroz->setText(QStringLiteral("Maximální použitelné zvětšení: ") + formatNumber(maxUsefulMagnification(D, k1))
                        + QStringLiteral("x"));
        Minroz->setText(QStringLiteral("Minimální použitelné zvětšení: ") + formatNumber(minUsefulMagnification(D))
                        + QStringLiteral("x"));
        Mesic->setText(QStringLiteral("Teor. mezní detail viděný na Měsíci: ") + formatNumber(moonDetail(D))
                       + QStringLiteral(" km"));
    });
    guarded([&] {
        VP->setText(QStringLiteral("Velikost výstupní pupily: ") + formatNumber(exitPupil(f, D, F))
                    + QStringLiteral(" mm"));
        const Real eyepiece = toNumber(FokEdit->text());
        const Real focal = toNumber(FdalEdit->text());
        const Real apparent = toNumber(UhelEdit->text());
        ZP->setText(QStringLiteral("Velikost zorného pole: ") + angleText(trueField(eyepiece, apparent, focal)));
    });
}

void TelescopeGroup::signCheck()
{
    if (hasNegativeInput({DdalEdit, FdalEdit, FokEdit, UhelEdit}))
        resetResults();
}

} // namespace noktaris
