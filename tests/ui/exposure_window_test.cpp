// The extended-mode exposure window, opened as the hub opens it and typed into as
// a user would.
#include "support/window_test.h"

#include "app/hub_window.h"

#include "photo/exposure_window.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>

namespace noktaris::test {
namespace {

const QString kExposure = QStringLiteral("Expoziční čas:");
const QString kRecommendation = QStringLiteral("Doporučená expozice:");
const QString kPole = QStringLiteral("Expoziční čas: NEKONEČNĚ DLOUHÁ EXPOZICE");
const QString kOutOfRange = QStringLiteral("Deklinace musí být mezi -90° a 90°!");

class ExposureWindow : public WindowTest {
protected:
    void SetUp() override
    {
        // Small catalogues whose first (sorted) entries give B = 1, D = 100,
        // F = 1000 and fe = 25.
        folder.write(QStringLiteral("data/Jasnosti.dat"), "#name=Zkouska$j=2$#name=Jednotka$j=1$");
        folder.write(QStringLiteral("data/Dalekohledy.dat"), "#name=Refraktor 100/1000$D=100$F=1000$");
        folder.write(QStringLiteral("data/Okulary.dat"), "#name=Okular 25$f=25$u=50$");
        start({Application::Window::Basic, Application::Window::Hub, Application::Window::Exposure});
        win = app().form8();
    }

    void open() { openChildWindow(win); }

