// The yardstick of the program's start: a bare Qt window of the basic-mode window's
// size holding as many plain labels, line edits and push buttons as the program
// has widgets after its start, shown once. It links only Qt Widgets (the quit rule
// is the program's own header).
//
//   bare_window WIDTH HEIGHT LABELS EDITS BUTTONS [--count]
//
// With NOKTARIS_QUIT_AFTER_SHOW=1 it quits as the program does: as soon as its
// first top-level window has received its first paint event. --count prints the
// number of widgets of the application when it quits.
#include "app/quit_after_paint.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT LABELS EDITS BUTTONS [--count]\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const int labels = std::atoi(argv[3]);
    const int edits = std::atoi(argv[4]);
    const int buttons = std::atoi(argv[5]);
    const bool count = argc > 6 && std::strcmp(argv[6], "--count") == 0;

    QApplication app(argc, argv);
    // The program's font, so that both look up the same one.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(width, height);
    // Rows of fields as a calculator window has them: cells of 100 x 21 pixels,
    // starting again at the top when the window is full.
    const int columns = qMax(1, width / 100);
    const int rows = qMax(1, height / 21);
    const int total = labels + edits + buttons;
    const int wanted[3] = {labels, edits, buttons};
    int made[3] = {0, 0, 0};
    for (int i = 0; i < total; ++i) {
        // The three kinds interleaved in their proportions: the kind furthest behind
        // its share comes next.
        int kind = 0;
        double behind = -1e9;
        for (int k = 0; k < 3; ++k) {
            const double by = double(i + 1) * wanted[k] / total - made[k];
            if (made[k] < wanted[k] && by > behind) {
                behind = by;
                kind = k;
            }
        }
        ++made[kind];
        QWidget* child = nullptr;
        if (kind == 0)
            child = new QLabel(QStringLiteral("Popisek %1:").arg(i), &window);
        else if (kind == 1)
            child = new QLineEdit(QString::number(i), &window);
        else
            child = new QPushButton(QStringLiteral("Tlačítko"), &window);
        child->setGeometry((i % columns) * 100, (i / columns % rows) * 21, 96, 19);
    }
    window.show();
    noktaris::QuitAfterFirstPaint::installWhenAsked();
    const int status = QApplication::exec();
    if (count)
        std::printf("widgets\t%lld\tlabels\t%lld\tedits\t%lld\tbuttons\t%lld\n",
                    qlonglong(QApplication::allWidgets().size()), qlonglong(window.findChildren<QLabel*>().size()),
                    qlonglong(window.findChildren<QLineEdit*>().size()),
                    qlonglong(window.findChildren<QPushButton*>().size()));
    return status;
}
