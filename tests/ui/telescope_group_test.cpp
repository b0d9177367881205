// The telescope group of the basic-mode window, typed into as a user would.
#include "support/window_test.h"

#include "optics/telescope_group.h"
#include "photo/exposure_group.h"
#include "photo/image_size_group.h"
#include "photo/point_exposure_group.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace noktaris::test {
namespace {

const QStringList kFallbacks{
    "Světelnost: 0",
    "Zvětšení: 0x",
    "Maximální rozlišovací schopnost: 0",
    "Velikost zorného pole: 0°",
    "Velikost výstupní pupily: 0 mm",
    "Maximální použitelné zvětšení: 0x",
    "Minimální použitelné zvětšení: 0x",
    "Praktická mezní magnituda: 0",
    "Teoretická mezní magnituda: 0",
    "Teor. mezní detail viděný na Měsíci: 0 m",
};

class TelescopeGroupTest : public WindowTest {
protected:
    void SetUp() override
    {
        // Empty catalogues keep the fields at their initial "0" after the start.
        folder.write(QStringLiteral("data/Dalekohledy.dat"), QByteArray());
        folder.write(QStringLiteral("data/Okulary.dat"), QByteArray());
        start({Application::Window::Basic, Application::Window::DoubleStar, Application::Window::Brightness});
        group = form1()->GroupBox1;
    }

    void enter(const QString& D, const QString& F, const QString& f, const QString& u)
    {
        type(group->DdalEdit, D);
        type(group->FdalEdit, F);
        type(group->FokEdit, f);
        type(group->UhelEdit, u);
    }

    QStringList results() const
    {
        QStringList texts;
        for (const QLabel* label : {group->Svetelnost, group->Zvetseni, group->Max, group->ZP, group->VP, group->Maxroz,
                                    group->Minroz, group->Pmag, group->Tmag, group->Mesic})
            texts << label->text();
        return texts;
    }

    TelescopeGroup* group = nullptr;
};

TEST_F(TelescopeGroupTest, WorkedExampleGivesTheTenLines)
{
    EXPECT_EQ(results(), kFallbacks);
    enter("150", "750", "25", "50");
    EXPECT_EQ(results(),
              (QStringList{
                  "Světelnost: 5",
                  "Zvětšení: 30x",
                  "Maximální rozlišovací schopnost: 0,772''",
                  "Velikost zorného pole: 1° 40' 0''",
                  "Velikost výstupní pupily: 5 mm",
                  "Maximální použitelné zvětšení: 238x",
                  "Minimální použitelné zvětšení: 25x",
                  "Praktická mezní magnituda: 11,78 m",
                  "Teoretická mezní magnituda: 13,58 m",
                  "Teor. mezní detail viděný na Měsíci: 2,1 km",
              }));
    type(group->FokEdit, "2");
    EXPECT_EQ(group->Zvetseni->text(), QStringLiteral("Zvětšení: 375x - větší než max. použitelné zv.!"));
}

TEST_F(TelescopeGroupTest, MagnificationRoundsHalvesToEvenButTheFieldDoesNot)
{
    enter("200", "1000", "16", "50");
    EXPECT_EQ(group->Zvetseni->text(), QStringLiteral("Zvětšení: 62x"));
    // 50 / 62,5 = 0,8°, not 50 / 62.
    EXPECT_EQ(group->ZP->text(), QStringLiteral("Velikost zorného pole: 0° 48' 0''"));
    EXPECT_EQ(group->Svetelnost->text(), QStringLiteral("Světelnost: 5"));
    EXPECT_EQ(group->VP->text(), QStringLiteral("Velikost výstupní pupily: 3,2 mm"));
    // 200 × 1,5873 = 317,46: no warning at 62x, and the equal case gives none either.
    EXPECT_EQ(group->Maxroz->text(), QStringLiteral("Maximální použitelné zvětšení: 317x"));
}

// True fields that are exact in minutes: no seconds are lost below the minute.
TEST_F(TelescopeGroupTest, ExactFieldsShowWholeMinutes)
{
    const struct {
        const char *D, *F, *f, *u, *field;
    } rows[] = {
        {"100", "1000", "25", "52", "Velikost zorného pole: 1° 18' 0''"}, // 1,3°
        {"100", "1000", "25", "82", "Velikost zorného pole: 2° 3' 0''"},  // 2,05°
        {"100", "500", "9", "100", "Velikost zorného pole: 1° 48' 0''"},  // 1,8°
    };
    for (const auto& r : rows) {
        enter(r.D, r.F, r.f, r.u);
        EXPECT_EQ(group->ZP->text(), QString::fromUtf8(r.field)) << r.f << " mm, " << r.u << "°";
    }
}

TEST_F(TelescopeGroupTest, EqualMaximumGivesNoWarning)
{
    QByteArray bytes = config();
    bytes.replace("k1=1,5873", "k1=2");
    setConfig(bytes);
    enter("100", "1000", "5", "50"); // 200x, and D k1 = 200
    EXPECT_EQ(group->Zvetseni->text(), QStringLiteral("Zvětšení: 200x"));
    type(group->FokEdit, "4,9"); // 204x
    EXPECT_EQ(group->Zvetseni->text(), QStringLiteral("Zvětšení: 204x - větší než max. použitelné zv.!"));
}

TEST_F(TelescopeGroupTest, FailedBlocksKeepTheirFallbacksWhileLaterBlocksGoOn)
{
    enter("150", "750", "", "50");
    EXPECT_EQ(group->Svetelnost->text(), QStringLiteral("Světelnost: 5"));
    EXPECT_EQ(group->Zvetseni->text(), kFallbacks[1]);
    EXPECT_EQ(group->Pmag->text(), kFallbacks[7]);
    EXPECT_EQ(group->Tmag->text(), kFallbacks[8]);
    EXPECT_EQ(group->Max->text(), QStringLiteral("Maximální rozlišovací schopnost: 0,772''"));
    EXPECT_EQ(group->Mesic->text(), QStringLiteral("Teor. mezní detail viděný na Měsíci: 2,1 km"));
    // f never read: the exit pupil is 0 and the true field cannot be read.
    EXPECT_EQ(group->VP->text(), QStringLiteral("Velikost výstupní pupily: 0 mm"));
    EXPECT_EQ(group->ZP->text(), kFallbacks[3]);

    // D unreadable: the exit pupil divides 0 by 0 and the field falls back too.
    enter("", "750", "25", "50");
    EXPECT_EQ(results(), kFallbacks);

    // D = 0: blocks A and B fail, block C still computes.
    enter("0", "750", "25", "50");
    QStringList expected = kFallbacks;
    expected[3] = QStringLiteral("Velikost zorného pole: 1° 40' 0''");
    expected[4] = QStringLiteral("Velikost výstupní pupily: 0 mm");
    EXPECT_EQ(results(), expected);

    // A lone comma is 0 and "12," is 12.
    enter("150,", "750", ",", "50");
    EXPECT_EQ(group->Zvetseni->text(), kFallbacks[1]);
    EXPECT_EQ(group->Svetelnost->text(), QStringLiteral("Světelnost: 5"));
}

TEST_F(TelescopeGroupTest, NegativePastedValueResetsEveryResult)
{
    enter("150", "750", "25", "50");
    group->UhelEdit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("-50"));
    group->UhelEdit->paste();
    EXPECT_EQ(results(), kFallbacks);

