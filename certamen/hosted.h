#pragma once
// Two controls for the tournament's windows: a plain Qt widget hosted as a
// control (placed in twips, its font drawn at the view's scale like the
// others'), and a control whose face is painted by a function.

#include "ui/control.h"

#include <QPainter>
#include <QResizeEvent>
#include <functional>

class Hosted : public ui::Control {
    Q_OBJECT
  public:
    Hosted(QWidget *container, const QString &name, QWidget *inner)
        : Control(container, name), inner_(inner) {
        inner->setParent(this);
        setFocusPolicy(Qt::NoFocus);
    }
    QWidget *hosted() const { return inner_; }

  protected:
    void resizeEvent(QResizeEvent *e) override {
        Control::resizeEvent(e);
        inner_->setGeometry(rect());
    }

  private:
    QWidget *inner_;
};

class Pictura : public ui::Control {
    Q_OBJECT
  public:
    using Painter = std::function<void(QPainter &, const QRectF &)>;
    Pictura(QWidget *container, const QString &name, Painter paint)
        : Control(container, name), paint_(std::move(paint)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        paint_(p, QRectF(rect()));
    }

  private:
    Painter paint_;
};
