#pragma once
// Tournaments for the tests: entrants "Discipulus 0", "Discipulus 1"… and the
// choices their matches are played with.
#include "certamen/tournament.h"

QList<certamen::Entrant> entrants(int n);
game::Choices choices();
