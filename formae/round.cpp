#include "formae/round.h"

#include <algorithm>

namespace formae {

namespace {
template <size_t N> bool anyOf(const std::array<bool, N> &a) {
    return std::any_of(a.begin(), a.end(), [](bool b) { return b; });
}
// The box of an enum value (None is 0): false out of range.
template <size_t N, typename E> bool ticked(const std::array<bool, N> &a, E value) {
    const size_t i = static_cast<size_t>(value);
    return i >= 1 && i <= N && a[i - 1];
}
} // namespace

bool Asks::wantsKind(Kind k) const {
    switch (k) {
    case Kind::Noun:
        return nouns;
    case Kind::Adjective:
        return adjectives;
    case Kind::Pronoun:
        return pronouns;
    case Kind::Verb:
        return verbs && anyOf(moods) && anyOf(tenses) && anyOf(voices);
    }
    return false;
}

bool Asks::wants(Kind k, const Reading &r) const {
    if (!wantsKind(k)) return false;
    if (k != Kind::Verb) return true;
    return ticked(moods, r.mood) && ticked(tenses, r.tense) && ticked(voices, r.voice);
}

bool Asks::any() const {
    return wantsKind(Kind::Noun) || wantsKind(Kind::Adjective) || wantsKind(Kind::Pronoun) ||
           wantsKind(Kind::Verb);
}

namespace {
// The choices one digit each: the four kinds, the moods, the tenses, the voices.
QString digitsOf(const Asks &a) {
    QString s;
    for (bool b : {a.nouns, a.adjectives, a.pronouns, a.verbs})
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    for (bool b : a.moods)
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    for (bool b : a.tenses)
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    for (bool b : a.voices)
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}
} // namespace

Asks Asks::read(const SettingsStore &store) {
    Asks a;
    const QString s = store.read(key, digitsOf(a));
    // A text of another length or with other characters is not ours: the defaults.
    if (s.size() != digitsOf(a).size() ||
        !std::all_of(s.begin(), s.end(), [](QChar c) { return c == u'0' || c == u'1'; }))
        return a;
    int i = 0;
    auto next = [&] { return s.at(i++) == u'1'; };
    for (bool *b : {&a.nouns, &a.adjectives, &a.pronouns, &a.verbs})
        *b = next();
    for (bool &b : a.moods)
        b = next();
    for (bool &b : a.tenses)
        b = next();
    for (bool &b : a.voices)
        b = next();
    return a;
}

void Asks::write(SettingsStore &store) const {
    store.write(key, digitsOf(*this));
}

bool shareReading(const QList<Reading> &a, const QList<Reading> &b) {
    return std::any_of(a.begin(), a.end(), [&](const Reading &r) { return b.contains(r); });
}

QList<Form> roundForms(const Paradigm &p, bool lengths, const Asks &asks) {
    QList<Form> kept;
    if (!asks.wantsKind(p.kind)) return kept;
    for (const Form &f : p.forms(lengths)) {
        const bool asked = std::any_of(f.readings.begin(), f.readings.end(),
                                       [&](const Reading &r) { return asks.wants(p.kind, r); });
        if (!asked) continue;
        if (std::any_of(kept.begin(), kept.end(),
                        [&](const Form &k) { return shareReading(k.readings, f.readings); }))
            continue;
        kept.append(f);
    }
    return kept;
}

} // namespace formae
