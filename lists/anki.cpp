#include "lists/anki.h"

#include "lists/csv.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace lists {

namespace {

QString tr(const char *s) {
    return QCoreApplication::translate("lists::Anki", s);
}

// The separator a header names, by name or as the character itself.
QChar separatorNamed(const QString &value) {
    static const QHash<QString, QChar> named = {
        {QStringLiteral("comma"), QLatin1Char(',')}, {QStringLiteral("semicolon"), QLatin1Char(';')},
        {QStringLiteral("tab"), QLatin1Char('\t')},  {QStringLiteral("space"), QLatin1Char(' ')},
        {QStringLiteral("pipe"), QLatin1Char('|')},  {QStringLiteral("colon"), QLatin1Char(':')}};
    const QString v = value.trimmed().toLower();
    if (named.contains(v)) return named.value(v);
    if (value.size() == 1) return value[0];
    if (v.size() == 1) return v[0];
    return QChar();
}

} // namespace

QString plainFromHtml(const QString &html) {
    QString out;
    out.reserve(html.size());
    const qsizetype n = html.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = html[i];
        if (c == QLatin1Char('<')) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), i);
            if (close < 0) {
                out += html.mid(i);
                break;
            }
            // The tag's name: its first word, a closing tag's slash left out.
            qsizetype b = i + 1;
            while (b < close && (html[b] == QLatin1Char('/') || html[b].isSpace()))
                ++b;
            qsizetype e = b;
            while (e < close && html[e].isLetterOrNumber())
                ++e;
            const QString name = html.mid(b, e - b).toLower();
            // What a style or script holds is never text.
            if (name == QLatin1String("style") || name == QLatin1String("script")) {
                const qsizetype end = html.indexOf(QStringLiteral("</") + name, close, Qt::CaseInsensitive);
                const qsizetype endClose = end < 0 ? -1 : html.indexOf(QLatin1Char('>'), end);
                i = endClose < 0 ? n : endClose;
                continue;
            }
            static const QSet<QString> breaks = {"br", "div", "p",     "li", "tr", "td", "hr",
                                                 "ul", "ol",  "table", "h1", "h2", "h3"};
            if (breaks.contains(name)) out += QLatin1Char(' ');
            i = close;
        } else if (c == QLatin1Char('&')) {
            // An entity is short: its ";" is looked for only within reach, so
            // that a long run of "&" costs no more than its length.
            qsizetype semi = QStringView(html).mid(i, 11).indexOf(QLatin1Char(';'));
            if (semi < 0) {
                out += c;
                continue;
            }
            semi += i;
            const QString e = html.mid(i + 1, semi - i - 1);
            static const QHash<QString, QChar> entities = {
                {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", QChar(0xA0)}};
            QChar decoded;
            if (entities.contains(e.toLower())) {
                decoded = entities.value(e.toLower());
            } else if (e.startsWith(QLatin1Char('#'))) {
                bool ok = false;
                const uint code = e.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                                      ? e.mid(2).toUInt(&ok, 16)
                                      : e.mid(1).toUInt(&ok, 10);
                if (ok && code > 0 && code < 0x110000) {
                    out += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
                    i = semi;
                    continue;
                }
            }
            if (decoded.isNull()) {
                out += c;
                continue;
            }
            out += decoded;
            i = semi;
        } else {
            out += c;
        }
    }
    out.replace(QChar(0xA0), QLatin1Char(' '));
    return out.simplified();
}

