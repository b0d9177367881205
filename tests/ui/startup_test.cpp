// Start of the program: the sixteen windows, the start mode, the pick lists, the
// status line and what a broken program folder does to all that.
#include "support/window_test.h"

#include "app/hub_window.h"
#include "catalogue/catalogue.h"
#include "common/code_page.h"
#include "common/collation.h"
#include "common/status_line.h"
#include "common/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace noktaris::test {
namespace {

const QString kConfigError = QStringLiteral("Chyba při zpracování inicializačního souboru config.ini");

QByteArray configWithMode(const QByteArray& modeLine)
{
    QByteArray bytes = deliveredFile(QStringLiteral("config.ini"));
    bytes.replace("Rezim:1", modeLine);
    return bytes;
}

using StartUp = WindowTest;

TEST_F(StartUp, CreatesSixteenWindowsWithTheirCaptionsInOrder)
{
    start();
    const char* const captions[] = {
        "Noktaris 1.4 (základní režim)",
        "",
        "Úprava dat v databázi",
        "Noktaris 1.4 (rozšířený režim)",
        "Minimální zvětšení pro rozlišení dvojhvězdy",
        "Parametry dalekohledu",
        "Parametry CCD kamery",
        "Expoziční časy",
        "Světelnosti různých sestav",
        "Zorná pole různých sestav",
        "Parametry pointace",
        "Grafy",
        "Rozměry obrazů na negativu",
        "Výpočet poměrných jasností",
        "Nastavení ...",
        "Ukaž zorné pole",
    };
    const QList<QWidget*> windows = app().windows();
    ASSERT_EQ(windows.size(), 16);
    for (int n = 1; n <= 16; ++n) {
        const QWidget* w = windows[n - 1];
        EXPECT_EQ(w->objectName(), QStringLiteral("TForm") + QString::number(n));
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(captions[n - 1])) << n;
        EXPECT_EQ(w->isVisible(), n == 1) << n;
    }
    EXPECT_EQ(form1()->centralWidget()->size().width(), 1004);
    EXPECT_EQ(form1()->centralWidget()->height() + form1()->statusBar()->height(), 523);
    EXPECT_EQ(form1()->showCount(), 1);
}

TEST_F(StartUp, EveryWindowIsCentredOnTheDesktop)
{
    start();
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    for (const QWidget* w : app().windows()) {
        // A shown window may have gained a frame since it was placed.
        const QRect frame = w->frameGeometry();
        const QRect client = w->geometry();
        const int frameWidth = client.left() - frame.left() + client.top() - frame.top();
        EXPECT_LE((frame.center() - centre).manhattanLength(), 1 + 2 * frameWidth) << w->objectName().toStdString();
    }
}

TEST_F(StartUp, ModeLineDecidesTheStartMode)
{
    struct Row {
        const char* line;
        bool extended;
    };
    for (const Row& row : {Row{"Rezim:1", false}, Row{"Rezim:2", true}, Row{"Rezim:1x", false}, Row{"Rezim:", true}}) {
        SCOPED_TRACE(row.line);
        setConfig(configWithMode(row.line));
        start();
        EXPECT_EQ(form1()->isVisible(), !row.extended);
        EXPECT_EQ(app().form4()->isVisible(), row.extended);
        EXPECT_FALSE(form1()->Timer1->isActive());
        destroyWindows();
    }
}

TEST_F(StartUp, MissingConfigIsReportedAtShowAndEndsTheProgramInTheTimer)
{
    folder.remove(QStringLiteral("config.ini"));
    ModalAnswerer answerer;
    start();
    // The show, every recomputation of the telescope group and the start-mode
    // timer each report the file; then the program ends.
    ASSERT_GE(answerer.boxes.size(), 2);
    EXPECT_EQ(answerer.texts().removeDuplicates(), answerer.boxes.size() - 1);
    EXPECT_EQ(answerer.texts().first(), kConfigError);
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_FALSE(app().form4()->isVisible());
    // The window was still prepared: the pick lists were filled.
    EXPECT_GT(child<QComboBox>("Dalekohled")->count(), 0);
}

