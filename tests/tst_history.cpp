// The players' memory without any window: the card box's schedule day by
// day, the history's round trip through its database, and databases that
// cannot be used, set aside with the history starting again.

#include "players/history.h"
#include "players/historystore.h"
#include "players/progress.h"
#include "players/schedule.h"
#include "support/boardfixture.h"
#include "support/datarow.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using namespace players;

namespace {

const QDate day0(2026, 3, 2);

// A game of `player` on side 1 (and of "b" on side 2 when two play), with
// words "latin:strikes".
GameRecord game(const QString &player, int minutes, const QStringList &words, int players = 1) {
    GameRecord g;
    g.started = QDateTime(day0, QTime(10, minutes)), g.playerCount = players;
    g.vocabulary = "vocabula.txt", g.language = "Italiano", g.classes = g.frequencies = "1111";
    g.sides.push_back({1, player, player.toUpper()});
    if (players == 2) g.sides.push_back({2, "b", "B"});
    for (const QString &w : words)
        g.words.push_back({w.section(':', 0, 0), "1", "x", w.section(':', 1)});
    return g;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
  private slots:
    // Days from the first miss; "3+" is a right answer at the first strike on
    // day 3, "3-" a miss. (The first boxes are tried in play with the missed words.)
    void schedule_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("box"); // 0: mastered
        QTest::addColumn<int>("due");
        QTest::newRow("each box twice as long") << "0- 1+ 3+ 7+" << 4 << 15;
        QTest::newRow("answered late: counted from that day") << "0- 9+" << 2 << 11;
        QTest::newRow("right in box 5: mastered") << "0- 1+ 3+ 7+ 15+ 31+" << 0 << 0;
        QTest::newRow("box 5 not yet due: stays") << "0- 1+ 3+ 7+ 15+ 30+" << 5 << 31;
    }
    void schedule() {
        QFETCH(QString, answers);
        QFETCH(int, box);
        QFETCH(int, due);
        std::optional<schedule::Card> card;
        for (const QString &a : answers.split(' ')) {
            const QDate today = day0.addDays(a.chopped(1).toInt());
            card = a.endsWith('-') ? schedule::missed(today) : schedule::rightAtFirstStrike(*card, today);
            if (!card) break;
        }
        QCOMPARE(card ? card->box : 0, box);
        if (card) QCOMPARE(day0.daysTo(card->due), due);
    }

    // A game of missed words asks the overdue first, then those due soonest;
    // words due the same day come in the order of the random draws.
    void askingOrder_data() {
        QTest::addColumn<QList<int>>("dueIn"); // days from today
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("order");
        row("due, then soonest", QList<int>{3, -2, 0, 1, 9}, QList<float>(5, 0.5f), 4,
            QList<int>{1, 2, 3, 0});
        row("a day's words by the draws", QList<int>{0, 0, 0, -1}, QList<float>{0.7f, 0.1f, 0.4f, 0.9f}, 4,
            QList<int>{3, 1, 2, 0});
        row("more than asked for", QList<int>{5, 4, 3}, QList<float>(3, 0.5f), 10, QList<int>{2, 1, 0});
    }
    void askingOrder() {
        QFETCH(QList<int>, dueIn);
        QFETCH(QList<float>, draws);
        QFETCH(int, count);
        QFETCH(QList<int>, order);
        QList<QDate> due;
        for (int d : dueIn)
            due.append(day0.addDays(d));
        qsizetype next = 0;
        QCOMPARE(schedule::askingOrder(due, count, [&] { return draws.value(next++); }), order);
    }

    // More games than a chart has room for: the mean of each equal stretch
    // of time, stretches without games left out.
    void thinned() {
        QList<QPointF> points;
        for (int x = 0; x < 1000; ++x)
            points.append({double(x < 500 ? x : x + 1000), double(x % 2)});
        const QList<QPointF> t = players::thinned(points, 8);
        QCOMPARE(t.size(), 4);
        QCOMPARE(t.first(), QPointF(124.5, 0.5));
        QCOMPARE(t.last(), QPointF(1874.5, 0.5));
        QCOMPARE(players::thinned(points.mid(0, 8), 8), points.mid(0, 8));
    }

    // The words mastered each week from the week of the first day to the week
    // of the last, Mondays first; days outside the range are not counted.
    void masteredPerWeek() {
        const QDate wed(2026, 11, 4), sun(2026, 11, 22);
        const QList<QDate> days{wed.addDays(-3), wed.addDays(-2), wed, wed.addDays(4), wed.addDays(5), sun,
                                sun.addDays(1)};
        QList<std::pair<QDate, int>> expected{
            {QDate(2026, 11, 2), 3}, {QDate(2026, 11, 9), 1}, {QDate(2026, 11, 16), 1}};
        QCOMPARE(players::masteredPerWeek(days, wed, sun), expected);
        QVERIFY(players::masteredPerWeek(days, sun, wed).isEmpty());
        expected << std::pair{sun.addDays(1), 1}; // to a Monday: its week, too
        QCOMPARE(players::masteredPerWeek(days, wed, sun.addDays(1)), expected);
    }

