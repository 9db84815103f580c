#include "lists/kvtml.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <vector>

namespace lists {

namespace {

QString tr(const char *s) {
    return QCoreApplication::translate("lists::Kvtml", s);
}

// KDE's word types as the game's classes.
int classOfWordType(const QString &special) {
    const QString s = special.trimmed().toLower();
    if (s.startsWith(QLatin1String("noun"))) return 1;
    if (s == QLatin1String("adjective") || s == QLatin1String("pronoun")) return 2;
    if (s == QLatin1String("verb")) return 3;
    if (s == QLatin1String("adverb") || s == QLatin1String("conjunction") ||
        s == QLatin1String("preposition"))
        return 4;
    return 0;
}

struct Entry {
    int line = 0, id = 0;
    bool inactive = false;
    QStringList lessons; // the lessons naming it
    int wordClass = 0;   // the class its word type gives
    // By identifier: the few of an entry, looked up in turn.
    QList<std::pair<int, QString>> texts, comments;
    QString of(bool comment, int id) const {
        for (const auto &[k, t] : comment ? comments : texts)
            if (k == id) return t;
        return QString();
    }
};

// Deeper than any lesson book: a file nesting its containers deeper is refused.
constexpr int maxContainerDepth = 100;

struct Container {
    QString name;
    int line = 0;
    int wordClass = 0;
    QList<std::pair<int, int>> entries; // id, line
    int children = 0;
};

class Reader {
  public:
    explicit Reader(const QByteArray &bytes) : xml_(bytes) {}
    ImportResult read();

  private:
    bool fail(const QString &what) {
        if (result_.error.isEmpty()) {
            result_.error = what;
            result_.errorLine = std::max(1, static_cast<int>(xml_.lineNumber()));
        }
        return false;
    }
    // Reads the text of the element just begun, refusing anything but text.
    QString text();
    int idOf() { return xml_.attributes().value(QLatin1String("id")).toInt(); }
    bool hasId() {
        bool ok = false;
        [[maybe_unused]] const int id = xml_.attributes().value(QLatin1String("id")).toInt(&ok);
        return ok;
    }
    bool next();
    QString xmlError() const;
    void identifiers();
    void entries();
    void containers(bool lessons);
    void finish(bool lessons, const Container &c, QString name);
    void resolve();

    // An entry named by a lesson or a word type.
    struct Reference {
        bool lesson;
        QString name;
        int wordClass, id, line;
    };
    QList<Reference> pending_;

