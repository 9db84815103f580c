#pragma once
// Reading a vocabulary file: ";"-separated records, one a line, comment lines
// beginning with "/", a heading record first. Lines end with CR + LF, CR alone
// or LF alone. The file is read as UTF-8 when it is valid UTF-8 holding
// non-ASCII bytes (with or without a byte-order mark), else as Windows-1252.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace vocabulary {

using Record = std::array<QString, 4>;

// A defect report longer than this ends the load.
inline constexpr int maxReportLength = 400;

struct ParseResult {
    std::vector<Record> rows; // row 0 is the heading record
    QString report;           // defective lines, each followed by CR + LF
    bool tooManyDefects = false;
    // Where each row's line begins in the bytes, and the encoding they were
    // read in: a row's other fields (all its translations) are read again
    // from the file only when they are needed.
    std::vector<qint64> rowStarts;
    bool utf8 = false;
};

// Decodes the file's bytes (UTF-8 or Windows-1252, see above).
QString decode(const QByteArray &bytes);
// The file's first line, decoded as decode() decodes the whole file (the
// encoding is decided over every byte) and cut at the same line ends.
QString firstLine(const QByteArray &bytes);
// The same read from an open file: the rest of the file is read only when the
// first line alone cannot tell the encoding (valid UTF-8 holding non-ASCII).
QString firstLine(QIODevice &file);
// The line that begins at byte `start` of the file at `path`, read in the
// given encoding (see ParseResult); empty if the file cannot be read there.
QString lineAt(const QString &path, qint64 start, bool utf8);
// Only a regular file that can be read counts as present: a FIFO, a folder or
// an unreadable file would block or fail in the middle of a load.
bool isReadableFile(const QString &path);
// Splits text into lines at CR + LF, CR or LF; a final line end adds no empty line.
QStringList splitLines(const QString &text);
// Parses the file's bytes, taking the translation from field 4 + languageIndex.
// Stops as soon as the defect report grows past maxReportLength.
ParseResult parse(const QByteArray &bytes, int languageIndex);

} // namespace vocabulary
