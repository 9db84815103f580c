#include "vocabulary/vocabularyfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace vocabulary {

namespace {
// UTF-8 when the bytes hold non-ASCII and are valid UTF-8 throughout.
bool readsAsUtf8(const QByteArray &bytes) {
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes); // decoding happens only on conversion
    return !utf8.hasError();
}

QString decodeAs(bool utf8, QByteArrayView bytes) {
    if (utf8) {
        QString text = QString::fromUtf8(bytes);
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid()) return cp1252(bytes);
    return QString::fromLatin1(bytes);
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
bool blank(const QString &line) {
    for (QChar c : line)
        if (c != QLatin1Char(' ')) return false;
    return true;
}
} // namespace

ParseResult parse(const QByteArray &bytes, int languageIndex) {
    ParseResult result;
    if (languageIndex < 0) languageIndex = 0;
    const QStringList lines = splitLines(decode(bytes));
    const QString lineEnd = QStringLiteral("\r\n");
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('/'))) continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        // A record has at least three ";" and the field of the chosen language.
        if (fields.size() < 4 || fields.size() < 4 + languageIndex) {
            if (!blank(line)) result.report += line + lineEnd;
            if (result.report.size() > maxReportLength) {
                result.tooManyDefects = true;
                return result;
            }
            continue;
        }
        result.rows.push_back({fields.at(0), fields.at(1), fields.at(2), fields.at(3 + languageIndex)});
    }
    return result;
}

} // namespace vocabulary
