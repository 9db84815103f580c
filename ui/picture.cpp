#include "ui/picture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QThreadPool>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace ui {

struct Picture::Data {
    QString name;
    QString path; // empty for a missing picture
    QSize size;
    // What names its renderings kept on disk (see keptFile), once known.
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
QSize pixelSize(QSize size, qreal dpr) {
    return QSize(static_cast<int>(std::ceil(size.width() * dpr)),
                 static_cast<int>(std::ceil(size.height() * dpr)));
}

void renderInto(QPaintDevice *device, QSvgRenderer *drawing, QSize size) {
    QPainter painter(device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (drawing) drawing->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
}

// The renderings made ahead on the worker are kept on disk as well, in the
// user's cache folder, so that the next start shows them without rendering
// them again: the board's tall tracks and its title cost more than all the
// rest of its first paint. At most keptOnDiskFiles are kept, the newest.
constexpr int keptOnDiskFiles = 48;
constexpr char keptMagic[8] = {'L', 'C', 'P', 'I', 'C', '1', 0, 0};

std::mutex keptFolderMutex;
std::optional<QString> keptFolderSet;

// The folder of the renderings kept on disk; none under test, unless the
// test sets one.
QString keptFolder() {
    {
        std::lock_guard lock(keptFolderMutex);
        if (keptFolderSet) return *keptFolderSet;
    }
    if (QStandardPaths::isTestModeEnabled()) return {};
    static const QString folder = [] {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        return cache.isEmpty() ? QString() : cache + QStringLiteral("/lessicorsa/pictures");
    }();
    return folder;
}

// A kept rendering is named after the drawing's bytes and the toolkit's
// version that rendered it (the key), its size and its pixel ratio: a
// changed drawing or another size never meets an old rendering.
QString drawingKey(const QString &path) {
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (f.open(QIODevice::ReadOnly)) hash.addData(&f);
    hash.addData(QByteArray(qVersion()));
    return QString::fromLatin1(hash.result().toHex().left(20));
}

QString keptName(const QString &key, QSize size, qreal dpr) {
    return QStringLiteral("%1-%2x%3@%4.argb").arg(key).arg(size.width()).arg(size.height()).arg(dpr);
}

// The file holds the rendering's own pixels (premultiplied ARGB, as rendered,
// so nothing is converted either way) after a heading of its pixel size.
QImage readKept(const QString &file, QSize pixels) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = f.read(sizeof keptMagic + 2 * sizeof(qint32));
    if (head.size() != int(sizeof keptMagic + 2 * sizeof(qint32)) ||
        std::memcmp(head.constData(), keptMagic, sizeof keptMagic) != 0)
        return {};
    qint32 w = 0, h = 0;
    std::memcpy(&w, head.constData() + sizeof keptMagic, sizeof w);
    std::memcpy(&h, head.constData() + sizeof keptMagic + sizeof w, sizeof h);
    if (QSize(w, h) != pixels) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    const qint64 bytes = image.sizeInBytes();
    if (image.isNull() || f.size() != head.size() + bytes) return {};
    if (f.read(reinterpret_cast<char *>(image.bits()), bytes) != bytes) return {};
    return image;
}

void writeKept(const QString &folder, const QString &file, const QImage &image) {
    if (!QDir().mkpath(folder)) return;
    QSaveFile f(file); // whole or not at all, also beside another instance
    if (!f.open(QIODevice::WriteOnly)) return;
    const qint32 w = image.width(), h = image.height();
    f.write(keptMagic, sizeof keptMagic);
    f.write(reinterpret_cast<const char *>(&w), sizeof w);
    f.write(reinterpret_cast<const char *>(&h), sizeof h);
    f.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    if (!f.commit()) return;
    const QFileInfoList kept =
        QDir(folder).entryInfoList({QStringLiteral("*.argb")}, QDir::Files, QDir::Time);
    for (qsizetype i = keptOnDiskFiles; i < kept.size(); ++i)
        QFile::remove(kept.at(i).filePath());
}

// The drawing at `path` rendered at `size` and `dpr`, and kept on disk as
// `file` unless that is empty.
QImage renderAndKeep(const QString &path, QSize size, qreal dpr, const QString &file) {
    QImage image(pixelSize(size, dpr), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    QSvgRenderer drawing(path);
    renderInto(&image, drawing.isValid() ? &drawing : nullptr, size);
    if (!file.isEmpty()) writeKept(QFileInfo(file).path(), file, image);
    return image;
}

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
    const QString folder = keptFolder();
    QString file;
    if (!folder.isEmpty()) {
        if (data_->keptKey.isEmpty()) data_->keptKey = drawingKey(data_->path);
        file = folder + QLatin1Char('/') + keptName(data_->keptKey, size, dpr);
        QImage kept = readKept(file, pixelSize(size, dpr));
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
        QImage image = renderAndKeep(path, size, dpr, file);
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

namespace {
constexpr int iconSizes[] = {16, 32, 48};

class PictureIcon : public QIconEngine {
  public:
    explicit PictureIcon(Picture p) : picture_(std::move(p)) {}
    void paint(QPainter *p, const QRect &r, QIcon::Mode, QIcon::State) override { picture_.draw(*p, r); }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override {
        return picture_.pixmap(size, 1.0);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int s : iconSizes)
            sizes << QSize(s, s);
        return sizes;
    }
    QIconEngine *clone() const override { return new PictureIcon(picture_); }

  private:
    Picture picture_;
};
} // namespace

QIcon Picture::icon() const {
    for (int s : iconSizes)
        prepare(QSize(s, s), 1.0);
    return QIcon(new PictureIcon(*this));
}

void Picture::setKeptFolder(const QString &folder) {
    std::lock_guard lock(keptFolderMutex);
    keptFolderSet = folder;
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
