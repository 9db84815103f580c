#include "ui/picture.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

struct Picture::Data {
    QString name;
    QSize size;
    std::unique_ptr<QSvgRenderer> renderer; // null for a missing picture
};

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

void Picture::render(QPainter &p, const QRectF &target) const {
    if (isNull()) return;
    data_->renderer->render(&p, target);
}

} // namespace ui
