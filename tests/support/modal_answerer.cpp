#include "support/modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace noktaris::test {

namespace {

// How many answerers are alive: the watchdog leaves their boxes to them.
int& liveAnswerers()
{
    static int count = 0;
    return count;
}

QMessageBox* openBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

} // namespace

ModalAnswerer::ModalAnswerer(QStringList script) : script_(std::move(script))
{
    ++liveAnswerers();
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start(5);
}

ModalAnswerer::~ModalAnswerer() { --liveAnswerers(); }

QStringList ModalAnswerer::texts() const
{
    QStringList result;
    for (const SeenBox& box : boxes)
        result << box.text;
    return result;
}

void ModalAnswerer::poll()
{
    QMessageBox* box = openBox();
    if (!box)
        return;
    SeenBox seen{box->windowTitle(), box->text(), {}};
    for (QAbstractButton* button : box->buttons())
        seen.buttons << button->text();
    boxes << seen;
    const QString answer = script_.isEmpty() ? QString() : script_.takeFirst();
    if (answer == QStringLiteral("Escape")) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    }
    for (QAbstractButton* button : box->buttons()) {
        if (answer.isEmpty() ? box->buttonRole(button) == QMessageBox::AcceptRole
                             : button->text() == answer || button->objectName() == answer) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button \"" << answer.toStdString() << "\" in the box \"" << seen.text.toStdString() << '"';
    box->done(0);
}

ModalWatchdog::ModalWatchdog(int graceMs) : graceMs_(graceMs)
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::poll);
    timer_.start(50);
}

void ModalWatchdog::poll()
{
    QMessageBox* box = liveAnswerers() == 0 ? openBox() : nullptr;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (box != watched_) {
        watched_ = box;
        seenAt_ = now;
        return;
    }
    if (!box || now - seenAt_ < graceMs_)
        return;
    ADD_FAILURE() << "a message box was left unanswered: \"" << box->text().toStdString() << '"';
    watched_ = nullptr;
    box->done(0);
}

} // namespace noktaris::test
