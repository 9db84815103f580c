#include "formae/lexicon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <algorithm>

// The lexicon file is read into models (stems and endings per analysis
// number) and lemmas (form with lengths, model, given stems); a paradigm is
// built when it is asked for: stems + endings, the irregular forms laid over
// them, the marks of long syllables reduced to long vowels, then the forms
// grouped by the spelling shown.

namespace formae {

namespace {

struct Ending {
    int analysis;
    int radical;
    QString text; // empty for the empty ending
};

struct Model {
    QString name;
    QChar pos;
    bool deponent = false;
    QStringList sufd;
    QHash<int, QString> radicals; // "K", "-" or "cut,add"
    QList<Ending> endings;
};

struct Lemma {
    QString form; // with lengths
    int model = -1;
    QStringList stem1, stem2;
    int homograph = 0;
    int frequency = 0;
    bool perfectOnly = false; // memini, odi: a defective verb with the perfect system only
};

struct Irregular {
    QString form;
    QList<int> analyses;
    bool exclusive = false;
};

// A lookup key: plain, lower case, "v" as "u", "j" as "i".
QString keyOf(const QString &word) {
    QString k = plainSpelling(word).toLower();
    k.replace(QLatin1Char('v'), QLatin1Char('u'));
    k.replace(QLatin1Char('j'), QLatin1Char('i'));
    return k;
}

QChar withoutMacron(QChar c) {
    switch (c.unicode()) {
    case u'ā':
        return u'a';
    case u'ē':
        return u'e';
    case u'ī':
        return u'i';
    case u'ō':
        return u'o';
    case u'ū':
        return u'u';
    case u'ȳ':
        return u'y';
    case u'Ā':
        return u'A';
    case u'Ē':
        return u'E';
    case u'Ī':
        return u'I';
    case u'Ō':
        return u'O';
    case u'Ū':
        return u'U';
    case u'Ȳ':
        return u'Y';
    default:
        return c;
    }
}

bool hasMacron(QChar c) {
    return c.unicode() >= 0x100 && withoutMacron(c) != c;
}

bool isVowel(QChar c) {
    switch (withoutMacron(c).toLower().unicode()) {
    case u'a':
    case u'e':
    case u'i':
    case u'o':
    case u'u':
    case u'y':
        return true;
    default:
        return false;
    }
}

// The source marks long syllables, not only long vowels: "ēst", "amānt",
// "rosāe". A book marks the vowel: "est", "amant", "rosae". A mark stays on a
// vowel before at most one consonant, before mute + liquid, and before "ns"
// or "nf" (long by nature there); it goes before other groups of consonants,
// before consonantal "i" between vowels and on the first vowel of a diphthong.
// The whole form is judged, but a mark that the lemma's own form shows long by
// nature stays on the letters taken from it: "nōlo" shows that the ō of
// "nōlle" is long. (A vowel long by nature before two consonants in the
// lemma or a given stem, as in "rēx", "rēxī", loses its mark: the source does
// not tell it from a long syllable.)
QString naturalLengths(const QString &form) {
    QString out = form;
    const qsizetype n = form.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = form.at(i);
        // ("qu" needs no care: its u is taken for a vowel, and a single q
        // before it makes no long syllable.)
        if (!hasMacron(c)) continue;
        const QChar base = withoutMacron(c).toLower();
        const QChar next = i + 1 < n ? form.at(i + 1).toLower() : QChar();
        const QChar nextBase = withoutMacron(next);
        const bool diphthong = (base == u'a' && (nextBase == u'e' || nextBase == u'u')) ||
                               (base == u'o' && nextBase == u'e') ||
                               (base == u'e' && nextBase == u'u' && !hasMacron(next));
        if (diphthong) {
            out[i] = withoutMacron(c);
            continue;
        }
        // The consonants up to the next vowel ("qu" counts as one, "h" none).
        QString cluster;
        qsizetype j = i + 1;
        while (j < n && !isVowel(form.at(j))) {
            const QChar x = form.at(j).toLower();
            if (x != u'h' && x != u'\'') cluster += x;
            ++j;
        }
        const bool consonantalI = cluster.isEmpty() && j + 1 < n &&
                                  withoutMacron(form.at(j)).toLower() == u'i' && isVowel(form.at(j + 1));
        int weight = 0;
        for (QChar x : cluster)
            weight += (x == u'x' || x == u'z') ? 2 : 1;
        bool positional = weight >= 2 || consonantalI;
        if (cluster.size() == 2 && QStringLiteral("pbtdcgf").contains(cluster.at(0)) &&
            (cluster.at(1) == u'l' || cluster.at(1) == u'r'))
            positional = false;
        if (cluster.startsWith(QStringLiteral("ns")) || cluster.startsWith(QStringLiteral("nf")))
            positional = false;
        // A mark followed by "'" is long by nature (a correction of the
        // lexicon's script: "amā'sse").
        if (next == u'\'') positional = false;
        if (positional) out[i] = withoutMacron(c);
    }
    out.remove(u'\'');
    return out;
}

Reading readingOf(int a, bool deponent) {
    static const Case collatinusCases[6] = {Case::Nom, Case::Voc, Case::Acc, Case::Gen, Case::Dat, Case::Abl};
    Reading r;
    if (a >= 1 && a <= 12) {
        r.grammaticalCase = collatinusCases[(a - 1) % 6];
        r.number = a <= 6 ? Number::Sg : Number::Pl;
    } else if (a >= 13 && a <= 48) {
        const int k = (a - 13) % 12;
        r.gender = static_cast<Gender>(1 + (a - 13) / 12);
        r.grammaticalCase = collatinusCases[k % 6];
        r.number = k < 6 ? Number::Sg : Number::Pl;
    } else if (a >= 121 && a <= 188) {
        r.voice = deponent ? Voice::Pass : Voice::Act;
        if (a <= 180) {
            static const Tense tenses[10] = {Tense::Pres, Tense::Impf, Tense::Fut,  Tense::Perf, Tense::Plup,
                                             Tense::Futp, Tense::Pres, Tense::Impf, Tense::Perf, Tense::Plup};
            const int block = (a - 121) / 6, k = (a - 121) % 6;
            r.tense = tenses[block];
            r.mood = block < 6 ? Mood::Ind : Mood::Subj;
            r.person = quint8(k % 3 + 1);
            r.number = k < 3 ? Number::Sg : Number::Pl;
        } else if (a <= 186) {
            static const int persons[6] = {2, 2, 2, 3, 2, 3};
            r.mood = Mood::Imp;
            r.tense = a <= 182 ? Tense::Pres : Tense::Fut;
            r.person = quint8(persons[a - 181]);
            r.number = (a == 182 || a >= 185) ? Number::Pl : Number::Sg;
        } else {
            r.mood = Mood::Inf;
            r.tense = a == 187 ? Tense::Pres : Tense::Perf;
        }
    } else if (a >= 267 && a <= 302) {
        r.voice = Voice::Pass;
        if (a <= 296) {
            static const Tense tenses[5] = {Tense::Pres, Tense::Impf, Tense::Fut, Tense::Pres, Tense::Impf};
            const int block = (a - 267) / 6, k = (a - 267) % 6;
            r.tense = tenses[block];
            r.mood = block < 3 ? Mood::Ind : Mood::Subj;
            r.person = quint8(k % 3 + 1);
            r.number = k < 3 ? Number::Sg : Number::Pl;
        } else if (a <= 301) {
            static const int persons[5] = {2, 2, 2, 3, 3};
            r.mood = Mood::Imp;
            r.tense = a <= 298 ? Tense::Pres : Tense::Fut;
            r.person = quint8(persons[a - 297]);
            r.number = (a == 298 || a == 301) ? Number::Pl : Number::Sg;
        } else {
            r.mood = Mood::Inf;
            r.tense = Tense::Pres;
        }
    }
    return r;
}

Kind kindOf(QChar pos) {
    switch (pos.unicode()) {
    case 'v':
        return Kind::Verb;
    case 'p':
        return Kind::Pronoun;
    case 'a':
    case 'm':
        return Kind::Adjective;
    default:
        return Kind::Noun;
    }
}

bool isSeparator(QChar c) {
    return c == u' ' || c == u',' || c == u';' || c == u'(' || c == u')';
}

// The words of a list's Latin field ("sum, es, fui, esse" -> sum es fui esse).
QStringList wordsOf(const QString &latin) {
    QStringList out;
    QString word;
    for (QChar c : latin) {
        if (!isSeparator(c))
            word += c;
        else if (!word.isEmpty())
            out.append(std::exchange(word, QString()));
    }
    if (!word.isEmpty()) out.append(word);
    return out;
}

// Prefixes written either way in the lists and in the lexicon (affero /
// adfero): the lexicon is tried with the other spelling.
const std::pair<const char *, const char *> assimilations[] = {
    {"adc", "acc"},   {"adf", "aff"},   {"adg", "agg"},   {"adl", "all"},   {"adn", "ann"},
    {"adp", "app"},   {"adq", "acq"},   {"adr", "arr"},   {"ads", "ass"},   {"adt", "att"},
    {"conb", "comb"}, {"conl", "coll"}, {"conm", "comm"}, {"conp", "comp"}, {"conr", "corr"},
    {"inb", "imb"},   {"inl", "ill"},   {"inm", "imm"},   {"inp", "imp"},   {"inr", "irr"},
    {"obc", "occ"},   {"obf", "off"},   {"obp", "opp"},   {"subc", "succ"}, {"subf", "suff"},
    {"subg", "sugg"}, {"subm", "summ"}, {"subp", "supp"}, {"exs", "ex"}};

} // namespace

