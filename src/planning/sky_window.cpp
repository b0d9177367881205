#include "planning/sky_window.h"

#include "common/widgets.h"
#include "planning/camera_catalogue.h"
#include "planning/planning_rows.h"
#include "planning/sampling.h"
#include "planning/sky.h"
#include "planning/snr_plot.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(1000, 440);
constexpr int kResultsLeft = 652;
constexpr int kBortleFive = 4;

} // namespace

SkyWindow::SkyWindow(QWidget* parent)
    : SecondaryWindow(QStringLiteral("SkyWindow"), QStringLiteral("Obloha a expozice"), kWindowSize, parent)
{
    buildTelescopeAndCamera();
    buildSkyAndTarget();
    buildResults();
    telescopes_ = {telescopeList, CatalogueKind::Telescopes, {apertureEdit, focalEdit}};
    cameras_ = {cameraList, CatalogueKind::Cameras, {pixelEdit, nullptr, nullptr, readNoiseEdit, fullWellEdit, qeEdit}};
    connectInputs();
    inputChange();
}

void SkyWindow::buildTelescopeAndCamera()
{
    RowLayout rows(this, 12, 312, 72);
    telescopeList = addListRow(rows, 12, "telescopeList", "Dalekohled:", 100);
    apertureEdit = addValueField(rows, 40, "apertureEdit", "Průměr objektivu D (mm):", "");
    focalEdit = addValueField(rows, 66, "focalEdit", "Ohnisková vzdálenost F (mm):", "");
    correctorEdit = addValueField(rows, 92, "correctorEdit", "Korektor / Barlow (×):", "1");
    obstructionEdit = addValueField(rows, 118, "obstructionEdit", "Centrální zastínění (% průměru):", "0");
    cameraList = addListRow(rows, 150, "cameraList", "Kamera:", 100);
    letTypeCameraName(cameraList);
    pixelEdit = addValueField(rows, 178, "pixelEdit", "Velikost pixelu (µm):", "");
    binningSpin = addBinningRow(rows, 204);
    readNoiseEdit = addValueField(rows, 230, "readNoiseEdit", "Šum čtení (e⁻):", "");
    fullWellEdit = addValueField(rows, 256, "fullWellEdit", "Kapacita pixelu (e⁻):", "");
    qeEdit = addValueField(rows, 282, "qeEdit", "Kvantová účinnost (%):", "");
    bayerCheck = new QCheckBox(QStringLiteral("Barevný čip (Bayerova maska)"), this);
    bayerCheck->setObjectName(QStringLiteral("bayerCheck"));
    bayerCheck->setGeometry(12, 308, 300, 21);
    setLook(bayerCheck, Qt::black, false);
}

void SkyWindow::buildSkyAndTarget()
{
    RowLayout rows(this, 332, 632, 72);
    bortleList = addListRow(rows, 12, "bortleList", "Bortle:", 420, false);
    bortleList->setNames(sky::bortleNames());
    bortleList->setCurrentIndex(kBortleFive);
    skyEdit = addValueField(rows, 40, "skyEdit", "Jas oblohy (mag/''²):", "20");
    QStringList filterNames;
    for (const sky::Filter& f : sky::filters())
        filterNames << f.name;
    filterList = addListRow(rows, 72, "filterList", "Filtr:", 420, false);
    filterList->setNames(filterNames);
    bandwidthEdit = addValueField(rows, 100, "bandwidthEdit", "Šířka pásma filtru (nm):", "300");
    transmissionEdit = addValueField(rows, 126, "transmissionEdit", "Propustnost optiky a filtru (%):", "80");
    targetKindList = addListRow(rows, 158, "targetKindList", "Objekt:", 420, false);
    targetKindList->setNames(sky::targetKinds());
    targetEdit = addValueField(rows, 186, "targetEdit", "Plošná jasnost objektu (mag/''²):", "22");
    toleranceEdit = addValueField(rows, 212, "toleranceEdit", "Přípustné zvýšení šumu čtením (%):", "5");
    snrEdit = addValueField(rows, 238, "snrEdit", "Požadovaný poměr signál/šum:", "20");
    subEdit = addValueField(rows, 264, "subEdit", "Použitý snímek (s; prázdné = nejkratší):", "");
}

void SkyWindow::buildResults()
{
    RowLayout rows(this, kResultsLeft, kWindowSize.width() - 12, 0);
    using namespace sky;
    results_ = addResultLines<SkyWindow>(this, rows, 22,
                                         {
                                             {&SkyWindow::skyRateLabel, "skyRateLabel", kSkyRateCaption},
                                             {&SkyWindow::targetRateLabel, "targetRateLabel", kTargetRateCaption},
                                             {&SkyWindow::minSubLabel, "minSubLabel", kMinSubCaption},
                                             {&SkyWindow::saturationLabel, "saturationLabel", kSaturationCaption},
                                             {&SkyWindow::subSnrLabel, "subSnrLabel", kSubSnrCaption},
                                             {&SkyWindow::totalLabel, "totalLabel", kTotalCaption},
                                         });
    snrPlot = new SnrPlot(this);
    snrPlot->setObjectName(QStringLiteral("snrPlot"));
    snrPlot->setGeometry(kResultsLeft, 150, rows.right() - kResultsLeft, 236);
}

