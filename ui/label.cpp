#include "ui/label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace ui {

Label::Label(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_OpaquePaintEvent); // opaque until made transparent
}

QString Label::displayText() const {
    QString t = caption_;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void Label::setAlignment(int a) {
    align_ = a;
    update();
}
void Label::setAutoSize(bool a) {
    autoSize_ = a;
    fontOrTextChanged();
}
void Label::setBorderStyle(int b) {
    border_ = b;
    fontOrTextChanged();
    update();
}
void Label::setBackStyle(int b) {
    backStyle_ = b;
    // An opaque label paints every pixel: what lies beneath it need not be painted.
    setAttribute(Qt::WA_OpaquePaintEvent, b == 1);
    update();
}
void Label::setWordWrap(bool w) {
    wrap_ = w;
    fontOrTextChanged();
    update();
}

void Label::fontOrTextChanged() {
    if (!autoSize_) return;
    // Measured at scale 1 with the design font, so the size in twips is the
    // same at every scale.
    const QFontMetricsF fm(designFont());
    const QString text = displayText();
    const float bw = border_ ? 2.0f : 0.0f;
    float wpx, hpx;
    if (wrap_) {
        const int avail = std::max(1, static_cast<int>(std::lround(width_() * unitX() / twipsPerPixel)) -
                                          static_cast<int>(bw));
        const QRectF r = fm.boundingRect(QRectF(0, 0, avail, 100000), Qt::TextWordWrap, text);
        wpx = avail;
        hpx = std::ceil(r.height());
    } else {
        const QStringList lines = text.split(QLatin1Char('\n'));
        double w = 0;
        for (const QString &l : lines)
            w = std::max(w, fm.horizontalAdvance(l));
        wpx = static_cast<float>(std::ceil(w));
        hpx = static_cast<float>(std::ceil(fm.lineSpacing() * lines.size()));
    }
    const float newW = wrap_ ? width_() : (wpx + bw) * twipsPerPixel / unitX();
    const float newH = (hpx + bw) * twipsPerPixel / unitY();
    if (keepCentre_ && !wrap_)
        setRect(left() + (width_() - newW) / 2, top(), newW, newH);
    else
        setRect(left(), top(), newW, newH);
}

void Label::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (backStyle_ == 1) p.fillRect(rect(), backColor());
    const double z = viewScale();
    QRect r = rect();
    if (border_) {
        const int w = scaledLine(1, z);
        outline(p, r, w, QColor(0, 0, 0));
        r.adjust(w, w, -w, -w);
    }
    int flags = Qt::AlignTop;
    flags |= align_ == AlignCenter ? Qt::AlignHCenter : align_ == AlignRight ? Qt::AlignRight : Qt::AlignLeft;
    if (wrap_ || !autoSize_) flags |= Qt::TextWordWrap;
    // The text is laid out as at scale 1 and drawn magnified: its lines break
    // where they do at the design's size and it ends where the size measured
    // for it ends, so nothing is cut off at any scale.
    p.setPen(foreColor());
    p.setFont(designFont());
    p.scale(z, z);
    p.drawText(QRectF(r.x() / z, r.y() / z, r.width() / z, r.height() / z), flags, displayText());
}

} // namespace ui
