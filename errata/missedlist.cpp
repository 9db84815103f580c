#include "errata/missedlist.h"

#include "vocabulary/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <limits>

const QString MissedList::defaultFile = QStringLiteral("errata.txt");

namespace {

const QString lineEnd = QStringLiteral("\r\n");
constexpr int mostErrors = std::numeric_limits<int>::max();

// Counts add up to at most the largest int, never past it into negatives.
int addErrors(int a, int b) {
    return a > mostErrors - b ? mostErrors : a + b;
}

// A count of the file: one past the largest int reads as the largest.
int errorsOf(QStringView digits) {
    qint64 n = 0;
    for (QChar c : digits)
        n = std::min<qint64>(n * 10 + c.digitValue(), mostErrors);
    return static_cast<int>(n);
}

bool isAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

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

// Each line on its own: UTF-8 when it holds non-ASCII bytes and is valid
// UTF-8, else Windows-1252. A byte-order mark is dropped before a first line
// that reads as UTF-8. Lines end as vocabulary::splitLines() ends them.
QStringList linesOf(QByteArrayView bytes) {
    Utf8Check utf8;
    QStringList out;
    for (qsizetype pos = 0; pos < bytes.size();) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        QByteArrayView line = bytes.sliced(pos, end - pos);
        if (isAscii(line)) {
            out.append(QString::fromLatin1(line));
        } else if (utf8(line)) {
            if (pos == 0 && line.startsWith("\xEF\xBB\xBF")) line = line.sliced(3);
            out.append(QString::fromUtf8(line));
        } else {
            out.append(vocabulary::decodeCp1252(line));
        }
        pos = end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n'
                  ? end + 2
                  : end + 1;
    }
    return out;
}

bool isRecord(const QString &line) {
    return !line.startsWith(QLatin1Char('/')) && line.count(QLatin1Char(';')) >= 3;
}

QString commentOf(const MissedWord &w) {
    return QStringLiteral("/ errores: %1; ultimus: %2").arg(w.errors).arg(w.last.toString(Qt::ISODate));
}

QString recordOf(const MissedWord &w) {
    return QStringLiteral("0;") + w.category + QLatin1Char(';') + w.latin + QLatin1Char(';') +
           w.translations.join(QLatin1Char(';'));
}

// The bytes of the file: Windows-1252 when it carries the text and every
// line reads back unchanged (none of its non-ASCII lines reads as UTF-8),
// UTF-8 with a byte-order mark otherwise.
QByteArray encode(const QString &text) {
    if (const auto bytes = vocabulary::encodeCp1252(text)) {
        Utf8Check utf8;
        bool same = true;
        for (qsizetype pos = 0; same && pos < bytes->size();) {
            qsizetype end = bytes->indexOf('\n', pos);
            if (end < 0) end = bytes->size();
            const QByteArrayView line = QByteArrayView(*bytes).sliced(pos, end - pos);
            same = isAscii(line) || !utf8(line);
            pos = end + 1;
        }
        if (same) return *bytes;
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace

QString MissedWord::translationIn(const QString &heading, const QString &language) const {
    const qsizetype i = heading.split(QLatin1Char(';')).mid(3).indexOf(language);
    if (i >= 0 && i < translations.size()) return translations.at(i);
    return translations.value(0);
}

MissedList::Status MissedList::load(const QString &path) {
    heading_.clear();
    lines_.clear();
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
    const QStringList lines = linesOf(bytes);
    static const QRegularExpression comment(
        QStringLiteral("^/\\s*errores:\\s*(\\d+);\\s*ultimus:\\s*(\\d{4}-\\d{2}-\\d{2})\\s*$"));
    qsizetype i = 0;
    if (!lines.isEmpty() && isRecord(lines.first())) heading_ = lines.at(i++);
    for (; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QRegularExpressionMatch m = comment.match(line);
        const QDate day = QDate::fromString(m.captured(2), Qt::ISODate);
        if (m.hasMatch() && day.isValid() && i + 1 < lines.size() && isRecord(lines.at(i + 1))) {
            const QStringList fields = lines.at(i + 1).split(QLatin1Char(';'));
            MissedWord w{fields.at(1), fields.at(2), fields.mid(3), errorsOf(m.capturedView(1)), day};
            ++i;
            // A word listed twice counts once, with the errors of both.
            auto same = std::find_if(lines_.begin(), lines_.end(), [&](const Line &l) {
                return l.word && l.word->sameWord(w.latin, w.category);
            });
            if (same != lines_.end()) {
                same->word->errors = addErrors(same->word->errors, w.errors);
                same->word->last = std::max(same->word->last, w.last);
            } else {
                lines_.append({QString(), w});
            }
            continue;
        }
        lines_.append({line, std::nullopt});
    }
    return Status::Read;
}

bool MissedList::save(const QString &path) const {
    if (!writable_) return false;
    // Never opened for writing nor replaced by the new file: a FIFO, a folder, a device.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return false;
    QString text = heading_ + lineEnd;
    for (const Line &l : lines_)
        text += l.word ? commentOf(*l.word) + lineEnd + recordOf(*l.word) + lineEnd : l.kept + lineEnd;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = encode(text);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool MissedList::empty() const {
    return std::none_of(lines_.begin(), lines_.end(), [](const Line &l) { return l.word.has_value(); });
}

QList<MissedWord> MissedList::words() const {
    QList<MissedWord> out;
    for (const Line &l : lines_)
        if (l.word) out.append(*l.word);
    return out;
}

QList<MissedWord> MissedList::byErrors() const {
    QList<MissedWord> out = words();
    std::stable_sort(out.begin(), out.end(), [](const MissedWord &a, const MissedWord &b) {
        if (a.errors != b.errors) return a.errors > b.errors;
        if (a.last != b.last) return a.last > b.last;
        return a.latin < b.latin;
    });
    return out;
}

std::optional<MissedWord> MissedList::find(const QString &latin, const QString &category) const {
    for (const Line &l : lines_)
        if (l.word && l.word->sameWord(latin, category)) return l.word;
    return std::nullopt;
}

void MissedList::miss(const MissedWord &word, QDate day) {
    for (Line &l : lines_) {
        if (l.word && l.word->sameWord(word.latin, word.category)) {
            l.word->errors = addErrors(l.word->errors, 1);
            l.word->last = day;
            return;
        }
    }
    MissedWord w = word;
    w.errors = 1;
    w.last = day;
    lines_.append({QString(), w});
}

bool MissedList::master(const QString &latin, const QString &category) {
    const auto n =
        lines_.removeIf([&](const Line &l) { return l.word && l.word->sameWord(latin, category); });
    return n > 0;
}

void MissedList::clearWords() {
    lines_.removeIf([](const Line &l) { return l.word.has_value(); });
}
