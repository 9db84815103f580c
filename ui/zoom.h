#pragma once
// The view's scale: how large the game's windows are drawn. At scale 1 a
// pixel is 15 twips; at scale s every position, size, font and line width is
// s times larger, and the pictures are rendered at the size they are shown.
// The scale belongs to the view alone: the controls' Left, Top, Width and
// Height stay in twips and their FontSize in points at every scale.
//
// The scale goes in steps (100 % to 400 %), or, with the board filling the
// screen, it is the largest that fits.

#include <QSizeF>
#include <array>
#include <functional>

class QKeyEvent;

namespace ui {

// The zoom steps, in percent.
inline constexpr std::array<int, 8> zoomSteps{100, 125, 150, 175, 200, 250, 300, 400};

// The scale every window is drawn at (1 = 15 twips a pixel).
double viewScale();
// Sets the scale and redraws every open window at it.
void setViewScale(double scale);

// The largest step at which a window of `designPixels` (its size at scale 1)
// fits into `area`; at least 100.
int largestFittingStep(QSizeF designPixels, QSizeF area);
// The step of a first start: the largest at which the window is no taller than
// two thirds of the available height, at least 100.
int firstStartStep(QSizeF designPixels, QSizeF available);
// The next step up (direction +1) or down (-1) from `percent`, never past
// `largest`; the same step at either end.
int nextStep(int percent, int direction, int largest);
// The largest scale at which `designPixels` fit into `area` (at least 1).
double fullAreaScale(QSizeF designPixels, QSizeF area);

// The keys that change the view, whatever window has the focus.
enum class ViewKey { None, Larger, Smaller, Natural, FullArea };
ViewKey viewKeyOf(const QKeyEvent *e);
// What the view keys do (installed by the main window). A window's key
// routing hands them here before any key handler of its own sees them.
void setViewKeyHandler(std::function<void(ViewKey)> handler);
// Runs the handler for a view key; false for any other key.
bool handleViewKey(const QKeyEvent *e);

} // namespace ui
