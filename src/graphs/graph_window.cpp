#include "graphs/graph_window.h"

#include "common/file_read.h"
#include "common/keyfilter.h"
#include "common/messages.h"
#include "common/widgets.h"
#include "config/calculator_button.h"
#include "graphs/graph_picture.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(460, 518);
constexpr QPoint kPanelAt(5, 5);
constexpr int kParameterX = 292;   // where the parameter field stands when there is none
constexpr int kReadoutRight = 336; // the read-out row keeps clear of the credit line
const QString kNoParameter = QStringLiteral("Žádný");

// The report of a range end that is not a number (two commas, an empty field).
QString unreadableRangeReport(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("Rozsah grafu není vyplněn: zadejte jeho začátek i konec.");
    return QStringLiteral("Hodnota „%1“ v rozsahu grafu není číslo. Zadejte číslo s desetinnou čárkou, například 4,5.")
        .arg(text);
}

QRadioButton* addRadioButton(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* button = new QRadioButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QLabel* addValueLabel(QWidget* parent, const QString& name, const QRect& geometry, Qt::Alignment alignment)
{
    QLabel* label = addLabel(parent, name, QString(), geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void setLabel(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setToolTip(text);
}

int textWidth(const QLabel* label) { return label->fontMetrics().horizontalAdvance(label->text()); }

} // namespace

TForm12::TForm12(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm12"), QStringLiteral("Grafy"), kWindowSize, parent)
{
    buildPanel();
    buildRangeRows();
    buildButtons();
    clearControls();
    Image1->paintBackground();
    Image1->paintPlotArea();
}

// The saved panel: the title, the picture, the axis labels and the read-out.
void TForm12::buildPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(QRect(kPanelAt, kGraphPanelSize));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);

    Label2 = addLabel(Panel1, QStringLiteral("Label2"), QString(), QRect(2, 8, kGraphPanelSize.width() - 4, 16));
    Label2->setAlignment(Qt::AlignCenter);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);

    // The value labels lie over the picture's white margins, beside the ticks.
    Image1 = new GraphPicture(Panel1);
    Image1->move(10, 32);
    for (int i = 0; i < 11; ++i)
        yLabels[i] = addValueLabel(Panel1, QStringLiteral("Label%1").arg(3 + i),
                                   QRect(11, 32 + graphs::kTop + 21 * i - 7, 42, 14), Qt::AlignRight);
    for (int k = 0; k < 11; ++k)
        xLabels[k] = addValueLabel(Panel1, QStringLiteral("Label%1").arg(14 + k),
                                   QRect(10 + graphs::kLeft + 36 * k - 18, 266, 36, 13), Qt::AlignHCenter);
    Label27 = addValueLabel(Panel1, QStringLiteral("Label27"), QRect(56, 35, 300, 14), Qt::AlignLeft);
    Label28 = addValueLabel(Panel1, QStringLiteral("Label28"), QRect(238, 278, 200, 13), Qt::AlignRight);
    Label29 = addValueLabel(Panel1, QStringLiteral("Label29"), QRect(12, 298, 10, 14), Qt::AlignLeft);
    osax = addLabel(Panel1, QStringLiteral("osax"), QString(), QRect(12, 298, 10, 14), LabelStyle::Result);
    Label30 = addValueLabel(Panel1, QStringLiteral("Label30"), QRect(12, 298, 10, 14), Qt::AlignLeft);
    osay = addLabel(Panel1, QStringLiteral("osay"), QString(), QRect(12, 298, 10, 14), LabelStyle::Result);
    connect(Image1, &GraphPicture::pointerMoved, this, &TForm12::Image1MouseMove);
}

