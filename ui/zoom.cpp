#include "ui/zoom.h"

#include "ui/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
double currentScale = 1.0;
std::function<void(ViewKey)> viewKeyHandler;

bool fits(QSizeF designPixels, QSizeF area, double scale) {
    return std::ceil(designPixels.width() * scale) <= area.width() &&
           std::ceil(designPixels.height() * scale) <= area.height();
}
} // namespace

double viewScale() {
    return currentScale;
}

void setViewScale(double scale) {
    scale = std::max(1.0, scale);
    if (scale == currentScale) return;
    currentScale = scale;
    // A hidden window takes the new scale when it shows.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *f = qobject_cast<Form *>(w); f && f->isVisible()) f->applyViewScale();
    }
}

int largestFittingStep(QSizeF designPixels, QSizeF area) {
    int best = zoomSteps.front();
    for (int p : zoomSteps) {
        if (fits(designPixels, area, p / 100.0)) best = p;
    }
    return best;
}

int firstStartStep(QSizeF designPixels, QSizeF available) {
    return largestFittingStep(designPixels, QSizeF(available.width(), available.height() * 2 / 3));
}

int nextStep(int percent, int direction, int largest) {
    // A percent between two steps (a stored value) moves to its neighbouring step.
    if (direction > 0) {
        const auto it = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), percent);
        return it == zoomSteps.end() || *it > largest ? percent : *it;
    }
    const auto it = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    return it == zoomSteps.begin() ? percent : std::min(*(it - 1), std::max(largest, zoomSteps.front()));
}

double fullAreaScale(QSizeF designPixels, QSizeF area) {
    if (designPixels.isEmpty()) return 1.0;
    const double s = std::min(area.width() / designPixels.width(), area.height() / designPixels.height());
    // Two decimals, rounded down, so that rounding never pushes the board past the screen.
    return std::max(1.0, std::floor(s * 100) / 100);
}

ViewKey viewKeyOf(const QKeyEvent *e) {
    if (e->key() == Qt::Key_F11 && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return ViewKey::FullArea;
    if (!(e->modifiers() & Qt::ControlModifier) || (e->modifiers() & Qt::AltModifier)) return ViewKey::None;
    switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ViewKey::Larger;
    case Qt::Key_Minus:
        return ViewKey::Smaller;
    case Qt::Key_0:
        return ViewKey::Natural;
    default:
        return ViewKey::None;
    }
}

void setViewKeyHandler(std::function<void(ViewKey)> handler) {
    viewKeyHandler = std::move(handler);
}

bool handleViewKey(const QKeyEvent *e) {
    const ViewKey k = viewKeyOf(e);
    if (k == ViewKey::None) return false;
    if (viewKeyHandler) viewKeyHandler(k);
    return true;
}

} // namespace ui
