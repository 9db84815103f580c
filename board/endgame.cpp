// The end of a game: the characters' lines, the loser's bust toppling, and the
// end scene the tick then plays at 50 ms a step.

#include "board/traduci.h"
#include "ui/platform.h"

#include <cmath>

void Traduci::finepartita() {
    TraduciState &s = state;
    Parola->setCaption(QString());
    showNote(QString());
    s.gameOver = true;
    suona(QStringLiteral("Vittoria"));
    sign(s.currentCandidate)->setShown(false);
    if (s.playerCount == 1) {
        battuta(1)->setLeft(fumetto(2)->left() + 120);
        battuta(1)->setCaption(Imr(4)->tag());
        fumetto(1)->setShown(true);
        battuta(1)->setShown(true);
    }
    if (s.lockedOut[1] == 1) { // player 2 has won
        figura(1)->setPicture(Imr(6)->picture());
        battuta(1)->setLeft(fumetto(1)->left() + 120);
        battuta(2)->setLeft(fumetto(4)->left() + 150);
        battuta(1)->setCaption(Iml(4)->tag());
        battuta(2)->setCaption(Imr(5)->tag());
        for (ui::Control *c :
             std::initializer_list<ui::Control *>{fumetto(1), fumetto(4), battuta(1), battuta(2)})
            c->setShown(true);
        Imr(7)->setRect(figura(1)->left(), figura(1)->top() + 105, Imr(7)->width_(), Imr(7)->height_());
        Imr(7)->bringToFront();
        Imr(7)->setShown(true);
    }
    if (s.lockedOut[2] == 1) { // player 1 has won
        figura(2)->setPicture(Iml(6)->picture());
        battuta(1)->setLeft(fumetto(2)->left() + 120);
        battuta(2)->setLeft(fumetto(3)->left() + 150);
        battuta(1)->setCaption(Imr(4)->tag());
        battuta(2)->setCaption(Iml(5)->tag());
        for (ui::Control *c :
             std::initializer_list<ui::Control *>{fumetto(2), fumetto(3), battuta(1), battuta(2)})
            c->setShown(true);
        Iml(7)->setRect(figura(2)->left() + 135, figura(2)->top() + 105, Iml(7)->width_(), Iml(7)->height_());
        Iml(7)->bringToFront();
        Iml(7)->setShown(true);
    }
    Timer1->setInterval(50);
    float elapsed = ui::platform().timeOfDay() - s.gameStartTime;
    if (elapsed < 0) elapsed += 1.0f;
    game::Result result{.playerCount = s.playerCount,
                        .winner = s.lockedOut[1] == 1 ? 2 : 1,
                        .wordsDone = s.wordsDone,
                        .errors = s.errorCount,
                        .scores = s.playerScore,
                        .seconds = std::round(double(elapsed - s.excludedTime) * 86400.0)};
    notify([&](game::Listener &l) { l.gameEnded(result); });
    ui::platform().holdOneSecond(this);
    Labelsotto1->setCaption(QString());
}
