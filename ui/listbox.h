#pragma once

#include "ui/controlbase.h"

#include <QStringList>

class QListWidget;

namespace ui {

// A list box.
class ListBox : public Control {
    Q_OBJECT
    Q_PROPERTY(int ListIndex READ listIndex WRITE setListIndex)
    Q_PROPERTY(int ListCount READ listCount)
    Q_PROPERTY(QStringList Items READ items)
  public:
    ListBox(QWidget *container, const QString &name, int index = -1);
    void addItem(const QString &s);
    // Room for `n` items in all, so that adding many allocates once.
    void reserve(int n);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    // Item i; an empty text out of range.
    QString list(int i) const;
    QStringList items() const { return items_; }
    int listIndex() const { return listIndex_; }
    // Selecting an item (also from code) runs the Click handler.
    void setListIndex(int i);
    // The selected item's text (empty with no selection).
    QString text() const { return list(listIndex_); }
    void setBackColor(const QColor &c) override;

  protected:
    void showEvent(QShowEvent *e) override;

  private:
    // The items live in items_; the view that shows them is made the first
    // time the list box is on the screen, so a hidden list box of many
    // thousand items costs no more than its texts.
    void makeView();
    QListWidget *view_ = nullptr;
    QStringList items_;
    int listIndex_ = -1;
    bool backColorSet_ = false;
};

} // namespace ui