TEST_F(StartUp, MissingConfigEndsTheRunningProgramOnceTheBoxesAreAnswered)
{
    folder.remove(QStringLiteral("config.ini"));
    ModalAnswerer answerer;
    startUp();
    // The start-mode timer waits for the message loop; the first show asked nothing of it.
    EXPECT_TRUE(form1()->Timer1->isActive());
    bool hung = false;
    QTimer::singleShot(5000, qApp, [&] {
        hung = true;
        QCoreApplication::quit();
    });
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_FALSE(hung) << "the message loop did not end";
    EXPECT_EQ(answerer.texts().last(), kConfigError);
    EXPECT_FALSE(form1()->isVisible());
}

TEST_F(StartUp, EndingBeforeTheMessageLoopSkipsIt)
{
    start();
    form1()->close();
    bool ran = false;
    QTimer::singleShot(0, qApp, [&] {
        ran = true;
        QCoreApplication::quit();
    });
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_FALSE(ran);
}

TEST_F(StartUp, ConfigWithoutModeLineStaysInTheBasicMode)
{
    QByteArray bytes = deliveredFile(QStringLiteral("config.ini"));
    bytes.replace("Rezim:1\r\n", "");
    setConfig(bytes);
    ModalAnswerer answerer;
    start();
    EXPECT_EQ(answerer.texts(), (QStringList{kConfigError, kConfigError}));
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_FALSE(app().form4()->isVisible());
    EXPECT_EQ(config(), bytes);
}

