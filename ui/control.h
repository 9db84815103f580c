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

#include "ui/button.h"
#include "ui/controlbase.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/picture.h"
#include "ui/shape.h"

#include <QPointer>

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
