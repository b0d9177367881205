// The CCD, field-of-view, guiding and image-size windows, opened as the hub opens
// them and typed into as a user would.
#include "support/window_test.h"

#include "common/widgets.h"
#include "optics/ccd_window.h"
#include "optics/fields_window.h"
#include "photo/guiding_group.h"
#include "photo/guiding_window.h"
#include "photo/image_size_window.h"
#include "photo/trail_group.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace noktaris::test {
namespace {

class CameraWindows : public WindowTest {
protected:
    void SetUp() override
    {
        // Sorted first entries: the KAF-0400, 36 x 24, 100/1000, 25 mm / 50°, 30'.
        folder.write(QStringLiteral("data/CCD.dat"),
                     "#name=Sony$x1=7,2$y1=5,4$x2=1000$y2=800$#name=Kodak KAF-0400$x1=6,9$y1=4,6$x2=768$y2=512$");
        folder.write(QStringLiteral("data/Filmy.dat"), "#name=Kinofilm$x=36$y=24$");
        folder.write(QStringLiteral("data/Dalekohledy.dat"),
                     "#name=Reflektor$D=200$F=800$#name=Refraktor$D=100$F=1000$");
        folder.write(QStringLiteral("data/Okulary.dat"), "#name=Okular$f=25$u=50$");
        folder.write(QStringLiteral("data/Rozmery.dat"), "#name=Objekt$r=30$");
        start({Application::Window::Basic, Application::Window::Ccd, Application::Window::Fields,
               Application::Window::Guiding, Application::Window::ImageSize});
    }
    static void pressEscape(QWidget* window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    }
};

TEST_F(CameraWindows, CcdWindowComputesEachResultOnItsOwn)
{
    auto* w = open(app().form7());
    EXPECT_EQ(w->CCD->currentText(), QStringLiteral("Kodak KAF-0400"));
    EXPECT_EQ(w->focusWidget(), w->CCD);
    const QString pixel = QStringLiteral("Rozměry pixelu: 0,01 mm x 0,01 mm");
    const QString scale = QStringLiteral("Úhlové zvětšení na pixel: 3,71'' x 3,71''");
    const QString field = QStringLiteral("Zorné pole: 0° 47' 26'' x 0° 31' 38''");
    const QString ratio = QStringLiteral("Optimální světelnost pro CCD čip: f/32,7");
    const QString noPixel = QStringLiteral("Rozměry pixelu:"), noScale = QStringLiteral("Úhlové zvětšení na pixel:"),
                  noField = QStringLiteral("Zorné pole:"),
                  noRatio = QStringLiteral("Optimální světelnost pro CCD čip:");
    const struct {
        QLineEdit* field;
        const char* text;
        QStringList results; // pixel size, scale, field, ratio
    } steps[] = {
        {w->fok, "0", {pixel, noScale, noField, noRatio}},
        {w->fok, "500", {pixel, scale, field, noRatio}},
        {w->cit, "550", {pixel, scale, field, ratio}},
        {w->ccd3, "0", {noPixel, noScale, field, noRatio}},
        // The count is read for the field of view too, though not used.
        {w->ccd3, "", {noPixel, noScale, noField, noRatio}},
        {w->ccd3, "768", {pixel, scale, field, ratio}},
        {w->fok, "0", {pixel, noScale, noField, ratio}},
    };
    for (const auto& s : steps) {
        type(s.field, s.text);
        EXPECT_EQ(texts({w->Label11, w->Label7, w->Label8, w->Label10}), s.results)
            << s.field->objectName().toStdString() << "=" << s.text;
    }
    // 9,6 mm over 1920 pixels is 0,005 mm, an exact half of a hundredth: 0 mm.
    // 3,6 mm over 768 pixels at 500 nm asks for f/18,75, which goes to f/18,8.
    expectAfterTyping({
        {w->ccd3, "1920", w->Label11, "Rozměry pixelu: 0 mm x 0,01 mm"},
        {w->ccd1, "9,6", w->Label11, "Rozměry pixelu: 0 mm x 0,01 mm"},
        {w->cit, "500", w->Label10, "Optimální světelnost pro CCD čip: f/28"},
        {w->ccd1, "3,6", w->Label10, "Optimální světelnost pro CCD čip: f/21,7"},
        {w->ccd3, "768", w->Label10, "Optimální světelnost pro CCD čip: f/27,3"},
        {w->ccd2, "3,6", w->Label10, "Optimální světelnost pro CCD čip: f/23,4"},
        {w->ccd4, "768", w->Label10, "Optimální světelnost pro CCD čip: f/18,8"},
    });
    type(w->cit, "550");
    // The wavelength stays between showings; the chip is applied afresh.
    type(w->ccd1, "9");
    pressEscape(w);
    EXPECT_FALSE(w->isVisible());
    open(app().form7());
    EXPECT_EQ(w->cit->text(), QStringLiteral("550"));
    EXPECT_EQ(w->ccd1->text(), QStringLiteral("6,9"));

    // The chip gone from the file while the window is open: empty fields, no results.
    folder.write(QStringLiteral("data/CCD.dat"), "#name=Sony$x1=7,2$y1=5,4$x2=1000$y2=800$");
    emit w->CCD->activated(0);
    EXPECT_EQ(w->ccd1->text() + w->ccd2->text() + w->ccd3->text() + w->ccd4->text(), QString());
    EXPECT_EQ(texts({w->Label11, w->Label7, w->Label8, w->Label10}), (QStringList{noPixel, noScale, noField, noRatio}));
}

TEST_F(CameraWindows, FieldsWindowGroups)
{
    auto* w = open(app().form10());
    EXPECT_EQ(w->focusWidget(), w->ffotedit);
    EXPECT_EQ((QStringList{w->ff1->text(), w->ff2->text(), w->fdaledit->text(), w->fokedit->text(), w->uheledit->text(),
                           w->ccd1->text(), w->ccd2->text()}),
              (QStringList{"36", "24", "800", "25", "50", "6,9", "4,6"}));
    EXPECT_EQ(texts({w->zorpole, w->Label7, w->Label8}),
              (QStringList{"Zorné pole:", "Velikost zorného pole: 1° 33' 45''" /* 1,5625° */, "Zorné pole:"}));
    expectAfterTyping({
        {w->ffotedit, "50", w->zorpole, "Zorné pole: 39° 35' 52'' x 26° 59' 29''"},
        {w->ff1, "", w->zorpole, "Zorné pole:"},
        {w->fdaledit, "1000", w->Label7, "Velikost zorného pole: 1° 15' 0''"},
        {w->uheledit, "52", w->Label7, "Velikost zorného pole: 1° 18' 0''"}, // 1,3°
        {w->uheledit, "82", w->Label7, "Velikost zorného pole: 2° 3' 0''"},  // 2,05°
        {w->fdaledit, "0", w->Label7, "Zorné pole:"},
        {w->Edit1, "500", w->Label8, "Zorné pole: 0° 47' 26'' x 0° 31' 38''"},
    });
    // Only the camera group checks the sign of a pasted value.
    w->ff1->setText(QStringLiteral("-36"));
    EXPECT_EQ(w->zorpole->text(), QStringLiteral("Zorné pole:"));
    w->Edit1->setText(QStringLiteral("-500"));
    EXPECT_EQ(w->Label8->text(), QStringLiteral("Zorné pole: 0° -47' -26'' x 0° -31' -38''"));
    for (QWidget* link :
         std::initializer_list<QWidget*>{w->zorpole, w->Speed1, w->Label7, w->Speed2, w->Label8, w->Speed3})
        EXPECT_EQ(link->toolTip(), QStringLiteral("Ukaž zorné pole")) << link->objectName().toStdString();
    // A film catalogue that cannot be read: its message, empty fields, no result.
    folder.remove(QStringLiteral("data/Filmy.dat"));
    {
        ModalAnswerer answerer;
        emit w->Film->activated(0);
        EXPECT_EQ(answerer.texts(),
                  QStringList{QStringLiteral("Chyba při zpracování databázového souboru data\\filmy.dat")});
    }
    EXPECT_EQ(w->ff1->text() + w->ff2->text(), QString());
    EXPECT_EQ(w->zorpole->text(), QStringLiteral("Zorné pole:"));
    pressEscape(w);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(form1()->isEnabled());
}

TEST_F(CameraWindows, GuidingWindow)
{
    auto* w = open(app().form11());
    EXPECT_EQ(w->ComboBox1->currentIndex(), 4);
    EXPECT_EQ(w->Label2->text(), QStringLiteral("Minimální zvětšení:")); // nothing computed on showing
    const struct {
        const char* fp;
        int item;
        const char* result;
    } magnifications[] = {
        {"50", 4, "Minimální zvětšení: 4x"},
        {"30", 4, "Minimální zvětšení: 2x"},
        {"50,5", 4, "Minimální zvětšení:"},
        {"500", 0, "Minimální zvětšení: 125x"},
    };
    for (const auto& m : magnifications) {
        w->ComboBox1->setCurrentIndex(m.item);
        emit w->ComboBox1->activated(m.item);
        type(w->Edit1, m.fp);
        EXPECT_EQ(w->Label2->text(), QString::fromUtf8(m.result)) << m.fp;
    }
    type(w->Edit2, "500");
    EXPECT_EQ(w->Label6->text(), QStringLiteral("Maximální chyba: 5,5''"));
    type(w->Edit3, "0");
    EXPECT_EQ(w->Label6->text(), QStringLiteral("Maximální chyba:"));

    GuidingGroup* g = w->GroupBox6;
    type(g->draha, "0,07");
    type(g->PointEdit, "1000");
    type(g->FfotEdit5, "50");
    EXPECT_EQ(g->Tolerance->text(), QStringLiteral("Tolerance: 7"));
    EXPECT_EQ(g->Potvrzeni->palette().color(QPalette::Window), QColor(0, 255, 0));
    w->BitBtn1->click();
    EXPECT_TRUE(form1()->isEnabled());
    open(app().form11());
    EXPECT_EQ(g->Tolerance->text(), QStringLiteral("Tolerance: 7")); // results persist
}

TEST_F(CameraWindows, ImageSizeWindowAndItsStarTrail)
{
    auto* w = open(app().form13());
    EXPECT_EQ(w->Dalekohled->itemText(0), QStringLiteral("Reflektor")); // file order
    EXPECT_EQ((QStringList{w->RozmerEdit->text(), w->Edit2->text(), w->fdaledit->text()}),
              (QStringList{"30", "30", "800"}));
    type(w->FfotEdit3, "1000");
    EXPECT_EQ(w->rozmer->text(), QStringLiteral("Rozměr: 8,73 mm"));
    type(w->RozmerEdit, ""); // the last size stays
    EXPECT_EQ(w->rozmer->text(), QStringLiteral("Rozměr: 8,73 mm"));
    w->RozmerEdit->setText(QStringLiteral("-30")); // no sign check here
    EXPECT_EQ(w->rozmer->text(), QStringLiteral("Rozměr: -8,73 mm"));

    w->Dalekohled->setCurrentIndex(1);
    emit w->Dalekohled->activated(1);
    type(w->ffotedit, "50");
    type(w->fokedit, "25");
    EXPECT_EQ(w->fdaledit->text(), QStringLiteral("1000"));
    EXPECT_EQ(w->rozmer1->text(), QStringLiteral("Rozměr: 17,45 mm"));

    TrailGroup* trail = w->GroupBox3;
    type(trail->CasEdit, "60");
    type(trail->FfotEdit2, "50");
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy: 0,22 mm"));
    type(trail->D1, "60");
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy: 0,11 mm"));
    EXPECT_EQ(trail->BitBtn7, nullptr);
    EXPECT_EQ(trail->SpeedButton1->toolTip(), QStringLiteral("Spustí kalkulačku"));
}

} // namespace
} // namespace noktaris::test