// The dependence, the range, the decimals and the parameter.
void TForm12::buildRangeRows()
{
    Label1 = addLabel(this, QStringLiteral("Label1"), QStringLiteral("Závislost:"), QRect(8, 348, 60, 16));
    ComboBox1 = addPickList(this, QStringLiteral("ComboBox1"), QRect(70, 345, 382, 22), QString(), false);
    ComboBox1->setNames(graphs::titles());

    Label25 = addLabel(this, QStringLiteral("Label25"), QStringLiteral("Rozsah:"), QRect(8, 378, 60, 16));
    Checkbox1 = addRadioButton(this, QStringLiteral("Checkbox1"), QRect(70, 376, 214, 18));
    Checkbox2 = addRadioButton(this, QStringLiteral("Checkbox2"), QRect(70, 398, 214, 18));
    const auto redraw = [this] { Edit1KeyPress(); };
    Edit1 = addEdit(this, QStringLiteral("Edit1"), QRect(292, 376, 74, kEditHeight), QStringLiteral("0"), std::nullopt);
    Label26 = addLabel(this, QStringLiteral("Label26"), QStringLiteral("-"), QRect(366, 378, 12, 16));
    Label26->setAlignment(Qt::AlignCenter);
    Edit2 = addEdit(this, QStringLiteral("Edit2"), QRect(378, 376, 74, kEditHeight), QStringLiteral("0"), std::nullopt);

    Label34 =
        addLabel(this, QStringLiteral("Label34"), QStringLiteral("Počet desetinných míst:"), QRect(8, 428, 136, 16));
    Label32 = addLabel(this, QStringLiteral("Label32"), QStringLiteral("Osa X:"), QRect(150, 428, 36, 16));
    SpinEdit1 = addSpinField(this, QStringLiteral("SpinEdit1"), QRect(188, 425, 44, kEditHeight), 0, 9);
    Label33 = addLabel(this, QStringLiteral("Label33"), QStringLiteral("Osa Y:"), QRect(244, 428, 36, 16));
    SpinEdit2 = addSpinField(this, QStringLiteral("SpinEdit2"), QRect(282, 425, 44, kEditHeight), 0, 9);

    Label35 = addLabel(this, QStringLiteral("Label35"), QStringLiteral("Doplňující parametr:"), QRect(8, 458, 110, 16));
    Label31 = addLabel(this, QStringLiteral("Label31"), kNoParameter, QRect(120, 458, 160, 16));
    Edit3 = addEdit(this, QStringLiteral("Edit3"), QRect(kParameterX, 455, 74, kEditHeight), QStringLiteral("0"),
                    std::nullopt);

    // Digits, "," and Backspace are typed; any other key redraws the graph.
    for (QLineEdit* field : {Edit1, Edit2, Edit3})
        installKeyFilter(field, KeyFilter::GraphDecimal, redraw);
    for (SpinField* field : {SpinEdit1, SpinEdit2})
        field->installEventFilter(new KeyFilterObject(KeyFilter::GraphDecimal, field, redraw));
    connect(ComboBox1, &QComboBox::activated, this, &TForm12::ComboBox1Change);
}

void TForm12::buildButtons()
{
    SpeedButton1 = addCalculatorButton(this, QStringLiteral("SpeedButton1"), QPoint(8, 485), false);
    Button1 = addButton(this, QStringLiteral("Button1"), QStringLiteral("Překresli"), QRect(40, 484, 90, 26));
    BitBtn2 = addPictureButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Uložit graf jako BMP..."),
                               QRect(136, 484, 170, 26), QStyle::SP_DialogSaveButton);
    BitBtn1 = addCloseButton(this, QStringLiteral("&Zavřít"), QRect(362, 484, 90, 26), true);

    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm12::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm12::BitBtn1Click);
}

void TForm12::FormShow()
{
    ComboBox1->setCurrentIndex(0);
    ComboBox1Change();
}

void TForm12::ComboBox1Change()
{
    Label2->setText(ComboBox1->currentText());
    const auto file = readFile(programFile(graphs::kDefinitionsFile));
    const auto loaded = file ? graphs::definition(*file, ComboBox1->currentIndex()) : std::nullopt;
    Image1->paintBackground();
    Image1->paintPlotArea();
    if (!loaded) {
        clearControls();
        showMessage(graphs::kDefinitionsError);
        return;
    }
    fillControls(*loaded);
    graphs::AxisTexts texts = labelTexts();
    graphs::computeLabels(range(), texts);
    showLabels(texts);
    drawCurve(currentCurve(texts), true);
}

void TForm12::fillControls(const graphs::Definition& d)
{
    Checkbox1->setText(QStringLiteral("X: ") + d.xName);
    Checkbox2->setText(QStringLiteral("Y: ") + d.yName);
    Edit1->setText(d.start);
    Edit2->setText(d.end);
    Label28->setText(d.xDescription);
    Label29->setText(d.xDescription + u':');
    Label27->setText(d.yDescription);
    Label30->setText(d.yDescription + u':');
    SpinEdit1->setValue(d.xDecimals);
    SpinEdit2->setValue(d.yDecimals);
    (d.rangeOnX ? Checkbox1 : Checkbox2)->setChecked(true);
    Label31->setText(d.hasParameter ? d.parameterName : kNoParameter);
    Edit3->setText(d.hasParameter ? d.parameterValue : QStringLiteral("0"));
    setParameterEnabled(d.hasParameter);
    osax->clear();
    osay->clear();
    placeReadout();
}

// A graph whose line cannot be read leaves an empty window: no texts, fields at
// "0", the plot area without a curve.
void TForm12::clearControls()
{
    graphs::Definition blank;
    blank.start = blank.end = QStringLiteral("0");
    fillControls(blank);
    Label29->clear();
    Label30->clear();
    showLabels({});
    placeReadout();
}

