#pragma once
// A player's progress as the charts show it, worked out from her history:
// plain figures, without any window.

#include "players/historystore.h"

#include <QByteArray>
#include <QList>
#include <QPointF>

namespace players {

// The time ranges of the progress window.
enum class Range { Week, Month, Everything };
// The first moment of a range ending `now` (a null time for everything).
QDateTime rangeStart(Range r, const QDateTime &now);

// One point a game: x the game's start (milliseconds since the epoch), y the
// words she answered right per minute.
QList<QPointF> wordsPerMinute(const QList<PlayedGame> &games);
// One point a game: her wrong strikes per word asked.
QList<QPointF> errorsPerWord(const QList<PlayedGame> &games);
// At most `most` points for a chart no wider than that many pixels: when
// there are more, the range of x is cut into `most` equal spans and each span
// with points gives one, their mean.
QList<QPointF> thinned(const QList<QPointF> &points, int most);
// The words mastered in each week (weeks begin on Monday) from the week of
// `from` to the week of `to`, empty weeks included: the Monday and the count.
QList<std::pair<QDate, int>> masteredPerWeek(const QList<QDate> &days, QDate from, QDate to);

// The games as CSV (RFC 4180, UTF-8): a heading line, then one line a game.
QByteArray csv(const QList<PlayedGame> &games, const QString &playerName);

} // namespace players