ImportResult readAnki(const QByteArray &bytes) {
    ImportResult result;
    QString text;
    if (!decodeText(bytes, &text, &result.error, &result.errorLine)) return result;
    ImportedTable &t = result.table;
    QChar separator;
    bool html = false;
    QStringList columnNames;
    int deckColumn = 0, tagsColumn = 0, notetypeColumn = 0, guidColumn = 0;
    QString deck;
    qsizetype pos = 0;
    int line = 1;
    // The header: "#key:value" lines before the first note.
    while (pos < text.size() && text[pos] == QLatin1Char('#')) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        const QString l = text.mid(pos + 1, end - pos - 1);
        const qsizetype colon = l.indexOf(QLatin1Char(':'));
        const QString key = l.left(colon).trimmed().toLower();
        const QString value = colon < 0 ? QString() : l.mid(colon + 1);
        const auto column = [&](int *c) {
            bool ok = false;
            const int k = value.trimmed().toInt(&ok);
            if (ok && k >= 1 && k <= 1000)
                *c = k;
            else
                t.warnings.append(
                    tr("riga %1: la colonna «%2» non è un numero da 1 in su").arg(line).arg(value.trimmed()));
        };
        if (key == QLatin1String("separator")) {
            separator = separatorNamed(value);
            if (separator.isNull())
                t.warnings.append(tr("riga %1: separatore «%2» sconosciuto").arg(line).arg(value));
        } else if (key == QLatin1String("html")) {
            html = value.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        } else if (key == QLatin1String("columns")) {
            columnNames = value.trimmed().isEmpty() ? QStringList() : QStringList{value};
        } else if (key == QLatin1String("deck column")) {
            column(&deckColumn);
        } else if (key == QLatin1String("tags column")) {
            column(&tagsColumn);
        } else if (key == QLatin1String("notetype column")) {
            column(&notetypeColumn);
        } else if (key == QLatin1String("guid column")) {
            column(&guidColumn);
        } else if (key == QLatin1String("deck")) {
            deck = value.trimmed();
        }
        if (end < text.size())
            end +=
                text[end] == QLatin1Char('\r') && end + 1 < text.size() && text[end + 1] == QLatin1Char('\n')
                    ? 2
                    : 1;
        pos = end;
        ++line;
    }
    const QStringView body = QStringView(text).sliced(pos);
    if (separator.isNull()) separator = detectSeparator(body);
    // The column names are split with the separator known only now.
    if (!columnNames.isEmpty()) {
        const CsvRecords names = splitCsv(columnNames.first(), separator);
        columnNames = names.rows.value(0);
    }
    t.separator = separator;
    const CsvRecords r = splitCsv(body, separator, line);
    if (!r.error.isEmpty()) {
        result.error = r.error;
        result.errorLine = r.errorLine;
        return result;
    }
    int widest = static_cast<int>(columnNames.size());
    for (const QStringList &row : r.rows)
        widest = std::max(widest, static_cast<int>(row.size()));
    const QSet<int> special = {deckColumn - 1, tagsColumn - 1, notetypeColumn - 1, guidColumn - 1};
    QList<int> kept;
    for (int k = 0; k < widest; ++k)
        if (!special.contains(k)) {
            kept.append(k);
            t.columns.append(columnNames.value(k));
        }
    t.locales = QStringList(t.columns.size());
    const qsizetype expected =
        columnNames.isEmpty() ? (r.rows.isEmpty() ? 0 : r.rows.first().size()) : columnNames.size();
    QSet<QString> decks;
    for (qsizetype i = 0; i < r.rows.size(); ++i) {
        const QStringList &fields = r.rows[i];
        ImportedRow row;
        row.line = r.lines[i];
        if (fields.size() != expected)
            t.warnings.append(
                tr("riga %1: %2 campi invece di %3").arg(row.line).arg(fields.size()).arg(expected));
        for (int k : kept)
            row.fields.append(html ? plainFromHtml(fields.value(k)) : fields.value(k));
        const QString d = deckColumn > 0 ? fields.value(deckColumn - 1).trimmed() : deck;
        if (!d.isEmpty()) {
            row.lessons.append(d);
            if (!decks.contains(d)) {
                decks.insert(d);
                t.lessons.append(d);
            }
        }
        t.rows.append(row);
    }
    return result;
}

} // namespace lists
