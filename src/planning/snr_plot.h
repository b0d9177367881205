// The plot of the sky window: the stack's signal-to-noise ratio against the total
// time, √N σ1 after N subs (a step at each sub's end), up to the larger of 2 hours
// and twice the time the wanted ratio needs, with the wanted ratio as a line.
#pragma once

#include <QWidget>

#include <optional>

class QPainter;

namespace noktaris {

struct SnrCurve {
    double sigma1 = 0; // one sub's ratio
    double sub = 0;    // one sub, s
    double wanted = 0; // the wanted ratio
    double total = 0;  // the time it needs, s
};

class SnrPlot : public QWidget {
    Q_OBJECT
public:
    explicit SnrPlot(QWidget* parent = nullptr);

    // The curve to draw, or none (only the axes and a note).
    void setCurve(std::optional<SnrCurve> curve);
    const std::optional<SnrCurve>& curve() const { return curve_; }

    // The axes' reach: seconds and the ratio at the top.
    double timeRange() const;
    double ratioRange() const;
    // Where a time (s) and a ratio lie in the widget.
    QPointF pointAt(double seconds, double ratio) const;
    QRect plotArea() const;

    static constexpr QRgb kCurveColour = 0xff0000c0;
    static constexpr QRgb kWantedColour = 0xffd00000;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawAxes(QPainter& painter) const;
    void drawCurve(QPainter& painter) const;

    std::optional<SnrCurve> curve_;
};

} // namespace noktaris
