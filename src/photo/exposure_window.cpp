#include "photo/exposure_window.h"

#include "catalogue/catalogue.h"
#include "catalogue/pick_lists.h"
#include "common/guard.h"
#include "common/messages.h"
#include "config/calculator_button.h"
#include "photo/declination_input.h"
#include "photo/exposure.h"
#include "photo/exposure_lists.h"
#include "platform/links.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(986, 676);
constexpr int kMargin = 8;
constexpr int kGroupWidth = 318;
constexpr int kGroupHeight = 446;
constexpr int kPointGroupWidth = 470;
constexpr int kPointGroupHeight = 206;

// The rows every group has, at the same heights in all three so that the filter,
// reciprocity and result lines read across the window.
constexpr int kBrightnessY = 20;
constexpr int kSpeedY = 76;
constexpr int kOpticsY = 104;
constexpr int kFilterY = 272;
constexpr int kReciprocityY = 326;
constexpr int kRatioY = 382;
constexpr int kExposureY = 402;
constexpr int kRecommendationY = 422;

using exposure::kExposureCaption;
using exposure::kRatioCaption;
using exposure::kRecommendationCaption;

// Inside the exposure groups: captions on the left, entry fields in a right-hand
// column ending where the pick lists below them end.
RowLayout exposureRows(QGroupBox* group) { return RowLayout(group, 8, 310, 84); }

// An entry field of the exposure groups: no hint, its caption named after it.
QLineEdit* addField(RowLayout& rows, int y, const QString& name, const QString& caption)
{
    return rows.field(y, name, name + QStringLiteral("Label"), caption, KeyFilter::Decimal);
}

// A fixed list whose items are longer than the list is wide: the popup opens wide
// enough to show every item whole.
void fillFixedList(PickList* list, const QStringList& items)
{
    list->addItems(items);
    int widest = 0;
    for (const QString& item : items)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(item));
    list->view()->setMinimumWidth(widest + 2 * list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    list->setCurrentIndex(0);
}

QLabel* addNote(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    QLabel* note = addLabel(parent, name, text, geometry);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    return note;
}

// A negative number in a tested field puts the bare captions back.
void restoreIfNegative(const QList<const QLineEdit*>& tested, const QList<std::pair<QLabel*, QString>>& captions)
{
    if (!hasNegativeInput(tested))
        return;
    for (const auto& [label, caption] : captions)
        label->setText(caption);
}

} // namespace

