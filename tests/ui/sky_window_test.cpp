// "Obloha a expozice": opened from the menus and the hub, its lists filling their
// fields, typed into as a user types (the manual's Bortle 5 examples), the camera's
// colour flag, a camera saved from it, and its plot checked at a few pixels.
#include "support/window_test.h"

#include "app/hub_window.h"
#include "common/pick_list.h"
#include "common/spin_field.h"
#include "planning/sky_window.h"
#include "planning/snr_plot.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>

#include <cmath>

namespace noktaris::test {
namespace {

using W = Application::Window;

const QString kCameraFile = QStringLiteral("data/Kamery.dat");
const QByteArray kCameras = "#name=Mono IMX571$p=3,76$x=6248$y=4176$rn=3,5$fw=50000$qe=91$bayer=0$g=0$"
                            "#name=Barevna IMX571$p=3,76$x=6248$y=4176$rn=3,5$fw=50000$qe=80$bayer=1$g=0$";

class SkyWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("data/Dalekohledy.dat"), "#name=Newton 200/800$D=200$F=800$");
        folder.write(kCameraFile, kCameras);
        start({W::Basic, W::Hub});
    }

    SkyWindow* openWindow()
    {
        form1()->menu.skyAction->trigger();
        return app().skyWindow();
    }

    static QStringList results(const SkyWindow* w)
    {
        return texts(
            {w->skyRateLabel, w->targetRateLabel, w->minSubLabel, w->saturationLabel, w->subSnrLabel, w->totalLabel});
    }

    // The manual's night: Bortle 5, 25 % obstruction, the mono camera, a nebula of 24.
    static void typeNight(SkyWindow* w)
    {
        pick(w->cameraList, 1);
        type(w->obstructionEdit, "25");
        type(w->targetEdit, "24");
    }
};

