#include "lists/wordlist.h"

#include "ui/convert.h"
#include "ui/wholefile.h"
#include "vocabulary/cp1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <numeric>

namespace lists {

namespace {

QString tr(const char *s) {
    return QCoreApplication::translate("lists::WordList", s);
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

// The loader's tests of a line, on its bytes.
Line::Kind kindOf(QByteArrayView raw) {
    if (raw.startsWith('/')) return Line::Kind::Comment;
    if (std::count(raw.begin(), raw.end(), ';') >= 3) return Line::Kind::Record;
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return c == ' '; })) return Line::Kind::Blank;
    return Line::Kind::Defective;
}

const QStringList names = {QStringLiteral("Nomina"), QStringLiteral("Adiectiva, pronomina"),
                           QStringLiteral("Verba"), QStringLiteral("Indeclinabilia")};

} // namespace

QString className(int c) {
    return c >= 1 && c <= 4 ? names[c - 1] : QString();
}

QStringList classNames() {
    return names;
}

int classOf(const QString &text) {
    const QString t = text.trimmed();
    for (int c = 1; c <= 4; ++c)
        if (t.compare(names[c - 1], Qt::CaseInsensitive) == 0) return c;
    // A class field as the game reads it: the leading number, rounded.
    if (t.isEmpty() ||
        !(t[0].isDigit() || t[0] == QLatin1Char('.') || t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')))
        return 0;
    const long long c = ui::roundHalfEven(ui::val(t));
    return c >= 1 && c <= 4 ? static_cast<int>(c) : 0;
}

WordList WordList::fromBytes(const QByteArray &bytes) {
    WordList list;
    list.asciiOnly_ = isAscii(bytes);
    QByteArrayView all(bytes);
    if (!list.asciiOnly_ && isUtf8(all)) {
        list.encoding_ = all.startsWith("\xEF\xBB\xBF") ? Encoding::Utf8Bom : Encoding::Utf8;
        if (list.encoding_ == Encoding::Utf8Bom) all = all.sliced(3);
    }
    list.source_ = bytes;
    bool endFound = false;
    const char *d = bytes.constData();
    const qsizetype n = bytes.size();
    list.lines_.reserve(std::count(all.begin(), all.end(), '\n') + 1);
    for (qsizetype pos = bytes.size() - all.size(); pos < n;) {
        qsizetype end = pos;
        while (end < n && d[end] != '\r' && d[end] != '\n')
            ++end;
        Line line;
        line.start = pos;
        line.size = end - pos;
        if (end < n && d[end] == '\n')
            line.end = Line::End::Lf;
        else if (end < n)
            line.end = end + 1 < n && d[end + 1] == '\n' ? Line::End::CrLf : Line::End::Cr;
        line.kind = kindOf(QByteArrayView(d + pos, end - pos));
        if (!endFound && line.end != Line::End::None) {
            list.lineEnd_ = line.end;
            endFound = true;
        }
        pos = end + (line.end == Line::End::CrLf ? 2 : line.end == Line::End::None ? 0 : 1);
        list.lines_.append(std::move(line));
    }
    list.reindex();
    return list;
}

WordList WordList::fresh(const QStringList &languages) {
    WordList list;
    list.encoding_ = Encoding::Utf8;
    Line heading;
    heading.fresh = true;
    heading.fields =
        QStringList{QStringLiteral("Ordo"), QStringLiteral("Classis"), QStringLiteral("Verbum latinum")} +
        (languages.isEmpty() ? QStringList{QStringLiteral("Italiano")} : languages);
    heading.end = list.lineEnd_;
    list.lines_.append(heading);
    list.heading_ = 0;
    list.reindex();
    return list;
}

void WordList::reindex() {
    rows_.clear();
    rows_.reserve(lines_.size());
    heading_ = -1;
    for (int i = 0; i < lines_.size(); ++i) {
        const Line::Kind k = lines_[i].kind;
        if (k == Line::Kind::Record && heading_ < 0)
            heading_ = i;
        else if (k == Line::Kind::Record || k == Line::Kind::Defective)
            rows_.append(i);
    }
}

QString WordList::decode(QByteArrayView bytes) const {
    return encoding_ == Encoding::Cp1252 ? vocabulary::decodeCp1252(bytes) : QString::fromUtf8(bytes);
}

QStringList WordList::languages() const {
    if (heading_ < 0) return {};
    const Line &h = lines_[heading_];
    QString text = h.fresh ? h.fields.join(QLatin1Char(';')) : decode(raw(h));
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0) text.truncate(comma);
    return text.split(QLatin1Char(';')).mid(3);
}

QStringList WordList::fields(int row) const {
    const Line &l = rowLine(row);
    return l.fresh ? l.fields : decode(raw(l)).split(QLatin1Char(';'));
}

QString WordList::cell(int row, int column) const {
    const Line &l = rowLine(row);
    if (l.kind == Line::Kind::Defective) return column == latinColumn ? decode(raw(l)) : QString();
    const int field = fieldOf(column);
    if (l.fresh) return l.fields.value(field);
    // Only the field asked for is decoded: ";" is one byte in both encodings.
    const QByteArrayView bytes = raw(l);
    qsizetype from = 0;
    for (int k = 0; k < field; ++k) {
        from = bytes.indexOf(';', from);
        if (from < 0) return QString();
        ++from;
    }
    qsizetype to = bytes.indexOf(';', from);
    if (to < 0) to = bytes.size();
    return decode(bytes.sliced(from, to - from));
}

bool WordList::canHold(const QString &text) const {
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('\r')) ||
        text.contains(QLatin1Char('\n')))
        return false;
    // A list of plain ASCII may turn to UTF-8; one with Windows-1252 bytes may not.
    return encoding_ != Encoding::Cp1252 || asciiOnly_ || vocabulary::encodeCp1252(text).has_value();
}

