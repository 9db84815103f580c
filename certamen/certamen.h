#pragma once
// The tournament of a class, played on one board.
//
// The menu "Certamen": "Novum certamen…" sets a tournament up (the entrants,
// the form, the match choices through the settings window), "Perge certamen"
// goes on with an unfinished one, "Tabula" shows the standings. Between
// matches the table window comes up over the board with the next pair; a key
// starts their match, which is the board's two-player game with the
// tournament's choices and the entrants' names and characters. The board
// reports its end through the game events: only a match that ends counts, one
// broken off (a game started by hand, the program ended) is played again.
//
// The state is written when a match begins and after it, atomically, to certamen.txt in the
// user's data folder; a file that cannot be read as a tournament is put aside
// under another name, with one message, and the game goes on without it.

#include "board/gameevents.h"
#include "certamen/tournament.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

namespace ui {
class MenuItem;
class Timer;
} // namespace ui
class Tabula;
class QPrinter;
class QWidget;

class Certamen : public QObject, public game::Listener {
    Q_OBJECT
  public:
    // Adds the menu "Certamen" to the board and follows its games; the state
    // file is read once the event loop runs.
    Certamen(game::Door &door, QObject *parent);
    ~Certamen() override;

    // The state file: certamen.txt in the user's data folder.
    static QString statePath();
    // Reads the state file afresh; a damaged or foreign one is put aside.
    void reload();
    const std::optional<certamen::Tournament> &tournament() const { return t_; }
    // The table window while it is shown.
    Tabula *tabula() const;
    game::Door &door() { return door_; }
    // Asks a file name (a test may answer instead of the dialog).
    static std::function<QString(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter, bool save)>
        fileDialog;
    // Lets the user choose a printer (or a PDF file) for `printer`; false
    // when the printing is called off. A test may answer instead.
    static std::function<bool(QPrinter &printer, QWidget *parent)> printDialog;
    // Asks the teacher to pick one of `items`: its index, -1 when called off.
    // A test may answer instead.
    static std::function<int(QWidget *parent, const QString &title, const QString &label,
                             const QStringList &items)>
        chooseDialog;

    // ---- menu handlers
    void Novum_Click();
    void Perge_Click();
    void Tabula_Click();
    // The teacher's hand on the results: a pupil of the next match is absent
    // (the other goes on without a game), or a match is played again. Each
    // asks which, then for a confirmation; the state is written at once.
    void Absens_Click();
    void Iterum_Click();

    // Begins `t` (drawn by the set-up window) and shows its table.
    void begin(const certamen::Tournament &t);
    // Plays the next match.
    void playNext();
    // Moves the entrant on `side` of the next match to the next character, as
    // long as that entrant has not played yet.
    void changeCharacter(int side);
    // Whether the entrant on `side` of the next match may still change character.
    bool mayChangeCharacter(int side) const;
    // The table comes up (or the end, after the last match): the end scene
    // of a match has been played, or a menu asked.
    // With `goOn`, a key on it starts the next match even while a game is
    // being played (the game is then broken off).
    void showTabula(bool goOn = false);

    // ---- the game events
    void poolReady(game::Pool &pool) override;
    void gameStarting(const game::Choices &) override;
    void strikeJudged(const game::Strike &s) override;
    void gameEnded(const game::Result &r) override;
    // Esc in a match: break it off (played again from its start), end the
    // program (the board asks as always) or go on.
    bool escapeTaken() override;

  private:
    bool save();
    void updateMenu();
    // After the teacher changed the results: written, and shown.
    void changed();
    // A match of the tournament is being played on the board.
    bool inMatch() const;
    // Gives a character at random to each side of the next match without one.
    void drawCharacters();
    int characterOf(int entrant) const;

    game::Door &door_;
    ui::MenuItem *Novum = nullptr, *Perge = nullptr, *TabulaItem = nullptr, *Absens = nullptr,
                 *Iterum = nullptr;
    // After a match, the time its end scene takes before the table comes up.
    ui::Timer *Pausa = nullptr;
    std::optional<certamen::Tournament> t_;
    int match_ = -1;             // the match being played, -1 none
    bool asked_ = false;         // the game being started is the next match
    std::array<int, 3> wrong_{}; // wrong strikes of players 1 and 2 in this match
    bool warnedUnwritable_ = false;
    bool namesShown_ = false; // the board shows the names of a match
    QPointer<Tabula> tabula_;
};
