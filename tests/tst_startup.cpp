// Start-up of the main window: the idle board, its tick, the music, the guard; the vocabulary loader as
// start-up and game start call it: line ends, comments, defective lines and the report's limit, the warnings
// and their order, languages, the personal file, encodings.
#include "board/guard.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"
#include "ui/error.h"
#include "ui/multimedia.h"

#include <QFile>
#include <QTest>

namespace {
// The test vocabulary of `n` records with other line ends.
QByteArray records(int n, const QByteArray &end = "\r\n") {
    return makeVocabulary(n).replace("\r\n", end);
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void idleBoard() {
        BoardFixture fx;
        fx.store(QStringLiteral("Lingua"), QStringLiteral("1"));
        fx.store(QStringLiteral("Musica"), QStringLiteral("0"));
        Traduci &b = fx.board();
        // the stored language, music and sounds (absent: on)
        QCOMPARE(b.state.vocabularyTable[1][3], QStringLiteral("word1"));
        QCOMPARE(b.state.musicOn, 0);
        QCOMPARE(b.state.soundsOn, -1);
        QVERIFY(b.Timer1->enabled());
        QCOMPARE(b.Timer1->interval(), 1000);
        QVERIFY(b.tag().isEmpty());
        QVERIFY(!b.isVisible()); // shown once the start-up and its warnings are over
        QVERIFY(fx.platform.messages.isEmpty());
        QCOMPARE(fx.platform.endCount, 0);
        // neither the start-up nor the idle board makes the settings window
        b.Timer1_Timer();
        QVERIFY(!b.hasImpostazioni());
    }

    // With real devices on SDL's dummy driver and short files: the music
    // starts at the fanfare's end, loops, and closes when it is turned off.
    void musicFollowsTheFanfareAndLoops() {
        BoardFixture fx;
        for (const char *f :
             {"Vittoria.wav:short.wav", "Right.wav:short.wav", "Wrong.wav:long.wav", "musica.mid:note.mid"}) {
            QFile in(QStringLiteral(TEST_DATA_DIR "/sound/") + QString::fromLatin1(f).section(':', 1));
            QVERIFY(in.open(QIODevice::ReadOnly));
            fx.write(QString::fromLatin1(f).section(':', 0, 0), in.readAll());
        }
        Traduci &b = fx.board();
        const auto plays = [](ui::MultimediaDevice *d) {
            return int(d->history().count(QStringLiteral("Play")));
        };
        QCOMPARE(plays(b.MCImusica), 0);
        QTRY_COMPARE_WITH_TIMEOUT(plays(b.MCImusica), 1, 5000);
        QCOMPARE(b.MCImusica->history(), (QStringList{"Open", "Close", "Open", "Prev", "Play"}));
        QTRY_COMPARE_WITH_TIMEOUT(plays(b.MCImusica), 2, 15000); // the piece's end starts it again
        b.state.musicOn = 0;
        b.aggiornamusica();
        QCOMPARE(b.MCImusica->history().last(), QStringLiteral("Close"));
        QVERIFY(b.MCImusica->mode() != 526);
    }

    // A failure because a file is not found lets the next step run; any other
    // shows its code and ends the program.
    void guard() {
        BoardFixture fx;
        QStringList ran;
        QVERIFY(runUnderGuard([&] { ran << "a"; }));
        QVERIFY(runUnderGuard([] { throw ui::RuntimeError(53, "file not found"); }));
        QVERIFY(runUnderGuard([&] { ran << "c"; }));
        QCOMPARE(ran, (QStringList{"a", "c"}));
        QVERIFY(fx.platform.messages.isEmpty());
        QVERIFY(!runUnderGuard([] { throw ui::RuntimeError(7, "out of memory"); }));
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].text, QStringLiteral("errore  7"));
        QCOMPARE(fx.platform.messages[0].icon, ui::Icon::None);
        QCOMPARE(fx.platform.endCount, 1);
    }

    void load_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("last");       // lastWordIndex afterwards
        QTest::addColumn<QString>("record"); // the fields of the record `last`
        QTest::addColumn<QString>("messages");
        const auto row = [](const char *name, const QByteArray &bytes, int last, const QString &record,
                            const QString &messages = QString(), int language = 0,
                            const char *file = "test.txt") {
            QTest::addRow("%s", name)
                << bytes << QString::fromLatin1(file) << language << last << record << messages;
        };
        const QString defects = QStringLiteral("Record difettosi nel file  test.txt: ");
        const QString last120 = QStringLiteral("4 4 verbum120 parola120"),
                      last110 = QStringLiteral("2 2 verbum110 parola110");
        row("CR", records(120, "\r"), 120, last120);
        row("LF", records(120, "\n"), 120, last120);
        row("a record of four fields", records(100) + "2;3;amo;amare\r\n", 101, "2 3 amo amare");
        row("comments, not indented ones",
            records(110) + "/ a comment; with; three; semicolons\r\n / not a comment\r\n", 110, last110,
            defects + " / not a comment\r\n");
        row("short lines defective, blank ones silent", records(110) + "a;b\r\n\r\n   \r\nc;d;e\r\n", 110,
            last110, defects + "a;b\r\nc;d;e\r\n");
        row("99 records: no warning", records(98) + "1;1;x;y;z\r\n", 99, "1 1 x y");
        row("both warnings, defects first", records(10) + "bad line\r\n", 10, "2 2 verbum10 parola10",
            defects + "bad line\r\n|: Solo 11 vocaboli nel file  test.txt");
        row("empty file", QByteArray(), -1, "", ": Solo 0 vocaboli nel file  test.txt");
        row("trailing comment", records(120) + "/ the end", 120, last120);
        row("second language, a record without it", records(110) + "2;3;amo;amare\r\n", 110,
            "2 2 verbum110 word110", defects + "2;3;amo;amare\r\n", 1);
        row("no language selected", records(110), 110, last110, "", -1);
        row("the personal file reads field four", records(110), 110, last110, "", 1, "vocpers.txt");
        row("names are exact", records(110), 110, "2 2 verbum110 word110", "", 1, "VOCPERS.TXT");
        row("Windows-1252", records(110) + "1;4;ecce;ecco \xE0 te \x80 \x9C\r\n", 111,
            QString::fromUtf8("1 4 ecce ecco à te € œ"));
        row("UTF-8", records(110) + "1;4;ecce;citt\xC3\xA0\r\n", 111, QString::fromUtf8("1 4 ecce città"));
        row("UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + records(110) + "1;4;ecce;citt\xC3\xA0\r\n", 111,
            QString::fromUtf8("1 4 ecce città"));
        // The report's limit is 400 characters: past it the program ends.
        const QByteArray forty = QByteArray(40, 'x') + "\r\n";
        row("nine defects, 378 characters: a warning", records(120) + forty.repeated(9), 120, last120,
            defects + forty.repeated(9));
        row("ten defects, 420 characters: the end", records(120) + forty.repeated(10), 120, last120,
            "Troppi record difettosi nel file test.txt: " + forty.repeated(10));
    }
    void load() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, language);
        QFETCH(int, last);
        QFETCH(QString, record);
        QFETCH(QString, messages);
        BoardFixture fx;
        Traduci &b = fx.board();
        fx.platform.messages.clear();
        fx.write(name, bytes);
        b.impostazioni()->Lingue->setListIndex(language);
        b.aprivocaboli(name);
        const TraduciState &s = b.state;
        const bool fatal = messages.startsWith(QLatin1String("Troppi")); // the program ends
        if (!fatal) {
            QCOMPARE(s.lastWordIndex, last);
            QCOMPARE(int(s.vocabularyTable.size()), last + 1);
        }
        if (!fatal && last >= 0) {
            QCOMPARE(s.vocabularyTable[0][0], QStringLiteral("Ordo"));
            const VocabularyRecord &r = s.vocabularyTable[last];
            QCOMPARE(QStringList(r.begin(), r.end()).join(' '), record);
        }
        QStringList shown;
        for (const RecordedMessage &m : fx.platform.messages) {
            shown << m.title + ": " + m.text;
            QCOMPARE(m.icon, fatal ? ui::Icon::Critical : ui::Icon::Exclamation);
        }
        QCOMPARE(shown.join('|'), messages);
        QCOMPARE(fx.platform.endCount, fatal ? 1 : 0);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
