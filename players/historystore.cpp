#include "players/historystore.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <limits>

namespace players {

namespace {

// SQLite's primary result codes that mean the file cannot serve as the history.
constexpr int sqlitePerm = 3, sqliteReadOnly = 8, sqliteIoErr = 10, sqliteCorrupt = 11, sqliteFull = 13,
              sqliteCantOpen = 14, sqliteNotADb = 26;

// The schema, one step a version: step k brings version k - 1 to k.
const QList<QStringList> migrations = {
    {
        QStringLiteral("CREATE TABLE games(id INTEGER PRIMARY KEY, started INTEGER NOT NULL, "
                       "seconds REAL NOT NULL, vocabulary TEXT NOT NULL, language TEXT NOT NULL, "
                       "classes TEXT NOT NULL, frequencies TEXT NOT NULL, speed INTEGER NOT NULL, "
                       "words_per_game REAL NOT NULL, players INTEGER NOT NULL, winner INTEGER NOT NULL, "
                       "asked INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX games_started ON games(started)"),
        QStringLiteral("CREATE TABLE sides(game INTEGER NOT NULL, side INTEGER NOT NULL, "
                       "player TEXT NOT NULL, name TEXT NOT NULL, right INTEGER NOT NULL, "
                       "errors INTEGER NOT NULL, lockouts INTEGER NOT NULL, PRIMARY KEY(game, side))"),
        QStringLiteral("CREATE INDEX sides_player ON sides(player, game)"),
        // The strikes in order ("1-2+"); the wrong ones of each side counted
        // beside them for the charts of the most missed words.
        QStringLiteral("CREATE TABLE words(game INTEGER NOT NULL, seq INTEGER NOT NULL, "
                       "latin TEXT NOT NULL, category TEXT NOT NULL, translation TEXT NOT NULL, "
                       "strikes TEXT NOT NULL, wrong1 INTEGER NOT NULL, wrong2 INTEGER NOT NULL, "
                       "PRIMARY KEY(game, seq))"),
        QStringLiteral("CREATE INDEX words_missed ON words(game, latin, category, wrong1, wrong2) "
                       "WHERE wrong1 + wrong2 > 0"),
        QStringLiteral("CREATE TABLE mastered(player TEXT NOT NULL, day TEXT NOT NULL, "
                       "latin TEXT NOT NULL, category TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX mastered_player ON mastered(player, day)"),
    },
    // The games of forms beside those of words.
    {
        QStringLiteral("ALTER TABLE games ADD COLUMN kind TEXT NOT NULL DEFAULT ''"),
    },
};
static_assert(HistoryStore::schemaVersion == 2);

// A kind as SQL compares it: the game of words is '', never NULL.
QString kindText(const QString &kind) {
    return kind.isNull() ? QStringLiteral("") : kind;
}

// The tables and the columns the program reads and writes: a database of the
// right version without them is another program's.
const std::pair<QString, QStringList> tables[] = {
    {QStringLiteral("games"),
     {"id", "started", "seconds", "vocabulary", "language", "classes", "frequencies", "speed",
      "words_per_game", "players", "winner", "asked"}},
    {QStringLiteral("sides"), {"game", "side", "player", "name", "right", "errors", "lockouts"}},
    {QStringLiteral("words"),
     {"game", "seq", "latin", "category", "translation", "strikes", "wrong1", "wrong2"}},
    {QStringLiteral("mastered"), {"player", "day", "latin", "category"}},
};

qint64 msecs(const QDateTime &t) {
    return t.isValid() ? t.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

} // namespace

int AskedWord::wrongOf(int side) const {
    int n = 0;
    for (qsizetype i = 0; i + 1 < strikes.size(); i += 2)
        if (strikes.at(i).digitValue() == side && strikes.at(i + 1) == QLatin1Char('-')) ++n;
    return n;
}

HistoryStore::HistoryStore(const QString &path) : path_(path) {
    static std::atomic<int> count{0};
    connection_ = QStringLiteral("historia-%1").arg(++count);
}

HistoryStore::~HistoryStore() {
    close();
}

bool HistoryStore::run(QSqlQuery &q) const {
    if (q.exec()) return true;
    errorCode_ = q.lastError().nativeErrorCode().toInt() & 0xff;
    lastError_ = q.lastError().text();
    return false;
}

bool HistoryStore::commit() {
    // Through a query of our own: Qt's commit keeps no error code, and a disk
    // that fills at the commit must be told from a damaged database.
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("COMMIT"));
    return run(q);
}

bool HistoryStore::damaging() const {
    for (int c : {sqlitePerm, sqliteReadOnly, sqliteIoErr, sqliteCorrupt, sqliteCantOpen, sqliteNotADb})
        if (errorCode_ == c) return true;
    return false;
}

bool HistoryStore::open() {
    full_ = false;
    const QFileInfo file(path_);
    const bool existed = file.exists() || file.isSymLink();
    if (openOnce()) return true;
    if (state_ == State::Unreadable) return false;
    close();
    // A full disk damages nothing; what this open made holds nothing: it goes.
    // Neither is set aside.
    if (!existed || errorCode_ == sqliteFull) {
        if (!existed)
            for (const QString &made : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
                QFile::remove(path_ + made);
        full_ = errorCode_ == sqliteFull;
        state_ = full_ ? State::Closed : State::Unusable;
        return false;
    }
    if (setAside() && openOnce()) return true;
    close();
    state_ = State::Unusable;
    return false;
}

void HistoryStore::close() {
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
    }
    if (state_ == State::Open) state_ = State::Closed;
}

bool HistoryStore::openOnce() {
    close();
    state_ = State::Closed;
    errorCode_ = 0;
    why_ = Aside::Damaged;
    const QFileInfo file(path_);
    // Taken at its owner's word: an unreadable file is not damaged, only out of reach.
    if (file.isFile() && !(file.permissions() & QFileDevice::ReadOwner)) {
        lastError_ = QStringLiteral("unreadable");
        state_ = State::Unreadable;
        return false;
    }
    if (file.exists() && !file.isFile()) {
        lastError_ = QStringLiteral("not a file");
        return false;
    }
    // A file its owner made read-only is taken at its word (even by a user
    // whom the system would let write it).
    if (file.exists() && !(file.permissions() & QFileDevice::WriteOwner)) {
        lastError_ = QStringLiteral("read-only");
        return false;
    }
    QDir().mkpath(file.absolutePath());
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(path_);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db_.open()) {
        lastError_ = db_.lastError().text();
        return false;
    }
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("PRAGMA quick_check"));
    if (!run(q) || !q.next() || q.value(0).toString() != QStringLiteral("ok")) {
        if (q.isValid()) lastError_ = q.value(0).toString();
        return false;
    }
    q.finish();
    q.prepare(QStringLiteral("PRAGMA journal_mode=WAL"));
    if (!run(q) || !q.next() || q.value(0).toString() != QStringLiteral("wal")) return false;
    q.finish();
    q.prepare(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (!run(q)) return false;
    q.prepare(QStringLiteral("PRAGMA user_version"));
    if (!run(q) || !q.next()) return false;
    const int version = q.value(0).toInt();
    q.finish();
    if (version < 0 || version > schemaVersion) {
        why_ = Aside::UnknownVersion;
        lastError_ = QStringLiteral("schema version %1").arg(version);
        return false;
    }
    if (version < schemaVersion && !migrate()) return false;
    if (!ours()) {
        why_ = Aside::Foreign;
        lastError_ = QStringLiteral("another schema");
        return false;
    }
    state_ = State::Open;
    return true;
}

