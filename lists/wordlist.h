#pragma once
// A vocabulary file held for editing, line by line, as the game's loader reads
// it: comment lines ("/" first), blank lines, defective lines (fewer than
// three ";") and records; the first record is the heading, whose fields from
// the fourth on name the languages.
//
// Every line keeps its bytes and its line end as read, and is written back
// unchanged unless it was edited: so a file that is opened and saved is the
// same file, and the lines the game cannot read stay where they stood, byte
// for byte. Edited and new lines are written in the file's own encoding and
// with its own line end.
//
// The rows, as the list window shows them, are the records after the heading
// and the defective lines (which the window marks). Their columns: the Latin
// word, the grammatical class, then one column for each language.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lists {

struct Line {
    enum class Kind : quint8 { Comment, Blank, Defective, Record };
    // A line end: none (the end of a file), CR LF, CR alone, LF alone.
    enum class End : quint8 { None, CrLf, Cr, Lf };
    Kind kind = Kind::Record;
    End end = End::None;
    bool fresh = false;            // written anew from its fields
    qsizetype start = 0, size = 0; // where its bytes stand in the file read, without the line end
    QStringList fields;            // a line written anew: its fields
};

// The grammatical classes by the names of the settings window's boxes.
QString className(int c);
QStringList classNames();
// The class a name or a number text stands for, 0 if none.
int classOf(const QString &text);

class WordList {
  public:
    enum class Encoding { Cp1252, Utf8, Utf8Bom };
    static constexpr int latinColumn = 0, classColumn = 1, firstLanguageColumn = 2;

    // Reads the bytes of a file (any bytes: a line is at worst defective).
    static WordList fromBytes(const QByteArray &bytes);
    // A new list with the heading "Ordo;Classis;Verbum latinum;" + languages,
    // written in UTF-8 with CR + LF.
    static WordList fresh(const QStringList &languages);
    QByteArray toBytes() const;

    Encoding encoding() const { return encoding_; }
    // The bytes a line was read from.
    QByteArrayView raw(const Line &l) const { return QByteArrayView(source_).sliced(l.start, l.size); }

    // The heading record's languages (its fields from the fourth on, up to a
    // comma in the heading, as the settings window reads them).
    QStringList languages() const;
    int columnCount() const {
        return firstLanguageColumn + std::max<int>(1, static_cast<int>(languages().size()));
    }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const Line &rowLine(int row) const { return lines_[rows_[row]]; }
    int lineOfRow(int row) const { return rows_[row]; }
    const QList<Line> &lines() const { return lines_; }
    // All the fields of a row (a defective line's: split at ";").
    QStringList fields(int row) const;
    // The cell shown: a defective line shows its whole text as its Latin word.
    QString cell(int row, int column) const;
    // Whether a text can stand in a cell: no ";" or line end, and characters
    // the file's encoding can write.
    bool canHold(const QString &text) const;
    // Writes a cell (the row becomes a record if it was defective).
    void setCell(int row, int column, const QString &text);
    // Whether a row may be edited: a defective line before the heading may
    // not, for as a record it would become the heading.
    bool editable(int row) const { return rows_[row] > heading_; }
    // Puts back a row's line as it was before an edit.
    void setLine(int row, const Line &line) { lines_[rows_[row]] = line; }

    // Why the game would not read the row as a word, in the loader's words;
    // empty for a sound record. `languageCount` languages are expected.
    QString problem(int row) const;

    // A new record of the given fields, inserted as row `row` (after the
    // line of row `row` - 1, or after the heading); returns its row.
    int insertRow(int row, const QStringList &fields);
    // The row insertRow() puts a record asked for at `row`.
    int insertionRow(int row) const;
    // Removes rows (any order); returns the removed lines with their line
    // numbers, in increasing order, for insertLines() to put back.
    QList<std::pair<int, Line>> removeRows(QList<int> rows);
    void insertLines(const QList<std::pair<int, Line>> &lines);
    // The records of rows in a new order among the records' places: `order`
    // lists, for each record row in turn, the row whose record comes there.
    // Defective lines keep their places. Returns the inverse order.
    QList<int> permuteRecords(const QList<int> &order);
    // The record rows in the order of a column, ascending or descending
    // (stable; defective rows are left out).
    QList<int> sortedRecords(int column, bool ascending) const;
    // The next row from `row` (wrapping) whose cells hold `text`, ignoring
    // case; -1 if none. Sets `column` to the cell found.
    int find(const QString &text, int row, int &column, bool forward = true) const;

    // The records as fields lists (for the export and the game's pool), row
    // order, defective lines left out.
    QList<QStringList> records() const;

  private:
    QString decode(QByteArrayView bytes) const;
    void reindex();
    int fieldOf(int column) const {
        return column == latinColumn ? 2 : column == classColumn ? 1 : column + 1;
    }

    QByteArray source_; // the file as read; its lines point into it
    QList<Line> lines_;
    QList<int> rows_;
    int heading_ = -1; // the heading's line, -1 when the file has no record
    Encoding encoding_ = Encoding::Cp1252;
    bool asciiOnly_ = true;               // no byte of the file is above 0x7F
    Line::End lineEnd_ = Line::End::CrLf; // the file's own: its first line's
};

// Writes `bytes` to `path` atomically (a new file beside it, then renamed
// over it); false, with `error` set in Italian, when that fails.
bool saveAtomically(const QString &path, const QByteArray &bytes, QString *error);

} // namespace lists