void TForm12::setParameterEnabled(bool enabled)
{
    Label31->setEnabled(enabled);
    Edit3->setEnabled(enabled);
    Label31->resize(textWidth(Label31) + 2, Label31->height());
    const int x = enabled ? Label31->x() + textWidth(Label31) + 4 : kParameterX;
    Edit3->move(std::min(x, width() - 8 - Edit3->width()), Edit3->y());
}

// Label29, osax, Label30 and osay one after the other, as wide as their texts.
void TForm12::placeReadout()
{
    int x = 12;
    for (QLabel* label : {Label29, osax, Label30, osay}) {
        const int w = std::clamp(textWidth(label) + 2, 0, std::max(0, kReadoutRight - x));
        label->setGeometry(x, label->y(), w, label->height());
        x = std::min(kReadoutRight, x + w + 4);
    }
}

QString TForm12::parameterText() const { return Edit3->isEnabled() ? Edit3->text() : QStringLiteral("0"); }

graphs::Range TForm12::range() const
{
    const auto decimals = [](const SpinField* field) {
        return int(std::clamp<std::int64_t>(field->typedValue(), 0, 9));
    };
    return {ComboBox1->currentIndex(), Edit1->text(),       Edit2->text(),      parameterText(),
            Checkbox1->isChecked(),    decimals(SpinEdit1), decimals(SpinEdit2)};
}

graphs::AxisTexts TForm12::labelTexts() const
{
    graphs::AxisTexts texts;
    for (int i = 0; i < 11; ++i) {
        texts.y[i] = yLabels[i]->text();
        texts.x[i] = xLabels[i]->text();
    }
    return texts;
}

void TForm12::showLabels(const graphs::AxisTexts& texts)
{
    for (int i = 0; i < 11; ++i) {
        setLabel(yLabels[i], texts.y[i]);
        setLabel(xLabels[i], texts.x[i]);
    }
}

graphs::Curve TForm12::currentCurve(const graphs::AxisTexts& texts) const
{
    return graphs::curve(ComboBox1->currentIndex(), texts.x[0], texts.x[10], parameterText());
}

void TForm12::drawCurve(const graphs::Curve& curve, bool tell)
{
    Image1->paintCurve(curve);
    if (!tell)
        return;
    if (curve.fault == graphs::CurveFault::DivisionByZero)
        showInformation(graphs::kPrecisionMessage);
    else if (curve.fault == graphs::CurveFault::Flat)
        showMessage(graphs::kFlatMessage);
}

void TForm12::Button1Click()
{
    for (QLineEdit* field : {Edit1, Edit2}) {
        if (!isNumber(field->text())) {
            showErrorReport(unreadableRangeReport(field->text()));
            return;
        }
    }
    if (toNumber(Edit2->text()) <= toNumber(Edit1->text())) {
        const QString first = Edit1->text();
        Edit1->setText(Edit2->text());
        Edit2->setText(first);
    }
    const QString zero = QStringLiteral("0");
    if (Edit1->text() == zero || Edit2->text() == zero || (Edit3->isEnabled() && Edit3->text() == zero)) {
        showMessage(graphs::kZeroMessage);
        return;
    }
    graphs::AxisTexts texts = labelTexts();
    graphs::computeLabels(range(), texts);
    const graphs::Curve curve = currentCurve(texts);
    // Without a scale the picture and its labels stay as they were.
    if (curve.fault == graphs::CurveFault::Flat) {
        showMessage(graphs::kFlatMessage);
        return;
    }
    Image1->paintPlotArea();
    showLabels(texts);
    drawCurve(curve, true);
}

void TForm12::Edit1KeyPress() { Button1Click(); }

void TForm12::Image1MouseMove(QPoint position)
{
    if (Edit3->isEnabled() && Edit3->text() == QStringLiteral("0"))
        return;
    const bool inside = position.x() >= graphs::kLeft && position.x() <= graphs::kRight && position.y() >= graphs::kTop
        && position.y() <= graphs::kBottom;
    Image1->setCursor(inside ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!inside)
        return;
    // A curve without a scale has been reported when it was drawn; the pointer
    // does not report it again.
    const graphs::Curve curve = currentCurve(labelTexts());
    if (!curve.hasScale())
        return;
    Image1->paintBackground();
    Image1->paintPlotArea();
    drawCurve(curve, false);
    const graphs::Range r = range();
    const graphs::Readout read =
        graphs::readout(r.graph, curve.scale, r.parameter, r.xDecimals, r.yDecimals, position.x());
    Image1->paintCrossHair(position.x(), read.row);
    if (read.x)
        osax->setText(*read.x);
    if (read.y)
        osay->setText(*read.y);
    placeReadout();
}

void TForm12::BitBtn1Click() { close(); }

} // namespace noktaris