void SkyWindow::connectInputs()
{
    const int bottom = kWindowSize.height() - 37;
    const CameraButtons cameraButtons = addCameraButtons(this, bottom);
    saveCameraButton = cameraButtons.save;
    deleteCameraButton = cameraButtons.remove;
    BitBtn1 = addCornerCloseButton(this, QStringLiteral("Zavřít"), true);
    for (QLineEdit* e :
         {apertureEdit, focalEdit, correctorEdit, obstructionEdit, pixelEdit, readNoiseEdit, fullWellEdit, qeEdit,
          skyEdit, bandwidthEdit, transmissionEdit, targetEdit, toleranceEdit, snrEdit, subEdit})
        connect(e, &QLineEdit::textChanged, this, &SkyWindow::inputChange);
    connect(binningSpin, &SpinField::changed, this, &SkyWindow::inputChange);
    connect(bayerCheck, &QCheckBox::toggled, this, &SkyWindow::inputChange);
    connect(targetKindList, &QComboBox::activated, this, &SkyWindow::inputChange);
    connect(telescopeList, &QComboBox::activated, this, &SkyWindow::telescopeListChange);
    connect(cameraList, &QComboBox::activated, this, &SkyWindow::cameraListChange);
    connect(bortleList, &QComboBox::activated, this, &SkyWindow::bortleListChange);
    connect(filterList, &QComboBox::activated, this, &SkyWindow::filterListChange);
    connect(saveCameraButton, &QPushButton::clicked, this, &SkyWindow::saveCameraClick);
    connect(deleteCameraButton, &QPushButton::clicked, this, &SkyWindow::deleteCameraClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void SkyWindow::inputChange()
{
    using namespace sky;
    showCaptions(results_);
    std::optional<SnrCurve> curve;
    const auto optics = [this] {
        return Optics{numberIn(apertureEdit), numberIn(focalEdit), numberIn(correctorEdit), numberIn(obstructionEdit)};
    };
    const auto camera = [this] {
        return Camera{numberIn(pixelEdit),    binningIn(binningSpin), numberIn(readNoiseEdit),
                      numberIn(fullWellEdit), numberIn(qeEdit),       bayerCheck->isChecked()};
    };
    const auto band = [this] { return numberIn(bandwidthEdit); };
    const auto S = [&] { return rate(numberIn(skyEdit), band(), optics(), camera(), numberIn(transmissionEdit)); };
    const auto O = [&] {
        const Real w = targetKindList->currentIndex() == 1 ? Real(300) : band();
        return rate(numberIn(targetEdit), w, optics(), camera(), numberIn(transmissionEdit));
    };
    const auto tMin = [&] { return minimalSub(S(), camera(), numberIn(toleranceEdit)); };
    const auto tUsed = [&] { return subEdit->text().isEmpty() ? tMin() : sampling::positive(numberIn(subEdit)); };
    const auto sigma1 = [&] { return subSnr(O(), S(), tUsed(), camera()); };

    guarded([&] { skyRateLabel->setText(skyRateText(S())); });
    guarded([&] { targetRateLabel->setText(targetRateText(O())); });
    guarded([&] { minSubLabel->setText(minSubText(tMin())); });
    guarded([&] { saturationLabel->setText(saturationText(saturationTime(S(), camera()), tUsed())); });
    guarded([&] { subSnrLabel->setText(subSnrText(sigma1())); });
    guarded([&] {
        const Real s1 = sigma1();
        const Real t = tUsed();
        const Real wanted = numberIn(snrEdit);
        const Real n = subsNeeded(wanted, s1);
        const Real total = totalSeconds(n, t);
        totalLabel->setText(totalText(n, total));
        curve =
            SnrCurve{double(s1.toBinary()), double(t.toBinary()), double(wanted.toBinary()), double(total.toBinary())};
    });
    snrPlot->setCurve(curve);
}

void SkyWindow::showColour(const std::optional<QStringList>& record)
{
    if (record)
        bayerCheck->setChecked(record->value(6) == QStringLiteral("1"));
}

void SkyWindow::telescopeListChange() { applyPlanningList(telescopes_); }

void SkyWindow::cameraListChange() { showColour(applyPlanningList(cameras_)); }

void SkyWindow::bortleListChange()
{
    skyEdit->setText(formatNumber(sky::bortleBrightness()[std::size_t(bortleList->currentIndex())]));
}

void SkyWindow::filterListChange()
{
    if (const std::optional<int> width = sky::filters().value(filterList->currentIndex()).bandwidth)
        bandwidthEdit->setText(QString::number(*width));
}

void SkyWindow::saveCameraClick()
{
    saveCamera(cameras_,
               {pixelEdit->text(), std::nullopt, std::nullopt, readNoiseEdit->text(), fullWellEdit->text(),
                qeEdit->text(), bayerCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0")});
}

void SkyWindow::deleteCameraClick()
{
    if (deleteCamera(cameras_))
        showColour(refillPlanningList(cameras_));
}

void SkyWindow::FormShow()
{
    telescopeList->setFocus();
    refillPlanningList(telescopes_);
    showColour(refillPlanningList(cameras_));
}

} // namespace noktaris