void WordList::setCell(int row, int column, const QString &text) {
    Line &l = lines_[rows_[row]];
    QStringList f;
    if (l.kind == Line::Kind::Defective) {
        // A defective line becomes a record: its text is its Latin word until
        // that is written over.
        f = QStringList{QStringLiteral("0"), QString(), decode(raw(l)), QString()};
        l.kind = Line::Kind::Record;
    } else {
        f = fields(row);
    }
    const int field = fieldOf(column);
    while (f.size() <= std::max(field, 3))
        f.append(QString());
    f[field] = text;
    l.fields = f;
    l.fresh = true;
}

QString WordList::problem(int row) const {
    const Line &l = rowLine(row);
    if (l.kind == Line::Kind::Defective)
        return tr("Record difettoso: mancano i tre «;» che separano i campi");
    const QStringList f = fields(row);
    if (f[2].trimmed().isEmpty()) return tr("Vocabolo latino vuoto");
    const long long frequency = ui::roundHalfEven(ui::val(f[0]));
    const long long c = ui::roundHalfEven(ui::val(f[1]));
    if (frequency < 0 || frequency > 4) return tr("Record fuori classe: ordine di frequenza %1").arg(f[0]);
    if (c < 1 || c > 4) return tr("Record fuori classe: classe grammaticale «%1»").arg(f[1]);
    const QStringList langs = languages();
    if (f.size() < 3 + langs.size())
        return tr("Record difettoso se si gioca in %1: manca la traduzione").arg(langs.value(f.size() - 3));
    return QString();
}

int WordList::insertRow(int row, const QStringList &fields) {
    if (heading_ < 0) {
        Line h;
        h.fresh = true;
        h.fields = QStringList{QStringLiteral("Ordo"), QStringLiteral("Classis"),
                               QStringLiteral("Verbum latinum"), QStringLiteral("Italiano")};
        h.end = lineEnd_;
        lines_.append(h);
        heading_ = static_cast<int>(lines_.size()) - 1;
    }
    const int first = insertionRow(0);
    row = insertionRow(row);
    const int pos = row > first ? rows_[row - 1] + 1 : heading_ + 1;
    Line l;
    l.fresh = true;
    l.fields = fields;
    while (l.fields.size() < 4)
        l.fields.append(QString());
    l.end = lineEnd_;
    lines_.insert(pos, l);
    reindex();
    return row;
}

int WordList::insertionRow(int row) const {
    // Never before the heading: there a record would become the heading. A
    // list without one gets it after its last line.
    if (heading_ < 0) return rowCount();
    int first = 0;
    while (first < rows_.size() && rows_[first] < heading_)
        ++first;
    return std::clamp(row, first, rowCount());
}

QList<std::pair<int, Line>> WordList::removeRows(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<std::pair<int, Line>> removed;
    for (int r : rows)
        removed.append({rows_[r], lines_[rows_[r]]});
    for (auto it = removed.crbegin(); it != removed.crend(); ++it)
        lines_.removeAt(it->first);
    reindex();
    return removed;
}

void WordList::insertLines(const QList<std::pair<int, Line>> &lines) {
    for (const auto &[at, line] : lines)
        lines_.insert(at, line);
    reindex();
}

