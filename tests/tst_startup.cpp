// Start-up: the idle board, its tick, the music, the guard; the vocabulary loader: line ends, comments,
// defects and the report's limit, the warnings and their order, languages, the personal file, encodings.
#include "board/guard.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"
#include "ui/error.h"
#include "ui/multimedia.h"

#include <QFile>
#include <QPointer>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void idleBoard() {
        BoardFixture fx;
        fx.store(QStringLiteral("Lingua"), QStringLiteral("1"));
        fx.store(QStringLiteral("Musica"), QStringLiteral("0"));
        Traduci &b = fx.board();
        // the stored language, music and sounds (absent: on), read through the settings window
        QCOMPARE(b.state.vocabularyTable[1][3], QStringLiteral("word1"));
        QCOMPARE(b.state.musicOn, 0);
        QCOMPARE(b.state.soundsOn, -1);
        // ticking each second, shown once the start-up and its warnings are over
        QVERIFY(b.Timer1->enabled() && b.Timer1->interval() == 1000 && !b.isVisible());
        QVERIFY(!b.hasImpostazioni()); // the settings window read at start-up is closed again
        b.Timer1_Timer();
        QVERIFY(b.hasImpostazioni()); // and the idle tick makes it again, hidden, for its portraits
        QVERIFY(!b.impostazioni()->isVisible());
        // The guard: a file not found lets the next step run; any other failure shows its code and ends.
        QVERIFY(runUnderGuard([] { throw ui::RuntimeError(53, "file not found"); }));
        QVERIFY(fx.platform.messages.isEmpty()); // nor any at start-up
        QVERIFY(!runUnderGuard([] { throw ui::RuntimeError(7, "out of memory"); }));
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].text, QStringLiteral("errore  7"));
        QCOMPARE(fx.platform.messages[0].icon, ui::Icon::None);
        QCOMPARE(fx.platform.endCount, 1);
    }

    // The settings window made at start-up loads the store before the loader
    // runs: its refusals come first, one for each class group all cleared.
    void startupMessagesInTheWindowsOrder_data() {
        QTest::addColumn<QString>("stored"); // key=text, joined by "&"
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QStringList>("messages"); // title: text
        const QString noli = QStringLiteral(": Noli omnia auferre!");
        const QString bad = QStringLiteral("Record difettosi nel file  vocabula.txt: bad line\r\n");
        QTest::addRow("both groups cleared, then the defects")
            << "Frequenze=0000&Classiscelte=0000" << QByteArray("bad line\r\n")
            << QStringList{noli, noli, bad};
        QTest::addRow("frequencies cleared") << "Frequenze=0000" << QByteArray() << QStringList{noli};
        QTest::addRow("classes cleared, then the defects")
            << "Classiscelte=0000" << QByteArray("bad line\r\n") << QStringList{noli, bad};
    }
    void startupMessagesInTheWindowsOrder() {
        QFETCH(QString, stored);
        QFETCH(QByteArray, extra);
        QFETCH(QStringList, messages);
        BoardFixture fx(makeVocabulary(150) + extra);
        for (const QString &kv : stored.split('&'))
            fx.store(kv.section('=', 0, 0), kv.section('=', 1));
        fx.board();
        QStringList shown;
        for (const RecordedMessage &m : fx.platform.messages)
            shown << m.title + ": " + m.text;
        QCOMPARE(shown, messages);
        QCOMPARE(fx.platform.messages.first().icon, ui::Icon::Critical);
        QCOMPARE(fx.platform.endCount, 0);
    }

    // The store reaches a game through the settings window: a window made by
    // an idle tick is the one the next game start shows, and a window left
    // with Exit is discarded, so the next idle tick reads the store anew.
    // Steps: t an idle tick, s the store changed (one player), x a game start
    // left with Exit; then a game start shows the window.
    void storeReadByTheWindowOfTheIdleTick_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("seen"); // the change shows in the window of the game start
        QTest::addRow("changed before the first idle tick") << "st" << true;
        QTest::addRow("changed after the first idle tick") << "ts" << false;
        QTest::addRow("changed after a start left with Exit, then a tick") << "txst" << true;
        QTest::addRow("changed after the tick that followed Exit") << "txts" << false;
        QTest::addRow("changed after Exit, no tick since") << "txs" << true;
    }
    void storeReadByTheWindowOfTheIdleTick() {
        QFETCH(QString, steps);
        QFETCH(bool, seen);
        BoardFixture fx;
        Traduci &b = fx.board();
        QPointer<Impostazioni> made; // by the last idle tick
        QPointer<Impostazioni> shownWindow;
        bool onePlayer = false;
        fx.platform.onModal = [&](ui::Form *f) {
            shownWindow = qobject_cast<Impostazioni *>(f);
            onePlayer = shownWindow->Giocatori(1)->value();
            shownWindow->okay(1)->press();
        };
        for (const QChar step : steps) {
            if (step == 't') {
                b.Timer1_Timer();
                QVERIFY(b.hasImpostazioni()); // made by the tick itself
                made = b.impostazioni();
            } else if (step == 's') {
                fx.store(QStringLiteral("Giocatori"), QStringLiteral("1"));
            } else {
                b.Imposta_Click();
                QCOMPARE(shownWindow.data(), made.data()); // the idle tick's window, then discarded
                QVERIFY(!b.hasImpostazioni());
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        const bool tickLast = steps.lastIndexOf('t') > steps.lastIndexOf('x');
        b.Imposta_Click();
        QCOMPARE(onePlayer, seen);
        if (tickLast) QCOMPARE(shownWindow.data(), made.data());
        QVERIFY(b.tag().isEmpty()); // no game was set up
    }

    // With real devices on SDL's dummy driver and short files: the music
    // starts at the fanfare's end, loops, and closes when it is turned off.
    void musicFollowsTheFanfareAndLoops() {
        BoardFixture fx;
        QVERIFY(QFile::copy(TEST_DATA_DIR "/sound/short.wav", "Vittoria.wav")); // the fanfare
        QVERIFY(QFile::copy(TEST_DATA_DIR "/sound/note.mid", "musica.mid"));    // the music
        Traduci &b = fx.board();
        const auto plays = [&b] { return int(b.MCImusica->history().count(QStringLiteral("Play"))); };
        QCOMPARE(plays(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(plays(), 1, 5000);
        QCOMPARE(b.MCImusica->history(), (QStringList{"Open", "Close", "Open", "Prev", "Play"}));
        QTRY_COMPARE_WITH_TIMEOUT(plays(), 2, 15000); // the piece's end starts it again
        b.state.musicOn = 0;
        b.aggiornamusica();
        QCOMPARE(b.MCImusica->history().last(), QStringLiteral("Close"));
        QVERIFY(b.MCImusica->mode() != 526);
    }

    void load_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("last");       // lastWordIndex afterwards
        QTest::addColumn<QString>("record"); // the fields of the record `last`
        QTest::addColumn<QString>("messages");
        const auto row = [](const char *name, const QByteArray &bytes, int last, const QString &record,
                            const QString &messages = {}, int language = 0, const char *file = "test.txt") {
            QTest::newRow(name) << bytes << QString(file) << language << last << record << messages;
        };
        const QString bad = QStringLiteral("Record difettosi nel file  test.txt: ");
        const QByteArray r110 = makeVocabulary(110), r120 = makeVocabulary(120);
        const QString last120 = QStringLiteral("4 4 verbum120 parola120"),
                      last110 = QStringLiteral("2 2 verbum110 parola110"), word110 = "2 2 verbum110 word110";
        row("CR", QByteArray(r120).replace("\r\n", "\r"), 120, last120);
        row("LF", QByteArray(r120).replace("\r\n", "\n"), 120, last120);
        // comments (not indented ones, the last without a line end), blank lines silent, short ones defective
        row("comments, blank and short lines",
            r110 + "/ a; comment; with; semicolons\r\n / not a comment\r\na;b\r\n\r\n   \r\nc;d;e\r\n/ end",
            110, last110, bad + " / not a comment\r\na;b\r\nc;d;e\r\n");
        row("99 records: no warning", makeVocabulary(98) + "2;3;amo;amare\r\n", 99, "2 3 amo amare");
        row("both warnings, defects first", makeVocabulary(10) + "bad line\r\n", 10, "2 2 verbum10 parola10",
            bad + "bad line\r\n|: Solo 11 vocaboli nel file  test.txt");
        row("empty file", QByteArray(), -1, "", ": Solo 0 vocaboli nel file  test.txt");
        row("language 2 missing", r110 + "2;3;amo;amare\r\n", 110, word110, bad + "2;3;amo;amare\r\n", 1);
        row("no language selected", r110, 110, last110, "", -1);
        row("the personal file reads field four", r110, 110, last110, "", 1, "vocpers.txt");
        row("names are exact", r110, 110, word110, "", 1, "VOCPERS.TXT");
        row("Windows-1252", r110 + "1;4;ecce;ecco \xE0 te \x80 \x9C\r\n", 111, "1 4 ecce ecco à te € œ");
        row("UTF-8", r110 + "1;4;ecce;citt\xC3\xA0\r\n", 111, "1 4 ecce città");
        row("UTF-8 with a BOM", "\xEF\xBB\xBF" + r110 + "1;4;ecce;citt\xC3\xA0\r\n", 111, "1 4 ecce città");
        // The report's limit is 400 characters: past it the program ends.
        const QByteArray forty = QByteArray(40, 'x') + "\r\n";
        row("nine defects, 378 characters", r120 + forty.repeated(9), 120, last120, bad + forty.repeated(9));
        row("ten defects, 420 characters: the end", r120 + forty.repeated(10), 120, last120,
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
        fx.write(name, bytes);
        b.impostazioni()->Lingue->setListIndex(language);
        b.aprivocaboli(name);
        const bool fatal = messages.startsWith(QLatin1String("Troppi")); // the program ends
        QStringList shown;
        for (const RecordedMessage &m : fx.platform.messages) {
            shown << m.title + ": " + m.text;
            QCOMPARE(m.icon, fatal ? ui::Icon::Critical : ui::Icon::Exclamation);
        }
        QCOMPARE(shown.join('|'), messages);
        QCOMPARE(fx.platform.endCount, fatal ? 1 : 0);
        if (fatal) return;
        QCOMPARE(b.state.lastWordIndex, last);
        QCOMPARE(int(b.state.vocabularyTable.size()), last + 1);
        if (last < 0) return;
        QCOMPARE(b.state.vocabularyTable[0][0], QStringLiteral("Ordo"));
        const VocabularyRecord &r = b.state.vocabularyTable[last];
        QCOMPARE(QStringList(r.begin(), r.end()).join(' '), record);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