struct Lexicon::Data {
    QList<Model> models;
    QList<Lemma> lemmas;
    QHash<QString, QList<int>> byKey;            // plain key -> lemmas
    QHash<QString, QList<Irregular>> irregulars; // plain key + homograph -> forms

    // (form with lengths, analysis) of a lemma, in analysis order.
    QList<std::pair<QString, int>> inflect(int lemmaIndex) const;
    // A list may spell a compound's prefix otherwise than the lexicon
    // (affero / adfero): the lexicon's and the list's spellings of the
    // prefixes, applied to every form.
    using Respelling = QList<std::pair<QString, QString>>;
    Paradigm build(int lemmaIndex, const QString &headword, const Respelling &respell) const;
    int find(const QString &latin, const QString &category, Respelling *respell) const;
};

QList<std::pair<QString, int>> Lexicon::Data::inflect(int lemmaIndex) const {
    const Lemma &l = lemmas.at(lemmaIndex);
    const Model &m = models.at(l.model);
    // Each stem with the number of its first letters taken from the lemma's form.
    const QString natural = naturalLengths(l.form);
    QHash<int, QList<std::pair<QString, qsizetype>>> stems;
    for (auto it = m.radicals.cbegin(); it != m.radicals.cend(); ++it) {
        const QString &rule = it.value();
        if (rule == u'K')
            stems[it.key()] = {{l.form, l.form.size()}};
        else if (rule != u'-') {
            const qsizetype comma = rule.indexOf(u',');
            const qsizetype kept = std::max<qsizetype>(0, l.form.size() - rule.left(comma).toInt());
            stems[it.key()] = {{l.form.left(kept) + rule.mid(comma + 1), kept}};
        }
    }
    for (int n : {1, 2}) {
        const QStringList &given = n == 1 ? l.stem1 : l.stem2;
        if (!given.isEmpty()) {
            stems[n].clear();
            for (const QString &g : given)
                stems[n].append({g, 0});
        }
    }
    auto finish = [&](const QString &raw, qsizetype kept) {
        QString f = naturalLengths(raw);
        for (qsizetype i = 0; i < kept && i < f.size(); ++i)
            if (hasMacron(natural.at(i))) f[i] = natural.at(i);
        return f;
    };

    const QString key = keyOf(l.form) + (l.homograph ? QString::number(l.homograph) : QString());
    const QList<Irregular> irregs = irregulars.value(key);
    QList<int> replaced;
    for (const Irregular &ir : irregs)
        if (ir.exclusive) replaced += ir.analyses;

    QList<std::pair<QString, int>> out;
    for (const Ending &e : m.endings) {
        if (replaced.contains(e.analysis)) continue;
        const bool perfectSystem = (e.analysis >= 139 && e.analysis <= 156) ||
                                   (e.analysis >= 169 && e.analysis <= 180) || e.analysis == 188;
        if (l.perfectOnly && !perfectSystem) continue;
        for (const auto &[stem, kept] : stems.value(e.radical)) {
            const QString base = stem + e.text;
            if (m.sufd.isEmpty()) out.append({finish(base, kept), e.analysis});
            for (const QString &s : m.sufd)
                out.append({finish(base + s, kept), e.analysis});
        }
    }
    for (const Irregular &ir : irregs)
        for (int a : ir.analyses)
            out.append({ir.form, a});
    // A proper name is declined in the singular only (Iuppiter), unless the
    // lexicon gives it no singular at all (Athenae).
    if (m.pos == u'n' && l.form.at(0).isUpper()) {
        const bool singular =
            std::any_of(out.cbegin(), out.cend(), [](const auto &f) { return f.second <= 6; });
        if (singular)
            out.erase(std::remove_if(out.begin(), out.end(),
                                     [](const auto &f) { return f.second > 6 && f.second <= 12; }),
                      out.end());
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const auto &a, const auto &b) { return a.second < b.second; });
    return out;
}

