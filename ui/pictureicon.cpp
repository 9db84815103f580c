#include "ui/picture.h"

#include <QIconEngine>
#include <QPainter>
#include <utility>

namespace ui {

// A window icon drawn from a picture at the sizes a window manager asks for.
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

} // namespace ui
