// The resolution check of the basic-mode window under small and large screens,
// answered through the message boxes as a user would.
#include "support/window_test.h"

#include "app/modes.h"

#include <QMenuBar>

namespace noktaris::test {
namespace {

const QString kQuestion = QStringLiteral(
    "Vaše rozlišení je 800 x 600! Ke správnému zobrazení okna základního režimu je třeba nastavit rozlišení "
    "alespoň 1024 x 768. Přejete si nastavit toto rozlišení? V případě záporné odpovědi bude okno základního "
    "režimu větší než Vaše obrazovka a bude nutno jej posouvat táhlem.");
const QString kAfterSettings = QStringLiteral("Až nastavíte vyhovující rozlišení, pokračujte stiskem tlačítka.");

using Resolution = WindowTest;

TEST_F(Resolution, WideScreensAreNotAskedWhateverTheirHeight)
{
    for (QSize screen : {QSize(1280, 1024), QSize(1024, 600)}) {
        fake->screen = screen;
        ModalAnswerer answerer;
        start({Application::Window::Basic, Application::Window::Hub});
        EXPECT_TRUE(answerer.boxes.isEmpty());
        EXPECT_FALSE(form1()->scrollsContents());
        destroyWindows();
    }
}

TEST_F(Resolution, NarrowScreenIsAskedAndNoMakesTheWindowScroll)
{
    fake->screen = QSize(800, 600);
    ModalAnswerer answerer({QStringLiteral("&Ne")});
    start({Application::Window::Basic, Application::Window::Hub});
    ASSERT_EQ(answerer.boxes.size(), 1);
    EXPECT_EQ(answerer.boxes[0].caption, QStringLiteral("Nevhodné rozlišení!"));
    EXPECT_EQ(answerer.boxes[0].text, kQuestion);
    QStringList buttons = answerer.boxes[0].buttons;
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"&Ano", "&Ne", "&Vlastní..."}));
    EXPECT_TRUE(form1()->scrollsContents());
    EXPECT_EQ(fake->displayChanges, 0);
    EXPECT_EQ(form1()->StatusBar1->panelText(2), QStringLiteral("800 x 600"));
}

TEST_F(Resolution, YesChangesTheDisplayAndReportsEachOutcome)
{
    struct Row {
        DisplayChange answer;
        const char* message;
    };
    for (const Row& row : {Row{DisplayChange::Done, "Změna rozlišení proběhla v pořádku."},
                           Row{DisplayChange::RestartNeeded, "Ke změně rozlišení bude zapotřebí restartovat počítač."},
                           Row{DisplayChange::Failed, "Při změně rozlišení došlo k chybě!"}}) {
        fake->screen = QSize(800, 600);
        fake->displayAnswer = row.answer;
        fake->displayChanges = 0;
        ModalAnswerer answerer({QStringLiteral("&Ano")});
        start({Application::Window::Basic, Application::Window::Hub});
        EXPECT_EQ(fake->displayChanges, 1);
        EXPECT_EQ(answerer.texts(), (QStringList{kQuestion, QString::fromUtf8(row.message)}));
        EXPECT_FALSE(form1()->scrollsContents());
        destroyWindows();
    }
}

TEST_F(Resolution, CustomAsksAgainUntilTheScreenIsWideEnough)
{
    fake->screen = QSize(800, 600);
    fake->onDisplaySettings = [this] {
        if (fake->displaySettingsOpened == 2)
            fake->screen = QSize(1152, 864);
    };
    // Escape and the close box count as "&Vlastní...".
    ModalAnswerer answerer({QStringLiteral("&Vlastní..."), QStringLiteral("OK"), QStringLiteral("Escape")});
    start({Application::Window::Basic, Application::Window::Hub});
    EXPECT_EQ(fake->displaySettingsOpened, 2);
    EXPECT_EQ(answerer.texts(), (QStringList{kQuestion, kAfterSettings, kQuestion, kAfterSettings}));
    EXPECT_FALSE(form1()->scrollsContents());
    EXPECT_EQ(form1()->StatusBar1->panelText(2), QStringLiteral("1152 x 864"));
}

// After "&Ne" made the window scroll, a later answer that sets a wide enough
// screen lets the window fit itself to its contents again.
TEST_F(Resolution, YesAndASuccessfulCustomFitTheWindowToItsContentsAgain)
{
    for (const char* answer : {"&Ano", "&Vlastní..."}) {
        SCOPED_TRACE(answer);
        fake->screen = QSize(800, 600);
        fake->onDisplaySettings = [this] { fake->screen = QSize(1280, 1024); };
        ModalAnswerer answerer({QStringLiteral("&Ne"), QString::fromUtf8(answer), QStringLiteral("OK")});
        start({Application::Window::Basic, Application::Window::Hub});
        ASSERT_TRUE(form1()->scrollsContents());
        form1()->Rozenvpoty1Click();
        switchToBasicMode();
        EXPECT_FALSE(form1()->scrollsContents());
        EXPECT_FALSE(form1()->isMaximized());
        EXPECT_EQ(form1()->size(), QSize(1004, form1()->menuBar()->sizeHint().height() + 523));
        EXPECT_EQ(form1()->minimumSize(), form1()->maximumSize());
        destroyWindows();
    }
}

} // namespace
} // namespace noktaris::test
