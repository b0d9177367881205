// The graphs window driven as a user drives it: the delivered graphs, redraws of
// the worked examples, the picture's pixels, the read-out under the pointer, the
// keys of the five fields, saving the panel, and broken definitions.
#include "support/child_process.h"
#include "support/window_test.h"

#include "common/widgets.h"
#include "graphs/graph_picture.h"
#include "graphs/graph_window.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace noktaris::test {
namespace {

const QString kDefinitions = QStringLiteral("data/grafy.dat");
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

QStringList labelTexts(const std::array<QLabel*, 11>& labels)
{
    QStringList texts;
    for (const QLabel* label : labels)
        texts << label->text();
    return texts;
}
QStringList split(const char* texts) { return QString::fromUtf8(texts).split(u' '); }

class GraphWindow : public WindowTest {
protected:
    void SetUp() override
    {
        start({Application::Window::Basic, Application::Window::Graphs});
        win = app().form12();
        openChildWindow(win);
    }

    // A pointer move over the picture, no button down.
    void movePointer(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, win->Image1->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(win->Image1, &move);
    }
    QImage picture() const { return win->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Answers the next save dialog with the typed name, or cancels it for none.
    void answerSaveDialog(const QString& name)
    {
        auto* driver = new QTimer(win);
        driver->setInterval(20);
        QObject::connect(driver, &QTimer::timeout, [driver, name] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                if (!dialog || !dialog->isVisible())
                    continue;
                driver->deleteLater();
                driver->stop();
                EXPECT_EQ(dialog->objectName(), QStringLiteral("SaveDialog1"));
                EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("(*.bmp)")});
                if (name.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
                static_cast<QDialog*>(dialog)->accept();
                return;
            }
        });
        driver->start();
    }

    TForm12* win = nullptr;
};

TEST_F(GraphWindow, DeliveredGraphsFillTheControls)
{
    struct Row {
        const char *title, *x, *y, *start, *end, *parameterName, *parameter;
        bool onX, parameterEnabled;
        const char* xLabels;
    };
    const Row rows[] = {
        {"Maximální rozlišovací schopnost - Průměr objektivu", "X: průměr objektivu", "Y: rozlišovací schopnost", "50",
         "300", "Žádný", "0", true, false, "50 75 100 125 150 175 200 225 250 275 300"},
        {"Zorné pole - Ohnisková vzdálenost objektivu (pro okulár 50°)", "X: ohnisková vzdálenost objektivu",
         "Y: zorné pole", "500", "2000", "f okuláru (mm):", "25", true, true,
         "500 650 800 950 1100 1250 1400 1550 1700 1850 2000"},
        {"Velikost výstupní pupily - Světelnost", "X: světelnost", "Y: výstupní pupila", "4", "15",
         "f okuláru (mm):", "25", true, true, "4 5,1 6,2 7,3 8,4 9,5 10,6 11,7 12,8 13,9 15"},
    };
    ModalAnswerer answerer;
    for (int i = 2; i >= 0; --i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.title);
        pick(win->ComboBox1, i);
        EXPECT_EQ(win->Label2->text(), QString::fromUtf8(r.title));
        EXPECT_EQ(win->Checkbox1->text(), QString::fromUtf8(r.x));
        EXPECT_EQ(win->Checkbox2->text(), QString::fromUtf8(r.y));
        EXPECT_EQ(win->Checkbox1->isChecked(), r.onX);
        EXPECT_EQ(win->Edit1->text(), QString::fromUtf8(r.start));
        EXPECT_EQ(win->Edit2->text(), QString::fromUtf8(r.end));
        EXPECT_EQ(win->Label31->text(), QString::fromUtf8(r.parameterName));
        EXPECT_EQ(win->Edit3->text(), QString::fromUtf8(r.parameter));
        EXPECT_EQ(win->Edit3->isEnabled(), r.parameterEnabled);
        EXPECT_EQ(win->Label31->isEnabled(), r.parameterEnabled);
        const int besideName =
            win->Label31->x() + win->Label31->fontMetrics().horizontalAdvance(win->Label31->text()) + 4;
        EXPECT_EQ(win->Edit3->x(), r.parameterEnabled ? besideName : 292);
        EXPECT_EQ(labelTexts(win->xLabels), split(r.xLabels));
        for (const QLabel* label : win->yLabels)
            EXPECT_EQ(label->toolTip(), label->text());
        EXPECT_EQ(win->Label29->text(), win->Label28->text() + u':');
        EXPECT_EQ(win->Label30->text(), win->Label27->text() + u':');
    }
    EXPECT_TRUE(answerer.texts().isEmpty()) << answerer.texts().join(u'|').toStdString();
    // Showing the window again starts with graph 0.
    win->close();
    openChildWindow(win);
    EXPECT_EQ(win->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(win->Edit2->text(), QStringLiteral("300"));
}

