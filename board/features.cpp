// The one place where the board meets the features beyond its own game: each
// is created here with the board's door, and follows games through the game
// events alone.

#include "auxilium/auxilium.h"
#include "board/traduci.h"
#include "certamen/certamen.h"
#include "errata/errata.h"
#include "formae/formae.h"
#include "lists/lists.h"
#include "players/lusores.h"
#include "vox/vox.h"

void Traduci::createFeatures() {
    // The players first: the missed words go to the list of the player who missed them.
    auto *players = new Lusores(*this, this);
    players->playsGamesOf(new Errata(*this, this, players));
    players->playsGamesOf(new formae::Formae(*this, this));
    new Certamen(*this, this);
    new vox::Vox(*this, this);
    new Lists(*this, this);
    new Auxilium(*this, this);
}
