#include "photo/exposure_group.h"

#include "common/flat_tabs.h"

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

} // namespace noktaris
