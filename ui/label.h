#pragma once

#include "ui/controlbase.h"

namespace ui {

// A label: text drawn with alignment, optional border, optional opaque
// background, auto-size to its text, word wrap within its width. Line breaks
// are carriage returns (a CR, LF or CR + LF).
class Label : public Control {
    Q_OBJECT
    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)
  public:
    enum { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    Label(QWidget *container, const QString &name, int index = -1);
    int alignment() const { return align_; }
    void setAlignment(int a);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    // With auto-size, whether a resize keeps the label's centre instead of its left edge.
    void setAutoSizeKeepsCentre(bool c) { keepCentre_ = c; }
    int borderStyle() const { return border_; }
    void setBorderStyle(int b);
    int backStyle() const { return backStyle_; }
    void setBackStyle(int b); // 0 transparent, 1 opaque
    bool wordWrap() const { return wrap_; }
    void setWordWrap(bool w);

  protected:
    void paintEvent(QPaintEvent *) override;
    void fontOrTextChanged() override;

  private:
    QString displayText() const;
    int align_ = AlignLeft;
    bool autoSize_ = false, keepCentre_ = false, wrap_ = false;
    int border_ = 0, backStyle_ = 1;
};

} // namespace ui
