#include "optics/fields_window.h"

#include "catalogue/pick_lists.h"
#include "common/viewer_link.h"
#include "common/widgets.h"
#include "config/calculator_button.h"
#include "optics/fields.h"
#include "optics/lens_field_group.h"
#include "optics/telescope.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(480, 402);
constexpr int kGroupWidth = 464;
// Entry fields end here; the pick lists beside them run on to the group's edge.
constexpr int kFieldsRight = 290;
constexpr int kListX = 298;
constexpr int kGroupRight = kGroupWidth - 8;

RowLayout fieldRows(QGroupBox* group) { return RowLayout(group, 8, kFieldsRight, 44); }

// A result line of a group with the viewer button at its end; both open the viewer
// on `tab` with the group's three fields.
QLabel* addFieldResult(QGroupBox* group, int y, const QString& name, QPushButton*& button, const QString& buttonName,
                       ViewerTab tab, const std::array<const QLineEdit*, 3>& fields)
{
    RowLayout rows(group, 8, kGroupRight, 0);
    QLabel* label = rows.line(y, name, fields::kFieldCaption, LabelStyle::ResultBold, 1, kGroupRight - 8 - 26);
    button = addViewerButton(group, buttonName, QPoint(kGroupRight - 22, y - 3));
    linkToViewer(label, button, tab, fields);
    return label;
}

} // namespace

TForm10::TForm10(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm10"), QStringLiteral("Zorná pole různých sestav"), kWindowSize, parent)
{
    buildCameraGroup();
    buildTelescopeGroup();
    buildChipGroup();
    // The telescope's focal length only, the chip's size only: the aperture and
    // the pixel counts play no part in a field.
    pickLists_ = PickLists({{Film, CatalogueKind::Films, {ff1, ff2}},
                            {ComboBox1, CatalogueKind::Telescopes, {nullptr, fdaledit}},
                            {ComboBox2, CatalogueKind::Eyepieces, {fokedit, uheledit}},
                            {CCD, CatalogueKind::Chips, {ccd1, ccd2}}});
    const CornerButtons corner =
        addCornerButtons(this, QStringLiteral("&Zavřít"), QStringLiteral("SpeedButton2"), true);
    BitBtn1 = corner.close;
    SpeedButton2 = corner.calculator;
    connect(BitBtn1, &QPushButton::clicked, this, &TForm10::BitBtn1Click);
}

void TForm10::buildCameraGroup()
{
    buildFrameGroup({.group = GroupBox1,
                     .focalLength = ffotedit,
                     .width = ff1,
                     .height = ff2,
                     .list = Film,
                     .result = zorpole,
                     .button = Speed1},
                    {"GroupBox1", " Zorné pole fotoaparátu ", "ffotedit",
                     "f objektivu (mm):", "Rozměr použ. filmu (mm x mm):", "ff1", "ff2", "Film", "zorpole", "Speed1"},
                    ViewerTab::Film, 8, &TForm10::ffoteditChange, &TForm10::FilmChange);
}

void TForm10::buildFrameGroup(const FrameRows& rows, const FrameNames& names, ViewerTab tab, int top,
                              void (TForm10::*change)(), void (TForm10::*pick)())
{
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    QGroupBox* group = rows.group =
        addGroup(this, text(names.group), text(names.title), QRect(8, top, kGroupWidth, 104));
    RowLayout fields = fieldRows(group);
    rows.focalLength = fields.field(20, text(names.focalLength), text(names.focalLength) + QStringLiteral("Label"),
                                    text(names.focalCaption), KeyFilter::Decimal);
    const RowLayout::Pair frame = fields.pair(46, text(names.group) + QStringLiteral("Frame"), text(names.frameCaption),
                                              text(names.width), text(names.height), KeyFilter::Decimal, QString());
    rows.width = frame.first;
    rows.height = frame.second;
    rows.list = RowLayout(group, kListX, kGroupRight, 0).pickList(46, text(names.list), QString());
    rows.result = addFieldResult(group, 78, text(names.result), rows.button, text(names.button), tab,
                                 {rows.focalLength, rows.width, rows.height});
    finishGroup(group);

    for (QLineEdit* field : {rows.focalLength, rows.width, rows.height})
        connect(field, &QLineEdit::textChanged, this, change);
    connect(rows.list, &QComboBox::activated, this, pick);
}

void TForm10::buildTelescopeGroup()
{
    GroupBox2 = addGroup(this, QStringLiteral("GroupBox2"), QStringLiteral(" Zorné pole dalekohledu "),
                         QRect(8, 118, kGroupWidth, 130));
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
    Label7 = addFieldResult(GroupBox2, 104, QStringLiteral("Label7"), Speed2, QStringLiteral("Speed2"),
                            ViewerTab::Telescope, {fdaledit, fokedit, uheledit});
    finishGroup(GroupBox2);

    for (QLineEdit* field : {fdaledit, fokedit, uheledit})
        connect(field, &QLineEdit::textChanged, this, &TForm10::fdaleditChange);
    connect(ComboBox1, &QComboBox::activated, this, &TForm10::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TForm10::ComboBox2Change);
}

void TForm10::buildChipGroup()
{
    buildFrameGroup({.group = GroupBox3,
                     .focalLength = Edit1,
                     .width = ccd1,
                     .height = ccd2,
                     .list = CCD,
                     .result = Label8,
                     .button = Speed3},
                    {"GroupBox3", " Zorné pole CCD čipu ", "Edit1", "f použitého objektivu (mm):",
                     "Rozměr CCD čipu (mm x mm):", "ccd1", "ccd2", "CCD", "Label8", "Speed3"},
                    ViewerTab::Ccd, 256, &TForm10::Edit1Change, &TForm10::CCDChange);
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

void TForm10::FilmChange() { reportLookup(pickLists_.apply(Film)); }
void TForm10::ComboBox1Change() { reportLookup(pickLists_.apply(ComboBox1)); }
void TForm10::ComboBox2Change() { reportLookup(pickLists_.apply(ComboBox2)); }
void TForm10::CCDChange() { reportLookup(pickLists_.apply(CCD)); }

void TForm10::FormShow()
{
    ffotedit->setFocus();
    refillAndApply(pickLists_);
}

void TForm10::BitBtn1Click() { close(); }

} // namespace noktaris
