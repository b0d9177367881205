// The graph's picture (Image1): a 430 x 260 bitmap drawn pixel by pixel as the
// graphs window describes it, and the pointer's moves over it.
#pragma once

#include "graphs/graph_math.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace noktaris {

class GraphPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 430;
    static constexpr int kHeight = 260;

    explicit GraphPicture(QWidget* parent);
    const QImage& image() const { return image_; }

    // White with a black outline.
    void paintBackground();
    // The silver plot area, the black axes and their ticks.
    void paintPlotArea();
    // The red curve, as far as it was computed.
    void paintCurve(const graphs::Curve& curve);
    // The grey cross-hair: the vertical line at the column, the horizontal one at
    // the row when there is one.
    void paintCrossHair(int column, std::optional<int> row);

signals:
    void pointerMoved(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // A line from a to b, b itself not drawn, clipped to the picture.
    void line(QPoint a, QPoint b, QRgb colour);
    void fill(const QRect& area, QRgb colour);

    QImage image_;
};

} // namespace noktaris
