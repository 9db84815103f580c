#pragma once

#include "ui/controlbase.h"

class QScrollBar;

namespace ui {

// A horizontal scroll bar; a change of Value (user or code) runs Change.
class HScrollBar : public Control {
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int Max READ max WRITE setMax)
  public:
    HScrollBar(QWidget *container, const QString &name, int index = -1);
    int value() const;
    void setValue(int v);
    int min() const;
    void setMin(int v);
    int max() const;
    void setMax(int v);

  signals:
    void Change();

  private:
    QScrollBar *bar_;
};

} // namespace ui
