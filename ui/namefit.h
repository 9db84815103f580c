#pragma once
// Fitting a player's name into the space it is given: drawn smaller (down to
// a least size), then over two lines, then shortened to the first name and as
// much of the surname as tells it from the other names ("Alessandro B." and
// "Alessandro M."), and only then cut with an ellipsis. The board's names
// above the portraits and the tournament's tables and printouts all use it,
// so a name reads the same everywhere.

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace ui {

// `name` shortened so that no other name of `all` shortens alike: the first
// word and the surname's first letters with a full stop. A name of one word,
// or one that only its full form tells apart, comes back whole.
QString uniqueShort(const QString &name, const QStringList &all);

struct FittedName {
    QString text;  // one line, or two joined by '\n'
    double px = 0; // the font's pixel size
};

// How `name` fits a box of `box` (in the font's pixels): `font` at `px`
// first, never below `minPx`. Wrapping is tried only where two lines fit
// the box's height.
FittedName fitName(const QString &name, const QStringList &all, const QFont &font, double px, double minPx,
                   const QSizeF &box);

} // namespace ui
