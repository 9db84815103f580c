#pragma once
// A top-level window of the game: caption, fixed border, a client area in
// twips holding the controls, an optional menu bar, window-level key preview,
// default and cancel buttons, a Tag, centring and modal showing.
//
// Key preview: with KeyPreview on, every key press meant for the window or any
// of its controls reaches keyPress() first, as a character code (Enter 13,
// Esc 27, Space 32, "0" 48, ...); setting the code to 0 discards the key.
// Keys that make no character (F1, arrows, Shift) never reach keyPress().

#include "ui/control.h"
#include "ui/menuitem.h"
#include "ui/timer.h"

#include <QPointer>

class QMenuBar;
class QMenu;
class QKeyEvent;

namespace ui {

class CommandButton;

class Form : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(float Left READ left WRITE setLeft)
    Q_PROPERTY(float Top READ top WRITE setTop)
    Q_PROPERTY(float Width READ outerWidth WRITE setOuterWidth)
    Q_PROPERTY(float Height READ outerHeight)
    Q_PROPERTY(float ScaleWidth READ scaleWidth)
    Q_PROPERTY(float ScaleHeight READ scaleHeight)
    Q_PROPERTY(bool KeyPreview READ keyPreview WRITE setKeyPreview)
    Q_PROPERTY(bool Visible READ shown)

  public:
    enum class Border { FixedSingle, FixedDialog };
    // Outer frame of a window as the platform's window manager draws it, in
    // twips: a 4-pixel border and a 23-pixel caption bar. Used for the outer
    // size in centring.
    static constexpr float borderTwips = 60.0f;
    static constexpr float captionTwips = 345.0f;

    Form(const QString &name, Border border, float clientWidthTwips, float clientHeightTwips,
         QWidget *parent = nullptr);
    ~Form() override;

    // The container of the window's top-level controls.
    ClientArea *client() const { return client_; }
    // The window's font, given at scale 1; it is drawn at the view's scale.
    // (Hides QWidget::setFont, so that a window's own setFont goes through it.)
    void setFont(const QFont &f);
    QFont designFont() const { return designFont_; }
    // The font of the window's menu bar and menus at a scale of the view.
    static QFont menuFont(double zoom);

    // The scale the window is drawn at (see ui/zoom.h).
    double viewScale() const { return client_->zoom; }
    // From now until the window is first shown, the pictures its visible
    // images are given are rendered on a worker thread while the window is
    // being made; the ones it already shows start at once.
    void renderPicturesAhead();
    bool rendersAhead() const { return rendersAhead_; }
    // Redraws the window at the view's current scale, keeping its centre.
    void applyViewScale();
    // The window's client area and menu bar in pixels at scale 1.
    QSizeF designPixels() const;
    // The screen the window is on, in pixels: its whole area, or the area
    // free for windows.
    QRect screenArea(bool available) const;
    // Full screen: the client area centred on the whole screen, the margin in
    // `marginColour`, the menu bar across the top.
    void setFullArea(bool on);
    bool fullArea() const { return fullArea_; }
    void setMarginColour(const QColor &c) { margin_ = c; }
    QString caption() const { return windowTitle(); }
    void setCaption(const QString &c) { setWindowTitle(c); }
    QString tag() const { return tag_; }
    void setTag(const QString &t) { tag_ = t; }
    QColor backColor() const { return back_; }
    void setBackColor(const QColor &c);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor &c);
    // The window's own coordinate units (twips per unit) for its top-level controls.
    void setScale(float twipsPerUnitX, float twipsPerUnitY);

    float left() const;
    float top() const;
    void setLeft(float twips);
    void setTop(float twips);
    float outerWidth() const;
    float outerHeight() const;
    // Narrows or widens the window, keeping the client's height.
    void setOuterWidth(float twips);
    float scaleWidth() const;
    float scaleHeight() const;
    // Centres the window on the screen by its outer size.
    void centre();

    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool k) { keyPreview_ = k; }
    void setDefaultButton(CommandButton *b) { defaultButton_ = b; }
    void setCancelButton(CommandButton *b) { cancelButton_ = b; }
    bool shown() const { return !isHidden(); }

    // The menu bar, created on first use.
    QMenu *addMenu(const QString &name, const QString &caption);

    // Shows the window modally (through the platform seam); returns when it
    // has been hidden, closed or destroyed.
    void showModal();
    // With discard-on-close, the close box destroys the window at once.
    void setDiscardOnClose(bool d) { discardOnClose_ = d; }
    bool discarded() const { return discarded_; }

    // Routes a key press the way the window's keyboard handling does (used by
    // the application-wide key filter; tests may call it too).
    bool routeKey(QKeyEvent *e);

  signals:
    void hiddenOrClosed();

  protected:
    // Cuts the window's handlers off its controls. A derived window calls it
    // first thing in its destructor: while the base destroys the controls they
    // may still signal (losing the focus, for one), and no handler of a
    // half-destroyed window may run then.
    void releaseControls();
    // Key preview handler; set keyAscii to 0 to discard the key.
    virtual void keyPress(int &keyAscii, const QKeyEvent *event);
    // Runs each time the window is shown.
    virtual void activate() {}
    // The close box: return false to keep the window.
    virtual bool queryClose() { return true; }
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

  private:
    // Moves the window so that its centre is at `centre`, within the screen's free area.
    void placeCentredAt(QPoint centre);
    void coverScreen();
    void prepareBackingStore();
    bool rendersAhead_ = false;

    ClientArea *client_;
    float clientWidthTwips_, clientHeightTwips_;
    QFont designFont_;
    bool fullArea_ = false;
    QPoint normalPos_, normalCentre_;
    QColor margin_{0, 0, 0};
    QMenuBar *menuBar_ = nullptr;
    QString tag_;
    QColor back_{240, 240, 240}, fore_{0, 0, 0};
    bool keyPreview_ = false, discardOnClose_ = false, discarded_ = false;
    QPointer<CommandButton> defaultButton_, cancelButton_;
};

// The character code a key press gives (13 Enter, 27 Esc, 8 Backspace, the
// character otherwise), or -1 for a key that makes no character.
int keyAsciiOf(const QKeyEvent *e);

} // namespace ui
