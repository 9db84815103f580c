#pragma once
// The plain drawn controls: a filled rectangle and a straight line.

#include "ui/controlbase.h"

namespace ui {

// A filled rectangle shape.
class Shape : public Control {
    Q_OBJECT
  public:
    Shape(QWidget *container, const QString &name, int index = -1);

  protected:
    void paintEvent(QPaintEvent *) override;
};

// A straight line from (X1, Y1) to (X2, Y2).
class Line : public Control {
    Q_OBJECT
    Q_PROPERTY(float X1 READ x1)
    Q_PROPERTY(float Y1 READ y1)
    Q_PROPERTY(float X2 READ x2)
    Q_PROPERTY(float Y2 READ y2)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
  public:
    Line(QWidget *container, const QString &name, int index = -1);
    void setEnds(float x1, float y1, float x2, float y2);
    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    int borderWidth() const { return lineWidth_; }
    void setBorderWidth(int w);

  protected:
    void paintEvent(QPaintEvent *) override;

  private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int lineWidth_ = 1;
};

} // namespace ui
