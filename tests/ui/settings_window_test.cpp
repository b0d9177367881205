// The settings window driven as a user drives it: loading every line of
// config.ini, the presets, the finder and the browse dialog, and saving with its
// checks, compared byte for byte with the file written.
#include "app/hub_window.h"
#include "common/widgets.h"
#include "config/settings_window.h"
#include "optics/telescope_group.h"
#include "photo/point_exposure_group.h"
#include "support/child_process.h"
#include "support/window_test.h"

#include "common/code_page.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace noktaris::test {

namespace {

// config.ini with the calculator at `calculator` and the lines given replaced.
QByteArray configWith(const QString& calculator, std::initializer_list<std::pair<const char*, const char*>> lines = {})
{
    QByteArray bytes = "[CONFIG]\r\nRezim:1\r\nPrepinac:0\r\nKalkulacka:" + toCp1250(calculator)
        + "\r\n\r\n[KONSTANTY]\r\nk1=1,5873\r\nk2=2,7\r\nk3=1000\r\n\r\n[AKTUALIZACE]\r\nAktualizace:0\r\n;";
    for (const auto& [from, to] : lines)
        bytes.replace(from, to);
    return bytes;
}

} // namespace

class SettingsWindow : public WindowTest {
protected:
    SettingsWindow() { folder.write(QStringLiteral("kalk"), "#!/bin/sh\n"); }
    QString calculator() const { return folder.path(QStringLiteral("kalk")); }
    TForm15* settings() const { return app().form15(); }
    TForm15* open()
    {
        form1()->menu.Vpoty1->trigger();
        return settings();
    }
    // The window's state in one line, for comparing a loading at once.
    static QString state(const TForm15* s)
    {
        return QStringList{s->ComboBox1->currentText(),
                           s->ComboBox1->isEnabled() ? QStringLiteral("volný") : QStringLiteral("zamčený"),
                           s->CheckBox1->isChecked() ? QStringLiteral("pamatuje") : QStringLiteral("nepamatuje"),
                           s->Edit1->text(),
                           s->Edit2->text(),
                           s->ComboBox2->currentText(),
                           s->Edit3->text(),
                           s->Edit4->text(),
                           s->ComboBox3->currentText(),
                           s->CheckBox2->isChecked() ? QStringLiteral("kontroluje") : QStringLiteral("nekontroluje")}
            .join(u'|');
    }
};

