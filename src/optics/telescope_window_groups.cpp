#include "optics/telescope_window_groups.h"

#include "common/flat_tabs.h"
#include "common/viewer_link.h"
#include "common/widgets.h"
#include "optics/telescope.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace noktaris {

namespace {

constexpr int kLeftWidth = 380;
constexpr int kRightWidth = 388;

const QString kMagnificationCaption = QStringLiteral("Zvětšení:");
const QString kTheoreticalCaption = QStringLiteral("Teoretická mezní magnituda:");
const QString kPracticalCaption = QStringLiteral("Praktická mezní magnituda:");
const QString kGraspCaption = QStringLiteral("Světelný zisk:");
const QString kAngularCaption = QStringLiteral("Úhlový průměr:");
const QString kLinearCaption = QStringLiteral("Lineární průměr:");
const QString kTheoreticalDepthCaption = QStringLiteral("Teor. hloubka ostrosti:");
const QString kPracticalDepthCaption = QStringLiteral("Prakt. hloubka ostrosti:");
const QString kPupilHint = QStringLiteral("Průměr oční pupily oka adaptovaného na tmu je zhruba 7,5mm.");

QString magnificationText(const Real& M)
{
    return kMagnificationCaption + u' ' + formatNumber(M) + QStringLiteral(" x");
}

// "D =" [field] "mm": a field with a short caption before it and its unit after it.
QLineEdit* addUnitField(QWidget* group, int x, int y, const QString& name, const QString& caption, const QString& unit)
{
    addLabel(group, name + QStringLiteral("Label"), caption, QRect(x, y + 3, 26, kLabelHeight));
    QLineEdit* field = addEdit(group, name, QRect(x + 28, y, 64, kEditHeight), QStringLiteral("0"), KeyFilter::Decimal);
    addLabel(group, name + QStringLiteral("Unit"), unit, QRect(x + 96, y + 3, 24, kLabelHeight));
    return field;
}

// A read-only note of several lines, centred, without a frame.
QLabel* addNote(QWidget* group, const QString& name, const QString& text, const QRect& geometry)
{
    QLabel* note = addLabel(group, name, text, geometry);
    note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return note;
}

} // namespace

MainParametersGroup::MainParametersGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Zadání hlavních parametrů "),
               QSize(kLeftWidth, 314));
    const int right = kLeftWidth - 8;
    RowLayout rows(this, 8, right, 0);
    rows.line(23, QStringLiteral("DalekohledLabel"), QStringLiteral("Dalekohled:"), LabelStyle::Heading, 1, 76);
    Dalekohled = rows.pickList(20, QStringLiteral("Dalekohled"), QString(), true, 88);
    rows.line(49, QStringLiteral("OkularLabel"), QStringLiteral("Okulár:"), LabelStyle::Heading, 1, 76);
    Okular = rows.pickList(46, QStringLiteral("Okular"), QString(), true, 88);

    ddaledit = addUnitField(this, 8, 76, QStringLiteral("ddaledit"), QStringLiteral("D ="), QStringLiteral("mm"));
    fdaledit = addUnitField(this, 196, 76, QStringLiteral("fdaledit"), QStringLiteral("F ="), QStringLiteral("mm"));
    fokedit = addUnitField(this, 8, 102, QStringLiteral("fokedit"), QStringLiteral("f ="), QStringLiteral("mm"));
    uheledit = addUnitField(this, 196, 102, QStringLiteral("uheledit"), QStringLiteral("u ="), QStringLiteral("°"));

    rows.line(133, QStringLiteral("SpinEdit1Label"), QStringLiteral("Centrální zastínění sekundárem v % průměru:"),
              LabelStyle::Input, 1, 260);
    SpinEdit1 = addSpinField(this, QStringLiteral("SpinEdit1"), QRect(right - 64, 130, 64, kEditHeight), 0, 99);

    const auto result = [&](int row, const QString& name, const QString& caption, int width = -1) {
        return rows.line(164 + 20 * row, name, caption, LabelStyle::ResultBold, 1, width);
    };
    Label14 = result(0, QStringLiteral("Label14"), QStringLiteral("Světelnost dalekohledu:"));
    Label16 = result(1, QStringLiteral("Label16"), QStringLiteral("Maximální rozlišovací schopnost - Dawesův limit:"));
    Label15 = result(2, QStringLiteral("Label15"), QStringLiteral("Velikost výstupní pupily:"));
    Label36 = result(3, QStringLiteral("Label36"), QStringLiteral("Velikost zorného pole:"), right - 8 - 26);
    SpeedButton2 = addViewerButton(this, QStringLiteral("SpeedButton2"), QPoint(right - 22, 164 + 3 * 20 - 3));
    linkToViewer(Label36, SpeedButton2, ViewerTab::Telescope, {fdaledit, fokedit, uheledit});
    Label18 = result(4, QStringLiteral("Label18"), QStringLiteral("Minimální použitelné zvětšení:"));
    Label17 = result(5, QStringLiteral("Label17"), QStringLiteral("Maximální použitelné zvětšení:"), 226);
    ComboBox1 = rows.pickList(164 + 5 * 20 - 3, QStringLiteral("ComboBox1"), QString(), false, 238);
    for (const telescope::OpticsQuality& quality : telescope::kOpticsQualities)
        ComboBox1->addItem(QString::fromUtf8(quality.name));
    ComboBox1->setCurrentIndex(telescope::kShownQuality);
    Label24 = result(6, QStringLiteral("Label24"), QStringLiteral("Teoretický mezní detail viděný na Měsíci:"));
}

