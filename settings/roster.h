#pragma once
// The roster of characters: the six authors with their selection quotation,
// victory line and defeat line. Character number k is characters[k - 1].

#include <QString>
#include <array>

namespace roster {

struct Character {
    const char *name, *quotation, *victory, *defeat;
};

inline constexpr std::array<Character, 6> characters{{
    {"Cicero", "Quo usque tandem?", "O fortunatam, natam me consule Romam!", "O tempora! o mores!"},
    {"Caesar", "Alea iacta est!", "Veni, vidi, vici!", "Tu quoque, fili mi?"},
    {"Catullus", "Odi. Amo. Excrucior.", "Vivamus! amemus! Da mi mille basia!",
     "Lugete o Veneres Cupinesque"},
    {"Vergilius", "Arma virumque cano", "Parcere subiectis et debellare superbos",
     "Infandum iubes renovare dolorem!"},
    {"Horatius", "Carpe diem!", "Hoc erat in votis. Nunc est bibendum!", "Pulvis et umbra sumus"},
    {"Seneca", "Marcet sine adversario virtus", "Verum gaudium res severa est",
     "Calamitas virtutis occasio est"},
}};

// The number (1 to 6) of the character named `name`, 0 if none is.
template <typename S> int numberOf(const S &name) {
    for (int k = 1; k <= 6; ++k)
        if (name == QLatin1String(characters[k - 1].name)) return k;
    return 0;
}

} // namespace roster
