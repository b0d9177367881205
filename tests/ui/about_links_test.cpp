// The about box and the links of the help menus: what each opens, through the
// platform, in both main windows.
#include "support/window_test.h"

#include "app/about_box.h"
#include "app/hub_window.h"
#include "platform/links.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>

namespace noktaris::test {
namespace {

class AboutAndLinks : public WindowTest {
protected:
    void startIn(bool hub)
    {
        setConfig(QByteArray(config()).replace("Rezim:1", hub ? "Rezim:2" : "Rezim:1"));
        start();
    }
    TForm2* about() const { return app().form2(); }
    // Triggers the window's menu item or clicks its button of that name.
    static void activate(QWidget* window, const char* name)
    {
        if (auto* item = window->findChild<QAction*>(QString::fromLatin1(name)))
            item->trigger();
        else if (auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name)))
            button->click();
        else
            ADD_FAILURE() << "no item or button " << name;
    }
};

TEST_F(AboutAndLinks, AboutBoxIsABorderlessPictureWithItsLabels)
{
    start();
    TForm2* box = about();
    EXPECT_EQ(box->size(), QSize(350, 220));
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_FALSE(box->Image1->pixmap().isNull()) << "the artwork is built into the program";
    EXPECT_EQ(box->Image1->geometry(), QRect(0, 0, 350, 220));
    EXPECT_EQ(texts({box->Label1, box->Label2, box->Label3}),
              (QStringList{webLocation(), authorMail(), QStringLiteral("verze 1.4")}));
    EXPECT_FALSE(box->Label4->text().isEmpty());
    EXPECT_EQ(box->BitBtn1->text(), QStringLiteral("OK"));
    // Every label and the button lie whole inside the box, the button clear of the labels.
    for (QWidget* w :
         std::initializer_list<QWidget*>{box->Label1, box->Label2, box->Label3, box->Label4, box->BitBtn1}) {
        EXPECT_TRUE(box->rect().contains(w->geometry())) << w->objectName().toStdString();
        if (w != box->BitBtn1) {
            EXPECT_FALSE(w->geometry().intersects(box->BitBtn1->geometry())) << w->objectName().toStdString();
        }
    }
    for (QLabel* link : {box->Label1, box->Label2})
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutAndLinks, AboutBoxOpensFromMenusAndButtonWithoutDisablingAnything)
{
    const struct {
        bool hub;
        const char* opener;
    } rows[] = {{false, "Oaplikaci1"}, {true, "Oaplikaci1"}, {true, "BitBtn19"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.opener);
        startIn(row.hub);
        activate(row.hub ? app().window(Application::Window::Hub) : app().window(Application::Window::Basic),
                 row.opener);
        EXPECT_TRUE(about()->isVisible());
        EXPECT_TRUE(form1()->isEnabled());
        EXPECT_TRUE(app().form4()->isEnabled());
        about()->BitBtn1->click();
        EXPECT_FALSE(about()->isVisible());
        destroyWindows();
    }
}

TEST_F(AboutAndLinks, AboutBoxLinksOpenThePageEvenOfflineAndANewMail)
{
    start();
    form1()->menu.Oaplikaci1->trigger();
    fake->online = false;
    ModalAnswerer answerer;
    QTest::mouseClick(about()->Label1, Qt::LeftButton);
    QTest::mouseClick(about()->Label2, Qt::LeftButton);
    EXPECT_EQ(fake->opened,
              (QStringList{webLocation() + QStringLiteral("/index.html"), QStringLiteral("mailto:") + authorMail()}));
    EXPECT_TRUE(answerer.texts().isEmpty());
}

