// The catalogue editor driven as a user drives it: typing, clicking, answering the
// boxes; the catalogue files compared byte for byte after every save and deletion.
#include "app/hub_window.h"
#include "app/modes.h"
#include "catalogue/editor_window.h"
#include "common/collation.h"
#include "common/paths.h"
#include "common/widgets.h"
#include "optics/telescope_group.h"
#include "optics/telescope_window.h"
#include "optics/telescope_window_groups.h"
#include "support/child_process.h"
#include "support/window_test.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

#include <functional>
#include <vector>

namespace noktaris::test {

namespace {

const QByteArray kTelescopes = "#name=Refraktor 80 ED$D=80$F=600$#name=Refraktor 80$D=80$F=400$"
                               "#name=Reflektor 150/750$D=150$F=750$";
const QString kTelescopeFile = QStringLiteral("data/Dalekohledy.dat");

QStringList listed(const TForm3* editor)
{
    QStringList names;
    for (int i = 0; i < editor->Menu->count(); ++i)
        names << editor->Menu->item(i)->text();
    return names;
}

QStringList fieldTexts(const TForm3* editor)
{
    return {editor->e1->text(), editor->e2->text(), editor->e3->text(), editor->e4->text(), editor->e5->text()};
}

void select(TForm3* editor, const char* name)
{
    const auto found = editor->Menu->findItems(QString::fromUtf8(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    editor->Menu->setCurrentItem(found.first());
}

// A user's click on the list's entry of that name.
void clickEntry(TForm3* editor, const char* name)
{
    const QListWidgetItem* item = editor->Menu->findItems(QString::fromUtf8(name), Qt::MatchExactly).first();
    QTest::mouseClick(editor->Menu->viewport(), Qt::LeftButton, {}, editor->Menu->visualItemRect(item).center());
}

// Types a record into the fields: the name, then the values in order.
void typeRecord(TForm3* editor, const std::vector<const char*>& texts)
{
    QLineEdit* fields[] = {editor->e1, editor->e2, editor->e3, editor->e4, editor->e5};
    int i = 0;
    for (const char* text : texts)
        type(fields[i++], QString::fromUtf8(text));
}

} // namespace

class CatalogueEditor : public WindowTest {
protected:
    TForm3* editor() const { return app().form3(); }
    TForm3* openFromMenu(int tab)
    {
        QAction* items[] = {form1()->menu.Dalekohledy1,  form1()->menu.Okulry1,     form1()->menu.Jasnostiobjekt1,
                            form1()->menu.Rozmryobjekt1, form1()->menu.Formtyfilm1, form1()->menu.CCDipy1};
        items[tab]->trigger();
        return editor();
    }
};

TEST_F(CatalogueEditor, OpensOnTheTabOfEachOpenerAndHandsBackOnClose)
{
    start();
    struct Row {
        std::function<void()> open;
        int tab;
        const char* l2;
        const char* l3;
        int valueFields;
    };
    const auto item = [this](QAction* MainMenu::*action) {
        return [this, action] { (form1()->menu.*action)->trigger(); };
    };
    const auto hubItem = [](QAction* MainMenu::*action) {
        return [action] { (application().form4()->menu.*action)->trigger(); };
    };
    const Row rows[] = {
        {item(&MainMenu::Dalekohledy1), 0, "Průměr objektivu D (mm):", "Ohnisková vzdálenost F (mm):", 2},
        {item(&MainMenu::Okulry1), 1, "Ohnisková vzdálenost f (mm):", "Zorný úhel (°):", 2},
        {item(&MainMenu::Jasnostiobjekt1), 2, "Poměrná jasnost:", "", 1},
        {item(&MainMenu::Rozmryobjekt1), 3, "Rozměr objektu ( ' )", "", 1},
        {item(&MainMenu::Formtyfilm1), 4, "1 - Rozměr filmu (mm):", "2 - Rozměr filmu (mm):", 2},
        {item(&MainMenu::CCDipy1), 5, "1 - Rozměr čipu (mm):", "2 - Rozměr čipu (mm):", 4},
        {[this] { form1()->BitBtn11->click(); }, 0, "Průměr objektivu D (mm):", "Ohnisková vzdálenost F (mm):", 2},
        {hubItem(&MainMenu::Rozmryobjekt1), 3, "Rozměr objektu ( ' )", "", 1},
        {[] { application().form4()->BitBtn17->click(); }, 0,
         "Průměr objektivu D (mm):", "Ohnisková vzdálenost F (mm):", 2},
    };
    for (const Row& row : rows) {
        const bool hub = &row >= &rows[7];
        if (hub && !application().form4()->isVisible())
            switchToExtendedMode();
        row.open();
        TForm3* e = editor();
        const std::string at = std::to_string(&row - rows);
        ASSERT_TRUE(e->isVisible()) << at;
        EXPECT_EQ(e->TabControl1->currentIndex(), row.tab) << at;
        EXPECT_FALSE(form1()->isEnabled() || application().form4()->isEnabled()) << at;
        EXPECT_EQ(e->l2->text(), QString::fromUtf8(row.l2)) << at;
        EXPECT_EQ(e->l3->isVisibleTo(e) ? e->l3->text() : QString(), QString::fromUtf8(row.l3)) << at;
        const QLineEdit* values[] = {e->e2, e->e3, e->e4, e->e5};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(values[i]->isVisibleTo(e), i < row.valueFields) << at << " e" << i + 2;
        // The list is sorted and its first record is shown.
        ASSERT_GT(e->Menu->count(), 0) << at;
        EXPECT_EQ(e->Menu->currentRow(), 0) << at;
        EXPECT_EQ(e->e1->text(), e->Menu->item(0)->text()) << at;
        EXPECT_FALSE(e->e2->text().isEmpty()) << at;
        e->close(); // the title bar's close box
        EXPECT_TRUE(form1()->isEnabled() && application().form4()->isEnabled()) << at;
    }
}

TEST_F(CatalogueEditor, SavesDeletesAndRefusesByteForByte)
{
    start();
    struct Row {
        const char* name;
        int tab;
        QByteArray before;
        std::function<void(TForm3*)> act;
        QStringList answers;
        QStringList boxes;
        QByteArray after; // empty: the file as before
        QStringList fieldsAfter;
    };
    const QString save = QStringLiteral("Uložit záznam?");
    const QString remove = QStringLiteral("Smazat záznam?");
    const QStringList first{QStringLiteral("Reflektor 150/750"), QStringLiteral("150"), QStringLiteral("750"), {}, {}};
    const QStringList empty{{}, {}, {}, {}, {}};
    const auto change = [](const char* name, std::vector<const char*> record) {
        return [name, record](TForm3* e) {
            select(e, name);
            typeRecord(e, record);
            e->BitBtn1->click();
        };
    };
    const auto add = [](std::vector<const char*> record) {
        return [record](TForm3* e) {
            e->BitBtn2->click();
            typeRecord(e, record);
            e->BitBtn1->click();
        };
    };
    // Deleting "Refraktor 80" empties the fields and highlights the first entry.
    const auto afterDeleting = [](std::function<void(TForm3*)> then) {
        return [then](TForm3* e) {
            select(e, "Refraktor 80");
            e->BitBtn4->click();
            then(e);
        };
    };
    const auto saveAfterDeleting = [afterDeleting](std::vector<const char*> record) {
        return afterDeleting([record](TForm3* e) {
            typeRecord(e, record);
            e->BitBtn1->click();
        });
    };
    const QByteArray deleted = "#name=Refraktor 80 ED$D=80$F=600$#name=Reflektor 150/750$D=150$F=750$";
    const auto refused = [](const char* text) { return QStringList{QString::fromUtf8(text)}; };
    const Row rows[] = {
        {"ChangeMovesTheRecordToTheEnd",
         0,
         kTelescopes,
         change("Refraktor 80", {"Refraktor 80", "80", "450"}),
         {},
         {save},
         "#name=Refraktor 80 ED$D=80$F=600$#name=Reflektor 150/750$D=150$F=750$#name=Refraktor 80$D=80$F=450$",
         first},
        {"RenameReplacesTheOldName",
         0,
         kTelescopes,
         change("Refraktor 80", {"Apochromát 80", "80", "400"}),
         {},
         {save},
         "#name=Refraktor 80 ED$D=80$F=600$#name=Reflektor 150/750$D=150$F=750$#name=Apochrom\xE1t 80$D=80$F=400$",
         {QStringLiteral("Apochromát 80"), QStringLiteral("80"), QStringLiteral("400"), {}, {}}},
        {"NewRecordIsAppended",
         0,
         kTelescopes,
         add({"Newton 200/1000", "200", "1000,5"}),
         {},
         {save},
         kTelescopes + "#name=Newton 200/1000$D=200$F=1000,5$",
         {QStringLiteral("Newton 200/1000"), QStringLiteral("200"), QStringLiteral("1000,5"), {}, {}}},
        {"SameNameIsRefused",
         0,
         kTelescopes,
         add({"Refraktor 80", "80", "400"}),
         {},
         refused("Zadaný název se již v databázi vyskytuje."),
         {},
         {}},
        {"SameNameInOtherCaseIsAccepted",
         0,
         kTelescopes,
         add({"refraktor 80", "80", "400"}),
         {},
         {save},
         kTelescopes + "#name=refraktor 80$D=80$F=400$",
         first},
        {"ChangeToAnotherRecordsNameIsAccepted",
         0,
         kTelescopes,
         change("Refraktor 80", {"Refraktor 80 ED", "80", "400"}),
         {},
         {save},
         "#name=Refraktor 80 ED$D=80$F=600$#name=Reflektor 150/750$D=150$F=750$#name=Refraktor 80 ED$D=80$F=400$",
         first},
        {"ZeroIsRefused",
         0,
         kTelescopes,
         add({"Nový", "0", "400"}),
         {},
         refused("Zadané hodnoty musí být čísla větší než 0!"),
         {},
         {}},
        {"ZeroWithCommaIsRefused",
         0,
         kTelescopes,
         add({"Nový", "80", "0,0"}),
         {},
         refused("Zadané hodnoty musí být čísla větší než 0!"),
         {},
         {}},
        {"LoneCommaIsRefused",
         0,
         kTelescopes,
         add({"Nový", ",", "400"}),
         {},
         refused("Zadané hodnoty musí být čísla větší než 0!"),
         {},
         {}},
        {"TwoCommasAreRefused",
         0,
         kTelescopes,
         add({"Nový", "1,2,3", "400"}),
         {},
         refused("Zadané hodnoty musí být čísla (větší než 0)!"),
         {},
         {}},
        {"EmptyFieldIsRefused",
         0,
         kTelescopes,
         add({"Nový", "80"}),
         {},
         refused("Vyplňte prosím všechna pole!"),
         {},
         {}},
        {"EmptyNameIsRefused",
         0,
         kTelescopes,
         add({"", "80", "400"}),
         {},
         refused("Vyplňte prosím všechna pole!"),
         {},
         {}},
        {"PastedHashIsRefused",
         0,
         kTelescopes,
         [](TForm3* e) {
             e->BitBtn2->click();
             typeRecord(e, {"", "80", "400"});
             e->e1->setText(QStringLiteral("A#B"));
             e->BitBtn1->click();
         },
         {},
         refused("Název nesmí obsahovat znaky # a $."),
         {},
         {}},
        {"PastedNegativeValueIsRefused",
         0,
         kTelescopes,
         [](TForm3* e) {
             select(e, "Refraktor 80");
             e->e2->setText(QStringLiteral("-80"));
             e->BitBtn1->click();
         },
         {},
         refused("Zadané hodnoty musí být čísla (větší než 0)!"),
         {},
         {}},
        {"DecliningKeepsTheNewRecordMode",
         0,
         kTelescopes,
         add({"Nový", "80", "400"}),
         {QStringLiteral("Escape")},
         {save},
         {},
         {QStringLiteral("Nový"), QStringLiteral("80"), QStringLiteral("400"), {}, {}}},
        {"DeleteRemovesTheSelectedAndEmptiesTheFields",
         0,
         kTelescopes,
         [](TForm3* e) {
             select(e, "Refraktor 80");
             e->BitBtn4->click();
         },
         {},
         {remove},
         "#name=Refraktor 80 ED$D=80$F=600$#name=Reflektor 150/750$D=150$F=750$",
         empty},
        {"DeclinedDeleteKeepsTheRecord",
         0,
         kTelescopes,
         [](TForm3* e) {
             select(e, "Refraktor 80");
             e->BitBtn4->click();
         },
         {QStringLiteral("Escape")},
         {remove},
         {},
         {QStringLiteral("Refraktor 80"), QStringLiteral("80"), QStringLiteral("400"), {}, {}}},
        {"DeletingTheOnlyRecordLeavesAnEmptyFile",
         3,
         "#name=M 42$r=85$",
         [](TForm3* e) { e->BitBtn4->click(); },
         {},
         {remove},
         "",
         empty},
        {"EmptyCatalogueShowsNothingAndSavingAdds",
         3,
         "",
         [](TForm3* e) {
             EXPECT_EQ(e->Menu->count(), 0);
             e->BitBtn4->click(); // nothing to delete: no question
             typeRecord(e, {"M 1", "6"});
             e->BitBtn1->click();
         },
         {},
         {save},
         "#name=M 1$r=6$",
         {QStringLiteral("M 1"), QStringLiteral("6"), {}, {}, {}}},
        {"HiddenFieldsAreIgnored",
         2,
         "#name=M 31$j=4$",
         [](TForm3* e) {
             e->BitBtn2->click();
             typeRecord(e, {"M 33", "6"});
             e->e3->setText(QStringLiteral("x"));
             e->BitBtn1->click();
         },
         {},
         {save},
         "#name=M 31$j=4$#name=M 33$j=6$",
         {QStringLiteral("M 31"), QStringLiteral("4"), {}, {}, {}}},
        // Every click on an entry shows its record, also on the one highlighted.
        {"ClickAfterADelete",
         0,
         kTelescopes,
         afterDeleting([](TForm3* e) { clickEntry(e, "Reflektor 150/750"); }),
         {},
         {remove},
         deleted,
         first},
        {"ClickAfterEditing",
         0,
         kTelescopes,
         [](TForm3* e) {
             type(e->e3, QStringLiteral("999"));
             clickEntry(e, "Reflektor 150/750");
         },
         {},
         {},
         {},
         first},
        // A save never replaces a record whose values are not on the screen: after a
        // deletion the fields show none, and what is typed there is added.
        {"SaveAfterADeleteAdds",
         0,
         kTelescopes,
         saveAfterDeleting({"Newton 200/1000", "200", "1000"}),
         {},
         {remove, save},
         deleted + "#name=Newton 200/1000$D=200$F=1000$",
         {}},
        {"SaveAfterADeleteRefusesAnExistingName",
         0,
         kTelescopes,
         saveAfterDeleting({"Reflektor 150/750", "1", "2"}),
         {},
         {remove, QStringLiteral("Zadaný název se již v databázi vyskytuje.")},
         deleted,
         {}},
        {"LongNameFromTheFileIsKeptWhole",
         3,
         "#name=" + QByteArray(250, 'M') + "$r=85$",
         [](TForm3* e) {
             type(e->e2, QStringLiteral("90"));
             e->BitBtn1->click();
         },
         {},
         {save},
         "#name=" + QByteArray(250, 'M') + "$r=90$",
         {}},
        {"ChipRecordHasFourValues",
         5,
         "",
         [](TForm3* e) {
             typeRecord(e, {"Čip", "6,9", "4,6", "768", "512"});
             e->BitBtn1->click();
         },
         {},
         {save},
         "#name=\xC8ip$x1=6,9$y1=4,6$x2=768$y2=512$",
         {QStringLiteral("Čip"), QStringLiteral("6,9"), QStringLiteral("4,6"), QStringLiteral("768"),
          QStringLiteral("512")}},
    };
    for (const Row& row : rows) {
        const QString file = resolvePath(catalogueInfo(CatalogueKind(row.tab)).file);
        folder.write(QDir().relativeFilePath(file), row.before);
        TForm3* e = openFromMenu(row.tab);
        {
            ModalAnswerer answerer(row.answers);
            row.act(e);
            EXPECT_EQ(answerer.texts(), row.boxes) << row.name;
        }
        const QByteArray after = row.after.isNull() ? row.before : row.after;
        EXPECT_EQ(folder.read(QDir().relativeFilePath(file)).toStdString(), after.toStdString()) << row.name;
        if (!row.fieldsAfter.isEmpty()) {
            EXPECT_EQ(fieldTexts(e), row.fieldsAfter) << row.name;
        }
        // The list is the file's names in their sorted order.
        QStringList names = namesInLine(after);
        sortNames(names);
        EXPECT_EQ(listed(e), names) << row.name;
        e->BitBtn3->click();
    }
}

TEST_F(CatalogueEditor, ModesOfTheNewRecordButton)
{
    folder.write(kTelescopeFile, kTelescopes);
    start();
    TForm3* e = openFromMenu(0);
    ModalAnswerer answerer;
    const auto base = [e] { return e->Menu->palette().color(QPalette::Disabled, QPalette::Base); };

    e->BitBtn2->click();
    EXPECT_TRUE(e->inNewRecordMode());
    EXPECT_EQ(e->BitBtn2->text(), QStringLiteral("Zrušit"));
    EXPECT_FALSE(e->Menu->isEnabled() || e->BitBtn4->isEnabled());
    EXPECT_EQ(base(), QColor(192, 192, 192));
    EXPECT_EQ(fieldTexts(e), (QStringList{{}, {}, {}, {}, {}}));
    EXPECT_FALSE(e->BitBtn2->icon().isNull());

    // A tab change leaves the new-record mode and loads the tab, without a box.
    e->TabControl1->setCurrentIndex(1);
    EXPECT_FALSE(e->inNewRecordMode());
    EXPECT_TRUE(e->Menu->isEnabled() && e->BitBtn4->isEnabled());
    EXPECT_EQ(e->BitBtn2->text(), QStringLiteral("Nový záznam"));
    EXPECT_EQ(e->e1->text(), e->Menu->item(0)->text());

    // "Zavřít" in the new-record mode: the next opening browses.
    e->BitBtn2->click();
    e->BitBtn3->click();
    openFromMenu(0);
    EXPECT_TRUE(e->Menu->isEnabled() && e->BitBtn4->isEnabled());
    EXPECT_EQ(base(), QColor(255, 255, 255));

    // A missing picture is reported at the mode change, which still happens.
    folder.remove(QStringLiteral("pics/zpet.bmp"));
    e->BitBtn2->click();
    EXPECT_TRUE(e->inNewRecordMode());
    EXPECT_TRUE(e->BitBtn2->icon().isNull());
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("File not found")});
}

TEST_F(CatalogueEditor, ClosingRefreshesTheBasicWindowAndOtherWindowsReloadWhenShown)
{
    folder.write(kTelescopeFile, kTelescopes);
    start();
    TForm3* e = openFromMenu(0);
    {
        ModalAnswerer answerer;
        e->BitBtn2->click();
        typeRecord(e, {"Achromát 60/700", "60", "700"});
        e->BitBtn1->click();
    }
    // The save's reload hands the main windows back already.
    EXPECT_TRUE(form1()->isEnabled());
    const PickList* basic = form1()->GroupBox1->Dalekohled;
    EXPECT_EQ(basic->itemText(0), QStringLiteral("Reflektor 150/750"));
    e->BitBtn3->click();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(basic->itemText(0), QStringLiteral("Achromát 60/700"));
    EXPECT_EQ(form1()->GroupBox1->DdalEdit->text(), QStringLiteral("60"));
    EXPECT_EQ(basic->view()->minimumWidth(), 238);

    auto* telescopes = app().form6();
    openChildWindow(telescopes);
    EXPECT_EQ(telescopes->GroupBox1->Dalekohled->itemText(0), QStringLiteral("Achromát 60/700"));
}

// A save that cannot be written: the message names the file, the old file stays
// whole, and the typed record stays in the fields to try again.
TEST_F(CatalogueEditor, FailedSaveKeepsTheFileAndTheTypedRecord)
{
    folder.write(kTelescopeFile, kTelescopes);
    start();
    TForm3* e = openFromMenu(0);
    e->BitBtn2->click();
    typeRecord(e, {"Newton 200/1000", "200", "1000"});
    const auto attempt = [e] {
        ModalAnswerer answerer;
        e->BitBtn1->click();
        return (answerer.texts().join(u'|') + u'|' + fieldTexts(e).join(u'/') + u'|'
                + QString::number(e->inNewRecordMode()))
            .toUtf8();
    };
    struct Row {
        const char* name;
        std::function<ChildOutcome()> run;
        const char* reason;
    };
    const Row rows[] = {
        {"FullDisk", [&] { return runWithFileSizeLimit(0, attempt); }, "soubor by byl větší, než systém dovoluje"},
        {"ReadOnlyFolder",
         [&] {
             // The ordinary user may read the folders but not write into them.
             for (const QString& dir : {QString(), QStringLiteral("data")})
                 QFile::setPermissions(folder.path(dir),
                                       QFile::permissions(folder.path(dir)) | QFileDevice::ExeOther
                                           | QFileDevice::ReadOther);
             return runAsOrdinaryUser(attempt);
         },
         "přístup byl odepřen"},
    };
    paintBeforeFork();
    for (const Row& row : rows) {
        const ChildOutcome child = row.run();
        ASSERT_TRUE(child.exited) << row.name;
        EXPECT_EQ(QString::fromUtf8(child.output).toStdString(),
                  "Uložit záznam?|Soubor data\\Dalekohledy.dat se nepodařilo uložit (" + std::string(row.reason)
                      + "). Jeho dosavadní obsah zůstal zachován.|Newton 200/1000/200/1000//|1")
            << row.name;
        EXPECT_EQ(folder.read(kTelescopeFile), kTelescopes) << row.name;
        EXPECT_EQ(
            QDir(folder.path(QStringLiteral("data"))).entryList(QDir::Files).filter(QStringLiteral("Dalekohledy")),
            QStringList{QStringLiteral("Dalekohledy.dat")})
            << row.name << ": a temporary file was left behind";
    }
}

} // namespace noktaris::test
