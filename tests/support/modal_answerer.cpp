#include "support/modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace noktaris::test {

ModalAnswerer::ModalAnswerer(QStringList script) : script_(std::move(script))
{
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start(5);
}

QStringList ModalAnswerer::texts() const
{
    QStringList result;
    for (const SeenBox& box : boxes)
        result << box.text;
    return result;
}

void ModalAnswerer::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
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
    box->done(0);
}

} // namespace noktaris::test
