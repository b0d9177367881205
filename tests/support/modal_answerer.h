// Answers the program's message boxes while a test drives the windows: every box
// that opens is recorded (caption and text) and answered with the next button of
// the script, or OK when the script is used up. An answer that names no button of
// the box fails the test.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace noktaris::test {

struct SeenBox {
    QString caption;
    QString text;
    QStringList buttons;
};

class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    // Buttons by their text ("&Ne", "OK") or objectName ("Vlastni"); "Escape" presses Escape.
    explicit ModalAnswerer(QStringList script = {});
    QList<SeenBox> boxes;
    QStringList texts() const;

    ~ModalAnswerer() override;

private:
    void poll();
    QTimer timer_;
    QStringList script_;
};

// Fails, instead of hanging, a test that leaves a message box open with no
// answerer: the box is recorded as a failure and closed after a grace period.
class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(int graceMs = 2000);

private:
    void poll();
    QTimer timer_;
    int graceMs_;
    QPointer<QObject> watched_;
    qint64 seenAt_ = 0;
};

} // namespace noktaris::test
