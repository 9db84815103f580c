#pragma once
// CSV and TSV, as spreadsheets write them: fields separated by a comma, a
// semicolon or a tab (found by the reader, or given); a field in double quotes
// may hold the separator, line breaks and doubled quotes. An optional heading
// row names the columns. KDE's tab export may begin with "Title:" and
// "Author:" lines.

#include "lists/imported.h"

#include <QChar>
#include <QList>
#include <QStringList>

namespace lists {

struct CsvRecords {
    QList<QStringList> rows;
    QList<int> lines; // the line each row begins on
    QString error;    // an open quote at the end of the text
    int errorLine = 0;
};

// The separator of most rows among ",", ";" and tab (a comma when none is found).
QChar detectSeparator(QStringView text);
// The rows of the text from `firstLine` on (lines counted from 1).
CsvRecords splitCsv(QStringView text, QChar separator, int firstLine = 1);
// Whether a row reads as the names of columns.
bool looksLikeHeading(const QStringList &row);

// Reads a CSV/TSV file. `separator` null: detected; `heading` -1: guessed,
// 0: none, 1: the first row names the columns.
ImportResult readCsv(const QByteArray &bytes, QChar separator = QChar(), int heading = -1);

// A field as CSV writes it: quoted when it holds the separator, a quote or a line end.
QString csvField(const QString &field, QChar separator = QLatin1Char(','));

} // namespace lists
