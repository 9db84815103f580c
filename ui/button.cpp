#include "ui/button.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ui {

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

} // namespace ui