MagnificationGroup::MagnificationGroup(QWidget* parent, const MainParametersGroup* main)
    : QGroupBox(parent), main_(main)
{
    setupGroup(this, QStringLiteral("GroupBox2"), QStringLiteral(" Zvětšení "), QSize(kRightWidth, 122));
    TabControl1 = addTabBar(
        this, QStringLiteral("TabControl1"), QRect(8, 14, kRightWidth - 16, 22),
        {QStringLiteral("Z ohniskových vzdáleností"), QStringLiteral("Z průměru objektivu a výstupní pupily")});
    makeWrappedFlatTabs(TabControl1, TabWidths::ByCaption);
    // Tab 0 has its fields above the note, tab 1 below it: the note moves.
    RowLayout tab0(this, 8, 0, 0);
    Label11 = tab0.line(43, QStringLiteral("Label11"), QStringLiteral("F (mm):"), LabelStyle::Input, 1, 44);
    Edit6 = tab0.entry(54, 40, 64, QStringLiteral("Edit6"), KeyFilter::Decimal);
    Label30 = addLabel(this, QStringLiteral("Label30"), QStringLiteral("f (mm):"), QRect(140, 43, 44, kLabelHeight));
    Edit7 = tab0.entry(186, 40, 64, QStringLiteral("Edit7"), KeyFilter::Decimal);
    Label31 = tab0.line(73, QStringLiteral("Label31"), QStringLiteral("D (mm):"), LabelStyle::Input, 1, 44);
    Edit8 = tab0.entry(54, 70, 64, QStringLiteral("Edit8"), KeyFilter::Decimal);
    Label13 = addLabel(this, QStringLiteral("Label13"), QStringLiteral("Průměr výstupní pupily (mm):"),
                       QRect(140, 73, 160, kLabelHeight));
    Edit1 = tab0.entry(300, 70, 64, QStringLiteral("Edit1"), KeyFilter::Decimal);
    Memo2 = addNote(this, QStringLiteral("Memo2"),
                    QStringLiteral("Menší rozdíly ve výsledcích těchto dvou výpočtů spočívají v \n"
                                   "zaokrouhlení velikosti výstupní pupily jen na 4 desetinná místa."),
                    QRect(8, 65, kRightWidth - 16, 28));
    Label12 = addLabel(this, QStringLiteral("Label12"), kMagnificationCaption,
                       QRect(8, 99, kRightWidth - 16, kLabelHeight), LabelStyle::ResultBold);
    showTabFields();

    connect(TabControl1, &QTabBar::currentChanged, this, &MagnificationGroup::TabControl1Change);
    for (QLineEdit* field : {Edit6, Edit7})
        connect(field, &QLineEdit::textChanged, this, &MagnificationGroup::Edit6Change);
    for (QLineEdit* field : {Edit1, Edit8})
        connect(field, &QLineEdit::textChanged, this, &MagnificationGroup::Edit1Change);
}

