// A teacher's lists without any window: each format read into a list of the game's own, bad
// input, the class guess, the list file kept line by line through edits, the atomic save.

#include "lists/classguess.h"
#include "lists/export.h"
#include "lists/imported.h"
#include "lists/wordlist.h"
#include "vocabulary/vocabularyfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace lists;

namespace {

// The list (its lines joined by "|") an import makes with the preview's first choice.
QString imported(const ImportResult &r, const QStringList &lessons) {
    ImportChoice c = initialChoice(r.table);
    if (!lessons.isEmpty()) c.lessons = QSet<QString>(lessons.begin(), lessons.end());
    c.noLesson &= lessons.isEmpty();
    return QString::fromUtf8(buildList(r.table, c)).trimmed().split("\r\n").join('|');
}

// A KVTML 2 file of `body`, its Latin and Italian named as a German edition names them.
QByteArray kvtml(const QByteArray &body, const QByteArray &version = "2.0") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
           "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"" +
           version + "\">\n" + body + "\n</kvtml>\n";
}
const QByteArray latinItalian =
    "<identifiers><identifier id=\"0\"><name>Latein</name><locale>la</locale></identifier><identifier "
    "id=\"1\">"
    "<name>Italienisch</name><locale>it</locale></identifier></identifiers>\n";

QByteArray entry(int id, const QByteArray &latin, const QByteArray &italian, const QByteArray &comment = "") {
    return "<entry id=\"" + QByteArray::number(id) + "\"><translation id=\"0\"><text>" + latin + "</text>" +
           (comment.isEmpty() ? "" : "<comment>" + comment + "</comment>") +
           "</translation><translation id=\"1\"><text>" + italian + "</text></translation></entry>\n";
}

} // namespace

