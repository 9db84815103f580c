#include "lists/classguess.h"

#include <QRegularExpression>
#include <QStringList>

namespace lists {

namespace {

bool endsWithAny(QStringView w, std::initializer_list<const char *> endings) {
    for (const char *e : endings)
        if (w.endsWith(QLatin1String(e))) return true;
    return false;
}

// A gender mark standing as a word of its own at the end: "m.", "f.", "n.",
// "c." (common), "m./f.", with or without its dot, "pl." after it.
bool hasGender(const QString &part) {
    static const QRegularExpression gender(QStringLiteral(
        R"((?:^|[\s(])(?:m|f|n|c|masc|fem|neutr)\.?(?:\s*/\s*(?:m|f|n)\.?)?(?:\s*pl\.?)?\)?$)"));
    return gender.match(part).hasMatch();
}

// An infinitive: present active or passive, "esse" and its compounds, the
// perfect infinitive of a verb that has only the perfect ("odisse"), or a
// perfect participle with "sum" (a deponent's perfect).
bool isInfinitive(const QString &part) {
    if (part.contains(QLatin1String(" sum")) || part.endsWith(QLatin1String("esse")) ||
        part.endsWith(QLatin1String("isse")) || part.endsWith(QLatin1String("ferre")) ||
        part == QLatin1String("posse") || part == QLatin1String("velle") || part == QLatin1String("nolle") ||
        part == QLatin1String("malle") || part == QLatin1String("ire"))
        return true;
    return endsWithAny(part, {"are", "ere", "ire", "ari", "eri", "iri"});
}

// A perfect written out ("amavi", "dixi", "fui"), not an ending after a dash.
bool isPerfect(const QString &part) {
    return !part.startsWith(QLatin1Char('-')) && part.endsWith(QLatin1Char('i')) &&
           endsWithAny(part,
                       {"vi", "xi", "si", "ui", "di", "ti", "ci", "pi", "li", "ri", "bi", "gi", "mi", "ni"});
}

// The nominative of an adjective or noun: its neuter "-ere" ("celer, -eris,
// -ere") is no infinitive.
bool looksNominal(const QString &first) {
    return endsWithAny(first, {"er", "is", "us", "ns", "x", "es"});
}

// "ex, e": one particle and its shortened form. (A form one letter longer,
// "tu, tui", is mostly a genitive.)
bool formsOfOneWord(const QStringList &parts) {
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &p = parts[i];
        if (p.startsWith(QLatin1Char('-')) || p.contains(QLatin1Char(' '))) return false;
        bool related = false;
        for (qsizetype j = 0; j < i; ++j)
            related = related || parts[j].startsWith(p);
        if (!related) return false;
    }
    return true;
}

} // namespace

int guessClass(const QString &headword) {
    QString s = headword.toLower().simplified();
    if (s.contains(QLatin1String("indecl"))) return 4;
    // Notes in brackets ("(+ acc.)", "(+ cong.)") say how a word is used, not its form.
    static const QRegularExpression notes(QStringLiteral(R"(\([^)]*\))"));
    static const QRegularExpression genderInBrackets(QStringLiteral(R"(\(\s*(?:m|f|n|c)\.?\s*\))"));
    if (s.contains(QLatin1Char('('))) {
        s.replace(genderInBrackets, QStringLiteral(" m."));
        s.remove(notes);
    }
    QStringList parts;
    for (const QString &p : s.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!p.trimmed().isEmpty()) parts.append(p.simplified());
    if (parts.isEmpty()) return 4;
    if (hasGender(parts.last()) && (parts.size() > 1 || parts.first().contains(QLatin1Char(' ')))) return 1;
    // Forms written with blanks instead of commas: "bonus -a -um", "amo -are".
    if (parts.size() == 1 && parts.first().contains(QLatin1String(" -")))
        parts = parts.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() == 1) {
        // A verb given by its infinitive alone; the short ones ("fere", "quare")
        // and those in "-ere" ("temere") are mostly adverbs.
        const QString &w = parts.first();
        if (!w.contains(QLatin1Char(' ')) && w.size() >= 6 &&
            endsWithAny(w, {"are", "ire", "ari", "iri", "eri"}))
            return 3;
        return 4;
    }
    const QString &first = parts.first();
    const bool nominal = looksNominal(first);
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (isInfinitive(parts[i]) &&
            !(nominal && parts[i].startsWith(QLatin1Char('-')) && parts[i].endsWith(QLatin1String("ere"))))
            return 3;
    if (!nominal) {
        // The principal parts without the infinitive ("fero, tuli, latum"), or
        // a verb's persons ("aio, ais, ait", "inquam, inquis, inquit").
        for (qsizetype i = 1; i < parts.size(); ++i)
            if (isPerfect(parts[i]) && endsWithAny(first, {"o", "or", "t", "m"})) return 3;
        if (parts.size() >= 3 && parts[1].endsWith(QLatin1Char('s')) && parts[2].endsWith(QLatin1Char('t')))
            return 3;
    }
    if (formsOfOneWord(parts)) return 4;
    return 2;
}

} // namespace lists