bool HistoryStore::ours() {
    QSqlQuery q(db_);
    for (const auto &[table, columns] : tables) {
        q.prepare(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        if (!run(q)) return false;
        QStringList found;
        while (q.next())
            found.append(q.value(1).toString());
        for (const QString &c : columns)
            if (!found.contains(c)) return false;
    }
    return true;
}

bool HistoryStore::migrate() {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("PRAGMA user_version"));
    if (!run(q) || !q.next()) return false;
    const int from = q.value(0).toInt();
    q.finish();
    // A database of version 0 is new and empty; one with tables is another program's.
    if (from == 0) {
        q.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (!run(q) || !q.next()) return false;
        if (q.value(0).toInt() != 0) {
            why_ = Aside::Foreign;
            return false;
        }
    }
    // One of an earlier version is ours only with our tables: another
    // program's file stamped with that version is never changed.
    if (from > 0 && !ours()) {
        why_ = Aside::Foreign;
        return false;
    }
    for (int v = from; v < schemaVersion; ++v) {
        q.finish();
        if (!db_.transaction()) return false;
        bool ok = true;
        for (const QString &statement : migrations.at(v)) {
            q.prepare(statement);
            if (!(ok = run(q))) break;
        }
        if (ok) {
            q.prepare(QStringLiteral("PRAGMA user_version=%1").arg(v + 1));
            ok = run(q);
        }
        if (ok) ok = commit();
        if (!ok) {
            db_.rollback();
            return false;
        }
    }
    return true;
}

