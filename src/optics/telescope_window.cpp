#include "optics/telescope_window.h"

#include "catalogue/pick_lists.h"
#include "common/widgets.h"
#include "config/calculator_button.h"
#include "optics/telescope.h"
#include "optics/telescope_window_groups.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace noktaris {

namespace {
constexpr QSize kWindowSize(792, 530);
} // namespace

TForm6::TForm6(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm6"), QStringLiteral("Parametry dalekohledu"), kWindowSize, parent)
{
    // The window's hints are long sentences.
    setHintDisplayTime(7000);

    GroupBox1 = new MainParametersGroup(this);
    GroupBox1->move(8, 8);
    GroupBox4 = new AiryDiskGroup(this);
    GroupBox4->move(8, GroupBox1->geometry().bottom() + 9);
    GroupBox2 = new MagnificationGroup(this, GroupBox1);
    GroupBox2->move(GroupBox1->geometry().right() + 9, 8);
    GroupBox3 = new LimitingMagnitudeGroup(this, GroupBox1->SpinEdit1);
    GroupBox3->move(GroupBox2->x(), GroupBox2->geometry().bottom() + 9);
    GroupBox5 = new LightGraspGroup(this);
    GroupBox5->move(GroupBox2->x(), GroupBox3->geometry().bottom() + 9);
    for (QGroupBox* group : QList<QGroupBox*>{GroupBox1, GroupBox2, GroupBox3, GroupBox4, GroupBox5})
        finishGroup(group);

    const CornerButtons corner = addCornerButtons(this, QStringLiteral("Zavřít"), QStringLiteral("SpeedButton1"), true);
    BitBtn1 = corner.close;
    SpeedButton1 = corner.calculator;

    const MainParametersGroup* main = GroupBox1;
    for (QLineEdit* field : {main->ddaledit, main->fdaledit, main->fokedit, main->uheledit})
        connect(field, &QLineEdit::textChanged, this, &TForm6::ddaleditChange);
    connect(main->ComboBox1, &QComboBox::activated, this, &TForm6::ddaleditChange);
    connect(main->SpinEdit1, &SpinField::changed, this, &TForm6::SpinEdit1Change);
    pickLists_ = PickLists({{main->Dalekohled, CatalogueKind::Telescopes, {main->ddaledit, main->fdaledit}},
                            {main->Okular, CatalogueKind::Eyepieces, {main->fokedit, main->uheledit}}});
    connect(main->Dalekohled, &QComboBox::activated, this, &TForm6::DalekohledChange);
    connect(main->Okular, &QComboBox::activated, this, &TForm6::OkularChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm6::BitBtn1Click);
}

void TForm6::ddaleditChange()
{
    using namespace telescope;
    const MainParametersGroup& m = *GroupBox1;
    GroupBox2->TabControl1Change();
    // The labels of this group keep their last value while a step fails.
    Real D = 0;
    QString ratio; // also the Airy group's focal ratio
    guarded([&] {
        D = numberIn(m.ddaledit);
        ratio = formatNumber(focalRatioTenth(numberIn(m.fdaledit), D));
        m.Label14->setText(QStringLiteral("Světelnost dalekohledu: f/") + ratio);
    });
    guarded([&] {
        m.Label16->setText(QStringLiteral("Maximální rozlišovací schopnost - Dawesův limit: ")
                           + formatNumber(resolvingPower(D)) + QStringLiteral("''"));
    });
    guarded([&] {
        const Real aperture = numberIn(m.ddaledit);
        const Real f = numberIn(m.fokedit);
        m.Label15->setText(QStringLiteral("Velikost výstupní pupily: ")
                           + formatNumber(exitPupilFine(f, aperture, numberIn(m.fdaledit))) + QStringLiteral(" mm"));
    });
    guarded([&] {
        const int quality = m.ComboBox1->currentIndex();
        const Real k = quality >= 0 && quality < int(std::size(kOpticsQualities))
            ? Real(kOpticsQualities[quality].factor)
            : Real();
        m.Label17->setText(QStringLiteral("Maximální použitelné zvětšení: ")
                           + formatNumber(maxUsefulMagnification(D, k)) + u'x');
        m.Label18->setText(QStringLiteral("Minimální použitelné zvětšení: ") + formatNumber(minUsefulMagnification(D))
                           + u'x');
    });
    // Outward: the limiting magnitudes, the Airy disk and the light grasp.
    for (QLineEdit* copy : {GroupBox3->Edit9, GroupBox4->Edit5, GroupBox5->Edit10})
        copy->setText(m.ddaledit->text());
    guarded([&] {
        m.Label24->setText(QStringLiteral("Teoretický mezní detail viděný na Měsíci: ") + formatNumber(moonDetail(D))
                           + QStringLiteral(" km"));
    });
    if (!ratio.isEmpty())
        GroupBox4->Edit4->setText(ratio);
    guarded([&] {
        const Real f = numberIn(m.fokedit);
        const Real u = numberIn(m.uheledit);
        m.Label36->setText(QStringLiteral("Velikost zorného pole: ")
                           + angleText(trueField(f, u, numberIn(m.fdaledit))));
    });
}

void TForm6::SpinEdit1Change()
{
    GroupBox3->Edit2Change();
    GroupBox5->Edit10Change();
}

void TForm6::DalekohledChange()
{
    reportLookup(pickLists_.apply(GroupBox1->Dalekohled));
    GroupBox2->TabControl1Change();
}

void TForm6::OkularChange() { reportLookup(pickLists_.apply(GroupBox1->Okular)); }

void TForm6::FormShow()
{
    GroupBox1->Dalekohled->setFocus();
    // Neither choice recomputes here: the typed wavelength stays.
    GroupBox1->ComboBox1->setCurrentIndex(telescope::kShownQuality);
    GroupBox4->ComboBox2->setCurrentIndex(telescope::kShownWavelength);
    const FileResult<> filled = pickLists_.refill();
    reportFilling(filled);
    if (!filled)
        return;
    // Through the handlers: a telescope passes its values on to the other groups.
    DalekohledChange();
    OkularChange();
}

void TForm6::BitBtn1Click() { close(); }

} // namespace noktaris