    QXmlStreamReader xml_;
    ImportResult result_;
    QMap<int, std::pair<QString, QString>> identifiers_; // id: name, locale
    QList<Entry> entries_;                               // in the file's order
    QHash<int, QList<qsizetype>> byId_;                  // the entries of an id, most often one
    QStringList lessons_;
    QSet<QString> lessonNames_;
    QHash<QString, int> nextNumber_; // the last number given to a lesson's name
};

bool Reader::next() {
    if (!result_.error.isEmpty()) return false;
    xml_.readNext();
    if (xml_.tokenType() == QXmlStreamReader::DTD) {
        // A DTD is never fetched; one that declares entities is refused, so
        // that no entity is ever expanded.
        if (!xml_.entityDeclarations().isEmpty() || xml_.text().contains(QLatin1String("<!ENTITY")))
            return fail(tr("il file dichiara entità XML, che non si espandono"));
    } else if (xml_.tokenType() == QXmlStreamReader::EntityReference) {
        return fail(tr("il file usa l'entità XML «%1», che non si espande").arg(xml_.name().toString()));
    } else if (xml_.hasError()) {
        return fail(xmlError());
    }
    return !xml_.atEnd();
}

QString Reader::xmlError() const {
    // The reader's own words are English: the program's say what went wrong.
    if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return tr("XML non valido: il file finisce prima che si chiudano gli elementi aperti");
    const QString qt = xml_.errorString();
    static const std::pair<const char *, const char *> known[] = {
        {"Opening and ending tag mismatch",
         QT_TRANSLATE_NOOP("lists::Kvtml", "un elemento si chiude con un nome diverso "
                                           "da quello con cui si apre")},
        {"Extra content at end of document",
         QT_TRANSLATE_NOOP("lists::Kvtml", "c'è altro testo dopo la fine del documento")},
        {"Invalid XML character", QT_TRANSLATE_NOOP("lists::Kvtml", "un carattere che l'XML non ammette")},
        {"incorrectly encoded",
         QT_TRANSLATE_NOOP("lists::Kvtml", "testo in una codifica diversa da quella dichiarata")},
        {"redefined", QT_TRANSLATE_NOOP("lists::Kvtml", "un attributo ripetuto nello stesso elemento")},
        {"ntity", QT_TRANSLATE_NOOP("lists::Kvtml", "un'entità XML non dichiarata o non valida")},
        {"encoding", QT_TRANSLATE_NOOP("lists::Kvtml", "una codifica sconosciuta nella dichiarazione XML")},
        {"Invalid document", QT_TRANSLATE_NOOP("lists::Kvtml", "il documento non ha un elemento principale")},
    };
    for (const auto &[english, italian] : known)
        if (qt.contains(QLatin1String(english))) return tr("XML non valido: %1").arg(tr(italian));
    return tr("XML non valido: un segno al posto sbagliato (colonna %1)").arg(xml_.columnNumber());
}

QString Reader::text() {
    QString s;
    int depth = 1;
    while (depth > 0 && next()) {
        if (xml_.isCharacters())
            s += xml_.text();
        else if (xml_.isStartElement())
            ++depth;
        else if (xml_.isEndElement())
            --depth;
    }
    return s;
}

void Reader::identifiers() {
    while (next()) {
        if (xml_.isEndElement() && xml_.name() == QLatin1String("identifiers")) return;
        if (!xml_.isStartElement() || xml_.name() != QLatin1String("identifier")) continue;
        const int id = idOf();
        QString name, locale;
        while (next()) {
            if (xml_.isEndElement() && xml_.name() == QLatin1String("identifier")) break;
            if (!xml_.isStartElement()) continue;
            if (xml_.name() == QLatin1String("name"))
                name = text().trimmed();
            else if (xml_.name() == QLatin1String("locale"))
                locale = text().trimmed();
        }
        identifiers_.insert(id, {name, locale});
    }
}

void Reader::entries() {
    while (next()) {
        if (xml_.isEndElement() && xml_.name() == QLatin1String("entries")) return;
        if (!xml_.isStartElement() || xml_.name() != QLatin1String("entry")) continue;
        Entry e;
        e.line = static_cast<int>(xml_.lineNumber());
        if (!hasId()) result_.table.warnings.append(tr("riga %1: una voce senza numero (id)").arg(e.line));
        const int id = idOf();
        int translation = -1, depth = 0;
        while (next()) {
            if (xml_.isEndElement()) {
                if (depth == 0) break;
                --depth;
                if (xml_.name() == QLatin1String("translation")) translation = -1;
                continue;
            }
            if (!xml_.isStartElement()) continue;
            if (xml_.name() == QLatin1String("translation") && depth == 0) {
                translation = idOf();
                ++depth;
            } else if (translation >= 0 && depth == 1 && xml_.name() == QLatin1String("text")) {
                e.texts.append({translation, text()});
            } else if (translation >= 0 && depth == 1 && xml_.name() == QLatin1String("comment")) {
                e.comments.append({translation, text()});
            } else if (depth == 0 && (xml_.name() == QLatin1String("deactivated") ||
                                      xml_.name() == QLatin1String("inactive"))) {
                // An entry its author switched off: "true" (KDE's programs write no other value).
                e.inactive =
                    e.inactive || text().trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
            } else {
                ++depth;
            }
        }
        // An id given twice: both entries stay, each a row.
        QList<qsizetype> &same = byId_[id];
        if (!same.isEmpty())
            result_.table.warnings.append(
                tr("riga %1: la voce %2 c'è già: si tengono tutte e due").arg(e.line).arg(id));
        same.append(entries_.size());
        e.id = id;
        entries_.append(std::move(e));
    }
}

void Reader::containers(bool lessons) {
    // The container just begun and those nested in it, read with a stack of
    // their own rather than by recursion, so that no nesting reaches the end
    // of the call stack. A nested container is named after its parent (the
    // parent's name comes first in the files KDE writes); the names of the
    // open containers' parents are one text, cut back as each one ends.
    struct Open {
        Container c;
        qsizetype parentPath; // the length of `path` that is its parent's name
        int depth = 0;        // open elements inside it that are not containers
    };
    std::vector<Open> open;
    QString path;
    const auto begin = [&](int wordClass) {
        if (open.size() >= size_t(maxContainerDepth))
            return fail(
                tr("le lezioni o i tipi di parola sono annidati più di %1 livelli").arg(maxContainerDepth));
        Open o;
        o.c.line = static_cast<int>(xml_.lineNumber());
        o.c.wordClass = wordClass;
        o.parentPath = path.size();
        open.push_back(std::move(o));
        return true;
    };
    const auto joined = [](const QString &parent, const QString &name) {
        return parent.isEmpty() ? name : parent + QStringLiteral(" / ") + name;
    };
    begin(0);
    while (!open.empty() && next()) {
        Open &o = open.back();
        Container &c = o.c;
        if (xml_.isEndElement()) {
            if (o.depth > 0) {
                --o.depth;
                continue;
            }
            // The container ends: its lesson, its entries.
            path.truncate(o.parentPath);
            finish(lessons, c, joined(path, c.name));
            open.pop_back();
            if (!open.empty()) path.truncate(open.back().parentPath);
            continue;
        }
        if (!xml_.isStartElement()) continue;
        const QStringView n = xml_.name();
        if (o.depth == 0 && n == QLatin1String("name")) {
            c.name = text().trimmed();
        } else if (o.depth == 0 && n == QLatin1String("specialwordtype")) {
            c.wordClass = classOfWordType(text());
        } else if (o.depth == 0 && n == QLatin1String("entry")) {
            c.entries.append({idOf(), static_cast<int>(xml_.lineNumber())});
            ++o.depth;
        } else if (o.depth == 0 && n == QLatin1String("container")) {
            ++c.children;
            path = joined(path, c.name);
            if (!begin(c.wordClass)) return;
        } else {
            ++o.depth;
        }
    }
}

void Reader::finish(bool lessons, const Container &c, QString name) {
    if (!result_.error.isEmpty()) return;
    if (lessons) {
        if (name.isEmpty()) name = tr("Lezione alla riga %1").arg(c.line);
        // Lessons of the same name are told apart by a number: "Lectio (2)".
        if (lessonNames_.contains(name)) {
            int &k = nextNumber_[name];
            k = std::max(k, 1);
            QString numbered;
            do
                numbered = QStringLiteral("%1 (%2)").arg(name).arg(++k);
            while (lessonNames_.contains(numbered));
            name = numbered;
        }
        if (c.entries.isEmpty() && c.children == 0)
            result_.table.warnings.append(
                tr("riga %1: la lezione «%2» non nomina nessuna voce").arg(c.line).arg(name));
        lessonNames_.insert(name);
        lessons_.append(name);
    }
    for (const auto &[id, line] : c.entries)
        pending_.append({lessons, lessons ? name : c.name, c.wordClass, id, line});
}

void Reader::resolve() {
    // Lessons and word types may come before the entries they name.
    for (const Reference &r : pending_) {
        const auto same = byId_.constFind(r.id);
        if (same == byId_.cend()) {
            result_.table.warnings.append(tr("riga %1: %2 nomina la voce %3, che non c'è")
                                              .arg(r.line)
                                              .arg(r.lesson ? tr("la lezione «%1»").arg(r.name)
                                                            : tr("il tipo di parola «%1»").arg(r.name))
                                              .arg(r.id));
            continue;
        }
        for (qsizetype at : *same) {
            Entry &e = entries_[at];
            // A lesson's references come together and its name is its own:
            // an entry it names twice has it last.
            if (r.lesson && (e.lessons.isEmpty() || e.lessons.last() != r.name))
                e.lessons.append(r.name);
            else if (!r.lesson && r.wordClass)
                e.wordClass = r.wordClass;
        }
    }
}

ImportResult Reader::read() {
    bool root = false;
    while (next()) {
        if (!xml_.isStartElement()) continue;
        const QStringView n = xml_.name();
        if (!root) {
            if (n != QLatin1String("kvtml")) {
                fail(tr("non è un file KVTML (l'elemento principale è «%1»)").arg(n.toString()));
                break;
            }
            const QString version = xml_.attributes().value(QLatin1String("version")).toString();
            if (version.isEmpty()) {
                // KVTML 1 gives no version: its root names columns and lines instead.
                fail(tr("è un file KVTML 1, la versione più vecchia del formato: si leggono i file KVTML 2"));
                break;
            }
            if (!version.startsWith(QLatin1Char('2'))) {
                fail(tr("versione KVTML «%1»: si leggono i file KVTML 2").arg(version));
                break;
            }
            root = true;
        } else if (n == QLatin1String("title")) {
            result_.table.title = text().trimmed();
        } else if (n == QLatin1String("author")) {
            result_.table.author = text().trimmed();
        } else if (n == QLatin1String("identifiers")) {
            identifiers();
        } else if (n == QLatin1String("entries")) {
            entries();
        } else if (n == QLatin1String("lessons") || n == QLatin1String("wordtypes")) {
            const bool lessons = n == QLatin1String("lessons");
            const QString end = n.toString();
            while (next()) {
                if (xml_.isEndElement() && xml_.name() == end) break;
                if (xml_.isStartElement() && xml_.name() == QLatin1String("container")) containers(lessons);
            }
        }
    }
    if (result_.error.isEmpty() && xml_.hasError()) fail(xmlError());
    if (result_.error.isEmpty() && !root) fail(tr("il file è vuoto o non è un file KVTML"));
    if (!result_.error.isEmpty()) return std::move(result_);
    resolve();

    ImportedTable &t = result_.table;
    // The columns: the identifiers, and any translation no identifier names.
    QList<int> ids = identifiers_.keys();
    for (const Entry &e : entries_)
        for (const auto &[k, text] : e.texts)
            if (!ids.contains(k)) {
                ids.append(k);
                t.warnings.append(
                    tr("riga %1: la traduzione %2 non ha un identificatore").arg(e.line).arg(k));
            }
    std::sort(ids.begin(), ids.end());
    for (int id : ids) {
        const auto il = identifiers_.value(id);
        t.columns.append(il.first.isEmpty() ? il.second : il.first);
        t.locales.append(il.second);
    }
    t.lessons = lessons_;
    for (const Entry &e : entries_) {
        ImportedRow row;
        row.line = e.line;
        bool any = false;
        for (int k : ids) {
            row.fields.append(e.of(false, k));
            row.comments.append(e.of(true, k));
            any = any || !row.fields.last().trimmed().isEmpty();
        }
        if (!any) t.warnings.append(tr("riga %1: la voce %2 non ha testo").arg(e.line).arg(e.id));
        row.lessons = e.lessons;
        row.wordClass = e.wordClass;
        row.inactive = e.inactive;
        t.rows.append(row);
    }
    return std::move(result_);
}

} // namespace

ImportResult readKvtml(const QByteArray &bytes) {
    // A file that says it is UTF-8 (or says nothing, which means UTF-8) but is
    // not: the first line that is not, rather than the reader's own guess.
    const qsizetype declEnd = bytes.startsWith("<?xml") ? bytes.indexOf("?>") : -1;
    const QByteArray decl = declEnd < 0 ? QByteArray() : bytes.left(declEnd).toLower();
    const bool utf8 = !decl.contains("encoding") || decl.contains("utf-8") || decl.contains("utf8");
    QStringDecoder whole(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString all = utf8 ? whole.decode(bytes) : QString();
    if (utf8 && whole.hasError() && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        int line = 1;
        for (qsizetype pos = 0; pos < bytes.size(); ++line) {
            qsizetype end = bytes.indexOf('\n', pos);
            if (end < 0) end = bytes.size();
            const QString text = d.decode(QByteArrayView(bytes).sliced(pos, end - pos));
            if (d.hasError()) {
                ImportResult r;
                r.error = tr("il file si dice in UTF-8 ma questa riga è scritta in un'altra codifica");
                r.errorLine = line;
                return r;
            }
            pos = end + 1;
        }
    }
    return Reader(bytes).read();
}

} // namespace lists
