#pragma once
// The players: Hospes, the guest, who is always there, and the pupils named
// by the users, with the player chosen for each side of the board.
//
// Side 1 plays with key 0 on the right (or alone), side 2 with key 1 on the
// left. Each named player has an id that never changes (a rename keeps it):
// her history and her file of missed words are kept under it. Hospes's missed
// words stay in errata.txt in the game's folder; a named player's are in her
// own file in the user's data folder, in the same format.
//
// The roster is kept in lusores.ini in the user's data folder, beside the
// history and the players' files, so that the settings store keeps only the
// settings window's keys. It is an INI file as QSettings writes one (UTF-8,
// or UTF-16 with a byte-order mark when an editor saved it so), read and
// written here so that a damaged one is seen as damaged and a full disk never
// empties it.

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace players {

// The user's data folder (created when needed), or the one a test sets.
QString dataFolder();
void setDataFolder(const QString &folder);

struct Player {
    QString id, name;
    bool guest() const;
};

class Roster {
  public:
    static const QString guestId;   // "hospes"
    static const QString guestName; // "Hospes"
    static constexpr int longestName = 30;

    enum class NameProblem { None, Empty, TooLong, Taken };
    enum class Loaded {
        Read,       // whole, or not there yet (Hospes alone)
        SetAside,   // damaged: its sound players are kept, the file set aside (setAsideAs())
        Damaged,    // damaged and it could not be set aside: it is never written over
        Unreadable, // there but it cannot be read: it is never written over
    };

    // Reads the roster. A damaged one (its count of players missing or
    // wrong, an entry without a sound id or name) is renamed out of the way
    // whole, so that the next save cannot write it smaller unseen: the
    // players that could be read are kept.
    Loaded load();
    // The name a damaged roster was set aside under by the last load().
    QString setAsideAs() const { return setAsideAs_; }
    // False when the roster could not be written (or must not be).
    bool save() const;

    // Whether `id` is one this program makes (a file name is built from it).
    static bool validId(const QString &id);

    // Hospes first, then the named players in the order they were made.
    QList<Player> players() const;
    std::optional<Player> find(const QString &id) const;
    // The player chosen for side 1 or 2.
    Player side(int side) const;
    // Chooses a player for a side; a named player chosen for the side the
    // other one holds changes place with her.
    void choose(int side, const QString &id);

    // A name as it is kept: blanks trimmed, line breaks and control
    // characters left out.
    static QString clean(const QString &name);
    // Whether `name` (cleaned) may be given to a player; `except` is the id
    // of the player being renamed.
    NameProblem check(const QString &name, const QString &except = QString()) const;
    // Makes a player; her id, or an empty text when the name is refused.
    QString add(const QString &name);
    bool rename(const QString &id, const QString &name);
    // Removes a named player; a side she held is given to Hospes.
    bool remove(const QString &id);

    // The file of the player's missed words.
    static QString missedFile(const QString &id);

  private:
    QList<Player> named_;
    std::array<QString, 3> sides_{QString(), guestId, guestId};
    QString setAsideAs_;
    bool keep_ = false; // the file on disk must not be written over
};

} // namespace players
