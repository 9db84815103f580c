#pragma once
// The controls the game's windows are made of.
//
// Introspection contract: every control is a QObject named as in the window's
// design ("Parola", "Timer1"), with the index in brackets for members of a
// control array ("sign(5)", "fumetto(1)"). Its designed properties are Qt
// properties under the design's names: Left, Top, Width, Height (in the
// container's units: twips, unless the window sets a scale), Visible (the
// control's own flag, not whether its container shows), Tag, ToolTipText,
// BackColor, ForeColor, FontName, FontSize, FontBold, Caption, and per kind
// Value, ListIndex, ListCount, Interval, Enabled, Stretch, AutoSize, ...
// Geometry is kept exactly as assigned (a float) and mapped to Qt's
// device-independent pixels at 15 twips per pixel.
//
// A value changed by code runs the same handler as the user's action: the
// Click signal of a check box, option button or list box and the Change signal
// of a scroll bar fire whether the user or the program changed the value.

#include "ui/controlbase.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/shape.h"

#include <QPointer>

class QPushButton;
class QCheckBox;
class QRadioButton;
class QScrollBar;

namespace ui {

// A command button. Whether it is the window's default (Enter) or cancel (Esc)
// button is kept by the window. A caption too wide for the button wraps at its
// blanks onto further lines.
class CommandButton : public Control {
    Q_OBJECT
  public:
    CommandButton(QWidget *container, const QString &name, int index = -1);
    void setCaption(const QString &c) override;
    void setBackColor(const QColor &c) override;
    // Presses the button as a click does.
    void press();

  protected:
    void fontOrTextChanged() override;
    void resizeEvent(QResizeEvent *e) override;

  private:
    QPushButton *button_;
};

// A check box; Value 0 cleared, 1 ticked. Line breaks in the caption are
// carriage returns, as in a label.
class CheckBox : public Control {
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
  public:
    CheckBox(QWidget *container, const QString &name, int index = -1);
    int value() const { return value_; }
    // A change (from the user or from code) runs the Click handler.
    void setValue(int v);
    void setCaption(const QString &c) override;
    void setBackColor(const QColor &c) override;
    void setForeColor(const QColor &c) override;

    void applyViewScale() override;

  protected:
    void fontOrTextChanged() override;

  private:
    QCheckBox *box_;
    int value_ = 0;
};

// An option button; the buttons sharing a container exclude each other.
class OptionButton : public Control {
    Q_OBJECT
    Q_PROPERTY(bool Value READ value WRITE setValue)
  public:
    OptionButton(QWidget *container, const QString &name, int index = -1);
    bool value() const { return value_; }
    // Selecting (from the user or from code) clears the others and runs Click.
    void setValue(bool v);
    void setCaption(const QString &c) override;
    void setBackColor(const QColor &c) override;
    void setForeColor(const QColor &c) override;

    void applyViewScale() override;

  protected:
    void fontOrTextChanged() override;

  private:
    QRadioButton *radio_;
    bool value_ = false;
};

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
