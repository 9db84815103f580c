#include "ui/controlbase.h"

#include "ui/form.h"
#include "ui/picture.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace ui {

QString controlName(const QString &name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

QCursor customPointer(double zoom) {
    // One pointer per scale, drawn at twice its size for sharp edges.
    static QHash<int, QCursor> cursors;
    const int key = static_cast<int>(std::lround(zoom * 100));
    if (auto it = cursors.constFind(key); it != cursors.cend()) return *it;
    const Picture p = Picture::load(QStringLiteral("pointer"), QSize(32, 32));
    QCursor cursor(Qt::PointingHandCursor);
    if (!p.isNull()) {
        const int side = static_cast<int>(std::lround(32 * zoom));
        QPixmap pm(2 * side, 2 * side);
        pm.setDevicePixelRatio(2.0);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        painter.setRenderHint(QPainter::Antialiasing);
        p.render(painter, QRectF(0, 0, side, side));
        painter.end();
        const int hot = static_cast<int>(std::lround(zoom));
        cursor = QCursor(pm, hot, hot);
    }
    cursors.insert(key, cursor);
    return cursor;
}

QFont scaledFont(const QFont &design, double zoom) {
    QFont f = design;
    if (zoom != 1.0 && design.pointSizeF() > 0) f.setPointSizeF(design.pointSizeF() * zoom);
    return f;
}

int scaledLine(int pixels, double zoom) {
    return std::max(1, static_cast<int>(std::lround(pixels * zoom)));
}

void outline(QPainter &p, const QRect &r, int w, const QColor &c) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), w), c);
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), c);
    p.fillRect(QRect(r.left(), r.top(), w, r.height()), c);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), c);
}

// ---------------------------------------------------------------- Control

Control::Control(QWidget *container, const QString &name, int index) : QWidget(container), index_(index) {
    setObjectName(controlName(name, index));
    setFocusPolicy(Qt::NoFocus);
    // A control created later lies below those created before it: the window's
    // creation order lists its controls from the front to the back.
    lower();
}

float Control::unitX() const {
    auto *c = qobject_cast<const ClientArea *>(parentWidget());
    return c ? c->scaleX : 1.0f;
}

float Control::unitY() const {
    auto *c = qobject_cast<const ClientArea *>(parentWidget());
    return c ? c->scaleY : 1.0f;
}

double Control::viewScale() const {
    auto *f = qobject_cast<const Form *>(window());
    return f ? f->viewScale() : 1.0;
}

QFont Control::designFont() const {
    if (ownFont_) return designFont_;
    if (auto *c = qobject_cast<const Control *>(parentWidget())) return c->designFont();
    if (auto *f = qobject_cast<const Form *>(window())) return f->designFont();
    return font();
}

void Control::setDesignFont(const QFont &f) {
    // The same font again changes nothing and repaints nothing.
    if (ownFont_ && f == designFont_ && f.pointSizeF() == designFont_.pointSizeF()) return;
    designFont_ = f;
    ownFont_ = true;
    setFont(scaledFont(f, viewScale()));
    fontOrTextChanged();
}

void Control::useCustomPointer() {
    customPointer_ = true;
    setCursor(customPointer(viewScale()));
}

void Control::applyViewScale() {
    updateGeometryFromTwips();
    const double z = viewScale();
    if (ownFont_) setFont(scaledFont(designFont_, z));
    if (customPointer_) setCursor(customPointer(z));
    update();
}

void Control::fitInnerText(QWidget *inner, const QString &text) const {
    const double z = viewScale();
    const QFont design = designFont();
    QFont f = scaledFont(design, z);
    if (z != 1.0 && !text.isEmpty() && f.pointSizeF() > 0) {
        // At the design's scale the caption just fits its control; a scaled
        // font may come out a few per cent wider and lose its last letter.
        const QFontMetricsF atOne(design), atZoom(f);
        qreal one = 0, zoomed = 0;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            one = std::max(one, atOne.horizontalAdvance(line));
            zoomed = std::max(zoomed, atZoom.horizontalAdvance(line));
        }
        if (zoomed > one * z) {
            f.setPointSizeF(f.pointSizeF() * one * z / zoomed);
            inner->setFont(f);
            return;
        }
    }
    inner->setFont(QFont()); // the control's own font, as at the design's scale
}

