#pragma once
// The forms of one word that a game of forms offers together, and what the
// player chose to be asked.
//
// A round is fair when striking a box that is not the right one is always
// wrong: the right box names every reading of the form shown, and no other
// box names any of them. Within one word two different spellings share a
// reading only where the word has variants (deum and deorum are both
// genitive plural); of such forms the round keeps the first and leaves the
// other out, so that every two forms it offers have no reading in common.

#include "formae/lexicon.h"
#include "settings/store.h"

#include <QList>
#include <array>

namespace formae {

// What the player chose to be asked (the window "LessiCorsa! Formae"),
// remembered per user in the settings store.
struct Asks {
    bool nouns = true, adjectives = true, pronouns = true, verbs = true;
    // Indexed by the enums' values less one: ind subj imp inf; pres impf fut
    // perf plup futp; act pass.
    std::array<bool, 4> moods{true, true, true, true};
    std::array<bool, 6> tenses{true, true, true, true, true, true};
    std::array<bool, 2> voices{true, true};

    bool wantsKind(Kind k) const;
    // Whether a reading of a word of kind `k` is one to ask.
    bool wants(Kind k, const Reading &r) const;
    // Whether anything at all can be asked.
    bool any() const;

    static Asks read(const SettingsStore &store);
    void write(SettingsStore &store) const;
    // The store's keys (for tests and the window).
    static inline const QString key = QStringLiteral("Formae");
};

// The forms of `p`, spelt as the board shows them (with lengths or plain),
// that one round offers: each has at least one reading that `asks` wants and
// keeps all its readings; no two share a reading. In the paradigm's order.
QList<Form> roundForms(const Paradigm &p, bool lengths, const Asks &asks);

// Whether two lists of readings have one in common.
bool shareReading(const QList<Reading> &a, const QList<Reading> &b);

} // namespace formae
