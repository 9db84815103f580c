#include "players/roster.h"

#include "errata/missedlist.h"
#include "ui/wholefile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringDecoder>

namespace players {

namespace {
QString &folderSet() {
    static QString f;
    return f;
}

QString rosterFile() {
    return QDir(dataFolder()).filePath(QStringLiteral("lusores.ini"));
}
} // namespace

QString dataFolder() {
    const QString f = folderSet().isEmpty()
                          ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                          : folderSet();
    QDir().mkpath(f);
    return f;
}

void setDataFolder(const QString &folder) {
    folderSet() = folder;
}

const QString Roster::guestId = QStringLiteral("hospes");
const QString Roster::guestName = QStringLiteral("Hospes");

bool Player::guest() const {
    return id == Roster::guestId;
}

namespace {

// No roster of pupils comes near this; a bigger file is not one.
constexpr qint64 largestRoster = 1 << 20;

// The INI file's sections, each with its keys ("1/id") and their texts.
using Ini = QHash<QString, QHash<QString, QString>>;

// A value as QSettings writes a text: quoted when it holds ; , or =,
// backslash escapes, a leading @ doubled.
QString unescaped(QStringView v) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(';') && !quoted) {
            break; // the rest of the line is a comment
        } else if (c == QLatin1Char('\\') && i + 1 < v.size()) {
            const char16_t e = v[++i].unicode();
            switch (e) {
            case 'a':
                out += QChar(7);
                break;
            case 'b':
                out += QChar(8);
                break;
            case 'f':
                out += QChar(12);
                break;
            case 'n':
                out += QChar(10);
                break;
            case 'r':
                out += QChar(13);
                break;
            case 't':
                out += QChar(9);
                break;
            case 'v':
                out += QChar(11);
                break;
            case 'x': {
                qsizetype j = i + 1;
                while (j < v.size() && j - i <= 4 && v[j].unicode() < 128 && isxdigit(v[j].unicode()))
                    ++j;
                out += QChar(char16_t(v.mid(i + 1, j - i - 1).toUInt(nullptr, 16)));
                i = j - 1;
                break;
            }
            default:
                out += QChar(e); // \ \" \' \?
            }
        } else {
            out += c;
        }
    }
    if (out.startsWith(QLatin1String("@@"))) out.remove(0, 1);
    return out;
}

QByteArray escaped(const QString &text) {
    const QString v = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QByteArray out;
    bool quotes = v.startsWith(QLatin1Char(' ')) || v.endsWith(QLatin1Char(' '));
    bool hexFollows = false; // a hex digit right after \x.. would join its number
    for (const char32_t u : v.toUcs4()) {
        if (u == ';' || u == ',' || u == '=') quotes = true;
        if (hexFollows && u < 128 && isxdigit(int(u))) {
            out += "\\x" + QByteArray::number(uint(u), 16);
            continue;
        }
        hexFollows = false;
        if (u == '"' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u < 0x20) {
            out += "\\x" + QByteArray::number(uint(u), 16);
            hexFollows = true;
        } else {
            out += QString::fromUcs4(&u, 1).toUtf8();
        }
    }
    return quotes ? '"' + out + '"' : out;
}

// Reads the file's text: UTF-8, or UTF-16 when it starts with its
// byte-order mark. False when the bytes are not text of that kind.
bool parse(const QByteArray &bytes, Ini &ini) {
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    QStringDecoder decode(utf16 ? QStringConverter::Utf16 : QStringConverter::Utf8);
    const QString text = decode(bytes);
    if (decode.hasError() || text.contains(QChar(0))) return false;
    QString section = QStringLiteral("General");
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) return false;
        QString key = line.left(eq).trimmed().toString();
        key.replace(QLatin1Char('\\'), QLatin1Char('/'));
        ini[section].insert(key, unescaped(line.mid(eq + 1).trimmed()));
    }
    return true;
}

QString asideName(const QString &path) {
    const QFileInfo f(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = f.dir().filePath(QStringLiteral("lusores-damnati-%1.ini").arg(stamp));
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = f.dir().filePath(QStringLiteral("lusores-damnati-%1-%2.ini").arg(stamp).arg(n));
    return aside;
}

} // namespace

