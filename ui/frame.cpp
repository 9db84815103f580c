#include "ui/frame.h"

#include <QPainter>
#include <cmath>

namespace ui {

Frame::Frame(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Frame::setBorderStyle(int b) {
    border_ = b;
    update();
}

void Frame::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), backColor());
    if (!border_) return;
    // An etched border: a grey line with a white one beside it.
    const double z = viewScale();
    const int lw = scaledLine(1, z);
    const QFontMetrics fm(font());
    const int top = caption_.isEmpty() ? 0 : fm.height() / 2;
    const QRect r = rect().adjusted(0, top, -lw, -lw);
    outline(p, r, lw, QColor(128, 128, 128));
    outline(p, r.translated(lw, lw), lw, QColor(255, 255, 255));
    if (!caption_.isEmpty()) {
        QString text = caption_;
        text.remove(QLatin1Char('&'));
        const int pad = scaledLine(2, z);
        const int w = fm.horizontalAdvance(text) + 2 * pad;
        const int x = static_cast<int>(std::lround(6 * z));
        p.fillRect(QRect(x, 0, w, fm.height()), backColor());
        p.setPen(foreColor());
        p.setFont(font());
        p.drawText(QRect(x + pad, 0, w, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

} // namespace ui
