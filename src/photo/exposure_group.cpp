#include "photo/exposure_group.h"

#include "common/flat_tabs.h"
#include "common/guard.h"
#include "photo/exposure.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace noktaris {

using exposure::kExposureCaption;
using exposure::kRatioCaption;
using exposure::kRecommendationCaption;

ExposureGroup::ExposureGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox2"), QStringLiteral(" Výpočet expozičního času "), QSize(240, 276));
    RowLayout rows(this, 8, 232, 56);
    // The rows that share their line with the reset button end short of it.
    RowLayout besideButton(this, 8, 192, 56);

    TabControl1 = addTabBar(this, QStringLiteral("TabControl1"), QRect(6, 18, 228, 32),
                            {QStringLiteral("Objektiv fotoaparátu"), QStringLiteral("Objektiv dalekohledu"),
                             QStringLiteral("Afokální konfigurace")});
    makeWrappedFlatTabs(TabControl1);

    // Inputs every set-up needs.
    Jas = rows.line(56, QStringLiteral("Jas"), QStringLiteral("Poměrná jasnost objektu:"));
    JasEdit = rows.entry(8, 73, 56, QStringLiteral("JasEdit"), KeyFilter::Decimal, kOwnValueHint);
    Jasnosti = rows.pickList(73, QStringLiteral("Jasnosti"), QStringLiteral("Vyber objekt"), true, 70);
    ASAEdit = besideButton.field(100, QStringLiteral("ASAEdit"), QStringLiteral("ASA"),
                                 QStringLiteral("Citlivost filmu (ASA):"), KeyFilter::Decimal, kValueHint, 1, &ASA);

    // Camera lens only; the telescope line takes its place on the other tabs.
    ClonaEdit = besideButton.field(125, QStringLiteral("ClonaEdit"), QStringLiteral("clona"),
                                   QStringLiteral("Clonové číslo:"), KeyFilter::Decimal, kValueHint, 1, &clona);
    // Two lines: with the eyepiece added the echoed values outgrow one line.
    Info =
        rows.line(125, QStringLiteral("Info"), QStringLiteral("D = mm, F = mm, f(okuláru) = mm"), LabelStyle::Input, 2);

    // Afocal set-up only.
    FokEdit2 = rows.field(154, QStringLiteral("FokEdit2"), QStringLiteral("Fok2"),
                          QStringLiteral("Ohnisková vzdál. okuláru (mm):"), KeyFilter::Decimal, kValueHint, 1, &Fok2);
    FfotEdit = rows.field(182, QStringLiteral("FfotEdit"), QStringLiteral("Ffot"),
                          QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"), KeyFilter::Decimal,
                          kValueHint, 2, &Ffot);
    Svet = rows.line(211, QStringLiteral("Svet"), kRatioCaption, LabelStyle::ResultBold);

    Exp = rows.line(233, QStringLiteral("Exp"), kExposureCaption, LabelStyle::ResultBold);
    Dopor = rows.line(252, QStringLiteral("Dopor"), kRecommendationCaption, LabelStyle::ResultBold);
    BitBtn3 = addResetButton(this, QStringLiteral("BitBtn3"), QPoint(210, 100),
                             {JasEdit, ASAEdit, ClonaEdit, FokEdit2, FfotEdit});

    connect(TabControl1, &QTabBar::currentChanged, this, &ExposureGroup::showTabFields);
    connect(TabControl1, &QTabBar::currentChanged, this, &ExposureGroup::TabControl1Change);
    for (QLineEdit* field : {JasEdit, ASAEdit, ClonaEdit, FokEdit2, FfotEdit})
        connect(field, &QLineEdit::textChanged, this, &ExposureGroup::JasEditChange);
    TabControl1->setCurrentIndex(0);
    showTabFields(0);
}

void ExposureGroup::showTabFields(int tab)
{
    const bool cameraLens = tab == 0;
    const bool afocal = tab == 2;
    Info->setVisible(!cameraLens);
    clona->setVisible(cameraLens);
    ClonaEdit->setVisible(cameraLens);
    Fok2->setVisible(afocal);
    FokEdit2->setVisible(afocal);
    Ffot->setVisible(afocal);
    FfotEdit->setVisible(afocal);
    Svet->setVisible(afocal);
}

void ExposureGroup::setTelescopeFields(const QLineEdit* aperture, const QLineEdit* focalLength,
                                       const QLineEdit* eyepiece)
{
    aperture_ = aperture;
    focalLength_ = focalLength;
    eyepiece_ = eyepiece;
}

void ExposureGroup::showTelescope(const QString& eyepiece)
{
    if (!aperture_)
        return;
    // The texts as typed, not converted numbers.
    const QString telescope = QStringLiteral("D = ") + aperture_->text() + QStringLiteral(" mm, F = ")
        + focalLength_->text() + QStringLiteral(" mm");
    if (TabControl1->currentIndex() == 1)
        Info->setText(telescope);
    else if (TabControl1->currentIndex() == 2)
        Info->setText(telescope + QStringLiteral(", f(okuláru) = ") + eyepiece + QStringLiteral(" mm"));
}

void ExposureGroup::TabControl1Change()
{
    if (eyepiece_)
        showTelescope(eyepiece_->text());
    Exp->setText(kExposureCaption);
    Dopor->setText(kRecommendationCaption);
    JasEditChange();
}

void ExposureGroup::JasEditChange()
{
    const int tab = TabControl1->currentIndex();
    compute(tab);
    negativeInputTest(tab);
}

void ExposureGroup::compute(int tab)
{
    using namespace exposure;
    resetResults(tab);
    if (tab != 0 && !aperture_)
        return;
    guardedReportingOverflow([&] {
        // Inputs in the order the set-up reads them: N or D and F, then B, S, fc, fe.
        Real ratio = 0;
        Real D = 0;
        Real F = 0;
        if (tab == 0) {
            ratio = toNumber(ClonaEdit->text());
        } else {
            D = toNumber(aperture_->text());
            F = toNumber(focalLength_->text());
        }
        const Real B = toNumber(JasEdit->text());
        const Real S = toNumber(ASAEdit->text());
        if (tab == 1)
            ratio = divide(F, D);
        if (tab == 2) {
            const Real fc = toNumber(FfotEdit->text());
            const Real fe = toNumber(FokEdit2->text());
            ratio = afocalRatio(D, F, fc, fe);
        }
        showExposure(secondsForRatio(ratio, S, B));
        if (tab == 2)
            Svet->setText(kRatioCaption + u' ' + formatNumber(shownRatio(ratio)));
    });
}

void ExposureGroup::showExposure(const Real& seconds)
{
    const Real th = exposure::toHours(seconds);
    // An exposure no shutter speed fits leaves the recommendation empty.
    Dopor->clear();
    const exposure::Shown shown = exposure::display(th);
    Exp->setText(shown.exposure);
    if (shown.recommendation)
        Dopor->setText(*shown.recommendation);
}

void ExposureGroup::negativeInputTest(int tab)
{
    QList<const QLineEdit*> tested{JasEdit, ASAEdit};
    if (tab == 0)
        tested << ClonaEdit;
    else if (tab == 2)
        tested << FokEdit2 << FfotEdit;
    if (hasNegativeInput(tested))
        resetResults(tab);
}

void ExposureGroup::resetResults(int tab)
{
    Exp->setText(kExposureCaption);
    Dopor->setText(kRecommendationCaption);
    if (tab == 2)
        Svet->setText(kRatioCaption);
}

} // namespace noktaris
