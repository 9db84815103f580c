#include "lists/style.h"

#include "settings/palette.h"
#include "ui/control.h"
#include "ui/picture.h"
#include "ui/zoom.h"

#include <QPushButton>
#include <cmath>

namespace lists::style {

int scaled(int pixels) {
    return static_cast<int>(std::lround(pixels * ui::viewScale()));
}

void apply(QWidget *window, int width, int height) {
    QPalette p = window->palette();
    p.setColor(QPalette::Window, palette::windowBack);
    p.setColor(QPalette::WindowText, palette::red);
    p.setColor(QPalette::Button, palette::controlBack);
    p.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    p.setColor(QPalette::AlternateBase, QColor(255, 240, 224));
    window->setPalette(p);
    window->setAutoFillBackground(true);
    QFont f(palette::arial);
    f.setPointSizeF(8.25);
    window->setFont(ui::scaledFont(f, ui::viewScale()));
    window->setWindowIcon(ui::Picture::load(QStringLiteral("icon")).icon());
    window->resize(scaled(width), scaled(height));
}

QPushButton *button(QWidget *parent, const QString &caption) {
    auto *b = new QPushButton(caption, parent);
    QFont f(palette::arial);
    f.setPointSizeF(9.75);
    f.setBold(true);
    b->setFont(ui::scaledFont(f, ui::viewScale()));
    b->setAutoDefault(false);
    return b;
}

} // namespace lists::style