TEST_F(AboutAndLinks, HelpMenuItemsOpenTheirTargetsInBothWindows)
{
    const QString web = webLocation() + QStringLiteral("/index.html");
    const QString mail = QStringLiteral("mailto:") + authorMail();
    const struct {
        bool hub;
        const char* item;
        QString target; // a local page ends so, a link is equal
        bool maximised;
    } rows[] = {
        {false, "Index1", QStringLiteral("html/index.html"), true},
        {false, "Popisprogramuoffline1", QStringLiteral("html/popis.html"), true},
        {false, "Vzorce1", QStringLiteral("html/vypocty.html"), true},
        {false, "Oaplikaci2", QStringLiteral("html/aplikace.html"), true},
        {false, "WebPage1", web, true},
        {false, "Email1", mail, true},
        {true, "Index1", QStringLiteral("html/index.html"), true},
        {true, "Popisprogramu1", QStringLiteral("html/popis.html"), true},
        {true, "Vpoetnvzorce1", QStringLiteral("html/vypocty.html"), true},
        {true, "Oaplikaci2", QStringLiteral("html/aplikace.html"), true},
        {true, "WebPage1", web, true},
        {true, "Email1", mail, true},
        {true, "BitBtn18", QStringLiteral("html/index.html"), false}, // the hub's "HTML Manuál", not maximised
    };
    for (const bool hub : {false, true}) {
        startIn(hub);
        QWidget* window = hub ? app().window(Application::Window::Hub) : app().window(Application::Window::Basic);
        for (const auto& row : rows) {
            if (row.hub != hub)
                continue;
            SCOPED_TRACE(row.item);
            fake->opened.clear();
            fake->openedMaximised.clear();
            activate(window, row.item);
            ASSERT_EQ(fake->opened.size(), 1);
            EXPECT_EQ(fake->openedMaximised, QList<bool>{row.maximised});
            const QString& opened = fake->opened.first();
            if (row.target.startsWith(QStringLiteral("html/"))) {
                EXPECT_TRUE(opened.endsWith(row.target)) << opened.toStdString();
                EXPECT_TRUE(QFileInfo(opened).isFile()) << "the delivered help page " << opened.toStdString();
            } else {
                EXPECT_EQ(opened, row.target);
            }
        }
        EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("WebPage1"))->text(), webLocation());
        destroyWindows();
    }
}

TEST_F(AboutAndLinks, LinksSayWhatCouldNotBeOpened)
{
    const QString tail = QStringLiteral(" se nepodařilo otevřít: chybí program, který by ji otevřel (xdg-open z balíku "
                                        "xdg-utils a ");
    const struct {
        const char* item;
        QString message;
    } rows[] = {
        {"Index1",
         QStringLiteral("Stránku nápovědy ") + programFile(QStringLiteral("html/index.html")) + tail
             + QStringLiteral("webový prohlížeč).")},
        {"WebPage1",
         QStringLiteral("Webovou stránku ") + webLocation() + QStringLiteral("/index.html") + tail
             + QStringLiteral("webový prohlížeč).")},
        {"Email1",
         QStringLiteral("Novou zprávu na adresu ") + authorMail() + tail + QStringLiteral("poštovní program).")},
    };
    start();
    fake->openAnswer = false;
    for (const auto& row : rows) {
        ModalAnswerer answerer;
        activate(form1(), row.item);
        EXPECT_EQ(answerer.texts(), QStringList{row.message});
    }
}

// The manual states the addresses this build uses and no other address of the program.
TEST_F(AboutAndLinks, TheManualNamesTheBuildsAddresses)
{
    // Web addresses, and mail addresses (also after "mailto:").
    static const QRegularExpression address(QStringLiteral(R"re(https?://[^\s"<>]+|[\w.+-]+@[\w-]+(?:\.[\w-]+)+)re"));
    QString manual;
    for (const char* page : {"index", "popis", "vypocty", "aplikace"})
        manual += QString::fromUtf8(folder.read(QStringLiteral("html/%1.html").arg(QLatin1String(page))));
    EXPECT_TRUE(manual.contains(webLocation()) && manual.contains(QStringLiteral("mailto:") + authorMail()));
    EXPECT_FALSE(manual.contains(QStringLiteral("@NOKTARIS"))) << "a setting the build did not fill in";
    for (auto it = address.globalMatch(manual); it.hasNext();) {
        const QString found = it.next().captured();
        if (found.contains(QStringLiteral("noktaris"), Qt::CaseInsensitive)) {
            EXPECT_TRUE(found.startsWith(webLocation()) || found == authorMail()) << found.toStdString();
        }
    }
}

} // namespace
} // namespace noktaris::test
