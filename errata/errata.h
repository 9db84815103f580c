#pragma once
// The board's keeper of the missed words.
//
// The board tells it which word it asks (ask) and how each judged strike went
// (strike): a wrong strike, by either player, counts the word as missed; a
// right first strike on a word missed in an earlier game masters it and takes
// it off the list. Every change is written to errata.txt at once, so that
// nothing already judged is lost if the program dies.
//
// It also serves the menu "Errata": "Recense" opens the window of the missed
// words, "Ludus errorum" starts a game whose words are drawn only from them
// (the other candidates still come from the whole loaded vocabulary, by
// grammatical class).

#include "errata/missedlist.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <optional>
#include <vector>

class Traduci;

class Errata : public QObject {
    Q_OBJECT
  public:
    explicit Errata(Traduci *board);

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

    // ---- hooks of game start and judging
    // Whether the game start now running was asked for as a game of missed
    // words; asking again needs a new menu choice.
    bool takeRequest();
    // Before the word pool is chosen: a pool of missed words is never kept for
    // a later game.
    void beforeSelection();
    // Replaces the word pool by the whole loaded vocabulary, adding the missed
    // words it no longer holds, and draws the order of the missed words.
    void fillPool();
    // A game begins (the pool is ready); returns the number of words of the
    // game: `chosen`, or for a game of missed words at most `chosen` of them.
    double gameBegins(bool ludus, double chosen);
    // The words per game to show in the settings again: the chosen number,
    // also after a game of fewer missed words.
    double wordsChosen(double wordsPerGame) const;
    // The word of the pool to ask: `drawn`, or in a game of missed words the next of them.
    int ask(int drawn);
    // A judged strike on the word asked.
    void strike(bool right);

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

    Traduci *board_;
    MissedList list_;
    bool warnedUnreadable_ = false, warnedUnwritable_ = false;
    bool requested_ = false, ludus_ = false, poolReplaced_ = false;
    double chosen_ = 0;
    QList<int> queue_;
    qsizetype next_ = 0;
    std::optional<Asked> asked_;
    QSet<QString> missedThisGame_;
};