TEST_F(GraphWindow, RedrawOfTheWorkedExamplesAndRefusals)
{
    const char* unchanged = nullptr;
    struct Row {
        const char* what;
        int graph;
        bool onX;
        const char *start, *end, *parameter; // parameter nullptr: the file's
        int dx, dy;
        const char* box; // nullptr: none
        const char* xLabels;
        const char* yLabels;
    };
    const QString zero = graphs::kZeroMessage;
    const Row rows[] = {
        {"50 to 300 on x", 0, true, "50", "300", nullptr, 0, 1, nullptr, "50 75 100 125 150 175 200 225 250 275 300",
         "2,3 2,1 1,9 1,7 1,5 1,4 1,2 1 0,8 0,6 0,4"},
        // 390,6 + (416,7 - 390,6) / 2 = 403,65, an exact half: the even 403,6.
        {"field of view on y, 3 to 3,2", 1, false, "3", "3,2", nullptr, 1, 2, nullptr,
         "390,6 393,2 395,8 398,4 401 403,6 406,3 408,9 411,5 414,1 416,7",
         "3,2 3,18 3,16 3,14 3,12 3,1 3,08 3,06 3,04 3,02 3"},
        {"typed backwards", 0, true, "200", "50", nullptr, 0, 2, nullptr, "50 65 80 95 110 125 140 155 170 185 200",
         "2,32 2,15 1,97 1,8 1,62 1,45 1,28 1,1 0,93 0,75 0,58"},
        {"200 to 1000 on y, 0 decimals on x", 0, false, "200", "1000", nullptr, 0, 0, "precision",
         "0 0 0 0 0 0 1 1 1 1 1", "1000 920 840 760 680 600 520 440 360 280 200"},
        {"the same with 2 decimals on x", 0, false, "200", "1000", nullptr, 2, 0, nullptr,
         "0,12 0,17 0,21 0,26 0,3 0,35 0,4 0,44 0,49 0,53 0,58", "1000 920 840 760 680 600 520 440 360 280 200"},
        {"start 0", 0, true, "0", "300", nullptr, 0, 1, "zero", unchanged, unchanged},
        {"start 0,0", 0, true, "0,0", "300", nullptr, 0, 1, "precision", "0 30 60 90 120 150 180 210 240 270 300",
         unchanged},
        {"equal ends", 0, true, "100", "100", nullptr, 0, 1, "flat", unchanged, unchanged},
        {"equal after rounding", 0, true, "100", "100,4", nullptr, 0, 1, "flat", unchanged, unchanged},
        {"parameter 0", 1, true, "500", "2000", "0", 0, 2, "zero", unchanged, unchanged},
        {"parameter 0,0", 1, true, "500", "2000", "0,0", 0, 2, "flat", unchanged, unchanged},
        {"two commas", 2, true, "4,,5", "15", nullptr, 1, 2,
         "Hodnota „4,,5“ v rozsahu grafu není číslo. Zadejte číslo s desetinnou čárkou, například 4,5.", unchanged,
         unchanged},
        {"empty end", 2, true, "4", "", nullptr, 1, 2, "Rozsah grafu není vyplněn: zadejte jeho začátek i konec.",
         unchanged, unchanged},
        {"absurd range", 0, true, "1E-300", "1E300", nullptr, 0, 0, nullptr, unchanged, unchanged},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        pick(win->ComboBox1, r.graph);
        (r.onX ? win->Checkbox1 : win->Checkbox2)->setChecked(true);
        // Typed where the keys allow it; the absurd range can only be pasted.
        const bool typeable = QString::fromUtf8(r.start).indexOf(u'E') < 0;
        for (auto [field, text] : {std::pair{win->Edit1, r.start}, {win->Edit2, r.end}})
            typeable ? type(field, QString::fromUtf8(text)) : field->setText(QString::fromUtf8(text));
        if (r.parameter)
            type(win->Edit3, QString::fromUtf8(r.parameter));
        win->SpinEdit1->setValue(r.dx);
        win->SpinEdit2->setValue(r.dy);
        const QStringList xBefore = labelTexts(win->xLabels);
        const QStringList yBefore = labelTexts(win->yLabels);
        const QImage before = picture();
        ModalAnswerer answerer;
        win->Button1->click();
        const QString expected = !r.box        ? QString()
            : QByteArray(r.box) == "precision" ? graphs::kPrecisionMessage
            : QByteArray(r.box) == "zero"      ? zero
            : QByteArray(r.box) == "flat"      ? graphs::kFlatMessage
                                               : QString::fromUtf8(r.box);
        EXPECT_EQ(answerer.texts().join(u'|'), expected);
        EXPECT_EQ(labelTexts(win->xLabels), r.xLabels ? split(r.xLabels) : xBefore);
        EXPECT_EQ(labelTexts(win->yLabels), r.yLabels ? split(r.yLabels) : yBefore);
        if (!r.xLabels && !r.yLabels && r.box) {
            EXPECT_EQ(picture(), before) << "a refused redraw keeps the picture";
        }
    }
    // Typed backwards: the fields were exchanged.
    pick(win->ComboBox1, 0);
    type(win->Edit1, QStringLiteral("200"));
    type(win->Edit2, QStringLiteral("50"));
    win->Button1->click();
    EXPECT_EQ(win->Edit1->text() + u'-' + win->Edit2->text(), QStringLiteral("50-200"));
}

