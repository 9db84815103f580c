#pragma once
// The schedule of the missed words: a card box with five compartments.
//
// A missed word goes into box 1. A right answer at the first strike on a word
// that is due moves it up one box; any miss sends it back to box 1. A word in
// box 1, 2, 3, 4 or 5 falls due 1, 2, 4, 8 or 16 days after it was put there,
// and a word right at the first strike in box 5 is mastered and leaves the
// list. A right answer before the word is due leaves it where it is: five
// games on one afternoon do not make a word known for a month.
//
// The date of today comes from one seam, so that the schedule can be played
// day by day in a test without waiting.

#include <QDate>
#include <QList>
#include <functional>
#include <optional>

namespace schedule {

inline constexpr int firstBox = 1;
inline constexpr int lastBox = 5;

// The days after which a word in `box` falls due: 1, 2, 4, 8, 16.
int daysIn(int box);

struct Card {
    int box = firstBox;
    QDate due;
    bool operator==(const Card &) const = default;
};

// A word missed today, whatever box it stood in.
Card missed(QDate today);
// A right answer at the first strike today: the card one box up, the same
// card when it is not due yet, or none when the word is mastered.
std::optional<Card> rightAtFirstStrike(const Card &card, QDate today);
// A card read from a file that gives no box or no due day (or impossible
// ones): box 1, due today.
Card sound(int box, QDate due, QDate today);

// The order in which a game of missed words asks them, as indices into
// `due`: the words due first (the longest overdue first), then those due
// soonest; words due on the same day in a random order (`rnd` draws in
// [0, 1)). At most `count` indices.
QList<int> askingOrder(const QList<QDate> &due, int count, const std::function<float()> &rnd);

// Today's date: the system's, or the one a test sets.
QDate today();
// Replaces the clock; an empty function restores the system's.
void setClock(std::function<QDate()> clock);

} // namespace schedule
