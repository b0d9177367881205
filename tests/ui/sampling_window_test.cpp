// "Kamera na dalekohledu": opened from the menus and the hub, typed into as a user
// types, handing the chip's field to the viewer, and saving and deleting cameras in
// data/Kamery.dat, a full disk and a missing or broken file included.
#include "support/window_test.h"

#include "app/hub_window.h"
#include "common/pick_list.h"
#include "common/spin_field.h"
#include "planning/sampling_window.h"
#include "support/child_process.h"
#include "viewer/viewer_window.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTabBar>

namespace noktaris::test {
namespace {

using W = Application::Window;

const QString kCameraFile = QStringLiteral("data/Kamery.dat");
const QByteArray kCameras = "#name=Mono 3,76$p=3,76$x=6248$y=4176$rn=3,5$fw=50000$qe=91$bayer=0$g=0$"
                            "#name=Barevna 4,63$p=4,63$x=4144$y=2822$rn=1,6$fw=16400$qe=75$bayer=1$g=120$";

class SamplingWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("data/Dalekohledy.dat"), "#name=Newton 200/1000$D=200$F=1000$");
        folder.write(kCameraFile, kCameras);
    }

    // Opens the window from the basic-mode window's menu, as a user does.
    SamplingWindow* openWindow(std::initializer_list<W> windows = {W::Basic})
    {
        start(windows);
        form1()->menu.samplingAction->trigger();
        return app().samplingWindow();
    }

    static QStringList results(const SamplingWindow* w)
    {
        return texts({w->effectiveLabel, w->scaleLabel, w->fieldLabel, w->fwhmLabel, w->samplingLabel, w->adviceLabel,
                      w->airyLabel, w->focusLabel, w->dawesLabel, w->npfLabel, w->rule500Label, w->trailLabel});
    }
};

