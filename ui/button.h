#pragma once
// The buttons: command buttons, check boxes and option buttons, each drawn
// by a Qt button inside the control.

#include "ui/controlbase.h"

class QPushButton;
class QCheckBox;
class QRadioButton;

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

} // namespace ui
