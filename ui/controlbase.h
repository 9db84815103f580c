#pragma once
// The base every control of the game's windows stands on: the client area of
// a window, the control's geometry in twips, its colours, font, caption, tag
// and custom pointer, and the helpers that draw them at the view's scale.
// (ui/control.h gathers every kind of control and tells their contract.)

#include <QColor>
#include <QWidget>

class QPainter;

namespace ui {

class Form;

inline constexpr float twipsPerPixel = 15.0f;

// The client area of a window: the container of its top-level controls. Its
// scale gives the twips per unit of the coordinates its controls are given in
// (1 unless the window sets a scale of its own).
class ClientArea : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    float scaleX = 1.0f, scaleY = 1.0f;
    // The view's scale the window is drawn at (1 = 15 twips a pixel).
    double zoom = 1.0;
};

// `design` (a font given in points at scale 1) as drawn at scale `zoom`.
QFont scaledFont(const QFont &design, double zoom);
// A line width of `pixels` at scale 1, drawn at scale `zoom`: whole pixels, at least 1.
int scaledLine(int pixels, double zoom);

// The name a control carries: "sign(5)" for index 5 of the array "sign".
QString controlName(const QString &name, int index);
// The custom mouse pointer of the game's windows, at the view's scale `zoom`.
QCursor customPointer(double zoom = 1.0);
// Draws a rectangle's outline `w` pixels wide inside `r`.
void outline(QPainter &p, const QRect &r, int w, const QColor &c);

class Control : public QWidget {
    Q_OBJECT
    Q_PROPERTY(float Left READ left WRITE setLeft)
    Q_PROPERTY(float Top READ top WRITE setTop)
    Q_PROPERTY(float Width READ width_ WRITE setWidth)
    Q_PROPERTY(float Height READ height_ WRITE setHeight)
    Q_PROPERTY(bool Visible READ shown WRITE setShown)
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
    Q_PROPERTY(double FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(bool FontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int Index READ index)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabledFlag)

  public:
    // Creates the control inside `container` (a window's client area, a frame
    // or a picture box); `index` -1 for a control outside any array.
    Control(QWidget *container, const QString &name, int index = -1);

    float left() const { return left_; }
    float top() const { return top_; }
    float width_() const { return width__; }
    float height_() const { return height__; }
    void setLeft(float v);
    void setTop(float v);
    void setWidth(float v);
    void setHeight(float v);
    // Moves and sizes in one step.
    void setRect(float left, float top, float width, float height);

    bool shown() const { return !isHidden(); }
    void setShown(bool v) { setVisible(v); }
    QString tag() const { return tag_; }
    void setTag(const QString &t) { tag_ = t; }
    QString toolTipText() const { return toolTip(); }
    void setToolTipText(const QString &t) { setToolTip(t); }
    QColor backColor() const { return back_; }
    virtual void setBackColor(const QColor &c);
    QColor foreColor() const { return fore_; }
    virtual void setForeColor(const QColor &c);
    QString fontName() const { return designFont().family(); }
    void setFontName(const QString &f);
    double fontSize() const { return designFont().pointSizeF(); }
    void setFontSize(double pt);
    bool fontBold() const { return designFont().bold(); }
    void setFontBold(bool b);
    // Sets name, size and weight together.
    void setFontSpec(const QString &family, double pt, bool bold = false);
    virtual QString caption() const { return caption_; }
    virtual void setCaption(const QString &c);
    int index() const { return index_; }
    bool enabled() const { return isEnabled(); }
    void setEnabledFlag(bool e) { setEnabled(e); }
    // The custom mouse pointer of the design.
    void useCustomPointer();
    // The control's font at scale 1: its own, or its container's.
    QFont designFont() const;
    // The scale of the window the control is drawn in.
    double viewScale() const;
    // Redraws the control at its window's current scale.
    virtual void applyViewScale();
    // Brings the control in front of its siblings (the toolkit's ZOrder 0).
    void bringToFront() { raise(); }

    // The window the control belongs to, and the twips per unit of its container.
    float unitX() const;
    float unitY() const;

  signals:
    void Click();
    void GotFocus();
    void LostFocus();

  protected:
    // The inner Qt widget that draws and handles input for wrapped kinds.
    void setInner(QWidget *w);
    QWidget *inner() const { return inner_; }
    virtual void fontOrTextChanged() {}
    // Gives `inner` (a toolkit button drawing `text` itself) the scaled font,
    // narrowed where hinting makes the text wider than the scaled design.
    void fitInnerText(QWidget *inner, const QString &text) const;
    void updateGeometryFromTwips();
    void mouseReleaseEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void applyPalette();
    void setDesignFont(const QFont &f);

    QString caption_;

  private:
    int index_;
    QFont designFont_;
    bool ownFont_ = false, customPointer_ = false;
    bool backSet_ = false, foreSet_ = false, captionSet_ = false;
    float left_ = 0, top_ = 0, width__ = 0, height__ = 0;
    QString tag_;
    QColor back_{255, 255, 255}, fore_{0, 0, 0};
    QWidget *inner_ = nullptr;
};

} // namespace ui