TEST_F(GraphWindow, PictureGeometry)
{
    const QImage image = picture();
    ASSERT_EQ(image.size(), QSize(430, 260));
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb silver = qRgb(192, 192, 192);
    struct Pixel {
        const char* what;
        int x, y;
        QRgb colour;
    };
    std::vector<Pixel> pixels = {
        {"outline top left", 0, 0, black},
        {"outline bottom right", 429, 259, black},
        {"white margin", 1, 1, white},
        {"white under the axis", 200, 250, white},
        {"plot area", 300, 40, silver},
        {"plot area's last column", 409, 40, silver},
        {"right of the plot area", 411, 40, white},
        {"above the plot area", 300, 19, white},
        {"x axis", 200, 230, black},
        {"y axis", 50, 100, black},
        {"curve starts top left", 50, 20, kRed},
        {"curve ends bottom right", 409, 230, kRed},
    };
    for (int i = 1; i <= 10; ++i) {
        const int x = 50 + 36 * i;
        const int y = 230 - 21 * i;
        pixels.push_back({"x tick top", x, 225, black});
        pixels.push_back({"x tick bottom", x, 234, black});
        pixels.push_back({"below the x tick", x, 235, white});
        pixels.push_back({"y tick right", 55, y, black});
        pixels.push_back({"y tick left", 46, y, black});
        pixels.push_back({"left of the y tick", 45, y, white});
    }
    for (const Pixel& p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.what << " (" << p.x << ", " << p.y << ")";
}

TEST_F(GraphWindow, CrossHairAndReadOutFollowThePointer)
{
    movePointer(QPoint(230, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !win->osax->text().isEmpty(); }, 2000));
    // 50 + 250 x 180 / 360 = 175; 115,8 / 175 = 0,6617, 30 rows above the bottom.
    EXPECT_EQ(win->osax->text() + u' ' + win->osay->text(), QStringLiteral("175 0,66"));
    EXPECT_EQ(win->Image1->cursor().shape(), Qt::CrossCursor);
    QImage image = picture();
    for (const QPoint p : {QPoint(230, 100), QPoint(230, 20), QPoint(230, 230), QPoint(51, 200), QPoint(409, 200)})
        EXPECT_EQ(image.pixel(p), kGrey) << p.x() << ", " << p.y();
    EXPECT_NE(image.pixel(230, 19), kGrey);
    EXPECT_NE(image.pixel(410, 200), kGrey);

    // Leaving the plot area leaves the last cross-hair.
    movePointer(QPoint(20, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return win->Image1->cursor().shape() == Qt::ArrowCursor; }, 2000));
    EXPECT_EQ(picture(), image);

    // The field of view from 3° to 3,2° with one decimal of the focal length: in
    // the middle column 390,6 + 26,1 / 2 = 403,65, an exact half, reads 403,6.
    pick(win->ComboBox1, 1);
    win->Checkbox2->setChecked(true);
    type(win->Edit1, QStringLiteral("3"));
    type(win->Edit2, QStringLiteral("3,2"));
    win->SpinEdit1->setValue(1);
    win->Button1->click();
    movePointer(QPoint(231, 100));
    movePointer(QPoint(230, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return win->osax->text() == QStringLiteral("403,6"); }, 2000))
        << win->osax->text().toStdString();

    // An enabled parameter of "0" reads nothing out.
    pick(win->ComboBox1, 1);
    type(win->Edit3, QStringLiteral("0"));
    movePointer(QPoint(100, 100));
    QTest::qWait(50);
    EXPECT_TRUE(win->osax->text().isEmpty());
}