void Control::updateGeometryFromTwips() {
    const double z = viewScale();
    const double fx = unitX() * z / twipsPerPixel, fy = unitY() * z / twipsPerPixel;
    const int x0 = static_cast<int>(std::lround(left_ * fx));
    const int y0 = static_cast<int>(std::lround(top_ * fy));
    const int x1 = static_cast<int>(std::lround((static_cast<double>(left_) + width__) * fx));
    const int y1 = static_cast<int>(std::lround((static_cast<double>(top_) + height__) * fy));
    setGeometry(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

void Control::setLeft(float v) {
    left_ = v;
    updateGeometryFromTwips();
}
void Control::setTop(float v) {
    top_ = v;
    updateGeometryFromTwips();
}
void Control::setWidth(float v) {
    width__ = std::max(0.0f, v);
    updateGeometryFromTwips();
}
void Control::setHeight(float v) {
    height__ = std::max(0.0f, v);
    updateGeometryFromTwips();
}
void Control::setRect(float l, float t, float w, float h) {
    left_ = l;
    top_ = t;
    width__ = std::max(0.0f, w);
    height__ = std::max(0.0f, h);
    updateGeometryFromTwips();
}

void Control::applyPalette() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back_);
    pal.setColor(QPalette::Button, back_);
    pal.setColor(QPalette::Base, back_);
    pal.setColor(QPalette::WindowText, fore_);
    pal.setColor(QPalette::ButtonText, fore_);
    pal.setColor(QPalette::Text, fore_);
    setPalette(pal);
}

// A colour set again (the highlight's white on every tick) repaints nothing.
void Control::setBackColor(const QColor &c) {
    if (backSet_ && c == back_) return;
    back_ = c;
    backSet_ = true;
    applyPalette();
    update();
}

void Control::setForeColor(const QColor &c) {
    if (foreSet_ && c == fore_) return;
    fore_ = c;
    foreSet_ = true;
    applyPalette();
    update();
}

void Control::setFontName(const QString &f) {
    QFont fo = designFont();
    fo.setFamily(f);
    setDesignFont(fo);
}

void Control::setFontSize(double pt) {
    QFont fo = designFont();
    fo.setPointSizeF(pt);
    setDesignFont(fo);
}

void Control::setFontBold(bool b) {
    QFont fo = designFont();
    fo.setBold(b);
    setDesignFont(fo);
}

void Control::setFontSpec(const QString &family, double pt, bool bold) {
    QFont fo(family);
    fo.setPointSizeF(pt);
    fo.setBold(bold);
    setDesignFont(fo);
}

void Control::setCaption(const QString &c) {
    // The same text again (the elapsed time, set on every tick and changing
    // once a second) repaints nothing.
    if (captionSet_ && c == caption_) return;
    captionSet_ = true;
    caption_ = c;
    fontOrTextChanged();
    update();
}

void Control::setInner(QWidget *w) {
    inner_ = w;
    w->setGeometry(rect());
}

void Control::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    if (inner_) inner_->setGeometry(rect());
}

void Control::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        // The click is this control's alone: its container does not see it too.
        e->accept();
        // A check box or an option button is ticked by a click anywhere on
        // it, beside its caption too, not only on its mark or its text.
        if (auto *button = qobject_cast<QAbstractButton *>(inner_))
            button->click();
        else
            emit Click();
        return;
    }
    QWidget::mouseReleaseEvent(e);
}

void Control::focusInEvent(QFocusEvent *e) {
    QWidget::focusInEvent(e);
    emit GotFocus();
}

void Control::focusOutEvent(QFocusEvent *e) {
    QWidget::focusOutEvent(e);
    emit LostFocus();
}

} // namespace ui
