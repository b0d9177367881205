// The about box: the artwork of scripts/make_about_picture.py with the labels over it.
#include "app/about_box.h"

#include "common/handover.h"
#include "common/widgets.h"
#include "platform/links.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace noktaris {

namespace {

// A label over the picture: no background of its own, light text on the night sky.
QLabel* overPicture(QWidget* box, const QString& name, const QString& text, const QRect& geometry, const QColor& colour,
                    bool link = false)
{
    QLabel* label = addLabel(box, name, text, geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    if (link) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        label->setCursor(Qt::PointingHandCursor);
    }
    return label;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm2"));
    setFixedSize(350, 220);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 350, 220);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/noktaris/about.png")));

    const QColor pale(200, 212, 240);
    const QColor link(150, 200, 255);
    Label3 = overPicture(this, QStringLiteral("Label3"), QStringLiteral("verze 1.4"), QRect(24, 80, 150, 16), pale);
    Label1 = overPicture(this, QStringLiteral("Label1"), webLocation(), QRect(24, 118, 220, 16), link, true);
    Label2 = overPicture(this, QStringLiteral("Label2"), authorMail(), QRect(24, 136, 220, 16), link, true);
    Label4 = overPicture(this, QStringLiteral("Label4"), QStringLiteral("© 2026 tým Noktaris · GNU GPL 3"),
                         QRect(12, 194, 236, 16), QColor(150, 160, 190));
    for (QLabel* label : {Label1, Label2})
        label->adjustSize();
    onLabelClick(Label1, [this] { Label1Click(); });
    onLabelClick(Label2, [this] { Label2Click(); });

    BitBtn1 = addButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK"), QRect(263, 188, 75, 25));
    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    centreOnDesktop(this);
}

void TForm2::Label1Click() { openWebPageAnyway(); }

void TForm2::Label2Click() { openMail(); }

void TForm2::BitBtn1Click() { close(); }

} // namespace noktaris
