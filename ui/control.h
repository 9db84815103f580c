#pragma once
// The controls the game's windows are made of: each kind, or small family of
// kinds, has a header of its own; this one gathers them all.
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
#include "ui/scrollbar.h"
#include "ui/shape.h"
