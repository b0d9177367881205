#include "graphs/graph_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace noktaris {

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

// p / q rounded, halves up (q > 0).
qint64 roundedRatio(qint64 p, qint64 q)
{
    const qint64 n = 2 * p + q;
    const qint64 d = 2 * q;
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

} // namespace

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(kWhite);
}

void GraphPicture::fill(const QRect& area, QRgb colour)
{
    const QRect r = area.intersected(image_.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y)) + r.left(), r.width(), colour);
}

void GraphPicture::line(QPoint a, QPoint b, QRgb colour)
{
    const qint64 dx = b.x() - a.x();
    const qint64 dy = b.y() - a.y();
    if (dx == 0 && dy == 0)
        return;
    // Steps along the longer axis; the other coordinate is rounded from it. Only
    // the steps that fall inside the picture are visited.
    const bool steep = std::llabs(dy) > std::llabs(dx);
    const qint64 major = steep ? dy : dx;
    const qint64 minor = steep ? dx : dy;
    const qint64 length = std::llabs(major);
    const qint64 step = major > 0 ? 1 : -1;
    const qint64 from = steep ? a.y() : a.x();
    const qint64 other = steep ? a.x() : a.y();
    const qint64 limit = steep ? kHeight : kWidth;
    qint64 first = 0;
    qint64 last = length - 1;
    if (step > 0) {
        first = std::max(first, -from);
        last = std::min(last, limit - 1 - from);
    } else {
        first = std::max(first, from - (limit - 1));
        last = std::min(last, from);
    }
    const qint64 otherLimit = steep ? kWidth : kHeight;
    for (qint64 t = first; t <= last; ++t) {
        const qint64 m = from + step * t;
        const qint64 n = other + roundedRatio(minor * t, length);
        if (n < 0 || n >= otherLimit)
            continue;
        const int x = static_cast<int>(steep ? n : m);
        const int y = static_cast<int>(steep ? m : n);
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour;
    }
}

void GraphPicture::paintBackground()
{
    fill(image_.rect(), kBlack);
    fill(image_.rect().adjusted(1, 1, -1, -1), kWhite);
    update();
}

void GraphPicture::paintPlotArea()
{
    using namespace graphs;
    fill(QRect(QPoint(kLeft, kTop), QPoint(kRight - 1, kBottom - 1)), kSilver);
    line({kLeft, kBottom}, {kRight, kBottom}, kBlack);
    line({kLeft, kBottom}, {kLeft, kTop}, kBlack);
    for (int i = 1; i <= 10; ++i) {
        const int x = kLeft + 36 * i;
        line({x, kBottom - 5}, {x, kBottom + 5}, kBlack);
        const int y = kBottom - 21 * i;
        line({kLeft + 5, y}, {kLeft - 5, y}, kBlack);
    }
    update();
}

void GraphPicture::paintCurve(const graphs::Curve& curve)
{
    for (int i = 1; i < curve.count; ++i)
        line({graphs::kLeft + i - 1, curve.rows[i - 1]}, {graphs::kLeft + i, curve.rows[i]}, kRed);
    update();
}

void GraphPicture::paintCrossHair(int column, std::optional<int> row)
{
    using namespace graphs;
    line({column, kBottom}, {column, kTop - 1}, kGrey);
    if (row)
        line({kLeft, *row}, {kRight, *row}, kGrey);
    update();
}

void GraphPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void GraphPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

} // namespace noktaris
