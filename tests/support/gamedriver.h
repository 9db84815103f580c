#pragma once
// Playing the board as a player does, through the test platform: a game is
// started through the settings window (chosen there, O.K. pressed), keys are
// real key events on the window, the timer's ticks are run one at a time.

#include "support/boardfixture.h"

#include "ui/controlarray.h"

#include <functional>

class Impostazioni;
class Traduci;
namespace ui {
class CheckBox;
}

struct GameChoice {
    int players = 1;
    int words = 10; // 10, 20, 30, 40 or 50
    int speed = 3;
    bool excludeSimilar = false;
    // Further choices made in the settings window before O.K.
    std::function<void(Impostazioni *)> tweak = nullptr;
};

// Answers the next settings window shown with `choice` and O.K. (or Exit when
// `confirm` is false).
void answerSettings(FakePlatform &platform, const GameChoice &choice, bool confirm = true);
// Starts a game from the menu item "Novus ludus".
void startGame(BoardFixture &fx, const GameChoice &choice);
// Runs the timer's tick until the highlight stands on `box` (false if it never does).
bool highlight(Traduci &b, int box);
// Presses a key on the board: a character ('0', ' ') or a Qt key (Qt::Key_Return).
void press(Traduci &b, int key);
// Answers the current word right (or wrong) with the key of `player` (0 for
// the single player's Enter).
void answer(Traduci &b, bool right, int player = 0);
// The states of boxes 1..4 of a class group, one digit each ("1011").
QString boxStates(const ui::ControlArray<ui::CheckBox> &boxes);
// A key press as the keyboard sends it, each with a time stamp of its own
// (the window's key routing tells a press it has seen by its stamp).
void pressKey(QWidget *w, Qt::Key key, const QString &text);
// Moves player `g` of the settings window on through the roster to character `n`.
void moveTo(Impostazioni *w, int g, int n);
// The number of candidate boxes shown.
int visibleBoxes(Traduci &b);