TEST_F(GraphWindow, KeysOfTheFiveFields)
{
    struct Row {
        const char* field;
        Qt::Key key;
        char typed; // 0: the key's own effect
        bool redraws;
    };
    const Row rows[] = {
        {"Edit1", Qt::Key_Return, 0, true},      {"Edit2", Qt::Key_A, 'a', true},
        {"Edit3", Qt::Key_Space, ' ', true},     {"SpinEdit1", Qt::Key_Enter, 0, true},
        {"SpinEdit2", Qt::Key_Minus, '-', true}, {"Edit1", Qt::Key_5, '5', false},
        {"Edit2", Qt::Key_Comma, ',', false},    {"SpinEdit2", Qt::Key_Up, 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.field) + " " + std::to_string(r.key));
        pick(win->ComboBox1, 1);
        // The end typed without a redraw: a redraw shows it in the right x label.
        win->Edit2->setText(QStringLiteral("1000"));
        QWidget* field = win->findChild<QWidget*>(QString::fromLatin1(r.field));
        ASSERT_NE(field, nullptr);
        field->setFocus();
        const int spinBefore = win->SpinEdit2->value();
        if (r.typed)
            QTest::keyClick(field, r.key, Qt::NoModifier);
        else
            QTest::keyClick(field, r.key);
        EXPECT_EQ(win->xLabels[10]->text(), r.redraws ? QStringLiteral("1000") : QStringLiteral("2000"));
        EXPECT_EQ(win->focusWidget(), field);
        if (r.key == Qt::Key_Up) {
            EXPECT_EQ(win->SpinEdit2->value(), spinBefore + 1);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(field); edit && r.typed) {
            EXPECT_EQ(edit->text().endsWith(QChar::fromLatin1(r.typed)), !r.redraws) << edit->text().toStdString();
        }
    }
}

TEST_F(GraphWindow, SavesThePanelAsABitmap)
{
    const QByteArray old = "old picture";
    struct Row {
        const char* typed;    // nullptr: the dialog is cancelled
        const char* existing; // a file there before
        QStringList answers;  // to the overwrite question
        const char* written;  // nullptr: nothing written
    };
    const Row rows[] = {
        {"graf", nullptr, {}, "graf.bmp"},
        {"mlhovina.bmp", nullptr, {}, "mlhovina.bmp"},
        {"Jupiter.BMP", nullptr, {}, "Jupiter.BMP"},
        {"stary", "stary.bmp", {QStringLiteral("Zrušit")}, nullptr},
        {"stary", "stary.bmp", {QStringLiteral("OK")}, "stary.bmp"},
        {nullptr, nullptr, {}, nullptr},
    };
    const QImage panel = win->panelPicture();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed ? r.typed : "cancelled");
        QDir dir(folder.path(QStringLiteral("obrazky")));
        dir.removeRecursively();
        dir.mkpath(QStringLiteral("."));
        if (r.existing)
            folder.write(QStringLiteral("obrazky/") + QString::fromLatin1(r.existing), old);
        answerSaveDialog(r.typed ? dir.filePath(QString::fromLatin1(r.typed)) : QString());
        ModalAnswerer answerer(r.answers);
        win->BitBtn2->click();
        EXPECT_EQ(answerer.texts().join(u'|'),
                  r.existing ? QStringLiteral("Soubor již existuje, chcete ho přepsat?") : QString());
        QStringList expectedFiles;
        if (r.written)
            expectedFiles << QString::fromLatin1(r.written);
        else if (r.existing)
            expectedFiles << QString::fromLatin1(r.existing);
        EXPECT_EQ(dir.entryList(QDir::Files), expectedFiles);
        if (!r.written) {
            if (r.existing) {
                EXPECT_EQ(folder.read(QStringLiteral("obrazky/") + QString::fromLatin1(r.existing)), old);
            }
            continue;
        }
        const QImage saved(dir.filePath(QString::fromLatin1(r.written)), "BMP");
        ASSERT_EQ(saved.size(), QSize(450, 329));
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), panel);
    }

    // The saved picture is the panel as shown, with a black frame and the credit line.
    const QImage shown = win->Panel1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect credit(340, 304, 110, 16);
    int differing = 0;
    for (int y = 1; y < 328; ++y)
        for (int x = 1; x < 449; ++x)
            differing += !credit.contains(x, y) && panel.pixel(x, y) != shown.pixel(x, y);
    EXPECT_EQ(differing, 0);
    for (const QPoint p : {QPoint(0, 0), QPoint(449, 0), QPoint(0, 328), QPoint(449, 328), QPoint(200, 328)})
        EXPECT_EQ(panel.pixel(p), qRgb(0, 0, 0));
    int navy = 0;
    for (int y = credit.top(); y <= credit.bottom(); ++y)
        for (int x = credit.left(); x < credit.right(); ++x)
            navy += panel.pixel(x, y) == qRgb(0, 0, 128);
    EXPECT_GT(navy, 20);
}

