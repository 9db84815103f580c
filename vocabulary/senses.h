#pragma once
// The senses of a translation, to tell whether a wrong answer offered beside
// the right one would be right too. A translation's senses are its parts
// between ",", ";" and "/"; two senses are one when they read alike ignoring
// case, accents (é = e, ü = u, ß = ss), blanks, punctuation and notes in
// brackets: "ma, invece" shares a sense with "ma", "él mismo" with "el mismo",
// "leicht" with "leicht, mühelos".

#include <QString>
#include <QStringList>
#include <vector>

namespace vocabulary {

// The keys of a translation's senses, folded as above. A translation that has
// no letter or digit outside brackets has its whole text as its one key, so
// that two equal texts always share a sense.
QStringList senseKeys(QStringView translation);

// Whether two translations share a sense.
bool shareSense(QStringView a, QStringView b);

// The senses of every translation of a word pool, read once and then asked
// again for every word: folding a hundred thousand texts at each word would
// cost more than the rest of choosing it.
class PoolSenses {
  public:
    explicit PoolSenses(const QStringList &translations);
    // The senses of `translations`, kept from the last call when the list is
    // the same list (the same storage: the copy kept here holds it, so a
    // changed list always has other storage).
    static const PoolSenses &of(const QStringList &translations);
    // Whether translations j and k share a sense (false out of range).
    bool share(qsizetype j, qsizetype k) const;

  private:
    QStringList texts_;
    // Each row's keys, one row after another, as 64-bit hashes: two keys that
    // differ and hash alike (about one pair in 10^10 for a pool of 100,000
    // words) only leave a distractor out.
    std::vector<quint64> keys_;
    std::vector<int> starts_; // where each row's keys begin in keys_, and the end
};

} // namespace vocabulary
