// An installed program: settings and catalogues in the user's folder (the working
// directory), pictures, help pages and definitions read from the program's folder.
#include "app/basic_window.h"
#include "app/main_menu.h"
#include "app/modes.h"
#include "catalogue/editor_window.h"
#include "common/code_page.h"
#include "common/pick_list.h"
#include "support/modal_answerer.h"
#include "support/window_test.h"

#include "graphs/graph_window.h"
#include "planning/sampling_window.h"
#include "viewer/viewer_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace noktaris::test {
namespace {

const QStringList kUserFiles{QStringLiteral("config.ini"),       QStringLiteral("data/Dalekohledy.dat"),
                             QStringLiteral("data/Okulary.dat"), QStringLiteral("data/Jasnosti.dat"),
                             QStringLiteral("data/Rozmery.dat"), QStringLiteral("data/Filmy.dat"),
                             QStringLiteral("data/CCD.dat")};

class InstalledProgram : public WindowTest {
protected:
    void SetUp() override
    {
        QDir(user.path()).mkpath(QStringLiteral("data"));
        for (const QString& file : kUserFiles)
            ASSERT_TRUE(QFile::copy(folder.path(file), user.path() + u'/' + file)) << file.toStdString();
        fake->programAt = QDir::currentPath();
        QDir::setCurrent(user.path());
    }
    QByteArray userFile(const QString& file) const
    {
        QFile f(user.path() + u'/' + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir user;
};

TEST_F(InstalledProgram, ReadsDeliveredFilesFromItsFolderAndSavesInTheUsers)
{
    ASSERT_TRUE(QFile::exists(folder.path(QStringLiteral("data/CCD.dat")))) << "the delivered catalogue names";
    ModalAnswerer answers;
    start();
    app().form12()->show(); // grafy.dat
    EXPECT_GT(static_cast<QComboBox*>(app().form16()->findChild<QComboBox*>(QStringLiteral("ComboBox1")))->count(), 0)
        << "the viewer's list pics.dat";
    form1()->menu.Index1->trigger();
    EXPECT_EQ(fake->opened, QStringList{folder.path(QStringLiteral("html/index.html"))});

    form1()->BitBtn11->click();
    auto* editor = app().form3();
    editor->BitBtn2->click();
    type(editor->e1, QStringLiteral("Uživatelův dalekohled"));
    type(editor->e2, QStringLiteral("90"));
    type(editor->e3, QStringLiteral("900"));
    editor->BitBtn1->click();
    EXPECT_TRUE(userFile(QStringLiteral("data/Dalekohledy.dat"))
                    .contains(toCp1250(QStringLiteral("#name=Uživatelův dalekohled$D=90$F=900$"))));
    editor->close();
    switchToExtendedMode();
    EXPECT_TRUE(userFile(QStringLiteral("config.ini")).contains("Rezim:2"));

    EXPECT_EQ(answers.texts(), QStringList{QStringLiteral("Uložit záznam?")}) << "no file was missing";
    for (const QString& file : kUserFiles)
        EXPECT_EQ(folder.read(file), deliveredFile(file))
            << file.toStdString() << " in the program's folder is untouched";
}

// The camera catalogue is not read at start; the planning window copies the
// delivered one into the user's folder when it is first opened, and its cameras
// are saved there.
TEST_F(InstalledProgram, CameraCatalogueComesToTheUsersFolderWhenTheWindowFirstOpens)
{
    const QString cameras = QStringLiteral("data/Kamery.dat");
    start({Application::Window::Basic});
    EXPECT_FALSE(QFile::exists(user.path() + u'/' + cameras));
    form1()->menu.samplingAction->trigger();
    EXPECT_EQ(userFile(cameras), deliveredFile(cameras));
    SamplingWindow* w = app().samplingWindow();
    EXPECT_GE(w->cameraList->count(), 25);
    w->cameraList->setEditText(QStringLiteral("Moje kamera"));
    {
        ModalAnswerer answer;
        w->saveCameraButton->click();
    }
    EXPECT_TRUE(userFile(cameras).endsWith("#name=Moje kamera$p=" + w->pixelEdit->text().toLatin1()
                                           + "$x=" + w->widthPxEdit->text().toLatin1()
                                           + "$y=" + w->heightPxEdit->text().toLatin1() + "$rn=$fw=$qe=$bayer=$g=$"));
    EXPECT_EQ(folder.read(cameras), deliveredFile(cameras)) << "the program's folder is untouched";
    // Opened again, the user's copy is kept.
    w->close();
    form1()->menu.samplingAction->trigger();
    EXPECT_TRUE(userFile(cameras).contains("#name=Moje kamera$"));
}

} // namespace
} // namespace noktaris::test
