#include "planning/sampling_window.h"

#include "common/viewer_link.h"
#include "common/widgets.h"
#include "planning/camera_catalogue.h"
#include "planning/planning_rows.h"
#include "planning/sampling.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(744, 372);
constexpr int kResultsLeft = 384;

} // namespace

SamplingWindow::SamplingWindow(QWidget* parent)
    : SecondaryWindow(QStringLiteral("SamplingWindow"), QStringLiteral("Kamera na dalekohledu"), kWindowSize, parent)
{
    buildInputs();
    buildResults();
    buildButtons();
    pickLists_ = {{telescopeList, CatalogueKind::Telescopes, {apertureEdit, focalEdit}},
                  {cameraList, CatalogueKind::Cameras, {pixelEdit, widthPxEdit, heightPxEdit}}};
    inputChange();
}

void SamplingWindow::buildInputs()
{
    RowLayout rows(this, 12, 364, 80);
    telescopeList = addListRow(rows, 12, "telescopeList", "Dalekohled:", 110);
    apertureEdit = addValueField(rows, 40, "apertureEdit", "Průměr objektivu D (mm):", "");
    focalEdit = addValueField(rows, 66, "focalEdit", "Ohnisková vzdálenost F (mm):", "");
    correctorEdit = addValueField(rows, 92, "correctorEdit", "Korektor / Barlow (×):", "1");
    cameraList = addListRow(rows, 124, "cameraList", "Kamera:", 110);
    letTypeCameraName(cameraList);
    pixelEdit = addValueField(rows, 152, "pixelEdit", "Velikost pixelu (µm):", "");
    const RowLayout::Pair chip =
        rows.pair(178, QStringLiteral("chipPixels"), QStringLiteral("Rozlišení čipu (px):"),
                  QStringLiteral("widthPxEdit"), QStringLiteral("heightPxEdit"), KeyFilter::Decimal, QString());
    widthPxEdit = chip.first;
    heightPxEdit = chip.second;
    widthPxEdit->clear();
    heightPxEdit->clear();
    binningSpin = addBinningRow(rows, 204);
    seeingEdit = addValueField(rows, 230, "seeingEdit", "Seeing FWHM (''):", "2,5");
    wavelengthEdit = addValueField(rows, 256, "wavelengthEdit", "Vlnová délka (nm):", "550");
    declinationEdit = addValueField(rows, 282, "declinationEdit", "Deklinace (°):", "0", KeyFilter::SignedDecimal);
    exposureEdit = addValueField(rows, 308, "exposureEdit", "Čas expozice (s):", "30");
}

void SamplingWindow::buildResults()
{
    RowLayout rows(this, kResultsLeft, kWindowSize.width() - 12, 0);
    using namespace sampling;
    results_ =
        addResultLines<SamplingWindow>(this, rows, 24,
                                       {
                                           {&SamplingWindow::effectiveLabel, "effectiveLabel", kEffectiveCaption},
                                           {&SamplingWindow::scaleLabel, "scaleLabel", kScaleCaption},
                                           {&SamplingWindow::fieldLabel, "fieldLabel", kFieldCaption},
                                           {&SamplingWindow::fwhmLabel, "fwhmLabel", kFwhmCaption},
                                           {&SamplingWindow::samplingLabel, "samplingLabel", kSamplingCaption},
                                           {&SamplingWindow::adviceLabel, "adviceLabel", kAdviceCaption},
                                           {&SamplingWindow::airyLabel, "airyLabel", kAiryCaption},
                                           {&SamplingWindow::focusLabel, "focusLabel", kFocusCaption},
                                           {&SamplingWindow::dawesLabel, "dawesLabel", kDawesCaption},
                                           {&SamplingWindow::npfLabel, "npfLabel", kNpfCaption},
                                           {&SamplingWindow::rule500Label, "rule500Label", kRule500Caption},
                                           {&SamplingWindow::trailLabel, "trailLabel", kTrailCaption},
                                       });
}

