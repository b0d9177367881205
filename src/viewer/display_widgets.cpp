#include "viewer/display_widgets.h"

#include "viewer/frame_layout.h"
#include "viewer/picture_file.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

namespace noktaris {

QWidget* addBlackArea(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* area = new QWidget(parent);
    area->setObjectName(name);
    area->setGeometry(geometry);
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, Qt::black);
    area->setPalette(palette);
    area->setAutoFillBackground(true);
    return area;
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Image")); }

QSize PictureView::coverSize() const { return viewer::kDisplayArea.size() * devicePixelRatioF(); }

bool PictureView::load(const QString& path)
{
    if (pictures::pictureKind(path) != pictures::PictureKind::Unknown && !isVisible()) {
        if (!QFileInfo(path).isFile())
            return false;
        pending_ = path;
        return true;
    }
    const std::optional<QImage> picture = pictures::loadPicture(path, coverSize());
    if (!picture)
        return false;
    pending_.clear();
    display(*picture);
    return true;
}

void PictureView::display(const QImage& picture)
{
    picture_ = picture;
    scaled_ = QPixmap();
    update();
}

void PictureView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (pending_.isEmpty())
        return;
    // A file that turns out broken leaves the picture shown before.
    if (const std::optional<QImage> picture = pictures::loadPicture(pending_, coverSize()))
        display(*picture);
    pending_.clear();
}

void PictureView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    const QSize pixels = size() * devicePixelRatioF();
    if (scaled_.size() != pixels) {
        scaled_ = QPixmap::fromImage(picture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter(this).drawPixmap(0, 0, scaled_);
}

FrameShape::FrameShape(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Shape1"));
    setCursor(Qt::SizeAllCursor);
}

void FrameShape::setCircle(bool circle)
{
    if (circle_ != circle) {
        circle_ = circle;
        update();
    }
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, circle_);
    painter.setPen(QPen(Qt::yellow, 2));
    painter.setBrush(Qt::NoBrush);
    // The 2-pixel pen lies inside the frame's bounds.
    const QRectF inside = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (circle_)
        painter.drawEllipse(inside);
    else
        painter.drawRect(inside);
}

void FrameShape::mousePressEvent(QMouseEvent* event) { emit pressed(event->globalPosition().toPoint()); }

void FrameShape::mouseReleaseEvent(QMouseEvent*) { emit released(); }

} // namespace noktaris
