#pragma once
// The board's door without the board: a feature's tests load a vocabulary,
// then play games as a sequence of game events.

#include "board/gameevents.h"

#include <QWidget>
#include <vector>

class FakeDoor : public game::Door {
  public:
    // The vocabulary of the file at `path`, read as the board reads it.
    explicit FakeDoor(const QString &path = QStringLiteral("vocabula.txt"));

    // ---- game events, in the board's order
    // Starts a game of `choices`, the pool being the whole vocabulary (or
    // what a requester supplies); returns the pool's words.
    std::vector<game::Word> start(game::Choices choices = {}, const game::Listener *requester = nullptr);
    // Asks the word of the pool with this Latin text; a strike on it.
    game::Word ask(const QString &latin);
    void strike(int player, bool right);
    void end(const game::Result &r);

    // ---- the door
    void addListener(game::Listener *l) override { listeners.push_back(l); }
    game::Vocabulary vocabulary() const override;
    const game::Choices &choices() const override { return choices_; }
    bool playing() const override { return playing_; }
    QWidget *boardWindow() override { return &window; }
    QMenu *addFeatureMenu(const QString &name, const QString &caption) override;
    void startGame(const game::Listener *requester = nullptr) override { start(choices_, requester); }
    void setPlayerNames(const QString &right, const QString &left) override { names = {right, left}; }
    void startGameWith(const game::Choices &preset, const game::Listener *requester) override {
        start(preset, requester);
    }
    std::optional<game::Choices> askChoices(const std::optional<game::Choices> &start) override {
        return start;
    }

    void setWordLook(const game::WordLook *l) override { look = l; }

    std::vector<game::Listener *> listeners;
    const game::WordLook *look = nullptr;
    std::vector<game::Word> pool;
    QList<int> order;
    QStringList names;
    QWidget window;

  private:
    vocabulary::ParseResult loaded_;
    QString file_;
    game::Choices choices_;
    game::Word asked_;
    bool playing_ = false;
};
