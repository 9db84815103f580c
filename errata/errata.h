#pragma once
// The keeper of the missed words.
//
// It follows the games through the board's game events: a wrong strike
// counts the word asked as missed by the player who struck, in her own list
// (Hospes's in errata.txt, a named player's in her own file, see
// players/roster.h), and puts it in box 1 of her card box; a right first
// strike on a word missed in an earlier game moves it up a box when it is
// due, and out of the list from the last box (see players/schedule.h). Every
// change is written to the file at once, so that nothing already judged is
// lost if the program dies.
//
// It also serves the menu "Errata": "Recense" opens the window of the missed
// words, "Ludus errorum" starts a game whose words are drawn only from them
// (the other candidates still come from the whole loaded vocabulary, by
// grammatical class): it supplies that game's pool and the order of its words,
// those due first, then those due soonest. Both serve the list of the single
// player (the one on the right of two).

#include "board/gameevents.h"
#include "errata/missedlist.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <optional>
#include <vector>

namespace ui {
class MenuItem;
}

class Lusores;

class Errata : public QObject, public game::Listener {
    Q_OBJECT
  public:
    // Adds the menu "Errata" to the board and follows its games; `players`
    // tells whose list a side's strikes go to (without it, errata.txt's).
    Errata(game::Door &door, QObject *parent, Lusores *players = nullptr);

    // The file of the list of the player of side 1 (key 0, or alone) or 2.
    QString path(int side = 1) const;
    // Reads the list afresh and enables the menu items when it holds words.
    void refreshMenu();
    const MissedList &list() const { return list_; }

    // ---- menu handlers
    void Recense_Click();
    void LudusErrorum_Click();
    // Empties the list (the window asks first).
    void dele();

    // ---- the game events
    // For a game of missed words: replaces the word pool by the whole loaded
    // vocabulary, adding the missed words it no longer holds, and gives the
    // missed words, in a random order, as the words to ask.
    void poolReady(game::Pool &pool) override;
    void gameStarting(const game::Choices &) override;
    void wordAsked(const game::Word &w) override;
    void strikeJudged(const game::Strike &s) override;

  private:
    struct Asked {
        QString latin, category, translation;
    };
    // Reads the file of the side's list; an unreadable file is reported once.
    bool reload(int side = 1);
    // The list of the side's player in memory: list_ for side 1, and for
    // side 2 too when the same player's list; else left_.
    MissedList &listOf(int side);
    void updateMenu();
    // Reads the file of the side's list, applies `change` and writes it back
    // when it changed something.
    template <typename F> void change(int side, F change);
    // All translations of a word of the loaded vocabulary, read again from its file.
    QStringList translationsOf(const Asked &a);
    // The heading line of the loaded vocabulary file, with every language.
    QString heading() const;
    QString chosenLanguage() const;

    // What a file was when its list was last read or written: a list whose
    // file is still that one is not read again at each change.
    struct Stamp {
        qint64 inode = -1, size = -1, modified = -1, changed = -1;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);
    struct Known {
        QString path;
        Stamp stamp;
    };
    Known &knownOf(int side) { return &listOf(side) == &list_ ? known_[0] : known_[1]; }
    Known known_[2];

    game::Door &door_;
    Lusores *players_;
    ui::MenuItem *Recense = nullptr, *LudusErrorum = nullptr;
    MissedList list_, left_;
    bool warnedUnreadable_ = false, warnedUnwritable_ = false;
    bool ludus_ = false;     // the game being played is a game of missed words
    bool otherKind_ = false; // the game being played is not one of words
    std::optional<Asked> asked_;
    QSet<QString> missedThisGame_; // the words and the side that missed them
};
