#pragma once

#include "ui/controlbase.h"

namespace ui {

// A frame: a container with an optional caption and border.
class Frame : public Control {
    Q_OBJECT
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
  public:
    Frame(QWidget *container, const QString &name, int index = -1);
    int borderStyle() const { return border_; }
    void setBorderStyle(int b);

  protected:
    void paintEvent(QPaintEvent *) override;

  private:
    int border_ = 1;
};

} // namespace ui
