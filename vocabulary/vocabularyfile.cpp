#include "vocabulary/vocabularyfile.h"

#include "vocabulary/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace vocabulary {

namespace {
bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Whether the bytes are valid UTF-8, checked a piece at a time (each piece
// ends at a line end, which never falls inside a character) so that no copy
// of the whole text is made.
bool isUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString piece;
    for (qsizetype pos = 0; pos < bytes.size();) {
        qsizetype end = std::min(bytes.size(), pos + 65536);
        while (end < bytes.size() && bytes[end - 1] != '\n')
            ++end;
        const QByteArrayView chunk = bytes.sliced(pos, end - pos);
        piece.resize(chunk.size());
        utf8.appendToBuffer(piece.data(), chunk);
        if (utf8.hasError()) return false;
        pos = end;
    }
    return true;
}

// UTF-8 when the bytes hold non-ASCII and are valid UTF-8 throughout.
bool readsAsUtf8(QByteArrayView bytes) {
    return !isAscii(bytes) && isUtf8(bytes);
}

QString decodeAs(bool utf8, QByteArrayView bytes) {
    if (utf8) {
        QString text = QString::fromUtf8(bytes);
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    return decodeCp1252(bytes);
}
} // namespace

QString decode(const QByteArray &bytes) {
    return decodeAs(readsAsUtf8(bytes), bytes);
}

QString firstLine(const QByteArray &bytes) {
    // CR and LF are single bytes in both encodings and never part of a
    // UTF-8 sequence, so the line can be cut before it is decoded.
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return decodeAs(readsAsUtf8(bytes), QByteArrayView(bytes).first(end));
}

QString firstLine(QIODevice &file) {
    QByteArray head;
    qsizetype end = 0;
    for (;;) {
        const QByteArray more = file.read(65536);
        head += more;
        while (end < head.size() && head[end] != '\r' && head[end] != '\n')
            ++end;
        if (end < head.size() || more.isEmpty()) break;
    }
    const QByteArrayView line = QByteArrayView(head).first(end);
    // An ASCII line reads the same in both encodings, and a line that is not
    // UTF-8 makes the whole file Windows-1252.
    if (isAscii(line)) return QString::fromLatin1(line);
    if (!isUtf8(line)) return decodeAs(false, line);
    return firstLine(head + file.readAll());
}

bool isReadableFile(const QString &path) {
    // Opening a regular file never blocks; opening it is the surest test.
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

QStringList splitLines(const QString &text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

namespace {

// Turns the bytes of one field or line into text in the file's encoding.
class FieldDecoder {
  public:
    explicit FieldDecoder(bool utf8) : utf8_(utf8) {}
    QString operator()(QByteArrayView b) {
        if (utf8_) return QString::fromUtf8(b);
        // Windows-1252 is Latin-1 but for the bytes 0x80 to 0x9F (€, œ, ...).
        for (char c : b) {
            const auto u = static_cast<unsigned char>(c);
            if (u >= 0x80 && u <= 0x9F) return decodeCp1252(b);
        }
        return QString::fromLatin1(b);
    }

  private:
    bool utf8_;
};

// The class fields hold a few short texts ("1" to "4") a hundred thousand
// times over: each distinct text is kept once and shared by every row.
class SharedTexts {
  public:
    explicit SharedTexts(FieldDecoder &decode) : decode_(decode) {}
    QString get(QByteArrayView v) {
        for (const auto &[bytes, text] : texts_)
            if (bytes == v) return text;
        QString text = decode_(v);
        if (texts_.size() < 16) texts_.emplace_back(v.toByteArray(), text);
        return text;
    }

  private:
    FieldDecoder &decode_;
    std::vector<std::pair<QByteArray, QString>> texts_;
};

// Where the line that begins at `pos` ends, and where the next one begins.
std::pair<qsizetype, qsizetype> lineEnd(const char *d, qsizetype n, qsizetype pos) {
    qsizetype end = pos;
    while (end < n && d[end] != '\r' && d[end] != '\n')
        ++end;
    qsizetype next = end;
    if (next < n) next += d[next] == '\r' && next + 1 < n && d[next + 1] == '\n' ? 2 : 1;
    return {end, next};
}

// How often the byte `c` occurs in `v`.
qsizetype occurrences(QByteArrayView v, char c) {
    qsizetype n = 0;
    const char *p = v.data();
    const char *const end = p + v.size();
    while (p < end && (p = static_cast<const char *>(std::memchr(p, c, static_cast<size_t>(end - p))))) {
        ++n;
        ++p;
    }
    return n;
}

bool blank(QByteArrayView line) {
    for (char c : line)
        if (c != ' ') return false;
    return true;
}

} // namespace

// The same reading as decode() followed by splitLines(), but on the bytes:
// line ends and ";" are single bytes in both encodings, so lines and fields
// are found in the bytes and only the four fields kept of each record are
// turned into text.
ParseResult parse(const QByteArray &bytes, int languageIndex) {
    ParseResult result;
    if (languageIndex < 0) languageIndex = 0;
    QByteArrayView all(bytes);
    const bool utf8 = readsAsUtf8(all);
    result.utf8 = utf8;
    if (utf8 && all.startsWith("\xEF\xBB\xBF")) all = all.sliced(3);
    const qint64 skipped = bytes.size() - all.size();
    FieldDecoder decode(utf8);
    SharedTexts classes(decode);
    const QString crlf = QStringLiteral("\r\n");
    const char *const d = all.data();
    const qsizetype n = all.size();
    // The translation is field 4 + languageIndex: it begins after that many
    // ";" less one and ends at the next ";" or at the end of the line.
    const int translationField = 3 + languageIndex;
    // One row a line at most: the table is allocated once, not grown.
    const size_t most = static_cast<size_t>(std::max(occurrences(all, '\n'), occurrences(all, '\r')) + 1);
    result.rows.reserve(most);
    result.rowStarts.reserve(most);
    for (qsizetype pos = 0; pos < n;) {
        const qsizetype start = pos;
        const auto [end, next] = lineEnd(d, n, pos);
        const QByteArrayView line(d + pos, end - pos);
        pos = next;
        if (line.startsWith('/')) continue;

        qsizetype semicolon[3] = {-1, -1, -1};
        qsizetype fieldStart = -1, fieldEnd = line.size();
        int found = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] != ';') continue;
            if (found < std::ssize(semicolon)) semicolon[found] = i;
            ++found;
            if (found == translationField) fieldStart = i + 1;
            if (found == translationField + 1) {
                fieldEnd = i;
                break;
            }
        }
        // A record has at least three ";" and the field of the chosen language.
        if (found < translationField) {
            if (!blank(line)) result.report += decode(line) + crlf;
            if (result.report.size() > maxReportLength) {
                result.tooManyDefects = true;
                return result;
            }
            continue;
        }
        result.rows.push_back({classes.get(line.first(semicolon[0])),
                               classes.get(line.sliced(semicolon[0] + 1, semicolon[1] - semicolon[0] - 1)),
                               decode(line.sliced(semicolon[1] + 1, semicolon[2] - semicolon[1] - 1)),
                               decode(line.sliced(fieldStart, fieldEnd - fieldStart))});
        result.rowStarts.push_back(skipped + start);
    }
    return result;
}

QString lineAt(const QString &path, qint64 start, bool utf8) {
    QFile file(path);
    if (start < 0 || !file.open(QIODevice::ReadOnly) || !file.seek(start)) return QString();
    QByteArray bytes;
    qsizetype end = 0;
    for (;;) {
        const QByteArray more = file.read(4096);
        bytes += more;
        end = lineEnd(bytes.constData(), bytes.size(), end).first;
        if (end < bytes.size() || more.isEmpty()) break;
    }
    FieldDecoder decode(utf8);
    return decode(QByteArrayView(bytes).first(end));
}

} // namespace vocabulary
