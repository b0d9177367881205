// The widgets of the viewer's display: the black area, the picture stretched over
// its control, and the yellow frame of the instrument's field.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace noktaris {

// A black rectangle (the display area behind the picture).
QWidget* addBlackArea(QWidget* parent, const QString& name, const QRect& geometry);

// The picture control: draws its picture stretched to its own size, proportions
// not kept; with no picture it draws nothing, so the black area shows.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent);
    // Shows the picture of the file, or keeps the one shown and returns false when
    // the file cannot be read. While the control is hidden (the viewer is made at
    // start) only the file's presence is checked; it is decoded when first shown.
    bool load(const QString& path);
    // The picture shown (null for none) as it was read.
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The largest size the picture is shown at (the "100%" step), in device pixels.
    QSize coverSize() const;
    void display(const QImage& picture);

    QImage picture_;
    QPixmap scaled_;
    QString pending_;
};

// The frame: a yellow circle or rectangle with a 2-pixel pen, transparent inside.
// Pressing a button on it and moving the mouse are reported for dragging.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    explicit FrameShape(QWidget* parent);
    void setCircle(bool circle);
    bool isCircle() const { return circle_; }

signals:
    void pressed(QPoint globalPosition);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool circle_ = true;
};

} // namespace noktaris
