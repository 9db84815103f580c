#pragma once
// The look the lists' windows share with the settings window: its
// background, its orange buttons and lists, Arial, all drawn at the view's
// scale (the menu Species).

class QPushButton;
class QString;
class QWidget;

namespace lists::style {

// A length of `pixels` at scale 1, at the view's scale.
int scaled(int pixels);
// The window's colours and font; its size (in pixels at scale 1) at the view's scale.
void apply(QWidget *window, int width, int height);
QPushButton *button(QWidget *parent, const QString &caption);

} // namespace lists::style
