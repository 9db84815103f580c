#include "errata/missedlist.h"

#include "players/schedule.h"
#include "ui/wholefile.h"
#include "vocabulary/cp1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>
#include <tuple>

const QString MissedList::defaultFile = QStringLiteral("errata.txt");

namespace {

constexpr int mostErrors = std::numeric_limits<int>::max();
const QByteArray bom("\xEF\xBB\xBF");

// Counts add up to at most the largest int, never past it into negatives.
int addErrors(int a, int b) {
    return a > mostErrors - b ? mostErrors : a + b;
}

// Eight bytes at a time: most lines are ASCII, and all of each is looked at.
bool isAscii(QByteArrayView bytes) {
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    quint64 any = 0;
    for (; end - p >= 8; p += 8) {
        quint64 eight;
        std::memcpy(&eight, p, 8);
        any |= eight;
    }
    for (; p < end; ++p)
        any |= static_cast<unsigned char>(*p);
    return (any & 0x8080808080808080ULL) == 0;
}

// The first ";" in `line` from `from` on, or the line's size.
qsizetype semicolon(QByteArrayView line, qsizetype from) {
    const void *p = std::memchr(line.data() + from, ';', size_t(line.size() - from));
    return p ? static_cast<const char *>(p) - line.data() : line.size();
}

// A record is no comment and holds at least three ";".
bool isRecord(QByteArrayView line) {
    if (line.startsWith('/')) return false;
    qsizetype at = -1;
    for (int n = 0; n < 3; ++n)
        if ((at = semicolon(line, at + 1)) == line.size()) return false;
    return true;
}

// A line as [start, end) in the file's bytes; none past the last line.
struct Span {
    qsizetype start = -1, end = -1;
    bool valid() const { return start >= 0; }
    QByteArrayView in(QByteArrayView all) const { return all.sliced(start, end - start); }
};

// Cuts the bytes into lines at CR + LF, CR or LF. The next CR and the next LF
// are each looked for once, so that a file whose lines end in CR alone is
// cut in one pass as well.
class LineCutter {
  public:
    explicit LineCutter(QByteArrayView all) : all_(all) {}
    Span next() {
        if (pos_ >= all_.size()) return {};
        if (cr_ < pos_) cr_ = find('\r');
        if (lf_ < pos_) lf_ = find('\n');
        const Span line{pos_, std::min(cr_, lf_)};
        pos_ = line.end == cr_ && lf_ == cr_ + 1 ? line.end + 2 : line.end + 1;
        return line;
    }

  private:
    qsizetype find(char c) const {
        const void *p = std::memchr(all_.data() + pos_, c, size_t(all_.size() - pos_));
        return p ? static_cast<const char *>(p) - all_.data() : all_.size();
    }
    QByteArrayView all_;
    qsizetype pos_ = 0, cr_ = -1, lf_ = -1;
};

// Whether bytes with non-ASCII in them are valid UTF-8, as Qt's decoder (and
// so the vocabulary loader) judges it.
class Utf8Check {
  public:
    bool operator()(QByteArrayView bytes) {
        if (buffer_.size() < bytes.size()) buffer_.resize(bytes.size());
        decoder_.resetState();
        decoder_.appendToBuffer(buffer_.data(), bytes);
        return !decoder_.hasError();
    }

