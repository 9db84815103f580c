#pragma once
// The history of the games: an SQLite database in the user's data folder,
// reached through Qt SQL. One HistoryStore is one connection and must be used
// on one thread only (the history's worker, see history.h).
//
// The database runs with a write-ahead log; its schema carries a version
// (SQLite's user_version) and is brought up to date, step by step, when it is
// opened. A finished game is written in one transaction: the game, each side
// with its player's figures, and every word asked with its strikes.
//
// A database that cannot be used (cut, overwritten, a folder or a looping
// link in its place, a file made read-only, another program's database, a
// schema version this program does not know) is set aside under a name with
// the date and a new one is made in its place: the history starts again, the
// old file stays for whoever wants to rescue it. A disk that is full damages
// nothing and sets nothing aside (see full()), nor does a file its owner made
// unreadable: it is left as it is.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QSqlQuery;

namespace players {

// A word asked in a game and the strikes on it, in order: "1-2+" is a wrong
// strike of player 1, then a right one of player 2.
struct AskedWord {
    QString latin, category, translation;
    QString strikes;
    // The wrong strikes of a side in `strikes`.
    int wrongOf(int side) const;
};

// One side of a game: side 1 plays with key 0 (or alone), side 2 with key 1.
struct SideRecord {
    int side = 1;
    QString player; // the player's id ("hospes" for the guest)
    QString name;   // her name when she played
    int right = 0, errors = 0, lockouts = 0;
};

struct GameRecord {
    QDateTime started; // when the game began
    double seconds = 0;
    QString vocabulary, language, classes, frequencies;
    int speed = 0;
    double wordsPerGame = 0;
    int playerCount = 1;
    int winner = 1;
    QString kind; // what was asked: empty for words, "formae" for forms (each word a form)
    std::vector<SideRecord> sides;
    std::vector<AskedWord> words;
};

// A word a player mastered on a day (it left her missed words).
struct MasteredWord {
    QString player, latin, category;
    QDate day;
};

// One game as a player's progress sees it.
struct PlayedGame {
    // When it began, in milliseconds since the epoch: a QDateTime of local
    // time costs more to make than the rest of the row, and ten thousand are
    // read at once.
    qint64 started = 0;
    double seconds = 0;
    int right = 0, errors = 0, lockouts = 0, asked = 0;
    int side = 1, playerCount = 1, winner = 1;
    QString vocabulary, language, classes, frequencies;
    int speed = 0;
    double wordsPerGame = 0;
    QString kind; // as GameRecord::kind
};

struct MissedCount {
    QString latin, category;
    int misses = 0;
};

class HistoryStore {
  public:
    // The version the program writes; older databases are brought up to it.
    static constexpr int schemaVersion = 2;

    enum class State {
        Closed,
        Open,
        Unusable,   // neither usable nor replaceable (a folder that cannot be written)
        Unreadable, // its owner made it unreadable: left alone
    };
    // Why a database was set aside.
    enum class Aside { Damaged, Foreign, UnknownVersion };

    explicit HistoryStore(const QString &path);
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Opens the database, setting a damaged one aside and making a new one;
    // true when it can be written.
    bool open();
    void close();
    State state() const { return state_; }
    QString path() const { return path_; }
    // The name a damaged database was set aside under since this was last
    // asked (empty when none was).
    QString takeSetAside() { return std::exchange(setAsideAs_, QString()); }
    Aside asideReason() const { return asideReason_; }
    // What went wrong last, for the message.
    QString lastError() const { return lastError_; }
    // The last write failed for want of room: nothing was damaged.
    bool full() const { return full_; }

    // Writes the game in one transaction; on a damaged database it is set
    // aside and the game written to a new one. False when it was not written.
    bool add(const GameRecord &game);
    bool addMastered(const MasteredWord &word);
    // Removes a player's sides and mastered words (a game left with no side is removed).
    bool removePlayer(const QString &player);

    // The player's games from `since` on (all with a null date), oldest
    // first; their texts (vocabulary, language, classes) only with `details`.
    // Only the games of one kind: those of words (the default) or of forms.
    QList<PlayedGame> games(const QString &player, const QDateTime &since, bool details = false,
                            const QString &kind = QString()) const;
    // The days on which she mastered words, from `since` on.
    QList<QDate> masteredDays(const QString &player, const QDate &since) const;
    // Her most missed words from `since` on, most missed first.
    QList<MissedCount> mostMissed(const QString &player, const QDateTime &since, int count,
                                  const QString &kind = QString()) const;
    // The name under which a damaged database made on `day` is set aside.
    static QString asideName(const QString &path, QDate day);

  private:
    bool openOnce();
    bool migrate();
    // Whether the tables and their columns are this program's.
    bool ours();
    bool setAside();
    bool write(const std::function<bool()> &work);
    // Runs a prepared query, keeping its error.
    bool run(QSqlQuery &q) const;
    // Commits the open transaction, keeping its error.
    bool commit();
    bool damaging() const;

    QString path_, connection_;
    QSqlDatabase db_;
    State state_ = State::Closed;
    QString setAsideAs_;
    Aside asideReason_ = Aside::Damaged, why_ = Aside::Damaged;
    mutable QString lastError_;
    mutable int errorCode_ = 0;
    bool full_ = false;
};

} // namespace players
