// A teacher's lists without any window: each format read into a list of the
// game's own format, bad input, the class guess, the list file kept line by
// line through edits, the exports read back, the atomic save.

#include "lists/anki.h"
#include "lists/classguess.h"
#include "lists/csv.h"
#include "lists/export.h"
#include "lists/kvtml.h"
#include "lists/wordlist.h"
#include "vocabulary/vocabularyfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace lists;

namespace {

ImportResult readAs(const QString &format, const QByteArray &bytes) {
    if (format == "kvtml") return readKvtml(bytes);
    if (format == "anki") return readAnki(bytes);
    return readCsv(bytes);
}

// The list an import makes with the preview's first choice, lessons "*"
// (all) or those named; its lines joined by "|".
QString imported(const ImportResult &r, const QStringList &lessons) {
    ImportChoice c = initialChoice(r.table);
    if (lessons != QStringList{"*"}) {
        c.lessons = QSet<QString>(lessons.begin(), lessons.end());
        c.noLesson = false;
    }
    return QString::fromUtf8(buildList(r.table, c)).trimmed().split("\r\n").join('|');
}

const QByteArray kvtmlHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n";

QByteArray kvtml(const QByteArray &body, const QByteArray &version = "2.0") {
    return kvtmlHead + "<kvtml version=\"" + version + "\">\n" + body + "\n</kvtml>\n";
}

QByteArray identifiers(const QByteArray &a, const QByteArray &b) {
    return "<identifiers><identifier id=\"0\">" + a + "</identifier><identifier id=\"1\">" + b +
           "</identifier></identifiers>\n";
}

QByteArray entry(int id, const QByteArray &latin, const QByteArray &italian, const QByteArray &comment = "") {
    return "<entry id=\"" + QByteArray::number(id) + "\"><translation id=\"0\"><text>" + latin + "</text>" +
           (comment.isEmpty() ? "" : "<comment>" + comment + "</comment>") +
           "</translation><translation id=\"1\"><text>" + italian + "</text></translation></entry>\n";
}

const QByteArray latinItalian =
    identifiers("<name>Latein</name><locale>la</locale>", "<name>Italienisch</name><locale>it</locale>");

} // namespace

