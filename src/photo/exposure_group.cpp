#include "photo/exposure_group.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionTab>
#include <QTabBar>

namespace noktaris {

namespace {

// Flat-button tabs: every tab gets an equal share of the bar's width and the full
// bar height, so two-line captions never need scroll arrows or elision.
class WrappedFlatTabStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const auto* bar = qobject_cast<const QTabBar*>(widget);
        if (type != CT_TabBarTab || bar == nullptr || bar->count() == 0)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        return QSize(bar->width() / bar->count(), bar->height());
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element != CE_TabBarTab || tab == nullptr) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect button = tab->rect.adjusted(1, 1, -1, -1);
        const bool selected = tab->state & State_Selected;
        painter->save();
        if (selected) {
            // The chosen set-up stays pressed in, the others lie flat.
            painter->fillRect(button, tab->palette.color(QPalette::Midlight));
            painter->setPen(tab->palette.color(QPalette::Dark));
            painter->drawLine(button.topLeft(), button.topRight());
            painter->drawLine(button.topLeft(), button.bottomLeft());
            painter->setPen(tab->palette.color(QPalette::Light));
            painter->drawLine(button.bottomLeft(), button.bottomRight());
            painter->drawLine(button.topRight(), button.bottomRight());
        } else if (tab->state & State_MouseOver) {
            painter->setPen(tab->palette.color(QPalette::Mid));
            painter->drawRect(button.adjusted(0, 0, -1, -1));
        }
        painter->setPen(tab->palette.color(tab->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                                           QPalette::WindowText));
        const QRect textRect = button.adjusted(2, 1, -2, -1).translated(selected ? 1 : 0, selected ? 1 : 0);
        painter->drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, tab->text);
        if (selected && (tab->state & State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*tab);
            focus.rect = button.adjusted(2, 2, -2, -2);
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
        painter->restore();
    }
};

} // namespace

void makeWrappedFlatTabs(QTabBar* bar)
{
    auto* style = new WrappedFlatTabStyle;
    style->setParent(bar);
    bar->setStyle(style);
    bar->setElideMode(Qt::ElideNone);
    bar->setUsesScrollButtons(false);
    bar->setAttribute(Qt::WA_Hover);
}

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
