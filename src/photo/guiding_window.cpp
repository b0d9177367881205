#include "photo/guiding_window.h"

#include "common/widgets.h"
#include "config/calculator_button.h"
#include "photo/guiding.h"
#include "photo/guiding_group.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(664, 278);
constexpr int kGroupWidth = 340;

const QString kMagnificationCaption = QStringLiteral("Minimální zvětšení:");
const QString kErrorCaption = QStringLiteral("Maximální chyba:");

QLabel* addNote(QGroupBox* group, const QString& name, const QString& text, int y)
{
    QLabel* note = addLabel(group, name, text, QRect(8, y, kGroupWidth - 16, 28));
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

} // namespace

TForm11::TForm11(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm11"), QStringLiteral("Parametry pointace"), kWindowSize, parent)
{
    GroupBox1 = addGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Minimální zvětšení pointačního dalekohledu "),
                         QRect(8, 8, kGroupWidth, 128));
    RowLayout rows1(GroupBox1, 8, kGroupWidth - 8, 64);
    Edit1 = rows1.field(20, QStringLiteral("Edit1"), QStringLiteral("Label1"),
                        QStringLiteral("Ohnisková vzdál. fotografujícího objektivu (mm):"), KeyFilter::Decimal, QString(),
                        1, &Label1);
    Label3 = rows1.line(49, QStringLiteral("Label3"), QStringLiteral("Přesnost pointace:"), LabelStyle::Input, 1, 100);
    ComboBox1 = rows1.pickList(46, QStringLiteral("ComboBox1"), QString(), false, 112);
    for (const guiding::Precision& precision : guiding::precisions())
        ComboBox1->addItem(precision.text);
    Label2 = rows1.line(74, QStringLiteral("Label2"), kMagnificationCaption, LabelStyle::ResultBold);
    Memo1 = addNote(GroupBox1, QStringLiteral("Memo1"),
                    QStringLiteral("Pozor, nezapomeňte při použití Barlowova či redukčního členu \n"
                                   "vynásobit ohniskovou délku patřičným koeficientem."),
                    94);
    finishGroup(GroupBox1);

    GroupBox2 = addGroup(this, QStringLiteral("GroupBox2"), QStringLiteral(" Maximální chyba při pointaci ('') "),
                         QRect(8, 142, kGroupWidth, 128));
    RowLayout rows2(GroupBox2, 8, kGroupWidth - 8, 64);
    Edit2 = rows2.field(20, QStringLiteral("Edit2"), QStringLiteral("Label4"),
                        QStringLiteral("Ohnisková vzdál. fotografujícího objektivu (mm):"), KeyFilter::Decimal, QString(),
                        1, &Label4);
    Edit3 = rows2.field(46, QStringLiteral("Edit3"), QStringLiteral("Label5"), QStringLiteral("Zvětšení filmu (x):"),
                        KeyFilter::Decimal, QString(), 1, &Label5);
    Edit3->setText(QStringLiteral("3"));
    Label6 = rows2.line(74, QStringLiteral("Label6"), kErrorCaption, LabelStyle::ResultBold);
    Memo2 = addNote(GroupBox2, QStringLiteral("Memo2"),
                    QStringLiteral("Zvětšením filmu rozumějte, kolikrát bude film zvětšen ve \n"
                                   "fotolabu. Pro 35mm film se běžně používá zvětšení 3x."),
                    94);
    finishGroup(GroupBox2);

    GroupBox6 = new GuidingGroup(this, GuidingGroup::Drift::Field);
    GroupBox6->move(16 + kGroupWidth, 8);
    finishGroup(GroupBox6);

    const int buttonsY = kWindowSize.height() - 8 - 26;
    BitBtn1 = addCloseButton(this, QStringLiteral("&Zavřít"), QRect(kWindowSize.width() - 8 - 90, buttonsY, 90, 26),
                             false);
    SpeedButton1 = addCalculatorButton(this, QStringLiteral("SpeedButton1"),
                                       QPoint(kWindowSize.width() - 8 - 90 - 33, buttonsY));

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

void TForm11::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm11::FormShow()
{
    Edit1->setFocus();
    // The usual precision, without a recomputation: the result stays as it was.
    ComboBox1->setCurrentIndex(guiding::kUsualPrecision);
}

void TForm11::BitBtn1Click() { close(); }

} // namespace noktaris
