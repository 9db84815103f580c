#include "ui/control.h"

#include "ui/form.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

namespace ui {

// ---------------------------------------------------------------- Label

Label::Label(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_OpaquePaintEvent); // opaque until made transparent
}

QString Label::displayText() const {
    QString t = caption_;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void Label::setAlignment(int a) {
    align_ = a;
    update();
}
void Label::setAutoSize(bool a) {
    autoSize_ = a;
    fontOrTextChanged();
}
void Label::setBorderStyle(int b) {
    border_ = b;
    fontOrTextChanged();
    update();
}
void Label::setBackStyle(int b) {
    backStyle_ = b;
    // An opaque label paints every pixel: what lies beneath it need not be painted.
    setAttribute(Qt::WA_OpaquePaintEvent, b == 1);
    update();
}
void Label::setWordWrap(bool w) {
    wrap_ = w;
    fontOrTextChanged();
    update();
}

void Label::fontOrTextChanged() {
    if (!autoSize_) return;
    // Measured at scale 1 with the design font, so the size in twips is the
    // same at every scale.
    const QFontMetricsF fm(designFont());
    const QString text = displayText();
    const float bw = border_ ? 2.0f : 0.0f;
    float wpx, hpx;
    if (wrap_) {
        const int avail = std::max(1, static_cast<int>(std::lround(width_() * unitX() / twipsPerPixel)) -
                                          static_cast<int>(bw));
        const QRectF r = fm.boundingRect(QRectF(0, 0, avail, 100000), Qt::TextWordWrap, text);
        wpx = avail;
        hpx = std::ceil(r.height());
    } else {
        const QStringList lines = text.split(QLatin1Char('\n'));
        double w = 0;
        for (const QString &l : lines)
            w = std::max(w, fm.horizontalAdvance(l));
        wpx = static_cast<float>(std::ceil(w));
        hpx = static_cast<float>(std::ceil(fm.lineSpacing() * lines.size()));
    }
    const float newW = wrap_ ? width_() : (wpx + bw) * twipsPerPixel / unitX();
    const float newH = (hpx + bw) * twipsPerPixel / unitY();
    if (keepCentre_ && !wrap_)
        setRect(left() + (width_() - newW) / 2, top(), newW, newH);
    else
        setRect(left(), top(), newW, newH);
}

void Label::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (backStyle_ == 1) p.fillRect(rect(), backColor());
    const double z = viewScale();
    QRect r = rect();
    if (border_) {
        const int w = scaledLine(1, z);
        outline(p, r, w, QColor(0, 0, 0));
        r.adjust(w, w, -w, -w);
    }
    int flags = Qt::AlignTop;
    flags |= align_ == AlignCenter ? Qt::AlignHCenter : align_ == AlignRight ? Qt::AlignRight : Qt::AlignLeft;
    if (wrap_ || !autoSize_) flags |= Qt::TextWordWrap;
    // The text is laid out as at scale 1 and drawn magnified: its lines break
    // where they do at the design's size and it ends where the size measured
    // for it ends, so nothing is cut off at any scale.
    p.setPen(foreColor());
    p.setFont(designFont());
    p.scale(z, z);
    p.drawText(QRectF(r.x() / z, r.y() / z, r.width() / z, r.height() / z), flags, displayText());
}

// ---------------------------------------------------------------- Image

Image::Image(QWidget *container, const QString &name, int index) : Control(container, name, index) {}

static QRect naturalRect(const Picture &pic, double zoom);

void Image::setPicture(const Picture &pic) {
    const bool same = pic == picture_;
    picture_ = pic;
    if (!stretch_ && pic.size().isValid() && !pic.size().isEmpty())
        setRect(left(), top(), pic.size().width() * twipsPerPixel / unitX(),
                pic.size().height() * twipsPerPixel / unitY());
    // The same picture again (an idle portrait drawn twice) repaints nothing.
    if (!same) update();
    if (!same) renderAheadIfShownFirst();
}

void Image::setVisible(bool visible) {
    const bool was = !isHidden();
    Control::setVisible(visible);
    if (visible && !was) renderAheadIfShownFirst();
}

std::function<void()> Image::repaintWhenSharp() {
    return [self = QPointer<Image>(this)] {
        if (self) self->update();
    };
}

void Image::renderAheadIfShownFirst() {
    // While the window is being made, the pictures of its first paint are
    // rendered beside it.
    if (isHidden() || window()->isVisible()) return;
    if (const auto *f = qobject_cast<const Form *>(window()); f && f->rendersAhead()) prepare(picture_);
}

void Image::prepare(const Picture &pic) const {
    pic.prepare(stretch_ ? size() : naturalRect(pic, viewScale()).size(), devicePixelRatioF());
}