class TestListsFormats : public QObject {
    Q_OBJECT
  private slots:
    // Each format read into a list of the game's own (all lessons, or those named), or bad input:
    // an error naming the line (nothing read), or a warning naming it (the rows stay, none lost).
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorLine");    // 0: read well; -1: read with the warning expected
        QTest::addColumn<QString>("expected"); // the list, the error or the warning
        QTest::addColumn<QStringList>("lessons");
        QTest::addColumn<QString>("list"); // read with a warning: the list made, when given
        const auto row = [](const char *t, QByteArray b, int line, QString x, QStringList lessons = {},
                            QString list = {}) { QTest::newRow(t) << b << line << x << lessons << list; };
        const QByteArray entries = "<entries>" + entry(1, "aqua", "acqua", "-ae f.") +
                                   entry(2, "laudo", "lodo", "-as, -avi, -atum, -are") +
                                   entry(3, "bonus", "buono", "-a, -um") + entry(4, "saepe", "spesso") +
                                   "</entries>";
        const QByteArray lessons =
            "<lessons><container><name>Caput I</name><entry id=\"1\"/><entry id=\"4\"/><container><name>"
            "Pars</name><entry id=\"2\"/></container></container><container><name>Caput II</name><entry "
            "id=\"3\"/></container></lessons>";
        const QByteArray types =
            "<wordtypes><container><name>Nomen</name><specialwordtype>noun</specialwordtype><container>"
            "<name>F</name><specialwordtype>noun/female</specialwordtype><entry id=\"1\"><translation "
            "id=\"0\"/></entry></container></container><container><name>Adv</name><specialwordtype>"
            "adverb</specialwordtype><entry id=\"4\"/></container></wordtypes>";
        const QString head = "Ordo;Classis;Verbum latinum;Italiano|";
        row("kvtml, one lesson with its nested one, comments joined, word types and guesses",
            kvtml(latinItalian + entries + lessons + types), 0,
            head + "0;1;aqua, -ae f.;acqua|0;3;laudo, -as, -avi, -atum, -are;lodo|0;4;saepe;spesso",
            {"Caput I", "Caput I / Pars"});
        row("kvtml after blanks, Latin named by a plain name in the second identifier",
            " \t\r\n" +
                kvtml(
                    "<identifiers><identifier id=\"0\"><name>Italiano</name><locale>Italian</locale>"
                    "</identifier><identifier id=\"1\"><name>Lingua</name><locale>Latin</locale></identifier>"
                    "</identifiers><entries><entry id=\"0\"><translation id=\"1\"><text>rex</text><comment>"
                    "regis m.</comment></translation><translation "
                    "id=\"0\"><text>re</text></translation></entry>"
                    "</entries>")
                    .sliced(kvtml({}).indexOf('\n') + 1), // XML's declaration may follow no blank
            0, head + "0;1;rex, regis m.;re");
        row("kvtml in Latin-1, a translation's example left out",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<kvtml version=\"2.0\">" + latinItalian +
                "<entries><entry id=\"1\"><translation id=\"0\"><text>r\xe9x</text><example>ad r\xe9gem"
                "</example></translation><translation id=\"1\"><text>re</text></translation></entry>"
                "</entries></kvtml>",
            0, head + "0;4;r\u00e9x;re");
        row("csv, comma, quotes, a line break inside quotes, heading",
            "Latin,Italiano\r\n\"bonus, -a, -um\",\"buono, \"\"bravo\"\"\"\r\nsed,\"ma\r\nperò\"\r\n", 0,
            head + "0;2;bonus, -a, -um;buono, \"bravo\"|0;4;sed;ma però");
        for (bool little : {true, false}) {
            const QString text = "Latin;Italiano\r\nrosa, -ae f.;rosa\r\nsed;ma\r\n";
            QStringEncoder encode(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
            const QByteArray bytes = (little ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(encode(text));
            row(little ? "csv in UTF-16, little-endian" : "csv in UTF-16, big-endian", bytes, 0,
                head + "0;1;rosa, -ae f.;rosa|0;4;sed;ma");
        }
        row("csv, a heading told by the game's Latin name", "Latinum,Nota\nrosa,x\n", 0,
            "Ordo;Classis;Verbum latinum;Nota|0;4;rosa;x");
        row("csv, a heading told by a translation's name", "Verbum,Italiano\nrosa,rosa\n", 0,
            head + "0;4;rosa;rosa");
        row("csv, grammar's words: a translation naming classes is no class column",
            "Latin;Italiano\r\nnomen;nome\r\nverbum;verbo\r\n", 0, head + "0;4;nomen;nome|0;4;verbum;verbo");
        row("csv, the class first, by its heading and number",
            "Classe;Latin;Italiano\r\n4;bene;bene\r\n1;rosa;rosa\r\n", 0,
            head + "0;4;bene;bene|0;1;rosa;rosa");
        row("csv, semicolon, Windows-1252, no heading",
            "rex, regis m.;re;k\xf6nig\nsum, esse, fui;essere;sein\n", 0,
            head.chopped(1) + ";Lingua 3|0;1;rex, regis m.;re;könig|0;3;sum, esse, fui;essere;sein");
        row("tsv, KDE's Title and Author lines, UTF-8 with its mark",
            "\xEF\xBB\xBFTitle:\tCaput I\nAuthor:\tM. Rossi\n\nvia, -ae f.\tstrada\ncur\tperch\xC3\xA9\n", 0,
            head + "0;1;via, -ae f.;strada|0;4;cur;perché");
        row("anki, tab, html, columns, a deck column, one deck taken",
            "#separator:tab\n#html:true\n#columns:Latin\tItalian\tDeck\n#Deck Column:3\n"
            "<b>amicus</b>, -i m.\tamico&nbsp;<br>compagno\tCaput I\n\"a; b\"\t\"x\ty\"\tCaput II\n",
            0, head + "0;1;amicus, -i m.;amico compagno", {"Caput I"});
        row("anki, CR LF line ends",
            "#separator:tab\r\n#deck column:1\r\nCaput I\trex\tre\r\nCaput II\tet\te\r\n", 0,
            head + "0;4;et;e", {"Caput II"});
        row("anki, the deck named in the header", "#separator:tab\n#deck:Caput I\nrex\tre\n", 0,
            head + "0;4;rex;re", {"Caput I"});
        row("anki, the deck in the first column",
            "#separator:tab\n#deck column:1\nCaput I\trex\tre\nCaput II\tet\te\n", 0, head + "0;4;et;e",
            {"Caput II"});
        row("anki, html: entities by name and number, a style left out, an unknown entity and a lone < kept",
            "#separator:tab\n#html:true\n<style>b{x}</style>caf&#233;&#x00E8; &amp;&AMP;&foo;\tsi &lt; "
            "<b>no</b>\n"
            "ros&#0;a\tdue <3\n",
            0, head + "0;4;caf\u00e9\u00e8 &&&foo,;si < no|0;2;ros&#0,a;due <3"); // ";" is the list's own
        row("anki, separator by character, no html, tags and guid left out",
            "#SEPARATOR:|\n#guid column:1\n#tags column:4\nq1|ego, mei|io|t1\nq2|<i>et</i>|e|t2\n", 0,
            head + "0;2;ego, mei;io|0;4;<i>et</i>;e");
        row("switched-off entries left out",
            kvtml(latinItalian + "<entries>" + entry(1, "aqua", "acqua") +
                  "<entry id=\"2\"><deactivated>true</deactivated><translation id=\"0\"><text>rex</text>"
                  "</translation></entry><entry id=\"3\"><inactive>true</inactive>"
                  "<translation id=\"0\"><text>cum</text></translation></entry>" +
                  entry(4, "et", "e") + "</entries>"),
            0, head + "0;4;aqua;acqua|0;4;et;e");
        row("an id given twice: both entries kept",
            kvtml(latinItalian + "<entries>\n" + entry(1, "aqua", "acqua") + entry(1, "rex", "re") +
                  "</entries><lessons><container><name>L</name><entry id=\"1\"/></container></lessons>"),
            -1, "riga 7: la voce 1 c'è già", {"L"}, head + "0;4;aqua;acqua|0;4;rex;re");
        // The guess alone gives none of these classes.
        row("a class column naming classes in Latin and in the languages",
            "Latinum;Classis;Italiano\nrosa;nomen;rosa\namo;verbum;amare\ncarus;adiectivum;caro\n"
            "ille;Pronomen;quello\nsine;praepositio;senza\nvolo;Verb;volare\nmare;sostantivo;mare\n",
            0,
            head + "0;1;rosa;rosa|0;3;amo;amare|0;2;carus;caro|0;2;ille;quello|0;4;sine;senza|0;3;volo;"
                   "volare|0;1;mare;mare");
        row("a column without a heading naming classes",
            "rosa\tnoun\trosa\namo\tverbe\tamare\nsine\tpreposición\tsenza\n", 0,
            head + "0;1;rosa;rosa|0;3;amo;amare|0;4;sine;senza");
        row("two rows are enough to tell the class column", "rosa\tnoun\trosa\namo\tverbe\tamare\n", 0,
            head + "0;1;rosa;rosa|0;3;amo;amare");
        row("malformed", kvtml(latinItalian + "<entries><entry id=\"1\">\n</entries>"), 6,
            "XML non valido: un elemento si chiude con un nome diverso");
        row("cut short", kvtml(latinItalian).chopped(10), 5, "XML non valido: il file finisce prima");
        row("lessons nested 101 deep",
            kvtml("<lessons>" + QByteArray("<container><name>L</name>").repeated(101) +
                  QByteArray("</container>").repeated(101) + "</lessons>"),
            4, "annidati più di 100 livelli");
        row("entity declared", "<!DOCTYPE kvtml [<!ENTITY a \"aaaa\">]>\n<kvtml version=\"2.0\">&a;</kvtml>",
            1, "entità");
        row("KVTML 2.x's future", kvtml("", "3.0"), 3, "versione KVTML «3.0»");
        row("KVTML 1",
            "<?xml version=\"1.0\"?>\n<kvtml encoding=\"UTF-8\" cols=\"2\"><e><o>aqua</o></e></kvtml>", 2,
            "è un file KVTML 1");
        row("declared UTF-8, written otherwise",
            kvtml(latinItalian + "<entries>" + entry(1, "r\xe9x", "re") + "</entries>"), 5, "UTF-8");
        row("binary junk", QByteArrayLiteral("a,b\nc,d\n\177ELF\x02\x01\x00\x00junk\nmore\n"), 3, "binari");
        row("a quote never closed", "#separator:comma\na,b\n\"c,d\ne,f\n", 3, "virgolette");
        row("a quote never closed after a field of two lines", "a,\"b\r\nc\"\r\n\"d\r\n", 3, "virgolette");
        row("an entry without text", kvtml(latinItalian + "<entries>\n" + entry(7, "", "") + "</entries>"),
            -1, "riga 6: la voce 7 non ha testo");
        row("a lesson naming no entry",
            kvtml(latinItalian + "<entries>" + entry(1, "et", "e") +
                  "</entries>\n<lessons><container><name>L</name><entry id=\"9\"/></container>\n"
                  "<container><name>V</name></container></lessons>"),
            -1, "riga 7: la lezione «L» nomina la voce 9, che non c'è");
        row("rows too short and too long", "a;b\nc\nd;e;f\ng;h\n", -1, "riga 2: 1 campi invece di 2");
        row("as many rows short as long: the longer are the rule", "a;b\nc;d;e\n", -1,
            "riga 1: 2 campi invece di 3");
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
        const QString warnings = r.table.warnings.join('\n');
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