TEST_F(SettingsWindow, LoadsEveryLine)
{
    struct Row {
        const char* name;
        QByteArray file; // empty: no config.ini at all
        const char* state;
        QStringList boxes;
    };
    const QString kcalc = QStringLiteral("/usr/bin/kcalc");
    const QByteArray base = configWith(kcalc);
    const auto with = [&](std::initializer_list<std::pair<const char*, const char*>> lines) {
        return configWith(kcalc, lines);
    };
    const Row rows[] = {
        {"AsWritten",
         base,
         "Základní|volný|nepamatuje|/usr/bin/kcalc|1,5873|Průměrná optika|2,7|1000|Střední přesnost|nekontroluje",
         {}},
        {"ModeLineEndingInOtherThanOneIsExtended",
         with({{"Rezim:1", "Rezim:1x"}, {"Prepinac:0", "Prepinac:1"}}),
         "Rozšířený|zamčený|pamatuje|/usr/bin/kcalc|1,5873|Průměrná optika|2,7|1000|Střední přesnost|nekontroluje",
         {}},
        {"PresetTextsSelectTheirEntries",
         with({{"k1=1,5873", "k1=2,5"}, {"k3=1000", "k3=600"}}),
         "Základní|volný|nepamatuje|/usr/bin/kcalc|2,5|Kvalitní optika|2,7|600|Vysoká přesnost|nekontroluje",
         {}},
        {"OtherTextOfThePresetNumberIsOwnValue",
         with({{"k1=1,5873", "k1=2,50"}, {"k3=1000", "k3=1397,0"}}),
         "Základní|volný|nepamatuje|/usr/bin/kcalc|2,50|Vlastní hodnota|2,7|1397,0|Vlastní hodnota|nekontroluje",
         {}},
        {"UpdateLineFollowedByASpaceIsTicked",
         with({{"Aktualizace:0", "Aktualizace:1 "}}),
         "Základní|volný|nepamatuje|/usr/bin/kcalc|1,5873|Průměrná optika|2,7|1000|Střední přesnost|kontroluje",
         {}},
        {"LinesInAnotherOrder",
         "Aktualizace:0\r\n[CONFIG]\r\nk1=1,2\r\nk2=3\r\nKalkulacka:/k\r\nPrepinac:1\r\nRezim:2\r\nk3=200\r\n"
         "Aktualizace:1\r\n;",
         "Rozšířený|zamčený|pamatuje|/k|1,2|Podprůměrná optika|3|200|Expert|kontroluje",
         {}},
        {"MissingModeLineHasItsMessageAndLoadingGoesOn",
         with({{"Rezim:1\r\n", ""}}),
         "Základní|volný|nepamatuje|/usr/bin/kcalc|1,5873|Průměrná optika|2,7|1000|Střední přesnost|nekontroluje",
         {QStringLiteral("Chyba při zpracování inicializačního souboru config.ini")}},
        {"MissingSecondConstantEndsTheLoading",
         with({{"k2=2,7\r\n", ""}, {"k1=1,5873", "k1=2,5"}}),
         "Základní|volný|nepamatuje|/usr/bin/kcalc|2,5|Kvalitní optika|0|0|Vlastní hodnota|nekontroluje",
         {QStringLiteral("Read beyond end of file")}},
        {"NoFile",
         {},
         "Základní|volný|nepamatuje|C:\\|0|Vlastní hodnota|0|0|Vlastní hodnota|nekontroluje",
         {QStringLiteral("Chyba při zpracování inicializačního souboru config.ini"), QStringLiteral("File not found")}},
    };
    for (const Row& row : rows) {
        setConfig(base);
        start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
        if (row.file.isEmpty())
            folder.remove(QStringLiteral("config.ini"));
        else
            setConfig(row.file);
        ModalAnswerer answerer;
        TForm15* s = open();
        EXPECT_EQ(state(s).toStdString(), row.state) << row.name;
        EXPECT_EQ(answerer.texts(), row.boxes) << row.name;
        destroyWindows();
    }
}

TEST_F(SettingsWindow, PresetsFollowTheFieldsAndBack)
{
    setConfig(configWith(calculator()));
    start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
    TForm15* s = open();
    type(s->Edit2, QStringLiteral("2,5"));
    EXPECT_EQ(s->ComboBox2->currentText(), QStringLiteral("Kvalitní optika"));
    type(s->Edit2, QStringLiteral("2,50"));
    EXPECT_EQ(s->ComboBox2->currentText(), QStringLiteral("Vlastní hodnota"));
    s->ComboBox2->setCurrentIndex(2);
    emit s->ComboBox2->activated(2);
    EXPECT_EQ(s->Edit2->text(), QStringLiteral("1,2"));
    EXPECT_EQ(s->ComboBox2->currentText(), QStringLiteral("Podprůměrná optika"));
    s->ComboBox3->setCurrentIndex(3);
    emit s->ComboBox3->activated(3);
    EXPECT_EQ(s->Edit4->text(), QStringLiteral("1397"));
    s->ComboBox3->setCurrentIndex(4);
    emit s->ComboBox3->activated(4);
    EXPECT_EQ(s->Edit4->text(), QStringLiteral("1397"));
    EXPECT_EQ(s->focusWidget(), s->Edit4);

    s->Button2->click();
    EXPECT_EQ(state(s).toStdString(),
              "Základní|volný|nepamatuje|" + calculator().toStdString()
                  + "|1,5873|Průměrná optika|2,7|1000|Střední přesnost|nekontroluje");
    s->CheckBox1->click();
    EXPECT_FALSE(s->ComboBox1->isEnabled() || s->Label2->isEnabled());
    s->CheckBox1->click();
    EXPECT_TRUE(s->ComboBox1->isEnabled() && s->Label2->isEnabled());
}

