#include "formae/lexicon.h"

// The readings as words: the dump's fixed English abbreviations, and the
// boxes' school abbreviations in the five languages of the vocabulary.

namespace formae {

namespace {

struct Terms {
    const char *cases[7];   // by Case
    const char *numbers[3]; // by Number
    const char *genders[4]; // by Gender
    const char *persons[4]; // by person
    const char *tenses[7];  // by Tense
    const char *moods[5];   // by Mood
    const char *voices[3];  // by Voice
};

const Terms fixedEnglish = {{"", "nom", "gen", "dat", "acc", "abl", "voc"},
                            {"", "sg", "pl"},
                            {"", "m", "f", "n"},
                            {"", "1", "2", "3"},
                            {"", "pres", "impf", "fut", "perf", "plup", "futp"},
                            {"", "ind", "subj", "imp", "inf"},
                            {"", "act", "pass"}};

const Terms school[5] = {
    // Italian
    {{"", "nom.", "gen.", "dat.", "acc.", "abl.", "voc."},
     {"", "sing.", "plur."},
     {"", "m.", "f.", "n."},
     {"", "1ª", "2ª", "3ª"},
     {"", "pres.", "imperf.", "fut.", "perf.", "piuccheperf.", "fut. ant."},
     {"", "ind.", "cong.", "imperat.", "inf."},
     {"", "att.", "pass."}},
    // English
    {{"", "nom.", "gen.", "dat.", "acc.", "abl.", "voc."},
     {"", "sg.", "pl."},
     {"", "m.", "f.", "n."},
     {"", "1st", "2nd", "3rd"},
     {"", "pres.", "impf.", "fut.", "perf.", "plupf.", "fut. perf."},
     {"", "ind.", "subj.", "imper.", "inf."},
     {"", "act.", "pass."}},
    // German
    {{"", "Nom.", "Gen.", "Dat.", "Akk.", "Abl.", "Vok."},
     {"", "Sg.", "Pl."},
     {"", "m.", "f.", "n."},
     {"", "1.", "2.", "3."},
     {"", "Präs.", "Impf.", "Fut. I", "Perf.", "Plusqpf.", "Fut. II"},
     {"", "Ind.", "Konj.", "Imp.", "Inf."},
     {"", "Akt.", "Pass."}},
    // French
    {{"", "nom.", "gén.", "dat.", "acc.", "abl.", "voc."},
     {"", "sg.", "pl."},
     {"", "m.", "f.", "n."},
     {"", "1re", "2e", "3e"},
     {"", "prés.", "imparf.", "fut.", "parf.", "p.-q.-parf.", "fut. ant."},
     {"", "ind.", "subj.", "impér.", "inf."},
     {"", "act.", "pass."}},
    // Spanish
    {{"", "nom.", "gen.", "dat.", "ac.", "abl.", "voc."},
     {"", "sg.", "pl."},
     {"", "m.", "f.", "n."},
     {"", "1.ª", "2.ª", "3.ª"},
     {"", "pres.", "imperf.", "fut.", "perf.", "pluscuamp.", "fut. perf."},
     {"", "ind.", "subj.", "imper.", "inf."},
     {"", "act.", "pas."}},
};

QString words(const Reading &r, const Terms &t, bool withGender, const char *separator) {
    QStringList parts;
    auto add = [&](const char *s) {
        if (*s) parts.append(QString::fromUtf8(s));
    };
    if (r.mood == Mood::None) {
        add(t.cases[int(r.grammaticalCase)]);
        add(t.numbers[int(r.number)]);
        if (withGender) add(t.genders[int(r.gender)]);
    } else if (r.mood == Mood::Inf) {
        add(t.tenses[int(r.tense)]);
        add(t.moods[int(r.mood)]);
        add(t.voices[int(r.voice)]);
    } else {
        add(t.persons[r.person]);
        add(t.numbers[int(r.number)]);
        add(t.tenses[int(r.tense)]);
        add(t.moods[int(r.mood)]);
        add(t.voices[int(r.voice)]);
    }
    return parts.join(QString::fromUtf8(separator));
}

} // namespace

QString abbreviate(const Reading &reading) {
    return words(reading, fixedEnglish, true, " ");
}

QString abbreviate(const QList<Reading> &readings) {
    QList<Reading> sorted = readings;
    std::sort(sorted.begin(), sorted.end());
    QStringList out;
    for (const Reading &r : sorted)
        out.append(abbreviate(r));
    return out.join(QStringLiteral("; "));
}

// Readings that share all but one or two of their terms are written once,
// with the differing terms joined by "/", so that even a form of four
// readings stands in two lines of a box: "gen./dat. sing. / nom./voc. plur.",
// "3ª plur. fut. ant. ind./perf. cong. att.".
QString describe(const QList<Reading> &readings, Language language) {
    const Terms &t = school[std::min(int(language), 4)];
    QList<Reading> sorted = readings;
    std::sort(sorted.begin(), sorted.end());
    const auto term = [](const char *s) { return QString::fromUtf8(s); };

    // A group: what its readings share (the key) and what tells them apart.
    struct Group {
        QString key;
        QStringList parts;
        QString head, tail;        // the shared terms before and after the parts
        QStringList tenses, moods; // a verb's parts, term by term
    };
    QList<Group> groups;
    const auto addTo = [&groups](const QString &key, const QString &head, const QString &part,
                                 const QString &tail, const QString &tense = {}, const QString &mood = {}) {
        for (Group &g : groups)
            if (g.key == key) {
                if (!g.parts.contains(part)) {
                    g.parts.append(part);
                    g.tenses.append(tense);
                    g.moods.append(mood);
                }
                return;
            }
        groups.append({key, {part}, head, tail, {tense}, {mood}});
    };

    for (qsizetype i = 0; i < sorted.size();) {
        const Reading &r = sorted.at(i);
        if (r.mood == Mood::None) {
            // Readings that differ only in gender first share one entry: "nom. pl. m./f.".
            QStringList genders;
            qsizetype j = i;
            while (j < sorted.size() && sorted.at(j).gender != Gender::None &&
                   sorted.at(j).grammaticalCase == r.grammaticalCase && sorted.at(j).number == r.number &&
                   sorted.at(j).mood == Mood::None) {
                genders.append(term(t.genders[int(sorted.at(j).gender)]));
                ++j;
            }
            QString tail = term(t.numbers[int(r.number)]);
            if (!genders.isEmpty()) tail += u' ' + genders.join(u'/');
            addTo(QStringLiteral("n:") + tail, QString(), term(t.cases[int(r.grammaticalCase)]), tail);
            i = std::max(j, i + 1);
            continue;
        }
        const QString voice = term(t.voices[int(r.voice)]);
        const QString tense = term(t.tenses[int(r.tense)]), mood = term(t.moods[int(r.mood)]);
        const QString tenseMood = tense + u' ' + mood;
        if (r.mood == Mood::Inf) {
            addTo(QStringLiteral("i:") + voice, QString(), tenseMood, voice, tense, mood);
        } else {
            const QString head = term(t.persons[r.person]) + u' ' + term(t.numbers[int(r.number)]);
            addTo(QStringLiteral("v:") + head + u'|' + voice, head, tenseMood, voice, tense, mood);
        }
        ++i;
    }

    QStringList out;
    for (const Group &g : groups) {
        QStringList words;
        if (!g.head.isEmpty()) words.append(g.head);
        // A verb's readings of one tense name the tense once: "pres. ind./imperat.".
        const bool oneTense = g.parts.size() > 1 && !g.tenses.first().isEmpty() &&
                              g.tenses.count(g.tenses.first()) == g.tenses.size();
        words.append(oneTense ? g.tenses.first() + u' ' + g.moods.join(u'/') : g.parts.join(u'/'));
        if (!g.tail.isEmpty()) words.append(g.tail);
        out.append(words.join(u' '));
    }
    return out.join(QStringLiteral(" / "));
}

} // namespace formae
