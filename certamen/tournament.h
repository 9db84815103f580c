#pragma once
// A tournament of a class: its entrants, its draw, the results of its matches
// and the standings, and its state as a file. Plain data, no windows.
//
// Every match is a two-player game. Its sides are told apart as on the board:
// side 0 is the left-hand player (key 1, the game's player 2), side 1 the
// right-hand player (key 0, the game's player 1).
//
// Eliminatio (knockout): the entrants are drawn at random into a bracket of
// the next power of two; the places left over are byes of the first round,
// spread over the bracket, at most one to an entrant. Every round's winners
// meet in the next, so n entrants play n - 1 matches.
//
// Orbis (league, 3 to 8 entrants): every pair plays once, in rounds in which
// nobody plays twice; the table ranks by wins, then by words right, then by
// the fewest errors.

#include "board/gameevents.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace certamen {

enum class Kind { Eliminatio, Orbis };

struct Entrant {
    QString name;
    QString character; // a roster name; empty until the entrant's first match
};

// A match's figures, per side (0 left, 1 right).
struct Outcome {
    int winner = -1; // the winning entrant
    std::array<int, 2> right{};
    std::array<int, 2> errors{};
    int seconds = 0;
    // Given by the teacher to the pupil present, the other being absent: no
    // game, no figures.
    bool walkover = false;
};

// A result as it was recorded, in the order of recording; one that the
// teacher had played again is kept, annulled, for the list of results.
struct Entry {
    int match = -1;
    Outcome outcome;
    bool annulled = false;
};

struct Match {
    int round = 1;                   // from 1
    std::array<int, 2> side{-1, -1}; // the entrants, -1 while not known yet (or a bye's empty side)
    bool bye = false;                // the entrant on side 0 goes on without a game
    std::optional<Outcome> outcome;
    bool played() const { return outcome.has_value(); }
    bool ready() const { return !bye && !played() && side[0] >= 0 && side[1] >= 0; }
};

// A line of the league's table.
struct Standing {
    int entrant = -1;
    int place = 1; // shared by entrants level on every count
    int played = 0, wins = 0, right = 0, errors = 0;
};

class Tournament {
  public:
    static constexpr int minEntrants = 3, maxEntrants = 32, maxLeague = 8;

    Tournament() = default;
    // A new tournament of `entrants` (their count within the form's bounds);
    // `below(n)` draws a whole number in 0..n-1.
    static Tournament draw(Kind kind, const QList<Entrant> &entrants, const game::Choices &choices,
                           const std::function<int(int)> &below);

    Kind kind() const { return kind_; }
    const QList<Entrant> &entrants() const { return entrants_; }
    QString name(int entrant) const { return entrant >= 0 ? entrants_.at(entrant).name : QString(); }
    void setCharacter(int entrant, const QString &character) { entrants_[entrant].character = character; }
    // The choices every match is played with.
    const game::Choices &choices() const { return choices_; }

    // Every match in order of play, round by round (a knockout's byes among
    // the first round's).
    const std::vector<Match> &matches() const { return matches_; }
    int rounds() const { return matches_.empty() ? 0 : matches_.back().round; }
    // The next match to play, -1 once the tournament is over.
    int next() const;
    bool finished() const { return next() < 0; }
    // The matches still to be played, byes not counted.
    int matchesLeft() const;
    // The match played last, -1 before the first.
    int last() const { return played_.isEmpty() ? -1 : played_.back(); }
    // The matches played, in the order they were.
    const QList<int> &played() const { return played_; }
    // Records the result of match `m` (the next one, or any other ready one).
    // False, changing nothing, when the match is not ready or the winner is
    // not one of its sides.
    bool record(int m, const Outcome &o);
    // The match `m`, ready, goes to the side other than `absent` (0 or 1)
    // without a game. False, changing nothing, when it cannot.
    bool walkover(int m, int absent);
    // Whether match `m` may be played again: it has a result, and its winner
    // has not played (nor been given a match) since.
    bool mayReplay(int m) const;
    // The matches that may be played again, the latest first.
    QList<int> replayable() const;
    // Annuls the result of match `m` so that it is played again; the later
    // rounds wait for it anew. False, changing nothing, when it may not.
    bool replay(int m);
    // Every result recorded, annulled ones among them, in order of recording.
    const std::vector<Entry> &log() const { return log_; }

    // The league's table (a knockout's too, by the same counts), best first.
    std::vector<Standing> standings() const;
    // The winners: the final's winner, or every entrant first in the league's
    // table; empty while the tournament goes on.
    QList<int> champions() const;

    // The state as a file, and read back; nullopt for a file that is damaged,
    // cut short or not a tournament's.
    QByteArray save() const;
    static std::optional<Tournament> load(const QByteArray &bytes);
    // The played matches as CSV: round, names, winner, words right, errors, seconds.
    QByteArray csv() const;

  private:
    void build();
    // Fills the later rounds' sides from the winners known.
    void advance();
    int winnerOf(const Match &m) const;

    Kind kind_ = Kind::Eliminatio;
    QList<Entrant> entrants_;
    game::Choices choices_;
    // The draw: a knockout's bracket (entrants by place, -1 a bye's empty
    // place), or the league's order of entrants.
    QList<int> draw_;
    std::vector<Match> matches_;
    QList<int> played_;
    std::vector<Entry> log_;
};

inline constexpr int maxNameLength = 40;

// A list of names, one a line, as typed or read from a file: each trimmed,
// the blanks inside closed up to one, the empty lines at its end left out.
// `problem` says, in Italian, why the list cannot make a tournament of
// `kind` (an empty line, a name too long, a name twice, too few or too many),
// and is empty when it can.
struct NameList {
    QStringList names;
    QString problem;
};
NameList readNames(const QString &text, Kind kind);
// Whether `name` is one readNames() could give.
bool validName(const QString &name);

// The games a tournament of `n` entrants plays: n - 1 in a knockout (its
// byes are no games), every pair once in a league.
int matchCount(Kind kind, int n);
// A match's usual length in seconds, changeover included, with the choices
// `c` (see the model where it is computed).
double typicalMatchSeconds(const game::Choices &c);

// The bracket's size for n entrants: the least power of two not below n.
int bracketSize(int n);

} // namespace certamen