  private:
    // A byte-order mark is a character here: only the file's first one is dropped.
    QStringDecoder decoder_{QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
    QString buffer_;
};

// "/ errores: N; ultimus: YYYY-MM-DD", then "; capsa: K; debetur:
// YYYY-MM-DD" or nothing (box 0), blanks allowed around the parts: the count
// (one past the largest int reads as the largest), the day, the box and the
// due day. Whatever follows the day's ";" that is not a sound box and due day
// reads as none (box 0).
bool readComment(QByteArrayView line, int &errors, QDate &day, int &box, QDate &due) {
    qsizetype i = 0;
    const auto blanks = [&] {
        while (i < line.size() && (line[i] == ' ' || (line[i] >= '\t' && line[i] <= '\r')))
            ++i;
    };
    const auto word = [&](std::string_view w) {
        if (line.size() - i < qsizetype(w.size()) || std::memcmp(line.data() + i, w.data(), w.size()) != 0)
            return false;
        i += qsizetype(w.size());
        return true;
    };
    const auto digit = [&] { return i < line.size() && line[i] >= '0' && line[i] <= '9'; };
    const auto number = [&](int most) {
        qint64 n = 0;
        for (; digit(); ++i)
            n = std::min<qint64>(n * 10 + (line[i] - '0'), most);
        return static_cast<int>(n);
    };
    if (!word("/")) return false;
    blanks();
    if (!word("errores:")) return false;
    blanks();
    if (!digit()) return false;
    errors = number(mostErrors);
    if (!word(";")) return false;
    blanks();
    if (!word("ultimus:")) return false;
    const auto date = [&](QDate &d) {
        blanks();
        int ymd[3];
        for (int k = 0; k < 3; ++k) {
            const qsizetype from = i;
            ymd[k] = number(9999);
            if (i - from != (k ? 2 : 4) || (k < 2 && !word("-"))) return false;
        }
        blanks();
        d = QDate(ymd[0], ymd[1], ymd[2]);
        return d.isValid();
    };
    if (!date(day)) return false;
    box = 0;
    due = QDate();
    if (i == line.size()) return true;
    if (!word(";")) return false;
    // The card's place: a box or a due day that is missing, impossible or
    // mistyped leaves the word a word, in box 1 and due today, so that a
    // hand-edited day never hides it from the review and the games.
    const auto card = [&] {
        blanks();
        if (!word("capsa:")) return false;
        blanks();
        if (!digit()) return false;
        box = number(9);
        blanks();
        if (!word(";")) return false;
        blanks();
        return word("debetur:") && date(due) && i == line.size();
    };
    if (!card()) {
        box = 0;
        due = QDate();
    }
    return true;
}

// "/ errores: N; ultimus: YYYY-MM-DD; capsa: K; debetur: YYYY-MM-DD" and its line end.
void appendComment(QByteArray &to, int errors, QDate day, int box, QDate due) {
    char line[96] = "/ errores: ";
    char *p = std::to_chars(line + 11, line + 32, errors).ptr;
    const auto text = [&p](const char *t) {
        const size_t n = std::strlen(t);
        std::memcpy(p, t, n);
        p += n;
    };
    const auto date = [&p](QDate d) {
        int ymd[3];
        d.getDate(&ymd[0], &ymd[1], &ymd[2]);
        for (int k = 0; k < 3; ++k) {
            const int digits = k ? 2 : 4;
            for (int n = digits - 1, v = ymd[k]; n >= 0; --n, v /= 10)
                p[n] = char('0' + v % 10);
            p += digits;
            if (k < 2) *p++ = '-';
        }
    };
    text("; ultimus: ");
    date(day);
    text("; capsa: ");
    *p++ = char('0' + std::clamp(box, 1, 9));
    text("; debetur: ");
    date(due);
    text("\r\n");
    to.append(line, p - line);
}

} // namespace

QString MissedWord::translationIn(const QString &heading, const QString &language) const {
    const qsizetype i = heading.split(QLatin1Char(';')).mid(3).indexOf(language);
    if (i >= 0 && i < translations.size()) return translations.at(i);
    return translations.value(0);
}

QString MissedList::text(QByteArrayView bytes, Encoding encoding) {
    switch (encoding) {
    case Encoding::Cp1252:
        return vocabulary::decodeCp1252(bytes);
    case Encoding::Utf8:
        return QString::fromUtf8(bytes);
    case Encoding::Ascii:
        break;
    }
    return QString::fromLatin1(bytes);
}

QString MissedList::latinOf(const Line &l) const {
    if (l.added >= 0) return added_[size_t(l.added)].latin;
    const QByteArrayView b(bytes_);
    return text(b.sliced(l.latinAt, l.translationsAt - 1 - l.latinAt), l.encoding);
}

QString MissedList::categoryOf(const Line &l) const {
    if (l.added >= 0) return added_[size_t(l.added)].category;
    return text(QByteArrayView(bytes_).sliced(l.start + 1, l.latinAt - 2 - l.start), l.encoding);
}

MissedWord MissedList::wordOf(const Line &l) const {
    if (l.added >= 0) {
        MissedWord w = added_[size_t(l.added)];
        w.errors = l.errors;
        w.last = l.last;
        w.box = l.box;
        w.due = l.due;
        return w;
    }
    const QByteArrayView translations =
        QByteArrayView(bytes_).sliced(l.translationsAt, l.end - l.translationsAt);
    return {categoryOf(l), latinOf(l), text(translations, l.encoding).split(QLatin1Char(';')),
            l.errors,      l.last,     l.box,
            l.due};
}

size_t MissedList::keyOf(QByteArrayView latin, QByteArrayView category) {
    // FNV-1a over the two texts and a separator (the index mixes it further with its seed).
    quint64 h = 14695981039346656037ULL;
    const auto add = [&h](QByteArrayView b) {
        for (char c : b)
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    };
    add(latin);
    add(";");
    add(category);
    return size_t(h);
}

size_t MissedList::keyOf(const Line &l) const {
    if (l.added >= 0)
        return keyOf(added_[size_t(l.added)].latin.toUtf8(), added_[size_t(l.added)].category.toUtf8());
    const QByteArrayView b(bytes_);
    const QByteArrayView category = b.sliced(l.start + 1, l.latinAt - 2 - l.start),
                         latin = b.sliced(l.latinAt, l.translationsAt - 1 - l.latinAt);
    if (l.encoding != Encoding::Cp1252 || (isAscii(latin) && isAscii(category)))
        return keyOf(latin, category);
    return keyOf(latinOf(l).toUtf8(), categoryOf(l).toUtf8());
}

bool MissedList::isWord(qsizetype at, const QString &latin, const QString &category) const {
    const Line &l = lines_[size_t(at)];
    return latinOf(l) == latin && categoryOf(l) == category;
}

qsizetype MissedList::indexOf(const QString &latin, const QString &category) const {
    const size_t key = keyOf(latin.toUtf8(), category.toUtf8());
    if (const auto at = index_.constFind(key); at != index_.cend() && isWord(*at, latin, category))
        return *at;
    for (auto [at, end] = collided_.equal_range(key); at != end; ++at)
        if (isWord(*at, latin, category)) return *at;
    return -1;
}

qsizetype MissedList::add(size_t key, qsizetype at) {
    const qsizetype count = index_.size();
    qsizetype &place = index_[key];
    if (index_.size() > count) return place = at;
    // Another word with the same hash: found by its texts.
    const Line &l = lines_[size_t(at)];
    const QString latin = latinOf(l), category = categoryOf(l);
    if (isWord(place, latin, category)) return place;
    for (auto [same, end] = collided_.equal_range(key); same != end; ++same)
        if (isWord(*same, latin, category)) return *same;
    collided_.insert(key, at);
    return at;
}

void MissedList::reindex() {
    index_.clear();
    collided_.clear();
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].word) add(keyOf(lines_[i]), qsizetype(i));
}

