// The field-of-view viewer driven as a user drives it: opened from each result that
// shows a field of view, typed into, zoomed, turned and dragged.
#include "support/window_test.h"

#include "common/status_line.h"
#include "common/widgets.h"
#include "viewer/display_widgets.h"
#include "viewer/viewer_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace noktaris::test {
namespace {

class Viewer : public WindowTest {
protected:
    void SetUp() override
    {
        // Both pictures 1° wide: the displayed field at 100 % is 3600'' × 2835''.
        folder.write(QStringLiteral("data/pics.dat"),
                     "Orion$m42.jpg$3600\r\nM\xec"
                     "s\xed"
                     "c$mesic.jpg$3600\r\n;\r\n");
        start();
        v = app().form16();
    }
    // A user's click on a label or a button of the window.
    void click(QWidget* window, const char* name)
    {
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->click();
        else
            QTest::mouseClick(control, Qt::LeftButton);
    }
    QStringList fields() const { return {v->aa->text(), v->bb->text(), v->cc->text()}; }
    // The frame's pixels outside the display's band, between the tab area and the
    // row of lists, buttons and status line: the frame goes beneath every control.
    int frameOverControls() const
    {
        const QImage shot = v->grab().toImage();
        int yellow = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                yellow += (y < 102 || y >= 606) && shot.pixel(x, y) == qRgb(255, 255, 0);
        return yellow;
    }
    QString panel(int i) const { return v->StatusBar1->panelText(i); }

