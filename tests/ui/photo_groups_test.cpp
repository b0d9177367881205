// The exposure, star-trail and point-exposure groups of the basic-mode window,
// typed into as a user would.
#include "support/window_test.h"

#include "optics/telescope_group.h"
#include "photo/exposure_group.h"
#include "photo/point_exposure_group.h"
#include "photo/trail_group.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace noktaris::test {
namespace {

class PhotoGroups : public WindowTest {
protected:
    void SetUp() override
    {
        // Empty catalogues leave every field at "0" after the start.
        for (const char* file : {"Dalekohledy", "Okulary", "Jasnosti"})
            folder.write(QStringLiteral("data/%1.dat").arg(QLatin1String(file)), QByteArray());
        start({Application::Window::Basic});
        exposure = form1()->GroupBox2;
        telescope = form1()->GroupBox1;
    }

    QStringList results() const { return {exposure->Exp->text(), exposure->Dopor->text()}; }

    ExposureGroup* exposure = nullptr;
    TelescopeGroup* telescope = nullptr;
};

TEST_F(PhotoGroups, CameraLensExposures)
{
    // All fields at "0": 0 / 0, the bare captions.
    EXPECT_EQ(results(), (QStringList{"Expoziční čas:", "Doporučená expozice:"}));
    type(exposure->JasEdit, "1");
    type(exposure->ASAEdit, "100");
    type(exposure->ClonaEdit, "1");
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 0,01 sec", "Doporučená expozice: 1/125 sec"}));
    type(exposure->ClonaEdit, "8");
    type(exposure->JasEdit, "0,5");
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 1,28 sec", "Doporučená expozice: 1 sec"}));
    type(exposure->JasEdit, "0,01");
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 0 hod 1 min 4 sec ", "Doporučená expozice: B (popř. T)"}));
    // No shutter speed for 0 s: the basic group leaves the recommendation empty.
    type(exposure->ClonaEdit, "0");
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 0 sec", ""}));
}

TEST_F(PhotoGroups, TelescopeAndAfocalTabsFollowTheTelescopeGroup)
{
    type(exposure->JasEdit, "1");
    type(exposure->ASAEdit, "100");
    type(telescope->DdalEdit, "150");
    type(telescope->FdalEdit, "750");
    exposure->TabControl1->setCurrentIndex(1);
    EXPECT_EQ(exposure->Info->text(), QStringLiteral("D = 150 mm, F = 750 mm"));
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 0,25 sec", "Doporučená expozice: 1/4 sec"}));
    type(telescope->FdalEdit, "1500");
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 1 sec", "Doporučená expozice: 1 sec"}));

    type(telescope->DdalEdit, "100");
    type(telescope->FdalEdit, "1000");
    type(telescope->FokEdit, "25");
    type(exposure->FfotEdit, "50");
    exposure->TabControl1->setCurrentIndex(2);
    EXPECT_EQ(exposure->Info->text(), QStringLiteral("D = 100 mm, F = 1000 mm, f(okuláru) = 25 mm"));
    EXPECT_EQ(exposure->Svet->text(), QStringLiteral("Světelnost: 20"));
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 0 hod 0 min 4 sec ", "Doporučená expozice: B (popř. T)"}));
    // The eyepiece of the exposure group can be overwritten by hand.
    type(exposure->FokEdit2, "50");
    EXPECT_EQ(exposure->Svet->text(), QStringLiteral("Světelnost: 10"));

    type(telescope->DdalEdit, "0");
    EXPECT_EQ(results(), (QStringList{"Expoziční čas:", "Doporučená expozice:"}));
    EXPECT_EQ(exposure->Svet->text(), QStringLiteral("Světelnost:"));
}

TEST_F(PhotoGroups, NegativePastedInputRestoresTheCaptions)
{
    type(exposure->JasEdit, "1");
    type(exposure->ASAEdit, "100");
    type(exposure->ClonaEdit, "2");
    ASSERT_EQ(exposure->Exp->text(), QStringLiteral("Expoziční čas: 0,04 sec"));
    exposure->ClonaEdit->setText(QStringLiteral("-2")); // (-2)² gives a number, the test still resets
    EXPECT_EQ(results(), (QStringList{"Expoziční čas:", "Doporučená expozice:"}));
    // On the telescope tab the aperture is not tested.
    exposure->ClonaEdit->setText(QStringLiteral("2"));
    exposure->TabControl1->setCurrentIndex(1);
    type(telescope->FdalEdit, "750");
    telescope->DdalEdit->setText(QStringLiteral("-150"));
    EXPECT_EQ(results(), (QStringList{"Expoziční čas: 0,25 sec", "Doporučená expozice: 1/4 sec"}));
}

TEST_F(PhotoGroups, OverflowReachesTheGeneralErrorReport)
{
    type(exposure->JasEdit, "1");
    type(exposure->ASAEdit, "100");
    ModalAnswerer answerer;
    exposure->ClonaEdit->setText(QStringLiteral("1E3000"));
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Floating point overflow")});
    EXPECT_EQ(results(), (QStringList{"Expoziční čas:", "Doporučená expozice:"}));
}

TEST_F(PhotoGroups, StarTrail)
{
    TrailGroup* trail = form1()->GroupBox3;
    type(trail->CasEdit, "60");
    type(trail->FfotEdit2, "50");
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy: 0,22 mm"));
    type(trail->D1, "60");
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy: 0,11 mm"));
    type(trail->D1, "89");
    type(trail->D2, "60");
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy: 0 mm"));
    type(trail->D1, "-");
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy:"));

    // Typing 100 digit by digit: the box appears once the third digit is typed.
    type(trail->D2, "0");
    ModalAnswerer answerer;
    type(trail->D1, "100");
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Deklinace musí být mezi -90° a 90°!")});
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy:"));
    // The reset gives a trail of no length, not the bare caption.
    trail->BitBtn7->click();
    EXPECT_EQ(trail->Draha->text(), QStringLiteral("Délka dráhy: 0 mm"));
}

TEST_F(PhotoGroups, PointExposureWithTheConstantFromConfig)
{
    PointExposureGroup* point = form1()->GroupBox8;
    type(point->F, "50");
    EXPECT_EQ(point->Label31->text(), QStringLiteral("Expoziční čas: 0 hod 0 min 20 sec"));
    type(point->D4, "-90");
    EXPECT_EQ(point->Label31->text(), QStringLiteral("Expoziční čas: NEKONEČNĚ DLOUHÁ EXPOZICE"));
    type(point->D4, "0");
    // Minutes of this group take a sign: -30' adds -0,5°.
    type(point->D5, "-30");
    EXPECT_EQ(point->Label31->text(), QStringLiteral("Expoziční čas: 0 hod 0 min 20 sec"));
    point->F->setText(QStringLiteral("-50"));
    EXPECT_EQ(point->Label31->text(), QStringLiteral("Expoziční čas:"));

    setConfig(QByteArray(config()).replace("k3=1000", "k3=200"));
    type(point->F, "10");
    EXPECT_EQ(point->Label31->text(), QStringLiteral("Expoziční čas: 0 hod 0 min 20 sec"));

    folder.remove(QStringLiteral("config.ini"));
    ModalAnswerer answerer;
    type(point->F, "5");
    EXPECT_EQ(answerer.texts(),
              QStringList(2, QStringLiteral("Chyba při zpracování inicializačního souboru config.ini")));
    EXPECT_EQ(point->Label31->text(), QStringLiteral("Expoziční čas: 0 hod 0 min 0 sec"));
}

TEST_F(PhotoGroups, BrightnessPickFillsTheField)
{
    folder.write(QStringLiteral("data/Jasnosti.dat"), "#name=Mesic v uplnku$j=125$#name=Jupiter$j=25$");
    destroyWindows();
    start({Application::Window::Basic});
    ExposureGroup* group = form1()->GroupBox2;
    EXPECT_EQ(group->JasEdit->text(), QStringLiteral("25"));
    group->Jasnosti->setFocus();
    QTest::keyClick(group->Jasnosti, Qt::Key_Down);
    EXPECT_EQ(group->JasEdit->text(), QStringLiteral("125"));
}

} // namespace
} // namespace noktaris::test
