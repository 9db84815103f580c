#pragma once
// The list of missed words and its file, errata.txt.
//
// The file is a vocabulary file the game itself can load: a heading record
// (the heading of the file the words came from), then for every missed word a
// comment line "/ errores: N; ultimus: YYYY-MM-DD; capsa: K; debetur:
// YYYY-MM-DD" (its box in the card box and the day it falls due, see
// players/schedule.h) followed by its record "0;class;Latin word;translation;
// translation;...". A comment without the box and the due day (as every file
// written before them) reads as box 1, due today. Any other line (a comment
// or a record a user added by hand, a line the game cannot read) is kept as it
// stands, in its place, whenever the list rewrites the file.
//
// The file is read a line at a time: a line holding non-ASCII bytes that is
// valid UTF-8 is read as UTF-8, any other line as Windows-1252, so a line a
// user typed in UTF-8 into a Windows-1252 file (or the other way round) keeps
// its characters. It is rewritten whole and atomically (a new file replaces
// the old one), in Windows-1252 with CR + LF like the shipped vocabularies;
// text that Windows-1252 cannot carry is written as UTF-8 with a byte-order
// mark. Either way the file reads back identically, here and in the
// vocabulary loader. Only a regular file is read or written: a file that
// cannot be read, a FIFO, a folder or a device in its place is never written
// nor replaced.
//
// A count of errors past the largest int reads as the largest, and counts
// add up to at most that.
//
// Reading and rewriting take time in proportion to the file (a hundred
// thousand words are read in a few tens of milliseconds): lines stay the
// file's bytes until they are needed as text, and words are found by a hash.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct MissedWord {
    QString category; // grammatical class, as in the vocabulary file
    QString latin;
    QStringList translations; // every translation field of the word's record
    int errors = 0;
    QDate last;
    int box = 1; // in the card box, 1 to 5
    QDate due;   // the day it is asked again

    // The translation into the language named `language` in the list's
    // heading; the first translation when the heading does not name it.
    QString translationIn(const QString &heading, const QString &language) const;
};

class MissedList {
  public:
    enum class Status { Absent, Read, Unreadable };

    static const QString defaultFile; // "errata.txt"

    // Reads `path`, replacing the list's contents. An absent file gives an
    // empty list; a file that is not a regular file, cannot be opened or is
    // not text (it holds a NUL byte) gives an empty list that will never be
    // written. Never blocks: a FIFO is not opened.
    Status load(const QString &path);
    // Writes the list to `path` whole or not at all (the old file then stays
    // byte for byte); false, with the reason in `reason`, when it cannot (and always
    // for a list read from an unreadable file, or when something other than a
    // regular file stands at `path`: that stays untouched).
    bool save(const QString &path, QString *reason = nullptr) const;

    QString heading() const { return heading_; }
    void setHeading(const QString &h) { heading_ = h; }
    bool empty() const;
    // The words in the order of the file.
    QList<MissedWord> words() const;
    // The words, most missed first (then the most recently missed, then by the Latin word).
    QList<MissedWord> byErrors() const;
    std::optional<MissedWord> find(const QString &latin, const QString &category) const;

    // One more error on the word on `day`, which puts it in box 1; a new
    // word comes with its translations.
    void miss(const MissedWord &word, QDate day);
    // A right answer at the first strike on `day`: the word moves up a box
    // (when it is due) or is mastered and removed.
    enum class Moved { NotListed, NotDue, Up, Mastered };
    Moved rightAtFirstStrike(const QString &latin, const QString &category, QDate day);
    // Removes every word; the lines kept as they stand remain.
    void clearWords();

  private:
    enum class Encoding : quint8 { Ascii, Cp1252, Utf8 };
    // A line kept as it stands, or a missed word (its comment and record).
    // A line read from the file stays its bytes, written back unchanged
    // whenever the file's encoding stays the same.
    struct Line {
        // In bytes_: the line, or a word's record from its first ";", its
        // Latin word and its translations.
        qsizetype start = 0, end = 0, latinAt = 0, translationsAt = 0;
        qsizetype added = -1; // a word added since the file was read: its place in added_
        Encoding encoding = Encoding::Ascii;
        bool word = false;
        int errors = 0;
        QDate last;
        int box = 1;
        QDate due;
    };
    static QString text(QByteArrayView bytes, Encoding encoding);
    QByteArrayView bytesOf(const Line &l) const {
        return QByteArrayView(bytes_).sliced(l.start, l.end - l.start);
    }
    QString latinOf(const Line &l) const;
    QString categoryOf(const Line &l) const;
    MissedWord wordOf(const Line &l) const;
    // The word's hash in index_, from its Latin and its class as UTF-8.
    static size_t keyOf(QByteArrayView latin, QByteArrayView category);
    size_t keyOf(const Line &l) const;
    bool isWord(qsizetype at, const QString &latin, const QString &category) const;
    // The word's place in lines_, or -1.
    qsizetype indexOf(const QString &latin, const QString &category) const;
    // Indexes the word at `at` unless the same word is indexed already:
    // returns the place of the word indexed.
    qsizetype add(size_t key, qsizetype at);
    void reindex();

    QString heading_;
    QByteArray bytes_; // the file as read
    std::vector<Line> lines_;
    std::vector<MissedWord> added_;
    QHash<size_t, qsizetype> index_;         // each word's place in lines_, by its hash
    QMultiHash<size_t, qsizetype> collided_; // the words whose hash another word has already
    bool writable_ = true;
};
