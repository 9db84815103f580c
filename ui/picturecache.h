#pragma once
// The renderings of pictures (ui/picture.h) kept on disk for the next run, and
// the small pieces of rendering a picture and its kept renderings share. Used
// only in ui/.

#include <QImage>
#include <QSize>
#include <QString>
#include <cmath>

class QPaintDevice;
class QSvgRenderer;

namespace ui::detail {

// The pixels a rendering at `size` (logical pixels) takes at pixel ratio `dpr`.
inline QSize pixelSize(QSize size, qreal dpr) {
    return QSize(static_cast<int>(std::ceil(size.width() * dpr)),
                 static_cast<int>(std::ceil(size.height() * dpr)));
}

// Renders `drawing` (none leaves the device as it is) stretched to `size`.
void renderInto(QPaintDevice *device, QSvgRenderer *drawing, QSize size);

// Where the renderings are kept (empty for nowhere), and the folder a test
// sets instead.
QString keptFolder();
void setKeptFolder(const QString &folder);

// The key naming the renderings of the drawing at `path`, and the file name
// of its rendering at `size` and `dpr`.
QString drawingKey(const QString &path);
QString keptName(const QString &key, QSize size, qreal dpr);

// The rendering kept as `file`, or a null image unless it is there, whole,
// and `pixels` in size.
QImage readKept(const QString &file, QSize pixels);

// Renders on the worker thread, and keeps the rendering as `file`.
QImage renderAndKeep(const QString &path, QSize size, qreal dpr, const QString &file);

} // namespace ui::detail