namespace {

struct Entry {
    QString longForm, plainForm;
    Reading reading;
};

QList<Form> group(const QList<Entry> &all, bool lengths) {
    QList<Form> forms;
    QList<int> firstOrder; // the order of the reading whose spelling is spoken
    QHash<QString, qsizetype> index;
    index.reserve(all.size());
    for (const Entry &e : all) {
        const QString &shown = lengths ? e.longForm : e.plainForm;
        const int order = e.reading.order();
        auto it = index.constFind(shown);
        qsizetype k;
        if (it == index.cend()) {
            k = forms.size();
            index.insert(shown, k);
            forms.append(Form{shown, e.longForm, {}});
            firstOrder.append(order);
        } else
            k = *it;
        Form &f = forms[k];
        if (!f.readings.contains(e.reading)) f.readings.append(e.reading);
        // The spoken spelling is the one of the first reading.
        if (order < firstOrder[k]) {
            firstOrder[k] = order;
            f.spoken = e.longForm;
        }
    }
    // Gender only where it matters: a form that has, at a case and number,
    // every gender the word has there is read without gender ("magnīs": dat
    // pl; "ego": nom sg), else with it ("magnōrum": gen pl m, gen pl n).
    auto cellOf = [](const Reading &r) { return int(r.number) * 10 + int(r.grammaticalCase); };
    QHash<int, int> wordGenders; // cell -> bit set of genders
    for (const Entry &e : all)
        if (e.reading.gender != Gender::None) wordGenders[cellOf(e.reading)] |= 1 << int(e.reading.gender);
    for (Form &f : forms) {
        QHash<int, int> formGenders;
        for (const Reading &r : f.readings)
            if (r.gender != Gender::None) formGenders[cellOf(r)] |= 1 << int(r.gender);
        QList<Reading> kept;
        for (Reading r : f.readings) {
            if (r.gender != Gender::None && formGenders.value(cellOf(r)) == wordGenders.value(cellOf(r)))
                r.gender = Gender::None;
            if (!kept.contains(r)) kept.append(r);
        }
        f.readings = kept;
        std::sort(f.readings.begin(), f.readings.end());
    }
    std::stable_sort(forms.begin(), forms.end(),
                     [](const Form &a, const Form &b) { return a.readings.first() < b.readings.first(); });
    return forms;
}

// One token of a list's Latin field, with lengths from the paradigm: a whole
// word that is one of its forms, or an ending ("-i", "-ere") of one.
QString tokenWithLengths(const QString &token, const QList<Form> &longForms) {
    const bool ending = token.startsWith(u'-');
    const QString want = ending ? token.mid(1) : token;
    if (want.isEmpty() || !want.at(0).isLetter()) return token;
    const Form *best = nullptr;
    auto rank = [](const Form &f) {
        const Reading &r = f.readings.first();
        return std::pair((r.tense == Tense::Pres || r.tense == Tense::None) ? 0 : 1, r.order());
    };
    for (const Form &f : longForms) {
        const QString p = plainSpelling(f.text);
        const bool match = ending ? (p.endsWith(want, Qt::CaseInsensitive) && p.size() > want.size())
                                  : p.compare(want, Qt::CaseInsensitive) == 0;
        if (match && (!best || rank(f) < rank(*best))) best = &f;
    }
    if (!best) return token;
    const QString tail = best->text.right(want.size());
    if (!ending) return want.at(0).isUpper() ? tail.left(1).toUpper() + tail.mid(1) : tail;
    return u'-' + tail;
}

} // namespace