void MagnificationGroup::showTabFields()
{
    const bool focalLengths = TabControl1->currentIndex() == 0;
    Memo2->move(Memo2->x(), focalLengths ? 65 : 38);
    for (QWidget* w : QList<QWidget*>{Label11, Edit6, Label30, Edit7})
        w->setVisible(focalLengths);
    for (QWidget* w : QList<QWidget*>{Label13, Edit1, Label31, Edit8})
        w->setVisible(!focalLengths);
}

void MagnificationGroup::TabControl1Change()
{
    showTabFields();
    if (TabControl1->currentIndex() == 0) {
        // Each copy recomputes through the fields' change event; the last run
        // covers copies that changed nothing.
        Edit6->setText(main_->fdaledit->text());
        Edit7->setText(main_->fokedit->text());
        Edit6Change();
    } else {
        Edit8->setText(main_->ddaledit->text());
        guarded([&] {
            const Real f = numberIn(main_->fokedit);
            const Real D = numberIn(main_->ddaledit);
            Edit1->setText(formatNumber(telescope::exitPupilFine(f, D, numberIn(main_->fdaledit))));
        });
        Edit1Change();
    }
}

void MagnificationGroup::Edit6Change()
{
    Label12->setText(QStringLiteral("Zvětšení"));
    showTabFields();
    guarded([&] {
        const bool focalLengths = TabControl1->currentIndex() == 0;
        const Real M = focalLengths ? telescope::magnification(numberIn(Edit6), numberIn(Edit7))
                                    : telescope::magnification(numberIn(Edit8), numberIn(Edit1));
        Label12->setText(magnificationText(M));
    });
}

// The label keeps its last value while the fields hold no result.
void MagnificationGroup::Edit1Change()
{
    guarded([&] { Label12->setText(magnificationText(telescope::magnification(numberIn(Edit8), numberIn(Edit1)))); });
}

LimitingMagnitudeGroup::LimitingMagnitudeGroup(QWidget* parent, const SpinField* obstruction)
    : QGroupBox(parent), obstruction_(obstruction)
{
    setupGroup(this, QStringLiteral("GroupBox3"), QStringLiteral(" Mezní magnitudy "), QSize(kRightWidth, 186));
    RowLayout rows(this, 8, kRightWidth - 8, 64);
    Edit9 = rows.field(20, QStringLiteral("Edit9"), QStringLiteral("Label19"), QStringLiteral("D (mm):"),
                       KeyFilter::Decimal);
    QLabel* pupilLabel = nullptr;
    Edit2 = rows.field(46, QStringLiteral("Edit2"), QStringLiteral("Label20"),
                       QStringLiteral("Průměr oční pupily (mm):"), KeyFilter::Decimal, kPupilHint, 1, &pupilLabel);
    pupilLabel->setToolTip(kPupilHint);
    Edit2->setText(QStringLiteral("7,5"));
    Edit3 = rows.field(72, QStringLiteral("Edit3"), QStringLiteral("Label23"),
                       QStringLiteral("Mezní okem viditelná magnituda (m):"), KeyFilter::Decimal);
    Edit3->setText(QStringLiteral("6,5"));
    Label21 = rows.line(100, QStringLiteral("Label21"), kTheoreticalCaption, LabelStyle::ResultBold);
    Label22 = rows.line(120, QStringLiteral("Label22"), kPracticalCaption, LabelStyle::ResultBold);
    Memo1 = addNote(this, QStringLiteral("Memo1"),
                    QStringLiteral("Mezní okem viditelná magnituda je nejvyšší hodnota jasnosti \n"
                                   "(odhadem), kterou jste schopni za dané noci pozorovat svým okem \n"
                                   "(větš. kolem 6,5). Průměr oční pupily adapt. oka je přibližně 7,5 mm."),
                    QRect(8, 142, kRightWidth - 16, 40));

    for (QLineEdit* field : {Edit9, Edit2, Edit3})
        connect(field, &QLineEdit::textChanged, this, &LimitingMagnitudeGroup::Edit2Change);
}