void Image::setStretch(bool s) {
    stretch_ = s;
    update();
}

// The rectangle an unstretched picture takes at scale `zoom`: its own size.
static QRect naturalRect(const Picture &pic, double zoom) {
    return QRect(0, 0, static_cast<int>(std::lround(pic.size().width() * zoom)),
                 static_cast<int>(std::lround(pic.size().height() * zoom)));
}

void Image::paintEvent(QPaintEvent *) {
    QPainter p(this);
    picture_.draw(p, stretch_ ? rect() : naturalRect(picture_, viewScale()), repaintWhenSharp());
}

PictureBox::PictureBox(QWidget *container, const QString &name, int index) : Image(container, name, index) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), backColor());
    picture_.draw(p, naturalRect(picture_, viewScale()), repaintWhenSharp());
    if (hasFocus()) {
        const int w = scaledLine(1, viewScale());
        p.setPen(QPen(QColor(0, 0, 0), w, Qt::DotLine));
        if (w == 1)
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        else
            p.drawRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
    }
}

// ---------------------------------------------------------------- Frame

Frame::Frame(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Frame::setBorderStyle(int b) {
    border_ = b;
    update();
}

void Frame::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), backColor());
    if (!border_) return;
    // An etched border: a grey line with a white one beside it.
    const double z = viewScale();
    const int lw = scaledLine(1, z);
    const QFontMetrics fm(font());
    const int top = caption_.isEmpty() ? 0 : fm.height() / 2;
    const QRect r = rect().adjusted(0, top, -lw, -lw);
    outline(p, r, lw, QColor(128, 128, 128));
    outline(p, r.translated(lw, lw), lw, QColor(255, 255, 255));
    if (!caption_.isEmpty()) {
        QString text = caption_;
        text.remove(QLatin1Char('&'));
        const int pad = scaledLine(2, z);
        const int w = fm.horizontalAdvance(text) + 2 * pad;
        const int x = static_cast<int>(std::lround(6 * z));
        p.fillRect(QRect(x, 0, w, fm.height()), backColor());
        p.setPen(foreColor());
        p.setFont(font());
        p.drawText(QRect(x + pad, 0, w, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

// ---------------------------------------------------------------- Shape

Shape::Shape(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), backColor());
}

// ---------------------------------------------------------------- Line

Line::Line(QWidget *container, const QString &name, int index) : Control(container, name, index) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const float pad = lineWidth_ * twipsPerPixel;
    setRect(std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1) + pad, std::fabs(y2 - y1) + pad);
}

void Line::setBorderWidth(int w) {
    lineWidth_ = std::max(1, w);
    setEnds(x1_, y1_, x2_, y2_);
}

void Line::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const double z = viewScale();
    const double fx = unitX() * z / twipsPerPixel, fy = unitY() * z / twipsPerPixel;
    const QPointF origin(std::min(x1_, x2_), std::min(y1_, y2_));
    const QPointF a((x1_ - origin.x()) * fx, (y1_ - origin.y()) * fy);
    const QPointF b((x2_ - origin.x()) * fx, (y2_ - origin.y()) * fy);
    const int width = scaledLine(lineWidth_, z);
    QPen pen(foreColor(), width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const QPointF half(width / 2.0, width / 2.0);
    p.drawLine(a + half, b + half);
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(QWidget *container, const QString &name, int index) : Control(container, name, index) {}

void ListBox::makeView() {
    if (view_) return;
    view_ = new QListWidget(this);
    view_->setFrameShape(QFrame::Box);
    view_->setAutoFillBackground(backColorSet_);
    view_->addItems(items_);
    view_->setCurrentRow(listIndex_);
    setInner(view_);
    view_->show();
    connect(view_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != listIndex_) setListIndex(row);
    });
}

void ListBox::showEvent(QShowEvent *e) {
    makeView();
    Control::showEvent(e);
}

void ListBox::setBackColor(const QColor &c) {
    Control::setBackColor(c);
    backColorSet_ = true;
    if (view_) view_->setAutoFillBackground(true);
}

void ListBox::addItem(const QString &s) {
    items_.append(s);
    if (view_) view_->addItem(s);
}

void ListBox::reserve(int n) {
    items_.reserve(n);
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    if (!view_) return;
    const QSignalBlocker block(view_);
    view_->clear();
}

QString ListBox::list(int i) const {
    return i >= 0 && i < items_.size() ? items_.at(i) : QString();
}