MissedList::Status MissedList::load(const QString &path) {
    heading_.clear();
    bytes_.clear();
    lines_.clear();
    added_.clear();
    index_.clear();
    writable_ = true;
    const QFileInfo info(path);
    if (!info.exists()) return Status::Absent;
    // Only a regular file is opened: opening a FIFO waits for a writer.
    QFile file(path);
    QByteArray bytes;
    if (info.isFile() && file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError || bytes.contains('\0')) {
        writable_ = false;
        return Status::Unreadable;
    }
    bytes_ = std::move(bytes);
    const QByteArrayView all(bytes_);
    Utf8Check utf8;
    const auto encodingOf = [&](QByteArrayView b) {
        return isAscii(b) ? Encoding::Ascii : utf8(b) ? Encoding::Utf8 : Encoding::Cp1252;
    };

    // The lines one by one, with the line after the current one at hand: a
    // comment and the record after it make a word.
    LineCutter cut(all);
    Span line = cut.next(), ahead = cut.next();
    const auto step = [&] {
        line = ahead;
        ahead = cut.next();
    };
    // A byte-order mark is dropped before a first line that reads as UTF-8;
    // alone it is no line.
    if (all.startsWith(bom) && utf8(all.first(line.end))) line.start = 3;
    if (line.start == all.size()) line = Span{};
    if (line.valid() && isRecord(line.in(all))) {
        heading_ = text(line.in(all), encodingOf(line.in(all)));
        step();
    }
    // Room for every line at once (what is not used is never touched), since
    // growing would copy the lines read so far.
    lines_.reserve(size_t(all.count('\n') + all.count('\r') + 1));
    const QDate today = schedule::today();
    index_.reserve(all.size() / 64);
    for (; line.valid(); step()) {
        Line l;
        if (ahead.valid() && line.in(all).startsWith('/') &&
            readComment(line.in(all), l.errors, l.last, l.box, l.due) && isRecord(ahead.in(all))) {
            step();
            const schedule::Card card = schedule::sound(l.box, l.due, today);
            l.box = card.box;
            l.due = card.due;
            // The record as it is written again: "0" and its bytes from the first ";".
            const QByteArrayView record = line.in(all);
            const qsizetype s1 = semicolon(record, 0), s2 = semicolon(record, s1 + 1),
                            s3 = semicolon(record, s2 + 1);
            l.word = true;
            l.start = line.start + s1;
            l.end = line.end;
            l.latinAt = line.start + s2 + 1;
            l.translationsAt = line.start + s3 + 1;
            l.encoding = encodingOf(record.sliced(s1));
            // A word listed twice counts once, with the errors of both.
            lines_.push_back(l);
            const qsizetype at = add(keyOf(l), qsizetype(lines_.size()) - 1);
            if (at != qsizetype(lines_.size()) - 1) {
                Line &first = lines_[size_t(at)];
                first.errors = addErrors(first.errors, l.errors);
                first.last = std::max(first.last, l.last);
                // The one less well known decides: the lower box, the sooner day.
                first.box = std::min(first.box, l.box);
                first.due = std::min(first.due, l.due);
                lines_.pop_back();
            }
            continue;
        }
        l.start = line.start;
        l.end = line.end;
        l.encoding = encodingOf(line.in(all));
        lines_.push_back(l);
    }
    return Status::Read;
}