    TForm8* win = nullptr;
};

TEST_F(ExposureWindow, CameraLensAppliesFilterAndReciprocity)
{
    open();
    struct Case {
        const char *N, *S, *B, *k, *p, *exposure, *recommendation;
    };
    const Case cases[] = {
        {"4", "100", "1", "2", "0,9", "Expoziční čas: 0,3613539 sec", "Doporučená expozice: 1/4 sec"},
        {"1", "100", "1", "1,0", "1,00", "Expoziční čas: 0,01 sec", "Doporučená expozice: 1/125 sec"},
        {"8", "100", "0,5", "1,0", "1,00", "Expoziční čas: 1,28 sec", "Doporučená expozice: 1 sec"},
        {"4", "10", "1", "1", "1", "Expoziční čas: 0 hod 0 min 2 sec ", "Doporučená expozice: B (popř. T)"},
        // No row of the shutter table: the caption written at the start stays.
        {"0", "100", "1", "1", "1", "Expoziční čas: 0 sec", "Doporučená expozice:"},
        {"0", "0", "1", "1", "1", "Expoziční čas:", "Doporučená expozice:"},   // 0 / 0
        {"4", "100", "1", "1", "0", "Expoziční čas:", "Doporučená expozice:"}, // 1 / p
        {"4", "100", "", "1", "1", "Expoziční čas:", "Doporučená expozice:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.N) + " " + c.S + " " + c.B + " " + c.k + " " + c.p);
        type(win->clonaedit, c.N);
        type(win->asaedit, c.S);
        type(win->jasedit, c.B);
        type(win->ff1, c.k);
        type(win->r1, c.p);
        EXPECT_EQ(texts({win->exp, win->dopor}), (QStringList{c.exposure, c.recommendation}));
    }
}

TEST_F(ExposureWindow, TelescopeAndAfocalGroupsAndTheirNegativeInputTests)
{
    EXPECT_EQ(win->svet->text(), QStringLiteral("Světelnost sestavy:"));
    open(); // B = 1, D = 100, F = 1000, fe = 25 from the catalogues
    EXPECT_EQ(texts({win->svet, win->exp3, win->dopor3}), (QStringList{"Světelnost:", kExposure, kRecommendation}));
    type(win->asaedit2, "100");
    EXPECT_EQ(texts({win->exp2, win->dopor2}), (QStringList{"Expoziční čas: 1 sec", "Doporučená expozice: 1 sec"}));
    // The aperture is not among the tested inputs: (F / D)² is the same.
    win->ddaledit2->setText(QStringLiteral("-100"));
    EXPECT_EQ(win->exp2->text(), QStringLiteral("Expoziční čas: 1 sec"));
    win->asaedit2->setText(QStringLiteral("-100"));
    EXPECT_EQ(texts({win->exp2, win->dopor2}), (QStringList{kExposure, kRecommendation}));
    type(win->ddaledit2, "0");
    type(win->asaedit2, "100");
    EXPECT_EQ(texts({win->exp2, win->dopor2}), (QStringList{kExposure, kRecommendation}));

    type(win->asaedit3, "100");
    type(win->ffotedit3, "50");
    EXPECT_EQ(texts({win->svet, win->exp3, win->dopor3}),
              (QStringList{"Světelnost: 20", "Expoziční čas: 0 hod 0 min 4 sec ", "Doporučená expozice: B (popř. T)"}));
    win->fokedit3->setText(QStringLiteral("-25")); // (-20)² is a number, the test still resets
    EXPECT_EQ(texts({win->svet, win->exp3, win->dopor3}), (QStringList{"Světelnost:", kExposure, kRecommendation}));

    type(win->asaedit, "100");
    type(win->clonaedit, "2");
    ASSERT_EQ(win->exp->text(), QStringLiteral("Expoziční čas: 0,04 sec"));
    win->clonaedit->setText(QStringLiteral("-2"));
    EXPECT_EQ(texts({win->exp, win->dopor}), (QStringList{kExposure, kRecommendation}));
}

TEST_F(ExposureWindow, OverflowReachesTheGeneralErrorReport)
{
    open();
    type(win->asaedit, "100");
    ModalAnswerer answerer;
    win->clonaedit->setText(QStringLiteral("1E3000"));
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Floating point overflow")});
    EXPECT_EQ(texts({win->exp, win->dopor}), (QStringList{kExposure, kRecommendation}));
}

TEST_F(ExposureWindow, LongestPointExposure)
{
    open();
    ModalAnswerer answerer;
    struct Case {
        const char *degrees, *minutes, *f, *k, *exposure, *recommendation;
    };
    const Case cases[] = {
        {"0", "0", "50", "1000", "Expoziční čas: 0 hod 0 min 20 sec ", "Doporučená expozice: B (popř. T)"},
        {"0", "0", "1000", "200", "Expoziční čas: 0,2 sec", "Doporučená expozice: 1/4 sec"},
        {"60", "0", "50", "1000", "Expoziční čas: 0 hod 0 min 40 sec ", "Doporučená expozice: B (popř. T)"},
        {"-10", "30", "1000", "200", "Expoziční čas: 0,202781 sec", "Doporučená expozice: 1/4 sec"}, // −9,5°
        {"90", "0", "50", "1000", "Expoziční čas: NEKONEČNĚ DLOUHÁ EXPOZICE", "Doporučená expozice:"},
        {"89", "60", "50", "1000", "Expoziční čas: NEKONEČNĚ DLOUHÁ EXPOZICE", "Doporučená expozice:"},
        {"-90", "0", "50", "1000", "Expoziční čas: NEKONEČNĚ DLOUHÁ EXPOZICE", "Doporučená expozice:"},
        {"0", "0", "-50", "1000", "Expoziční čas:", "Doporučená expozice:"},
        {"0", "0", "0", "1000", "Expoziční čas:", "Doporučená expozice:"},
        {"-", "0", "50", "1000", "Expoziční čas:", "Doporučená expozice:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.degrees) + " " + c.minutes + " " + c.f + " " + c.k);
        win->d4->setText(QStringLiteral("0"));
        win->d5->setText(QStringLiteral("0"));
        win->f->setText(QString::fromUtf8(c.f)); // pasted: a minus sign cannot be typed here
        type(win->konst, c.k);
        type(win->d4, c.degrees);
        type(win->d5, c.minutes);
        EXPECT_EQ(texts({win->exp4, win->dopor4}), (QStringList{c.exposure, c.recommendation}));
    }
    EXPECT_TRUE(answerer.boxes.isEmpty());

    // A valid result, then the focal length emptied.
    type(win->d4, "0");
    type(win->f, "50");
    ASSERT_EQ(win->exp4->text(), QStringLiteral("Expoziční čas: 0 hod 0 min 20 sec "));
    type(win->f, "");
    EXPECT_EQ(texts({win->exp4, win->dopor4}), (QStringList{kExposure, kRecommendation}));
}

TEST_F(ExposureWindow, DeclinationOutOfRangeShowsItsMessageOnEveryChange)
{
    open();
    type(win->f, "50");
    ModalAnswerer answerer;
    type(win->d4, "100"); // the box appears once the third digit is typed
    EXPECT_EQ(answerer.texts(), QStringList{kOutOfRange});
    EXPECT_EQ(win->exp4->text(), kExposure);
    type(win->d4, "90");
    type(win->d5, "1");
    EXPECT_EQ(answerer.texts(), (QStringList{kOutOfRange, kOutOfRange}));
    EXPECT_EQ(texts({win->exp4, win->dopor4}), (QStringList{kExposure, kRecommendation}));
}

TEST_F(ExposureWindow, FieldsTakeTheirKeyFilters)
{
    open();
    const std::tuple<QLineEdit*, const char*, const char*> cases[] = {
        {win->jasedit, "-1,5.a", "1,5"}, {win->ff3, "-2,0 ", "2,0"}, {win->f, "-50", "50"},
        {win->d4, "-1,5", "-15"},        {win->d5, "-7", "-7"},      {win->d6, "-1,5", "-1"},
    };
    for (const auto& [field, typed, shown] : cases) {
        SCOPED_TRACE(field->objectName().toStdString());
        type(field, typed);
        EXPECT_EQ(field->text(), QString::fromUtf8(shown));
    }
}

TEST_F(ExposureWindow, FilterAndReciprocityListsCopyTheirValues)
{
    for (QComboBox* list : {win->ComboBox8, win->ComboBox12, win->ComboBox10})
        EXPECT_EQ(list->count(), 40) << list->objectName().toStdString();
    for (QComboBox* list : {win->ComboBox9, win->ComboBox13, win->ComboBox11})
        EXPECT_EQ(list->count(), 6) << list->objectName().toStdString();
    EXPECT_EQ(win->ComboBox10->itemText(17), QStringLiteral("20,0 #29 (F) tmavě červený, černobílý film"));
    EXPECT_EQ(win->ComboBox12->itemText(36), QStringLiteral("1000000  Sluneční filtr, D6.0 (Solar-Skreen)"));
    EXPECT_EQ(win->ComboBox8->itemText(34), QStringLiteral("1,2   Širokopásmový mlhovinový  (na emisní mlhoviny)"));
    EXPECT_EQ(win->ComboBox11->itemText(5), QStringLiteral("0,70   Starší rychlé filmy, Kodak Tri-X Pan"));

    open();
    const std::tuple<QComboBox*, int, QLineEdit*, const char*> cases[] = {
        {win->ComboBox8, 17, win->ff1, "20,0"},  {win->ComboBox12, 36, win->ff2, "1000000"},
        {win->ComboBox10, 39, win->ff3, "6300"}, {win->ComboBox10, 34, win->ff3, "1,2"},
        {win->ComboBox9, 5, win->r1, "0,70"},    {win->ComboBox13, 2, win->r2, "0,90"},
        {win->ComboBox11, 1, win->r3, "0,95"},   {win->ComboBox8, 0, win->ff1, "1,0"},
    };
    for (const auto& [list, index, field, value] : cases) {
        SCOPED_TRACE(list->objectName().toStdString() + " " + std::to_string(index));
        pick(list, index);
        EXPECT_EQ(field->text(), QString::fromUtf8(value));
    }
    // The copied value takes part at once: N = 4, S = 100, B = 1 with k = 2 and p = 0,9.
    type(win->clonaedit, "4");
    type(win->asaedit, "100");
    pick(win->ComboBox8, 4);
    pick(win->ComboBox9, 2);
    EXPECT_EQ(win->exp->text(), QStringLiteral("Expoziční čas: 0,3613539 sec"));
}

TEST_F(ExposureWindow, ConstantListWritesItsConstant)
{
    open();
    ASSERT_EQ(win->ComboBox7->count(), 4);
    const char* constants[] = {"200", "600", "1000", "1397"};
    for (int index : {0, 1, 3, 2}) {
        pick(win->ComboBox7, index);
        EXPECT_EQ(win->konst->text(), QString::fromLatin1(constants[index]));
    }
    EXPECT_EQ(win->ComboBox7->itemText(0), QStringLiteral("Pro přesně bodové zobrazení hvězdy (k = 200)"));
    type(win->konst, "77");
    win->ComboBox7->setCurrentIndex(-1);
    win->ComboBox7Change();
    EXPECT_EQ(win->konst->text(), QStringLiteral("77"));
}

TEST_F(ExposureWindow, ShowingReloadsTheCataloguesAndKeepsTheOtherFields)
{
    open();
    EXPECT_EQ(win->focusWidget(), win->jasedit);
    EXPECT_EQ(win->ComboBox1->currentText(), QStringLiteral("Jednotka"));
    const QStringList filled{"1", "1", "1", "100", "1000", "100", "1000", "25"};
    auto catalogueFields = [&] {
        return QStringList{win->jasedit->text(),   win->jasedit2->text(),  win->jasedit3->text(),
                           win->ddaledit2->text(), win->fdaledit2->text(), win->ddaledit3->text(),
                           win->fdaledit3->text(), win->fokedit3->text()};
    };
    EXPECT_EQ(catalogueFields(), filled);
    EXPECT_EQ(win->konst->text(), QStringLiteral("1000"));

    pick(win->ComboBox8, 4);
    pick(win->ComboBox13, 3);
    pick(win->ComboBox7, 0);
    pick(win->ComboBox1, 1);
    type(win->asaedit, "400");
    type(win->ddaledit3, "80");
    win->BitBtn1->click();
    ASSERT_FALSE(win->isVisible());

    folder.write(QStringLiteral("data/Jasnosti.dat"), "#name=Zkouska$j=2$#name=Andromeda$j=0,5$");
    open();
    EXPECT_EQ(win->ComboBox3->count(), 2);
    EXPECT_EQ(win->ComboBox6->currentText(), QStringLiteral("Andromeda"));
    EXPECT_EQ(catalogueFields(), (QStringList{"0,5", "0,5", "0,5", "100", "1000", "100", "1000", "25"}));
    for (QComboBox* list :
         {win->ComboBox8, win->ComboBox12, win->ComboBox10, win->ComboBox9, win->ComboBox13, win->ComboBox11})
        EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
    EXPECT_EQ(win->ComboBox7->currentIndex(), 2);
    EXPECT_EQ((QStringList{win->ff1->text(), win->r2->text(), win->konst->text(), win->asaedit->text()}),
              (QStringList{"2,0", "0,85", "1000", "400"}));
}

TEST_F(ExposureWindow, UnreadableCatalogues)
{
    folder.remove(QStringLiteral("data/Dalekohledy.dat"));
    {
        ModalAnswerer answerer;
        open();
        EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("File not found")});
    }
    // The lists before the broken file are filled; no first entry is applied.
    EXPECT_EQ(win->ComboBox3->count(), 2);
    EXPECT_EQ(win->ComboBox2->count(), 0);
    EXPECT_EQ(win->ComboBox5->count(), 0);
    EXPECT_EQ(win->jasedit->text(), QStringLiteral("0"));

    folder.remove(QStringLiteral("data/Jasnosti.dat"));
    ModalAnswerer answerer;
    pick(win->ComboBox1, 0);
    EXPECT_EQ(answerer.texts(),
              QStringList{QStringLiteral("Chyba při zpracování databázového souboru data\\jasnosti.dat")});
    EXPECT_EQ(win->jasedit->text(), QString());
}

TEST_F(ExposureWindow, HandsControlBackToBothMainWindows)
{
    EXPECT_EQ(win->objectName(), QStringLiteral("TForm8"));
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Expoziční časy"));
    EXPECT_LE(win->width(), 1000);
    EXPECT_LE(win->height(), 680);
    for (const QWidget* w : win->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(win->rect().contains(w->geometry())) << w->objectName().toStdString();
    EXPECT_EQ(win->BitBtn1->text(), QStringLiteral("&Zavřít"));

    for (bool byButton : {true, false}) {
        open();
        EXPECT_TRUE(win->isVisible());
        EXPECT_FALSE(form1()->isEnabled());
        EXPECT_FALSE(app().form4()->isEnabled());
        if (byButton)
            win->BitBtn1->click();
        else
            win->close();
        EXPECT_FALSE(win->isVisible());
        EXPECT_TRUE(form1()->isEnabled());
        EXPECT_TRUE(app().form4()->isEnabled());
    }
}

TEST_F(ExposureWindow, OnlyTheBasicDeclinationFieldsCarryTheRangeHint)
{
    for (const char* name : {"d4", "d5", "d6"})
        EXPECT_EQ(win->findChild<QLineEdit*>(QString::fromLatin1(name))->toolTip(), QString()) << name;
    for (const char* name : {"D1", "D2", "D3", "D4", "D5", "D6"})
        EXPECT_EQ(child(name)->toolTip(), QStringLiteral("Zadejte deklinaci od -90° do 90°")) << name;
}

TEST_F(ExposureWindow, HelpNoteOpensTheCalculationsPage)
{
    open();
    QTest::mouseClick(win->Memo3, Qt::LeftButton);
    ASSERT_EQ(fake->opened.size(), 1);
    EXPECT_TRUE(fake->opened[0].endsWith(QStringLiteral("vypocty.html"), Qt::CaseInsensitive))
        << fake->opened[0].toStdString();
}

// The window sets the program's hint time; a hint then shows through the program's
// own hint handling, and Qt's length-based timing is no longer used.
TEST_F(ExposureWindow, HintsShowThroughTheProgramsFixedHintTime)
{
    open();
    EXPECT_EQ(win->konst->toolTip(), win->ComboBox7->toolTip());
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), win->konst->mapToGlobal(QPoint(2, 2)));
    EXPECT_TRUE(QCoreApplication::sendEvent(win->konst, &hover));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
    EXPECT_EQ(QToolTip::text(), win->konst->toolTip());
    QToolTip::hideText();
}

} // namespace
} // namespace noktaris::test
