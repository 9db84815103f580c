#pragma once
// The Latin lexicon behind the game of forms: every inflected form of a word
// of a list, each with all the readings (analyses) it has within its word.
//
// The lexicon file (assets/lexicon.txt, written by scripts/make-lexicon) holds
// the lemmas with their vowel quantities, their inflection models (stems and
// endings per analysis) and the irregular forms. Lexicon::load reads it once;
// paradigm() then builds the forms of one word on demand, without windows.
//
// Spelling: forms are given twice, plain (as the vocabulary writes Latin:
// no length marks, "i" for consonantal i, "v" for consonantal u) and with
// lengths (long vowels carry a macron: "amīcōrum"; short and doubtful vowels
// stay bare). A form's readings depend on the spelling the board shows:
// plain "rosa" is nom sg, voc sg and abl sg; with lengths "rosa" is nom and
// voc sg, "rosā" abl sg only. Paradigm therefore lists its forms grouped both
// ways (plain and withLengths).
//
// Thread safety: a loaded Lexicon is immutable; paradigm(), withLengths() and
// the free functions may be called from any thread at once.

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace formae {

enum class Kind : quint8 { Noun, Adjective, Pronoun, Verb };

// Grammatical values. None means "does not apply" (a noun has no gender in
// its readings, an infinitive no person or number).
enum class Case : quint8 { None, Nom, Gen, Dat, Acc, Abl, Voc };
enum class Number : quint8 { None, Sg, Pl };
enum class Gender : quint8 { None, M, F, N };
enum class Tense : quint8 { None, Pres, Impf, Fut, Perf, Plup, Futp };
enum class Mood : quint8 { None, Ind, Subj, Imp, Inf };
enum class Voice : quint8 { None, Act, Pass };

// One analysis of a form. Nouns: grammaticalCase + number. Adjectives and
// pronouns: grammaticalCase + number + gender, the gender left out (None)
// where the form has every gender its word has at that case and number
// ("magnīs" dat pl, "magnōrum" gen pl m and gen pl n). Verbs: person (1-3) + number +
// tense + mood + voice for finite forms; tense + mood (Inf) + voice for
// infinitives. A deponent's forms are read as the data gives them (passive
// voice: "hortor" is 1 sg pres ind pass); the game shows them as such.
struct Reading {
    Case grammaticalCase = Case::None;
    Number number = Number::None;
    Gender gender = Gender::None;
    quint8 person = 0;
    Tense tense = Tense::None;
    Mood mood = Mood::None;
    Voice voice = Voice::None;

    // The fixed order in which readings are listed everywhere (the boxes,
    // the dump): nouns and adjectives by number, then case (nom gen dat acc
    // abl voc), then gender (m f n); verbs by voice, mood (ind subj imp inf),
    // tense (pres impf fut perf plup futp), number, person.
    int order() const;
    bool operator==(const Reading &) const = default;
    bool operator<(const Reading &o) const { return order() < o.order(); }
};

// One spelling of a word with every reading it has in that word, in the fixed
// order (Reading::order). `text` is the spelling shown; `spoken` is the same
// form with its lengths for the voice: for a plain form that stands for
// several long spellings (plain "rosa": "rosa", "rosā") it is the spelling of
// its first reading; for a form with lengths it equals `text`.
struct Form {
    QString text;
    QString spoken;
    QList<Reading> readings;
};

struct Paradigm {
    QString lemma;               // the dictionary form with lengths: "amīcus"
    QString headword;            // the list's headword as given: "amicus, -i m."
    QString headwordWithLengths; // the same with lengths where known: "amīcus, -ī m."
    Kind kind = Kind::Noun;
    // Every distinct plain spelling with all its readings, in the order of
    // their first reading (nom sg first for nouns, 1 sg pres ind act first
    // for verbs). Forms that exist in no reading the game asks (participles,
    // gerunds, supines, comparison) are left out.
    QList<Form> plain;
    // The same forms grouped by their spelling with lengths.
    QList<Form> withLengths;
    const QList<Form> &forms(bool lengths) const { return lengths ? withLengths : plain; }
};

class Lexicon {
  public:
    // Reads the lexicon file. On failure returns null and sets *error (if
    // given) to an Italian message for the player naming the file.
    static std::shared_ptr<const Lexicon> load(const QString &path, QString *error = nullptr);
    // The lexicon file shipped next to the vocabulary: "lexicon.txt" in the
    // given folder.
    static QString defaultPath(const QString &folder);

    // The paradigm of a list's word: `latin` is the Latin field of a record
    // ("amicus, -i m.", "sum, es, fui, esse", "qui, quae, quod"), `category`
    // its grammatical class as text ("1" nouns, "2" adjectives and pronouns,
    // "3" verbs, "4" indeclinables). Nothing for a word the lexicon does not
    // know, an indeclinable, or a word with no inflected forms.
    std::optional<Paradigm> paradigm(const QString &latin, const QString &category) const;

    // A list's Latin field with vowel lengths where the lexicon knows them
    // ("amicus, -i m." -> "amīcus, -ī m."); unknown words stay as they are.
    QString withLengths(const QString &latin, const QString &category = QString()) const;

    int lemmaCount() const;

    ~Lexicon();
    struct Data;

  private:
    Lexicon();
    std::unique_ptr<Data> d;
};

// The language of the boxes, in the order of the vocabulary's translation
// columns (languageIndex 0 to 4).
enum class Language : quint8 { Italian, English, German, French, Spanish };

// The readings of one form as a box shows them, in the school terms of the
// language, compact enough for two lines of a box: "gen./dat. sing. /
// nom./voc. plur." (readings that share their other terms written once, the
// terms that differ joined by "/": "nom. pl. m./f.", "3ª plur. fut. ant.
// ind./perf. cong. att.").
QString describe(const QList<Reading> &readings, Language language);

// The fixed English abbreviation of one reading used by the dump and the
// tests: "gen pl", "gen pl f", "3 pl plup subj act", "pres inf pass",
// "2 sg pres imp act".
QString abbreviate(const Reading &reading);
// Readings joined with "; " in the fixed order.
QString abbreviate(const QList<Reading> &readings);

// The plain spelling of a form with lengths: the macrons removed ("amīcōrum"
// -> "amicorum"). The lexicon already writes "i" for consonantal i.
QString plainSpelling(const QString &withLengths);

} // namespace formae
