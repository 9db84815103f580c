#include "ui/form.h"

#include "ui/platform.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace ui {

// ---------------------------------------------------------------- key routing

int keyAsciiOf(const QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return -1;
    default:
        break;
    }
    const QString t = e->text();
    if (t.isEmpty()) return -1;
    return t.at(0).unicode();
}

namespace {

// Sends every key press of a window with key preview through that window
// first. A key event that the focused control ignores travels up to its
// parents (the same event, delivered to an ancestor of the last receiver);
// it is previewed only once.
class KeyFilter : public QObject {
  public:
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto *w = qobject_cast<QWidget *>(o);
        if (!w) return false;
        auto *form = qobject_cast<Form *>(w->window());
        if (!form) return false;
        auto *ke = static_cast<QKeyEvent *>(e);
        if (ke == last_ && lastReceiver_ && w != lastReceiver_ && w->isAncestorOf(lastReceiver_))
            return false;
        last_ = ke;
        lastReceiver_ = w;
        return form->routeKey(ke);
    }

  private:
    const QKeyEvent *last_ = nullptr;
    QPointer<QWidget> lastReceiver_;
};

void installKeyFilter() {
    static KeyFilter *filter = nullptr;
    if (!filter && qApp) {
        filter = new KeyFilter;
        qApp->installEventFilter(filter);
    }
}

} // namespace

bool Form::routeKey(QKeyEvent *e) {
    // The zoom and full-screen keys change the view in every window and mean
    // nothing else: no key handler of a window ever sees them.
    if (handleViewKey(e)) return true;
    int code = keyAsciiOf(e);
    if (code >= 0 && keyPreview_) {
        QPointer<Form> self(this);
        keyPress(code, e);
        if (!self) return true;
        if (code == 0) return true;
    }
    if (code == 13) {
        if (auto *b = qobject_cast<QPushButton *>(QApplication::focusWidget());
            b && b->window() == this && b->isVisible()) {
            b->click();
            return true;
        }
        if (defaultButton_ && defaultButton_->isEnabled()) {
            defaultButton_->press();
            return true;
        }
    } else if (code == 27 && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->press();
        return true;
    }
    return false;
}

void Form::keyPress(int &, const QKeyEvent *) {}

// ---------------------------------------------------------------- Form

Form::Form(const QString &name, Border border, float clientWidthTwips, float clientHeightTwips,
           QWidget *parent)
    : QWidget(parent, Qt::Window), client_(new ClientArea(this)), clientWidthTwips_(clientWidthTwips),
      clientHeightTwips_(clientHeightTwips), designFont_(QWidget::font()) {
    installKeyFilter();
    setObjectName(name);
    // The client area and the menu bar cover the window, and at full screen
    // the margin is painted here: nothing else needs the window's background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (border == Border::FixedSingle)
        flags |= Qt::WindowMinimizeButtonHint;
    else
        flags |= Qt::Dialog;
    setWindowFlags(flags);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);
    client_->setObjectName(name + QStringLiteral(".client"));
    client_->setAutoFillBackground(true);
    client_->zoom = ui::viewScale();
    client_->setFixedSize(static_cast<int>(std::lround(clientWidthTwips_ * client_->zoom / twipsPerPixel)),
                          static_cast<int>(std::lround(clientHeightTwips_ * client_->zoom / twipsPerPixel)));
    setBackColor(back_);
}

void Form::setFont(const QFont &f) {
    designFont_ = f;
    QWidget::setFont(scaledFont(f, viewScale()));
}

Form::~Form() = default;

void Form::releaseControls() {
    for (QObject *c : findChildren<QObject *>())
        QObject::disconnect(c, nullptr, this, nullptr);
}

void Form::setBackColor(const QColor &c) {
    back_ = c;
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, c);
    client_->setPalette(pal);
}

void Form::setForeColor(const QColor &c) {
    fore_ = c;
    QPalette pal = client_->palette();
    pal.setColor(QPalette::WindowText, c);
    client_->setPalette(pal);
}

QFont Form::menuFont(double zoom) {
    // The menus' own font, the Windows menu font of the game's time: narrower
    // than the desktop's, so that every menu stands in the board's width.
    return scaledFont(QFont(QStringLiteral("MS Sans Serif"), 8), zoom);
}

QMenu *Form::addMenu(const QString &name, const QString &caption) {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setFont(menuFont(client_->zoom));
        static_cast<QVBoxLayout *>(layout())->setMenuBar(menuBar_);
    }
    QMenu *m = menuBar_->addMenu(caption);
    m->setFont(menuBar_->font());
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

void Form::showModal() {
    platform().showModal(this);
}

void Form::renderPicturesAhead() {
    rendersAhead_ = true;
    for (Image *i : findChildren<Image *>())
        if (!i->isHidden()) i->prepare(i->picture());
}

void Form::showEvent(QShowEvent *e) {
    rendersAhead_ = false;
    if (client_->zoom != ui::viewScale()) applyViewScale();
    QWidget::showEvent(e);
    if (fullArea_) coverScreen();
    if (!e->spontaneous()) activate();
}

void Form::hideEvent(QHideEvent *e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) emit hiddenOrClosed();
}

void Form::closeEvent(QCloseEvent *e) {
    if (!queryClose()) {
        e->ignore();
        return;
    }
    e->accept();
    if (discardOnClose_ && !discarded_) {
        discarded_ = true;
        emit hiddenOrClosed();
        deleteLater();
    }
}

} // namespace ui
