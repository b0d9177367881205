#include "optics/ratios_window.h"

#include "catalogue/pick_lists.h"
#include "common/widgets.h"
#include "config/calculator_button.h"
#include "optics/telescope.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <functional>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(444, 458);
constexpr int kGroupWidth = kWindowSize.width() - 16;
// Entry fields end here; the pick lists beside them run on to the group's edge.
constexpr int kFieldsRight = 200;
constexpr int kListX = 208;

// A group's rows: fields with their captions, pick lists beside them.
struct GroupRows {
    QGroupBox* group;
    RowLayout fields;
    RowLayout lists;
    QLineEdit* field(int row, const char* name, const char* caption)
    {
        return fields.field(20 + 26 * row, QString::fromLatin1(name),
                            QString::fromLatin1(name) + QStringLiteral("Label"), QString::fromUtf8(caption),
                            KeyFilter::Decimal);
    }
    PickList* list(int row, const char* name)
    {
        return lists.pickList(20 + 26 * row, QString::fromLatin1(name), QString());
    }
    QLabel* result(int row, const char* name, int width = -1)
    {
        return RowLayout(group, 8, kGroupWidth - 8, 0)
            .line(26 + 26 * row, QString::fromLatin1(name), telescope::kRatioCaption, LabelStyle::ResultBold, 1, width);
    }
};

GroupRows addRatioGroup(QWidget* window, const char* name, const char* title, int top, int rows)
{
    QGroupBox* group = addGroup(window, QString::fromLatin1(name), QString::fromUtf8(title),
                                QRect(8, top, kGroupWidth, 26 * rows + 26));
    return {group, RowLayout(group, 8, kFieldsRight, 60), RowLayout(group, kListX, kGroupWidth - 8, 0)};
}

// The result of one group: the caption alone on any failure and for a result
// that shows as 0.
void showRatio(QLabel* label, const std::function<Real()>& ratio)
{
    label->setText(telescope::kRatioCaption);
    guarded([&] { label->setText(telescope::ratioText(ratio())); });
}

} // namespace

TForm9::TForm9(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm9"), QStringLiteral("Světelnosti různých sestav"), kWindowSize, parent)
{
    GroupRows g1 = addRatioGroup(this, "GroupBox1", " Světelnost dalekohledu (popř. fotoaparátu) ", 8, 3);
    GroupBox1 = g1.group;
    ddaledit = g1.field(0, "ddaledit", "D (mm):");
    ComboBox1 = g1.list(0, "ComboBox1");
    fdaledit = g1.field(1, "fdaledit", "F (mm):");
    Label3 = g1.result(2, "Label3");
    finishGroup(GroupBox1);

    GroupRows g2 = addRatioGroup(this, "GroupBox2", " Světelnost afokální konfigurace (z parametrů D a F) ",
                                 GroupBox1->geometry().bottom() + 9, 5);
    GroupBox2 = g2.group;
    ddaledit2 = g2.field(0, "ddaledit2", "D (mm):");
    ComboBox2 = g2.list(0, "ComboBox2");
    fdaledit2 = g2.field(1, "fdaledit2", "F (mm):");
    fokedit = g2.field(2, "fokedit", "f okuláru (mm):");
    ComboBox3 = g2.list(2, "ComboBox3");
    ffotedit = g2.field(3, "ffotedit", "f fotoaparátu (mm):");
    Label8 = g2.result(4, "Label8");
    finishGroup(GroupBox2);

    GroupRows g3 = addRatioGroup(this, "GroupBox3", " Světelnost afokální konfigurace (ze zvětšení) ",
                                 GroupBox2->geometry().bottom() + 9, 4);
    GroupBox3 = g3.group;
    Edit3 = g3.field(0, "Edit3", "Zvětšení (x):");
    Edit2 = g3.field(1, "Edit2", "D (mm):");
    ComboBox4 = g3.list(1, "ComboBox4");
    Edit1 = g3.field(2, "Edit1", "f fotoaparátu (mm):");
    Label12 = g3.result(3, "Label12", kGroupWidth - 16 - 30);
    SpeedButton1 = addCalculatorButton(GroupBox3, QStringLiteral("SpeedButton1"), QPoint(kGroupWidth - 8 - 25, 99));
    finishGroup(GroupBox3);

    BitBtn1 = addCloseButton(this, QStringLiteral("&Zavřít"),
                             QRect((kWindowSize.width() - 90) / 2, kWindowSize.height() - 8 - 26, 90, 26), true);

    for (QLineEdit* field : {ddaledit, fdaledit})
        connect(field, &QLineEdit::textChanged, this, &TForm9::ddaleditChange);
    for (QLineEdit* field : {ddaledit2, fdaledit2, fokedit, ffotedit})
        connect(field, &QLineEdit::textChanged, this, &TForm9::ddaledit2Change);
    for (QLineEdit* field : {Edit3, Edit2, Edit1})
        connect(field, &QLineEdit::textChanged, this, &TForm9::Edit3Change);
    // The eyepiece's focal length only: its apparent field plays no part. The last
    // telescope's aperture only: the magnification stands for its focal length.
    pickLists_ = PickLists({{ComboBox1, CatalogueKind::Telescopes, {ddaledit, fdaledit}},
                            {ComboBox2, CatalogueKind::Telescopes, {ddaledit2, fdaledit2}},
                            {ComboBox3, CatalogueKind::Eyepieces, {fokedit}},
                            {ComboBox4, CatalogueKind::Telescopes, {Edit2}}});
    connect(ComboBox1, &QComboBox::activated, this, &TForm9::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TForm9::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TForm9::ComboBox3Change);
    connect(ComboBox4, &QComboBox::activated, this, &TForm9::ComboBox4Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm9::BitBtn1Click);
}

void TForm9::ddaleditChange()
{
    showRatio(Label3, [&] {
        const Real D = numberIn(ddaledit);
        return telescope::ratioHundredth(numberIn(fdaledit), D);
    });
}

void TForm9::ddaledit2Change()
{
    // The aperture and the eyepiece are whole millimetres here: "12,5" gives no result.
    showRatio(Label8, [&] {
        const std::int64_t D = toWholeNumber(ddaledit2->text());
        const Real F = numberIn(fdaledit2);
        const std::int64_t fe = toWholeNumber(fokedit->text());
        return telescope::afocalRatio(D, F, fe, numberIn(ffotedit));
    });
}

void TForm9::Edit3Change()
{
    showRatio(Label12, [&] {
        const Real M = numberIn(Edit3);
        const Real fc = numberIn(Edit1);
        return telescope::afocalRatioFromMagnification(M, numberIn(Edit2), fc);
    });
}

void TForm9::ComboBox1Change() { reportLookup(pickLists_.apply(ComboBox1)); }
void TForm9::ComboBox2Change() { reportLookup(pickLists_.apply(ComboBox2)); }
void TForm9::ComboBox3Change() { reportLookup(pickLists_.apply(ComboBox3)); }
void TForm9::ComboBox4Change() { reportLookup(pickLists_.apply(ComboBox4)); }

void TForm9::FormShow()
{
    ddaledit->setFocus();
    refillAndApply(pickLists_);
}

void TForm9::BitBtn1Click() { close(); }

} // namespace noktaris