void LimitingMagnitudeGroup::Edit2Change()
{
    Label21->setText(kTheoreticalCaption);
    Label22->setText(kPracticalCaption);
    guarded([&] {
        const Real m0 = numberIn(Edit3);
        const Real p = numberIn(Edit2);
        const Real D = numberIn(Edit9);
        const Real L = telescope::obstructedLimit(D, Real(obstruction_->typedValue()), p, m0);
        Label21->setText(kTheoreticalCaption + u' ' + formatNumber(L) + QStringLiteral(" m"));
        Label22->setText(kPracticalCaption + u' ' + formatNumber(telescope::practicalLimit(L)) + QStringLiteral(" m"));
    });
}

LightGraspGroup::LightGraspGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox5"), QStringLiteral(" Světelný zisk "), QSize(kRightWidth, 120));
    RowLayout rows(this, 8, kRightWidth - 8, 64);
    Edit10 = rows.field(20, QStringLiteral("Edit10"), QStringLiteral("Label32"), QStringLiteral("D (mm):"),
                        KeyFilter::Decimal);
    Edit11 = rows.field(46, QStringLiteral("Edit11"), QStringLiteral("Label33"),
                        QStringLiteral("Průměr oční pupily (mm):"), KeyFilter::Decimal, kPupilHint);
    Edit11->setText(QStringLiteral("7,5"));
    Label34 = rows.line(76, QStringLiteral("Label34"), kGraspCaption, LabelStyle::ResultBold);
    Label35 = addLabel(this, QStringLiteral("Label35"),
                       QString(16, u' ') + QStringLiteral("Slouží k porovnání optických vlastností dalekohledů.")
                           + QString(14, u' '),
                       QRect(8, 96, kRightWidth - 16, kLabelHeight + 2));
    Label35->setAlignment(Qt::AlignCenter);
    Label35->setAutoFillBackground(true);
    QPalette white = Label35->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label35->setPalette(white);

    for (QLineEdit* field : {Edit10, Edit11})
        connect(field, &QLineEdit::textChanged, this, &LightGraspGroup::Edit10Change);
}

void LightGraspGroup::Edit10Change()
{
    Label34->setText(kGraspCaption);
    guarded([&] {
        const Real D = numberIn(Edit10);
        Label34->setText(kGraspCaption + u' ' + formatNumber(telescope::lightGrasp(D, numberIn(Edit11))));
    });
}

