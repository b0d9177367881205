#include "support/window_test.h"

#include "app/startup.h"

#include <QApplication>

namespace noktaris::test {

QStringList texts(std::initializer_list<const QLabel*> labels)
{
    QStringList result;
    for (const QLabel* label : labels)
        result << label->text();
    return result;
}

void expectAfterTyping(std::initializer_list<TypingStep> steps)
{
    for (const TypingStep& s : steps) {
        type(s.field, QString::fromUtf8(s.text));
        EXPECT_EQ(s.label->text(), QString::fromUtf8(s.result)) << s.field->objectName().toStdString() << "=" << s.text;
    }
}

void paintBeforeFork()
{
    QCoreApplication::processEvents();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window->isVisible())
            window->repaint();
}

void type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    // QTest knows the keys of ASCII characters only; a Czech letter comes as the
    // text of a key the keyboard has no code for, as from a national layout.
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void pick(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

WindowTest::~WindowTest() { destroyWindows(); }

void WindowTest::start(std::initializer_list<Application::Window> only)
{
    startUp(only);
    // The start-mode timer fires once the events are processed, then stops for good.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form1()->Timer1->isActive(); }, 5000))
        << "the start-mode timer did not fire";
}

} // namespace noktaris::test