TEST_F(SettingsWindow, SavingChecksAsksAndRewritesTheWholeFile)
{
    struct Row {
        const char* name;
        QByteArray before;
        std::function<void(TForm15*)> act;
        QStringList answers;
        QStringList boxes;
        QByteArray after;  // empty: the file as before
        const char* focus; // where a refusal puts the focus
    };
    const QString kalk = calculator();
    const QString ask = QStringLiteral("Uložit nastavení?");
    const auto refused = [](const char* text) { return QStringList{QString::fromUtf8(text)}; };
    const auto typeInto = [](QLineEdit* TForm15::*field, const char* text) {
        return [field, text](TForm15* s) {
            type(s->*field, QString::fromUtf8(text));
            s->BitBtn1->click();
        };
    };
    const Row rows[] = {
        {"Unchanged", configWith(kalk), [](TForm15* s) { s->BitBtn1->click(); }, {}, {ask}, configWith(kalk), nullptr},
        {"LeadingCommaGetsAZero",
         configWith(kalk),
         typeInto(&TForm15::Edit3, ",5"),
         {},
         {ask},
         configWith(kalk, {{"k2=2,7", "k2=0,5"}}),
         nullptr},
        {"EverySetting",
         configWith(kalk),
         [](TForm15* s) {
             s->CheckBox2->click();
             s->Button2->click();
             type(s->Edit2, QStringLiteral("2,5"));
             type(s->Edit4, QStringLiteral("200"));
             s->BitBtn1->click();
         },
         {},
         {ask},
         configWith(kalk, {{"k1=1,5873", "k1=2,5"}, {"k3=1000", "k3=200"}, {"Aktualizace:0", "Aktualizace:1"}}),
         nullptr},
        {"RememberingKeepsTheFilesModeLine",
         configWith(kalk, {{"Rezim:1", "Rezim:1x"}, {"Prepinac:0", "Prepinac:1"}}),
         typeInto(&TForm15::Edit2, "1,2"),
         {},
         {ask},
         configWith(kalk, {{"Rezim:1", "Rezim:1x"}, {"Prepinac:0", "Prepinac:1"}, {"k1=1,5873", "k1=1,2"}}),
         nullptr},
        {"ZeroIsRefused",
         configWith(kalk),
         typeInto(&TForm15::Edit2, "0"),
         {},
         refused("Hodnota konstanty musí být nenulová!"),
         {},
         "Edit2"},
        {"ZeroWithCommaIsRefused",
         configWith(kalk),
         typeInto(&TForm15::Edit3, "0,0"),
         {},
         refused("Hodnota konstanty musí být nenulová!"),
         {},
         "Edit3"},
        {"LoneCommaIsRefusedAsZero",
         configWith(kalk),
         typeInto(&TForm15::Edit4, ","),
         {},
         refused("Hodnota konstanty musí být nenulová!"),
         {},
         "Edit4"},
        {"EmptyIsRefused",
         configWith(kalk),
         typeInto(&TForm15::Edit3, ""),
         {},
         refused("Špatně zadaná hodnota konstanty!"),
         {},
         "Edit3"},
        {"TwoCommasAreRefused",
         configWith(kalk),
         typeInto(&TForm15::Edit4, "1,2,3"),
         {},
         refused("Špatně zadaná hodnota konstanty!"),
         {},
         "Edit4"},
        {"PastedLineBreakIsRefused",
         configWith(kalk),
         [](TForm15* s) {
             s->Edit2->setText(QStringLiteral("2\n[X]"));
             s->BitBtn1->click();
         },
         {},
         refused("Špatně zadaná hodnota konstanty!"),
         {},
         "Edit2"},
        // The calculator holds no other setting hostage: the file's path saves as it
        // is where that program is missing, and an empty path saves as no calculator.
        {"MissingCalculatorFromTheFileIsKept",
         configWith(QStringLiteral("/nikde/kalk")),
         typeInto(&TForm15::Edit2, "2,5"),
         {},
         {ask},
         configWith(QStringLiteral("/nikde/kalk"), {{"k1=1,5873", "k1=2,5"}}),
         nullptr},
        {"EmptyPathSavesNoCalculator",
         configWith(QStringLiteral("/nikde/kalk")),
         typeInto(&TForm15::Edit1, ""),
         {},
         {ask},
         configWith(QString()),
         nullptr},
        {"TypedMissingCalculatorIsRefused",
         configWith(kalk),
         typeInto(&TForm15::Edit1, "/nikde/kalk"),
         {},
         refused("Zadaná cesta je neplatná!"),
         {},
         "Edit1"},
        {"CalculatorThatIsAFolderIsRefused",
         configWith(kalk),
         [](TForm15* s) {
             s->Edit1->setText(QDir::currentPath());
             s->BitBtn1->click();
         },
         {},
         refused("Zadaná cesta je neplatná!"),
         {},
         "Edit1"},
        {"DecliningWritesNothing",
         configWith(kalk),
         typeInto(&TForm15::Edit2, "2,5"),
         {QStringLiteral("Escape")},
         {ask},
         {},
         nullptr},
    };
    for (const Row& row : rows) {
        setConfig(row.before);
        start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
        TForm15* s = open();
        {
            ModalAnswerer answerer(row.answers);
            row.act(s);
            EXPECT_EQ(answerer.texts(), row.boxes) << row.name;
        }
        EXPECT_EQ(config().toStdString(), (row.after.isEmpty() ? row.before : row.after).toStdString()) << row.name;
        const bool written = !row.after.isEmpty();
        EXPECT_EQ(s->isVisible(), !written) << row.name;
        EXPECT_EQ(form1()->isEnabled(), written) << row.name;
        if (row.focus) {
            EXPECT_EQ(s->focusWidget()->objectName().toStdString(), row.focus) << row.name;
        }
        destroyWindows();
    }
}

