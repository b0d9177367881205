// Answers the program's message boxes while a test drives the windows: every box
// that opens is recorded (caption and text) and answered with the next button of
// the script, or OK when the script is used up.
#pragma once

#include <QObject>
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

private:
    void poll();
    QTimer timer_;
    QStringList script_;
};

} // namespace noktaris::test
