#include "ui/picturecache.h"
#include "ui/wholefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <cstring>
#include <mutex>
#include <optional>

namespace ui::detail {

void renderInto(QPaintDevice *device, QSvgRenderer *drawing, QSize size) {
    QPainter painter(device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (drawing) drawing->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
}

namespace {
// The renderings made ahead on the worker are kept on disk as well, in the
// user's cache folder, so that the next start shows them without rendering
// them again: the board's tall tracks and its title cost more than all the
// rest of its first paint. At most keptOnDiskFiles are kept, the newest.
constexpr int keptOnDiskFiles = 48;
constexpr char keptMagic[8] = {'L', 'C', 'P', 'I', 'C', '1', 0, 0};

std::mutex keptFolderMutex;
std::optional<QString> keptFolderSet;

void writeKept(const QString &folder, const QString &file, const QImage &image) {
    if (!QDir().mkpath(folder)) return;
    const qint32 w = image.width(), h = image.height();
    QByteArray bytes;
    bytes.reserve(qsizetype(sizeof keptMagic + 2 * sizeof w) + image.sizeInBytes());
    bytes.append(keptMagic, sizeof keptMagic);
    bytes.append(reinterpret_cast<const char *>(&w), sizeof w);
    bytes.append(reinterpret_cast<const char *>(&h), sizeof h);
    bytes.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    // Whole or not at all, also beside another instance; a rendering not
    // kept is only rendered again at the next start.
    if (!writeWhole(file, bytes)) return;
    const QFileInfoList kept =
        QDir(folder).entryInfoList({QStringLiteral("*.argb")}, QDir::Files, QDir::Time);
    for (qsizetype i = keptOnDiskFiles; i < kept.size(); ++i)
        QFile::remove(kept.at(i).filePath());
}
} // namespace

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

void setKeptFolder(const QString &folder) {
    std::lock_guard lock(keptFolderMutex);
    keptFolderSet = folder;
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

} // namespace ui::detail