Paradigm Lexicon::Data::build(int lemmaIndex, const QString &headword, const Respelling &respell) const {
    const Lemma &l = lemmas.at(lemmaIndex);
    const Model &m = models.at(l.model);
    QList<Entry> all;
    for (auto [form, analysis] : inflect(lemmaIndex)) {
        for (const auto &[from, to] : respell)
            if (form.startsWith(from, Qt::CaseInsensitive)) {
                const bool upper = form.at(0).isUpper();
                form = to + form.mid(from.size());
                if (upper) form[0] = form.at(0).toUpper();
                break;
            }
        all.append({form, plainSpelling(form), readingOf(analysis, m.deponent)});
    }
    Paradigm p;
    p.lemma = naturalLengths(l.form);
    p.headword = headword;
    p.kind = kindOf(m.pos);
    p.plain = group(all, false);
    p.withLengths = group(all, true);
    // Lengths for the headword's words and endings; separators stay.
    QString out, token;
    auto flush = [&] {
        out += tokenWithLengths(token, p.withLengths);
        token.clear();
    };
    for (QChar c : headword) {
        if (c.isLetter() || (c == u'-' && token.isEmpty()))
            token += c;
        else {
            flush();
            out += c;
        }
    }
    flush();
    p.headwordWithLengths = out;
    return p;
}

