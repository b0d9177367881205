#include "viewer/viewer_window.h"

#include "common/file_read.h"
#include "common/flat_tabs.h"
#include "common/messages.h"
#include "common/status_line.h"
#include "common/widgets.h"
#include "optics/telescope.h"
#include "platform/platform.h"
#include "viewer/display_widgets.h"
#include "viewer/picture_list.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(651, 662);

// The captions and example values of the three tabs.
struct TabText {
    const char* captions[3];
    const char* defaults[3];
};
constexpr TabText kTabs[3] = {
    {{"Ohnisková vzdálenost dalekohledu (mm):", "Ohnisková vzdálenost okuláru (mm):", "Zorný úhel okuláru (°):"},
     {"1000", "12", "50"}},
    {{"Ohnisková vzdálenost objektivu (mm):", "Šířka čipu (mm):", "Výška čipu (mm):"}, {"1000", "3,2", "2,4"}},
    {{"Ohnisková vzdálenost objektivu (mm):", "Šířka filmového políčka (mm):", "Výška filmového políčka (mm):"},
     {"1000", "36", "24"}},
};

// The left edges of the three columns of captions and fields.
constexpr int kColumns[3] = {8, 225, 442};
constexpr int kColumnWidth = 201;

QString displayedText(viewer::Span field)
{
    return QStringLiteral(" Zobrazené pole: ") + QString::number(field.width) + QStringLiteral("\" x ")
        + QString::number(field.height) + QStringLiteral("''");
}

} // namespace

