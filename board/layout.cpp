// The board's layout and the players' portraits. All arithmetic is single
// precision and the results go to the controls unrounded.

#include "board/traduci.h"

void Traduci::disponitavola() {
    const float W = scaleWidth();
    const float H = scaleHeight();
    ui::Frame *F = Frame1;
    F->setLeft((W - F->width_()) / 2);
    F->setTop(0);
    F->setHeight(H / 4 * 3);
    barrone(2)->setLeft((W - F->width_()) / 4 - barrone(2)->width_() / 2);
    barrone(1)->setLeft(3 * barrone(2)->left() + barrone(2)->width_() + F->width_());
    barrone(1)->setTop(0);
    barrone(2)->setTop(0);
    barrone(1)->setHeight(trackHeight());
    barrone(2)->setHeight(barrone(1)->height_());
    barrone(1)->setShown(true);
    barrone(2)->setShown(true);

    fumetto(1)->setLeft((F->width_() - fumetto(1)->width_()) / 2);
    fumetto(1)->setTop(F->top() + 200);
    fumetto(2)->setLeft((F->width_() - fumetto(2)->width_()) / 2);
    fumetto(2)->setTop(F->top() + 200);
    fumetto(3)->setLeft(fumetto(1)->left());
    fumetto(3)->setTop(fumetto(1)->top() + fumetto(1)->height_() / 2);
    fumetto(4)->setLeft(fumetto(2)->left() + fumetto(2)->width_() / 2);
    fumetto(4)->setTop(fumetto(3)->top());
    battuta(1)->setTop(fumetto(1)->top() + 120);
    battuta(2)->setTop(fumetto(3)->top() + 180);

    for (int c = 0; c <= 2; ++c) {
        for (int r = 0; r <= 9; r += 3) {
            ui::Label *box = sign(c + r);
            box->setLeft(100 + static_cast<float>(c) * sign(c)->width_());
            box->setTop((F->height_() / 3 - sign(0)->height_()) / 2 +
                        static_cast<float>(r) * F->height_() / 20);
        }
    }

    Parola->setWidth(F->width_() - 100);
    Parola->setLeft(50);
    const float B = sign(11)->top() + sign(11)->height_();
    Parola->setTop(B + (F->height_() - B) / 2 - Parola->height_() / 2);
}

float Traduci::trackHeight() const {
    // The panel's three quarters of the window's height (as the layout makes
    // it), the gap below it and the status box.
    return scaleHeight() / 4 * 3 + 120 + Cornice->height_();
}

void Traduci::mostraritratti() {
    ui::Frame *F = Frame1;
    const float P2 = foto2->width_();
    const float P1 = foto1->width_();
    foto2->setLeft(F->left());
    Cornice->setTop(F->height_() + 45);
    foto2->setTop(Cornice->top() + 60);
    foto1->setTop(foto2->top());
    Cornice->setLeft(P2 + F->left() + 50);
    if (state.playerCount == 1) {
        foto1->setLeft(foto2->left());
        Cornice->setWidth(F->width_() - P1 - 50);
        foto2->setShown(false);
    }
    if (state.playerCount == 2) {
        Cornice->setWidth(F->width_() - P2 - 100 - P2);
        foto1->setLeft(Cornice->left() + Cornice->width_() + 50);
        foto2->setShown(true);
    }
    foto1->setShown(true);
    Cornice->setShown(true);
}
