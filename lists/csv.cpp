#include "lists/csv.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace lists {

namespace {

QString tr(const char *s) {
    return QCoreApplication::translate("lists::Csv", s);
}

} // namespace

QChar detectSeparator(QStringView text) {
    // The candidate that splits the first lines into the same number of
    // fields, more than one, most often.
    const QChar candidates[] = {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')};
    QChar best = QLatin1Char(',');
    qsizetype bestScore = 0;
    const QStringView head = text.first(std::min<qsizetype>(text.size(), 64 * 1024));
    for (QChar sep : candidates) {
        const CsvRecords r = splitCsv(head, sep);
        QHash<qsizetype, qsizetype> counts;
        for (const QStringList &row : r.rows.first(std::min<qsizetype>(r.rows.size(), 50)))
            if (row.size() > 1) ++counts[row.size()];
        qsizetype score = 0;
        for (qsizetype c : counts)
            score = std::max(score, c);
        if (score > bestScore) {
            bestScore = score;
            best = sep;
        }
    }
    return best;
}

CsvRecords splitCsv(QStringView text, QChar sep, int firstLine) {
    CsvRecords out;
    QStringList row;
    QString field;
    int line = firstLine, rowLine = firstLine, quoteLine = 0;
    bool quoted = false, fieldStarted = false;
    const auto endField = [&] {
        row.append(field);
        field.clear();
        fieldStarted = false;
    };
    const auto endRow = [&] {
        endField();
        // A line with nothing on it is no row.
        if (!(row.size() == 1 && row.first().isEmpty())) {
            out.rows.append(row);
            out.lines.append(rowLine);
        }
        row.clear();
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n') ||
                    (c == QLatin1Char('\r') && !(i + 1 < n && text[i + 1] == QLatin1Char('\n'))))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == sep) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
            endRow();
            rowLine = ++line;
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else {
            // Text after a closing quote belongs to the field as written.
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        out.error = tr("le virgolette aperte qui non si chiudono più");
        out.errorLine = quoteLine;
        return out;
    }
    if (!field.isEmpty() || !row.isEmpty()) endRow();
    return out;
}

bool looksLikeHeading(const QStringList &row) {
    static const QStringList names = {
        QStringLiteral("classis"),        QStringLiteral("classe"),      QStringLiteral("class"),
        QStringLiteral("verbum latinum"), QStringLiteral("vocabulum"),   QStringLiteral("vocabolo"),
        QStringLiteral("word"),           QStringLiteral("translation"), QStringLiteral("traduzione"),
        QStringLiteral("front"),          QStringLiteral("back"),        QStringLiteral("ordo")};
    bool named = false;
    for (const QString &f : row) {
        const QString t = f.trimmed();
        if (t.isEmpty()) return false;
        const QString language = standardLanguage(t);
        if (language != t || language == latinName || translationNames.contains(language) ||
            names.contains(t.toLower()))
            named = true;
    }
    return named;
}

ImportResult readCsv(const QByteArray &bytes, QChar separator, int heading) {
    ImportResult result;
    QString text;
    if (!decodeText(bytes, &text, &result.error, &result.errorLine)) return result;
    // KDE's tab export: "Title:" and "Author:" lines before the words.
    static const QRegularExpression meta(QStringLiteral(R"(^(title|author):[ \t]*(.*)$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    qsizetype pos = 0;
    int line = 1;
    bool titled = false;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        const QString l = text.mid(pos, end - pos);
        const QRegularExpressionMatch m = meta.match(l);
        if (m.hasMatch())
            (m.captured(1).toLower() == QLatin1String("title") ? result.table.title : result.table.author) =
                m.captured(2).trimmed();
        else if (!titled || !l.trimmed().isEmpty())
            break;
        titled = true;
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
    const CsvRecords r = splitCsv(body, separator, line);
    if (!r.error.isEmpty()) {
        result.error = r.error;
        result.errorLine = r.errorLine;
        return result;
    }
    ImportedTable &t = result.table;
    t.separator = separator;
    if (r.rows.isEmpty()) return result;
    const bool hasHeading = heading == 1 || (heading < 0 && looksLikeHeading(r.rows.first()));
    // The width of most rows (or the heading's); other widths are reported,
    // and the table is as wide as its widest row, so that nothing is lost.
    QHash<qsizetype, int> widths;
    int widest = 0;
    for (const QStringList &row : r.rows) {
        ++widths[row.size()];
        widest = std::max(widest, static_cast<int>(row.size()));
    }
    qsizetype expected = hasHeading ? r.rows.first().size() : 0;
    // The width most rows have; of two as common, the wider, whatever the hash's order.
    if (!hasHeading)
        for (auto it = widths.cbegin(); it != widths.cend(); ++it)
            if (std::pair(it.value(), it.key()) > std::pair(widths.value(expected), expected))
                expected = it.key();
    t.separator = separator;
    t.heading = hasHeading;
    if (hasHeading) t.columns = r.rows.first();
    while (t.columns.size() < widest)
        t.columns.append(QString());
    t.locales = QStringList(t.columns.size());
    for (qsizetype i = hasHeading ? 1 : 0; i < r.rows.size(); ++i) {
        ImportedRow row;
        row.fields = r.rows[i];
        row.line = r.lines[i];
        if (row.fields.size() != expected)
            t.warnings.append(
                tr("riga %1: %2 campi invece di %3").arg(row.line).arg(row.fields.size()).arg(expected));
        while (row.fields.size() < widest)
            row.fields.append(QString());
        t.rows.append(row);
    }
    return result;
}

QString csvField(const QString &field, QChar separator) {
    if (!field.contains(separator) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString q = field;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace lists
