// Switching between the basic-mode window and the hub, remembering the mode in
// config.ini byte for byte, and the hand-over and minimise rules of the windows.
#include "support/window_test.h"

#include "app/about_box.h"
#include "catalogue/editor_window.h"

#include "app/hub_window.h"
#include "app/modes.h"
#include "support/child_process.h"

#include <QAction>
#include <QPushButton>
#include <functional>
#include <optional>

namespace noktaris::test {
namespace {

using ModeSwitch = WindowTest;

// Calls back whenever the watched object receives an event of the given type.
class EventRecorder : public QObject {
public:
    EventRecorder(QObject* watched, QEvent::Type type, std::function<void()> onEvent)
        : watched_(watched), type_(type), onEvent_(std::move(onEvent))
    {
        watched_->installEventFilter(this);
    }
    ~EventRecorder() override { watched_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == watched_ && event->type() == type_)
            onEvent_();
        return false;
    }

private:
    QObject* watched_;
    QEvent::Type type_;
    std::function<void()> onEvent_;
};

TEST_F(ModeSwitch, RemembersTheModeRewritingOnlyTheModeLine)
{
    const QByteArray original = config();
    ASSERT_TRUE(original.contains("Prepinac:1"));
    start();
    child<QPushButton>("BitBtn10")->click();
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_TRUE(app().form4()->isVisible());
    QByteArray expected = original;
    expected.replace("Rezim:1", "Rezim:2");
    EXPECT_EQ(config(), expected);
    EXPECT_TRUE(config().endsWith("\r\n;"));

    switchToBasicMode();
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_FALSE(app().form4()->isVisible());
    EXPECT_EQ(config(), original);
}

TEST_F(ModeSwitch, LeavesConfigUntouchedWithoutRemembering)
{
    QByteArray bytes = config();
    bytes.replace("Prepinac:1", "Prepinac:0");
    setConfig(bytes);
    start();
    form1()->menu.Rozenvpoty1->trigger();
    EXPECT_TRUE(app().form4()->isVisible());
    EXPECT_EQ(config(), bytes);
    // "Prepinac:1 " is not the exact line either.
    bytes.replace("Prepinac:0", "Prepinac:1 ");
    setConfig(bytes);
    switchToBasicMode();
    EXPECT_EQ(config(), bytes);
}

TEST_F(ModeSwitch, RememberedModeIsUsedAtTheNextStart)
{
    start();
    form1()->Rozenvpoty1Click();
    destroyWindows();
    start();
    EXPECT_TRUE(app().form4()->isVisible());
    EXPECT_FALSE(form1()->isVisible());
}

TEST_F(ModeSwitch, ConfigWithoutEndMarkerOrModeLineIsNotDamaged)
{
    start();
    const QByteArray noMarker("[CONFIG]\r\nRezim:1\r\nPrepinac:1\r\nKalkulacka:/bin/true\r\nAktualizace:0\r\n");
    setConfig(noMarker);
    form1()->Rozenvpoty1Click();
    EXPECT_EQ(config(), QByteArray(noMarker).replace("Rezim:1", "Rezim:2"));

    const QByteArray noMode = QByteArray(deliveredFile(QStringLiteral("config.ini"))).replace("Rezim:1\r\n", "");
    setConfig(noMode);
    ModalAnswerer answerer;
    switchToBasicMode();
    // Once from the window's show, once from the rewrite that found no mode line.
    EXPECT_EQ(answerer.texts(),
              QStringList(2, QStringLiteral("Chyba při zpracování inicializačního souboru config.ini")));
    EXPECT_EQ(config(), noMode);
}

TEST_F(ModeSwitch, MissingRememberLineIsReportedAndNothingIsWritten)
{
    QByteArray bytes = config();
    bytes.replace("Prepinac:1\r\n", "");
    setConfig(bytes);
    start();
    ModalAnswerer answerer;
    form1()->Rozenvpoty1Click();
    EXPECT_TRUE(app().form4()->isVisible());
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Chyba při zpracování inicializačního souboru config.ini")});
    EXPECT_EQ(config(), bytes);
}

TEST_F(ModeSwitch, FailedRewriteOnAFullDiskSaysSoAndKeepsTheFile)
{
    const QByteArray before = config();
    start();
    const ChildOutcome child = runWithFileSizeLimit(0, [this] {
        ModalAnswerer answerer;
        form1()->Rozenvpoty1Click();
        return answerer.texts().join(u'|').toUtf8();
    });
    ASSERT_TRUE(child.exited);
    EXPECT_EQ(QString::fromUtf8(child.output).toStdString(),
              "Soubor config.ini se nepodařilo uložit (soubor by byl větší, než systém dovoluje). "
              "Jeho dosavadní obsah zůstal zachován.");
    EXPECT_EQ(config(), before);
}

TEST_F(ModeSwitch, SwitchingBackReloadsThePickListsOverTypedValues)
{
    start();
    const QString first = child("DdalEdit")->text();
    child("DdalEdit")->setText(QStringLiteral("999"));
    form1()->Rozenvpoty1Click();
    switchToBasicMode();
    EXPECT_EQ(child("DdalEdit")->text(), first);
    EXPECT_EQ(form1()->showCount(), 2);
    // The start mode is consulted once per run only.
    EXPECT_FALSE(form1()->Timer1->isActive());
}

TEST_F(ModeSwitch, SwitchToBasicModeHidesTheAboutBox)
{
    start();
    form1()->menu.Oaplikaci1->trigger();
    EXPECT_TRUE(app().form2()->isVisible());
    EXPECT_TRUE(form1()->isEnabled());
    form1()->Rozenvpoty1Click();
    switchToBasicMode();
    EXPECT_FALSE(app().form2()->isVisible());
}

TEST_F(ModeSwitch, ClosingTheHubEndsTheProgram)
{
    start();
    form1()->Rozenvpoty1Click();
    app().form4()->close();
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_FALSE(app().form4()->isVisible());
}

using HandOver = WindowTest;

TEST_F(HandOver, EditorAndSettingsDisableBothMainWindowsUntilClosed)
{
    start();
    QAction* const openers[] = {form1()->menu.Dalekohledy1,  form1()->menu.Okulry1,     form1()->menu.Jasnostiobjekt1,
                                form1()->menu.Rozmryobjekt1, form1()->menu.Formtyfilm1, form1()->menu.CCDipy1,
                                form1()->menu.Vpoty1};
    for (QAction* opener : openers) {
        SCOPED_TRACE(opener->objectName().toStdString());
        QWidget* child =
            app().window(opener == form1()->menu.Vpoty1 ? Application::Window::Settings : Application::Window::Editor);
        opener->trigger();
        EXPECT_TRUE(child->isVisible());
        EXPECT_FALSE(form1()->isEnabled());
        EXPECT_FALSE(app().form4()->isEnabled());
        child->close();
        EXPECT_FALSE(child->isVisible());
        EXPECT_TRUE(form1()->isEnabled());
        EXPECT_TRUE(app().form4()->isEnabled());
    }
    child<QPushButton>("BitBtn11")->click();
    EXPECT_TRUE(app().form3()->isVisible());
    EXPECT_FALSE(form1()->isEnabled());
}

// The editor is shown first and the main windows disabled after it; the settings
// window the other way round.
TEST_F(HandOver, EditorIsShownBeforeAndSettingsAfterTheMainWindowsAreDisabled)
{
    start();
    struct Row {
        QAction* opener;
        Application::Window window;
        bool visibleWhenDisabled;
    };
    for (const Row& row : {Row{form1()->menu.Okulry1, Application::Window::Editor, true},
                           Row{form1()->menu.Vpoty1, Application::Window::Settings, false}}) {
        SCOPED_TRACE(row.opener->objectName().toStdString());
        std::optional<bool> visible;
        EventRecorder recorder(form1(), QEvent::EnabledChange, [&] {
            if (!form1()->isEnabled())
                visible = app().window(row.window)->isVisible();
        });
        row.opener->trigger();
        ASSERT_TRUE(visible.has_value());
        EXPECT_EQ(*visible, row.visibleWhenDisabled);
        app().window(row.window)->close();
    }
}

TEST_F(HandOver, MinimisingAnyWindowMinimisesTheProgramAndRestoringBringsItBack)
{
    start();
    form1()->menu.Dalekohledy1->trigger();
    app().form3()->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form1()->isMinimized() && app().form3()->isMinimized(); }, 5000));
    app().form3()->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form1()->isMinimized() && !app().form3()->isMinimized(); }, 5000));
}

