#pragma once
// A table read from another program's file (KVTML, CSV, Anki text), before it
// becomes a list of the game's own format; what the teacher chose in the
// import preview; and the making of the list from the two.

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace lists {

struct ImportedRow {
    QStringList fields;    // one a column
    QStringList comments;  // a column's comment (KVTML), joined to the Latin word
    QStringList lessons;   // the lessons (KVTML) or the deck (Anki) it belongs to
    int wordClass = 0;     // the class the file gives, 0 when it gives none
    int line = 0;          // where it stands in the file
    bool inactive = false; // switched off by its author (KVTML): left out unless asked for
};

struct ImportedTable {
    QStringList columns; // the columns' names as the file gives them (may be empty)
    QStringList locales; // what the file says of each column's language (KVTML)
    QList<ImportedRow> rows;
    QStringList lessons; // every lesson or deck, in the file's order
    QString title, author;
    QStringList warnings; // Italian, each naming the line
    QChar separator;      // CSV and Anki: the separator read with
    bool heading = false; // CSV: the first row named the columns
    int columnCount() const { return static_cast<int>(columns.size()); }
};

struct ImportResult {
    ImportedTable table;
    QString error; // Italian, naming the line; empty when the file was read
    int errorLine = 0;
    bool ok() const { return error.isEmpty(); }
};

// The largest file an import reads: a list of 100,000 words is far smaller.
inline constexpr qint64 maxImportBytes = 64LL * 1024 * 1024;

// Reads a file for an import: an error (Italian, naming the file) when it
// cannot be read or is too large.
QByteArray readForImport(const QString &path, QString *error);

// The text of a CSV or Anki file: UTF-16 with its byte-order mark, UTF-8 with
// or without one, else Windows-1252. Binary junk (a zero byte in a file that
// is no UTF-16) is an error naming its line.
bool decodeText(const QByteArray &bytes, QString *text, QString *error, int *errorLine);

// The game's name of a language a file names by a plain name or a code
// ("it", "Italian", "italiano" give "Italiano"); "Latinum" for Latin; the
// name itself when it is none of these.
QString standardLanguage(const QString &name, const QString &locale = QString());
inline const QString latinName = QStringLiteral("Latinum");
inline const QStringList translationNames = {QStringLiteral("Italiano"), QStringLiteral("English"),
                                             QStringLiteral("Deutsch"), QStringLiteral("Français"),
                                             QStringLiteral("Español")};

enum class Format { Kvtml, Csv, Anki };
// The format of a file, by its contents first (an XML file is KVTML, a file
// whose first line is an Anki header is Anki text), else CSV.
Format formatOf(const QByteArray &bytes);
// Reads the bytes in that format; `separator` and `heading` as readCsv()
// takes them (Anki's own header has the last word on its separator).
ImportResult readAs(Format f, const QByteArray &bytes, QChar separator = QChar(), int heading = -1);

// What the teacher chose in the preview.
struct ImportChoice {
    int latin = 0;
    int classColumn = -1;    // a column that gives the class (by name or number), or none
    QList<int> translations; // the columns kept as translations, in order
    QStringList names;       // their names in the list's heading
    QSet<QString> lessons;   // the lessons taken; rows of none are taken when `noLesson`
    bool noLesson = true;
    bool inactive = false; // the rows switched off in the file are taken too
    QList<int> classes;    // a class for each row of the table, 0 for the guess
};

// The choice the preview starts from: Latin and the translations found by the
// columns' names and languages, every lesson, the classes the file gives.
ImportChoice initialChoice(const ImportedTable &t);
// The class a class column's text names: a number or a name of the game's
// classes, or a part of speech named in Latin ("nomen", "verbum", ...) or in
// one of the translation languages ("Substantiv", "sostantivo", ...); 0 if none.
int classNamed(const QString &text);
// The class a row gets: the choice's, else its class column's, else the
// file's, else the guess from its headword.
int rowClass(const ImportedTable &t, const ImportChoice &c, int row);
// The Latin headword of a row: its Latin text with its comment joined.
QString headword(const ImportedTable &t, const ImportChoice &c, int row);
bool rowTaken(const ImportedTable &t, const ImportChoice &c, int row);

// The list in the game's format (UTF-8, CR + LF, frequency class 0): rows
// without a Latin word are left out and counted in `skipped`.
QByteArray buildList(const ImportedTable &t, const ImportChoice &c, int *skipped = nullptr);

} // namespace lists
