#pragma once
// A toolkit widget standing in a game window as a control: placed in twips,
// drawn at the view's scale with its window (a line to type a name into, a
// chart, a drop-down list).

#include "ui/control.h"

namespace players {

class Hosted : public ui::Control {
    Q_OBJECT
  public:
    Hosted(QWidget *container, const QString &name, QWidget *inner, int index = -1)
        : Control(container, name, index) {
        inner->setParent(this);
        setInner(inner);
    }
    QWidget *widget() const { return inner(); }
};

} // namespace players
