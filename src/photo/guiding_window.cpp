#include "photo/guiding_window.h"

#include "common/widgets.h"
#include "config/calculator_button.h"
#include "photo/guiding.h"
#include "photo/guiding_group.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(664, 278);
constexpr int kGroupWidth = 340;

const QString kMagnificationCaption = QStringLiteral("Minimální zvětšení:");
const QString kErrorCaption = QStringLiteral("Maximální chyba:");

// The two groups on the left share their frame: the photographing lens's focal
// length on the first row, a row of their own, the result and a two-line note.
QGroupBox* addLensGroup(QWidget* window, const QString& name, const QString& title, int top,
                        const std::pair<QString, QString>& fieldNames, QLineEdit*& field, QLabel*& caption)
{
    QGroupBox* group = addGroup(window, name, title, QRect(8, top, kGroupWidth, 128));
    field = RowLayout(group, 8, kGroupWidth - 8, 64)
                .field(20, fieldNames.first, fieldNames.second,
                       QStringLiteral("Ohnisková vzdál. fotografujícího objektivu (mm):"), KeyFilter::Decimal,
                       QString(), 1, &caption);
    return group;
}

// name and text of the result, and of the note below it.
void finishLensGroup(QGroupBox* group, const std::pair<QString, QString>& resultLine, QLabel*& result,
                     const std::pair<QString, QString>& noteText, QLabel*& note)
{
    result =
        RowLayout(group, 8, kGroupWidth - 8, 64).line(74, resultLine.first, resultLine.second, LabelStyle::ResultBold);
    note = addLabel(group, noteText.first, noteText.second, QRect(8, 94, kGroupWidth - 16, 28));
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    finishGroup(group);
}

} // namespace

TForm11::TForm11(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm11"), QStringLiteral("Parametry pointace"), kWindowSize, parent)
{
    GroupBox1 =
        addLensGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Minimální zvětšení pointačního dalekohledu "),
                     8, {QStringLiteral("Edit1"), QStringLiteral("Label1")}, Edit1, Label1);
    RowLayout rows1(GroupBox1, 8, kGroupWidth - 8, 64);
    Label3 = rows1.line(49, QStringLiteral("Label3"), QStringLiteral("Přesnost pointace:"), LabelStyle::Input, 1, 100);
    ComboBox1 = rows1.pickList(46, QStringLiteral("ComboBox1"), QString(), false, 112);
    for (const guiding::Precision& precision : guiding::precisions())
        ComboBox1->addItem(precision.text);
    finishLensGroup(GroupBox1, {QStringLiteral("Label2"), kMagnificationCaption}, Label2,
                    {QStringLiteral("Memo1"),
                     QStringLiteral("Pozor, nezapomeňte při použití Barlowova či redukčního členu \n"
                                    "vynásobit ohniskovou délku patřičným koeficientem.")},
                    Memo1);

    GroupBox2 = addLensGroup(this, QStringLiteral("GroupBox2"), QStringLiteral(" Maximální chyba při pointaci ('') "),
                             142, {QStringLiteral("Edit2"), QStringLiteral("Label4")}, Edit2, Label4);
    Edit3 = RowLayout(GroupBox2, 8, kGroupWidth - 8, 64)
                .field(46, QStringLiteral("Edit3"), QStringLiteral("Label5"), QStringLiteral("Zvětšení filmu (x):"),
                       KeyFilter::Decimal, QString(), 1, &Label5);
    Edit3->setText(QStringLiteral("3"));
    finishLensGroup(GroupBox2, {QStringLiteral("Label6"), kErrorCaption}, Label6,
                    {QStringLiteral("Memo2"),
                     QStringLiteral("Zvětšením filmu rozumějte, kolikrát bude film zvětšen ve \n"
                                    "fotolabu. Pro 35mm film se běžně používá zvětšení 3x.")},
                    Memo2);

    GroupBox6 = new GuidingGroup(this, GuidingGroup::Drift::Field);
    GroupBox6->move(16 + kGroupWidth, 8);
    finishGroup(GroupBox6);

    const CornerButtons corner =
        addCornerButtons(this, QStringLiteral("&Zavřít"), QStringLiteral("SpeedButton1"), false);
    BitBtn1 = corner.close;
    SpeedButton1 = corner.calculator;

    connect(Edit1, &QLineEdit::textChanged, this, &TForm11::Edit1Change);
    connect(ComboBox1, &QComboBox::activated, this, &TForm11::Edit1Change);
    for (QLineEdit* field : {Edit2, Edit3})
        connect(field, &QLineEdit::textChanged, this, &TForm11::Edit2Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm11::BitBtn1Click);
}

void TForm11::Edit1Change()
{
    Label2->setText(kMagnificationCaption);
    guarded([&] {
        // A whole number of millimetres: "50,5" is no focal length here.
        const std::int64_t fp = toWholeNumber(Edit1->text());
        const int item = ComboBox1->currentIndex();
        if (item < 0 || item >= int(guiding::precisions().size()))
            return;
        const Real M = guiding::minimumMagnification(fp, guiding::precisions()[std::size_t(item)].eyepiece);
        Label2->setText(kMagnificationCaption + u' ' + formatNumber(M) + u'x');
    });
}

void TForm11::Edit2Change()
{
    Label6->setText(kErrorCaption);
    guarded([&] {
        const Real fp = numberIn(Edit2);
        const Real m = numberIn(Edit3);
        Label6->setText(kErrorCaption + u' ' + formatNumber(guiding::maximumError(fp, m)) + QStringLiteral("''"));
    });
}

void TForm11::FormShow()
{
    Edit1->setFocus();
    // The usual precision, without a recomputation: the result stays as it was.
    ComboBox1->setCurrentIndex(guiding::kUsualPrecision);
}

void TForm11::BitBtn1Click() { close(); }

} // namespace noktaris