    // The check stops at the first unreadable field: a negative after it is kept.
    group->DdalEdit->setText(QString());
    group->UhelEdit->setText(QStringLiteral("50"));
    group->FdalEdit->setText(QStringLiteral("-750"));
    EXPECT_EQ(group->Svetelnost->text(), kFallbacks[0]);
    EXPECT_EQ(group->ZP->text(), kFallbacks[3]);

    enter("150", "750", "25", "50");
    group->BitBtn9->click();
    EXPECT_EQ(results(), kFallbacks);
}

TEST_F(TelescopeGroupTest, MissingConfigIsReportedAtEveryRecomputationAndCountsAsZero)
{
    enter("150", "750", "25", "50");
    folder.remove(QStringLiteral("config.ini"));
    ModalAnswerer answerer;
    type(group->DdalEdit, "160");
    // Emptying the field and typing three digits: four recomputations.
    EXPECT_EQ(answerer.texts(),
              QStringList(4, QStringLiteral("Chyba při zpracování inicializačního souboru config.ini")));
    EXPECT_EQ(group->Zvetseni->text(), QStringLiteral("Zvětšení: 30x - větší než max. použitelné zv.!"));
    EXPECT_EQ(group->Tmag->text(), QStringLiteral("Teoretická mezní magnituda: 11,02 m"));
    EXPECT_EQ(group->Maxroz->text(), QStringLiteral("Maximální použitelné zvětšení: 0x"));
}

TEST_F(TelescopeGroupTest, ConstantsAreReadAfreshAtEveryKeystroke)
{
    enter("150", "750", "25", "5");
    QByteArray bytes = config();
    bytes.replace("k2=2,7", "k2=3");
    setConfig(bytes);
    type(group->UhelEdit, "50");
    EXPECT_EQ(group->Tmag->text(), QStringLiteral("Teoretická mezní magnituda: 13,88 m"));
    // A k2 line above the k1 line is not found: k1 counts, k2 is 0, and it is reported.
    setConfig("[KONSTANTY]\r\nk2=2,7\r\nk1=1,5873\r\n;");
    ModalAnswerer answerer;
    type(group->UhelEdit, "5");
    EXPECT_EQ(answerer.texts().size(), 2);
    EXPECT_EQ(group->Tmag->text(), QStringLiteral("Teoretická mezní magnituda: 10,88 m"));
    EXPECT_EQ(group->Maxroz->text(), QStringLiteral("Maximální použitelné zvětšení: 238x"));
}

