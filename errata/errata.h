#pragma once
// The keeper of the missed words.
//
// It follows the games through the board's game events: a wrong strike, by
// either player, counts the word asked as missed; a right first strike on a
// word missed in an earlier game masters it and takes it off the list. Every
// change is written to errata.txt at once, so that nothing already judged is
// lost if the program dies.
//
// It also serves the menu "Errata": "Recense" opens the window of the missed
// words, "Ludus errorum" starts a game whose words are drawn only from them
// (the other candidates still come from the whole loaded vocabulary, by
// grammatical class): it supplies that game's pool and the order of its words.

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

class Errata : public QObject, public game::Listener {
    Q_OBJECT
  public:
    // Adds the menu "Errata" to the board and follows its games.
    Errata(game::Door &door, QObject *parent);

    // The file of the list, in the current folder.
    QString path() const { return MissedList::defaultFile; }
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
    // Reads the file into list_; an unreadable file is reported once.
    bool reload();
    void updateMenu();
    // Reads the file, applies `change` and writes it back when it changed something.
    template <typename F> void change(F change);
    // All translations of a word of the loaded vocabulary, read again from its file.
    QStringList translationsOf(const Asked &a);
    // The heading line of the loaded vocabulary file, with every language.
    QString heading() const;
    QString chosenLanguage() const;

    game::Door &door_;
    ui::MenuItem *Recense = nullptr, *LudusErrorum = nullptr;
    MissedList list_;
    bool warnedUnreadable_ = false, warnedUnwritable_ = false;
    bool ludus_ = false; // the game being played is a game of missed words
    std::optional<Asked> asked_;
    QSet<QString> missedThisGame_;
};
