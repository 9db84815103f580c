#pragma once
// Drawing a tournament: the bracket or the league's table, the band between
// matches, the champion and the list of results. The same code paints the
// table window and the printed (or PDF) page: every size is taken from the
// rectangle drawn into, so it suits a screen at any zoom and a printer alike.

#include "certamen/tournament.h"

#include <QColor>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QRectF;

namespace certamen {

// The colours: the settings window's palette, and the board's panel.
inline const QColor paper(255, 224, 192), box(255, 255, 255), highlight(255, 255, 0), panel(64, 0, 0),
    ink(64, 0, 0), faded(150, 110, 90), red(255, 0, 0);

// Told of every pupil's name drawn by the table's painters: the text as
// drawn, its font's pixel size and the rectangle it takes (for checks).
extern std::function<void(const QString &shown, double px, const QRectF &where)> nameDrawn;

// The table between matches and while one is played, for a room: a heading
// with `left` (the matches left and their time) under it, the round being
// played in large letters with its names in full, the whole draw (the
// knockout's bracket a part at a time, or the league's table), and the panel
// of the next pair. Every name is at least 1/35 of the height: some 30 pixels
// on a screen 1080 high. What does not fit at once pages by itself with
// `tick`.
void paintTabula(QPainter &p, const QRectF &r, const Tournament &t, int tick, const QString &left,
                 const QString &prompt, const QString &hint);
// The end's upper part: the champion over the bracket's (or table's) pages;
// `unit` is the window's height that sets the names' size.
void paintEnd(QPainter &p, const QRectF &r, const Tournament &t, int tick, double unit);
// The least pixel size of a name on the table, for a window `height` high.
double leastNamePx(double height);

// "Gradus II", the knockout's last round "Gradus ultimus".
QString roundName(const Tournament &t, int round);
// "1′ 25″".
QString duration(int seconds);
// A line of the list of results: round, left name, right name, words right,
// errors, time. A walkover says "absens" for its figures; an annulled result
// says "irritum" after its round.
QStringList resultCells(const Tournament &t, const Entry &e);
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
// Rows `from` to `from + count - 1` of the results (Tournament::log), in order
// of play, under a heading.
void paintResults(QPainter &p, const QRectF &r, const Tournament &t, int from, int count);
// Prints the tournament: the champion, the standings and the results, on as
// many pages as the results need.
void print(QPrinter &printer, const Tournament &t);

} // namespace certamen
