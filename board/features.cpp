// The one place where the board meets the features beyond its own game: each
// is created here with the board's door, and follows games through the game
// events alone.

#include "board/traduci.h"
#include "certamen/certamen.h"
#include "errata/errata.h"

void Traduci::createFeatures() {
    new Errata(*this, this);
    new Certamen(*this, this);
}
