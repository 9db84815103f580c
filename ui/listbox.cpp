#include "ui/listbox.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace ui {

ListBox::ListBox(QWidget *container, const QString &name, int index) : Control(container, name, index) {}

void ListBox::makeView() {
    if (view_) return;
    view_ = new QListWidget(this);
    view_->setFrameShape(QFrame::Box);
    view_->setAutoFillBackground(backColorSet_);
    view_->addItems(items_);
    view_->setCurrentRow(listIndex_);
    setInner(view_);
    view_->show();
    connect(view_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != listIndex_) setListIndex(row);
    });
}

void ListBox::showEvent(QShowEvent *e) {
    makeView();
    Control::showEvent(e);
}

void ListBox::setBackColor(const QColor &c) {
    Control::setBackColor(c);
    backColorSet_ = true;
    if (view_) view_->setAutoFillBackground(true);
}

void ListBox::addItem(const QString &s) {
    items_.append(s);
    if (view_) view_->addItem(s);
}

void ListBox::reserve(int n) {
    items_.reserve(n);
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    if (!view_) return;
    const QSignalBlocker block(view_);
    view_->clear();
}

QString ListBox::list(int i) const {
    return i >= 0 && i < items_.size() ? items_.at(i) : QString();
}

void ListBox::setListIndex(int i) {
    if (i < -1 || i >= items_.size()) return;
    listIndex_ = i;
    if (view_) {
        const QSignalBlocker block(view_);
        view_->setCurrentRow(i);
    }
    emit Click();
}

} // namespace ui