class TestListsFormats : public QObject {
    Q_OBJECT
  private slots:
    void import_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lessons");
        QTest::addColumn<QString>("list");
        const QByteArray entries = "<entries>" + entry(1, "aqua", "acqua", "-ae f.") +
                                   entry(2, "laudo", "lodo", "-as, -avi, -atum, -are") +
                                   entry(3, "bonus", "buono", "-a, -um") + entry(4, "saepe", "spesso") +
                                   "</entries>";
        const QByteArray lessons =
            "<lessons><container><name>Caput I</name><entry id=\"1\"/><entry id=\"4\"/>"
            "<container><name>Pars</name><entry id=\"2\"/></container></container>"
            "<container><name>Caput II</name><entry id=\"3\"/></container></lessons>";
        const QByteArray types =
            "<wordtypes><container><name>Nomen</name><specialwordtype>noun</specialwordtype>"
            "<container><name>F</name><specialwordtype>noun/female</specialwordtype>"
            "<entry id=\"1\"><translation id=\"0\"/></entry></container></container>"
            "<container><name>Adv</name><specialwordtype>adverb</specialwordtype>"
            "<entry id=\"4\"/></container></wordtypes>";
        const QString head = "Ordo;Classis;Verbum latinum;Italiano";
        QTest::newRow("kvtml, one lesson with its nested one, comments joined, word types and guesses")
            << "kvtml" << kvtml(latinItalian + entries + lessons + types)
            << QStringList{"Caput I", "Caput I / Pars"}
            << head + "|0;1;aqua, -ae f.;acqua|0;3;laudo, -as, -avi, -atum, -are;lodo|0;4;saepe;spesso";
        QTest::newRow("kvtml, Latin named by a plain name in the second identifier")
            << "kvtml"
            << kvtml(identifiers("<name>Italiano</name><locale>Italian</locale>",
                                 "<name>Lingua</name><locale>Latin</locale>") +
                     "<entries><entry id=\"0\"><translation id=\"1\"><text>rex</text><comment>regis "
                     "m.</comment></translation>"
                     "<translation id=\"0\"><text>re</text></translation></entry></entries>")
            << QStringList{"*"} << head + "|0;1;rex, regis m.;re";
        QTest::newRow("csv, comma, quotes, a line break inside quotes, heading")
            << "csv"
            << QByteArray(
                   "Latin,Italiano\r\n\"bonus, -a, -um\",\"buono, \"\"bravo\"\"\"\r\nsed,\"ma\r\nperò\"\r\n")
            << QStringList{"*"} << head + "|0;2;bonus, -a, -um;buono, \"bravo\"|0;4;sed;ma però";
        QTest::newRow("csv, semicolon, Windows-1252, no heading")
            << "csv" << QByteArray("rex, regis m.;re;k\xf6nig\nsum, esse, fui;essere;sein\n")
            << QStringList{"*"}
            << "Ordo;Classis;Verbum latinum;Italiano;Lingua 3|0;1;rex, regis m.;re;k\u00f6nig|0;3;sum, esse, "
               "fui;essere;sein";
        QTest::newRow("tsv, KDE's Title and Author lines, UTF-8 with its mark")
            << "csv"
            << QByteArray("\xEF\xBB\xBFTitle:\tCaput I\nAuthor:\tM. Rossi\n\nvia, -ae "
                          "f.\tstrada\ncur\tperch\xC3\xA9\n")
            << QStringList{"*"} << head + "|0;1;via, -ae f.;strada|0;4;cur;perché";
        QTest::newRow("anki, tab, html, columns, a deck column, one deck taken")
            << "anki"
            << QByteArray(
                   "#separator:tab\n#html:true\n#columns:Latin\tItalian\tDeck\n#Deck Column:3\n"
                   "<b>amicus</b>, -i m.\tamico&nbsp;<br>compagno\tCaput I\n\"a; b\"\t\"x\ty\"\tCaput II\n")
            << QStringList{"Caput I"} << head + "|0;1;amicus, -i m.;amico compagno";
        QTest::newRow("anki, separator by character, no html, tags and guid left out")
            << "anki"
            << QByteArray(
                   "#SEPARATOR:|\n#guid column:1\n#tags column:4\nq1|ego, mei|io|t1\nq2|<i>et</i>|e|t2\n")
            << QStringList{"*"} << head + "|0;2;ego, mei;io|0;4;<i>et</i>;e";
    }
    void import() {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lessons);
        QFETCH(QString, list);
        const ImportResult r = readAs(format, bytes);
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(r.table.warnings, QStringList());
        QCOMPARE(imported(r, lessons), list);
    }

    // Bad input: an error naming the line (nothing is read), or a warning
    // naming it (the rows stay, none lost).
    void badInput_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformed XML")
            << "kvtml" << kvtml(latinItalian + "<entries><entry id=\"1\">\n</entries>") << 6
            << "XML non valido";
        QTest::newRow("an entity declared")
            << "kvtml"
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [<!ENTITY a \"aaaa\">]>\n"
                          "<kvtml version=\"2.0\">&a;</kvtml>")
            << 2 << "entità";
        QTest::newRow("KVTML 1") << "kvtml" << kvtml("", "1.0") << 3 << "KVTML 2";
        QTest::newRow("declared UTF-8, written otherwise")
            << "kvtml" << kvtml(latinItalian + "<entries>" + entry(1, "r\xe9x", "re") + "</entries>") << 5
            << "UTF-8";
        QTest::newRow("binary junk") << "csv"
                                     << QByteArrayLiteral("a,b\nc,d\n\x7f"
                                                          "ELF\x02\x01\x00\x00junk")
                                     << 3 << "binari";
        QTest::newRow("a quote never closed")
            << "anki" << QByteArray("#separator:comma\na,b\n\"c,d\ne,f\n") << 3 << "virgolette";
        QTest::newRow("an entry without text")
            << "kvtml" << kvtml(latinItalian + "<entries>\n" + entry(7, "", "") + "</entries>") << 0
            << "riga 6: la voce 7 non ha testo";
        QTest::newRow("a lesson naming no entry")
            << "kvtml"
            << kvtml(latinItalian + "<entries>" + entry(1, "et", "e") +
                     "</entries>\n<lessons><container><name>L</name>"
                     "<entry id=\"9\"/></container>\n<container><name>V</name></container></lessons>")
            << 0 << "riga 7: la lezione «L» nomina la voce 9, che non c'è";
        QTest::newRow("rows too short and too long")
            << "csv" << QByteArray("a;b\nc\nd;e;f\ng;h\n") << 0 << "riga 2: 1 campi invece di 2";
    }
    void badInput() {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(int, errorLine);
        QFETCH(QString, message);
        const ImportResult r = readAs(format, bytes);
        if (errorLine) {
            QVERIFY2(r.error.contains(message), qPrintable(r.error));
            QCOMPARE(r.errorLine, errorLine);
            QVERIFY(r.table.rows.isEmpty());
            return;
        }
        QVERIFY2(r.ok(), qPrintable(r.error));
        QVERIFY2(r.table.warnings.join('\n').contains(message), qPrintable(r.table.warnings.join('\n')));
        // Every field read is in the table: the widest row sets its width.
        if (format == "csv") QCOMPARE(r.table.rows.at(2).fields, QStringList({"d", "e", "f"}));
    }

    void fileTooLarge() {
        QTemporaryDir dir;
        QFile f(dir.filePath("grande.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(200LL * 1024 * 1024));
        f.close();
        QString error;
        QVERIFY(readForImport(f.fileName(), &error).isEmpty());
        QVERIFY2(error.contains("grande.csv") && error.contains("200 MB"), qPrintable(error));
    }

    // The guess agrees with the standard file's own classes, and reads the
    // forms other lists write.
    void classGuess_data() {
        QTest::addColumn<QString>("headword");
        QTest::addColumn<int>("wordClass");
        for (auto [w, c] : {std::pair{"puella, puellae f", 1},
                            {"rex regis m", 1},
                            {"castra, -orum n. pl.", 1},
                            {"nomen, nominis (n)", 1},
                            {"amo, amavi, amatum, amare", 3},
                            {"laudare", 3},
                            {"capio, cepi, captum", 3},
                            {"hortor, hortatus sum", 3},
                            {"odi, odisse", 3},
                            {"bonus -a -um", 2},
                            {"acer, acris, acre", 2},
                            {"felix, felicis", 2},
                            {"celer, -eris, -ere", 2},
                            {"ille, illa, illud", 2},
                            {"saepe", 4},
                            {"cum (+ abl.)", 4},
                            {"fas n. indecl.", 4},
                            {"temere", 4}})
            QTest::newRow(w) << QString(w) << c;
    }
    void classGuess() {
        QFETCH(QString, headword);
        QFETCH(int, wordClass);
        QCOMPARE(guessClass(headword), wordClass);
    }
    void classGuessOnTheStandardFile() {
        QFile f(ASSETS_DIR "/vocabula.txt");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const vocabulary::ParseResult p = vocabulary::parse(f.readAll(), 0);
        int agree = 0;
        const int n = static_cast<int>(p.rows.size()) - 1;
        for (int r = 1; r <= n; ++r)
            agree += guessClass(p.rows[r][2]) == p.rows[r][1].toInt();
        qInfo("class guess: %d of %d headwords (%.2f %%)", agree, n, 100.0 * agree / n);
        QCOMPARE(n, 1600);
        QVERIFY(agree >= 1520);
    }

    // The file as the list window edits it: untouched lines come back byte
    // for byte, new and edited ones in the file's encoding and line end.
    void editedFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("edited");
        QTest::newRow("Windows-1252, CR LF, comments, a defective line, no final line end")
            << QByteArray("/ c\xe9\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;1;aqua;acqua\r\n  / "
                          "x\r\n\r\n0;3;amo;amo\r\n0;4;et;e")
            << QByteArray(
                   "/ c\xe9\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;1;aqua;acqua\r\n0;2;novus;nuovo "
                   "\xe8\r\n  / x\r\n\r\n0;4;et;e\r\n0;4;ita;cos\xec\r\n");
        QTest::newRow("UTF-8 with its mark, LF")
            << QByteArray("\xEF\xBB\xBFOrdo;Classis;Verbum "
                          "latinum;Italiano\n0;1;aqua;acqua\n0;3;amo;amo\n0;4;et;e\n")
            << QByteArray("\xEF\xBB\xBFOrdo;Classis;Verbum latinum;Italiano\n0;1;aqua;acqua\n0;2;novus;nuovo "
                          "\xC3\xA8\n0;4;et;e\n0;4;ita;cos\xC3\xAC\n");
        QTest::newRow("ASCII given a letter Windows-1252 lacks turns UTF-8")
            << QByteArray("h;h;h;h\r0;1;aqua;acqua\r0;3;amo;amo\r0;4;et;e\r")
            << QByteArray("h;h;h;h\r0;1;aqua;acqua\r0;2;novus;nuovo \xC3\xA8\r0;4;et;e\r0;4;ita;cos\xC3\xAC "
                          "\xE2\x82\xAC\xC5\x93\xCE\xB1\r");
    }
    void editedFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, edited);
        WordList list = WordList::fromBytes(bytes);
        QCOMPARE(list.toBytes(), bytes);
        const bool ascii = QString(QTest::currentDataTag()).startsWith("ASCII");
        int column = -1;
        const int amo = list.find("amo", 0, column);
        QCOMPARE(list.cell(amo, WordList::latinColumn), QString("amo"));
        list.removeRows({amo});
        const int novus = list.insertRow(1, {"0", "2", "novus", QString::fromUtf8("nuovo è")});
        QVERIFY(novus > 0);
        list.insertRow(list.rowCount(), {"0", "4", "ita", QString::fromUtf8(ascii ? "così €œα" : "così")});
        QCOMPARE(list.toBytes(), edited);
    }

    // The rows the window marks are those the loader would not read, in any
    // of the heading's languages.
    void marks() {
        const QByteArray bytes = "h;h;h;Italiano;English\r\n/c\r\n0;1;aqua;acqua;water\r\naqua acqua\r\n"
                                 "0;1;rex;re\r\n9;1;x;x;x\r\n0;5;y;y;y\r\n \r\n0;2;;vuoto;empty\r\n";
        const WordList list = WordList::fromBytes(bytes);
        QStringList problems;
        for (int r = 0; r < list.rowCount(); ++r)
            problems << list.problem(r).section(':', 0, 0);
        QCOMPARE(problems,
                 QStringList({"", "Record difettoso", "Record difettoso se si gioca in English",
                              "Record fuori classe", "Record fuori classe", "Vocabolo latino vuoto"}));
        for (int language : {0, 1}) {
            const vocabulary::ParseResult p = vocabulary::parse(bytes, language);
            int read = 0;
            for (int r = 0; r < list.rowCount(); ++r)
                read += !list.problem(r).startsWith("Record difettoso") ||
                        (language == 0 && problems[r].endsWith("English"));
            QCOMPARE(static_cast<int>(p.rows.size()) - 1, read);
        }
    }

    // An exported list read back gives the same records.
    void exportRoundTrip_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("CSV") << "csv";
        QTest::newRow("KVTML") << "kvtml";
    }
    void exportRoundTrip() {
        QFETCH(QString, format);
        const WordList list =
            WordList::fromBytes("Ordo;Classis;Verbum latinum;Italiano;Fran\xe7"
                                "ais\r\n/ nota\r\n"
                                "0;2;bonus, -a, -um;buono;bon\r\n0;1;res, rei f.;cosa, \"faccenda\";chose\r\n"
                                "0;3;sum, es, fui, esse;essere;\xeatre\r\n0;4;et;e & anche;et <aussi>\r\n");
        const ImportResult r = readAs(format, format == "csv" ? exportCsv(list) : exportKvtml(list));
        QVERIFY2(r.ok(), qPrintable(r.error));
        ImportChoice c = initialChoice(r.table);
        QCOMPARE(c.names, list.languages());
        QCOMPARE(WordList::fromBytes(buildList(r.table, c)).records(), list.records());
    }

    void atomicSave() {
        QTemporaryDir dir;
        const QString path = dir.filePath("vocpers.txt");
        QString error;
        QVERIFY(saveAtomically(path, "a;b;c;d\r\n", &error));
        // A folder that takes no new file: the save fails and the file stays as it was.
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0500) == 0);
        const bool root = ::geteuid() == 0;
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
