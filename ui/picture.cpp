#include "ui/picture.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {

struct Picture::Data {
    QString name;
    QSize size;
    std::unique_ptr<QSvgRenderer> renderer; // null for a missing picture
    // The renderings kept, by size and pixel ratio; a handful at most (the
    // sizes a picture is shown at, at the current scale).
    struct Rendering {
        QSize size;
        qreal dpr;
        QPixmap pixmap;
    };
    mutable std::vector<Rendering> renderings;
};

namespace {
int renderings = 0;
constexpr std::size_t keptRenderings = 6;
} // namespace

Picture Picture::load(const QString &name, QSize fallback) {
    // One shared drawing per name: the same picture loaded twice is the same picture.
    static QHash<QString, std::weak_ptr<const Data>> cache;
    if (auto cached = cache.value(name).lock()) {
        Picture p;
        p.data_ = cached;
        return p;
    }
    auto d = std::make_shared<Data>();
    d->name = name;
    const QString path = QStringLiteral(":/pictures/%1.svg").arg(name);
    if (QFile::exists(path)) {
        d->renderer = std::make_unique<QSvgRenderer>(path);
        if (d->renderer->isValid())
            d->size = d->renderer->defaultSize();
        else
            d->renderer.reset();
    }
    if (!d->renderer) d->size = fallback;
    Picture p;
    p.data_ = d;
    cache.insert(name, p.data_);
    return p;
}

bool Picture::isNull() const {
    return !data_ || !data_->renderer;
}
QString Picture::name() const {
    return data_ ? data_->name : QString();
}
QSize Picture::size() const {
    return data_ ? data_->size : QSize();
}

QPixmap Picture::pixmap(QSize size, qreal dpr) const {
    if (isNull() || size.isEmpty()) return {};
    auto &kept = data_->renderings;
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (it->size == size && it->dpr == dpr) {
            // Most recently used first, so the oldest size is the one let go.
            if (it != kept.begin()) std::rotate(kept.begin(), it, it + 1);
            return kept.front().pixmap;
        }
    }
    QPixmap pm(QSize(static_cast<int>(std::ceil(size.width() * dpr)),
                     static_cast<int>(std::ceil(size.height() * dpr))));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    {
        QPainter painter(&pm);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        data_->renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    ++renderings;
    kept.insert(kept.begin(), Data::Rendering{size, dpr, pm});
    if (kept.size() > keptRenderings) kept.pop_back();
    return pm;
}

void Picture::draw(QPainter &p, const QRect &target) const {
    if (isNull() || target.isEmpty()) return;
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    p.drawPixmap(target.topLeft(), pixmap(target.size(), dpr));
}

int Picture::renderCount() {
    return renderings;
}

void Picture::render(QPainter &p, const QRectF &target) const {
    if (isNull()) return;
    data_->renderer->render(&p, target);
}

} // namespace ui
