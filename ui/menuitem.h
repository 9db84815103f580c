#pragma once

#include <QAction>

namespace ui {

// A menu item: a caption with an access key ("&Finis"), an optional shortcut.
class MenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  public:
    MenuItem(QObject *parent, const QString &name, const QString &caption);
    QString caption() const { return text(); }
    void setCaption(const QString &c) { setText(c); }
};

} // namespace ui