TEST_F(SkyWindowTest, OpensFromBothMenusAndTheHubByTheHandOverRules)
{
    const struct {
        const char* how;
        std::function<void()> open;
    } rows[] = {
        {"basic-mode menu", [this] { form1()->menu.skyAction->trigger(); }},
        {"hub menu", [this] { app().form4()->menu.skyAction->trigger(); }},
        {"hub button", [this] { app().form4()->skyButton->click(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        row.open();
        SkyWindow* w = app().skyWindow();
        ASSERT_TRUE(w->isVisible());
        EXPECT_EQ(w->objectName(), QStringLiteral("SkyWindow"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Obloha a expozice"));
        EXPECT_FALSE(form1()->isEnabled());
        EXPECT_FALSE(app().form4()->isEnabled());
        w->BitBtn1->click();
        EXPECT_TRUE(form1()->isEnabled());
        EXPECT_TRUE(app().form4()->isEnabled());
    }
    EXPECT_EQ(app().form4()->skyButton->geometry(), QRect(185, 121, 177, 23));
}

TEST_F(SkyWindowTest, ListsFillTheirFields)
{
    SkyWindow* w = openWindow();
    EXPECT_EQ(w->bortleList->currentText(), QStringLiteral("5 – předměstí"));
    EXPECT_EQ(w->skyEdit->text(), QStringLiteral("20"));
    EXPECT_EQ(w->bandwidthEdit->text(), QStringLiteral("300"));
    // The first camera (sorted) is the colour one: its flag is ticked.
    EXPECT_EQ(w->cameraList->currentText(), QStringLiteral("Barevna IMX571"));
    EXPECT_TRUE(w->bayerCheck->isChecked());
    const struct {
        PickList* SkyWindow::*list;
        int index;
        QLineEdit* SkyWindow::*field;
        const char* text;
    } rows[] = {
        {&SkyWindow::bortleList, 0, &SkyWindow::skyEdit, "22"},
        {&SkyWindow::bortleList, 8, &SkyWindow::skyEdit, "17,5"},
        {&SkyWindow::filterList, 4, &SkyWindow::bandwidthEdit, "7"},
        {&SkyWindow::filterList, 7, &SkyWindow::bandwidthEdit, "7"}, // "vlastní" keeps the field
        {&SkyWindow::filterList, 1, &SkyWindow::bandwidthEdit, "100"},
        {&SkyWindow::cameraList, 1, &SkyWindow::qeEdit, "91"},
        {&SkyWindow::cameraList, 1, &SkyWindow::readNoiseEdit, "3,5"},
        {&SkyWindow::cameraList, 1, &SkyWindow::fullWellEdit, "50000"},
        {&SkyWindow::telescopeList, 0, &SkyWindow::focalEdit, "800"},
    };
    for (const auto& row : rows) {
        pick(w->*row.list, row.index);
        EXPECT_EQ((w->*row.field)->text(), QString::fromUtf8(row.text)) << (w->*row.list)->currentText().toStdString();
    }
    EXPECT_FALSE(w->bayerCheck->isChecked()) << "the mono camera";
}

TEST_F(SkyWindowTest, TypedAsAUserTheManualsBortleFiveExamples)
{
    SkyWindow* w = openWindow();
    typeNight(w);
    EXPECT_EQ(results(w),
              (QStringList{"Obloha: 6,05 e⁻/s na pixel", "Objekt: 0,152 e⁻/s na pixel", "Nejkratší snímek: 19,8 s",
                           "Nasycení oblohou: 8271 s", "SNR jednoho snímku: 0,259",
                           "Potřeba: 5982 snímků, celkem 32 hod 51 min 0 sec"}));
    pick(w->filterList, 4);     // Hα 7 nm
    pick(w->targetKindList, 1); // emisní mlhovina
    EXPECT_EQ(results(w),
              (QStringList{"Obloha: 0,141 e⁻/s na pixel", "Objekt: 0,152 e⁻/s na pixel", "Nejkratší snímek: 847,3 s",
                           "Nasycení oblohou: 354464 s", "SNR jednoho snímku: 7,97",
                           "Potřeba: 7 snímků, celkem 1 hod 38 min 51 sec"}));
    expectAfterTyping({
        {w->subEdit, "300", w->totalLabel, "Potřeba: 20 snímků, celkem 1 hod 40 min 0 sec"},
        {w->subEdit, "400000", w->saturationLabel, "Nasycení oblohou: 354464 s – pozor, kratší než použitý snímek!"},
        {w->subEdit, "0", w->totalLabel, "Potřeba:"},
        {w->subEdit, "", w->minSubLabel, "Nejkratší snímek: 847,3 s"},
        {w->toleranceEdit, "0", w->minSubLabel, "Nejkratší snímek:"},
        {w->toleranceEdit, "10", w->minSubLabel, "Nejkratší snímek: 413,5 s"}, // k = 1 / 0,21
        {w->obstructionEdit, "100", w->skyRateLabel, "Obloha:"},
        {w->obstructionEdit, "25", w->skyRateLabel, "Obloha: 0,141 e⁻/s na pixel"},
    });
    // The colour flag takes two thirds of the light away.
    w->bayerCheck->setChecked(true);
    EXPECT_EQ(w->skyRateLabel->text(), QStringLiteral("Obloha: 0,047 e⁻/s na pixel"));
    // Binning 2 in software: four times the light.
    w->bayerCheck->setChecked(false);
    QTest::keyClick(w->binningSpin, Qt::Key_Up);
    EXPECT_EQ(w->skyRateLabel->text(), QStringLiteral("Obloha: 0,564 e⁻/s na pixel"));
}

TEST_F(SkyWindowTest, SavedCameraKeepsWhatThisWindowDoesNotShow)
{
    SkyWindow* w = openWindow();
    type(w->readNoiseEdit, "1,2");
    w->bayerCheck->setChecked(false);
    {
        ModalAnswerer answer;
        w->saveCameraButton->click();
        EXPECT_EQ(answer.texts(),
                  QStringList{"Kamera „Barevna IMX571“ už v databázi je. Nahradit její hodnoty hodnotami z okna?"});
    }
    EXPECT_TRUE(folder.read(kCameraFile)
                    .endsWith("#name=Barevna IMX571$p=3,76$x=6248$y=4176$rn=1,2$fw=50000$qe=80$bayer=0$g=0$"));
}

// The plot: the wanted ratio as a red row, and the stack's curve reaching it in the
// column of the total time.
TEST_F(SkyWindowTest, PlotCrossesTheWantedRatioAtTheTotalTime)
{
    SkyWindow* w = openWindow();
    typeNight(w);
    pick(w->filterList, 4);
    pick(w->targetKindList, 1);
    type(w->subEdit, "300"); // 20 subs, 6000 s: the plot runs to 2 h
    SnrPlot* plot = w->snrPlot;
    ASSERT_TRUE(plot->curve().has_value());
    EXPECT_EQ(plot->timeRange(), 12000.0);
    const QImage image = plot->grab().toImage();
    const QRect area = plot->plotArea();
    const int wantedY = int(std::lround(plot->pointAt(0, 20).y()));
    for (const int x : {area.left() + 2, area.center().x(), area.right() - 1})
        EXPECT_EQ(image.pixel(x, wantedY), SnrPlot::kWantedColour) << x;
    // The first column where the curve stands at or above the line.
    int crossing = -1;
    for (int x = area.left() + 1; x <= area.right() && crossing < 0; ++x)
        for (int y = area.top(); y <= wantedY; ++y)
            if (image.pixel(x, y) == SnrPlot::kCurveColour) {
                crossing = x;
                break;
            }
    EXPECT_NEAR(crossing, plot->pointAt(6000, 0).x(), 1.5);
    // Before the first sub ends the stack has nothing: the curve lies on the time axis.
    const int firstSubX = int(plot->pointAt(300, 0).x());
    EXPECT_EQ(image.pixel(firstSubX - 2, area.bottom() - 3), qRgb(255, 255, 255));
    // A result that cannot be computed leaves the plot without a curve.
    type(w->snrEdit, "");
    EXPECT_FALSE(plot->curve().has_value());
}

} // namespace
} // namespace noktaris::test
