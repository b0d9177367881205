#include "app/bare_windows.h"

#include "common/handover.h"
#include "common/widgets.h"

#include <QLabel>
#include <QPushButton>

namespace noktaris {

QWidget* makeAboutBox()
{
    auto* box = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    box->setObjectName(QStringLiteral("TForm2"));
    box->setFixedSize(350, 220);
    addLabel(box, QStringLiteral("Label3"), QStringLiteral("verze 1.4"), QRect(20, 90, 310, 20), LabelStyle::Heading);
    QPushButton* ok = addButton(box, QStringLiteral("BitBtn1"), QStringLiteral("OK"), QRect(135, 180, 80, 25));
    QObject::connect(ok, &QPushButton::clicked, box, &QWidget::close);
    centreOnDesktop(box);
    return box;
}

} // namespace noktaris