TEST_F(HandOver, MenuItemsHaveTheirCaptionsAndFunctionKeys)
{
    start();
    struct Row {
        QAction* action;
        const char* caption;
        QKeySequence shortcut;
    };
    TForm1* w = form1();
    const Row rows[] = {
        {w->menu.Konec1, "Konec", QKeySequence(Qt::ALT | Qt::Key_F4)},
        {w->menu.Dalekohledy1, "Dalekohledy", Qt::Key_F2},
        {w->menu.Okulry1, "Okuláry", Qt::Key_F3},
        {w->menu.Jasnostiobjekt1, "Jasnosti objektů", Qt::Key_F4},
        {w->menu.Rozmryobjekt1, "Rozměry objektů", Qt::Key_F5},
        {w->menu.Formtyfilm1, "Formáty filmů", Qt::Key_F6},
        {w->menu.CCDipy1, "CCD čipy", Qt::Key_F7},
        {w->menu.Zkladnvpoty1, "Základní výpočty", Qt::Key_F8},
        {w->menu.Rozenvpoty1, "Rozšířené výpočty", Qt::Key_F9},
        {w->menu.Oaplikaci1, "O aplikaci ...", Qt::Key_F1},
        {w->menu.Index1, "Index", QKeySequence()},
        {w->menu.Aktualizaceonline1, "Aktualizace (online)", QKeySequence()},
        {w->menu.Email1, "E-mail", QKeySequence()},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.action->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(row.action->shortcut(), row.shortcut) << row.caption;
    }
    EXPECT_TRUE(w->menu.Zkladnvpoty1->isChecked());
}

TEST_F(HandOver, HelpItemsOpenTheLocalPagesAndTheMail)
{
    start();
    form1()->menu.Index1->trigger();
    form1()->menu.Vzorce->trigger();
    form1()->menu.Email1->trigger();
    ASSERT_EQ(fake->opened.size(), 3);
    EXPECT_TRUE(fake->opened[0].endsWith(QStringLiteral("html/index.html")));
    EXPECT_TRUE(fake->opened[1].endsWith(QStringLiteral("html/vypocty.html")));
    EXPECT_TRUE(fake->opened[2].startsWith(QStringLiteral("mailto:")));
    fake->online = false;
    ModalAnswerer answerer;
    form1()->menu.WebPage1->trigger();
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Nejste online. Připojte se a zkuste to znovu.")});
    EXPECT_EQ(fake->opened.size(), 3);
}

} // namespace
} // namespace noktaris::test