AiryDiskGroup::AiryDiskGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox4"), QStringLiteral(" Průměr Airyho disku a hloubka ostrosti "),
               QSize(kLeftWidth, 186));
    RowLayout rows(this, 8, 212, 64);
    Edit5 = rows.field(20, QStringLiteral("Edit5"), QStringLiteral("Label25"), QStringLiteral("D (mm):"),
                       KeyFilter::Decimal);
    Edit4 = rows.field(46, QStringLiteral("Edit4"), QStringLiteral("Label26"), QStringLiteral("Světelnost:"),
                       KeyFilter::Decimal);
    Edit13 = rows.field(72, QStringLiteral("Edit13"), QStringLiteral("Label27"),
                        QStringLiteral("Vlnová délka světla (nm):"), KeyFilter::Decimal);
    Edit13->setText(QStringLiteral("590"));
    ComboBox2 = RowLayout(this, 220, kLeftWidth - 8, 0).pickList(72, QStringLiteral("ComboBox2"), QString());
    QStringList entries;
    for (const telescope::Wavelength& wavelength : telescope::kWavelengths)
        entries << QString::fromUtf8(wavelength.entry);
    ComboBox2->setNames(entries);
    ComboBox2->setCurrentIndex(telescope::kShownWavelength);
    RowLayout results(this, 8, kLeftWidth - 8, 0);
    Label28 = results.line(104, QStringLiteral("Label28"), kAngularCaption, LabelStyle::ResultBold);
    Label29 = results.line(124, QStringLiteral("Label29"), kLinearCaption, LabelStyle::ResultBold);
    Label38 = results.line(144, QStringLiteral("Label38"), kTheoreticalDepthCaption, LabelStyle::ResultBold);
    Label39 = results.line(164, QStringLiteral("Label39"), kPracticalDepthCaption, LabelStyle::ResultBold);
    colourList();

    for (QLineEdit* field : {Edit5, Edit4, Edit13})
        connect(field, &QLineEdit::textChanged, this, &AiryDiskGroup::Edit5Change);
    connect(ComboBox2, &QComboBox::activated, this, &AiryDiskGroup::ComboBox2Change);
    connect(ComboBox2, &PickList::droppedDown, this, &AiryDiskGroup::ComboBox2DropDown);
}

namespace {
void setListColours(QComboBox* list, const QColor& text, const QColor& background)
{
    QPalette palette = list->palette();
    for (const QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, text);
    for (const QPalette::ColorRole role : {QPalette::Button, QPalette::Base})
        palette.setColor(role, background);
    list->setPalette(palette);
}
} // namespace

void AiryDiskGroup::colourList()
{
    const QString shown = ComboBox2->currentText().left(3);
    for (const telescope::Wavelength& wavelength : telescope::kWavelengths) {
        if (QString::fromUtf8(wavelength.entry).left(3) != shown)
            continue;
        setListColours(ComboBox2, QColor::fromRgb(wavelength.textColour),
                       wavelength.onGrey ? QColor(128, 128, 128) : QApplication::palette().color(QPalette::Base));
    }
}

void AiryDiskGroup::Edit5Change()
{
    colourList();
    Label28->setText(kAngularCaption);
    Label29->setText(kLinearCaption);
    Label38->setText(kTheoreticalDepthCaption);
    Label39->setText(kPracticalDepthCaption);
    // One block: the first value that cannot be computed ends it.
    guarded([&] {
        using namespace telescope;
        const Real D = numberIn(Edit5);
        const Real lambda = numberIn(Edit13);
        Label28->setText(kAngularCaption + u' ' + formatNumber(airyAngular(lambda, D)) + QStringLiteral("''"));
        const Real N = numberIn(Edit4);
        Label29->setText(kLinearCaption + u' ' + formatNumber(airyLinear(N, lambda)) + QStringLiteral(" mm"));
        Label38->setText(kTheoreticalDepthCaption + u' ' + formatNumber(depthOfFocusTheoretical(N, lambda))
                         + QStringLiteral(" mm"));
        Label39->setText(kPracticalDepthCaption + u' ' + formatNumber(depthOfFocusPractical(N, lambda))
                         + QStringLiteral(" mm"));
    });
}

void AiryDiskGroup::ComboBox2Change() { Edit13->setText(ComboBox2->currentText().left(3)); }

// An open list shows every entry alike, in black.
void AiryDiskGroup::ComboBox2DropDown()
{
    setListColours(ComboBox2, Qt::black, QApplication::palette().color(QPalette::Base));
}

} // namespace noktaris
