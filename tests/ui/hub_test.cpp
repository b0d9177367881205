// The extended-mode hub: its buttons, menu, status line and hand-over.
#include "support/window_test.h"

#include "app/about_box.h"
#include "catalogue/editor_window.h"
#include "config/settings_window.h"
#include "graphs/graph_window.h"

#include "app/hub_window.h"

#include <QAction>
#include <QPushButton>

namespace noktaris::test {
namespace {

class Hub : public WindowTest {
protected:
    void SetUp() override
    {
        setConfig(QByteArray(config()).replace("Rezim:1", "Rezim:2"));
        start();
        hub = application().form4();
    }
    TForm4* hub = nullptr;
};

TEST_F(Hub, StartsInTheExtendedModeWithItsStatusLine)
{
    ASSERT_TRUE(hub->isVisible());
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_EQ(hub->windowTitle(), QStringLiteral("Noktaris 1.4 (rozšířený režim)"));
    EXPECT_EQ(hub->centralWidget()->width(), 548);
    // 142 for the three columns of five, and a row of 24 below them for the planning windows.
    EXPECT_EQ(hub->centralWidget()->height() + hub->statusBar()->height(), 142 + 24);
    EXPECT_EQ(hub->StatusBar1->panelText(0), QStringLiteral(" Noktaris 1.4 - Volná paměť: 524288kB (50%)"));
    EXPECT_EQ(hub->StatusBar1->panelText(1), QStringLiteral("1280 x 1024"));
    fake->memory.freeBytes = std::uint64_t(3) << 40;
    fake->memory.totalBytes = std::uint64_t(4) << 40;
    hub->Pamet->setInterval(1);
    form1()->Pamet->setInterval(1); // hidden, and refreshed all the same
    const QString expected = QStringLiteral(" Noktaris 1.4 - Volná paměť: 3221225472kB (75%)");
    EXPECT_TRUE(QTest::qWaitFor([&] { return hub->StatusBar1->panelText(0) == expected; }, 5000))
        << hub->StatusBar1->panelText(0).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form1()->StatusBar1->panelText(0) == expected; }, 5000))
        << form1()->StatusBar1->panelText(0).toStdString();
}

TEST_F(Hub, EachCalculationButtonDisablesBothMainWindowsUntilItsWindowCloses)
{
    using W = Application::Window;
    const std::pair<QPushButton*, W> buttons[] = {
        {hub->BitBtn2, W::Telescope},   {hub->BitBtn4, W::Ccd},       {hub->BitBtn3, W::Exposure},
        {hub->BitBtn15, W::Ratios},     {hub->BitBtn7, W::Fields},    {hub->BitBtn9, W::Guiding},
        {hub->BitBtn14, W::DoubleStar}, {hub->BitBtn8, W::ImageSize}, {hub->BitBtn6, W::Brightness},
        {hub->BitBtn5, W::Graphs},
    };
    for (const auto& [button, window] : buttons) {
        SCOPED_TRACE(button->text().toStdString());
        button->click();
        EXPECT_TRUE(app().window(window)->isVisible());
        EXPECT_FALSE(hub->isEnabled());
        EXPECT_FALSE(form1()->isEnabled());
        app().window(window)->close();
        EXPECT_TRUE(hub->isEnabled());
        EXPECT_TRUE(form1()->isEnabled());
    }
}

TEST_F(Hub, ButtonsHaveTheirCaptions)
{
    const std::pair<QPushButton*, const char*> buttons[] = {
        {hub->BitBtn2, "Parametry dalekohledu"},
        {hub->BitBtn4, "Parametry CCD"},
        {hub->BitBtn3, "Expoziční časy"},
        {hub->BitBtn15, "Světelnosti různých sestav"},
        {hub->BitBtn7, "Zorná pole různých sestav"},
        {hub->BitBtn9, "Parametry pointace"},
        {hub->BitBtn14, "Min zvětšení k rozliš. dvojhvězdy"},
        {hub->BitBtn8, "Rozměry obrazů na negativu"},
        {hub->BitBtn6, "Výpočet poměrných jasností"},
        {hub->BitBtn5, "Grafy"},
        {hub->BitBtn16, "Přepnout na základní režim"},
        {hub->BitBtn17, "Správa databází"},
        {hub->BitBtn18, "HTML Manuál"},
        {hub->BitBtn19, "O aplikaci ..."},
        {hub->BitBtn1, "&Konec"},
    };
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        // Every caption fits its button.
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8) << caption;
    }
}

TEST_F(Hub, SwitchBackRemembersTheModeAndHidesTheAboutBox)
{
    const QByteArray before = config();
    hub->BitBtn19->click();
    EXPECT_TRUE(app().form2()->isVisible());
    hub->BitBtn16->click();
    EXPECT_FALSE(hub->isVisible());
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_FALSE(app().form2()->isVisible());
    EXPECT_EQ(config(), QByteArray(before).replace("Rezim:2", "Rezim:1"));
    // And back through the hub's own menu after the basic window's one.
    form1()->menu.Rozenvpoty1->trigger();
    EXPECT_TRUE(hub->isVisible());
    hub->menu.Zkladnvpoty1->trigger();
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_EQ(config(), QByteArray(before).replace("Rezim:2", "Rezim:1"));
}

TEST_F(Hub, MenuGreysTheChipCatalogueButTheButtonOpensTheEditor)
{
    EXPECT_FALSE(hub->menu.CCDipy1->isEnabled());
    EXPECT_TRUE(form1()->menu.CCDipy1->isEnabled());
    EXPECT_TRUE(hub->menu.Rozenvpoty1->isChecked());
    EXPECT_EQ(hub->menu.Popisprogramu->objectName(), QStringLiteral("Popisprogramu1"));
    EXPECT_EQ(hub->menu.Vzorce->objectName(), QStringLiteral("Vpoetnvzorce1"));
    hub->BitBtn17->click();
    EXPECT_TRUE(app().form3()->isVisible());
    EXPECT_FALSE(hub->isEnabled());
    app().form3()->close();
    hub->menu.Vpoty1->trigger();
    EXPECT_TRUE(app().form15()->isVisible());
    EXPECT_FALSE(hub->isEnabled());
}

TEST_F(Hub, ManualButtonOpensTheIndexAndEndButtonEndsTheProgram)
{
    hub->BitBtn18->click();
    ASSERT_EQ(fake->opened.size(), 1);
    EXPECT_TRUE(fake->opened[0].endsWith(QStringLiteral("html/index.html")));
    hub->BitBtn1->click();
    EXPECT_FALSE(hub->isVisible());
    EXPECT_FALSE(form1()->isVisible());
}

TEST_F(Hub, MinimisingTheHubMinimisesTheOpenWindowsToo)
{
    hub->BitBtn5->click();
    hub->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return app().form12()->isMinimized(); }, 5000));
    app().form12()->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hub->isMinimized(); }, 5000));
}

} // namespace
} // namespace noktaris::test