bool MissedList::save(const QString &path, QString *reason) const {
    const auto refuse = [reason](const char *why) {
        if (reason) *reason = QCoreApplication::translate("MissedList", why);
        return false;
    };
    if (!writable_) return refuse(QT_TRANSLATE_NOOP("MissedList", "il file non si può leggere"));
    // Never opened for writing nor replaced by the new file: a FIFO, a folder, a device.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return refuse(QT_TRANSLATE_NOOP("MissedList", "non è un file"));

    const auto recordOf = [](const MissedWord &w) {
        return QLatin1Char(';') + w.category + QLatin1Char(';') + w.latin + QLatin1Char(';') +
               w.translations.join(QLatin1Char(';'));
    };
    // Windows-1252 when it carries every line and every line reads back
    // unchanged from it (no non-ASCII line of it reads as UTF-8); else UTF-8.
    // Only the lines in UTF-8 and the words added need a look.
    Utf8Check utf8;
    const auto fitsCp1252 = [&](const QString &text) {
        const auto b = vocabulary::encodeCp1252(text);
        return b && (isAscii(*b) || !utf8(*b));
    };
    bool cp1252 = fitsCp1252(heading_);
    for (auto l = lines_.begin(); cp1252 && l != lines_.end(); ++l) {
        if (l->added >= 0)
            cp1252 = fitsCp1252(recordOf(added_[size_t(l->added)]));
        else if (l->encoding == Encoding::Utf8)
            cp1252 = fitsCp1252(QString::fromUtf8(bytesOf(*l)));
    }
    const auto encoded = [&](const QString &text) {
        return cp1252 ? *vocabulary::encodeCp1252(text) : text.toUtf8();
    };

    QByteArray bytes;
    bytes.reserve(bytes_.size() + bytes_.size() / 8 + 4096);
    if (!cp1252) bytes += bom;
    bytes += encoded(heading_) + "\r\n";
    for (const Line &l : lines_) {
        if (l.word) {
            appendComment(bytes, l.errors, l.last, l.box, l.due);
            bytes += '0';
        }
        if (l.added >= 0)
            bytes += encoded(recordOf(added_[size_t(l.added)]));
        else if (l.encoding == Encoding::Ascii || (l.encoding == Encoding::Cp1252) == cp1252)
            bytes += bytesOf(l); // unchanged in the encoding it is already in
        else
            bytes += encoded(text(bytesOf(l), l.encoding));
        bytes += "\r\n";
    }
    const ui::WriteResult written = ui::writeWhole(path, bytes);
    if (!written && reason) *reason = written.reason;
    return written.ok;
}

