// The characters: the roster with its quotations, the pair quotations of
// characters who address each other, giving a player a character, and the
// clicks and focus of portraits, bubbles, quotations and names.

#include "settings/impostazioni.h"
#include "settings/roster.h"
#include "ui/convert.h"

using namespace ui;

namespace {

// Who says a pair quotation: the player being given a character, the other
// player, or both.
enum class Speaker { Given, Other, Both };

struct PairQuotation {
    const char *key; // the given player's name followed by the other's
    const char *quotation;
    Speaker speaker;
};

// In the order they are tested.
const PairQuotation pairs[] = {
    {"CatullusCatullus", "Miser Catulle!", Speaker::Both},
    {"CatullusCaesar", "Nil nimium studeo, Caesar, tibi velle placere", Speaker::Given},
    {"CatullusCicero", "Disertissime Romuli nepotum!", Speaker::Given},
    {"CaesarCatullus", "Nil nimium studeo, Caesar, tibi velle placere", Speaker::Other},
    {"VergiliusHoratius", "Vergili! Animae dimidium meae!", Speaker::Other},
    {"HoratiusVergilius", "Vergili! Animae dimidium meae!", Speaker::Given},
    {"CiceroCatullus", "Disertissime Romuli nepotum!", Speaker::Other},
};

// Short quotations show larger; an empty one leaves the size as it is.
void sizeFor(Label *l, const QString &q) {
    if (q.isEmpty()) return;
    l->setFontSize(q.size() <= 20 ? 12 : 9);
}

} // namespace

void Impostazioni::riempipersone() {
    persone.at(0) = {};
    for (int r = 1; r <= 6; ++r) {
        const roster::Character &c = roster::characters.at(r - 1);
        persone.at(r) = {QString(), QString::fromLatin1(c.name), QString::fromLatin1(c.quotation),
                         QString::fromLatin1(c.victory), QString::fromLatin1(c.defeat)};
    }
}

int Impostazioni::personaDi(int giocatore) const {
    return static_cast<int>(val(Picture1(giocatore)->tag()));
}

void Impostazioni::restituiscipersona(int giocatore, const QString &name) {
    if (name.isEmpty()) return;
    for (int r = 1; r <= 6; ++r) {
        if (persone.at(r).at(1) == name) {
            assegnapersona(giocatore, r);
            return;
        }
    }
}

void Impostazioni::assegnapersona(int giocatore, int numero) {
    const int g = giocatore;
    const int other = g == 1 ? 2 : 1;
    Picture1(g)->setPicture(foto(numero)->picture());
    nomefoto(g)->setCaption(persone.at(numero).at(1));
    QString q1 = persone.at(numero).at(2);
    QString q2;
    const bool two = Giocatori(2)->value();
    if (two && !Picture1(other)->tag().isEmpty()) {
        q2 = persone.at(personaDi(other)).at(2);
        const QString key = nomefoto(g)->caption() + nomefoto(other)->caption();
        for (const PairQuotation &p : pairs) {
            if (key != QLatin1String(p.key)) continue;
            const QString line = QString::fromLatin1(p.quotation);
            if (p.speaker != Speaker::Other) q1 = line;
            if (p.speaker != Speaker::Given) q2 = line;
            break;
        }
    }
    sizeFor(battuta(g), q1);
    sizeFor(battuta(other), q2);
    battuta(g)->setCaption(q1);
    if (two) battuta(other)->setCaption(q2);
    Picture1(g)->setTag(plainForm(numero));
}

void Impostazioni::Picture1_Click(int index) {
    const int g = index > 2 ? index - 2 : index; // bubble 3 is player 1's, bubble 4 player 2's
    int n = personaDi(g) + 1;
    if (n == 7) n = 1; // from Seneca back to Cicero
    assegnapersona(g, n);
    nomefoto(g)->setBackColor(QColor(255, 255, 255));
}

void Impostazioni::Picture1_GotFocus(int index) {
    const int g = index > 2 ? index - 2 : index;
    nomefoto(g)->setBackColor(okay(0)->backColor());
}

void Impostazioni::Picture1_LostFocus(int index) {
    const int g = index > 2 ? index - 2 : index;
    nomefoto(g)->setBackColor(nomefoto(0)->backColor());
}

void Impostazioni::battuta_Click(int index) {
    Picture1_Click(index);
}

void Impostazioni::nomefoto_Click(int index) {
    if (index > 0) Picture1_Click(index);
}
