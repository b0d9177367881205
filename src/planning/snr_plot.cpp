#include "planning/snr_plot.h"

#include "common/numbers.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace noktaris {

namespace {

constexpr int kLeft = 44;
constexpr int kRight = 18;
constexpr int kTop = 20;
constexpr int kBottom = 34;

// A round step (1, 2 or 5 times a power of ten) that divides the range into at
// most five parts.
double tickStep(double range)
{
    const double rough = range / 5;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * decade >= rough)
            return m * decade;
    return 10 * decade;
}

// A tick's label in the program's number form, at most two decimals.
QString tickText(double value)
{
    return formatNumber(roundTo(Real::fromBinary(static_cast<long double>(value)), value < 10 ? 2 : 0));
}

} // namespace

SnrPlot::SnrPlot(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void SnrPlot::setCurve(std::optional<SnrCurve> curve)
{
    curve_ = curve;
    update();
}

QRect SnrPlot::plotArea() const { return QRect(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom); }

double SnrPlot::timeRange() const { return curve_ ? std::max(7200.0, 2 * curve_->total) : 7200.0; }

double SnrPlot::ratioRange() const
{
    if (!curve_)
        return 1;
    const double top = std::sqrt(std::floor(timeRange() / curve_->sub)) * curve_->sigma1;
    return 1.1 * std::max(top, curve_->wanted);
}

QPointF SnrPlot::pointAt(double seconds, double ratio) const
{
    const QRect a = plotArea();
    return {a.left() + seconds / timeRange() * a.width(), a.bottom() - ratio / ratioRange() * a.height()};
}

void SnrPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawAxes(painter);
    if (curve_)
        drawCurve(painter);
    else
        painter.drawText(plotArea(), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Graf se ukáže, až půjdou spočítat všechny výsledky."));
}

void SnrPlot::drawAxes(QPainter& painter) const
{
    const QRect a = plotArea();
    painter.setPen(Qt::black);
    painter.drawLine(a.bottomLeft(), a.bottomRight());
    painter.drawLine(a.bottomLeft(), a.topLeft());
    const QFontMetrics metrics(font());
    const double hourStep = tickStep(timeRange() / 3600);
    for (double hours = 0; hours <= timeRange() / 3600 * (1 + 1e-9); hours += hourStep) {
        const int x = int(std::lround(pointAt(hours * 3600, 0).x()));
        painter.drawLine(x, a.bottom(), x, a.bottom() + 3);
        const QString text = tickText(hours);
        painter.drawText(x - metrics.horizontalAdvance(text) / 2, a.bottom() + 4 + metrics.ascent(), text);
    }
    if (curve_) {
        const double ratioStep = tickStep(ratioRange());
        for (double ratio = 0; ratio <= ratioRange() * (1 + 1e-9); ratio += ratioStep) {
            const int y = int(std::lround(pointAt(0, ratio).y()));
            painter.drawLine(a.left() - 3, y, a.left(), y);
            const QString label = tickText(ratio);
            painter.drawText(a.left() - 5 - metrics.horizontalAdvance(label), y + metrics.ascent() / 2, label);
        }
    }
    const QString timeTitle = QStringLiteral("Celkový čas (hod)");
    painter.drawText(a.center().x() - metrics.horizontalAdvance(timeTitle) / 2, height() - 3, timeTitle);
    painter.drawText(4, metrics.ascent() + 2, QStringLiteral("SNR"));
}

void SnrPlot::drawCurve(QPainter& painter) const
{
    const QRect a = plotArea();
    painter.setPen(QColor::fromRgba(kWantedColour));
    const int wantedY = int(std::lround(pointAt(0, curve_->wanted).y()));
    painter.drawLine(a.left() + 1, wantedY, a.right(), wantedY);
    // A column at a time: the subs finished by that time, each step as the curve rises.
    painter.setPen(QColor::fromRgba(kCurveColour));
    QPoint last = pointAt(0, 0).toPoint();
    for (int x = a.left() + 1; x <= a.right(); ++x) {
        const double seconds = double(x - a.left()) / a.width() * timeRange();
        const double subs = std::floor(seconds / curve_->sub + 1e-9);
        const QPoint next(x, int(std::lround(pointAt(seconds, std::sqrt(subs) * curve_->sigma1).y())));
        painter.drawLine(last, QPoint(next.x(), last.y()));
        painter.drawLine(QPoint(next.x(), last.y()), next);
        last = next;
    }
}

} // namespace noktaris
