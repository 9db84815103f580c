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
// settings window's keys.

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

    // Reads the roster; a missing or unreadable one gives Hospes alone.
    void load();
    // False when the roster could not be written.
    bool save() const;

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
};

} // namespace players
