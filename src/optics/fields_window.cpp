#include "optics/fields_window.h"

#include "catalogue/pick_lists.h"
#include "common/widgets.h"
#include "config/calculator_button.h"
#include "optics/fields.h"
#include "optics/lens_field_group.h"
#include "optics/telescope.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(480, 398);
constexpr int kGroupWidth = 464;
// Entry fields end here; the pick lists beside them run on to the group's edge.
constexpr int kFieldsRight = 290;
constexpr int kListX = 298;
constexpr int kGroupRight = kGroupWidth - 8;

RowLayout fieldRows(QGroupBox* group) { return RowLayout(group, 8, kFieldsRight, 44); }

// A result line of a group with the viewer button at its end.
QLabel* addFieldResult(QGroupBox* group, int y, const QString& name, QPushButton*& button, const QString& buttonName)
{
    RowLayout rows(group, 8, kGroupRight, 0);
    QLabel* label = rows.line(y, name, fields::kFieldCaption, LabelStyle::ResultBold, 1, kGroupRight - 8 - 26);
    makeViewerLink(label);
    button = addViewerButton(group, buttonName, QPoint(kGroupRight - 22, y - 3));
    return label;
}

} // namespace

TForm10::TForm10(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm10"), QStringLiteral("Zorná pole různých sestav"), kWindowSize, parent)
{
    buildCameraGroup();
    buildTelescopeGroup();
    buildChipGroup();
    const int buttonsY = kWindowSize.height() - 8 - 26;
    BitBtn1 = addCloseButton(this, QStringLiteral("&Zavřít"), QRect(kWindowSize.width() - 8 - 90, buttonsY, 90, 26),
                             true);
    SpeedButton2 = addCalculatorButton(this, QStringLiteral("SpeedButton2"),
                                       QPoint(kWindowSize.width() - 8 - 90 - 33, buttonsY));
    connect(BitBtn1, &QPushButton::clicked, this, &TForm10::BitBtn1Click);
}

void TForm10::buildCameraGroup()
{
    GroupBox1 = addGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Zorné pole fotoaparátu "),
                         QRect(8, 8, kGroupWidth, 104));
    RowLayout rows = fieldRows(GroupBox1);
    ffotedit = rows.field(20, QStringLiteral("ffotedit"), QStringLiteral("ffoteditLabel"),
                          QStringLiteral("f objektivu (mm):"), KeyFilter::Decimal);
    const RowLayout::Pair frame = rows.pair(46, QStringLiteral("GroupBox1Frame"),
                                            QStringLiteral("Rozměr použ. filmu (mm x mm):"), QStringLiteral("ff1"),
                                            QStringLiteral("ff2"), KeyFilter::Decimal, QString());
    ff1 = frame.first;
    ff2 = frame.second;
    Film = RowLayout(GroupBox1, kListX, kGroupRight, 0).pickList(46, QStringLiteral("Film"), QString());
    zorpole = addFieldResult(GroupBox1, 78, QStringLiteral("zorpole"), Speed1, QStringLiteral("Speed1"));
    finishGroup(GroupBox1);

    for (QLineEdit* field : {ffotedit, ff1, ff2})
        connect(field, &QLineEdit::textChanged, this, &TForm10::ffoteditChange);
    connect(Film, &QComboBox::activated, this, &TForm10::FilmChange);
}

