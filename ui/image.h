#pragma once
// The controls that show a picture: an image, and a picture box that can also
// hold other controls and take the keyboard focus.

#include "ui/controlbase.h"
#include "ui/picture.h"

#include <functional>

namespace ui {

// An image: a picture, stretched to the control or sizing the control to itself.
class Image : public Control {
    Q_OBJECT
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(QString PictureName READ pictureName)
    Q_PROPERTY(quintptr PictureHandle READ pictureHandle)
  public:
    Image(QWidget *container, const QString &name, int index = -1);
    Picture picture() const { return picture_; }
    void setPicture(const Picture &p);
    // Has `p` rendered ahead, on a worker thread, at the size this control shows it.
    void prepare(const Picture &p) const;
    void setVisible(bool visible) override;
    bool stretch() const { return stretch_; }
    void setStretch(bool s);
    QString pictureName() const { return picture_.name(); }
    quintptr pictureHandle() const { return picture_.handle(); }

  protected:
    void paintEvent(QPaintEvent *) override;
    Picture picture_;
    bool stretch_ = false;

    std::function<void()> repaintWhenSharp();

  private:
    void renderAheadIfShownFirst();
};

// A picture box: a background colour with a picture at its top left corner;
// it can hold other controls and take the keyboard focus.
class PictureBox : public Image {
    Q_OBJECT
  public:
    PictureBox(QWidget *container, const QString &name, int index = -1);

  protected:
    void paintEvent(QPaintEvent *) override;
};

} // namespace ui
