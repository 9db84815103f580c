// The vocabulary loader, driven through the main window as start-up and game
// start call it: line ends, comments, defective lines and the report's limit,
// the warnings and their order, the personal file, encodings.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"

#include <QTest>

namespace {

QByteArray records(int n, const QByteArray &end = "\r\n") {
    QByteArray v = testHeading + end;
    for (int i = 1; i <= n; ++i)
        v += "1;1;verbum" + QByteArray::number(i) + ";parola" + QByteArray::number(i) + ";word" +
             QByteArray::number(i) + end;
    return v;
}

// Loads `bytes` as "test.txt" into a freshly started board and returns it.
struct Load {
    BoardFixture fx{records(150)};
    Traduci &board;
    explicit Load(const QByteArray &bytes, int language = 0, const QString &name = QStringLiteral("test.txt"))
        : board(fx.board()) {
        fx.platform.messages.clear();
        fx.write(name, bytes);
        board.impostazioni()->Lingue->setListIndex(language);
        board.aprivocaboli(name);
    }
    const TraduciState &s() const { return board.state; }
};

} // namespace

class TestLoader : public QObject {
    Q_OBJECT
  private slots:
    void lineEndsAllEndALine_data() {
        QTest::addColumn<QByteArray>("end");
        QTest::addRow("CR LF") << QByteArray("\r\n");
        QTest::addRow("CR") << QByteArray("\r");
        QTest::addRow("LF") << QByteArray("\n");
    }
    void lineEndsAllEndALine() {
        QFETCH(QByteArray, end);
        Load l(records(120, end));
        QCOMPARE(l.s().lastWordIndex, 120);
        QCOMPARE(l.s().vocabularyTable[1], (VocabularyRecord{"1", "1", "verbum1", "parola1"}));
        QCOMPARE(l.s().vocabularyTable[120][2], QStringLiteral("verbum120"));
        QVERIFY(l.fx.platform.messages.isEmpty());
    }

    void aRecordFillsItsRow() {
        Load l(records(100) + "2;3;amo;amare\r\n");
        QCOMPARE(l.s().vocabularyTable[101], (VocabularyRecord{"2", "3", "amo", "amare"}));
        QCOMPARE(l.s().languageIndex, 0);
    }

    void commentsAreSkippedButNotIndentedOnes() {
        Load l(records(110) + "/ a comment; with; three; semicolons\r\n / not a comment\r\n");
        QCOMPARE(l.s().lastWordIndex, 110);
        QCOMPARE(l.fx.platform.messages.size(), 1);
        QCOMPARE(l.fx.platform.messages[0].text, QStringLiteral(" / not a comment\r\n"));
        QCOMPARE(l.fx.platform.messages[0].title, QStringLiteral("Record difettosi nel file  test.txt"));
        QCOMPARE(l.fx.platform.messages[0].icon, ui::Icon::Exclamation);
        QCOMPARE(l.fx.platform.endCount, 0);
    }

    void shortLinesAreDefectiveBlankLinesSilent() {
        Load l(records(110) + "a;b\r\n\r\n   \r\nc;d;e\r\n");
        QCOMPARE(l.s().lastWordIndex, 110);
        QCOMPARE(l.fx.platform.messages.size(), 1);
        QCOMPARE(l.fx.platform.messages[0].text, QStringLiteral("a;b\r\nc;d;e\r\n"));
    }

    void reportLimitIsFourHundredCharacters_data() {
        QTest::addColumn<int>("defective");
        QTest::addColumn<bool>("fatal");
        QTest::addRow("nine lines: 378 characters, a warning") << 9 << false;
        QTest::addRow("ten lines: 420 characters, the end") << 10 << true;
    }
    void reportLimitIsFourHundredCharacters() {
        QFETCH(int, defective);
        QFETCH(bool, fatal);
        const QByteArray line(40, 'x'); // 40 characters, no ";"
        QByteArray v = records(120);
        for (int i = 0; i < defective; ++i)
            v += line + "\r\n";
        Load l(v);
        QCOMPARE(l.fx.platform.messages.size(), 1);
        const RecordedMessage &m = l.fx.platform.messages[0];
        QCOMPARE(m.text.size(), defective * 42);
        QCOMPARE(m.icon, fatal ? ui::Icon::Critical : ui::Icon::Exclamation);
        QCOMPARE(m.title, fatal ? QStringLiteral("Troppi record difettosi nel file test.txt")
                                : QStringLiteral("Record difettosi nel file  test.txt"));
        QCOMPARE(m.buttons, ui::Buttons::Ok);
        QCOMPARE(l.fx.platform.endCount, fatal ? 1 : 0);
    }

