#include "ui/image.h"

#include "ui/form.h"

#include <QPainter>
#include <QPointer>
#include <cmath>

namespace ui {

// The rectangle an unstretched picture takes at scale `zoom`: its own size.
static QRect naturalRect(const Picture &pic, double zoom) {
    return QRect(0, 0, static_cast<int>(std::lround(pic.size().width() * zoom)),
                 static_cast<int>(std::lround(pic.size().height() * zoom)));
}

// ---------------------------------------------------------------- Image

Image::Image(QWidget *container, const QString &name, int index) : Control(container, name, index) {}

void Image::setPicture(const Picture &pic) {
    const bool same = pic == picture_;
    picture_ = pic;
    if (!stretch_ && pic.size().isValid() && !pic.size().isEmpty())
        setRect(left(), top(), pic.size().width() * twipsPerPixel / unitX(),
                pic.size().height() * twipsPerPixel / unitY());
    // The same picture again (an idle portrait drawn twice) repaints nothing.
    if (!same) update();
    if (!same) renderAheadIfShownFirst();
}

void Image::setVisible(bool visible) {
    const bool was = !isHidden();
    Control::setVisible(visible);
    if (visible && !was) renderAheadIfShownFirst();
}

std::function<void()> Image::repaintWhenSharp() {
    return [self = QPointer<Image>(this)] {
        if (self) self->update();
    };
}

void Image::renderAheadIfShownFirst() {
    // While the window is being made, the pictures of its first paint are
    // rendered beside it.
    if (isHidden() || window()->isVisible()) return;
    if (const auto *f = qobject_cast<const Form *>(window()); f && f->rendersAhead()) prepare(picture_);
}

void Image::prepare(const Picture &pic) const {
    pic.prepare(stretch_ ? size() : naturalRect(pic, viewScale()).size(), devicePixelRatioF());
}

void Image::setStretch(bool s) {
    stretch_ = s;
    update();
}

void Image::paintEvent(QPaintEvent *) {
    QPainter p(this);
    picture_.draw(p, stretch_ ? rect() : naturalRect(picture_, viewScale()), repaintWhenSharp());
}

// ---------------------------------------------------------------- PictureBox

PictureBox::PictureBox(QWidget *container, const QString &name, int index) : Image(container, name, index) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), backColor());
    picture_.draw(p, naturalRect(picture_, viewScale()), repaintWhenSharp());
    if (hasFocus()) {
        const int w = scaledLine(1, viewScale());
        p.setPen(QPen(QColor(0, 0, 0), w, Qt::DotLine));
        if (w == 1)
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        else
            p.drawRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
    }
}

} // namespace ui
