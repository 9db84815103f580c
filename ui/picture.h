#pragma once
// A picture a control shows: one of the game's SVG drawings, compiled into the
// program as a resource and rendered at the screen's pixel ratio.
//
// Pictures are shared values: assigning a picture from one control to another
// shares the same drawing, so handle() compares pictures by identity, as the
// end scene compares a bust's picture with the tipping frame.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace ui {

class Picture {
  public:
    Picture() = default;
    // Loads ":/pictures/<name>.svg". A missing resource gives an empty picture
    // of size `fallback` (and isNull() true).
    static Picture load(const QString &name, QSize fallback = {});

    bool isNull() const;
    QString name() const;
    // Its size in pixels at the design scale.
    QSize size() const;
    quintptr handle() const { return reinterpret_cast<quintptr>(data_.get()); }
    // Draws the picture stretched into `target` (logical coordinates), straight
    // from the drawing.
    void render(QPainter &p, const QRectF &target) const;
    // The picture rendered at `size` (logical pixels) for a screen of pixel
    // ratio `dpr`. Each size is rendered once and kept, so painting a picture
    // again costs a copy of pixels, not a rendering of the drawing.
    QPixmap pixmap(QSize size, qreal dpr) const;
    // Starts rendering the picture at `size` and `dpr` on a worker thread, so
    // that pixmap() finds it ready (or waits for it) instead of rendering it;
    // a rendering an earlier run kept on disk is read at once instead.
    void prepare(QSize size, qreal dpr) const;
    // A window icon drawn from the picture at 16, 32 and 48 pixels; the three
    // are rendered ahead on a worker thread when the icon is made.
    QIcon icon() const;
    // Draws the picture's pixmap stretched into `target` on `p`'s device.
    // With `whenSharp`, a rendering still under way at that size is not
    // waited for: the size last drawn stands in, and `whenSharp` is called
    // once the new one is ready.
    void draw(QPainter &p, const QRect &target, std::function<void()> whenSharp = {}) const;
    // How many times any picture has been rendered into a pixmap.
    static int renderCount();
    // How many renderings are under way on the worker thread.
    static int renderingsUnderWay();
    // Where the renderings made on the worker are kept for the next run: by
    // default a folder in the user's cache folder, and none under test.
    static void setKeptFolder(const QString &folder);

    friend bool operator==(const Picture &a, const Picture &b) { return a.data_ == b.data_; }

  private:
    struct Data;
    std::shared_ptr<const Data> data_;
};

} // namespace ui
