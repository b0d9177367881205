// The telescope parameters, focal ratio, double-star and brightness windows,
// opened as the hub opens them and typed into as a user would.
#include "support/window_test.h"

#include "common/widgets.h"
#include "optics/double_star_window.h"
#include "optics/ratios_window.h"
#include "optics/telescope_window.h"
#include "optics/telescope_window_groups.h"
#include "photo/brightness_window.h"

#include <QPushButton>
#include <QTabBar>

namespace noktaris::test {
namespace {

class ExtendedWindows : public WindowTest {
protected:
    void SetUp() override
    {
        // Sorted first entries: the refractor 100/1000 and the 25 mm eyepiece of 50°.
        folder.write(QStringLiteral("data/Dalekohledy.dat"),
                     "#name=Reflektor$D=200$F=2273$#name=Achromat$D=100$F=1000$");
        folder.write(QStringLiteral("data/Okulary.dat"), "#name=Okular$f=25$u=50$#name=Plossl$f=12,5$u=52$");
        start({Application::Window::Basic, Application::Window::DoubleStar, Application::Window::Telescope,
               Application::Window::Ratios, Application::Window::Brightness});
    }
    static void typeSpin(QSpinBox* spin, const char* keys)
    {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClick(spin, Qt::Key_Backspace);
        QTest::keyClicks(spin, QString::fromUtf8(keys));
    }
};

TEST_F(ExtendedWindows, TelescopeParametersOfTheWorkedExample)
{
    auto* w = open(app().form6());
    MainParametersGroup* m = w->GroupBox1;
    EXPECT_EQ(w->focusWidget(), m->Dalekohled);
    EXPECT_EQ(hintDisplayTime(), 7000);
    EXPECT_EQ((QStringList{m->ddaledit->text(), m->fdaledit->text(), m->fokedit->text(), m->uheledit->text()}),
              (QStringList{"100", "1000", "25", "50"}));
    EXPECT_EQ(texts({m->Label14, m->Label16, m->Label15, m->Label17, m->Label18, m->Label24, m->Label36,
                     w->GroupBox2->Label12, w->GroupBox3->Label21, w->GroupBox3->Label22, w->GroupBox5->Label34,
                     w->GroupBox4->Label28, w->GroupBox4->Label29, w->GroupBox4->Label38, w->GroupBox4->Label39}),
              (QStringList{"Světelnost dalekohledu: f/10", "Maximální rozlišovací schopnost - Dawesův limit: 1,158''",
                           "Velikost výstupní pupily: 2,5 mm", "Maximální použitelné zvětšení: 159x",
                           "Minimální použitelné zvětšení: 17x", "Teoretický mezní detail viděný na Měsíci: 3,1 km",
                           "Velikost zorného pole: 1° 15' 0''", "Zvětšení: 40 x", "Teoretická mezní magnituda: 12,12 m",
                           "Praktická mezní magnituda: 10,32 m", "Světelný zisk: 177,78", "Úhlový průměr: 2,97''",
                           "Lineární průměr: 0,0144 mm", "Teor. hloubka ostrosti: 0,288 mm",
                           "Prakt. hloubka ostrosti: 0,864 mm"}));
    // The values passed outward.
    EXPECT_EQ((QStringList{w->GroupBox3->Edit9->text(), w->GroupBox4->Edit5->text(), w->GroupBox5->Edit10->text(),
                           w->GroupBox4->Edit4->text(), w->GroupBox2->Edit6->text(), w->GroupBox2->Edit7->text()}),
              (QStringList{"100", "100", "100", "10", "1000", "25"}));
    for (QWidget* link : std::initializer_list<QWidget*>{m->Label36, m->SpeedButton2}) {
        EXPECT_EQ(link->toolTip(), QStringLiteral("Ukaž zorné pole"));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST_F(ExtendedWindows, TelescopeParametersFollowEachInput)
{
    auto* w = open(app().form6());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    MainParametersGroup* m = w->GroupBox1;
    MagnificationGroup* z = w->GroupBox2;
    LimitingMagnitudeGroup* l = w->GroupBox3;
    AiryDiskGroup* a = w->GroupBox4;
    // Qualities of the optics.
    const char* maxima[] = {"Maximální použitelné zvětšení: 250x", "Maximální použitelné zvětšení: 159x",
                            "Maximální použitelné zvětšení: 120x"};
    for (int i : {0, 2, 1}) {
        pick(m->ComboBox1, i);
        EXPECT_EQ(m->Label17->text(), QString::fromUtf8(maxima[i]));
    }
    // The obstruction, typed: its whole-number text counts until the field is left.
    const struct {
        const char* keys;
        const char* theoretical;
        const char* practical;
    } obstructions[] = {
        {"30", "Teoretická mezní magnituda: 12,02 m", "Praktická mezní magnituda: 10,22 m"},
        {"1a00", "Teoretická mezní magnituda:", "Praktická mezní magnituda:"}, // "a" is refused
        {"-", "Teoretická mezní magnituda: 12,12 m", "Praktická mezní magnituda: 10,32 m"},
    };
    for (const auto& o : obstructions) {
        typeSpin(m->SpinEdit1, o.keys);
        EXPECT_EQ(texts({l->Label21, l->Label22}), (QStringList{o.theoretical, o.practical})) << o.keys;
    }
    typeSpin(m->SpinEdit1, "150");
    EXPECT_EQ(m->SpinEdit1->text(), QStringLiteral("150"));
    m->ddaledit->setFocus();
    EXPECT_EQ(m->SpinEdit1->text(), QStringLiteral("99"));
    EXPECT_EQ(l->Label21->text(), QStringLiteral("Teoretická mezní magnituda: 7,87 m"));
    typeSpin(m->SpinEdit1, "0");

    // Each row types one field and reads the labels it changes.
    const struct {
        QLineEdit* field;
        const char* text;
        QList<QLabel*> labels;
        QStringList results;
    } steps[] = {
        // The focal ratio in the Airy group empties: only the angular diameter stays.
        {a->Edit4,
         "",
         {a->Label28, a->Label29, a->Label38, a->Label39},
         {"Úhlový průměr: 2,97''", "Lineární průměr:", "Teor. hloubka ostrosti:", "Prakt. hloubka ostrosti:"}},
        {a->Edit13, "470", {a->Label28}, {"Úhlový průměr: 2,37''"}},
        {l->Edit9, "0", {l->Label21, l->Label22}, {"Teoretická mezní magnituda:", "Praktická mezní magnituda:"}},
        {w->GroupBox5->Edit11, "5", {w->GroupBox5->Label34}, {"Světelný zisk: 400"}},
        // The main group keeps its last values while D is no number; the useful
        // magnifications then come from a D of 0.
        {m->ddaledit,
         "",
         {m->Label14, m->Label16, m->Label17, m->Label18, m->Label36},
         {"Světelnost dalekohledu: f/10", "Maximální rozlišovací schopnost - Dawesův limit: 1,158''",
          "Maximální použitelné zvětšení: 0x", "Minimální použitelné zvětšení: 0x",
          "Velikost zorného pole: 1° 15' 0''"}},
        {m->ddaledit,
         "200",
         {m->Label14, m->Label15, l->Label21},
         {"Světelnost dalekohledu: f/5", "Velikost výstupní pupily: 5 mm", "Teoretická mezní magnituda: 13,63 m"}},
        {m->fokedit, "12,5", {z->Label12, m->Label36}, {"Zvětšení: 80 x", "Velikost zorného pole: 0° 37' 30''"}},
        {z->Edit7, "0", {z->Label12}, {"Zvětšení"}},
    };
    for (const auto& s : steps) {
        type(s.field, s.text);
        QStringList shown;
        for (QLabel* label : s.labels)
            shown << label->text();
        EXPECT_EQ(shown, s.results) << s.field->objectName().toStdString() << "=" << s.text;
    }
    // The exit-pupil method: 200 / 2,5 (12,5 × 200 / 1000).
    z->TabControl1->setCurrentIndex(1);
    EXPECT_EQ((QStringList{z->Edit8->text(), z->Edit1->text(), z->Label12->text()}),
              (QStringList{"200", "2,5", "Zvětšení: 80 x"}));
    EXPECT_EQ(z->Memo2->y(), 38);
    EXPECT_TRUE(z->Edit1->isVisible());
    EXPECT_FALSE(z->Edit6->isVisible());
    type(z->Edit1, ""); // the label is not reset on this tab
    EXPECT_EQ(z->Label12->text(), QStringLiteral("Zvětšení: 80 x"));
    z->TabControl1->setCurrentIndex(0);
    EXPECT_EQ(z->Memo2->y(), 65);

    // Results that are exact halves or whole minutes of the typed decimals.
    pick(m->ComboBox1, 2); // below-average optics: 1,2 D
    expectAfterTyping({
        {m->ddaledit, "23,75", m->Label17, "Maximální použitelné zvětšení: 28x"}, // 28,5
        {m->fdaledit, "1000", m->Label36, "Velikost zorného pole: 0° 37' 30''"},
        {m->fokedit, "25", m->Label36, "Velikost zorného pole: 1° 15' 0''"},
        {m->uheledit, "52", m->Label36, "Velikost zorného pole: 1° 18' 0''"}, // 1,3°
        {m->uheledit, "82", m->Label36, "Velikost zorného pole: 2° 3' 0''"},  // 2,05°
        {m->fokedit, "9", m->Label36, "Velikost zorného pole: 0° 44' 17''"},
        {m->uheledit, "100", m->Label36, "Velikost zorného pole: 0° 54' 0''"},
        {m->fdaledit, "500", m->Label36, "Velikost zorného pole: 1° 48' 0''"}, // 1,8°
        {a->Edit13, "650", a->Label28, "Úhlový průměr: 13,77''"},
        {a->Edit4, "12,5", a->Label29, "Lineární průměr: 0,01982 mm"},    // 0,019825
        {a->Edit4, "25", a->Label38, "Teor. hloubka ostrosti: 1,982 mm"}, // 1,9825
    });
}

TEST_F(ExtendedWindows, WavelengthListColoursAndShowing)
{
    auto* w = open(app().form6());
    AiryDiskGroup* a = w->GroupBox4;
    const auto text = [&] { return a->ComboBox2->palette().color(QPalette::ButtonText); };
    const auto back = [&] { return a->ComboBox2->palette().color(QPalette::Button); };
    EXPECT_EQ(text(), QColor(255, 255, 0));
    EXPECT_EQ(back(), QColor(128, 128, 128));
    const struct {
        int item;
        const char* wavelength;
        QColor colour;
    } items[] = {{0, "410", QColor(128, 0, 128)},
                 {1, "470", QColor(0, 0, 255)},
                 {2, "540", QColor(0, 128, 0)},
                 {4, "610", QColor(255, 0, 0)},
                 {5, "680", QColor(128, 0, 0)}};
    for (const auto& i : items) {
        pick(a->ComboBox2, i.item);
        EXPECT_EQ(a->Edit13->text(), QString::fromLatin1(i.wavelength));
        EXPECT_EQ(text(), i.colour) << i.wavelength;
        EXPECT_EQ(back(), QApplication::palette().color(QPalette::Base));
    }
    type(a->Edit13, "540"); // typing leaves the list alone
    EXPECT_EQ(a->ComboBox2->currentIndex(), 5);
    EXPECT_EQ(text(), QColor(128, 0, 0));
    a->ComboBox2->showPopup();
    EXPECT_EQ(text(), QColor(Qt::black));
    a->ComboBox2->hidePopup();

    // Kept while hidden: the tab, the typed wavelength, the obstruction and the
    // eye's values; both lists go back to their shown entries without a change.
    type(w->GroupBox3->Edit3, "6");
    w->GroupBox2->TabControl1->setCurrentIndex(1);
    w->GroupBox1->SpinEdit1->setValue(20);
    pick(w->GroupBox1->ComboBox1, 0);
    w->BitBtn1->click();
    EXPECT_TRUE(form1()->isEnabled());
    open(app().form6());
    EXPECT_EQ((QStringList{a->Edit13->text(), w->GroupBox3->Edit3->text(), w->GroupBox1->SpinEdit1->text(),
                           w->GroupBox1->ComboBox1->currentText(), a->ComboBox2->currentText()}),
              (QStringList{"540", "6", "20", "Průměrná optika", "590nm - žluté světlo"}));
    EXPECT_EQ(w->GroupBox2->TabControl1->currentIndex(), 1);
    EXPECT_EQ(text(), QColor(255, 255, 0));
}

TEST_F(ExtendedWindows, TelescopeParametersWithoutTelescopes)
{
    folder.write(QStringLiteral("data/Dalekohledy.dat"), "");
    auto* w = open(app().form6());
    MainParametersGroup* m = w->GroupBox1;
    EXPECT_EQ(texts({m->Label14, m->Label16, m->Label15, m->Label17, m->Label18, m->Label24, m->Label36}),
              (QStringList{"Světelnost dalekohledu:", "Maximální rozlišovací schopnost - Dawesův limit:",
                           "Velikost výstupní pupily:", "Maximální použitelné zvětšení: 0x",
                           "Minimální použitelné zvětšení: 0x",
                           "Teoretický mezní detail viděný na Měsíci:", "Velikost zorného pole:"}));
    // Absurd values never reach a label as an infinity.
    type(m->ddaledit, "99999999999999999999");
    m->fdaledit->setText(QStringLiteral("1E300")); // pasted
    for (QLabel* label : w->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(QStringLiteral("inf")) || label->text().contains(QStringLiteral("nan")))
            << label->text().toStdString();
}

TEST_F(ExtendedWindows, FocalRatios)
{
    auto* w = open(app().form9());
    EXPECT_EQ(w->focusWidget(), w->ddaledit);
    EXPECT_EQ((QStringList{w->ddaledit->text(), w->fdaledit2->text(), w->fokedit->text(), w->Edit2->text()}),
              (QStringList{"100", "1000", "25", "100"}));
    EXPECT_EQ(w->Label3->text(), QStringLiteral("Světelnost: 10"));
    expectAfterTyping({
        {w->ddaledit, "200", w->Label3, "Světelnost: 5"},
        {w->fdaledit, "2273", w->Label3, "Světelnost: 11,36"}, // 1136,5 goes to 1136
        {w->ddaledit, "100", w->Label3, "Světelnost: 22,73"},
        {w->fdaledit, "0", w->Label3, "Světelnost:"},
        {w->ddaledit2, "100", w->Label8, "Světelnost:"}, // no camera lens yet
        {w->fdaledit2, "1000", w->Label8, "Světelnost:"},
        {w->ffotedit, "50", w->Label8, "Světelnost: 20"},
        {w->fokedit, "12,5", w->Label8, "Světelnost:"}, // a whole number only
        {w->fokedit, "10", w->Label8, "Světelnost: 50"},
        {w->ddaledit2, "99999999999999999999", w->Label8, "Světelnost:"},
        // 65536 × 65536 is beyond 32 bits, yet the ratio is right.
        {w->ddaledit2, "65536", w->Label8, "Světelnost: 0,08"},
        {w->fokedit, "65536", w->Label8, "Světelnost:"},
        {w->fdaledit2, "4294967296", w->Label8, "Světelnost: 50"},
        {w->Edit3, "40", w->Label12, "Světelnost:"},
        {w->Edit2, "100", w->Label12, "Světelnost:"},
        {w->Edit1, "50", w->Label12, "Světelnost: 20"},
        {w->Edit2, "", w->Label12, "Světelnost:"},
        {w->ddaledit, "60", w->Label3, "Světelnost:"},
        {w->fdaledit, "131,1", w->Label3, "Světelnost: 2,18"}, // 2,185 goes to the even 2,18
    });
    pick(w->ComboBox4, 1); // D = 200
    EXPECT_EQ(w->Label12->text(), QStringLiteral("Světelnost: 10"));
    pick(w->ComboBox3, 1); // 12,5 mm
    EXPECT_EQ(w->fokedit->text(), QStringLiteral("12,5"));
    EXPECT_EQ(w->Label8->text(), QStringLiteral("Světelnost:"));
    // A telescope gone from its file while the window is open.
    folder.write(QStringLiteral("data/Dalekohledy.dat"), "#name=Jiny$D=80$F=400$");
    pick(w->ComboBox1, 1);
    EXPECT_EQ(w->ddaledit->text() + w->fdaledit->text(), QString());
    EXPECT_EQ(w->Label3->text(), QStringLiteral("Světelnost:"));
    {
        folder.remove(QStringLiteral("data/Okulary.dat"));
        ModalAnswerer answerer;
        pick(w->ComboBox3, 0);
        EXPECT_EQ(answerer.texts(),
                  QStringList{QStringLiteral("Chyba při zpracování databázového souboru data\\okulary.dat")});
    }
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(form1()->isEnabled());
}

TEST_F(ExtendedWindows, DoubleStarAndBrightness)
{
    auto* d = open(app().form5());
    EXPECT_EQ(d->focusWidget(), d->Edit1);
    EXPECT_EQ(d->Label2->text(), QStringLiteral("Minimální zvětšení:"));
    const struct {
        const char *rho, *dm, *result;
    } stars[] = {{"2", "0", "Minimální zvětšení: 160x"},
                 {"1", "1", "Minimální zvětšení: 416x"},
                 {"0,5", "0", "Minimální zvětšení: 640x"},
                 {"0", "0", "Minimální zvětšení:"},
                 {"1,28", "0,7", "Minimální zvětšení: 302x"}, // 302,5
                 {"1", "", "Minimální zvětšení:"}};
    for (const auto& s : stars) {
        type(d->Edit1, s.rho);
        type(d->Edit2, s.dm);
        EXPECT_EQ(d->Label2->text(), QString::fromUtf8(s.result)) << s.rho << " " << s.dm;
    }
    d->BitBtn1->click();
    EXPECT_TRUE(form1()->isEnabled());

    auto* b = open(app().form14());
    EXPECT_EQ(b->Label1->text(), QStringLiteral("Magnituda objektu na čtvereční sekundu (m / \"^2):"));
    const struct {
        const char *m, *result;
    } brightness[] = {{"9,5", "Jasnost: 1"},     {"0", "Jasnost: 6309,573"}, {"-5", "Jasnost: 630957,344"},
                      {"14,5", "Jasnost: 0,01"}, {"20", "Jasnost: 0"},       {"-", "Jasnost:"},
                      {"-99999", "Jasnost:"},    {"1", "Jasnost: 2511,886"}};
    for (const auto& row : brightness) {
        type(b->Edit1, row.m);
        EXPECT_EQ(b->Label3->text(), QString::fromUtf8(row.result)) << row.m;
    }
    b->BitBtn1->click();
    EXPECT_TRUE(form1()->isEnabled());
    open(app().form14()); // the field and the last result stay
    EXPECT_EQ(b->Edit1->text() + u' ' + b->Label3->text(), QStringLiteral("1 Jasnost: 2511,886"));
}

} // namespace
} // namespace noktaris::test
