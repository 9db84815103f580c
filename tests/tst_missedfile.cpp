// The file of missed words on its own: its round trip with the lines kept as
// they stand, the atomic rewrite, counts past the largest int, lines typed in
// either encoding kept; a FIFO in its place is never opened nor replaced.

#include "errata/missedlist.h"
#include "support/boardfixture.h"
#include "support/datarow.h"
#include "vocabulary/vocabularyfile.h"

#include <QtTest>
#include <sys/stat.h>

namespace {

const QByteArray h = testHeading + "\r\n", bom = "\xEF\xBB\xBF";

// A missed word's two lines: its errors, its card ("BOX DUE-DAY") and its last day.
QByteArray entry(const QByteArray &record, const QByteArray &errors, const QByteArray &card = "1 2026-12-01",
                 const QByteArray &day = "2026-11-30") {
    return "/ errores: " + errors + "; ultimus: " + day + "; capsa: " + card.first(1) +
           "; debetur: " + card.mid(2) + "\r\n" + record + "\r\n";
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
        MissedList read, fresh;
        QCOMPARE(read.load(path), MissedList::Status::Unreadable);
        QVERIFY(!read.save(path) && !fresh.save(path));
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{MissedList::defaultFile});
    }

    // The file read, changed ("miss|master LATIN CLASS" in turn: one more
    // error, or a right answer at the first strike mastering a word due in the last box) and written again:
    // bytes in, bytes out ("DAY+n": n days on). A reader of the old file still reads it whole afterwards: the
    // new file was written beside it, then put in its place.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QByteArray>("output");
        const QByteArray v1 = "0;1;verbum1;parola1;word1", v2 = "0;2;verbum2;parola2;word2";
        const QByteArray mine = "/ my own note\r\n0;3;amo;amare;to love\r\n not a record\r\n";
        row("a miss counts in place, a word mastered, hand-added lines kept",
            h + entry(v1, "2") + mine + entry(v2, "1", "5 2026-12-01"), "miss verbum1 1,master verbum2 2",
            h + entry(v1, "3", "1 DAY+1", "DAY+0") + mine);
        row("after a word mastered, a miss still counts in place",
            h + entry(v1, "2") + mine + entry(v2, "1", "5 2026-12-01"), "master verbum2 2,miss verbum1 1",
            h + entry(v1, "3", "1 DAY+1", "DAY+0") + mine);
        const QByteArray noWord = h + "/ errores: 4; ultimus: 2026-12-01 x\r\n0;3;amo;amare;to love\r\n";
        row("a comment with more after its day is no word's", noWord, "", noWord);
        row("a comment without its record is kept",
            h + "/ errores: 4; ultimus: 2026-12-01\r\n" + entry(v1, "1"), "",
            h + "/ errores: 4; ultimus: 2026-12-01\r\n" + entry(v1, "1"));
        // The sum, at most the largest; the later last day, the sooner due day.
        row("a word listed twice counts once; an impossible box is box 1, due today",
            h + entry(v1, "2147483000") + entry(v2, "1", "7 2026-12-01") +
                entry(v1, "1000", "1 2026-12-02", "2026-12-01"),
            "", h + entry(v1, "2147483647", "1 2026-12-01", "2026-12-01") + entry(v2, "1", "1 DAY+0"));
        row("an impossible due day, a box without its day: box 1, due today",
            h + "/ errores: 2; ultimus: 2026-11-30; capsa: 3; debetur: 2026-02-30\r\n" + v1 +
                "\r\n/ errores: 1; ultimus: 2026-11-30; capsa: 3\r\n" + v2 + "\r\n",
            "", h + entry(v1, "2", "1 DAY+0") + entry(v2, "1", "1 DAY+0"));
        // "cælum" in Windows-1252 is the word the game misses in Unicode.
        row("a Windows-1252 word with a letter beyond ASCII counts in place",
            h + entry("0;1;c\xE6lum;cielo", "2"), "miss c\xC3\xA6lum 1",
            h + entry("0;1;c\xE6lum;cielo", "3", "1 DAY+1", "DAY+0"));
        row("a word mastered, then a later count past the largest int missed",
            h + entry(v1, "1", "5 2026-12-01") + "/ note\r\n" + entry(v2, "99999999999"),
            "master verbum1 1,miss verbum2 2",
            h + "/ note\r\n" + entry(v2, "2147483647", "1 DAY+1", "DAY+0"));
        // An older file's comment, without its box: box 1, due today.
        row("UTF-8 and LF become Windows-1252 and CR LF",
            QByteArray("Ordo;Classis;Verbum latinum;Italiano\n/ errores: 1; ultimus: "
                       "2026-12-01\n0;1;urbs;citt\xC3\xA0\n"),
            "",
            "Ordo;Classis;Verbum latinum;Italiano\r\n" +
                entry("0;1;urbs;citt\xE0", "1", "1 DAY+0", "2026-12-01"));
        const QByteArray greek = h + entry("0;1;caritas;\xCE\xB1\xCE\xB3\xCE\xAC\xCF\x80\xCE\xB7", "1");
        QTest::newRow("text beyond Windows-1252 stays UTF-8") << greek << "" << bom + greek;
        // In Windows-1252 these two letters would read back as UTF-8 "é".
        const QByteArray mojibake = bom + h + entry("0;1;x;\xC3\x83\xC2\xA9", "1");
        QTest::newRow("Windows-1252 that reads as UTF-8") << mojibake << "" << mojibake;
        // A note typed in UTF-8 into a Windows-1252 file keeps its "è" when a word
        // beyond Windows-1252 turns the file into UTF-8, and when it stays so.
        const QByteArray mixed = h + entry("0;1;urbs;citt\xE0", "1") + "/ perch\xC3\xA8 no\r\n";
        row("a UTF-8 line in a Windows-1252 file turned UTF-8", mixed, "miss r\xC4\x81mus 1",
            bom + h + entry("0;1;urbs;citt\xC3\xA0", "1") + "/ perch\xC3\xA8 no\r\n" +
                entry("0;1;r\xC4\x81mus;ramo", "1", "1 DAY+1", "DAY+0"));
        row("a UTF-8 line in a file staying Windows-1252", mixed, "miss rosa 1",
            h + entry("0;1;urbs;citt\xE0", "1") + "/ perch\xE8 no\r\n" +
                entry("0;1;rosa;ramo", "1", "1 DAY+1", "DAY+0"));
    }
    void roundTrip() {
        QFETCH(QByteArray, input);
        QFETCH(QString, changes);
        QFETCH(QByteArray, output);
        QTemporaryDir dir;
        QFile reader(dir.filePath(MissedList::defaultFile));
        if (!input.isNull()) {
            QVERIFY(reader.open(QIODevice::WriteOnly) && reader.write(input) == input.size());
            reader.close();
        }
        QCOMPARE(reader.open(QIODevice::ReadOnly), !input.isNull());
        MissedList l;
        QCOMPARE(l.load(reader.fileName()),
                 input.isNull() ? MissedList::Status::Absent : MissedList::Status::Read);
        if (l.heading().isEmpty()) l.setHeading(QString::fromLatin1(testHeading));
        for (const QString &change : changes.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList c = change.split(QLatin1Char(' '));
            if (c[0] == QLatin1String("master"))
                QCOMPARE(l.rightAtFirstStrike(c[1], c[2], QDate::currentDate()), MissedList::Moved::Mastered);
            else
                l.miss({c[2], c[1], {QStringLiteral("ramo")}, 0, {}, 1, {}}, QDate::currentDate());
        }
        QVERIFY(l.save(reader.fileName()));
        QFile file(reader.fileName());
        const QByteArray written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        for (int n = 0; n < 2; ++n)
            output.replace("DAY+" + QByteArray::number(n),
                           QDate::currentDate().addDays(n).toString(Qt::ISODate).toLatin1());
        QCOMPARE(written, output);
        QCOMPARE(reader.readAll(), input);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{MissedList::defaultFile});
        // The vocabulary loader takes the file too: a record for every word.
        QCOMPARE(vocabulary::parse(written, 0).rows.size() - 1,
                 size_t(l.words().size() + written.count("\r\n0;3;amo")));
    }
};

QTEST_GUILESS_MAIN(TstMissedFile)
#include "tst_missedfile.moc"