TEST_F(SamplingWindowTest, OpensFromBothMenusAndTheHubByTheHandOverRules)
{
    start({W::Basic, W::Hub});
    const struct {
        const char* how;
        std::function<void()> open;
    } rows[] = {
        {"basic-mode menu", [this] { form1()->menu.samplingAction->trigger(); }},
        {"hub menu", [this] { app().form4()->menu.samplingAction->trigger(); }},
        {"hub button", [this] { app().form4()->samplingButton->click(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        row.open();
        SamplingWindow* w = app().samplingWindow();
        ASSERT_TRUE(w->isVisible());
        EXPECT_EQ(w->objectName(), QStringLiteral("SamplingWindow"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Kamera na dalekohledu"));
        EXPECT_FALSE(form1()->isEnabled());
        EXPECT_FALSE(app().form4()->isEnabled());
        w->BitBtn1->click();
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(form1()->isEnabled());
        EXPECT_TRUE(app().form4()->isEnabled());
    }
    EXPECT_EQ(app().form4()->samplingButton->geometry(), QRect(4, 121, 177, 23));
    EXPECT_EQ(app().form4()->menu.samplingAction->text(), QStringLiteral("Kamera na dalekohledu..."));
}

TEST_F(SamplingWindowTest, ShowingFillsTheListsAndTheDefaults)
{
    SamplingWindow* w = openWindow();
    EXPECT_EQ(w->telescopeList->currentText(), QStringLiteral("Newton 200/1000"));
    EXPECT_EQ(w->cameraList->itemText(0), QStringLiteral("Barevna 4,63")); // sorted
    const QStringList fields{w->apertureEdit->text(),    w->focalEdit->text(),   w->correctorEdit->text(),
                             w->pixelEdit->text(),       w->widthPxEdit->text(), w->heightPxEdit->text(),
                             w->binningSpin->text(),     w->seeingEdit->text(),  w->wavelengthEdit->text(),
                             w->declinationEdit->text(), w->exposureEdit->text()};
    EXPECT_EQ(fields, (QStringList{"200", "1000", "1", "4,63", "4144", "2822", "1", "2,5", "550", "0", "30"}));
    pick(w->cameraList, 1);
    EXPECT_EQ(w->pixelEdit->text(), QStringLiteral("3,76"));
    EXPECT_EQ(w->widthPxEdit->text(), QStringLiteral("6248"));
}

TEST_F(SamplingWindowTest, TypedAsAUserTypesEveryResultFollows)
{
    SamplingWindow* w = openWindow();
    pick(w->cameraList, 1); // Mono 3,76: 6248 x 4176
    type(w->correctorEdit, "0,8");
    type(w->declinationEdit, "30");
    EXPECT_EQ(results(w),
              (QStringList{"Efektivní ohnisko: 800 mm (f/4)", "Měřítko snímku: 0,97''/px",
                           "Zorné pole čipu: 1° 40' 57'' x 1° 7' 28''", "Velikost hvězdy (FWHM): 2,57''",
                           "Pixelů na FWHM hvězdy: 2,65 – vhodné vzorkování",
                           "Doporučení: binning 1, nebo korektor 0,76×", "Airyho disk: 5,37 µm (1,43 px)",
                           "Kritická zóna ostření: 42,9 µm (celá šířka kolem ohniska)", "Dawesova mez: 0,58'' (0,6 px)",
                           "Pravidlo NPF: 0,4 s", "Pravidlo 500: 0,4 s", "Stopa hvězdy: 403,1 px (390,8'')"}));
    expectAfterTyping({
        {w->declinationEdit, "-90", w->npfLabel, "Pravidlo NPF: bez omezení"},
        {w->declinationEdit, "-90", w->trailLabel, "Stopa hvězdy: 0 px (0'')"},
        {w->declinationEdit, "90,1", w->npfLabel, "Pravidlo NPF:"},
        {w->declinationEdit, "90,1", w->trailLabel, "Stopa hvězdy:"},
        {w->declinationEdit, "0", w->trailLabel, "Stopa hvězdy: 465,5 px (451,2'')"},
        {w->exposureEdit, "", w->trailLabel, "Stopa hvězdy:"},
        {w->seeingEdit, "5", w->samplingLabel, "Pixelů na FWHM hvězdy: 5,19 – převzorkováno"},
        {w->seeingEdit, "5", w->adviceLabel, "Doporučení: binning 2, nebo korektor 0,39×"},
        {w->correctorEdit, "", w->effectiveLabel, "Efektivní ohnisko:"},
        {w->correctorEdit, "", w->fwhmLabel, "Velikost hvězdy (FWHM): 5,03''"},
    });
    // The binning spin: 2 halves the pixels per star; while 0 is typed nothing uses it.
    type(w->correctorEdit, "0,8");
    QTest::keyClick(w->binningSpin, Qt::Key_Up);
    EXPECT_EQ(w->samplingLabel->text(), QStringLiteral("Pixelů na FWHM hvězdy: 2,6 – vhodné vzorkování"));
    EXPECT_EQ(w->scaleLabel->text(), QStringLiteral("Měřítko snímku: 1,94''/px"));
    // A full stop is refused with the hint; the text stays.
    QTest::keyClick(w->pixelEdit, Qt::Key_Period);
    EXPECT_EQ(w->pixelEdit->text(), QStringLiteral("3,76"));
}

TEST_F(SamplingWindowTest, ShowTheFieldOpensTheViewerOnItsChipTab)
{
    SamplingWindow* w = openWindow({W::Basic, W::Viewer});
    pick(w->cameraList, 1);
    type(w->correctorEdit, "0,8");
    w->viewerButton->click();
    TForm16* v = app().form16();
    ASSERT_TRUE(v->isVisible());
    EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(v->TabControl1->currentIndex(), 1);
    EXPECT_EQ((QStringList{v->aa->text(), v->bb->text(), v->cc->text()}),
              (QStringList{"800", "23,49248", "15,70176"})); // 6248 × 3,76 µm and 4176 × 3,76 µm
    v->BitBtn1->click();
    EXPECT_TRUE(w->isEnabled());
}

// Saving and deleting through the camera list, each after a question.
TEST_F(SamplingWindowTest, SaveAndDeleteAskFirstAndKeepWhatTheWindowDoesNotShow)
{
    SamplingWindow* w = openWindow();
    const QString askNew = QStringLiteral("Uložit kameru „Nova“ do databáze kamer?");
    const QString askReplace =
        QStringLiteral("Kamera „Mono 3,76“ už v databázi je. Nahradit její hodnoty hodnotami z okna?");
    const struct {
        const char* name;
        const char* cameraName;
        const char* pixel;
        QPushButton* SamplingWindow::*button;
        QStringList answers;
        QStringList boxes;
        QByteArray after;
    } rows[] = {
        {"NewCameraCancelled", "Nova", "2,9", &SamplingWindow::saveCameraButton, {"Zrušit"}, {askNew}, kCameras},
        {"NewCameraAdded",
         "Nova",
         "2,9",
         &SamplingWindow::saveCameraButton,
         {},
         {askNew},
         kCameras + "#name=Nova$p=2,9$x=4144$y=2822$rn=$fw=$qe=$bayer=$g=$"},
        // A known camera keeps its read noise, full well, QE, colour and gain.
        {"KnownCameraReplaced",
         "Mono 3,76",
         "3,8",
         &SamplingWindow::saveCameraButton,
         {},
         {askReplace},
         "#name=Barevna 4,63$p=4,63$x=4144$y=2822$rn=1,6$fw=16400$qe=75$bayer=1$g=120$"
         "#name=Mono 3,76$p=3,8$x=4144$y=2822$rn=3,5$fw=50000$qe=91$bayer=0$g=0$"},
        {"NoNameNoSave",
         "",
         "2,9",
         &SamplingWindow::saveCameraButton,
         {},
         {"Zadejte název kamery do seznamu kamer."},
         kCameras},
        {"NotANumberNoSave",
         "Nova",
         "",
         &SamplingWindow::saveCameraButton,
         {},
         {"Hodnoty kamery musí být čísla; kamera nebyla uložena."},
         kCameras},
        {"DeleteCancelled",
         "Mono 3,76",
         "3,76",
         &SamplingWindow::deleteCameraButton,
         {"Zrušit"},
         {"Smazat kameru „Mono 3,76“ z databáze kamer?"},
         kCameras},
        {"Deleted",
         "Mono 3,76",
         "3,76",
         &SamplingWindow::deleteCameraButton,
         {},
         {"Smazat kameru „Mono 3,76“ z databáze kamer?"},
         "#name=Barevna 4,63$p=4,63$x=4144$y=2822$rn=1,6$fw=16400$qe=75$bayer=1$g=120$"},
        {"DeleteUnknown",
         "Nikdo",
         "3,76",
         &SamplingWindow::deleteCameraButton,
         {},
         {"Kamera „Nikdo“ v databázi kamer není."},
         kCameras},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        folder.write(kCameraFile, kCameras);
        w->FormShow();
        w->cameraList->setEditText(QString::fromUtf8(row.cameraName));
        type(w->pixelEdit, row.pixel);
        {
            ModalAnswerer answerer(row.answers);
            (w->*row.button)->click();
            EXPECT_EQ(answerer.texts(), row.boxes);
        }
        EXPECT_EQ(folder.read(kCameraFile).toStdString(), row.after.toStdString());
        // The list holds the file's names; a saved camera stays chosen with the values
        // as typed, a deletion shows the first camera.
        EXPECT_EQ(w->cameraList->count(), row.after.count('#'));
        const bool deleted = row.button == &SamplingWindow::deleteCameraButton && row.after != kCameras;
        EXPECT_EQ(w->cameraList->currentText(),
                  deleted ? QStringLiteral("Barevna 4,63") : QString::fromUtf8(row.cameraName));
        EXPECT_EQ(w->pixelEdit->text(), deleted ? QStringLiteral("4,63") : QString::fromUtf8(row.pixel));
    }
}

TEST_F(SamplingWindowTest, FailedSaveKeepsTheFileWhole)
{
    SamplingWindow* w = openWindow();
    w->cameraList->setEditText(QStringLiteral("Nova"));
    const auto attempt = [w] {
        ModalAnswerer answerer;
        w->saveCameraButton->click();
        return answerer.texts().join(u'|').toUtf8();
    };
    paintBeforeFork();
    const ChildOutcome child = runWithFileSizeLimit(0, attempt);
    ASSERT_TRUE(child.exited);
    EXPECT_EQ(QString::fromUtf8(child.output).toStdString(),
              "Uložit kameru „Nova“ do databáze kamer?|Soubor data\\Kamery.dat se nepodařilo uložit (soubor by byl "
              "větší, než systém dovoluje). Jeho dosavadní obsah zůstal zachován.");
    EXPECT_EQ(folder.read(kCameraFile), kCameras);
    EXPECT_EQ(QDir(folder.path(QStringLiteral("data"))).entryList(QDir::Files).filter(QStringLiteral("Kamery")),
              QStringList{QStringLiteral("Kamery.dat")});
}

TEST_F(SamplingWindowTest, MissingOrBrokenCatalogueIsToldByNameAndFillsNothing)
{
    const struct {
        const char* name;
        QByteArray file; // null: no file
        const char* message;
        const char* listed;
    } rows[] = {
        {"Missing", QByteArray(), "Soubor data\\Kamery.dat nelze přečíst (soubor neexistuje).", ""},
        {"ValueNotANumber", "#name=Rozbita$p=x$x=1$y=1$", "Chyba při zpracování databázového souboru data\\kamery.dat",
         "Rozbita"},
    };
    start({W::Basic});
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.file.isNull())
            folder.remove(kCameraFile);
        else
            folder.write(kCameraFile, row.file);
        ModalAnswerer answerer;
        form1()->menu.samplingAction->trigger();
        SamplingWindow* w = app().samplingWindow();
        EXPECT_EQ(answerer.texts(), QStringList{QString::fromUtf8(row.message)});
        EXPECT_EQ(w->cameraList->currentText(), QString::fromUtf8(row.listed));
        EXPECT_EQ(w->pixelEdit->text(), QString());
        EXPECT_EQ(w->telescopeList->currentText(), QStringLiteral("Newton 200/1000")); // the other list is whole
        EXPECT_EQ(w->scaleLabel->text(), QStringLiteral("Měřítko snímku:"));
        w->BitBtn1->click();
    }
}

} // namespace
} // namespace noktaris::test