    TForm16* v = nullptr;
};

TEST_F(Viewer, OpensFromEveryFieldOfViewResult)
{
    using W = Application::Window;
    const struct {
        W window;
        const char* fields[3];
        const char* texts[3];
        const char* clicked;
        int tab;
        const char* zp;
        QRect frame;
    } rows[] = {
        {W::Basic,
         {"FdalEdit", "FokEdit", "UhelEdit"},
         {"1000", "12", "50"},
         "SpeedButton1",
         0,
         "Velikost zorného pole: 0° 36' 0''",
         QRect(135, 163, 381, 381)},
        // 2 arctan(36 / 4000) = 1,0313°, 3713''; the frame is wider than the black area.
        {W::Basic,
         {"FfotEdit4", "FF1", "FF2"},
         {"2000", "36", "24"},
         "ZorPole",
         2,
         "Velikost zorného pole: 1° 1' 53'' x 0° 41' 15''",
         QRect(-3, 135, 655, 437)},
        {W::Basic,
         {"FobjEdit", "CCD1", "CCD2"},
         {"1000", "3,2", "2,4"},
         "ZorPole2",
         1,
         "Velikost zorného pole: 0° 11' 0'' x 0° 8' 15''",
         QRect(267, 309, 116, 87)},
        // 10 × 52 / 1200 = 0,43333°: 25' 59,988'' shows 60'', and 1560'' give 275 pixels.
        {W::Telescope,
         {"fdaledit", "fokedit", "uheledit"},
         {"1200", "10", "52"},
         "Label36",
         0,
         "Velikost zorného pole: 0° 25' 60''",
         QRect(187, 215, 275, 275)},
        {W::Ccd,
         {"fok", "ccd1", "ccd2"},
         {"500", "6,9", "4,6"},
         "SpeedButton3",
         1,
         "Velikost zorného pole: 0° 47' 26'' x 0° 31' 38''",
         QRect(74, 185, 502, 335)},
        {W::Fields,
         {"ffotedit", "ff1", "ff2"},
         {"1000", "36", "24"},
         "zorpole",
         2,
         "Velikost zorného pole: 2° 3' 45'' x 1° 22' 30''",
         QRect(-330, -83, 1310, 873)},
        {W::Fields,
         {"fdaledit", "fokedit", "uheledit"},
         {"1000", "25", "50"},
         "Speed2",
         0,
         "Velikost zorného pole: 1° 15' 0''",
         QRect(-72, -44, 794, 794)},
        {W::Fields,
         {"Edit1", "ccd1", "ccd2"},
         {"1000", "3,2", "2,4"},
         "Label8",
         1,
         "Velikost zorného pole: 0° 11' 0'' x 0° 8' 15''",
         QRect(267, 309, 116, 87)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.clicked);
        QWidget* opener = app().window(r.window);
        opener->show();
        for (int i = 0; i < 3; ++i)
            type(opener->findChild<QLineEdit*>(QString::fromLatin1(r.fields[i])), QString::fromUtf8(r.texts[i]));
        click(opener, r.clicked);
        ASSERT_TRUE(v->isVisible());
        EXPECT_FALSE(opener->isEnabled());
        EXPECT_EQ(v->TabControl1->currentIndex(), r.tab);
        EXPECT_EQ(fields(), (QStringList{r.texts[0], r.texts[1], r.texts[2]}));
        EXPECT_EQ(v->zp->text(), QString::fromUtf8(r.zp));
        EXPECT_EQ(v->Shape1->geometry(), r.frame);
        EXPECT_EQ(v->Shape1->isCircle(), r.tab == 0);
        EXPECT_EQ(frameOverControls(), 0);
        EXPECT_EQ(v->rotace->isEnabled(), r.tab != 0);
        v->BitBtn1->click();
        EXPECT_FALSE(v->isVisible());
        for (const QWidget* w :
             {app().window(W::Basic), app().window(W::Telescope), app().window(W::Ccd), app().window(W::Fields)})
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
        if (r.window != W::Basic)
            opener->hide();
    }
}

TEST_F(Viewer, PicturesZoomAndTabs)
{
    // Created at start: the second picture at 100 %, nothing computed yet.
    EXPECT_EQ(v->ComboBox1->currentText(), QStringLiteral("Měsíc"));
    EXPECT_EQ(panel(0), folder.path(QStringLiteral("data/mesic.jpg")));
    EXPECT_EQ(panel(1), QStringLiteral(" Zobrazené pole: 3600\" x 2835''"));
    EXPECT_EQ(v->zp->text(), QStringLiteral("Velikost zorného pole:"));
    EXPECT_EQ(v->Shape1->size(), QSize(0, 0));
    EXPECT_TRUE(v->Image->picture().isNull()) << "decoded before it is shown";

    click(form1(), "ZorPole2"); // the delivered CCD fields
    EXPECT_EQ(v->Image->picture().size(), QSize(1270, 1000).scaled(635, 500, Qt::KeepAspectRatio));
    type(v->aa, QStringLiteral("1000"));
    type(v->bb, QStringLiteral("3,2"));
    type(v->cc, QStringLiteral("2,4"));

    const struct {
        int zoom;
        QRect picture;
        const char* shown;
        QRect frame;
    } zooms[] = {
        {1, QRect(88, 167, 476, 375), " Zobrazené pole: 4799\" x 3779''", QRect(281, 321, 87, 65)},
        {4, QRect(294, 329, 64, 50), " Zobrazené pole: 36000\" x 28346''", QRect(319, 349, 12, 9)},
        {0, QRect(8, 104, 635, 500), " Zobrazené pole: 3600\" x 2835''", QRect(267, 309, 116, 87)},
    };
    for (const auto& z : zooms) {
        pick(v->ComboBox2, z.zoom);
        EXPECT_EQ(v->Image->geometry(), z.picture);
        EXPECT_EQ(panel(1), QString::fromUtf8(z.shown));
        EXPECT_EQ(v->Shape1->geometry(), z.frame);
    }

    // Another picture: its path, the same frame over the same angle.
    pick(v->ComboBox1, 0);
    EXPECT_EQ(panel(0), folder.path(QStringLiteral("data/m42.jpg")));
    EXPECT_EQ(v->Shape1->geometry(), QRect(267, 309, 116, 87));

    // Changing the tab by hand writes that tab's own values.
    const struct {
        int tab;
        QStringList values;
        const char* zp;
        bool turnable;
    } tabs[] = {
        {2, {"1000", "36", "24"}, "Velikost zorného pole: 2° 3' 45'' x 1° 22' 30''", true},
        {0, {"1000", "12", "50"}, "Velikost zorného pole: 0° 36' 0''", false},
        {1, {"1000", "3,2", "2,4"}, "Velikost zorného pole: 0° 11' 0'' x 0° 8' 15''", true},
    };
    for (const auto& t : tabs) {
        v->TabControl1->setCurrentIndex(t.tab);
        EXPECT_EQ(fields(), t.values);
        EXPECT_EQ(v->zp->text(), QString::fromUtf8(t.zp));
        EXPECT_EQ(v->rotace->isEnabled(), t.turnable);
    }
    EXPECT_EQ(v->a->text(), QStringLiteral("Ohnisková vzdálenost objektivu (mm):"));
    EXPECT_EQ(v->b->text(), QStringLiteral("Šířka čipu (mm):"));
}

TEST_F(Viewer, FrameFollowsTypingTurningAndDragging)
{
    click(form1(), "ZorPole2");
    type(v->aa, QStringLiteral("1000"));
    type(v->bb, QStringLiteral("3,2"));
    type(v->cc, QStringLiteral("2,4"));
    ASSERT_EQ(v->Shape1->geometry(), QRect(267, 309, 116, 87));

    // Turned in place, then centred turned at the next layout.
    v->rotace->click();
    EXPECT_EQ(v->Shape1->geometry(), QRect(267, 309, 87, 116));
    type(v->bb, QStringLiteral("3,2"));
    EXPECT_EQ(v->Shape1->geometry(), QRect(281, 295, 87, 116));
    v->rotace->click();

    // "0,0" cannot be computed: the frame keeps its size; "0" hides it.
    const struct {
        const char* F;
        const char* zp;
        QSize frame;
    } focal[] = {
        {"0,0", "Velikost zorného pole:", QSize(116, 87)},
        {"0", "Velikost zorného pole:", QSize(0, 0)},
        {"2000", "Velikost zorného pole: 0° 5' 30'' x 0° 4' 8''", QSize(58, 44)},
        {"", "Velikost zorného pole:", QSize(58, 44)},
    };
    for (const auto& f : focal) {
        type(v->aa, QString::fromUtf8(f.F));
        EXPECT_EQ(v->zp->text(), QString::fromUtf8(f.zp)) << f.F;
        EXPECT_EQ(v->Shape1->size(), f.frame) << f.F;
    }

    // Dragging: the timer moves the frame by the cursor's way, past the black area too.
    type(v->aa, QStringLiteral("2000"));
    const QPoint start = v->Shape1->pos();
    QTest::mousePress(v->Shape1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(v->Timer1->isActive());
    EXPECT_EQ(v->Timer1->interval(), 100);
    QTest::mouseMove(v->Shape1, QPoint(5 + 40, 5 - 300));
    EXPECT_TRUE(QTest::qWaitFor([&] { return v->Shape1->pos() != start; }, 1000));
    EXPECT_EQ(v->Shape1->pos(), start + QPoint(40, -300));
    QTest::mouseRelease(v->Shape1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(v->Timer1->isActive());

    // The next layout centres it again.
    type(v->cc, QStringLiteral("2,4"));
    EXPECT_EQ(v->Shape1->geometry(), QRect(296, 331, 58, 44));
}

TEST_F(Viewer, BadPictureFilesLeaveThePictureShown)
{
    click(form1(), "SpeedButton1");
    const qint64 moon = v->Image->picture().cacheKey();
    ASSERT_FALSE(v->Image->picture().isNull());
    folder.write(QStringLiteral("data/half.jpg"), folder.read(QStringLiteral("data/m42.jpg")).left(4000));
    const struct {
        const char* line;
        const char* path; // nullptr: the panel keeps the previous path
        bool keeps;       // the picture shown stays
    } rows[] = {
        {"Cut$half.jpg$3600", "data/half.jpg", true},
        {"Missing$none.jpg$3600", "data/none.jpg", true},
        {"Bad width$m42.jpg$wide", nullptr, true},
        {"Text$pics.dat$3600", "data/pics.dat", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.line);
        const QString before = panel(0);
        folder.write(QStringLiteral("data/pics.dat"), QByteArray(r.line) + "\r\n;\r\n");
        pick(v->ComboBox1, 0);
        EXPECT_EQ(panel(0), r.path ? folder.path(QString::fromLatin1(r.path)) : before);
        if (r.keeps)
            EXPECT_EQ(v->Image->picture().cacheKey(), moon);
        else
            EXPECT_TRUE(v->Image->picture().isNull());
    }
}

TEST_F(Viewer, MissingListIsReportedAtStart)
{
    destroyWindows();
    folder.remove(QStringLiteral("data/pics.dat"));
    ModalAnswerer answers;
    startUp();
    EXPECT_EQ(answers.texts(), QStringList{QStringLiteral("Chyba při zpracování souboru data/pics.dat!")});
    v = app().form16();
    EXPECT_EQ(v->ComboBox1->count(), 0);
    click(form1(), "SpeedButton1");
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(panel(0), QStringLiteral(" Cesta:"));
    EXPECT_EQ(v->Shape1->size(), QSize(0, 0));
}

} // namespace
} // namespace noktaris::test