int Lexicon::Data::find(const QString &latin, const QString &category, Respelling *respell) const {
    const QString cat = category.trimmed();
    if (cat == u'4') return -1;
    QString first = latin.trimmed();
    const qsizetype cut = std::find_if(first.cbegin(), first.cend(), isSeparator) - first.cbegin();
    first.truncate(cut);
    const QString key = keyOf(first);
    if (key.isEmpty()) return -1;
    QList<int> candidates = byKey.value(key);
    // "sui, sibi, se": the lexicon may know the word by another of its forms.
    if (candidates.isEmpty())
        for (const QString &word : wordsOf(latin))
            if (!word.startsWith(u'-') && !(candidates = byKey.value(keyOf(word))).isEmpty()) break;
    if (candidates.isEmpty())
        for (const auto &[a, b] : assimilations) {
            const QString la = QString::fromLatin1(a), lb = QString::fromLatin1(b);
            const bool listAssimilates = key.startsWith(lb);
            if (key.startsWith(la))
                candidates = byKey.value(lb + key.mid(la.size()));
            else if (listAssimilates)
                candidates = byKey.value(la + key.mid(lb.size()));
            if (candidates.isEmpty()) continue;
            // Every prefix of the same family is spelt the list's way
            // ("adfero, adtuli" -> "affero, attuli").
            const QString family = la.chopped(1);
            for (const auto &[c, e] : assimilations) {
                const QString lc = QString::fromLatin1(c), le = QString::fromLatin1(e);
                if (lc.startsWith(family) && respell)
                    respell->append(listAssimilates ? std::pair(lc, le) : std::pair(le, lc));
            }
            break;
        }
    auto fits = [&](int i, bool strict) {
        const QChar pos = models.at(lemmas.at(i).model).pos;
        if (cat == u'3') return pos == u'v';
        if (pos == u'v') return false;
        if (!strict) return true;
        return cat == u'1' ? pos == u'n' : (pos == u'a' || pos == u'm' || pos == u'p');
    };
    QList<int> fitting;
    for (int i : candidates)
        if (fits(i, true)) fitting.append(i);
    if (fitting.isEmpty())
        for (int i : candidates)
            if (fits(i, false)) fitting.append(i);
    if (fitting.size() <= 1) return fitting.isEmpty() ? -1 : fitting.first();
    // Several lemmas of that spelling: the one whose forms match most of the
    // headword's other words and endings, then the most frequent.
    const QStringList tokens = wordsOf(latin);
    int best = -1, bestScore = -1;
    for (int i : fitting) {
        QList<QString> plains;
        for (const auto &f : inflect(i))
            plains.append(plainSpelling(f.first).toLower());
        int score = 0;
        for (const QString &t : tokens) {
            const QString low = t.toLower();
            if (low.startsWith(u'-')) {
                if (std::any_of(plains.cbegin(), plains.cend(),
                                [&](const QString &p) { return p.endsWith(low.mid(1)); }))
                    ++score;
            } else if (plains.contains(low))
                ++score;
        }
        score = score * 1000000 + std::min(lemmas.at(i).frequency, 999999);
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

Lexicon::Lexicon() : d(std::make_unique<Data>()) {}
Lexicon::~Lexicon() = default;

std::shared_ptr<const Lexicon> Lexicon::load(const QString &path, QString *error) {
    auto fail = [&](const QString &text) -> std::shared_ptr<const Lexicon> {
        if (error) *error = text;
        return nullptr;
    };
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.exists())
        return fail(QCoreApplication::translate("formae", "Manca il lessico delle forme \"%1\".").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("formae", "Il lessico delle forme \"%1\" non si può leggere.")
                        .arg(name));
    const QByteArray bytes = file.readAll();
    auto damaged = [&](int line) {
        return fail(
            QCoreApplication::translate("formae", "Il lessico delle forme \"%1\" è danneggiato (riga %2).")
                .arg(name)
                .arg(line));
    };
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter)) return damaged(1);
    // Read as views of the text: a string is made only for what is kept.
    const QStringView all(text);
    std::shared_ptr<Lexicon> lex(new Lexicon);
    Data &d = *lex->d;
    QHash<QString, int> modelIndex;
    int lineNo = 0;
    for (qsizetype pos = 0; pos < all.size();) {
        qsizetype end = all.indexOf(u'\n', pos);
        if (end < 0) end = all.size();
        const QStringView line = all.mid(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (lineNo == 1) {
            if (line.trimmed() != QLatin1String("LESSICORSA-LEXICON 1")) return damaged(1);
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> f = line.split(u'|');
        bool ok = true;
        if (f.first() == u'M' && f.size() == 7 && f.at(2).size() == 1) {
            Model m;
            m.name = f.at(1).toString();
            m.pos = f.at(2).at(0);
            m.deponent = f.at(3) == u'd';
            for (QStringView suffix : f.at(4).split(u',', Qt::SkipEmptyParts))
                m.sufd.append(suffix.toString());
            for (QStringView r : f.at(5).split(u' ', Qt::SkipEmptyParts)) {
                const qsizetype eq = r.indexOf(u'=');
                const int num = r.left(eq).toInt(&ok);
                const QString rule = r.mid(eq + 1).toString();
                if (eq < 0 || !ok || (rule != u'K' && rule != u'-' && !rule.contains(u',')))
                    return damaged(lineNo);
                m.radicals.insert(num, rule);
            }
            for (QStringView e : f.at(6).split(u' ', Qt::SkipEmptyParts)) {
                const QList<QStringView> p = e.split(u':');
                bool ok2 = false;
                const int analysis = p.size() == 3 ? p.at(0).toInt(&ok) : 0;
                const int radical = p.size() == 3 ? p.at(1).toInt(&ok2) : 0;
                if (p.size() != 3 || !ok || !ok2) return damaged(lineNo);
                for (QStringView alt : p.at(2).split(u','))
                    m.endings.append({analysis, radical, alt == u'-' ? QString() : alt.toString()});
            }
            modelIndex.insert(m.name, int(d.models.size()));
            d.models.append(m);
        } else if (f.first() == u'L' && f.size() == 9 && !f.at(1).isEmpty()) {
            Lemma l;
            l.form = f.at(1).toString();
            l.model = modelIndex.value(f.at(2).toString(), -1);
            for (QStringView stem : f.at(3).split(u',', Qt::SkipEmptyParts))
                l.stem1.append(stem.toString());
            for (QStringView stem : f.at(4).split(u',', Qt::SkipEmptyParts))
                l.stem2.append(stem.toString());
            l.homograph = f.at(5).toInt(&ok);
            l.frequency = f.at(6).toInt();
            l.perfectOnly = f.at(8).contains(u'p');
            if (l.model < 0 || !ok) return damaged(lineNo);
            d.byKey[keyOf(l.form)].append(int(d.lemmas.size()));
            if (!f.at(7).isEmpty()) d.byKey[keyOf(f.at(7).toString())].append(int(d.lemmas.size()));
            d.lemmas.append(l);
        } else if (f.first() == u'I' && f.size() == 5) {
            Irregular ir;
            ir.form = naturalLengths(f.at(1).toString());
            ir.exclusive = f.at(4) == u'x';
            for (QStringView a : f.at(3).split(u',')) {
                ir.analyses.append(a.toInt(&ok));
                if (!ok) return damaged(lineNo);
            }
            QString key = f.at(2).toString();
            qsizetype digits = key.size();
            while (digits > 0 && key.at(digits - 1).isDigit())
                --digits;
            const QString hom = key.mid(digits);
            key.truncate(digits);
            d.irregulars[keyOf(key) + hom].append(ir);
        } else
            return damaged(lineNo);
    }
    if (d.lemmas.isEmpty()) return damaged(std::max(1, lineNo));
    return lex;
}

QString Lexicon::defaultPath(const QString &folder) {
    return QDir(folder).filePath(QStringLiteral("lexicon.txt"));
}

std::optional<Paradigm> Lexicon::paradigm(const QString &latin, const QString &category) const {
    Data::Respelling respell;
    const int i = d->find(latin, category, &respell);
    if (i < 0) return std::nullopt;
    Paradigm p = d->build(i, latin, respell);
    if (p.plain.isEmpty()) return std::nullopt;
    return p;
}

QString Lexicon::withLengths(const QString &latin, const QString &category) const {
    Data::Respelling respell;
    const int i = d->find(latin, category.isEmpty() ? QStringLiteral("1") : category, &respell);
    int j = i;
    if (j < 0 && category.isEmpty())
        for (const char *c : {"2", "3"})
            if ((j = d->find(latin, QLatin1String(c), &respell)) >= 0) break;
    if (j < 0) return latin;
    return d->build(j, latin, respell).headwordWithLengths;
}

int Lexicon::lemmaCount() const {
    return int(d->lemmas.size());
}

int Reading::order() const {
    if (mood == Mood::None) return int(number) * 100 + int(grammaticalCase) * 10 + int(gender);
    return 10000 + int(voice) * 1000 + int(mood) * 200 + int(tense) * 20 + int(number) * 5 + person;
}

QString plainSpelling(const QString &withLengths) {
    const auto marked = std::find_if(withLengths.cbegin(), withLengths.cend(), hasMacron);
    if (marked == withLengths.cend()) return withLengths;
    QString s = withLengths;
    for (QChar &c : s)
        c = withoutMacron(c);
    return s;
}

} // namespace formae