TForm16::TForm16(QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm16"), QStringLiteral("Ukaž zorné pole"), kWindowSize, parent)
{
    buildDisplay();
    buildFieldRows();
    buildBottomRow();
    connectHandlers();
    FormCreate();
    setViewerOpener(
        [this](QWidget* opener, ViewerTab tab, const std::array<QString, 3>& texts) { openFrom(opener, tab, texts); });
}

void TForm16::buildDisplay()
{
    // The display first, so that the controls around it stay above a dragged frame.
    Shape2 = addBlackArea(this, QStringLiteral("Shape2"), viewer::kDisplayArea);
    Image = new PictureView(this);
    Image->setGeometry(viewer::kZoomSteps[0].picture);
    Shape1 = new FrameShape(this);
    Shape1->setGeometry(viewer::kCentreX, viewer::kCentreY, 0, 0);

    // The controls stand on opaque bands above and below the display, so a large
    // or dragged frame goes beneath every one of them: the tab control's own area,
    // and the row of pick lists and buttons with the status line.
    const auto band = [this](const char* name, int top, int bottom) {
        QWidget* area = new QWidget(this);
        area->setObjectName(QString::fromLatin1(name));
        area->setGeometry(0, top, kWindowSize.width(), bottom - top);
        area->setAutoFillBackground(true);
    };
    band("TabControl1Page", 0, viewer::kDisplayArea.top() - 2);
    band("ControlsPanel", viewer::kDisplayArea.bottom() + 3, kWindowSize.height());
}

// The tabs, the three fields of the instrument and the field of view.
void TForm16::buildFieldRows()
{
    TabControl1 = addTabBar(this, QStringLiteral("TabControl1"), QRect(8, 6, 635, 24),
                            {QStringLiteral("Dalekohled"), QStringLiteral("CCD"), QStringLiteral("Film")});
    makeWrappedFlatTabs(TabControl1);
    QLabel** captions[3] = {&a, &b, &c};
    QLineEdit** fields[3] = {&aa, &bb, &cc};
    const char* names[3] = {"a", "b", "c"};
    for (int i = 0; i < 3; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        *captions[i] = addLabel(this, name, QString::fromUtf8(kTabs[0].captions[i]),
                                QRect(kColumns[i], 38, kColumnWidth, kLabelHeight));
        *fields[i] = addEdit(this, name + name, QRect(kColumns[i], 55, kColumnWidth, kEditHeight),
                             QString::fromUtf8(kTabs[0].defaults[i]), KeyFilter::Decimal);
    }
    zp = addLabel(this, QStringLiteral("zp"), viewer::kFieldCaption, QRect(8, 82, 635, kLabelHeight),
                  LabelStyle::ResultBold);
}

// The pictures, the zoom, the turn and close buttons and the status line.
void TForm16::buildBottomRow()
{
    ComboBox1 = addPickList(this, QStringLiteral("ComboBox1"), QRect(8, 612, 233, 22), QString(), false);
    ComboBox2 = addPickList(this, QStringLiteral("ComboBox2"), QRect(249, 612, 72, 22), QString(), false);
    QStringList zooms;
    for (const viewer::ZoomStep& step : viewer::kZoomSteps)
        zooms << QString::fromLatin1(step.caption);
    ComboBox2->setNames(zooms);
    rotace = addButton(this, QStringLiteral("rotace"), QStringLiteral("Otoč pole"), QRect(329, 611, 100, 25));
    rotace->setEnabled(false);
    BitBtn1 = addCornerCloseButton(this, QStringLiteral("Zavřít"), false);
    BitBtn1->move(BitBtn1->x(), 611);

    StatusBar1 =
        new StatusLine(this, QStringLiteral("StatusBar1"),
                       {{400, false, QStringLiteral(" Cesta:")}, {0, false, QStringLiteral(" Zobrazené pole:")}});
    StatusBar1->setGeometry(0, kWindowSize.height() - 19, kWindowSize.width(), 19);
    StatusBar1->setAutoFillBackground(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
}

void TForm16::connectHandlers()
{
    connect(TabControl1, &QTabBar::currentChanged, this, &TForm16::TabControl1Change);
    for (QLineEdit* field : {aa, bb, cc})
        connect(field, &QLineEdit::textChanged, this, &TForm16::aaChange);
    connect(ComboBox1, &QComboBox::activated, this, &TForm16::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TForm16::ComboBox2Change);
    connect(rotace, &QPushButton::clicked, this, &TForm16::rotaceClick);
    connect(Shape1, &FrameShape::pressed, this, &TForm16::Shape1MouseDown);
    connect(Shape1, &FrameShape::released, this, &TForm16::Shape1MouseUp);
    connect(Timer1, &QTimer::timeout, this, &TForm16::Timer1Timer);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm16::BitBtn1Click);
}

TForm16::~TForm16() { setViewerOpener(nullptr); }

ViewerTab TForm16::tab() const { return ViewerTab(TabControl1->currentIndex()); }

void TForm16::FormCreate()
{
    z_ = 1;
    const FileResult<QByteArray> list = readFile(programFile(pictures::kListFile));
    if (!list)
        showMessage(pictures::kListError);
    ComboBox1->setNames(list ? pictures::names(*list) : QStringList());
    // The second picture; a list of one shows its only one.
    ComboBox1->setCurrentIndex(std::min(1, ComboBox1->count() - 1));
    ComboBox2->setCurrentIndex(0);
    ComboBox1Change();
}

void TForm16::openFrom(QWidget* opener, ViewerTab tab, const std::array<QString, 3>& texts)
{
    bringToFront(this);
    opener->setEnabled(false);
    {
        const QSignalBlocker quiet(TabControl1);
        TabControl1->setCurrentIndex(int(tab));
    }
    // The frame belongs to the values passed: when they give no field, none is drawn.
    instrument_ = {};
    aa->setText(texts[0]);
    bb->setText(texts[1]);
    cc->setText(texts[2]);
    if (tab == ViewerTab::Telescope)
        writeCaptions(tab);
    rotace->setEnabled(tab != ViewerTab::Telescope);
    keepValues_ = true;
    TabControl1Change();
}

void TForm16::writeCaptions(ViewerTab tab)
{
    const TabText& text = kTabs[int(tab)];
    a->setText(QString::fromUtf8(text.captions[0]));
    b->setText(QString::fromUtf8(text.captions[1]));
    c->setText(QString::fromUtf8(text.captions[2]));
}

void TForm16::TabControl1Change()
{
    zp->setText(viewer::kFieldCaption);
    writeCaptions(tab());
    if (!keepValues_) {
        const TabText& text = kTabs[int(tab())];
        aa->setText(QString::fromUtf8(text.defaults[0]));
        bb->setText(QString::fromUtf8(text.defaults[1]));
        cc->setText(QString::fromUtf8(text.defaults[2]));
    }
    rotace->setEnabled(tab() != ViewerTab::Telescope);
    keepValues_ = false;
    aaChange();
}

void TForm16::aaChange()
{
    zp->setText(viewer::kFieldCaption);
    if (tab() == ViewerTab::Telescope) {
        guarded([&] {
            const Real f = numberIn(bb);
            const Real F = numberIn(aa);
            const Real u = numberIn(cc);
            const Real T = telescope::trueField(f, u, F);
            zp->setText(viewer::kFieldCaption + u' ' + angleText(T));
            const std::int64_t side = viewer::arcseconds(T);
            instrument_ = {side, side};
        });
    } else {
        guarded([&] {
            const Real w = numberIn(bb);
            const Real F = numberIn(aa);
            const Real h = numberIn(cc);
            const Real W = viewer::sideAngle(w, F);
            zp->setText(viewer::kFieldCaption + u' ' + angleText(W));
            instrument_.width = viewer::arcseconds(W);
            const Real H = viewer::sideAngle(h, F);
            zp->setText(zp->text() + QStringLiteral(" x ") + angleText(H));
            instrument_.height = viewer::arcseconds(H);
        });
    }
    layOutFrame();
}

void TForm16::ComboBox1Change()
{
    const FileResult<QByteArray> list = readFile(programFile(pictures::kListFile));
    if (!list)
        return;
    const std::optional<pictures::Picture> picture = pictures::pictureAt(*list, ComboBox1->currentIndex());
    if (!picture || !guarded([&] { displayed_ = viewer::displayedField(picture->width, z_); }))
        return;
    const QString path =
        platform().programFolder() + QStringLiteral("/data/") + QString(picture->file).replace(u'\\', u'/');
    StatusBar1->setPanelText(0, path);
    StatusBar1->setPanelText(1, displayedText(displayed_));
    if (!Image->load(path))
        return;
    layOutFrame();
}

void TForm16::ComboBox2Change()
{
    const viewer::ZoomStep& step = viewer::kZoomSteps[std::max(0, ComboBox2->currentIndex())];
    Image->setGeometry(step.picture);
    z_ = step.z;
    ComboBox1Change();
}

void TForm16::layOutFrame()
{
    Shape1->setCircle(tab() == ViewerTab::Telescope);
    guarded([&] {
        QRect frame = viewer::frameGeometry(instrument_, displayed_, rotated_);
        if (aa->text() == u"0")
            frame.setSize(QSize(0, 0));
        Shape1->setGeometry(frame);
    });
}

void TForm16::rotaceClick()
{
    Shape1->resize(Shape1->height(), Shape1->width());
    rotated_ = !rotated_;
}

void TForm16::Shape1MouseDown(QPoint cursor)
{
    dragFrom_ = cursor_ = cursor;
    // The cursor is followed wherever the mouse events go while the button is down.
    qApp->installEventFilter(this);
    Timer1->start();
}

void TForm16::Shape1MouseUp()
{
    Timer1->stop();
    qApp->removeEventFilter(this);
}

void TForm16::Timer1Timer()
{
    Shape1->move(Shape1->pos() + cursor_ - dragFrom_);
    dragFrom_ = cursor_;
}

bool TForm16::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        cursor_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    return SecondaryWindow::eventFilter(watched, event);
}

void TForm16::BitBtn1Click() { close(); }

void TForm16::onClosed()
{
    Shape1MouseUp();
    enableViewerOpeners();
}

} // namespace noktaris