QString HistoryStore::asideName(const QString &path, QDate day) {
    const QFileInfo f(path);
    return f.dir().filePath(f.completeBaseName() + QStringLiteral("-laesa-") + day.toString(Qt::ISODate) +
                            QLatin1Char('.') + f.suffix());
}

bool HistoryStore::setAside() {
    close();
    const QString first = asideName(path_, QDate::currentDate());
    QString target = first;
    const QFileInfo f(first);
    for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal")); ++n)
        target = f.dir().filePath(f.completeBaseName() + QLatin1Char('-') + QString::number(n) +
                                  QLatin1Char('.') + f.suffix());
    QDir dir;
    const QFileInfo file(path_);
    if (!file.exists() && !file.isSymLink()) return true; // nothing there to set aside
    // A link (one that loops, too) is set aside itself, never what it points to.
    if (!dir.rename(path_, target)) return false;
    // The log and the shared memory belong to the file set aside.
    for (const QString &companion : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(path_ + companion) && !dir.rename(path_ + companion, target + companion))
            QFile::remove(path_ + companion);
    setAsideAs_ = target;
    asideReason_ = why_;
    return true;
}

bool HistoryStore::write(const std::function<bool()> &work) {
    full_ = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (state_ != State::Open && !(attempt == 0 ? open() : (setAside() && openOnce()))) return false;
        errorCode_ = 0;
        if (db_.transaction() && work() && commit()) return true;
        if (!errorCode_) {
            errorCode_ = db_.lastError().nativeErrorCode().toInt() & 0xff;
            lastError_ = db_.lastError().text();
        }
        db_.rollback();
        if (errorCode_ == sqliteFull) {
            full_ = true;
            return false;
        }
        if (!damaging()) return false;
        close();
    }
    state_ = State::Unusable;
    return false;
}

