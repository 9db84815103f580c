// The players' memory without any window: the card box's schedule day by
// day, the history's round trip through its database, and databases that
// cannot be used, set aside with the history starting again.

#include "players/historystore.h"
#include "players/progress.h"
#include "players/schedule.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace players;

namespace {

const QDate day0(2026, 3, 2);

// A game of `player` on side 1 (and of "b" on side 2 when two play), with
// words "latin:strikes".
GameRecord game(const QString &player, int minutes, const QStringList &words, int players = 1) {
    GameRecord g;
    g.started = QDateTime(day0, QTime(10, minutes));
    g.seconds = 60;
    g.vocabulary = QStringLiteral("vocabula.txt");
    g.language = QStringLiteral("Italiano");
    g.classes = g.frequencies = QStringLiteral("1111");
    g.speed = 3;
    g.wordsPerGame = 10;
    g.playerCount = players;
    g.sides.push_back({1, player, player.toUpper(), 0, 0, 0});
    if (players == 2) g.sides.push_back({2, QStringLiteral("b"), QStringLiteral("B"), 0, 0, 0});
    for (const QString &w : words) {
        const AskedWord a{w.section(QLatin1Char(':'), 0, 0), QStringLiteral("1"), QStringLiteral("x"),
                          w.section(QLatin1Char(':'), 1)};
        g.words.push_back(a);
        for (SideRecord &s : g.sides) {
            s.errors += a.wrongOf(s.side);
            s.right += a.strikes.count(QString::number(s.side) + QLatin1Char('+'));
            if (players == 2) s.lockouts = s.errors;
        }
    }
    return g;
}

QByteArray bytesOf(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A database holding three games of "a", closed: its bytes.
QByteArray sampleDatabase(const QString &path) {
    HistoryStore s(path);
    if (!s.open()) return {};
    for (int m = 0; m < 3; ++m)
        s.add(game(QStringLiteral("a"), m, {QStringLiteral("amo:1-1+"), QStringLiteral("rosa:1+")}));
    s.close();
    return bytesOf(path);
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
  private slots:
    // Days are counted from the first miss; "3+" is a right answer at the
    // first strike on day 3, "3-" a miss.
    void schedule_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("box"); // 0: mastered
        QTest::addColumn<int>("due");
        QTest::newRow("missed: box 1, due the next day") << "0-" << 1 << 1;
        QTest::newRow("right the next day: box 2, due two days on") << "0- 1+" << 2 << 3;
        QTest::newRow("right before it is due: nothing moves") << "0- 0+ 1+ 2+" << 2 << 3;
        QTest::newRow("each box twice as long") << "0- 1+ 3+ 7+" << 4 << 15;
        QTest::newRow("answered late: counted from that day") << "0- 9+" << 2 << 11;
        QTest::newRow("a miss in box 4: back to box 1") << "0- 1+ 3+ 7+ 15-" << 1 << 16;
        QTest::newRow("right in box 5: mastered") << "0- 1+ 3+ 7+ 15+ 31+" << 0 << 0;
        QTest::newRow("box 5 not yet due: stays") << "0- 1+ 3+ 7+ 15+ 30+" << 5 << 31;
    }
    void schedule() {
        QFETCH(QString, answers);
        QFETCH(int, box);
        QFETCH(int, due);
        std::optional<schedule::Card> card;
        for (const QString &a : answers.split(QLatin1Char(' '))) {
            const QDate today = day0.addDays(a.chopped(1).toInt());
            card = a.endsWith(QLatin1Char('-')) ? schedule::missed(today)
                                                : schedule::rightAtFirstStrike(*card, today);
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
        QTest::newRow("due, then soonest")
            << QList<int>{3, -2, 0, 1, 9} << QList<float>(5, 0.5f) << 4 << QList<int>{1, 2, 3, 0};
        QTest::newRow("a day's words by the draws")
            << QList<int>{0, 0, 0, -1} << QList<float>{0.7f, 0.1f, 0.4f, 0.9f} << 4 << QList<int>{3, 1, 2, 0};
        QTest::newRow("more than asked for")
            << QList<int>{5, 4, 3} << QList<float>(3, 0.5f) << 10 << QList<int>{2, 1, 0};
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

    // Written, closed, opened again (from no file, from an empty file): every
    // figure read back per player; the schema at its version.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::newRow("no database yet") << QByteArray();
        QTest::newRow("an empty file") << QByteArray("");
    }
    void roundTrip() {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("historia.sqlite"));
        if (!before.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        {
            HistoryStore s(path);
            QVERIFY(s.open());
            QVERIFY(s.add(
                game(QStringLiteral("a"), 0, {QStringLiteral("amo:1-1-1+"), QStringLiteral("rosa:1+")})));
            QVERIFY(s.add(game(
                QStringLiteral("a"), 5,
                {QStringLiteral("amo:2-1-2+"), QStringLiteral("via:1-1+"), QStringLiteral("rosa:1-2+")}, 2)));
            QVERIFY(s.addMastered({QStringLiteral("a"), QStringLiteral("via"), QStringLiteral("1"), day0}));
        }
        HistoryStore s(path);
        QVERIFY(s.open());
        QVERIFY(s.takeSetAside().isEmpty());
        const QList<PlayedGame> a = s.games(QStringLiteral("a"), QDateTime(), true);
        QCOMPARE(a.size(), 2);
        QCOMPARE(a[0].started, QDateTime(day0, QTime(10, 0)).toMSecsSinceEpoch());
        QCOMPARE((std::array{a[0].right, a[0].errors, a[0].lockouts, a[0].asked, a[0].playerCount}),
                 (std::array{2, 2, 0, 2, 1}));
        QCOMPARE((std::array{a[1].right, a[1].errors, a[1].lockouts, a[1].asked, a[1].side}),
                 (std::array{1, 3, 3, 3, 1}));
        QCOMPARE(a[1].vocabulary + a[1].language + a[1].classes, QStringLiteral("vocabula.txtItaliano1111"));
        const QList<PlayedGame> b = s.games(QStringLiteral("b"), QDateTime());
        QCOMPARE(b.size(), 1);
        QCOMPARE((std::array{b[0].right, b[0].errors, b[0].side}), (std::array{2, 1, 2}));
        QCOMPARE(s.games(QStringLiteral("a"), QDateTime(day0, QTime(10, 1))).size(), 1);
        // The most missed: amo twice, then once; rosa and via once each.
        QStringList missed;
        for (const MissedCount &m : s.mostMissed(QStringLiteral("a"), QDateTime(), 2))
            missed << m.latin + QLatin1Char('=') + QString::number(m.misses);
        QCOMPARE(missed, QStringList({QStringLiteral("amo=3"), QStringLiteral("rosa=1")}));
        QCOMPARE(s.masteredDays(QStringLiteral("a"), QDate()), QList<QDate>{day0});
        QSqlQuery q(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), HistoryStore::schemaVersion);
        QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    }

    // A database that cannot serve is set aside whole under the day's name,
    // a new one is made and takes the next game. One that still reads whole
    // (its last byte, a zero, cut off) stays in use.
    void damaged_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a folder in its place") << "folder" << qint64(0) << false;
        QTest::newRow("read-only") << "read-only" << qint64(0) << false;
        QTest::newRow("the heading overwritten") << "overwrite" << qint64(0) << false;
        QTest::newRow("the first table's page overwritten") << "overwrite" << qint64(4096) << false;
        QTest::newRow("the last page overwritten") << "overwrite" << qint64(-4096) << false;
        QTest::newRow("a newer program's database") << "newer" << qint64(0) << true;
        for (qint64 cut : {16, 99, 100, 1000, 4096, 4097, 8192, 10000, 16384, 20000, -4096})
            QTest::addRow("cut at %lld", static_cast<long long>(cut)) << "cut" << cut << false;
        QTest::newRow("cut at -1") << "cut" << qint64(-1) << true;
    }
    void damaged() {
        QFETCH(QString, damage);
        QFETCH(qint64, at);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("historia.sqlite"));
        QByteArray bytes = sampleDatabase(path);
        QVERIFY(bytes.size() > 20000);
        const qint64 where = at < 0 ? bytes.size() + at : at;
        if (damage == QStringLiteral("folder")) {
            QFile::remove(path);
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("historia.sqlite/sub")));
        } else if (damage == QStringLiteral("cut")) {
            bytes.truncate(where);
        } else if (damage == QStringLiteral("overwrite")) {
            bytes.replace(where, 100, QByteArray(100, '\x5a'));
        }
        if (damage == QStringLiteral("newer")) {
            bytes[60 + 3] = 99; // SQLite's user_version, big-endian at offset 60
        }
        if (damage != QStringLiteral("folder")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        }
        if (damage == QStringLiteral("read-only")) QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));

        HistoryStore s(path);
        const bool opened = s.open();
        const QString aside = s.takeSetAside();
        if (damage == QStringLiteral("newer")) {
            QVERIFY(!opened && aside.isEmpty());
            QCOMPARE(s.state(), HistoryStore::State::Newer);
            s.close();
            QCOMPARE(bytesOf(path), bytes);
            return;
        }
        QVERIFY(opened);
        QVERIFY(s.add(game(QStringLiteral("a"), 30, {QStringLiteral("amo:1+")})));
        if (kept) {
            QVERIFY(aside.isEmpty());
            QCOMPARE(s.games(QStringLiteral("a"), QDateTime()).size(), 4);
            return;
        }
        QCOMPARE(aside, HistoryStore::asideName(path, QDate::currentDate()));
        // The old file kept whole beside the new one, which holds the new game alone.
        if (damage == QStringLiteral("folder"))
            QVERIFY(QFileInfo(aside + QStringLiteral("/sub")).isDir());
        else
            QCOMPARE(bytesOf(aside), bytes);
        QCOMPARE(s.games(QStringLiteral("a"), QDateTime()).size(), 1);
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