TEST_F(SettingsWindow, SavingSwitchesToThePrimaryModeAndRecomputesTheBasicWindow)
{
    setConfig(configWith(calculator()));
    start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
    TelescopeGroup* telescope = form1()->GroupBox1;
    type(telescope->DdalEdit, QStringLiteral("150"));
    type(telescope->FdalEdit, QStringLiteral("750"));
    EXPECT_EQ(telescope->Maxroz->text(), QStringLiteral("Maximální použitelné zvětšení: 238x"));
    telescope->DdalEdit->setFocus();
    TForm15* s = open();
    {
        ModalAnswerer answerer;
        type(s->Edit2, QStringLiteral("2,5"));
        s->BitBtn1->click();
    }
    EXPECT_EQ(telescope->Maxroz->text(), QStringLiteral("Maximální použitelné zvětšení: 375x"));
    EXPECT_EQ(form1()->StatusBar1->panelText(1), QStringLiteral("k1 = 2,5; k2 = 2,7"));
    EXPECT_TRUE(form1()->isVisible() && form1()->isEnabled());

    // "Rozšířený" chosen while the basic-mode window is shown switches to the hub.
    open();
    {
        ModalAnswerer answerer;
        s->ComboBox1->setCurrentIndex(1);
        s->BitBtn1->click();
    }
    EXPECT_FALSE(form1()->isVisible());
    EXPECT_TRUE(application().form4()->isVisible() && application().form4()->isEnabled());
    EXPECT_TRUE(config().contains("\r\nRezim:2\r\nPrepinac:0\r\n"));
}

TEST_F(SettingsWindow, StornoAndTheCloseBoxLeaveTheFileUntouched)
{
    const QByteArray before = configWith(calculator());
    setConfig(before);
    start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
    for (const auto& leave : std::initializer_list<std::function<void(TForm15*)>>{
             [](TForm15* s) { s->BitBtn2->click(); }, [](TForm15* s) { s->close(); },
             [](TForm15* s) {
                 s->activateWindow();
                 ASSERT_TRUE(QTest::qWaitForWindowActive(s));
                 QTest::keyClick(s->focusWidget(), Qt::Key_Escape);
             }}) {
        TForm15* s = open();
        type(s->Edit2, QStringLiteral("2,5"));
        s->CheckBox2->click();
        leave(s);
        EXPECT_FALSE(s->isVisible());
        EXPECT_TRUE(form1()->isEnabled());
        EXPECT_EQ(config(), before);
    }
}

