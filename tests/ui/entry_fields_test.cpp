// Entry fields of the basic-mode window: their key filters as a user types, their
// initial texts, and the reset buttons.
#include "support/window_test.h"

#include "common/keyfilter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QToolTip>

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
    const char* const decimal[] = {"DdalEdit",  "FdalEdit",   "FokEdit",  "UhelEdit", "CasEdit",   "FfotEdit2",
                                   "FfotEdit3", "RozmerEdit", "FF1",      "FF2",      "FfotEdit4", "CtverecEdit",
                                   "PointEdit", "FfotEdit5",  "CCD1",     "CCD2",     "FobjEdit",  "F",
                                   "ASAEdit",   "JasEdit",    "FfotEdit", "FokEdit2", "ClonaEdit"};
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

// Editing keys as the X11 platform delivers them: Delete carries the text U+007F.
TEST(KeyFilters, EditingKeysEditWhateverTextTheyCarry)
{
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* keyText;
        const char* shown;
        const char* selected;
    };
    // "12,5" with the cursor after "1".
    const Row rows[] = {
        {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", "1,5", ""},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", "2,5", ""},
        {"ShiftEnd", Qt::Key_End, Qt::ShiftModifier, "", "12,5", "2,5"},
        {"ShiftHome", Qt::Key_Home, Qt::ShiftModifier, "", "12,5", "1"},
        {"ShiftRight", Qt::Key_Right, Qt::ShiftModifier, "", "12,5", "2"},
        {"ShiftLeft", Qt::Key_Left, Qt::ShiftModifier, "", "12,5", "1"},
        {"FullStop", Qt::Key_Period, Qt::NoModifier, ".", "12,5", ""},
        {"Enter", Qt::Key_Return, Qt::NoModifier, "\r", "12,5", ""},
    };
    for (KeyFilter filter : {KeyFilter::Decimal, KeyFilter::SignedWhole, KeyFilter::Whole, KeyFilter::SignedDecimal}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            QLineEdit edit(QStringLiteral("12,5"));
            installKeyFilter(&edit, filter);
            edit.setCursorPosition(1);
            QTest::sendKeyEvent(QTest::KeyAction::Click, &edit, row.key, QString::fromLatin1(row.keyText),
                                row.modifiers);
            EXPECT_EQ(edit.text(), QString::fromLatin1(row.shown));
            EXPECT_EQ(edit.selectedText(), QString::fromLatin1(row.selected));
        }
    }
}

// Text committed by an input method (dead keys, compose, IBus) obeys the same rule
// as typed characters.
TEST(KeyFilters, InputMethodTextIsFilteredLikeTypedText)
{
    struct Row {
        KeyFilter filter;
        const char* committed;
        const char* shown;
        int refusals;
    };
    const Row rows[] = {
        {KeyFilter::Decimal, "é", "7", 1},
        {KeyFilter::Decimal, "5", "75", 0},
        {KeyFilter::Decimal, "1é,2", "71,2", 1},
        {KeyFilter::SignedWhole, "-3,", "7-3", 1},
        {KeyFilter::Whole, "-", "7", 1},
        {KeyFilter::GraphDecimal, "ž", "7", 1},
        {KeyFilter::Name, "#Širokoúhlý$", "7Širokoúhlý", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.committed);
        QLineEdit edit(QStringLiteral("7"));
        int refusals = 0;
        installKeyFilter(&edit, row.filter, [&] { ++refusals; });
        QInputMethodEvent event(QString(), {});
        event.setCommitString(QString::fromUtf8(row.committed));
        QCoreApplication::sendEvent(&edit, &event);
        EXPECT_EQ(edit.text(), QString::fromUtf8(row.shown));
        EXPECT_EQ(refusals, row.refusals);
    }
}

// A full stop never changes a number silently: the keypad's decimal key types the
// comma where the comma is the decimal separator, and a refused full stop says so
// at the field. Typed into "12".
TEST(KeyFilters, FullStopIsHintedAndTheKeypadTypesTheComma)
{
    const struct {
        KeyFilter filter;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        const char* shown;
        bool hint;
        int refusals;
    } rows[] = {
        {KeyFilter::Decimal, Qt::Key_Period, Qt::KeypadModifier, ".", "12,", false, 0},
        {KeyFilter::Decimal, Qt::Key_Period, Qt::NoModifier, ".", "12", true, 1},
        {KeyFilter::GraphDecimal, Qt::Key_Period, Qt::NoModifier, ".", "12", true, 1},
        {KeyFilter::Whole, Qt::Key_Period, Qt::KeypadModifier, ".", "12", false, 1},
        {KeyFilter::Name, Qt::Key_Period, Qt::KeypadModifier, ".", "12.", false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text + std::to_string(int(row.filter)));
        QToolTip::hideText();
        QLineEdit edit(QStringLiteral("12"));
        int refusals = 0;
        installKeyFilter(&edit, row.filter, [&] { ++refusals; });
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
        QTest::sendKeyEvent(QTest::KeyAction::Click, &edit, row.key, QString::fromLatin1(row.text), row.modifiers);
        EXPECT_EQ(edit.text(), QString::fromLatin1(row.shown));
        EXPECT_EQ(refusals, row.refusals);
        EXPECT_EQ(QToolTip::isVisible() && QToolTip::text() == kDecimalCommaHint, row.hint);
    }
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
            EXPECT_EQ(child(field.toLatin1().constData())->text(), QStringLiteral("0"))
                << row.button << " " << field.toStdString();
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