void SamplingWindow::buildButtons()
{
    const int bottom = kWindowSize.height() - 37;
    const CameraButtons cameraButtons = addCameraButtons(this, bottom);
    saveCameraButton = cameraButtons.save;
    deleteCameraButton = cameraButtons.remove;
    viewerButton = addButton(this, QStringLiteral("viewerButton"), QStringLiteral("Ukaž zorné pole"),
                             QRect(kResultsLeft, bottom, 140, 25));
    linkToViewer(fieldLabel, viewerButton, ViewerTab::Ccd, [this] { return viewerTexts(); });
    BitBtn1 = addCornerCloseButton(this, QStringLiteral("Zavřít"), true);

    for (QLineEdit* e : {apertureEdit, focalEdit, correctorEdit, pixelEdit, widthPxEdit, heightPxEdit, seeingEdit,
                         wavelengthEdit, declinationEdit, exposureEdit})
        connect(e, &QLineEdit::textChanged, this, &SamplingWindow::inputChange);
    connect(binningSpin, &SpinField::changed, this, &SamplingWindow::inputChange);
    connect(telescopeList, &QComboBox::activated, this, &SamplingWindow::telescopeListChange);
    connect(cameraList, &QComboBox::activated, this, &SamplingWindow::cameraListChange);
    connect(saveCameraButton, &QPushButton::clicked, this, &SamplingWindow::saveCameraClick);
    connect(deleteCameraButton, &QPushButton::clicked, this, &SamplingWindow::deleteCameraClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void SamplingWindow::inputChange()
{
    using namespace sampling;
    showCaptions(results_);
    const auto D = [this] { return numberIn(apertureEdit); };
    const auto F = [this] { return numberIn(focalEdit); };
    const auto Fe = [&] { return effectiveFocal(F(), numberIn(correctorEdit)); };
    const auto p = [this] { return numberIn(pixelEdit); };
    const auto b = [this] { return binningIn(binningSpin); };
    const auto scale = [&] { return pixelScale(p(), b(), Fe()); };
    const auto lambda = [this] { return numberIn(wavelengthEdit); };
    const auto fwhm = [&] { return starSize(numberIn(seeingEdit), lambda(), D()); };
    const auto N = [&] { return divide(Fe(), positive(D())); };
    const auto delta = [this] { return numberIn(declinationEdit); };

    guarded([&] { effectiveLabel->setText(effectiveText(F(), numberIn(correctorEdit), D())); });
    guarded([&] { scaleLabel->setText(scaleText(p(), b(), Fe())); });
    guarded([&] { fieldLabel->setText(fieldText(numberIn(widthPxEdit), numberIn(heightPxEdit), p(), Fe())); });
    guarded([&] { fwhmLabel->setText(fwhmText(fwhm())); });
    guarded([&] { samplingLabel->setText(samplingText(fwhm(), scale())); });
    guarded([&] { adviceLabel->setText(adviceText(fwhm(), p(), b(), F(), Fe())); });
    guarded([&] { airyLabel->setText(airyText(lambda(), N(), p(), b())); });
    guarded([&] { focusLabel->setText(focusText(lambda(), N())); });
    guarded([&] { dawesLabel->setText(dawesText(D(), scale())); });
    guarded([&] { npfLabel->setText(npfText(N(), p(), Fe(), delta())); });
    guarded([&] { rule500Label->setText(rule500Text(numberIn(widthPxEdit), numberIn(heightPxEdit), p(), Fe())); });
    guarded([&] { trailLabel->setText(trailText(numberIn(exposureEdit), delta(), scale())); });
}

std::array<QString, 3> SamplingWindow::viewerTexts() const
{
    // A value that cannot be computed goes as an empty text, which the viewer keeps out.
    const auto text = [](auto compute) {
        QString t;
        guarded([&] { t = formatNumber(compute()); });
        return t;
    };
    const auto Fe = [this] { return sampling::effectiveFocal(numberIn(focalEdit), numberIn(correctorEdit)); };
    const auto side = [this](const QLineEdit* pixels) {
        return sampling::chipSide(numberIn(pixels), numberIn(pixelEdit));
    };
    return {text(Fe), text([&] { return side(widthPxEdit); }), text([&] { return side(heightPxEdit); })};
}

void SamplingWindow::telescopeListChange() { applyPlanningList(pickLists_[0]); }

void SamplingWindow::cameraListChange() { applyPlanningList(pickLists_[1]); }

void SamplingWindow::saveCameraClick()
{
    saveCamera(pickLists_[1], {pixelEdit->text(), widthPxEdit->text(), heightPxEdit->text()});
}

void SamplingWindow::deleteCameraClick()
{
    if (deleteCamera(pickLists_[1]))
        refillPlanningList(pickLists_[1]);
}

void SamplingWindow::FormShow()
{
    telescopeList->setFocus();
    refillPlanningLists(pickLists_);
}

} // namespace noktaris
