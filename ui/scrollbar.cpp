#include "ui/scrollbar.h"

#include <QScrollBar>

namespace ui {

HScrollBar::HScrollBar(QWidget *container, const QString &name, int index)
    : Control(container, name, index), bar_(new QScrollBar(Qt::Horizontal, this)) {
    setInner(bar_);
    setFocusProxy(bar_);
    bar_->setPageStep(1);
    connect(bar_, &QScrollBar::valueChanged, this, [this] { emit Change(); });
}

int HScrollBar::value() const {
    return bar_->value();
}
void HScrollBar::setValue(int v) {
    bar_->setValue(v);
}
int HScrollBar::min() const {
    return bar_->minimum();
}
void HScrollBar::setMin(int v) {
    bar_->setMinimum(v);
}
int HScrollBar::max() const {
    return bar_->maximum();
}
void HScrollBar::setMax(int v) {
    bar_->setMaximum(v);
}

} // namespace ui