QList<int> WordList::permuteRecords(const QList<int> &order) {
    QList<int> places; // the rows that hold records, in order
    for (int r = 0; r < rowCount(); ++r)
        if (rowLine(r).kind == Line::Kind::Record) places.append(r);
    QList<Line> moved;
    moved.reserve(order.size());
    for (int r : order)
        moved.append(std::move(lines_[rows_[r]]));
    QList<int> inverse(order.size());
    QHash<int, int> slotOfRow;
    for (const int place : places)
        slotOfRow.insert(place, int(slotOfRow.size()));
    for (int i = 0; i < order.size(); ++i) {
        lines_[rows_[places[i]]] = std::move(moved[i]);
        inverse[slotOfRow.value(order[i])] = places[i];
    }
    return inverse;
}

QList<int> WordList::sortedRecords(int column, bool ascending) const {
    QList<int> rows;
    QStringList keys;
    for (int r = 0; r < rowCount(); ++r) {
        if (rowLine(r).kind != Line::Kind::Record) continue;
        rows.append(r);
        QString k = cell(r, column);
        if (column == classColumn) k = QString::number(classOf(k));
        keys.append(k);
    }
    QList<int> idx(rows.size());
    std::iota(idx.begin(), idx.end(), 0);
    std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
        const int c = keys[a].compare(keys[b], Qt::CaseInsensitive);
        return ascending ? c < 0 : c > 0;
    });
    QList<int> order;
    order.reserve(idx.size());
    for (int i : idx)
        order.append(rows[i]);
    return order;
}

int WordList::find(const QString &text, int row, int &column, bool forward) const {
    const int n = rowCount();
    if (n == 0 || text.isEmpty()) return -1;
    const int columns = columnCount();
    int r = std::clamp(row, 0, n - 1);
    int c = column + (forward ? 1 : -1);
    for (int steps = 0; steps <= n; ++steps) {
        const Line &l = rowLine(r);
        const QStringList f = l.kind == Line::Kind::Defective ? QStringList{decode(raw(l))} : fields(r);
        for (; c >= 0 && c < columns; c += forward ? 1 : -1) {
            const QString cellText = l.kind == Line::Kind::Defective ? (c == 0 ? f[0] : QString())
                                     : c == classColumn              ? className(classOf(f.value(1)))
                                                                     : f.value(fieldOf(c));
            if (cellText.contains(text, Qt::CaseInsensitive)) {
                column = c;
                return r;
            }
        }
        r = forward ? (r + 1) % n : (r + n - 1) % n;
        c = forward ? 0 : columns - 1;
    }
    return -1;
}

QList<QStringList> WordList::records() const {
    QList<QStringList> out;
    out.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r)
        if (rowLine(r).kind == Line::Kind::Record) out.append(fields(r));
    return out;
}

QByteArray WordList::toBytes() const {
    // A plain ASCII list given a character Windows-1252 cannot write turns to
    // UTF-8, which the game reads as well.
    Encoding out = encoding_;
    if (out == Encoding::Cp1252)
        for (const Line &l : lines_)
            if (l.fresh && !vocabulary::encodeCp1252(l.fields.join(QLatin1Char(';')))) {
                out = Encoding::Utf8;
                break;
            }
    static const QByteArray ends[] = {"", "\r\n", "\r", "\n"};
    QByteArray bytes;
    bytes.reserve(source_.size() + 64);
    if (out == Encoding::Utf8Bom) bytes = "\xEF\xBB\xBF";
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Line &l = lines_[i];
        if (!l.fresh)
            bytes += raw(l);
        else if (out == Encoding::Cp1252)
            bytes += *vocabulary::encodeCp1252(l.fields.join(QLatin1Char(';')));
        else
            bytes += l.fields.join(QLatin1Char(';')).toUtf8();
        const Line::End end = l.end == Line::End::None && i + 1 < lines_.size() ? lineEnd_ : l.end;
        bytes += ends[static_cast<int>(end)];
    }
    return bytes;
}

bool saveAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    const ui::WriteResult written = ui::writeWhole(path, bytes);
    if (!written && error)
        *error =
            QFileInfo::exists(path)
                ? tr("Impossibile salvare il file %1: %2. Il file di prima resta com'era.")
                      .arg(QFileInfo(path).fileName(), written.reason)
                : tr("Impossibile salvare il file %1: %2.").arg(QFileInfo(path).fileName(), written.reason) +
                      QLatin1Char(' ') + ui::keptAsItWas(path);
    return written.ok;
}

} // namespace lists
