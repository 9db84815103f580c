#pragma once
// The board's game events: the one door through which the features beyond
// the board (the missed words, and every feature after them) follow a game
// and take part in it.
//
// A feature is a game::Listener: the board calls it, in this order, when a
// game is being started (poolReady, once the word pool is chosen, then
// gameStarting with the game's final choices), when a word is asked, when a
// strike is judged and when a game ends; and once when the program ends. It
// sees the game through game::Door, a read-only view with the few requests a
// feature may make (start a game, add a menu). It never reaches into the
// board's controls or state.

#include "vocabulary/vocabularyfile.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class QMenu;
class QWidget;

namespace game {

// The choices a game is played with, as the settings window left them.
struct Choices {
    int playerCount = 1;
    int speed = 0;
    // The words to answer right; a feature that supplies the order of the
    // words may make a game shorter than chosen (see Pool::setOrder).
    double wordsPerGame = 0;
    // As chosen in the settings window, whatever the game's length.
    double wordsChosen = 0;
    QString classes, frequencies; // one digit 0/1 a class, "1111"
    QString vocabularyFile;       // the file played, as the board names it
    QString language;             // the translation language's name
    int languageIndex = 0;
    bool soundsOn = false, musicOn = false;
    // The characters' names: [1] plays on the right with key 0 (the single
    // player of a one-player game), [2] on the left with key 1.
    std::array<QString, 3> characters;
    // Words whose first two letters are those of their translation are left out.
    bool excludeSimilar = false;
    // What the game asks: empty for the game of words; else the name a
    // feature gave its own kind of game (see Pool::setKind), e.g. "formae".
    QString kind;
};

// A word of the pool.
struct Word {
    int index = -1; // in the pool
    QString frequency, category, latin, translation;
    // The word asked as the voice should say it (with its vowel lengths),
    // when the board's word look knows it better than `latin`; else empty.
    QString spoken;
};

// How the board shows the word asked: the text on the board, a note in small
// type beneath it (none when empty), and the text the voice should say.
struct Shown {
    QString text, note, spoken;
};

// A feature that changes how the word asked is shown (see Door::setWordLook).
class WordLook {
  public:
    virtual ~WordLook() = default;
    virtual Shown look(const Word &w) const = 0;
};

// A judged strike on the word asked: by player 1 (key 0, or the single
// player) or player 2 (key 1).
struct Strike {
    int player = 1;
    bool right = false;
    Word word;
};

// The end of a game, its figures final.
struct Result {
    int playerCount = 1;
    int winner = 1;              // the player who won (the single player of a one-player game)
    int wordsDone = 0;           // words answered right, both players together
    double errors = 0;           // wrong strikes of a one-player game
    std::array<int, 3> scores{}; // words right of players 1 and 2
    double seconds = 0;          // the time the game took, as the board shows it
};

// The vocabulary the board has loaded: its word table (row 0 the heading
// record) and where each row stands in its file.
struct Vocabulary {
    const std::vector<vocabulary::Record> *table = nullptr;
    const std::vector<qint64> *rowStarts = nullptr;
    bool utf8 = false;
    QString file;          // the file it was read from
    int languageIndex = 0; // the translation's column, counted from the first language
    int lastWordIndex = 0; // the last row read
};

// The word pool of the game being started. Item k of the pool is word(k).
class Pool {
  public:
    virtual ~Pool() = default;
    virtual int count() const = 0;
    virtual Word word(int k) const = 0;
    // The listener that asked for this game (see Door::startGame), or none.
    virtual const class Listener *requester() const = 0;
    // Supplying the words: the pool emptied, then filled word by word. The
    // board chooses its pool afresh for the next game.
    virtual void clear() = 0;
    virtual void reserve(int n) = 0;
    virtual int add(const Word &w) = 0; // returns the word's index
    // The words to ask, in this order, instead of random draws; the game
    // asks as many of them as were chosen, at most.
    virtual void setOrder(const QList<int> &order) = 0;
    // The kind of game these words make (see Choices::kind); a supplied
    // pool of words leaves it empty.
    virtual void setKind(const QString &kind) = 0;
    // The kind of game asked for with Door::startGameWith (its preset's
    // kind): a feature that makes games of that kind supplies this pool,
    // whoever asked. Empty for a game of words.
    virtual QString kindAsked() const = 0;
    // Call with each row while going through a large table: the user's input
    // runs every so many rows, so that the window never stands still long.
    virtual void row(int r) = 0;
};

class Listener {
  public:
    virtual ~Listener() = default;
    // The word pool has been chosen for the game being started; the listener
    // that asked for the game may supply the words instead.
    virtual void poolReady(Pool &) {}
    // A game is being started with these choices: its first word comes next.
    virtual void gameStarting(const Choices &) {}
    virtual void wordAsked(const Word &) {}
    virtual void strikeJudged(const Strike &) {}
    virtual void gameEnded(const Result &) {}
    // Esc on the board while a game is being played: a listener that returns
    // true has dealt with it, and the board does not ask to end the program.
    virtual bool escapeTaken() { return false; }
    virtual void programEnding() {}
};

// The game as a feature sees it, and what it may ask of the board.
class Door {
  public:
    virtual ~Door() = default;
    virtual void addListener(Listener *l) = 0;
    // The vocabulary loaded now.
    virtual Vocabulary vocabulary() const = 0;
    // The choices of the game being played, or of the last one.
    virtual const Choices &choices() const = 0;
    // Whether a game is being played (not over, not idle).
    virtual bool playing() const = 0;
    // The board's window: the parent of a feature's windows and messages.
    virtual QWidget *boardWindow() = 0;
    // A menu of the feature's own on the board's menu bar, before the help menu.
    virtual QMenu *addFeatureMenu(const QString &name, const QString &caption) = 0;
    // Starts a game as the menu "Novus ludus" does; `requester` is told
    // apart in poolReady, so that it may supply the words.
    virtual void startGame(const Listener *requester = nullptr) = 0;
    // The names of the pupils who play, shown on the board above their
    // portraits from now on: `right` plays with key 0 (or alone), `left`
    // with key 1. Empty names show nothing.
    virtual void setPlayerNames(const QString &right, const QString &left) = 0;
    // Starts a game with `preset` as though the settings window had been
    // shown with these choices and confirmed (it is made, given them and
    // confirmed unseen): players, speed, words chosen, classes, frequencies,
    // vocabulary file, language, sounds, music, similar words, characters,
    // and the kind of game (see Pool::kindAsked).
    // `requester` as in startGame. Choices that give too few words show the
    // settings window as usual.
    virtual void startGameWith(const Choices &preset, const Listener *requester) = 0;
    // Shows the settings window with `start` put in (without, as a new game
    // shows it) and gives back the choices confirmed there, nullopt after
    // Exit. No game starts, and the board keeps its own choices.
    virtual std::optional<Choices> askChoices(const std::optional<Choices> &start) = 0;
    // The board's view menu "Species": a feature that changes how the game is
    // seen or heard adds its items there.
    virtual QMenu *viewMenu() = 0;
    // The board's help menu "?": a feature that helps the user adds its
    // items there, after the board's own.
    virtual QMenu *helpMenu() { return nullptr; }
    // The vocabulary file played when the settings window's personal
    // vocabulary ("Repertorio meo utor") is ticked; its caption names it.
    // Empty or "vocpers.txt" is the game's own vocpers.txt in the current
    // folder, the default.
    virtual void setPersonalVocabulary(const QString &path) = 0;
    // How the word asked is shown from now on; nullptr shows its Latin as the
    // pool holds it. One look at a time: the last one set counts.
    virtual void setWordLook(const WordLook *look) = 0;
};

} // namespace game