    // Written, closed, opened again (made in an empty file): the games read
    // back per player (their figures are checked in play), the most missed
    // words, the days words were mastered; the schema at its version.
    void roundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath("historia.sqlite");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        {
            HistoryStore s(path);
            QVERIFY(s.open());
            QVERIFY(s.add(game("a", 0, {"amo:1-1-1+", "rosa:1+"})));
            QVERIFY(s.add(game("a", 5, {"amo:2-1-2+", "via:1-1+", "rosa:1-2+"}, 2)));
            QVERIFY(s.addMastered({"a", "via", "1", day0}));
            // Two guests play each other: one game of theirs, both sides' figures.
            GameRecord guests = game("h", 7, {"amo:1-2-1+"}, 2);
            guests.sides[1].player = "h";
            guests.sides[0].right = guests.sides[0].errors = 1;
            guests.sides[1].right = 2, guests.sides[1].errors = 1;
            guests.winner = 2;
            QVERIFY(s.add(guests));
        }
        HistoryStore s(path);
        QVERIFY(s.open());
        QVERIFY(s.takeSetAside().isEmpty());
        const QList<PlayedGame> a = s.games("a", QDateTime(), true);
        QCOMPARE(a.size(), 2);
        QCOMPARE(a[0].started, QDateTime(day0, QTime(10, 0)).toMSecsSinceEpoch());
        QCOMPARE(a[1].vocabulary + a[1].language + a[1].classes, QStringLiteral("vocabula.txtItaliano1111"));
        QCOMPARE(s.games("b", QDateTime()).size(), 1);
        QCOMPARE(s.games("a", QDateTime(day0, QTime(10, 1))).size(), 1);
        const QList<PlayedGame> h = s.games("h", QDateTime());
        QCOMPARE(h.size(), 1);
        QCOMPARE((std::array{h[0].right, h[0].errors, h[0].side}), (std::array{3, 2, 2}));
        // The most missed: amo twice, then once; rosa and via once each.
        QStringList missed;
        for (const MissedCount &m : s.mostMissed("a", QDateTime(), 2))
            missed << m.latin + '=' + QString::number(m.misses);
        QCOMPARE(missed, QStringList({"amo=3", "rosa=1"}));
        QCOMPARE(s.masteredDays("a", QDate()), QList<QDate>{day0});
        QSqlQuery q(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()));
        QVERIFY(q.exec("PRAGMA user_version") && q.next());
        QCOMPARE(q.value(0).toInt(), HistoryStore::schemaVersion);
        QVERIFY(q.exec("PRAGMA journal_mode") && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    }

    // A database that cannot serve (at = where it is overwritten or cut,
    // from its end when negative) is set aside whole under the day's name,
    // a new one is made and takes the next game: so is one of a schema
    // version this program does not know, another program's stamped with our
    // version, and a link that loops. One that still reads whole (its last
    // byte, a zero, cut off) stays in use; one its owner made unreadable is
    // left as it is.
    void damaged_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<qint64>("at");
        for (const QStringList &f : tableOf(TEST_DATA_DIR "/damaged-history.tsv"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2].toLongLong();
        row("another program's, stamped our version", "foreign", qint64(HistoryStore::schemaVersion));
    }
    void damaged() {
        QFETCH(QString, damage);
        QFETCH(qint64, at);
        QTemporaryDir dir;
        const QString path = dir.filePath("historia.sqlite");
        {
            HistoryStore s(path); // three games of "a"
            QVERIFY(s.open());
            for (int m = 0; m < 3; ++m)
                s.add(game("a", m, {"amo:1-1+", "rosa:1+"}));
        }
        if (damage == "foreign") {
            // Tables of another kind, the version ours or none.
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("DROP TABLE words") && q.exec("CREATE TABLE words(id INTEGER, text TEXT)"));
            QVERIFY(q.exec(QString("PRAGMA user_version=%1").arg(at)));
            QVERIFY(q.exec("PRAGMA wal_checkpoint(TRUNCATE)"));
            q.finish();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase("other");
        }
        QByteArray bytes = readAll(path);
        QVERIFY(bytes.size() > 20000);
        const qint64 where = at < 0 ? bytes.size() + at : at;
        if (damage == "cut") bytes.truncate(where);
        if (damage == "overwrite") bytes.replace(where, 100, QByteArray(100, '\x5a'));
        if (damage == "version") // SQLite's user_version, big-endian at 60
            for (int k = 0; k < 4; ++k)
                bytes[60 + k] = char(quint32(at) >> (24 - 8 * k));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
        f.close();
        if (damage == "read-only") QVERIFY(f.setPermissions(QFile::ReadOwner));
        if (damage == "unreadable") QVERIFY(f.setPermissions(QFile::WriteOwner));
        if (damage == "folder") QVERIFY(f.remove() && QDir(dir.path()).mkpath("historia.sqlite/sub"));
        if (damage == "loop") QVERIFY(f.remove() && QFile::link(path, path));

        HistoryStore s(path);
        QCOMPARE(s.open(), damage != "unreadable");
        const QString aside = s.takeSetAside();
        const bool setAside = damage != "unreadable" && !(damage == "cut" && at == -1);
        QCOMPARE(aside, setAside ? HistoryStore::asideName(path, QDate::currentDate()) : QString());
        if (damage == "unreadable") {
            QCOMPARE(s.state(), HistoryStore::State::Unreadable);
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
            QCOMPARE(readAll(path), bytes);
            return;
        }
        QCOMPARE(s.asideReason(), damage == "version"   ? HistoryStore::Aside::UnknownVersion
                                  : damage == "foreign" ? HistoryStore::Aside::Foreign
                                                        : HistoryStore::Aside::Damaged);
        // The old file kept whole beside the new one, which holds the new game alone.
        QVERIFY(s.add(game("a", 30, {"amo:1+"})));
        QCOMPARE(s.games("a", QDateTime()).size(), setAside ? 1 : 4);
        if (damage == "folder")
            QVERIFY(QFileInfo(aside + "/sub").isDir());
        else if (damage == "loop")
            QCOMPARE(QFileInfo(aside).symLinkTarget(), path);
        else if (setAside)
            QCOMPARE(readAll(aside), bytes);
    }

    // A history that cannot be made where it belongs (a file where its
    // folder should be, as a read-only folder is for a user) is not called
    // damaged: nothing was there, nothing is set aside.
    void noPlaceForIt() {
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("data")).open(QIODevice::WriteOnly));
        HistoryStore s(dir.filePath("data/historia.sqlite"));
        QVERIFY(!s.open());
        QCOMPARE(s.state(), HistoryStore::State::Unusable);
        QCOMPARE(s.takeSetAside(), QString());
    }

    // A full disk, at the first start (no history can be made) or at a later
    // game: one message, nothing set aside or left behind, and the game and a
    // word mastered meanwhile kept to be written with the next game once there
    // is room. On a small file system of its own (mounting one needs root).
    void fullDisk_data() {
        QTest::addColumn<int>("before"); // games written before the disk fills
        QTest::addColumn<QString>("told");
        QTest::newRow("at the first start") << 0 << "Il disco è pieno: la storia delle partite";
        QTest::newRow("at a later game") << 2 << "Il disco è pieno: la partita non è entrata";
    }
    void fullDisk() {
        QFETCH(int, before);
        QFETCH(QString, told);
        QTemporaryDir dir;
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o", "size=512k", "tmpfs", dir.path()});
        if (!mount.waitForFinished() || mount.exitCode() != 0)
            QSKIP("A small tmpfs could not be mounted here (not root?): the full disk is not tried.");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {dir.path()}); });
        History h(dir.filePath("historia.sqlite"));
        QStringList messages;
        connect(&h, &History::trouble, this, [&](const QString &text) { messages << text; });
        const auto settle = [&] {
            h.flush();
            QCoreApplication::processEvents();
        };
        for (int m = 0; m < before; ++m)
            h.record(game("a", m, {"amo:1+"}));
        settle();
        QCOMPARE(messages, QStringList());
        QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden) << "filler";
        files.sort();
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'f')) == 512) {
        }
        filler.close();
        QStringList words;
        for (int w = 0; w < 200; ++w)
            words << QStringLiteral("verbum%1:1-1+").arg(w);
        h.record(game("a", 30, words));
        h.mastered({"a", "amo", "1", day0});
        settle();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(told), qPrintable(messages[0]));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), files);
        QVERIFY(filler.remove());
        h.record(game("a", 40, {"amo:1+"}));
        settle();
        QCOMPARE(messages.size(), 1);
        qsizetype games = -1, mastered = -1;
        h.read([&](const HistoryStore &s) { games = s.games("a", QDateTime()).size(); });
        h.read([&](const HistoryStore &s) { mastered = s.masteredDays("a", day0).size(); });
        QCOMPARE(games, before + 2);
        QCOMPARE(mastered, 1);
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
