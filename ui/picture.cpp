#include "ui/picture.h"

#include "ui/picturecache.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QThreadPool>
#include <QXmlStreamReader>
#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace ui {

using detail::pixelSize;
using detail::renderInto;

struct Picture::Data {
    QString name;
    QString path; // empty for a missing picture
    QSize size;
    // What names its renderings kept on disk (see keptName), once known.
    mutable QString keptKey;
    // The drawing is read at its first rendering: most pictures of a window
    // are not shown at its first paint, and their sizes are in their heading.
    mutable std::unique_ptr<QSvgRenderer> renderer;
    mutable bool read = false;
    QSvgRenderer *drawing() const {
        if (!read) {
            read = true;
            renderer = std::make_unique<QSvgRenderer>(path);
            if (!renderer->isValid()) renderer.reset();
        }
        return renderer.get();
    }
    // The renderings kept, by size and pixel ratio; a handful at most (the
    // sizes a picture is shown at, at the current scale).
    struct Rendering {
        QSize size;
        qreal dpr;
        QPixmap pixmap;
    };
    mutable std::vector<Rendering> renderings;
    // Renderings under way on a worker thread.
    struct Job {
        std::mutex mutex;
        std::condition_variable done;
        bool ready = false;
        QImage image;
        // Called on the GUI thread once the rendering is ready.
        std::vector<std::function<void()>> whenReady; // GUI thread only
    };
    struct Pending {
        QSize size;
        qreal dpr;
        std::shared_ptr<Job> job;
    };
    mutable std::vector<Pending> pending;
};

namespace {
int renderings = 0;
int underWay = 0; // renderings on the worker whose end the GUI thread has not yet seen
constexpr std::size_t keptRenderings = 6;

// The size an SVG file gives itself in the width and height of its root
// element, in pixels; an empty size when they are missing or not plain numbers.
QSize declaredSize(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&f);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("svg")) return {};
    bool okW = false, okH = false;
    const double w = xml.attributes().value(QLatin1String("width")).toDouble(&okW);
    const double h = xml.attributes().value(QLatin1String("height")).toDouble(&okH);
    if (!okW || !okH || w <= 0 || h <= 0) return {};
    return QSize(qRound(w), qRound(h));
}
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
        d->path = path;
        d->size = declaredSize(path);
        // Without a plain size in its heading the drawing is read now.
        if (d->size.isEmpty()) d->size = d->drawing() ? d->renderer->defaultSize() : QSize();
    }
    if (d->path.isEmpty() || (d->read && !d->renderer)) {
        d->path.clear();
        d->size = fallback;
    }
    Picture p;
    p.data_ = d;
    cache.insert(name, p.data_);
    return p;
}

bool Picture::isNull() const {
    return !data_ || data_->path.isEmpty();
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
    QPixmap pm;
    auto &jobs = data_->pending;
    const auto job = std::find_if(jobs.begin(), jobs.end(),
                                  [&](const Data::Pending &j) { return j.size == size && j.dpr == dpr; });
    if (job != jobs.end()) {
        const std::shared_ptr<Data::Job> j = job->job;
        jobs.erase(job);
        std::unique_lock lock(j->mutex);
        j->done.wait(lock, [&] { return j->ready; });
        pm = QPixmap::fromImage(std::move(j->image));
    } else {
        pm = QPixmap(pixelSize(size, dpr));
        pm.setDevicePixelRatio(dpr);
        pm.fill(Qt::transparent);
        renderInto(&pm, data_->drawing(), size);
        // The rendering is kept, so the drawing is let go until another
        // size is needed.
        data_->renderer.reset();
        data_->read = false;
        ++renderings;
    }
    kept.insert(kept.begin(), Data::Rendering{size, dpr, pm});
    if (kept.size() > keptRenderings) kept.pop_back();
    return pm;
}

void Picture::prepare(QSize size, qreal dpr) const {
    if (isNull() || size.isEmpty()) return;
    for (const auto &r : data_->renderings)
        if (r.size == size && r.dpr == dpr) return;
    for (const auto &j : data_->pending)
        if (j.size == size && j.dpr == dpr) return;
    ++renderings;
    // A rendering kept on disk is read at once, here: no worker is needed.
    const QString folder = detail::keptFolder();
    QString file;
    if (!folder.isEmpty()) {
        if (data_->keptKey.isEmpty()) data_->keptKey = detail::drawingKey(data_->path);
        file = folder + QLatin1Char('/') + detail::keptName(data_->keptKey, size, dpr);
        QImage kept = detail::readKept(file, pixelSize(size, dpr));
        if (!kept.isNull()) {
            kept.setDevicePixelRatio(dpr);
            auto &shown = data_->renderings;
            shown.insert(shown.begin(), Data::Rendering{size, dpr, QPixmap::fromImage(std::move(kept))});
            if (shown.size() > keptRenderings) shown.pop_back();
            return;
        }
    }
    auto job = std::make_shared<Data::Job>();
    data_->pending.push_back({size, dpr, job});
    ++underWay;
    // The worker reads the drawing itself: a renderer is not shared between threads.
    QThreadPool::globalInstance()->start([job, path = data_->path, size, dpr, file] {
        QImage image = detail::renderAndKeep(path, size, dpr, file);
        {
            std::lock_guard lock(job->mutex);
            job->image = std::move(image);
            job->ready = true;
            job->done.notify_all();
        }
        if (QCoreApplication *app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [job] {
                    --underWay;
                    const auto calls = std::exchange(job->whenReady, {});
                    for (const auto &call : calls)
                        call();
                },
                Qt::QueuedConnection);
        }
    });
}

void Picture::draw(QPainter &p, const QRect &target, std::function<void()> whenSharp) const {
    if (isNull() || target.isEmpty()) return;
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const auto &jobs = data_->pending;
    const auto job = std::find_if(jobs.begin(), jobs.end(), [&](const Data::Pending &j) {
        return j.size == target.size() && j.dpr == dpr;
    });
    if (whenSharp && job != jobs.end() && !data_->renderings.empty()) {
        bool ready;
        {
            std::lock_guard lock(job->job->mutex);
            ready = job->job->ready;
        }
        if (!ready) {
            // The size last drawn stands in, stretched, for the few frames
            // the worker takes to render the new one.
            job->job->whenReady.push_back(std::move(whenSharp));
            p.save();
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(target, data_->renderings.front().pixmap);
            p.restore();
            return;
        }
    }
    p.drawPixmap(target.topLeft(), pixmap(target.size(), dpr));
}

void Picture::setKeptFolder(const QString &folder) {
    detail::setKeptFolder(folder);
}

int Picture::renderingsUnderWay() {
    return underWay;
}

int Picture::renderCount() {
    return renderings;
}

void Picture::render(QPainter &p, const QRectF &target) const {
    if (isNull()) return;
    if (QSvgRenderer *drawing = data_->drawing()) drawing->render(&p, target);
}

} // namespace ui