TEST_F(TelescopeGroupTest, FeedsTheExposureAndImageSizeGroups)
{
    ExposureGroup* exposure = form1()->GroupBox2;
    ImageSizeGroup* image = form1()->GroupBox4;
    exposure->TabControl1->setCurrentIndex(1);
    image->TabControl2->setCurrentIndex(2);
    enter("150", "750", "25", "50");
    EXPECT_EQ(exposure->FokEdit2->text(), QStringLiteral("25"));
    EXPECT_EQ(image->ffokedit3->text(), QStringLiteral("25"));
    EXPECT_EQ(exposure->Info->text(), QStringLiteral("D = 150 mm, F = 750 mm"));
    EXPECT_EQ(image->info2->text(), QStringLiteral("D = 150 mm, F = 750 mm, f(okuláru) = 25 mm"));
    exposure->TabControl1->setCurrentIndex(2);
    image->TabControl2->setCurrentIndex(1);
    type(group->FdalEdit, "1200");
    EXPECT_EQ(exposure->Info->text(), QStringLiteral("D = 150 mm, F = 1200 mm, f(okuláru) = 25 mm"));
    EXPECT_EQ(image->info2->text(), QStringLiteral("F = 1200 mm"));
    // On the camera-lens tabs the lines stay as they were.
    exposure->TabControl1->setCurrentIndex(0);
    type(group->FdalEdit, "900");
    EXPECT_EQ(exposure->Info->text(), QStringLiteral("D = 150 mm, F = 1200 mm, f(okuláru) = 25 mm"));
}

TEST_F(TelescopeGroupTest, StatusLineShowsTheConstantsOfTheFocusedGroup)
{
    QApplication::setActiveWindow(form1());
    group->DdalEdit->setFocus();
    EXPECT_EQ(form1()->StatusBar1->panelText(1), QStringLiteral("k1 = 1,5873; k2 = 2,7"));
    form1()->GroupBox8->D4->setFocus();
    EXPECT_EQ(form1()->StatusBar1->panelText(1), QStringLiteral("k = 1000"));
    form1()->GroupBox2->JasEdit->setFocus();
    EXPECT_EQ(form1()->StatusBar1->panelText(1), QStringLiteral("--- KONSTANTY ---"));
}

class PickingTest : public WindowTest {};

TEST_F(PickingTest, PickingATelescopeAndAnEyepieceFillsTheFieldsAndRecomputes)
{
    folder.write(QStringLiteral("data/Dalekohledy.dat"),
                 "#name=Refraktor 80 ED$D=80$F=600$#name=Refraktor 80$D=80$F=900$#name=Reflektor 150/750$D=150$F=750$");
    folder.write(QStringLiteral("data/Okulary.dat"), "#name=Plossl 25$f=25$u=50$#name=Ortho 9$f=9$u=42$");
    start({Application::Window::Basic, Application::Window::DoubleStar, Application::Window::Brightness});
    TelescopeGroup* group = form1()->GroupBox1;
    // Sorted: Reflektor 150/750, Refraktor 80, Refraktor 80 ED; Ortho 9, Plossl 25.
    EXPECT_EQ(group->DdalEdit->text(), QStringLiteral("150"));
    EXPECT_EQ(group->FokEdit->text(), QStringLiteral("9"));
    group->Okular->setFocus();
    QTest::keyClick(group->Okular, Qt::Key_Down);
    EXPECT_EQ(group->FokEdit->text(), QStringLiteral("25"));
    EXPECT_EQ(group->UhelEdit->text(), QStringLiteral("50"));
    EXPECT_EQ(group->Zvetseni->text(), QStringLiteral("Zvětšení: 30x"));
    group->Dalekohled->setFocus();
    QTest::keyClick(group->Dalekohled, Qt::Key_Down);
    EXPECT_EQ(group->Dalekohled->currentText(), QStringLiteral("Refraktor 80"));
    EXPECT_EQ(group->FdalEdit->text(), QStringLiteral("900"));
    EXPECT_EQ(group->Zvetseni->text(), QStringLiteral("Zvětšení: 36x"));
}

TEST_F(PickingTest, UnreadableEyepieceCatalogueIsNamedAndLeavesTheFieldsEmpty)
{
    start({Application::Window::Basic, Application::Window::DoubleStar, Application::Window::Brightness});
    folder.remove(QStringLiteral("data/Okulary.dat"));
    ModalAnswerer answerer;
    form1()->OkularChange();
    EXPECT_EQ(answerer.texts(),
              QStringList{QStringLiteral("Chyba při zpracování databázového souboru data\\okulary.dat")});
    EXPECT_EQ(form1()->GroupBox1->FokEdit->text(), QString());
    EXPECT_EQ(form1()->GroupBox1->Zvetseni->text(), kFallbacks[1]);
}

} // namespace
} // namespace noktaris::test
