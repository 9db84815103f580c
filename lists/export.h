#pragma once
// A list written for other programs: CSV (UTF-8 with its byte-order mark, so
// that spreadsheets know it, a heading row, the class by name) and KVTML 2
// (an identifier for Latin and one for each language, one word-type
// container for each class). Read back by the importers, either gives the
// same records (the frequency class becomes 0, a personal list's).

#include <QByteArray>
#include <QString>

namespace lists {

class WordList;

QByteArray exportCsv(const WordList &list);
QByteArray exportKvtml(const WordList &list, const QString &title = QString());

} // namespace lists