TEST_F(StartUp, PickListsAreSortedAndTheirFirstEntriesFillTheFields)
{
    start();
    struct Row {
        const char* list;
        CatalogueKind kind;
        QStringList fields;
    };
    const Row rows[] = {
        {"Dalekohled", CatalogueKind::Telescopes, {"DdalEdit", "FdalEdit"}},
        {"Okular", CatalogueKind::Eyepieces, {"FokEdit", "UhelEdit"}},
        {"Jasnosti", CatalogueKind::Brightness, {"JasEdit"}},
        {"Objekt", CatalogueKind::Sizes, {"RozmerEdit"}},
        {"Film", CatalogueKind::Films, {"FF1", "FF2"}},
        {"CCD", CatalogueKind::Chips, {"CCD1", "CCD2", "CCD3", "CCD4"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.list);
        auto* list = child<PickList>(row.list);
        ASSERT_NE(list, nullptr);
        QStringList names = *listNames(row.kind);
        sortNames(names);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        EXPECT_EQ(shown, names);
        EXPECT_EQ(list->currentIndex(), 0);
        const QStringList values = findRecord(row.kind, names.first())->value();
        for (qsizetype i = 0; i < row.fields.size(); ++i)
            EXPECT_EQ(child(row.fields[i].toLatin1().constData())->text(), values[i]) << row.fields[i].toStdString();
    }
}

TEST_F(StartUp, CzechSortingPutsChAfterH)
{
    folder.write(QStringLiteral("data/Okulary.dat"),
                 toCp1250(QStringLiteral("#name=Chromatický 9$f=9$u=40$#name=Hvězdný 12$f=12$u=50$"
                                         "#name=cesta 6$f=6$u=45$#name=Čočka 4$f=4$u=52$")));
    start();
    auto* list = child<PickList>("Okular");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    EXPECT_EQ(shown, (QStringList{"cesta 6", "Čočka 4", "Hvězdný 12", "Chromatický 9"}));
    EXPECT_EQ(child("FokEdit")->text(), QStringLiteral("6"));
}

TEST_F(StartUp, MissingCatalogueStopsThePreparationAtThatFile)
{
    folder.remove(QStringLiteral("data/Jasnosti.dat"));
    ModalAnswerer answerer;
    start();
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("File not found")});
    EXPECT_GT(child<QComboBox>("Okular")->count(), 0);
    EXPECT_EQ(child<QComboBox>("Jasnosti")->count(), 0);
    EXPECT_EQ(child<QComboBox>("Objekt")->count(), 0);
    // Nothing was applied and the status line was not written.
    EXPECT_EQ(child("DdalEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(form1()->StatusBar1->panelText(0), QStringLiteral("Noktaris 1.4"));
}

TEST_F(StartUp, EmptyCatalogueGivesAnEmptyListAndEmptyFields)
{
    folder.write(QStringLiteral("data/Dalekohledy.dat"), QByteArray());
    ModalAnswerer answerer;
    start();
    EXPECT_TRUE(answerer.boxes.isEmpty());
    EXPECT_EQ(child<QComboBox>("Dalekohled")->count(), 0);
    EXPECT_EQ(child<QComboBox>("Dalekohled")->currentIndex(), -1);
    EXPECT_EQ(child("DdalEdit")->text(), QString());
    EXPECT_EQ(child("FdalEdit")->text(), QString());
}

TEST_F(StartUp, BrokenCatalogueNeverCrashesAndFillsWhatItFinds)
{
    // A record cut in the middle, stray "#" and "$", bytes that are not text,
    // a second line, and a huge tail.
    QByteArray bytes("#name=Cut$D=1");
    bytes += QByteArray("\x81\x83$#$$#name=") + "#name=Ok$D=80$F=400$\r\n#name=Hidden$D=1$F=2$";
    bytes.insert(0, QByteArray(10 * 1024 * 1024, 'x'));
    folder.write(QStringLiteral("data/Dalekohledy.dat"), bytes);
    start();
    auto* list = child<PickList>("Dalekohled");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    EXPECT_TRUE(shown.contains(QStringLiteral("Ok")));
    EXPECT_FALSE(shown.contains(QStringLiteral("Hidden")));
    list->setCurrentIndex(list->findText(QStringLiteral("Ok")));
    form1()->DalekohledChange();
    EXPECT_EQ(child("DdalEdit")->text(), QStringLiteral("80"));
    EXPECT_EQ(child("FdalEdit")->text(), QStringLiteral("400"));
}

TEST_F(StartUp, LookupOfAnUnreadableCatalogueNamesTheFile)
{
    start();
    folder.remove(QStringLiteral("data/CCD.dat"));
    ModalAnswerer answerer;
    form1()->CCDChange();
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Chyba při zpracování databázového souboru data\\CCD.dat")});
    EXPECT_EQ(child("CCD1")->text(), QString());
    EXPECT_EQ(child("CCD4")->text(), QString());
}

TEST_F(StartUp, StatusLineShowsMemoryAndScreenAndFollowsTheTimer)
{
    start();
    EXPECT_EQ(form1()->StatusBar1->panelText(0), QStringLiteral(" Noktaris 1.4 - Volná paměť: 524288kB (50%)"));
    // The focus starts in the telescope group, which shows its constants.
    EXPECT_EQ(form1()->StatusBar1->panelText(1), QStringLiteral("k1 = 1,5873; k2 = 2,7"));
    EXPECT_EQ(form1()->StatusBar1->panelText(2), QStringLiteral("1280 x 1024"));
    EXPECT_EQ(form1()->Pamet->interval(), 60000);
    EXPECT_TRUE(form1()->Pamet->isActive());
    fake->memory.freeBytes = std::uint64_t(131072) * 1024; // 12,5 % goes to the even 12
    form1()->Pamet->setInterval(1);
    const QString expected = QStringLiteral(" Noktaris 1.4 - Volná paměť: 131072kB (12%)");
    EXPECT_TRUE(QTest::qWaitFor([&] { return form1()->StatusBar1->panelText(0) == expected; }, 5000))
        << form1()->StatusBar1->panelText(0).toStdString();
}

} // namespace
} // namespace noktaris::test
