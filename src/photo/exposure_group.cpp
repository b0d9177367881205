#include "photo/exposure_group.h"

#include "common/flat_tabs.h"
#include "common/guard.h"
#include "photo/exposure.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace noktaris {

ExposureGroup::ExposureGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox2"), QStringLiteral(" Výpočet expozičního času "), QSize(240, 276));

    const QString valueHint = QStringLiteral("Zadejte hodnotu");
    TabControl1 = addTabBar(this, QStringLiteral("TabControl1"), QRect(6, 18, 228, 32),
                            {QStringLiteral("Objektiv fotoaparátu"), QStringLiteral("Objektiv dalekohledu"),
                             QStringLiteral("Afokální konfigurace")});
    makeWrappedFlatTabs(TabControl1);

    // Inputs every set-up needs.
    Jas = addLabel(this, QStringLiteral("Jas"), QStringLiteral("Poměrná jasnost objektu:"),
                   QRect(8, 56, 220, kLabelHeight));
    JasEdit = addEdit(this, QStringLiteral("JasEdit"), QRect(8, 73, 56, kEditHeight), QStringLiteral("0"),
                      KeyFilter::Decimal, QStringLiteral("Zde můžete zadat vlastní hodnotu"));
    Jasnosti = addPickList(this, QStringLiteral("Jasnosti"), QRect(70, 73, 162, 22), QStringLiteral("Vyber objekt"));
    ASA = addLabel(this, QStringLiteral("ASA"), QStringLiteral("Citlivost filmu (ASA):"),
                   QRect(8, 103, 120, kLabelHeight));
    ASAEdit = addEdit(this, QStringLiteral("ASAEdit"), QRect(136, 100, 56, kEditHeight), QStringLiteral("0"),
                      KeyFilter::Decimal, valueHint);
    BitBtn3 = addResetButton(this, QStringLiteral("BitBtn3"), QPoint(210, 100));

    // Camera lens only; the telescope line takes its place on the other tabs.
    clona = addLabel(this, QStringLiteral("clona"), QStringLiteral("Clonové číslo:"), QRect(8, 128, 120, kLabelHeight));
    ClonaEdit = addEdit(this, QStringLiteral("ClonaEdit"), QRect(136, 125, 56, kEditHeight), QStringLiteral("0"),
                        KeyFilter::Decimal, valueHint);
    // Two lines: with the eyepiece added the echoed values outgrow one line.
    Info = addLabel(this, QStringLiteral("Info"), QStringLiteral("D = mm, F = mm, f(okuláru) = mm"),
                    QRect(8, 125, 224, 26));
    Info->setWordWrap(true);
    Info->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Afocal set-up only.
    Fok2 = addLabel(this, QStringLiteral("Fok2"), QStringLiteral("Ohnisková vzdál. okuláru (mm):"),
                    QRect(8, 157, 166, kLabelHeight));
    FokEdit2 = addEdit(this, QStringLiteral("FokEdit2"), QRect(176, 154, 56, kEditHeight), QStringLiteral("0"),
                       KeyFilter::Decimal, valueHint);
    Ffot = addLabel(this, QStringLiteral("Ffot"), QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"),
                    QRect(8, 179, 166, 26));
    Ffot->setWordWrap(true);
    FfotEdit = addEdit(this, QStringLiteral("FfotEdit"), QRect(176, 182, 56, kEditHeight), QStringLiteral("0"),
                       KeyFilter::Decimal, valueHint);
    Svet = addLabel(this, QStringLiteral("Svet"), QStringLiteral("Světelnost:"), QRect(8, 211, 224, kLabelHeight),
                    LabelStyle::ResultBold);

    Exp = addLabel(this, QStringLiteral("Exp"), QStringLiteral("Expoziční čas:"), QRect(8, 233, 224, kLabelHeight),
                   LabelStyle::ResultBold);
    Dopor = addLabel(this, QStringLiteral("Dopor"), QStringLiteral("Doporučená expozice:"),
                     QRect(8, 252, 224, kLabelHeight), LabelStyle::ResultBold);

    connect(BitBtn3, &QPushButton::clicked, this, &ExposureGroup::BitBtn3Click);
    connect(TabControl1, &QTabBar::currentChanged, this, &ExposureGroup::showTabFields);
    connect(TabControl1, &QTabBar::currentChanged, this, &ExposureGroup::TabControl1Change);
    for (QLineEdit* field : {JasEdit, ASAEdit, ClonaEdit, FokEdit2, FfotEdit})
        connect(field, &QLineEdit::textChanged, this, &ExposureGroup::JasEditChange);
    TabControl1->setCurrentIndex(0);
    showTabFields(0);
}

void ExposureGroup::BitBtn3Click()
{
    JasEdit->setText(QStringLiteral("0"));
    ASAEdit->setText(QStringLiteral("0"));
    ClonaEdit->setText(QStringLiteral("0"));
    FokEdit2->setText(QStringLiteral("0"));
    FfotEdit->setText(QStringLiteral("0"));
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
    Exp->setText(QStringLiteral("Expoziční čas:"));
    Dopor->setText(QStringLiteral("Doporučená expozice:"));
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
    Exp->setText(QStringLiteral("Expoziční čas:"));
    Dopor->setText(QStringLiteral("Doporučená expozice:"));
    if (tab == 2)
        Svet->setText(QStringLiteral("Světelnost:"));
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
            Svet->setText(QStringLiteral("Světelnost: ") + formatNumber(shownRatio(ratio)));
    });
}

void ExposureGroup::showExposure(Real seconds)
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
    for (const QLineEdit* field : tested) {
        Real value = 0;
        if (!guarded([&] { value = toNumber(field->text()); }))
            return;
        if (value < 0) {
            Exp->setText(QStringLiteral("Expoziční čas:"));
            Dopor->setText(QStringLiteral("Doporučená expozice:"));
            if (tab == 2)
                Svet->setText(QStringLiteral("Světelnost:"));
            return;
        }
    }
}

} // namespace noktaris
