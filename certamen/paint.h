#pragma once
// Drawing a tournament: the bracket or the league's table, the band between
// matches, the champion and the list of results. The same code paints the
// table window and the printed (or PDF) page: every size is taken from the
// rectangle drawn into, so it suits a screen at any zoom and a printer alike.

#include "certamen/tournament.h"

#include <QColor>
#include <QString>

class QPainter;
class QPrinter;
class QRectF;

namespace certamen {

// The colours: the settings window's palette, and the board's panel.
inline const QColor paper(255, 224, 192), box(255, 255, 255), highlight(255, 255, 0), panel(64, 0, 0),
    ink(64, 0, 0), faded(150, 110, 90), red(255, 0, 0);

// "Gradus II", the knockout's last round "Gradus ultimus".
QString roundName(const Tournament &t, int round);
// "1′ 25″".
QString duration(int seconds);
// The bracket (knockout) or the table (league), with a heading, the next
// match highlighted.
void paintStandings(QPainter &p, const QRectF &r, const Tournament &t);
// The panel between matches: the match just played with its score and time,
// the next pair in large letters with their characters, and the prompt
// (with a smaller hint below it).
void paintNextPair(QPainter &p, const QRectF &r, const Tournament &t, const QString &prompt,
                   const QString &hint);
// The panel of the end: the champion (or the league's first) with the
// portrait and the victory line of the character.
void paintChampion(QPainter &p, const QRectF &r, const Tournament &t);
// Rows `from` to `from + count - 1` of the results, in order of play, under a heading.
void paintResults(QPainter &p, const QRectF &r, const Tournament &t, int from, int count);
// Prints the tournament: the champion, the standings and the results, on as
// many pages as the results need.
void print(QPrinter &printer, const Tournament &t);

} // namespace certamen
