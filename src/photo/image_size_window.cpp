#include "photo/image_size_window.h"

#include "catalogue/pick_lists.h"
#include "common/widgets.h"
#include "photo/image_size.h"
#include "photo/trail_group.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(684, 330);
constexpr int kGroupWidth = 420;
// Two decimals of a millimetre.
constexpr int kScale = 100;

// The object's angular size: its heading, the field and the object list beside it.
void addObjectRows(RowLayout& rows, const QString& headingName, QLabel*& heading, const QString& fieldName,
                   QLineEdit*& field, const QString& listName, PickList*& list)
{
    heading = rows.line(20, headingName, QStringLiteral("Úhlový rozměr objektu na obloze ( ' ):"));
    field = rows.entry(8, 38, 56, fieldName, KeyFilter::Decimal, kOwnValueHint);
    list = rows.pickList(38, listName, QStringLiteral("Vyber objekt"), true, 70);
}

} // namespace

TForm13::TForm13(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm13"), QStringLiteral("Rozměry obrazů na negativu"), kWindowSize, parent)
{
    GroupBox4 = addGroup(this, QStringLiteral("GroupBox4"),
                         QStringLiteral(" Rozměr obrazu na negativu pořízeném dalekohledem popř. fotoaparátem "),
                         QRect(8, 8, kGroupWidth, 118));
    RowLayout rows4(GroupBox4, 8, kGroupWidth - 8, 56);
    addObjectRows(rows4, QStringLiteral("Label9"), Label9, QStringLiteral("RozmerEdit"), RozmerEdit,
                  QStringLiteral("Objekt"), Objekt);
    FfotEdit3 =
        rows4.field(66, QStringLiteral("FfotEdit3"), QStringLiteral("Label12"),
                    QStringLiteral("Ohnisková vzdál. objektivu (mm):"), KeyFilter::Decimal, kValueHint, 1, &Label12);
    rozmer = rows4.line(94, QStringLiteral("rozmer"), imagesize::kSizeCaption, LabelStyle::ResultBold);
    finishGroup(GroupBox4);

    GroupBox1 =
        addGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Rozměr obrazu na negativu pořízeném afokálně "),
                 QRect(8, 134, kGroupWidth, 188));
    RowLayout rows1(GroupBox1, 8, kGroupWidth - 8, 56);
    addObjectRows(rows1, QStringLiteral("Label7"), Label7, QStringLiteral("Edit2"), Edit2, QStringLiteral("ComboBox1"),
                  ComboBox1);
    fdaledit =
        rows1.field(66, QStringLiteral("fdaledit"), QStringLiteral("Label13"),
                    QStringLiteral("Ohnisková vzdál. dalekohledu (mm):"), KeyFilter::Decimal, QString(), 1, &Label13);
    // In the order of the file: a user's own telescopes come where they were added.
    Dalekohled = rows1.pickList(92, QStringLiteral("Dalekohled"), QStringLiteral("Vyber dalekohled"), false);
    ffotedit = rows1.field(118, QStringLiteral("ffotedit"), QStringLiteral("Label8"),
                           QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"), KeyFilter::Decimal,
                           kValueHint, 1, &Label8);
    fokedit = rows1.field(144, QStringLiteral("fokedit"), QStringLiteral("Label11"),
                          QStringLiteral("Ohnisková vzdál. okuláru (mm):"), KeyFilter::Decimal, QString(), 1, &Label11);
    rozmer1 = rows1.line(168, QStringLiteral("rozmer1"), imagesize::kSizeCaption, LabelStyle::ResultBold);
    finishGroup(GroupBox1);

    GroupBox3 = new TrailGroup(this, TrailGroup::Corner::CalculatorButton);
    GroupBox3->move(16 + kGroupWidth, 8);
    finishGroup(GroupBox3);

    BitBtn1 = addCloseButton(this, QStringLiteral("&Zavřít"),
                             QRect(kWindowSize.width() - 8 - 90, kWindowSize.height() - 8 - 26, 90, 26), false);

    for (QLineEdit* field : {RozmerEdit, FfotEdit3})
        connect(field, &QLineEdit::textChanged, this, &TForm13::RozmerEditChange);
    for (QLineEdit* field : {Edit2, ffotedit, fokedit, fdaledit})
        connect(field, &QLineEdit::textChanged, this, &TForm13::Edit2Change);
    // The telescope's focal length only.
    pickLists_ = PickLists({{Objekt, CatalogueKind::Sizes, {RozmerEdit}},
                            {ComboBox1, CatalogueKind::Sizes, {Edit2}},
                            {Dalekohled, CatalogueKind::Telescopes, {nullptr, fdaledit}}});
    connect(Objekt, &QComboBox::activated, this, &TForm13::ObjektChange);
    connect(ComboBox1, &QComboBox::activated, this, &TForm13::ComboBox1Change);
    connect(Dalekohled, &QComboBox::activated, this, &TForm13::DalekohledChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm13::BitBtn1Click);
}

// Neither size writes its caption first: a size that cannot be computed leaves the
// last one on display. Negative inputs give negative sizes here.
void TForm13::RozmerEditChange()
{
    guarded([&] {
        const Real alpha = numberIn(RozmerEdit);
        rozmer->setText(imagesize::sizeText(imagesize::primeFocus(alpha, numberIn(FfotEdit3), kScale)));
    });
}

void TForm13::Edit2Change()
{
    guarded([&] {
        const Real alpha = numberIn(Edit2);
        const Real F = numberIn(fdaledit);
        const Real fc = numberIn(ffotedit);
        const Real fe = numberIn(fokedit);
        rozmer1->setText(imagesize::sizeText(imagesize::afocal(alpha, F, fc, fe, kScale)));
    });
}

void TForm13::ObjektChange() { reportLookup(pickLists_.apply(Objekt)); }
void TForm13::ComboBox1Change() { reportLookup(pickLists_.apply(ComboBox1)); }
void TForm13::DalekohledChange() { reportLookup(pickLists_.apply(Dalekohled)); }

void TForm13::FormShow() { refillAndApply(pickLists_); }

void TForm13::BitBtn1Click() { close(); }

} // namespace noktaris
