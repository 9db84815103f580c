#include "ui/form.h"

#include "ui/platform.h"
#include "ui/zoom.h"

#include <QBackingStore>
#include <QImage>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>
#include <sys/mman.h>
#include <unistd.h>

// A window's size and place on the screen, the view's scale it is drawn at,
// and the full-screen view.

namespace ui {

QSizeF Form::designPixels() const {
    const double menu = menuBar_ ? menuBar_->sizeHint().height() / viewScale() : 0.0;
    return {clientWidthTwips_ / twipsPerPixel, clientHeightTwips_ / twipsPerPixel + menu};
}

QRect Form::screenArea(bool available) const {
    return platform().screenArea(this, available);
}

void Form::applyViewScale() {
    const double z = ui::viewScale();
    if (z == client_->zoom) return;
    layout()->activate(); // a window never shown has its size only now
    const QPoint centre = geometry().center();
    client_->zoom = z;
    client_->setFixedSize(static_cast<int>(std::lround(clientWidthTwips_ * z / twipsPerPixel)),
                          static_cast<int>(std::lround(clientHeightTwips_ * z / twipsPerPixel)));
    QWidget::setFont(scaledFont(designFont_, z));
    if (menuBar_) menuBar_->setFont(menuFont(z));
    for (QMenu *m : findChildren<QMenu *>())
        m->setFont(menuFont(z));
    for (Control *c : findChildren<Control *>())
        c->applyViewScale();
    // The pictures shown are rendered at their new sizes on the worker
    // thread; until each is ready, its former size stands in.
    for (Image *i : findChildren<Image *>())
        if (i->isVisible()) i->prepare(i->picture());
    if (fullArea_) {
        coverScreen();
        return;
    }
    // The window keeps its centre, within the screen's free area.
    placeCentredAt(centre);
    prepareBackingStore();
}

void Form::prepareBackingStore() {
    // A new size gives the window a new backing store; its pages are mapped
    // here in one call rather than one fault at a time during the paint.
    QBackingStore *store = isVisible() ? backingStore() : nullptr;
    if (!store) return;
    const QSize size = this->size();
    if (store->size() != size) store->resize(size);
    auto *image = dynamic_cast<QImage *>(store->paintDevice());
    if (!image || image->isNull()) return;
    const auto page = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<quintptr>(image->bits()) & ~(page - 1);
    const auto end = reinterpret_cast<quintptr>(image->bits()) + static_cast<quintptr>(image->sizeInBytes());
    madvise(reinterpret_cast<void *>(begin), end - begin, MADV_POPULATE_WRITE);
}

void Form::placeCentredAt(QPoint centre) {
    // The fixed-size layout gives the window its new size at once.
    layout()->activate();
    const QRect area = screenArea(true);
    QRect r(QPoint(0, 0), minimumSize());
    r.moveCenter(centre);
    if (r.right() > area.right()) r.moveRight(area.right());
    if (r.bottom() > area.bottom()) r.moveBottom(area.bottom());
    if (r.left() < area.left()) r.moveLeft(area.left());
    if (r.top() < area.top()) r.moveTop(area.top());
    move(r.topLeft());
}

void Form::setFullArea(bool on) {
    if (on == fullArea_) return;
    fullArea_ = on;
    auto *box = static_cast<QVBoxLayout *>(layout());
    if (on) {
        normalPos_ = pos();
        normalCentre_ = isVisible() ? geometry().center() : QPoint();
        box->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        box->setAlignment(client_, Qt::AlignCenter);
        setWindowState(windowState() | Qt::WindowFullScreen);
        coverScreen();
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        box->setAlignment(client_, Qt::Alignment());
        box->setSizeConstraint(QLayout::SetFixedSize);
        placeCentredAt(normalCentre_.isNull() ? screenArea(true).center() : normalCentre_);
    }
    update();
}

void Form::coverScreen() {
    // Without a window manager the full-screen state alone does not cover the
    // screen. (A new geometry clears the state, so it is set again.) A hidden
    // window is placed when it shows.
    if (!isVisible()) return;
    setGeometry(screenArea(false));
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void Form::paintEvent(QPaintEvent *e) {
    QWidget::paintEvent(e);
    if (!fullArea_) return;
    QPainter p(this);
    p.setClipRegion(e->region() - client_->geometry());
    p.fillRect(rect(), margin_);
}

void Form::setScale(float x, float y) {
    client_->scaleX = x;
    client_->scaleY = y;
}

// The window's position is in the view's twips (15 / scale to a pixel), so
// that centring by the outer size, computed in twips, centres the window as
// drawn. With the board filling the screen, the position is the one the
// window returns to.
float Form::left() const {
    const QPoint at = fullArea_ ? normalPos_ : pos();
    return static_cast<float>(at.x() * twipsPerPixel / viewScale());
}
float Form::top() const {
    const QPoint at = fullArea_ ? normalPos_ : pos();
    return static_cast<float>(at.y() * twipsPerPixel / viewScale());
}
void Form::setLeft(float t) {
    const int x = static_cast<int>(std::lround(t * viewScale() / twipsPerPixel));
    if (fullArea_)
        normalPos_.setX(x);
    else
        move(x, pos().y());
}
void Form::setTop(float t) {
    const int y = static_cast<int>(std::lround(t * viewScale() / twipsPerPixel));
    if (fullArea_)
        normalPos_.setY(y);
    else
        move(pos().x(), y);
}

float Form::outerWidth() const {
    return clientWidthTwips_ + 2 * borderTwips;
}

float Form::outerHeight() const {
    const int menu = menuBar_ ? menuBar_->sizeHint().height() : 0;
    return clientHeightTwips_ + static_cast<float>(menu * twipsPerPixel / viewScale()) + captionTwips +
           2 * borderTwips;
}

void Form::setOuterWidth(float t) {
    clientWidthTwips_ = std::max(0.0f, t - 2 * borderTwips);
    client_->setFixedWidth(static_cast<int>(std::lround(clientWidthTwips_ * viewScale() / twipsPerPixel)));
}

float Form::scaleWidth() const {
    return clientWidthTwips_ / client_->scaleX;
}
float Form::scaleHeight() const {
    return clientHeightTwips_ / client_->scaleY;
}

void Form::centre() {
    const QSizeF screen = platform().screenTwips() / viewScale();
    setTop((static_cast<float>(screen.height()) - outerHeight()) / 2);
    setLeft((static_cast<float>(screen.width()) - outerWidth()) / 2);
}

} // namespace ui
