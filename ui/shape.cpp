#include "ui/shape.h"

#include <QPainter>
#include <cmath>

namespace ui {

// ---------------------------------------------------------------- Shape

Shape::Shape(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), backColor());
}

// ---------------------------------------------------------------- Line

Line::Line(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const float pad = lineWidth_ * twipsPerPixel;
    setRect(std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1) + pad, std::fabs(y2 - y1) + pad);
}

void Line::setBorderWidth(int w) {
    lineWidth_ = std::max(1, w);
    setEnds(x1_, y1_, x2_, y2_);
}

void Line::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const double z = viewScale();
    const double fx = unitX() * z / twipsPerPixel, fy = unitY() * z / twipsPerPixel;
    const QPointF origin(std::min(x1_, x2_), std::min(y1_, y2_));
    const QPointF a((x1_ - origin.x()) * fx, (y1_ - origin.y()) * fy);
    const QPointF b((x2_ - origin.x()) * fx, (y2_ - origin.y()) * fy);
    const int width = scaledLine(lineWidth_, z);
    QPen pen(foreColor(), width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const QPointF half(width / 2.0, width / 2.0);
    p.drawLine(a + half, b + half);
}

} // namespace ui
