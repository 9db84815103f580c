#pragma once
// The settings window's colours and font, which the windows beside it (the
// missed words' list) share.

#include "ui/form.h"
#include "ui/picture.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace palette {
inline const QColor windowBack(255, 224, 192);
inline const QColor controlBack(255, 192, 128);
inline const QColor white(255, 255, 255);
inline const QColor red(255, 0, 0);
inline const QString arial = QStringLiteral("Arial");

// A window beside the settings window: its caption, colours, font and icon,
// destroyed when it closes.
inline void dressWindow(ui::Form &w, const QString &caption) {
    w.setCaption(caption);
    w.setBackColor(windowBack);
    w.setForeColor(red);
    QFont f(arial);
    f.setPointSizeF(8.25);
    w.setFont(f);
    w.setWindowIcon(ui::Picture::load(QStringLiteral("icon")).icon());
    w.setDiscardOnClose(true);
}
} // namespace palette
