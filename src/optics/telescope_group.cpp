#include "optics/telescope_group.h"

#include "common/numbers.h"
#include "common/widgets.h"
#include "optics/telescope.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace noktaris {

namespace {

// Inner width of the group: the result lines run across all of it, because the
// magnification line can grow by its over-magnification warning.
constexpr int kLeft = 8;
constexpr int kInnerWidth = 254;
constexpr int kEditX = 200;
constexpr int kEditWidth = 62;
constexpr int kResultTop = 206;
constexpr int kResultStep = 19;

} // namespace

TelescopeGroup::TelescopeGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Zadání hlavních parametrů "), QSize(270, 404));

    DalekohledLabel = addLabel(this, QStringLiteral("GroupBox1DalekohledLabel"), QStringLiteral("Dalekohled:"),
                               QRect(kLeft, 18, kInnerWidth, kLabelHeight), LabelStyle::Heading);
    Dalekohled = addPickList(this, QStringLiteral("Dalekohled"), QRect(kLeft, 34, kInnerWidth, 22),
                             QStringLiteral("Vyber dalekohled"));
    OkularLabel = addLabel(this, QStringLiteral("GroupBox1OkularLabel"), QStringLiteral("Okulár:"),
                           QRect(kLeft, 60, kInnerWidth, kLabelHeight), LabelStyle::Heading);
    Okular = addPickList(this, QStringLiteral("Okular"), QRect(kLeft, 76, kInnerWidth, 22),
                         QStringLiteral("Vyber okulár"));

    const QString hint = QStringLiteral("Zde můžete zadat vlastní hodnotu");
    auto field = [&](const QString& labelName, const QString& caption, const QString& editName, int y,
                     QLabel*& label, QLineEdit*& edit) {
        label = addLabel(this, labelName, caption, QRect(kLeft, y + 3, kEditX - kLeft - 4, kLabelHeight));
        edit = addEdit(this, editName, QRect(kEditX, y, kEditWidth, kEditHeight), QStringLiteral("0"),
                       KeyFilter::Decimal, hint);
    };
    field(QStringLiteral("GroupBox1DdalLabel"), QStringLiteral("Průměr objektivu D (mm):"),
          QStringLiteral("DdalEdit"), 104, DdalLabel, DdalEdit);
    field(QStringLiteral("GroupBox1FdalLabel"), QStringLiteral("Ohnisková vzdálenost f (mm):"),
          QStringLiteral("FdalEdit"), 128, FdalLabel, FdalEdit);
    field(QStringLiteral("GroupBox1FokLabel"), QStringLiteral("Ohnisková vzdálenost okuláru f (mm):"),
          QStringLiteral("FokEdit"), 152, FokLabel, FokEdit);
    field(QStringLiteral("GroupBox1UhelLabel"), QStringLiteral("Zorný úhel okuláru (°):"),
          QStringLiteral("UhelEdit"), 176, UhelLabel, UhelEdit);

    auto result = [&](const QString& name, const QString& caption, int row, int width = kInnerWidth) {
        return addLabel(this, name, caption, QRect(kLeft, kResultTop + row * kResultStep, width, kLabelHeight),
                        LabelStyle::Result);
    };
    // The field-of-view line and the lunar-detail line share their row with a small
    // button at the right edge, so they stop short of it.
    constexpr int kBesideButton = 228;
    Svetelnost = result(QStringLiteral("Svetelnost"), QStringLiteral("Světelnost:"), 0);
    Zvetseni = result(QStringLiteral("Zvetseni"), QStringLiteral("Zvětšení:"), 1);
    Max = result(QStringLiteral("Max"), QStringLiteral("Maximální rozlišovací schopnost:"), 2);
    ZP = result(QStringLiteral("ZP"), QStringLiteral("Velikost zorného pole:"), 3, kBesideButton);
    makeViewerLink(ZP);
    VP = result(QStringLiteral("VP"), QStringLiteral("Velikost výstupní pupily:"), 4);
    Maxroz = result(QStringLiteral("Maxroz"), QStringLiteral("Maximální použitelné zvětšení:"), 5);
    Minroz = result(QStringLiteral("Minroz"), QStringLiteral("Minimální použitelné zvětšení:"), 6);
    Pmag = result(QStringLiteral("Pmag"), QStringLiteral("Praktická mezní magnituda:"), 7);
    Tmag = result(QStringLiteral("Tmag"), QStringLiteral("Teoretická mezní magnituda:"), 8);
    Mesic = result(QStringLiteral("Mesic"), QStringLiteral("Teor. mezní detail viděný na Měsíci:"), 9,
                   kBesideButton);

    const int buttonX = kLeft + kInnerWidth - 22;
    SpeedButton1 = addButton(this, QStringLiteral("SpeedButton1"), QString(),
                             QRect(buttonX, kResultTop + 3 * kResultStep - 3, 22, 22));
    SpeedButton1->setFlat(true);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    makeViewerLink(SpeedButton1);

    BitBtn9 = addResetButton(this, QStringLiteral("BitBtn9"), QPoint(buttonX, kResultTop + 9 * kResultStep - 3));
    connect(BitBtn9, &QPushButton::clicked, this, &TelescopeGroup::BitBtn9Click);
}

void TelescopeGroup::BitBtn9Click()
{
    DdalEdit->setText(QStringLiteral("0"));
    FdalEdit->setText(QStringLiteral("0"));
    FokEdit->setText(QStringLiteral("0"));
    UhelEdit->setText(QStringLiteral("0"));
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

void TelescopeGroup::computeResults(Real k1, Real k2)
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
    for (const QLineEdit* field : {DdalEdit, FdalEdit, FokEdit, UhelEdit}) {
        Real value = 0;
        if (!guarded([&] { value = toNumber(field->text()); }))
            return;
        if (value < 0) {
            resetResults();
            return;
        }
    }
}

} // namespace noktaris
