#include "ui/menuitem.h"

namespace ui {

MenuItem::MenuItem(QObject *parent, const QString &name, const QString &caption) : QAction(caption, parent) {
    setObjectName(name);
}

} // namespace ui
