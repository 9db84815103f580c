// The file of missed words on its own: a FIFO in its place is neither waited
// on nor written nor replaced; counts past the largest int; lines typed in
// either encoding come back with the characters typed.

#include "errata/missedlist.h"

#include <QtTest>
#include <sys/stat.h>

namespace {

const QByteArray h = "Ordo;Classis;Verbum latinum;Italiano;English\r\n";
const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toLatin1();

// A missed word's two lines, in box 1 due the day after `day` ("TOMORROW"
// after "TODAY") unless the card is given ("" for none, as files had before).
QByteArray entry(const QByteArray &record, const QByteArray &errors, const QByteArray &day = "2026-11-30",
                 const QByteArray &card = "default") {
    const QByteArray next = day == "TODAY" ? QByteArray("TOMORROW")
                                           : QDate::fromString(QString::fromLatin1(day), Qt::ISODate)
                                                 .addDays(1)
                                                 .toString(Qt::ISODate)
                                                 .toLatin1();
    const QByteArray c = card == "default" ? "; capsa: 1; debetur: " + next : card;
    return "/ errores: " + errors + "; ultimus: " + day + c + "\r\n" + record + "\r\n";
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstMissedFile : public QObject {
    Q_OBJECT
  private slots:
    // Opening a FIFO for reading waits for a writer, for writing waits for a
    // reader; the new file must not take its place either.
    void fifoNeverOpened() {
        QTemporaryDir dir;
        const QString path = dir.filePath(MissedList::defaultFile);
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        MissedList read;
        QCOMPARE(read.load(path), MissedList::Status::Unreadable);
        QVERIFY(!read.save(path));
        MissedList fresh;
        fresh.setHeading(QString::fromLatin1(h.trimmed()));
        fresh.miss({QStringLiteral("1"), QStringLiteral("rosa"), {QStringLiteral("rosa")}, 0, {}, 1, {}},
                   QDate::currentDate());
        QVERIFY(!fresh.save(path));
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{MissedList::defaultFile});
    }

    // The file read, changed ("miss LATIN CLASS", "master LATIN CLASS" or
    // "right LATIN CLASS" for a right answer at the first strike, in turn)
    // and written again: bytes in, bytes out ("TODAY" is today's date,
    // "TOMORROW" and "IN8" one and eight days on).
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QByteArray>("output");
        const QByteArray v1 = "0;1;verbum1;parola1;word1", v2 = "0;2;verbum2;parola2;word2";
        QTest::newRow("a count past the largest int reads as the largest")
            << h + entry(v1, "99999999999") << "" << h + entry(v1, "2147483647");
        QTest::newRow("a word listed twice adds up to at most the largest")
            << h + entry(v1, "2147483647") + entry(v1, "2147483647", "2026-12-01") << ""
            << h + entry(v1, "2147483647", "2026-12-01", "; capsa: 1; debetur: 2026-12-01");
        QTest::newRow("a miss on the largest count")
            << h + entry(v1, "2147483647") << "miss verbum1 1" << h + entry(v1, "2147483647", "TODAY");
        QTest::newRow("a word mastered, then a later word missed")
            << h + entry(v1, "1") + "/ note\r\n" + entry(v2, "1") << "master verbum1 1,miss verbum2 2"
            << h + "/ note\r\n" + entry(v2, "2", "TODAY");
        // A file written before the card box: each word in box 1, due today.
        QTest::newRow("no box: box 1, due today")
            << h + entry(v1, "1", "2026-11-30", "") << ""
            << h + entry(v1, "1", "2026-11-30", "; capsa: 1; debetur: TODAY");
        QTest::newRow("due, right: a box up")
            << h + entry(v1, "1", "2026-11-30", "; capsa: 3; debetur: 2026-12-01") << "right verbum1 1"
            << h + entry(v1, "1", "2026-11-30", "; capsa: 4; debetur: IN8");
        QTest::newRow("not due, right: stays")
            << h + entry(v1, "1", "2026-11-30", "; capsa: 3; debetur: 2999-01-01") << "right verbum1 1"
            << h + entry(v1, "1", "2026-11-30", "; capsa: 3; debetur: 2999-01-01");
        QTest::newRow("right in the last box: gone")
            << h + entry(v1, "1", "2026-11-30", "; capsa: 5; debetur: 2026-12-01") + "/ note\r\n"
            << "right verbum1 1" << h + "/ note\r\n";
        QTest::newRow("impossible box: box 1, due today")
            << h + entry(v1, "1", "2026-11-30", "; capsa: 7; debetur: 2026-12-01") << ""
            << h + entry(v1, "1", "2026-11-30", "; capsa: 1; debetur: TODAY");
        // A note typed in UTF-8 into a Windows-1252 file keeps its "è" when a
        // word beyond Windows-1252 turns the file into UTF-8, and when the
        // file stays Windows-1252 (where the vocabulary loader reads it too).
        const QByteArray mixed = h + entry("0;1;urbs;citt\xE0", "1") + "/ perch\xC3\xA8 no\r\n";
        QTest::newRow("a UTF-8 line in a Windows-1252 file turned UTF-8")
            << mixed << "miss r\xC4\x81mus 1"
            << "\xEF\xBB\xBF" + h + entry("0;1;urbs;citt\xC3\xA0", "1") + "/ perch\xC3\xA8 no\r\n" +
                   entry("0;1;r\xC4\x81mus;ramo", "1", "TODAY");
        QTest::newRow("a UTF-8 line in a file staying Windows-1252")
            << mixed << "miss rosa 1"
            << h + entry("0;1;urbs;citt\xE0", "1") + "/ perch\xE8 no\r\n" +
                   entry("0;1;rosa;ramo", "1", "TODAY");
    }
    void roundTrip() {
        QFETCH(QByteArray, input);
        QFETCH(QString, changes);
        QFETCH(QByteArray, output);
        QTemporaryDir dir;
        const QString path = dir.filePath(MissedList::defaultFile);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(input) == input.size());
        f.close();
        MissedList l;
        QCOMPARE(l.load(path), MissedList::Status::Read);
        for (const QString &change : changes.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList c = change.split(QLatin1Char(' '));
            if (c[0] == QLatin1String("master"))
                QVERIFY(l.master(c[1], c[2]));
            else if (c[0] == QLatin1String("right"))
                l.rightAtFirstStrike(c[1], c[2], QDate::currentDate());
            else
                l.miss({c[2], c[1], {QStringLiteral("ramo")}, 0, {}, 1, {}}, QDate::currentDate());
        }
        QVERIFY(l.save(path));
        const auto in = [](int days) {
            return QDate::currentDate().addDays(days).toString(Qt::ISODate).toLatin1();
        };
        QCOMPARE(readAll(path),
                 QByteArray(output).replace("TODAY", today).replace("TOMORROW", in(1)).replace("IN8", in(8)));
    }
};

QTEST_GUILESS_MAIN(TstMissedFile)
#include "tst_missedfile.moc"
