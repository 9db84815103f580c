// The lexicon of forms: paradigms against tables written from a Latin school
// grammar (not from the lexicon), the readings of ambiguous forms, the words
// of the boxes, and a missing or damaged lexicon file.

#include "formae/lexicon.h"
#include "support/boardfixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace formae;

namespace {

QString withoutMarks(const QString &s) {
    return plainSpelling(s);
}

// Every form of the paradigm that has the cell's reading, "/" between them
// in alphabetical order; "-" for none.
QString cell(const Paradigm &p, bool lengths, const QString &name) {
    QStringList found;
    for (const Form &f : p.forms(lengths))
        for (const Reading &r : f.readings)
            if (abbreviate(r) == name && !found.contains(f.text)) found.append(f.text);
    found.sort();
    return found.isEmpty() ? QStringLiteral("-") : found.join(u'/');
}

QString sorted(const QString &alternatives) {
    QStringList a = alternatives.split(u'/');
    a.sort();
    return a.join(u'/');
}

// The rows of one table of the data's forms.tsv, each with its case's name first.
QList<QStringList> formsTable(const QString &table) {
    QList<QStringList> rows;
    for (const QStringList &f : tableOf(TEST_DATA_DIR "/forms.tsv"))
        if (f[0] == table) rows.append(f.mid(1));
    return rows;
}
} // namespace

class TestFormae : public QObject {
    Q_OBJECT
    std::shared_ptr<const Lexicon> lexicon;

  private slots:
    void initTestCase() {
        QString error;
        lexicon = Lexicon::load(Lexicon::defaultPath(QStringLiteral(ASSETS_DIR)), &error);
        QVERIFY2(lexicon, qPrintable(error));
    }

    void paradigmAgainstGrammar_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("table"); // with lengths, cells split by " ", "*" not checked
        QTest::addColumn<bool>("lengths");
        QHash<QString, QStringList> cellsNamed;
        for (const QStringList &field : tableOf(TEST_DATA_DIR "/paradigms.tsv")) {
            if (field[0].startsWith(QLatin1String("cells ")))
                cellsNamed[field[0].mid(6)] = field[1].split(u';');
            else
                for (bool lengths : {true, false})
                    QTest::addRow("%s %s", qPrintable(field[0]), lengths ? "with lengths" : "plain")
                        << field[1] << field[2] << cellsNamed.value(field[3]) << field[4] << lengths;
        }
    }
    void paradigmAgainstGrammar() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QStringList, cells);
        QFETCH(QString, table);
        QFETCH(bool, lengths);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY2(p, qPrintable(latin));
        const QStringList expected = table.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(expected.size(), cells.size());
        QStringList wrong;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (expected.at(i) == u'*') continue;
            const QString want = sorted(lengths ? expected.at(i) : withoutMarks(expected.at(i)));
            const QString got = cell(*p, lengths, cells.at(i));
            if (got != want) wrong.append(QStringLiteral("%1: %2 (expected %3)").arg(cells.at(i), got, want));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    // Every reading of a form within its word, and only within its word.
    void readingsOfAForm_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("lengths");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("readings");
        for (const QStringList &f : formsTable("reading"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << (f[3] == "1") << f[4] << f[5];
    }
    void readingsOfAForm() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(bool, lengths);
        QFETCH(QString, form);
        QFETCH(QString, readings);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY(p);
        const Form *found = nullptr;
        for (const Form &f : p->forms(lengths))
            if (f.text == form) found = &f;
        QVERIFY2(found, qPrintable(form));
        QCOMPARE(abbreviate(found->readings), readings);
    }

    // The voice always gets the lengths, even of a plain form: the spelling
    // of its first reading.
    void spokenWithLengths_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("spoken");
        for (const QStringList &f : formsTable("spoken"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << f[3] << f[4];
    }
    void spokenWithLengths() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QString, form);
        QFETCH(QString, spoken);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY(p);
        for (const Form &f : p->plain)
            if (f.text == form) {
                QCOMPARE(f.spoken, spoken);
                return;
            }
        QFAIL("form not found");
    }

    void boxText_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        for (const QStringList &f : formsTable("box"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << f[3] << f[4].toInt() << f[5];
    }
    void boxText() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QString, form);
        QFETCH(int, language);
        QFETCH(QString, text);
        const auto p = lexicon->paradigm(latin, category);
        QVERIFY(p);
        for (const Form &f : p->plain)
            if (f.text == form) {
                QCOMPARE(describe(f.readings, Language(language)), text);
                return;
            }
        QFAIL("form not found");
    }

    void listWord_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("withLengths"); // empty: no forms
        for (const QStringList &f : formsTable("headword"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << f.value(3);
    }
    void listWord() {
        QFETCH(QString, latin);
        QFETCH(QString, category);
        QFETCH(QString, withLengths);
        const auto p = lexicon->paradigm(latin, category);
        QCOMPARE(bool(p), !withLengths.isEmpty());
        if (p) QCOMPARE(p->headwordWithLengths, withLengths);
    }

    void badLexiconFile_data() {
        QTest::addColumn<QByteArray>("content"); // "<none>": no file
        QTest::newRow("missing") << QByteArray("<none>");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("another file") << QByteArray("Ordo;Classis;Verbum latinum;Italiano\n1;1;rosa;rosa\n");
        QTest::newRow("cut short") << QByteArray("LESSICORSA-LEXICON 1\nM|uita|n|||1=1,|1:1:a 2:1");
        QTest::newRow("unknown model") << QByteArray("LESSICORSA-LEXICON 1\nL|rosa|uita|||0|63||\n");
        QTest::newRow("not UTF-8") << QByteArray("LESSICORSA-LEXICON 1\nM|uita|n|||1=1,|1:1:\xe2\n");
    }
    void badLexiconFile() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lexicon.txt"));
        if (content != "<none>") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QString error;
        QVERIFY(!Lexicon::load(path, &error));
        QVERIFY2(error.contains(QStringLiteral("lessico delle forme")) && error.contains(path),
                 qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestFormae)
#include "tst_formae.moc"