bool HistoryStore::add(const GameRecord &g) {
    return write([&] {
        QSqlQuery q(db_);
        q.prepare(QStringLiteral("INSERT INTO games(started, seconds, vocabulary, language, classes, "
                                 "frequencies, speed, words_per_game, players, winner, asked, kind) "
                                 "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant &v :
             {QVariant(msecs(g.started)), QVariant(g.seconds), QVariant(g.vocabulary), QVariant(g.language),
              QVariant(g.classes), QVariant(g.frequencies), QVariant(g.speed), QVariant(g.wordsPerGame),
              QVariant(g.playerCount), QVariant(g.winner), QVariant(qint64(g.words.size())),
              QVariant(kindText(g.kind))})
            q.addBindValue(v);
        if (!run(q)) return false;
        const qint64 id = q.lastInsertId().toLongLong();
        q.prepare(QStringLiteral("INSERT INTO sides(game, side, player, name, right, errors, lockouts) "
                                 "VALUES(?, ?, ?, ?, ?, ?, ?)"));
        for (const SideRecord &s : g.sides) {
            for (const QVariant &v : {QVariant(id), QVariant(s.side), QVariant(s.player), QVariant(s.name),
                                      QVariant(s.right), QVariant(s.errors), QVariant(s.lockouts)})
                q.addBindValue(v);
            if (!run(q)) return false;
        }
        q.prepare(QStringLiteral("INSERT INTO words(game, seq, latin, category, translation, strikes, "
                                 "wrong1, wrong2) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
        int seq = 0;
        for (const AskedWord &w : g.words) {
            for (const QVariant &v : {QVariant(id), QVariant(++seq), QVariant(w.latin), QVariant(w.category),
                                      QVariant(w.translation), QVariant(w.strikes), QVariant(w.wrongOf(1)),
                                      QVariant(w.wrongOf(2))})
                q.addBindValue(v);
            if (!run(q)) return false;
        }
        return true;
    });
}

bool HistoryStore::addMastered(const MasteredWord &m) {
    return write([&] {
        QSqlQuery q(db_);
        q.prepare(QStringLiteral("INSERT INTO mastered(player, day, latin, category) VALUES(?, ?, ?, ?)"));
        for (const QVariant &v : {QVariant(m.player), QVariant(m.day.toString(Qt::ISODate)),
                                  QVariant(m.latin), QVariant(m.category)})
            q.addBindValue(v);
        return run(q);
    });
}

bool HistoryStore::removePlayer(const QString &player) {
    return write([&] {
        QSqlQuery q(db_);
        for (const QString &statement :
             {QStringLiteral("DELETE FROM sides WHERE player = ?"),
              QStringLiteral("DELETE FROM mastered WHERE player = ?"),
              QStringLiteral("DELETE FROM words WHERE game NOT IN (SELECT game FROM sides)"),
              QStringLiteral("DELETE FROM games WHERE id NOT IN (SELECT game FROM sides)")}) {
            q.prepare(statement);
            if (statement.contains(QLatin1Char('?'))) q.addBindValue(player);
            if (!run(q)) return false;
        }
        return true;
    });
}

QList<PlayedGame> HistoryStore::games(const QString &player, const QDateTime &since, bool details,
                                      const QString &kind) const {
    QList<PlayedGame> out;
    if (state_ != State::Open) return out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT g.started, g.seconds, s.right, s.errors, s.lockouts, g.asked, s.side, "
                             "g.players, g.winner, g.speed, g.words_per_game, g.id%1 "
                             "FROM sides s JOIN games g ON g.id = s.game "
                             "WHERE s.player = ? AND g.started >= ? AND g.kind = ? ORDER BY g.started, g.id")
                  .arg(details ? QStringLiteral(", g.vocabulary, g.language, g.classes, g.frequencies")
                               : QString()));
    q.addBindValue(player);
    q.addBindValue(msecs(since));
    q.addBindValue(kindText(kind));
    if (!run(q)) return out;
    qint64 last = 0;
    while (q.next()) {
        // A game is one game however many of its sides the player held (two
        // guests play each other as Hospes): its figures are the sides'
        // together, and the winner's side is the one she played.
        const qint64 id = q.value(11).toLongLong();
        if (!out.isEmpty() && id == last) {
            PlayedGame &g = out.last();
            g.right += q.value(2).toInt();
            g.errors += q.value(3).toInt();
            g.lockouts += q.value(4).toInt();
            g.side = g.winner;
            continue;
        }
        last = id;
        PlayedGame g;
        g.kind = kind;
        g.started = q.value(0).toLongLong();
        g.seconds = q.value(1).toDouble();
        g.right = q.value(2).toInt();
        g.errors = q.value(3).toInt();
        g.lockouts = q.value(4).toInt();
        g.asked = q.value(5).toInt();
        g.side = q.value(6).toInt();
        g.playerCount = q.value(7).toInt();
        g.winner = q.value(8).toInt();
        g.speed = q.value(9).toInt();
        g.wordsPerGame = q.value(10).toDouble();
        if (details) {
            g.vocabulary = q.value(12).toString();
            g.language = q.value(13).toString();
            g.classes = q.value(14).toString();
            g.frequencies = q.value(15).toString();
        }
        out.append(g);
    }
    return out;
}

QList<QDate> HistoryStore::masteredDays(const QString &player, const QDate &since) const {
    QList<QDate> out;
    if (state_ != State::Open) return out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT day FROM mastered WHERE player = ? AND day >= ? ORDER BY day"));
    q.addBindValue(player);
    q.addBindValue(since.isValid() ? since.toString(Qt::ISODate) : QStringLiteral(""));
    if (!run(q)) return out;
    while (q.next())
        out.append(QDate::fromString(q.value(0).toString(), Qt::ISODate));
    return out;
}

QList<MissedCount> HistoryStore::mostMissed(const QString &player, const QDateTime &since, int count,
                                            const QString &kind) const {
    QList<MissedCount> out;
    if (state_ != State::Open) return out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    // The condition on wrong1 + wrong2 lets SQLite read only the missed words' index.
    q.prepare(
        QStringLiteral("SELECT w.latin, w.category, "
                       "SUM(CASE s.side WHEN 1 THEN w.wrong1 ELSE w.wrong2 END) AS n "
                       "FROM sides s JOIN games g ON g.id = s.game JOIN words w ON w.game = s.game "
                       "WHERE s.player = ? AND g.started >= ? AND g.kind = ? AND w.wrong1 + w.wrong2 > 0 "
                       "GROUP BY w.latin, w.category HAVING n > 0 ORDER BY n DESC, w.latin LIMIT ?"));
    q.addBindValue(player);
    q.addBindValue(msecs(since));
    q.addBindValue(kindText(kind));
    q.addBindValue(count);
    if (!run(q)) return out;
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt()});
    return out;
}

} // namespace players