TEST_F(GraphWindow, AFailedSaveKeepsTheOldFile)
{
    const QString path = folder.path(QStringLiteral("graf.bmp"));
    folder.write(QStringLiteral("graf.bmp"), "old picture");
    paintBeforeFork();
    const ChildOutcome child = runWithFileSizeLimit(4096, [&] {
        ModalAnswerer answerer;
        const bool saved = win->savePicture(path);
        return (answerer.texts().join(u'|') + (saved ? "|saved" : "|refused")).toUtf8();
    });
    ASSERT_TRUE(child.exited);
    EXPECT_EQ(
        QString::fromUtf8(child.output),
        QStringLiteral("Soubor %1 se nepodařilo uložit (soubor by byl větší, než systém dovoluje). Jeho dosavadní "
                       "obsah zůstal zachován.|refused")
            .arg(path));
    EXPECT_EQ(folder.read(QStringLiteral("graf.bmp")), QByteArray("old picture"));
    EXPECT_EQ(QDir(folder.path(QString())).entryList({QStringLiteral("graf*")}, QDir::Files),
              QStringList{QStringLiteral("graf.bmp")});
}

TEST_F(GraphWindow, BrokenDefinitionsLeaveAnEmptyWindow)
{
    const QByteArray good = deliveredFile(kDefinitions);
    struct Row {
        const char* what;
        std::optional<QByteArray> file;
    };
    const std::vector<Row> rows = {
        {"missing file", std::nullopt},
        {"eleven fields", "0#a#b#50#300#D#R#0#2#1#0#-#\n"},
        {"an empty field", "0#a#b#50#300##R#0#2#1#0#-#0#\n"},
        {"decimals not a digit", "0#a#b#50#300#D#R#x#2#1#0#-#0#\n"},
        {"decimals 10", "0#a#b#50#300#D#R#0#10#1#0#-#0#\n"},
        {"no line of the graph", good.mid(good.indexOf('\n') + 1)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        r.file ? folder.write(kDefinitions, *r.file) : folder.remove(kDefinitions);
        ModalAnswerer answerer;
        pick(win->ComboBox1, 0);
        EXPECT_EQ(answerer.texts(), QStringList{graphs::kDefinitionsError});
        EXPECT_EQ(win->Edit1->text() + win->Edit2->text(), QStringLiteral("00"));
        EXPECT_EQ(labelTexts(win->xLabels).join(QString()), QString());
        const QImage image = picture();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                red += image.pixel(x, y) == kRed;
        EXPECT_EQ(red, 0);
        // A redraw of the empty window is refused, a pointer over it reads nothing.
        win->Button1->click();
        movePointer(QPoint(200, 100));
        EXPECT_EQ(answerer.texts().size(), 2);
        EXPECT_TRUE(win->osax->text().isEmpty());
    }
}

} // namespace
} // namespace noktaris::test
