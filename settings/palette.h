#pragma once
// The settings window's colours and font, which the windows beside it (the
// missed words' list) share.

#include <QColor>
#include <QString>

namespace palette {
inline const QColor windowBack(255, 224, 192);
inline const QColor controlBack(255, 192, 128);
inline const QColor white(255, 255, 255);
inline const QColor red(255, 0, 0);
inline const QString arial = QStringLiteral("Arial");
} // namespace palette