bool Roster::validId(const QString &id) {
    if (id.isEmpty() || id.size() > 10) return false;
    for (const QChar c : id)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            !(c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            return false;
    return true;
}

Roster::Loaded Roster::load() {
    named_.clear();
    sides_ = {QString(), guestId, guestId};
    setAsideAs_.clear();
    keep_ = false;
    const QString path = rosterFile();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return Loaded::Read;
    QFile f(path);
    Ini ini;
    bool sound = info.isFile() && info.size() <= largestRoster;
    if (sound) {
        if (!f.open(QIODevice::ReadOnly)) {
            keep_ = true;
            return Loaded::Unreadable;
        }
        sound = parse(f.read(largestRoster), ini);
        f.close();
    }
    // The entries there, in order of their numbers: never a loop over the
    // count the file claims.
    const QHash<QString, QString> &list = ini.value(QStringLiteral("lusores"));
    QMap<int, std::pair<QString, QString>> entries;
    for (auto k = list.begin(); k != list.end(); ++k) {
        if (k.key() == QLatin1String("size")) continue;
        bool number = false;
        const int index = k.key().section(QLatin1Char('/'), 0, 0).toInt(&number);
        const QString field = k.key().section(QLatin1Char('/'), 1);
        if (!number || index < 1 || (field != QLatin1String("id") && field != QLatin1String("nomen"))) {
            sound = false; // a key of no player's: the players around it are read all the same
            continue;
        }
        (field == QLatin1String("id") ? entries[index].first : entries[index].second) = k.value();
    }
    bool counted = false;
    const int size = list.value(QStringLiteral("size")).toInt(&counted);
    if (!list.isEmpty() && (!counted || size != entries.size() || (size > 0 && entries.lastKey() != size)))
        sound = false;
    for (const auto &[id, name] : std::as_const(entries)) {
        const Player p{id, clean(name)};
        if (!validId(p.id) || p.guest() || p.name.isEmpty() || find(p.id)) {
            sound = false; // never a file name built from an id this program did not make
            continue;
        }
        named_.append(p);
    }
    const QHash<QString, QString> &general = ini.value(QStringLiteral("General"));
    for (int side : {1, 2}) {
        const QString id = general.value(side == 1 ? QStringLiteral("dexter") : QStringLiteral("sinister"));
        if (find(id) && (id == guestId || id != sides_[1])) sides_[side] = id;
    }
    if (sound) return Loaded::Read;
    const QString aside = asideName(path);
    if (!QFile::rename(path, aside)) {
        keep_ = true;
        return Loaded::Damaged;
    }
    setAsideAs_ = aside;
    return Loaded::SetAside;
}

bool Roster::save() const {
    if (keep_) return false;
    QByteArray ini =
        "[General]\ndexter=" + escaped(sides_[1]) + "\nsinister=" + escaped(sides_[2]) + "\n\n[lusores]\n";
    for (int i = 0; i < named_.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        ini += n + "\\id=" + escaped(named_[i].id) + '\n' + n + "\\nomen=" + escaped(named_[i].name) + '\n';
    }
    ini += "size=" + QByteArray::number(named_.size()) + '\n';
    return bool(ui::writeWhole(rosterFile(), ini));
}

QList<Player> Roster::players() const {
    return QList<Player>{{guestId, guestName}} + named_;
}

std::optional<Player> Roster::find(const QString &id) const {
    if (id == guestId) return Player{guestId, guestName};
    for (const Player &p : named_)
        if (p.id == id) return p;
    return std::nullopt;
}

Player Roster::side(int side) const {
    return find(sides_.at(static_cast<size_t>(side == 2 ? 2 : 1))).value_or(Player{guestId, guestName});
}

void Roster::choose(int side, const QString &id) {
    if (!find(id)) return;
    const size_t s = side == 2 ? 2 : 1, other = 3 - s;
    if (id != guestId && sides_[other] == id) sides_[other] = sides_[s];
    sides_[s] = id;
}

QString Roster::clean(const QString &name) {
    QString out;
    for (const QChar c : name)
        if (!c.isNonCharacter() && c.category() != QChar::Other_Control) out.append(c);
    return out.simplified();
}

Roster::NameProblem Roster::check(const QString &name, const QString &except) const {
    const QString n = clean(name);
    if (n.isEmpty()) return NameProblem::Empty;
    if (n.toUcs4().size() > longestName) return NameProblem::TooLong;
    for (const Player &p : players())
        if (p.id != except && p.name.compare(n, Qt::CaseInsensitive) == 0) return NameProblem::Taken;
    return NameProblem::None;
}

QString Roster::add(const QString &name) {
    if (check(name) != NameProblem::None) return QString();
    // A random id, never one whose file of missed words is still there.
    QString id;
    do {
        id = QString::number(QRandomGenerator::global()->generate64(), 36).left(10);
    } while (find(id) || QFileInfo::exists(missedFile(id)));
    named_.append({id, clean(name)});
    return id;
}

bool Roster::rename(const QString &id, const QString &name) {
    if (id == guestId || check(name, id) != NameProblem::None) return false;
    for (Player &p : named_)
        if (p.id == id) {
            p.name = clean(name);
            return true;
        }
    return false;
}

bool Roster::remove(const QString &id) {
    const auto n = named_.removeIf([&](const Player &p) { return p.id == id; });
    for (QString &s : sides_)
        if (s == id) s = guestId;
    return n > 0;
}

QString Roster::missedFile(const QString &id) {
    if (id == guestId) return MissedList::defaultFile;
    return QDir(dataFolder()).filePath(QStringLiteral("errata-%1.txt").arg(id));
}

} // namespace players
