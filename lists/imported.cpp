#include "lists/imported.h"

#include "lists/anki.h"
#include "lists/classguess.h"
#include "lists/csv.h"
#include "lists/kvtml.h"
#include "lists/wordlist.h"
#include "vocabulary/cp1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace lists {

namespace {

QString tr(const char *s) {
    return QCoreApplication::translate("lists::Import", s);
}

// A field of the game's format holds no ";" and no line end.
QString cleanField(const QString &s) {
    QString t = s;
    t.replace(QLatin1Char(';'), QLatin1Char(','));
    for (QChar &ch : t)
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QLatin1Char('\t'))
            ch = QLatin1Char(' ');
    return t.simplified();
}

int lineOfOffset(QStringView text, qsizetype offset) {
    int line = 1;
    for (qsizetype i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == QLatin1Char('\n')) ++line;
    return line;
}

} // namespace

QByteArray readForImport(const QString &path, QString *error) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = tr("Impossibile leggere il file %1.").arg(name);
        return {};
    }
    if (file.size() > maxImportBytes) {
        *error = tr("Il file %1 è troppo grande (%2 MB): si importano file fino a %3 MB.")
                     .arg(name)
                     .arg(file.size() / (1024 * 1024))
                     .arg(maxImportBytes / (1024 * 1024));
        return {};
    }
    error->clear();
    return file.readAll();
}

bool decodeText(const QByteArray &bytes, QString *text, QString *error, int *errorLine) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        *text = d.decode(QByteArrayView(bytes).sliced(2));
        if (d.hasError()) {
            *error = tr("il testo UTF-16 è interrotto");
            *errorLine = lineOfOffset(*text, text->size());
            return false;
        }
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        *text = utf8.decode(bytes);
        if (utf8.hasError()) *text = vocabulary::decodeCp1252(bytes);
        if (text->startsWith(QChar(0xFEFF))) text->remove(0, 1);
    }
    const qsizetype zero = text->indexOf(QChar(0));
    if (zero >= 0) {
        *errorLine = lineOfOffset(*text, zero);
        *error = tr("il file contiene dati binari, non testo");
        return false;
    }
    return true;
}

QString standardLanguage(const QString &name, const QString &locale) {
    static const QList<QPair<QString, QStringList>> known = {
        {latinName, {"la", "lat", "latin", "latinum", "latino", "latina", "latein", "latine", "latín"}},
        {QStringLiteral("Italiano"),
         {"it", "ita", "italian", "italiano", "italienisch", "italien", "italienne"}},
        {QStringLiteral("English"), {"en", "eng", "english", "inglese", "englisch", "anglais", "inglés"}},
        {QStringLiteral("Deutsch"),
         {"de", "deu", "ger", "german", "deutsch", "tedesco", "allemand", "alemán"}},
        {QStringLiteral("Français"),
         {"fr", "fra", "fre", "french", "français", "francais", "francese", "französisch", "francés"}},
        {QStringLiteral("Español"),
         {"es", "spa", "spanish", "español", "espanol", "spagnolo", "spanisch", "espagnol"}},
    };
    for (const QString &given : {locale, name}) {
        // "en_US", "it-IT": the language before the country.
        static const QRegularExpression country(QStringLiteral("[_\\-@.]"));
        const QString key = given.trimmed().toLower().section(country, 0, 0);
        if (key.isEmpty()) continue;
        for (const auto &[standard, forms] : known)
            if (forms.contains(key)) return standard;
    }
    return name.trimmed();
}

Format formatOf(const QByteArray &bytes) {
    QByteArrayView head = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 4096));
    if (head.startsWith("\xEF\xBB\xBF")) head = head.sliced(3);
    while (!head.isEmpty() && (head[0] == ' ' || head[0] == '\t' || head[0] == '\r' || head[0] == '\n'))
        head = head.sliced(1);
    if (head.startsWith("<?xml") || head.startsWith("<kvtml") || head.startsWith("<!DOCTYPE"))
        return Format::Kvtml;
    static const QRegularExpression anki(
        QStringLiteral("^#(separator|html|columns|deck|notetype|tags|guid|deck column|tags column|notetype "
                       "column|guid column):"),
        QRegularExpression::CaseInsensitiveOption);
    if (anki.match(QString::fromLatin1(head.first(std::min<qsizetype>(head.size(), 64)))).hasMatch())
        return Format::Anki;
    return Format::Csv;
}

ImportResult readAs(Format f, const QByteArray &bytes, QChar separator, int heading) {
    switch (f) {
    case Format::Kvtml:
        return readKvtml(bytes);
    case Format::Anki:
        return readAnki(bytes);
    case Format::Csv:
        break;
    }
    return readCsv(bytes, separator, heading);
}