bool MissedList::empty() const {
    return index_.isEmpty();
}

QList<MissedWord> MissedList::words() const {
    QList<MissedWord> out;
    out.reserve(index_.size());
    for (const Line &l : lines_)
        if (l.word) out.append(wordOf(l));
    return out;
}

QList<MissedWord> MissedList::byErrors() const {
    QList<MissedWord> out = words();
    std::stable_sort(out.begin(), out.end(), [](const MissedWord &a, const MissedWord &b) {
        // The most errors first, then the latest missed, then by the Latin word.
        return std::tie(b.errors, b.last, a.latin) < std::tie(a.errors, a.last, b.latin);
    });
    return out;
}

std::optional<MissedWord> MissedList::find(const QString &latin, const QString &category) const {
    const qsizetype at = indexOf(latin, category);
    if (at < 0) return std::nullopt;
    return wordOf(lines_[size_t(at)]);
}

void MissedList::miss(const MissedWord &word, QDate day) {
    const schedule::Card card = schedule::missed(day);
    if (const qsizetype at = indexOf(word.latin, word.category); at >= 0) {
        Line &l = lines_[size_t(at)];
        l.errors = addErrors(l.errors, 1);
        l.last = day;
        l.box = card.box;
        l.due = card.due;
        return;
    }
    Line l;
    l.word = true;
    l.added = qsizetype(added_.size());
    l.errors = 1;
    l.last = day;
    l.box = card.box;
    l.due = card.due;
    lines_.push_back(l);
    added_.push_back(word);
    add(keyOf(word.latin.toUtf8(), word.category.toUtf8()), qsizetype(lines_.size()) - 1);
}

MissedList::Moved MissedList::rightAtFirstStrike(const QString &latin, const QString &category, QDate day) {
    const qsizetype at = indexOf(latin, category);
    if (at < 0) return Moved::NotListed;
    Line &l = lines_[size_t(at)];
    const std::optional<schedule::Card> card = schedule::rightAtFirstStrike({l.box, l.due}, day);
    if (!card) {
        lines_.erase(lines_.begin() + at);
        reindex();
        return Moved::Mastered;
    }
    if (card->box == l.box) return Moved::NotDue;
    l.box = card->box;
    l.due = card->due;
    return Moved::Up;
}

void MissedList::clearWords() {
    std::erase_if(lines_, [](const Line &l) { return l.word; });
    index_.clear();
    collided_.clear();
}
