// Entry fields of the basic-mode window: their key filters as a user types, their
// initial texts, and the reset buttons.
#include "support/window_test.h"

#include "common/keyfilter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

namespace noktaris::test {
namespace {

using EntryFields = WindowTest;

KeyFilter filterOf(QLineEdit* edit)
{
    const auto filters = edit->findChildren<KeyFilterObject*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(filters.size(), 1) << edit->objectName().toStdString();
    return filters.isEmpty() ? KeyFilter::Name : filters.first()->filter();
}

TEST_F(EntryFields, EveryFieldHasItsFilter)
{
    start();
    const char* const decimal[] = {"DdalEdit", "FdalEdit", "FokEdit", "UhelEdit", "CasEdit", "FfotEdit2",
                                   "FfotEdit3", "RozmerEdit", "FF1", "FF2", "FfotEdit4", "CtverecEdit",
                                   "PointEdit", "FfotEdit5", "CCD1", "CCD2", "FobjEdit", "F", "ASAEdit",
                                   "JasEdit", "FfotEdit", "FokEdit2", "ClonaEdit"};
    for (const char* name : decimal)
        if (QLineEdit* edit = child(name)) {
            EXPECT_EQ(filterOf(edit), KeyFilter::Decimal) << name;
        }
    for (const char* name : {"D1", "D4", "D5", "D6"})
        if (QLineEdit* edit = child(name)) {
            EXPECT_EQ(filterOf(edit), KeyFilter::SignedWhole) << name;
        }
    for (const char* name : {"D2", "D3"})
        if (QLineEdit* edit = child(name)) {
            EXPECT_EQ(filterOf(edit), KeyFilter::Whole) << name;
        }
    for (const char* name : {"CCD3", "CCD4", "ffokedit3"})
        if (QLineEdit* edit = child(name)) {
            EXPECT_TRUE(edit->findChildren<KeyFilterObject*>().isEmpty()) << name;
        }
    EXPECT_FALSE(child("ffokedit3")->isVisibleTo(form1()));
}

TEST_F(EntryFields, TypingGoesThroughTheFilters)
{
    start();
    struct Row {
        const char* field;
        const char* typed;
        const char* shown;
    };
    const Row rows[] = {
        {"DdalEdit", "12.5a,-3 e", "125,3"},
        {"D1", "-1,2+", "-12"},
        {"D2", "-1,2", "12"},
        {"D5", "-7.", "-7"},
    };
    for (const Row& row : rows) {
        QLineEdit* edit = child(row.field);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, QString::fromLatin1(row.typed));
        EXPECT_EQ(edit->text(), QString::fromLatin1(row.shown)) << row.field;
    }
    QLineEdit* edit = child("FdalEdit");
    edit->setText(QStringLiteral("12"));
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("1"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QString());
}

TEST_F(EntryFields, ClipboardKeysAreRefusedButTheContextMenuPasteIsNot)
{
    start();
    QGuiApplication::clipboard()->setText(QStringLiteral("-5"));
    QLineEdit* edit = child("DdalEdit");
    edit->setText(QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    edit->selectAll();
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("-5"));
}

TEST_F(EntryFields, NameFilterRefusesOnlyTheRecordDelimiters)
{
    QLineEdit edit;
    installKeyFilter(&edit, KeyFilter::Name);
    QTest::keyClicks(&edit, QStringLiteral("Reflektor #150$/750 "));
    // Czech letters come from the keyboard layout, not from an ASCII key.
    QTest::sendKeyEvent(QTest::KeyAction::Click, &edit, Qt::Key_unknown, QStringLiteral("ž"), Qt::NoModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("Reflektor 150/750 ž"));
}

TEST_F(EntryFields, ResetButtonsWriteZeroIntoTheirGroupsFields)
{
    start();
    struct Row {
        const char* button;
        QStringList fields;
    };
    const Row rows[] = {
        {"BitBtn9", {"DdalEdit", "FdalEdit", "FokEdit", "UhelEdit"}},
        {"BitBtn3", {"JasEdit", "ASAEdit", "ClonaEdit", "FokEdit2", "FfotEdit"}},
        {"BitBtn7", {"D1", "D2", "D3", "FfotEdit2", "CasEdit"}},
        {"BitBtn4", {"RozmerEdit", "FfotEdit3", "ffokedit3"}},
        {"BitBtn6", {"FF1", "FF2", "FfotEdit4"}},
        {"BitBtn8", {"CtverecEdit", "PointEdit", "FfotEdit5"}},
        {"BitBtn5", {"CCD1", "CCD2", "CCD3", "CCD4", "FobjEdit"}},
        {"BitBtn2", {"D4", "D5", "D6", "F"}},
    };
    for (const Row& row : rows) {
        for (const QString& field : row.fields)
            child(field.toLatin1().constData())->setText(QStringLiteral("12,5"));
        auto* button = child<QPushButton>(row.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), QStringLiteral("Vynulovat pole"));
        button->click();
        for (const QString& field : row.fields)
            EXPECT_EQ(child(field.toLatin1().constData())->text(), QStringLiteral("0")) << row.button << " " << field.toStdString();
    }
}

TEST_F(EntryFields, InitialTextsOfTheTelescopeAndGuidingFields)
{
    folder.write(QStringLiteral("data/Dalekohledy.dat"), QByteArray());
    folder.write(QStringLiteral("data/Okulary.dat"), QByteArray());
    start();
    EXPECT_EQ(child("CtverecEdit")->text(), QStringLiteral("0,2"));
    for (const char* name : {"DdalEdit", "FdalEdit", "FokEdit", "UhelEdit"})
        EXPECT_EQ(child(name)->toolTip(), QStringLiteral("Zde můžete zadat vlastní hodnotu")) << name;
}

} // namespace
} // namespace noktaris::test