ImportChoice initialChoice(const ImportedTable &t) {
    ImportChoice c;
    const int n = t.columnCount();
    c.latin = -1;
    for (int k = 0; k < n && c.latin < 0; ++k)
        if (standardLanguage(t.columns[k], t.locales.value(k)) == latinName) c.latin = k;
    static const QStringList classHeadings = {
        QStringLiteral("classis"),   QStringLiteral("classe"),
        QStringLiteral("class"),     QStringLiteral("pars orationis"),
        QStringLiteral("categoria"), QStringLiteral("part of speech"),
        QStringLiteral("wortart"),   QStringLiteral("clase"),
        QStringLiteral("catégorie"), QStringLiteral("classe grammaticale"),
        QStringLiteral("word type")};
    for (int k = 0; k < n && c.classColumn < 0; ++k)
        if (classHeadings.contains(t.columns[k].trimmed().toLower())) c.classColumn = k;
    // A column no heading names, whose every text names a class, is the class column.
    for (int k = 0; k < n && c.classColumn < 0; ++k) {
        const QString language = standardLanguage(t.columns[k], t.locales.value(k));
        if (language == latinName || translationNames.contains(language)) continue;
        int named = 0, texts = 0;
        for (qsizetype r = 0; r < t.rows.size() && r < 200 && named == texts; ++r) {
            const QString f = t.rows[r].fields.value(k);
            if (f.trimmed().isEmpty()) continue;
            ++texts;
            named += classNamed(f) && !classOf(f) ? 1 : 0;
        }
        if (texts >= 2 && named == texts) c.classColumn = k;
    }
    if (c.latin < 0) c.latin = c.classColumn == 0 && n > 1 ? 1 : 0;
    for (int k = 0; k < n; ++k) {
        if (k == c.latin || k == c.classColumn) continue;
        c.translations.append(k);
        const QString name = standardLanguage(t.columns[k], t.locales.value(k));
        c.names.append(
            name.isEmpty() || name == latinName
                ? (c.translations.size() == 1 ? QStringLiteral("Italiano") : tr("Lingua %1").arg(k + 1))
                : name);
    }
    for (const QString &l : t.lessons)
        c.lessons.insert(l);
    c.classes = QList<int>(t.rows.size(), 0);
    return c;
}

QString headword(const ImportedTable &t, const ImportChoice &c, int row) {
    const ImportedRow &r = t.rows[row];
    QString word = r.fields.value(c.latin).trimmed();
    const QString comment = r.comments.value(c.latin).trimmed();
    if (!comment.isEmpty()) {
        if (!word.endsWith(QLatin1Char(',')) && !comment.startsWith(QLatin1Char(',')))
            word += QLatin1Char(',');
        word += QLatin1Char(' ') + comment;
    }
    return cleanField(word);
}

int classNamed(const QString &text) {
    if (const int k = classOf(text)) return k;
    // The parts of speech in Latin, Italian, English, German, French and
    // Spanish, with their usual short forms, by the first word of the text
    // ("noun, feminine" is a noun).
    static const QHash<QString, int> named = [] {
        QHash<QString, int> h;
        const auto add = [&h](int k, const char *words) {
            for (const QString &w : QString::fromUtf8(words).split(QLatin1Char(' ')))
                h.insert(w, k);
        };
        add(1, "nomen nomina substantivum substantiva noun nouns sostantivo sostantivi nome nomi "
               "substantiv substantive nom noms sustantivo sustantivos");
        add(2, "adiectivum adiectiva pronomen pronomina numerale numeralia participium adj. adj pron. pron "
               "adjective adjectives pronoun pronouns numeral numerals participle aggettivo aggettivi "
               "pronome pronomi numerale numerali participio adjektiv adjektive pronomen numerale zahlwort "
               "partizip adjectif adjectifs pronom pronoms numéral adjetivo adjetivos pronombre "
               "pronombres numeral participio");
        add(3, "verbum verba vb. verb verbs verbo verbi zeitwort verbe verbes");
        add(4, "adverbium adverbia coniunctio coniunctiones praepositio praepositiones interiectio "
               "interiectiones particula indeclinabile adv. adv conj. prep. interj. adverb adverbs "
               "conjunction conjunctions preposition prepositions interjection interjections particle "
               "avverbio avverbi congiunzione congiunzioni preposizione preposizioni interiezione "
               "adverbien konjunktion präposition interjektion adverbe conjonction préposition "
               "adverbio conjunción preposición interjección");
        return h;
    }();
    QString first = text.trimmed().toLower();
    const qsizetype end = first.indexOf(QRegularExpression(QStringLiteral("[\\s,;/(]")));
    if (end > 0) first.truncate(end);
    return named.value(first, 0);
}

int rowClass(const ImportedTable &t, const ImportChoice &c, int row) {
    if (c.classes.value(row) >= 1 && c.classes.value(row) <= 4) return c.classes[row];
    const ImportedRow &r = t.rows[row];
    if (c.classColumn >= 0)
        if (const int k = classNamed(r.fields.value(c.classColumn))) return k;
    if (r.wordClass >= 1 && r.wordClass <= 4) return r.wordClass;
    return guessClass(headword(t, c, row));
}

bool rowTaken(const ImportedTable &t, const ImportChoice &c, int row) {
    if (t.rows[row].inactive && !c.inactive) return false;
    const QStringList &lessons = t.rows[row].lessons;
    if (lessons.isEmpty()) return c.noLesson;
    for (const QString &l : lessons)
        if (c.lessons.contains(l)) return true;
    return false;
}

QByteArray buildList(const ImportedTable &t, const ImportChoice &c, int *skipped) {
    QStringList names;
    for (const QString &n : c.names)
        names.append(cleanField(QString(n).replace(QLatin1Char(','), QLatin1Char(' '))));
    QString out = QStringLiteral("Ordo;Classis;Verbum latinum;") + names.join(QLatin1Char(';')) +
                  QStringLiteral("\r\n");
    int left = 0;
    for (int r = 0; r < t.rows.size(); ++r) {
        if (!rowTaken(t, c, r)) continue;
        const QString latin = headword(t, c, r);
        if (latin.isEmpty()) {
            ++left;
            continue;
        }
        QStringList fields{QStringLiteral("0"), QString::number(rowClass(t, c, r)), latin};
        for (int k : c.translations)
            fields.append(cleanField(t.rows[r].fields.value(k)));
        // The game needs a translation field even where none is chosen.
        if (c.translations.isEmpty()) fields.append(QString());
        out += fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    if (skipped) *skipped = left;
    return out.toUtf8();
}

} // namespace lists
