// A teacher's lists without any window: each format read into a list of the game's own, bad
// input, the class guess, the list file kept line by line through edits, the atomic save.

#include "lists/classguess.h"
#include "lists/export.h"
#include "lists/imported.h"
#include "lists/wordlist.h"
#include "support/boardfixture.h"
#include "vocabulary/vocabularyfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace lists;

namespace {

// The list (its lines joined by "|") an import makes with the preview's first choice, after the
// title and author the file names.
QString imported(const ImportResult &r, const QStringList &lessons) {
    ImportChoice c = initialChoice(r.table);
    if (!lessons.isEmpty()) c.lessons = QSet<QString>(lessons.begin(), lessons.end());
    c.noLesson &= lessons.isEmpty();
    const QString about =
        r.table.title + r.table.author == "" ? "" : r.table.title + ", " + r.table.author + '|';
    return about + QString::fromUtf8(buildList(r.table, c)).trimmed().split("\r\n").join('|');
}

} // namespace

class TestListsFormats : public QObject {
    Q_OBJECT
  private slots:
    // Each format read into a list of the game's own (all lessons, or those named), or bad input:
    // an error naming the line (nothing read), or a warning naming it (the rows stay, none lost).
    // The files read are in the data's import folder, each described by a row of its cases.tsv.
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorLine");    // 0: read well; -1: read with the warning expected
        QTest::addColumn<QString>("expected"); // the list, the error or the warning
        QTest::addColumn<QStringList>("lessons");
        QTest::addColumn<QString>("list"); // read with a warning: the list made, when given
        for (const QStringList &f : tableOf(TEST_DATA_DIR "/import/cases.tsv"))
            QTest::newRow(qPrintable(f[0])) << readAll(TEST_DATA_DIR "/import/" + f[1]) << f[2].toInt()
                                            << f[3] << f[4].split('|', Qt::SkipEmptyParts) << f.value(5);
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, errorLine);
        QFETCH(QString, expected);
        QFETCH(QStringList, lessons);
        QFETCH(QString, list);
        const ImportResult r = readAs(formatOf(bytes), bytes);
        if (errorLine > 0) {
            QVERIFY2(r.error.contains(expected), qPrintable(r.error));
            QCOMPARE(r.errorLine, errorLine);
            QVERIFY(r.table.rows.isEmpty());
            return;
        }
        QVERIFY2(r.ok(), qPrintable(r.error));
        const QString warnings = r.table.warnings.join('|');
        QVERIFY2(errorLine ? warnings.contains(expected) : warnings.isEmpty(), qPrintable(warnings));
        if (errorLine == 0) QCOMPARE(imported(r, lessons), expected);
        if (!list.isEmpty()) QCOMPARE(imported(r, lessons), list);
        // No words of the XML reader's own (English) in a message.
        QVERIFY2(!r.error.contains(QRegularExpression("[A-Z][a-z]+ (end|of|tag)")), qPrintable(r.error));
        // Every field read is in the table: the widest row sets its width.
        if (errorLine && bytes.contains("d;e;f"))
            QCOMPARE(r.table.rows.at(2).fields, QStringList({"d", "e", "f"}));
    }

    void fileTooLarge() {
        QTemporaryDir dir;
        QFile f(dir.filePath("grande.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(200LL * 1024 * 1024));
        QString error;
        QVERIFY(readForImport(f.fileName(), &error).isEmpty());
        QVERIFY2(error.contains("grande.csv") && error.contains("200 MB"), qPrintable(error));
    }

    // The guess agrees with the standard file's own classes but for a few, and
    // reads the forms other lists write.
    void classGuess() {
        const QStringList byClass[] = {
            {"rex regis m", "castra, -orum n. pl.", "nomen, nominis (n)", "puella, puellae f"},
            {"bonus -a -um", "acer, acris, acre", "felix, felicis", "celer, -eris, -ere",
             "ille, illa, illud"},
            {"amo, amavi, amatum, amare", "laudare", "capio, cepi, captum", "hortor, hortatus sum",
             "odi, odisse"},
            {"cum (+ abl.)", "fas n. indecl.", "temere"}};
        for (int c = 1; c <= 4; ++c)
            for (const QString &w : byClass[c - 1])
                QVERIFY2(guessClass(w) == c, qPrintable(w));
        QFile f(ASSETS_DIR "/vocabula.txt");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const vocabulary::ParseResult p = vocabulary::parse(f.readAll(), 0);
        QCOMPARE(static_cast<int>(p.rows.size()), 1601);
        int agree = 0;
        for (int r = 1; r <= 1600; ++r)
            agree += guessClass(p.rows[r][2]) == p.rows[r][1].toInt();
        QVERIFY2(agree >= 1520, qPrintable(QString::number(agree)));
    }

    // The file as the list window edits it: untouched lines come back byte
    // for byte, new and edited ones in the file's encoding and line end.
    void editedFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("edited");
        const auto row = [](const char *t, QByteArray a, QByteArray b) { QTest::newRow(t) << a << b; };
        row("Windows-1252, CR LF, comments, a defective line, no final line end",
            "/ c\xe9\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;1;aqua;acqua\r\n  / x\r\n\r\n"
            "0;3;amo;amo\r\n0;4;et;e",
            "/ c\xe9\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;1;aqua;acqua\r\n0;2;novus;nuovo \xe8\r\n"
            "  / x\r\n\r\n0;4;et;e\r\n0;4;ita;cos\xec\r\n");
        row("UTF-8 with its mark, LF",
            "\xEF\xBB\xBFOrdo;Classis;Verbum latinum;Italiano\n0;1;aqua;acqua\n0;3;amo;amo\n0;4;et;e\n",
            "\xEF\xBB\xBFOrdo;Classis;Verbum latinum;Italiano\n0;1;aqua;acqua\n0;2;novus;nuovo \xC3\xA8\n"
            "0;4;et;e\n0;4;ita;cos\xC3\xAC\n");
        row("lines ending as the first line ends, the others kept as they were",
            "h;h;h;h\r\n0;1;aqua;acqua\n0;3;amo;amo\n0;4;et;e\n",
            "h;h;h;h\r\n0;1;aqua;acqua\n0;2;novus;nuovo \xe8\r\n0;4;et;e\n0;4;ita;cos\xec\r\n");
        row("no heading: the game's own written before the first word", "/ c\r\namo amo\r\n",
            "/ c\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;2;novus;nuovo \xe8\r\n0;4;ita;cos\xec\r\n");
        row("ASCII given a letter Windows-1252 lacks turns UTF-8",
            "h;h;h;h\r0;1;aqua;acqua\r0;3;amo;amo\r0;4;et;e\r",
            "h;h;h;h\r0;1;aqua;acqua\r0;2;novus;nuovo \xC3\xA8\r0;4;et;e\r0;4;ita;cos\xC3\xAC "
            "\xE2\x82\xAC\xC5\x93\xCE\xB1\r");
    }
    void editedFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, edited);
        WordList list = WordList::fromBytes(bytes);
        QCOMPARE(list.toBytes(), bytes);
        // A letter beyond Windows-1252 fits any list but one of that encoding's own letters.
        QCOMPARE(list.canHold(QString::fromUtf8("α")),
                 !QByteArray(QTest::currentDataTag()).startsWith("Windows"));
        int column = -1;
        list.removeRows({list.find("amo", 0, column)});
        list.insertRow(1, {"0", "2", "novus", QString::fromUtf8("nuovo è")});
        const bool ascii = QString(QTest::currentDataTag()).startsWith("ASCII");
        list.insertRow(list.rowCount(), {"0", "4", "ita", QString::fromUtf8(ascii ? "così €œα" : "così")});
        QCOMPARE(list.toBytes(), edited);
    }

    // A class field read as the game reads it: a class's name, or the
    // leading number rounded, its sign or point first.
    void classField() {
        const QStringList texts{"Verba", " nomina ", "+2", ".9", "3.5", "4 x", "2.5", "x2", "", "5", "-1"};
        QList<int> read;
        for (const QString &t : texts)
            read << classOf(t);
        QCOMPARE(read, QList<int>({3, 1, 2, 1, 4, 4, 2, 0, 0, 0, 0}));
    }

    // Finding walks the cells holding the text row by row and wraps round;
    // backwards it walks the same cells in the reverse order.
    void findBothWays() {
        const WordList list = WordList::fromBytes(
            "h;h;h;h\r\n0;1;amo;amare\r\n0;3;amicus;amico\r\n/ am\r\n0;1;aqua;acqua\r\n0;1;amor;amore\r\n");
        QList<QPoint> ahead, back;
        int row = 0, column = -1;
        for (int k = 0; k < 7; ++k) {
            row = list.find("AM", row, column, true);
            ahead << QPoint(column, row);
        }
        QCOMPARE(ahead[6], ahead[0]); // amo, amare, amicus, amico, amor, amore, then amo again
        QCOMPARE(QSet<QPoint>(ahead.begin(), ahead.end()).size(), 6);
        QCOMPARE(ahead[4].y(), 3);
        for (int k = 0; k < 6; ++k) {
            row = list.find("am", row, column, false);
            back << QPoint(column, row);
        }
        QCOMPARE(back, QList<QPoint>({ahead[5], ahead[4], ahead[3], ahead[2], ahead[1], ahead[0]}));
        QCOMPARE(list.find("ignis", 1, column, true), -1);
        // The only cell holding the text is found again from itself.
        column = -1;
        QCOMPARE(list.find("aqu", 0, column, true), 2);
        const int first = column;
        QCOMPARE(list.find("aqu", 2, column, true), 2);
        QCOMPARE(column, first);
    }

    // The rows the window marks are those the loader would not read, in any language.
    void marks() {
        const QByteArray bytes = "h;h;h;Italiano;English\r\n/c\r\n0;1;aqua;acqua;water\r\naqua acqua\r\n"
                                 "0;1;rex;re\r\n9;1;x;x;x\r\n0;5;y;y;y\r\n \r\n0;2;;vuoto;empty\r\n";
        const WordList list = WordList::fromBytes(bytes);
        QStringList problems;
        for (int r = 0; r < list.rowCount(); ++r)
            problems << list.problem(r);
        QCOMPARE(problems,
                 QStringList({"", "Record difettoso: mancano i tre «;» che separano i campi",
                              "Record difettoso se si gioca in English: manca la traduzione",
                              "Record fuori classe: ordine di frequenza 9",
                              "Record fuori classe: classe grammaticale «5»", "Vocabolo latino vuoto"}));
        // The loader reads all but the defective ones, in Italian the English one too.
        QCOMPARE(static_cast<int>(vocabulary::parse(bytes, 0).rows.size()), 1 + 5);
        QCOMPARE(static_cast<int>(vocabulary::parse(bytes, 1).rows.size()), 1 + 4);
    }

    // A folder that takes no new file: the save fails and the file stays as it was.
    void atomicSave() {
        QTemporaryDir dir;
        const QString path = dir.filePath("vocpers.txt");
        const bool root = ::geteuid() == 0; // (who writes anyway)
        QString error;
        QVERIFY(saveAtomically(path, "a;b;c;d\r\n", &error));
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0500) == 0);
        QCOMPARE(saveAtomically(path, "x;y;z;w\r\n", &error), root);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
        if (root) return;
        QVERIFY2(error.contains("vocpers.txt"), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("a;b;c;d\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestListsFormats)
#include "tst_lists_formats.moc"
