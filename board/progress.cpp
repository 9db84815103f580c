// A right answer: the board in the player's colour, and the player's bar,
// bust and column one step higher.

#include "board/traduci.h"
#include "ui/platform.h"

void Traduci::rispostagiusta(int p) {
    suona(QStringLiteral("Right"));
    const QColor colour = barra(p)->backColor();
    Frame1->setBackColor(colour);
    Parola->setBackColor(colour);
    for (int i = 0; i < state.candidateCount; ++i) {
        if (i != state.currentCandidate) sign(i)->setShown(false);
    }
    const float step = static_cast<float>(state.barStep);
    barra(p)->setRect(barra(p)->left(), barra(p)->top() - step, barra(p)->width_(),
                      barra(p)->height_() + step);
    figura(p)->setTop(barra(p)->top() + 100);
    // The column's top rises one twip more than the bar's, and its foot sinks
    // nine twips a step behind the plinth.
    colonna(p)->setRect(colonna(p)->left(), colonna(p)->top() - (step + 1), colonna(p)->width_(),
                        colonna(p)->height_() + (step + 10));
    ui::platform().holdOneSecond(this);
    Frame1->setBackColor(QColor(64, 0, 0));
    Parola->setBackColor(QColor(64, 0, 0));
}
