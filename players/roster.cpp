#include "players/roster.h"

#include "errata/missedlist.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>

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

void Roster::load() {
    named_.clear();
    sides_ = {QString(), guestId, guestId};
    QSettings s(rosterFile(), QSettings::IniFormat);
    const int n = s.beginReadArray(QStringLiteral("lusores"));
    for (int i = 0; i < n; ++i) {
        s.setArrayIndex(i);
        const Player p{s.value(QStringLiteral("id")).toString(),
                       clean(s.value(QStringLiteral("nomen")).toString())};
        // A hand-edited roster may hold a line without id or name, or one twice.
        if (p.id.isEmpty() || p.guest() || p.name.isEmpty() || find(p.id)) continue;
        named_.append(p);
    }
    s.endArray();
    for (int side : {1, 2}) {
        const QString id =
            s.value(side == 1 ? QStringLiteral("dexter") : QStringLiteral("sinister")).toString();
        if (find(id) && (id == guestId || id != sides_[1])) sides_[side] = id;
    }
}

bool Roster::save() const {
    QSettings s(rosterFile(), QSettings::IniFormat);
    s.clear();
    s.beginWriteArray(QStringLiteral("lusores"), static_cast<int>(named_.size()));
    for (int i = 0; i < named_.size(); ++i) {
        s.setArrayIndex(i);
        s.setValue(QStringLiteral("id"), named_[i].id);
        s.setValue(QStringLiteral("nomen"), named_[i].name);
    }
    s.endArray();
    s.setValue(QStringLiteral("dexter"), sides_[1]);
    s.setValue(QStringLiteral("sinister"), sides_[2]);
    s.sync();
    return s.status() == QSettings::NoError;
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