void ListBox::setListIndex(int i) {
    if (i < -1 || i >= items_.size()) return;
    listIndex_ = i;
    if (view_) {
        const QSignalBlocker block(view_);
        view_->setCurrentRow(i);
    }
    emit Click();
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget *container, const QString &name, int index)
    : Control(container, name, index), button_(new QPushButton(this)) {
    setInner(button_);
    setFocusProxy(button_);
    button_->setAutoDefault(false);
    connect(button_, &QPushButton::clicked, this, [this] { emit Click(); });
}

void CommandButton::setCaption(const QString &c) {
    Control::setCaption(c);
}

void CommandButton::fontOrTextChanged() {
    // Greedy wrapping at blanks within the button's inner width; the access
    // key's "&" takes no room.
    const QFontMetricsF fm(font());
    const double room = std::max(1, width() - scaledLine(6, viewScale()));
    auto advance = [&](QString s) { return fm.horizontalAdvance(s.remove(QLatin1Char('&'))); };
    QString text, line;
    for (const QString &word : caption_.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && advance(longer) > room) {
            text += line + QLatin1Char('\n');
            line = word;
        } else {
            line = longer;
        }
    }
    button_->setText(text + line);
}

void CommandButton::resizeEvent(QResizeEvent *e) {
    Control::resizeEvent(e);
    fontOrTextChanged();
}

void CommandButton::setBackColor(const QColor &c) {
    Control::setBackColor(c);
    button_->setPalette(palette());
}

void CommandButton::press() {
    emit Click();
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(QWidget *container, const QString &name, int index)
    : Control(container, name, index), box_(new QCheckBox(this)) {
    setInner(box_);
    setFocusProxy(box_);
    setAutoFillBackground(true);
    connect(box_, &QCheckBox::clicked, this, [this](bool checked) {
        value_ = checked ? 1 : 0;
        emit Click();
    });
}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    {
        const QSignalBlocker block(box_);
        box_->setChecked(v != 0);
    }
    emit Click();
}

void CheckBox::setCaption(const QString &c) {
    Control::setCaption(c);
    QString t = c;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box_->setText(t);
    fitInnerText(box_, t);
}
void CheckBox::applyViewScale() {
    Control::applyViewScale();
    fitInnerText(box_, box_->text());
}
void CheckBox::fontOrTextChanged() {
    fitInnerText(box_, box_->text());
}
void CheckBox::setBackColor(const QColor &c) {
    Control::setBackColor(c);
}
void CheckBox::setForeColor(const QColor &c) {
    Control::setForeColor(c);
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(QWidget *container, const QString &name, int index)
    : Control(container, name, index), radio_(new QRadioButton(this)) {
    setInner(radio_);
    setFocusProxy(radio_);
    setAutoFillBackground(true);
    radio_->setAutoExclusive(false);
    connect(radio_, &QRadioButton::clicked, this, [this] {
        // A click always leaves the button selected.
        const QSignalBlocker block(radio_);
        radio_->setChecked(true);
        if (value_)
            emit Click();
        else
            setValue(true);
    });
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    {
        const QSignalBlocker block(radio_);
        radio_->setChecked(v);
    }
    if (!v) return;
    for (QObject *o : parentWidget()->children()) {
        auto *other = qobject_cast<OptionButton *>(o);
        if (other && other != this && other->value_) {
            other->value_ = false;
            const QSignalBlocker block(other->radio_);
            other->radio_->setChecked(false);
        }
    }
    emit Click();
}

void OptionButton::setCaption(const QString &c) {
    Control::setCaption(c);
    radio_->setText(c);
    fitInnerText(radio_, c);
}
void OptionButton::applyViewScale() {
    Control::applyViewScale();
    fitInnerText(radio_, radio_->text());
}
void OptionButton::fontOrTextChanged() {
    fitInnerText(radio_, radio_->text());
}
void OptionButton::setBackColor(const QColor &c) {
    Control::setBackColor(c);
}
void OptionButton::setForeColor(const QColor &c) {
    Control::setForeColor(c);
}

// ---------------------------------------------------------------- HScrollBar

HScrollBar::HScrollBar(QWidget *container, const QString &name, int index)
    : Control(container, name, index), bar_(new QScrollBar(Qt::Horizontal, this)) {
    setInner(bar_);
    setFocusProxy(bar_);
    bar_->setPageStep(1);
    connect(bar_, &QScrollBar::valueChanged, this, [this] { emit Change(); });
}

int HScrollBar::value() const {
    return bar_->value();
}
void HScrollBar::setValue(int v) {
    bar_->setValue(v);
}
int HScrollBar::min() const {
    return bar_->minimum();
}
void HScrollBar::setMin(int v) {
    bar_->setMinimum(v);
}
int HScrollBar::max() const {
    return bar_->maximum();
}
void HScrollBar::setMax(int v) {
    bar_->setMaximum(v);
}

} // namespace ui
