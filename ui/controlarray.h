#pragma once
// A control array: controls sharing one name, told apart by an index that
// need not start at 0 nor be contiguous.

#include <QtGlobal>
#include <map>

namespace ui {

template <typename T> class ControlArray {
  public:
    T *operator()(int index) const {
        auto it = items_.find(index);
        Q_ASSERT_X(it != items_.end(), "ControlArray", "no control with this index");
        return it == items_.end() ? nullptr : it->second;
    }
    bool has(int index) const { return items_.count(index) != 0; }
    void add(int index, T *control) { items_[index] = control; }
    int lbound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int ubound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    std::map<int, T *> items_;
};

} // namespace ui
