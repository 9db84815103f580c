#pragma once
// The players' feature: the menu "Lusores" (the player of each side, a new
// player, renaming, removing, the progress window), the players' names on the
// board, and every finished game written to the history.
//
// It follows the games through the board's game events: the choices and the
// players when a game starts, each word asked with its strikes, the figures
// when it ends. A game broken off (a new one started, the program ended)
// never reaches the history, nor does a game another feature starts for
// pupils of its own (a tournament's match): the sides' players play only
// the games started by hand and those of the features named in
// playsGamesOf().

#include "board/gameevents.h"
#include "players/history.h"
#include "players/roster.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

class QMenu;
class QAction;

class Lusores : public QObject, public game::Listener {
    Q_OBJECT
  public:
    // Adds the menu "Lusores" to the board and follows its games.
    Lusores(game::Door &door, QObject *parent);
    ~Lusores() override;

    const players::Roster &roster() const { return roster_; }
    // The history, made on first use (the database opens on its worker then).
    players::History &history();
    // The history's file in the user's data folder.
    static QString historyFile();

    // The player of side 1 (key 0, or alone) or side 2 (key 1).
    players::Player player(int side) const { return roster_.side(side); }
    // A word the side's player has mastered: it left her missed words.
    void mastered(int side, const QString &latin, const QString &category);
    // The games `feature` starts are the sides' players' games too (the game
    // of their missed words).
    void playsGamesOf(const game::Listener *feature) { own_.push_back(feature); }

    // ---- menu handlers
    void choose(int side, const QString &id);
    void NovusLusor_Click();
    void Renomina_Click(const QString &id);
    void Tolle_Click(const QString &id);
    void Progressus_Click();

    // ---- the game events
    void poolReady(game::Pool &pool) override;
    void gameStarting(const game::Choices &c) override;
    void wordAsked(const game::Word &w) override;
    void strikeJudged(const game::Strike &s) override;
    void gameEnded(const game::Result &r) override;
    void programEnding() override;

  signals:
    // The roster or a side's player changed.
    void playersChanged();

  private:
    void fillMenu();
    void save();
    void showNames();
    // Asks for a name in the window frmNomen; empty when none was given.
    QString askName(const QString &caption, const QString &name, const QString &except);
    void tell(const QString &text);
    // The one message about a roster that was not read whole.
    void tellRoster(players::Roster::Loaded loaded);

    game::Door &door_;
    players::Roster roster_;
    std::unique_ptr<players::History> history_;
    QMenu *menu_ = nullptr;
    std::optional<players::GameRecord> game_;
    std::vector<const game::Listener *> own_;
    bool foreign_ = false; // the game being started is another feature's
    bool warnedRoster_ = false;
};