TEST_F(SettingsWindow, FailedSaveKeepsTheFileAndTheWindow)
{
    const QByteArray before = configWith(calculator());
    setConfig(before);
    start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
    TForm15* s = open();
    type(s->Edit2, QStringLiteral("2,5"));
    paintBeforeFork();
    const ChildOutcome child = runWithFileSizeLimit(0, [s] {
        ModalAnswerer answerer;
        s->BitBtn1->click();
        return (answerer.texts().join(u'|') + u'|' + QString::number(s->isVisible()) + u'|' + s->Edit2->text())
            .toUtf8();
    });
    ASSERT_TRUE(child.exited);
    EXPECT_EQ(QString::fromUtf8(child.output).toStdString(),
              "Uložit nastavení?|Soubor config.ini se nepodařilo uložit (soubor by byl větší, než systém dovoluje). "
              "Jeho dosavadní obsah zůstal zachován.|1|2,5");
    EXPECT_EQ(config(), before);
}

TEST_F(SettingsWindow, FinderWritesThePathAndSaysSo)
{
    struct Row {
        const char* name;
        QStringList first, second; // files in the two folders
        const char* found;         // folder index and name, or nothing
    };
    const Row rows[] = {
        {"None", {"bc"}, {}, nullptr},
        {"Found", {"calc"}, {"xcalc", "kcalc"}, "1/kcalc"},
    };
    setConfig(configWith(calculator()));
    start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
    TForm15* s = open();
    for (const Row& row : rows) {
        QTemporaryDir dirs[2];
        for (int i = 0; i < 2; ++i)
            for (const QString& file : i == 0 ? row.first : row.second)
                QFile(dirs[i].filePath(file)).open(QIODevice::WriteOnly);
        fake->calculators = {dirs[0].path(), dirs[1].path()};
        s->Edit1->setText(QStringLiteral("/puvodni"));
        ModalAnswerer answerer;
        s->Button3->click();
        QString expected = QStringLiteral("/puvodni");
        if (row.found) {
            const QString found = QString::fromLatin1(row.found);
            expected = dirs[found.left(1).toInt()].path() + u'/' + found.mid(2);
        }
        EXPECT_EQ(s->Edit1->text(), expected) << row.name;
        EXPECT_EQ(answerer.texts(),
                  QStringList{row.found ? QStringLiteral("Cesta byla úspěšně nalezena a nastavena: ") + expected
                                        : QStringLiteral("Umístění kalkulačky se nepodařilo zjistit.")})
            << row.name;
    }
}

TEST_F(SettingsWindow, BrowseOffersProgramsOnly)
{
    setConfig(configWith(calculator()));
    QFile::setPermissions(calculator(), QFile::permissions(calculator()) | QFileDevice::ExeOwner);
    folder.write(QStringLiteral("popis.txt"), "text");
    start({Application::Window::Basic, Application::Window::Hub, Application::Window::Settings});
    TForm15* s = open();
    QStringList offered;
    bool listedKalk = false;
    // The dialog runs its own loop: a timer looks for it there and drives it.
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QFileDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible())
                dialog = d;
        if (!dialog)
            return;
        // The folder's listing arrives from a thread of the file system model.
        const QAbstractItemModel* model = dialog->proxyModel();
        const auto* view = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        offered.clear();
        for (int r = 0; model && view && r < model->rowCount(view->rootIndex()); ++r)
            offered << model->index(r, 0, view->rootIndex()).data().toString();
        listedKalk = offered.contains(QStringLiteral("kalk"));
        if (!listedKalk && driver.property("ticks").toInt() < 250) {
            driver.setProperty("ticks", driver.property("ticks").toInt() + 1);
            return;
        }
        driver.stop();
        EXPECT_EQ(dialog->objectName(), QStringLiteral("OpenDialog1"));
        // Typed as a user types it into the name field, which has the focus.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("kalk"));
        static_cast<QDialog*>(dialog)->accept();
    });
    driver.start();
    s->Button1->click();
    EXPECT_TRUE(listedKalk);
    EXPECT_TRUE(offered.contains(QStringLiteral("data")));
    EXPECT_FALSE(offered.contains(QStringLiteral("popis.txt")));
    EXPECT_FALSE(offered.contains(QStringLiteral("config.ini")));
    EXPECT_EQ(s->Edit1->text(), calculator());
}

} // namespace noktaris::test