    void fewerThanAHundredRecordsWarn_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("message");
        QTest::addRow("99 records with the heading: none") << 99 << QString();
        QTest::addRow("98 words and the heading: 99")
            << 98 << QStringLiteral("Solo 99 vocaboli nel file  test.txt");
    }
    void fewerThanAHundredRecordsWarn() {
        QFETCH(int, words);
        QFETCH(QString, message);
        Load l(records(words));
        QCOMPARE(l.s().lastWordIndex, words); // the heading counts
        if (message.isEmpty()) {
            QVERIFY(l.fx.platform.messages.isEmpty());
        } else {
            QCOMPARE(l.fx.platform.messages.size(), 1);
            QCOMPARE(l.fx.platform.messages[0].text, message);
            QCOMPARE(l.fx.platform.messages[0].title, QString()); // the program title
            QCOMPARE(l.fx.platform.messages[0].icon, ui::Icon::Exclamation);
        }
    }

    void bothWarningsDefectsFirst() {
        Load l(records(10) + "bad line\r\n");
        QCOMPARE(l.fx.platform.messages.size(), 2);
        QCOMPARE(l.fx.platform.messages[0].title, QStringLiteral("Record difettosi nel file  test.txt"));
        QCOMPARE(l.fx.platform.messages[1].text, QStringLiteral("Solo 11 vocaboli nel file  test.txt"));
    }

    void emptyFileAndTrailingCommentLoadNormally() {
        Load empty("");
        QCOMPARE(empty.s().lastWordIndex, -1);
        QCOMPARE(empty.fx.platform.messages.size(), 1);
        QCOMPARE(empty.fx.platform.messages[0].text, QStringLiteral("Solo 0 vocaboli nel file  test.txt"));
        QCOMPARE(empty.fx.platform.endCount, 0);

        Load comment(records(120) + "/ the end");
        QCOMPARE(comment.s().lastWordIndex, 120);
        QVERIFY(comment.fx.platform.messages.isEmpty());
    }

    void secondLanguageAndMissingField() {
        Load l(records(110) + "2;3;amo;amare\r\n", 1);
        QCOMPARE(l.s().languageIndex, 1);
        QCOMPARE(l.s().vocabularyTable[1][3], QStringLiteral("word1"));
        QCOMPARE(l.s().lastWordIndex, 110);         // the short record is not stored...
        QCOMPARE(l.fx.platform.messages.size(), 1); // ...but reported
        QCOMPARE(l.fx.platform.messages[0].text, QStringLiteral("2;3;amo;amare\r\n"));
    }

    void personalFileAlwaysReadsFieldFour() {
        Load personal(records(110), 1, QStringLiteral("vocpers.txt"));
        QCOMPARE(personal.s().languageIndex, 0);
        QCOMPARE(personal.s().vocabularyTable[1][3], QStringLiteral("parola1"));
        Load capitals(records(110), 1, QStringLiteral("VOCPERS.TXT"));
        QCOMPARE(capitals.s().vocabularyTable[1][3], QStringLiteral("word1"));
    }

    void noLanguageSelectedReadsTheFirst() {
        Load l(records(110), -1);
        QCOMPARE(l.s().vocabularyTable[1][3], QStringLiteral("parola1"));
    }

    void encodings() {
        // Windows-1252: à is 0xE0, € is 0x80, œ is 0x9C.
        Load cp(records(110) + "1;4;ecce;ecco \xE0 te \x80 \x9C\r\n");
        QCOMPARE(cp.s().vocabularyTable[111][3], QString::fromUtf8("ecco à te € œ"));
        // UTF-8 with or without a byte-order mark.
        for (const QByteArray &bom : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
            Load u(bom + records(110) + "1;4;ecce;citt\xC3\xA0\r\n");
            QCOMPARE(u.s().vocabularyTable[0][0], QStringLiteral("Ordo"));
            QCOMPARE(u.s().vocabularyTable[111][3], QString::fromUtf8("città"));
        }
    }

    void anyNumberOfRecordsLoads() {
        Load l(records(3000));
        QCOMPARE(l.s().lastWordIndex, 3000);
        QCOMPARE(static_cast<int>(l.s().vocabularyTable.size()), 3001);
    }

    void missingFileEndsTheProgram() {
        BoardFixture fx(records(150));
        Traduci &b = fx.board();
        fx.platform.messages.clear();
        b.aprivocaboli(QStringLiteral("nowhere.txt"));
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].text, QStringLiteral("File nowhere.txt assente o difettoso"));
        QCOMPARE(fx.platform.messages[0].icon, ui::Icon::Critical);
        QCOMPARE(fx.platform.endCount, 1);
        QCOMPARE(b.state.lastWordIndex, 150); // the loaded table stands
    }
};

QTEST_MAIN(TestLoader)
#include "tst_loader.moc"