void TForm10::buildTelescopeGroup()
{
    GroupBox2 = addGroup(this, QStringLiteral("GroupBox2"), QStringLiteral(" Zorné pole dalekohledu "),
                         QRect(8, 120, kGroupWidth, 130));
    RowLayout rows = fieldRows(GroupBox2);
    RowLayout lists(GroupBox2, kListX, kGroupRight, 0);
    fdaledit = rows.field(20, QStringLiteral("fdaledit"), QStringLiteral("fdaleditLabel"), QStringLiteral("F (mm):"),
                          KeyFilter::Decimal);
    ComboBox1 = lists.pickList(20, QStringLiteral("ComboBox1"), QString());
    fokedit = rows.field(46, QStringLiteral("fokedit"), QStringLiteral("fokeditLabel"),
                         QStringLiteral("f okuláru (mm):"), KeyFilter::Decimal);
    ComboBox2 = lists.pickList(46, QStringLiteral("ComboBox2"), QString());
    uheledit = rows.field(72, QStringLiteral("uheledit"), QStringLiteral("uheleditLabel"),
                          QStringLiteral("Zorný úhel okuláru (°):"), KeyFilter::Decimal);
    Label7 = addFieldResult(GroupBox2, 104, QStringLiteral("Label7"), Speed2, QStringLiteral("Speed2"));
    finishGroup(GroupBox2);

    for (QLineEdit* field : {fdaledit, fokedit, uheledit})
        connect(field, &QLineEdit::textChanged, this, &TForm10::fdaleditChange);
    connect(ComboBox1, &QComboBox::activated, this, &TForm10::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TForm10::ComboBox2Change);
}

void TForm10::buildChipGroup()
{
    GroupBox3 = addGroup(this, QStringLiteral("GroupBox3"), QStringLiteral(" Zorné pole CCD čipu "),
                         QRect(8, 258, kGroupWidth, 98));
    RowLayout rows = fieldRows(GroupBox3);
    Edit1 = rows.field(20, QStringLiteral("Edit1"), QStringLiteral("Edit1Label"),
                       QStringLiteral("f použitého objektivu (mm):"), KeyFilter::Decimal);
    const RowLayout::Pair chip = rows.pair(46, QStringLiteral("GroupBox3Chip"),
                                           QStringLiteral("Rozměr CCD čipu (mm x mm):"), QStringLiteral("ccd1"),
                                           QStringLiteral("ccd2"), KeyFilter::Decimal, QString());
    ccd1 = chip.first;
    ccd2 = chip.second;
    CCD = RowLayout(GroupBox3, kListX, kGroupRight, 0).pickList(46, QStringLiteral("CCD"), QString());
    Label8 = addFieldResult(GroupBox3, 76, QStringLiteral("Label8"), Speed3, QStringLiteral("Speed3"));
    finishGroup(GroupBox3);

    for (QLineEdit* field : {Edit1, ccd1, ccd2})
        connect(field, &QLineEdit::textChanged, this, &TForm10::Edit1Change);
    connect(CCD, &QComboBox::activated, this, &TForm10::CCDChange);
}

void TForm10::ffoteditChange() { showFrameField(zorpole, ff1, ff2, ffotedit, true); }

// A negative value can only be pasted here; it shows as a negative angle.
void TForm10::Edit1Change() { showFrameField(Label8, ccd1, ccd2, Edit1, false); }

void TForm10::fdaleditChange()
{
    Label7->setText(fields::kFieldCaption);
    guarded([&] {
        const Real fe = numberIn(fokedit);
        const Real F = numberIn(fdaledit);
        const Real u = numberIn(uheledit);
        Label7->setText(QStringLiteral("Velikost zorného pole: ") + angleText(telescope::trueField(fe, u, F)));
    });
}

void TForm10::FilmChange() { fillFromRecord(Film, CatalogueKind::Films, {ff1, ff2}); }
// The telescope's focal length only: its aperture plays no part in the field.
void TForm10::ComboBox1Change() { fillFromRecord(ComboBox1, CatalogueKind::Telescopes, {nullptr, fdaledit}); }
void TForm10::ComboBox2Change() { fillFromRecord(ComboBox2, CatalogueKind::Eyepieces, {fokedit, uheledit}); }
// The chip's size only: its pixel counts play no part in the field.
void TForm10::CCDChange() { fillFromRecord(CCD, CatalogueKind::Chips, {ccd1, ccd2}); }

void TForm10::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm10::FormShow()
{
    ffotedit->setFocus();
    if (!fillPickLists({{Film, CatalogueKind::Films},
                        {ComboBox1, CatalogueKind::Telescopes},
                        {ComboBox2, CatalogueKind::Eyepieces},
                        {CCD, CatalogueKind::Chips}}))
        return;
    FilmChange();
    ComboBox1Change();
    ComboBox2Change();
    CCDChange();
}

void TForm10::BitBtn1Click() { close(); }

} // namespace noktaris
