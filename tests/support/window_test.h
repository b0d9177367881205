// Base of the window tests: a fresh copy of the program's folder, a fake platform,
// and the program's windows created by the start-up and deleted after the case.
#pragma once

#include "app/application.h"
#include "app/basic_window.h"
#include "app/startup.h"
#include "common/handover.h"
#include "common/status_line.h"
#include "support/fake_platform.h"
#include "support/modal_answerer.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace noktaris::test {

// Replaces the field's text as a user does: focus, select all, Backspace, then the
// text key by key through the field's filter.
void type(QLineEdit* field, const QString& text);
// Picks the list's item as a user does: selected, then the list's activated signal.
void pick(QComboBox* list, int index);
// The labels' texts, in order, for comparing a group's results at once.
QStringList texts(std::initializer_list<const QLabel*> labels);
// Types each step's text into its field and expects its label to read `result`.
struct TypingStep {
    QLineEdit* field;
    const char* text;
    const QLabel* label;
    const char* result;
};
void expectAfterTyping(std::initializer_list<TypingStep> steps);
// Paints every window now. A forked child has none of the parent's threads, and
// Qt spreads large paintings over threads: a child that had to paint a whole
// window would wait for them for ever. Call it before running windows in a child.
void paintBeforeFork();

class WindowTest : public ::testing::Test {
protected:
    ~WindowTest() override;
    // Runs the start-up and lets the start-mode timer fire. A case whose subject
    // is not the start-up makes only the windows it works with (`only`, the
    // basic-mode window always among them).
    void start(std::initializer_list<Application::Window> only = {});
    Application& app() const { return application(); }
    TForm1* form1() const { return app().form1(); }
    // Opens a calculation window as the hub's buttons do.
    template <class W>
    W* open(W* window) const
    {
        openChildWindow(window);
        return window;
    }
    template <class T = QLineEdit>
    T* child(const char* name) const
    {
        T* found = form1()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void setConfig(const QByteArray& bytes) const { folder.write(QStringLiteral("config.ini"), bytes); }
    QByteArray config() const { return folder.read(QStringLiteral("config.ini")); }

    ProgramFolder folder;
    FakePlatformScope fake;
    ModalWatchdog watchdog;
};

} // namespace noktaris::test