TForm8::TForm8(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm8"), QStringLiteral("Expoziční časy"), kWindowSize, parent)
{
    buildCameraGroup();
    buildTelescopeGroup();
    buildAfocalGroup();
    buildPointGroup();
    buildNotes();
    pickLists_ = PickLists({
        {ComboBox1, CatalogueKind::Brightness, {jasedit}},
        {ComboBox6, CatalogueKind::Brightness, {jasedit3}},
        {ComboBox3, CatalogueKind::Brightness, {jasedit2}},
        {ComboBox2, CatalogueKind::Telescopes, {ddaledit2, fdaledit2}},
        {ComboBox4, CatalogueKind::Telescopes, {ddaledit3, fdaledit3}},
        {ComboBox5, CatalogueKind::Eyepieces, {fokedit3}},
    });
    Memo3->installEventFilter(this);
    setHintDisplayTime(7000);
}

QGroupBox* TForm8::addExposureGroup(int number, const QString& name, const QString& title, const QStringList& listNames,
                                    const ExposureRows& r)
{
    // Side by side, the camera group first; listNames: brightness, filter, reciprocity.
    QGroupBox* group = addGroup(
        this, name, title, QRect(kMargin + (number - 1) * (kMargin + kGroupWidth), kMargin, kGroupWidth, kGroupHeight));
    const QString suffix = number == 1 ? QString() : QString::number(number);
    RowLayout rows = exposureRows(group);
    r.brightness =
        addField(rows, kBrightnessY, QStringLiteral("jasedit") + suffix, QStringLiteral("Poměrná jasnost objektu:"));
    r.brightnessList = rows.pickList(kBrightnessY + 26, listNames.at(0), QString());
    r.speed = addField(rows, kSpeedY, QStringLiteral("asaedit") + suffix, QStringLiteral("Citlivost filmu (ASA):"));
    r.filter =
        addField(rows, kFilterY, QStringLiteral("ff") + QString::number(number), QStringLiteral("Faktor filtru:"));
    r.filter->setText(QStringLiteral("1,0"));
    r.filterList = rows.pickList(kFilterY + 26, listNames.at(1), QString(), false);
    fillFixedList(r.filterList, exposure::filterItems());
    r.reciprocity = addField(rows, kReciprocityY, QStringLiteral("r") + QString::number(number),
                             QStringLiteral("Reciproční chyba filmu:"));
    r.reciprocity->setText(QStringLiteral("1,00"));
    r.reciprocityList = rows.pickList(kReciprocityY + 26, listNames.at(2), QString(), false);
    fillFixedList(r.reciprocityList, exposure::reciprocityItems());
    r.exposure = rows.line(kExposureY, QStringLiteral("exp") + suffix, kExposureCaption, LabelStyle::Result);
    r.recommendation =
        rows.line(kRecommendationY, QStringLiteral("dopor") + suffix, kRecommendationCaption, LabelStyle::Result);
    return group;
}

void TForm8::addTelescopeRows(RowLayout& rows, int number, const QString& listName, PickList*& list, QLineEdit*& D,
                              QLineEdit*& F)
{
    const QString suffix = QString::number(number);
    list = rows.pickList(kOpticsY, listName, QString());
    D = addField(rows, kOpticsY + 28, QStringLiteral("ddaledit") + suffix, QStringLiteral("D (mm):"));
    F = addField(rows, kOpticsY + 54, QStringLiteral("fdaledit") + suffix, QStringLiteral("F (mm):"));
}

void TForm8::connectFields(const QList<QLineEdit*>& fields, void (TForm8::*handler)())
{
    for (QLineEdit* field : fields)
        connect(field, &QLineEdit::textChanged, this, handler);
}

void TForm8::connectList(PickList* list, void (TForm8::*handler)())
{
    connect(list, &QComboBox::activated, this, handler);
}

void TForm8::buildCameraGroup()
{
    groupbox1 =
        addExposureGroup(1, QStringLiteral("groupbox1"), QStringLiteral(" Objektiv fotoaparátu "),
                         {QStringLiteral("ComboBox1"), QStringLiteral("ComboBox8"), QStringLiteral("ComboBox9")},
                         {.brightness = jasedit,
                          .brightnessList = ComboBox1,
                          .speed = asaedit,
                          .filter = ff1,
                          .filterList = ComboBox8,
                          .reciprocity = r1,
                          .reciprocityList = ComboBox9,
                          .exposure = exp,
                          .recommendation = dopor});
    RowLayout optics = exposureRows(groupbox1);
    clonaedit = addField(optics, kOpticsY, QStringLiteral("clonaedit"), QStringLiteral("Clonové číslo:"));
    finishGroup(groupbox1);

    connectFields({jasedit, clonaedit, asaedit, ff1, r1}, &TForm8::jaseditChange);
    connectList(ComboBox1, &TForm8::ComboBox1Change);
    connectList(ComboBox8, &TForm8::ComboBox8Change);
    connectList(ComboBox9, &TForm8::ComboBox9Change);
}

void TForm8::buildTelescopeGroup()
{
    GroupBox2 =
        addExposureGroup(2, QStringLiteral("GroupBox2"), QStringLiteral(" Objektiv dalekohledu "),
                         {QStringLiteral("ComboBox3"), QStringLiteral("ComboBox12"), QStringLiteral("ComboBox13")},
                         {.brightness = jasedit2,
                          .brightnessList = ComboBox3,
                          .speed = asaedit2,
                          .filter = ff2,
                          .filterList = ComboBox12,
                          .reciprocity = r2,
                          .reciprocityList = ComboBox13,
                          .exposure = exp2,
                          .recommendation = dopor2});
    RowLayout optics = exposureRows(GroupBox2);
    addTelescopeRows(optics, 2, QStringLiteral("ComboBox2"), ComboBox2, ddaledit2, fdaledit2);
    finishGroup(GroupBox2);

    connectFields({ddaledit2, fdaledit2, jasedit2, asaedit2, ff2, r2}, &TForm8::ddaledit2Change);
    connectList(ComboBox3, &TForm8::ComboBox3Change);
    connectList(ComboBox2, &TForm8::ComboBox2Change);
    connectList(ComboBox12, &TForm8::ComboBox12Change);
    connectList(ComboBox13, &TForm8::ComboBox13Change);
}

void TForm8::buildAfocalGroup()
{
    GroupBox3 =
        addExposureGroup(3, QStringLiteral("GroupBox3"), QStringLiteral(" Afokální konfigurace "),
                         {QStringLiteral("ComboBox6"), QStringLiteral("ComboBox10"), QStringLiteral("ComboBox11")},
                         {.brightness = jasedit3,
                          .brightnessList = ComboBox6,
                          .speed = asaedit3,
                          .filter = ff3,
                          .filterList = ComboBox10,
                          .reciprocity = r3,
                          .reciprocityList = ComboBox11,
                          .exposure = exp3,
                          .recommendation = dopor3});
    RowLayout optics = exposureRows(GroupBox3);
    addTelescopeRows(optics, 3, QStringLiteral("ComboBox4"), ComboBox4, ddaledit3, fdaledit3);
    ComboBox5 = optics.pickList(kOpticsY + 84, QStringLiteral("ComboBox5"), QString());
    fokedit3 = addField(optics, kOpticsY + 112, QStringLiteral("fokedit3"), QStringLiteral("f - okuláru (mm):"));
    ffotedit3 = addField(optics, kOpticsY + 138, QStringLiteral("ffotedit3"), QStringLiteral("f -  fotoaparátu (mm):"));
    svet = optics.line(kRatioY, QStringLiteral("svet"), QStringLiteral("Světelnost sestavy:"), LabelStyle::Result);
    finishGroup(GroupBox3);

    connectFields({ddaledit3, fdaledit3, fokedit3, ffotedit3, jasedit3, asaedit3, ff3, r3}, &TForm8::ddaledit3Change);
    connectList(ComboBox6, &TForm8::ComboBox6Change);
    connectList(ComboBox4, &TForm8::ComboBox4Change);
    connectList(ComboBox5, &TForm8::ComboBox5Change);
    connectList(ComboBox10, &TForm8::ComboBox10Change);
    connectList(ComboBox11, &TForm8::ComboBox11Change);
}

void TForm8::buildPointGroup()
{
    const int top = 2 * kMargin + kGroupHeight;
    GroupBox4 = addGroup(this, QStringLiteral("GroupBox4"),
                         QStringLiteral(" Maximální délka expozice pro bodové zobrazení dráhy hvězdy "),
                         QRect(kMargin, top, kPointGroupWidth, kPointGroupHeight));
    // Minutes and seconds take a minus sign here too, like the degrees.
    const DeclinationRow declination = addDeclinationRow(
        GroupBox4, QStringLiteral("GroupBox4"), {QStringLiteral("d4"), QStringLiteral("d5"), QStringLiteral("d6")},
        KeyFilter::SignedWhole, QPoint(8, 20));
    d4 = declination.degrees;
    d5 = declination.minutes;
    d6 = declination.seconds;

    RowLayout rows(GroupBox4, 8, 254, 64);
    f = rows.field(48, QStringLiteral("f"), QStringLiteral("Label22"),
                   QStringLiteral("Ohnisková vzdál. objektivu (mm):"), KeyFilter::Decimal, QString(), 1, &Label22);
    konst = rows.field(74, QStringLiteral("konst"), QStringLiteral("Label27"), QStringLiteral("Hodnota konstanty:"),
                       KeyFilter::Decimal, exposure::kConstantHint, 1, &Label27);
    Label27->setToolTip(exposure::kConstantHint);
    ComboBox7 = addPickList(GroupBox4, QStringLiteral("ComboBox7"), QRect(rows.left(), 100, 320, 22),
                            exposure::kConstantHint, false);
    for (const exposure::ConstantChoice& choice : exposure::constantChoices())
        ComboBox7->addItem(choice.text);
    ComboBox7->setCurrentIndex(2);

    const int width = kPointGroupWidth - 2 * rows.left();
    exp4 = rows.line(130, QStringLiteral("exp4"), kExposureCaption, LabelStyle::Result, 1, width);
    dopor4 =
        rows.line(150, QStringLiteral("dopor4"), QStringLiteral("Doporučená expozice: "), LabelStyle::Result, 1, width);
    Memo3 =
        addNote(GroupBox4, QStringLiteral("Memo3"), exposure::constantHelpNote(), QRect(rows.left(), 170, width, 30));
    Memo3->setCursor(Qt::PointingHandCursor);
    finishGroup(GroupBox4);

    connectFields({d4, d5, d6, f, konst}, &TForm8::d4Change);
    connectList(ComboBox7, &TForm8::ComboBox7Change);
}

void TForm8::buildNotes()
{
    const int x = 2 * kMargin + kPointGroupWidth;
    const int width = kWindowSize.width() - x - kMargin;
    const int top = 2 * kMargin + kGroupHeight + 6;
    Memo1 = addNote(this, QStringLiteral("Memo1"), exposure::dimObjectsNote(), QRect(x, top, width, 46));
    Memo2 = addNote(this, QStringLiteral("Memo2"), exposure::reciprocityNote(), QRect(x, top + 54, width, 88));

    const CornerButtons corner =
        addCornerButtons(this, QStringLiteral("&Zavřít"), QStringLiteral("SpeedButton1"), false);
    BitBtn1 = corner.close;
    SpeedButton1 = corner.calculator;
    connect(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
}

// ---- recomputation ----

void TForm8::showExposure(const Real& t0, QLineEdit* filter, QLineEdit* reciprocity, QLabel* exposureLabel,
                          QLabel* recommendationLabel)
{
    const Real k = numberIn(filter);
    const Real p = numberIn(reciprocity);
    const exposure::Shown shown = exposure::display(exposure::toHours(exposure::corrected(t0, k, p)));
    exposureLabel->setText(shown.exposure);
    // No row of the shutter table: the caption written at the start stays.
    if (shown.recommendation)
        recommendationLabel->setText(*shown.recommendation);
}

void TForm8::jaseditChange()
{
    exp->setText(kExposureCaption);
    dopor->setText(kRecommendationCaption);
    guardedReportingOverflow([&] {
        const Real N = numberIn(clonaedit);
        const Real B = numberIn(jasedit);
        const Real S = numberIn(asaedit);
        showExposure(exposure::secondsForRatio(N, S, B), ff1, r1, exp, dopor);
    });
    restoreIfNegative({jasedit, asaedit, clonaedit}, {{exp, kExposureCaption}, {dopor, kRecommendationCaption}});
}

void TForm8::ddaledit2Change()
{
    exp2->setText(kExposureCaption);
    dopor2->setText(kRecommendationCaption);
    guardedReportingOverflow([&] {
        const Real D = numberIn(ddaledit2);
        const Real F = numberIn(fdaledit2);
        const Real B = numberIn(jasedit2);
        const Real S = numberIn(asaedit2);
        showExposure(exposure::secondsForRatio(divide(F, D), S, B), ff2, r2, exp2, dopor2);
    });
    restoreIfNegative({jasedit2, asaedit2}, {{exp2, kExposureCaption}, {dopor2, kRecommendationCaption}});
}

void TForm8::ddaledit3Change()
{
    svet->setText(kRatioCaption);
    exp3->setText(kExposureCaption);
    dopor3->setText(kRecommendationCaption);
    guardedReportingOverflow([&] {
        const Real D = numberIn(ddaledit3);
        const Real F = numberIn(fdaledit3);
        const Real B = numberIn(jasedit3);
        const Real S = numberIn(asaedit3);
        const Real fc = numberIn(ffotedit3);
        const Real fe = numberIn(fokedit3);
        const Real ratio = exposure::afocalRatio(D, F, fc, fe);
        showExposure(exposure::secondsForRatio(ratio, S, B), ff3, r3, exp3, dopor3);
        svet->setText(kRatioCaption + u' ' + formatNumber(exposure::shownRatio(ratio)));
    });
    restoreIfNegative({jasedit3, asaedit3, fokedit3, ffotedit3},
                      {{svet, kRatioCaption}, {exp3, kExposureCaption}, {dopor3, kRecommendationCaption}});
}

void TForm8::d4Change()
{
    exp4->setText(kExposureCaption);
    dopor4->setText(kRecommendationCaption);
    guarded([&] { computePointExposure(); });
    if (hasNegativeInput({f}))
        exp4->setText(kExposureCaption);
}

void TForm8::computePointExposure()
{
    const declination::Declination declination = readDeclination(d4, d5, d6);
    if (declination.range == declination::Range::Pole)
        exp4->setText(exposure::kPoleText);
    if (declination.range != declination::Range::Inside)
        return;
    const Real k = numberIn(konst);
    const Real seconds = declination::pointExposure(k, numberIn(f), declination.cosDelta);
    const exposure::Shown shown = exposure::display(exposure::toHours(seconds));
    exp4->setText(shown.exposure);
    if (shown.recommendation)
        dopor4->setText(*shown.recommendation);
}

// ---- pick lists ----

void TForm8::ComboBox1Change() { reportLookup(pickLists_.apply(ComboBox1)); }
void TForm8::ComboBox3Change() { reportLookup(pickLists_.apply(ComboBox3)); }
void TForm8::ComboBox6Change() { reportLookup(pickLists_.apply(ComboBox6)); }
void TForm8::ComboBox2Change() { reportLookup(pickLists_.apply(ComboBox2)); }
void TForm8::ComboBox4Change() { reportLookup(pickLists_.apply(ComboBox4)); }
void TForm8::ComboBox5Change() { reportLookup(pickLists_.apply(ComboBox5)); }

void TForm8::ComboBox7Change()
{
    const int index = ComboBox7->currentIndex();
    const auto& choices = exposure::constantChoices();
    if (index >= 0 && index < int(choices.size()))
        konst->setText(choices[std::size_t(index)].value);
}

void TForm8::ComboBox8Change() { ff1->setText(exposure::leadingValue(ComboBox8->currentText())); }
void TForm8::ComboBox12Change() { ff2->setText(exposure::leadingValue(ComboBox12->currentText())); }
void TForm8::ComboBox10Change() { ff3->setText(exposure::leadingValue(ComboBox10->currentText())); }
void TForm8::ComboBox9Change() { r1->setText(exposure::leadingValue(ComboBox9->currentText())); }
void TForm8::ComboBox13Change() { r2->setText(exposure::leadingValue(ComboBox13->currentText())); }
void TForm8::ComboBox11Change() { r3->setText(exposure::leadingValue(ComboBox11->currentText())); }

// ---- showing and closing ----

void TForm8::FormShow()
{
    jasedit->setFocus();
    // Only the selections go back to their first items: the fields they fill keep
    // what the user last chose or typed.
    for (PickList* list : {ComboBox8, ComboBox12, ComboBox10, ComboBox9, ComboBox13, ComboBox11})
        list->setCurrentIndex(0);
    ComboBox7->setCurrentIndex(2);
    konst->setText(QStringLiteral("1000"));
    refillAndApply(pickLists_);
}

void TForm8::Memo3Click() { openHelpPage(QStringLiteral("HTML/vypocty.html"), true); }

void TForm8::BitBtn1Click() { close(); }

bool TForm8::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo3 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Memo3Click();
        return true;
    }
    return SecondaryWindow::eventFilter(watched, event);
}

} // namespace noktaris
