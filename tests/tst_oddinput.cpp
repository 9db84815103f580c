// Odd input the game must survive: a vocabulary that is missing, a FIFO, a folder or unreadable, a heading
// decoded apart from its file, a class too large for a double.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/datarow.h"
#include "support/gamedriver.h"
#include "vocabulary/cp1252.h"

#include <QDir>
#include <QStringDecoder>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

class TestOddInput : public QObject {
    Q_OBJECT
  private slots:
    // Not a readable file: the standard vocabulary ends the program, the personal one is refused.
    void oddVocabulary_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        for (const char *name : {"vocabula.txt", "vocpers.txt"})
            for (const char *kind : {"missing", "FIFO", "folder", "unreadable"})
                if (::geteuid() != 0 || kind[0] != 'u') // root reads any file
                    QTest::addRow("%s %s", name, kind) << QString(name) << QString(kind);
    }
    void oddVocabulary() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        BoardFixture fx;
        const QByteArray path = name.toLocal8Bit();
        QFile::remove(name);
        if (kind == "FIFO") QVERIFY(::mkfifo(path, 0600) == 0);
        if (kind == "folder") QVERIFY(QDir().mkdir(name));
        if (kind == "unreadable") QVERIFY(QFile(name).open(QFile::WriteOnly) && !::chmod(path, 0));
        Traduci &b = fx.board();
        const QList<RecordedMessage> &m = fx.platform.messages;
        if (name == QLatin1String("vocabula.txt")) {
            QCOMPARE(m.value(0).text, QStringLiteral("File vocabula.txt assente o difettoso"));
            QCOMPARE(fx.platform.endCount, 1);
            return;
        }
        Impostazioni *w = b.impostazioni();
        w->Chfreq(0)->setValue(1);
        QCOMPARE(m.size(), 1);
        QCOMPARE(m[0].title + ": " + m[0].text,
                 QStringLiteral("Manca il vocabolario personale: file \"%1%2vocpers.txt\" inesistente")
                     .arg(QDir::toNativeSeparators(QDir::currentPath()), QDir::separator()));
        QCOMPARE(m[0].icon, ui::Icon::Exclamation);
        QCOMPARE(w->Chfreq(0)->value(), 0);
        QVERIFY(!w->Chfreq(0)->shown() && w->Frame3->shown() && w->Frame4->shown());
    }

    // The language list reads the heading as the loader reads the file.
    void languagesAreDecodedAsTheLoaderDecodes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        const QByteArray utf8 = makeVocabulary(150).replace("English", "Fran\u00e7ais");
        const QString french = QString::fromUtf8("Fran\u00e7ais");
        QTest::addRow("UTF-8 file") << utf8 << french;
        QTest::addRow("cp1252 file, UTF-8-looking heading") << utf8 + "1;1;ecce;citt\xe0;voil\xe0\r\n"
                                                            << QString::fromUtf8("Fran\u00c3\u00a7ais");
        QTest::addRow("CR line ends") << QByteArray(utf8).replace("\r\n", "\r") << french;
        QTest::addRow("UTF-8 with its mark") << "\xEF\xBB\xBF" + utf8 << french;
    }
    void languagesAreDecodedAsTheLoaderDecodes() {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        BoardFixture fx(file);
        Traduci &b = fx.board();
        b.impostazioni()->Lingue->setListIndex(1);
        b.aprivocaboli(QStringLiteral("vocabula.txt"));
        QCOMPARE(b.impostazioni()->Lingue->list(1), b.state.vocabularyTable.at(0)[3]);
        QCOMPARE(b.state.vocabularyTable.at(0)[3], language);
        QCOMPARE(b.state.vocabularyTable.at(0)[0], "Ordo"); // nothing more, nothing less before it
    }

    // A change of one byte reads the file again (a change of the language does, as the test above shows).
    void reloadFollowsTheBytes() {
        BoardFixture fx;
        Traduci &b = fx.board();
        fx.write(QStringLiteral("vocabula.txt"), makeVocabulary(150).replace("parola1;", "parolb1;"));
        b.aprivocaboli(QStringLiteral("vocabula.txt"));
        QCOMPARE(b.state.vocabularyTable.at(1)[3], QStringLiteral("parolb1"));
        QCOMPARE(b.state.lastWordIndex, 150);
    }

    // Files read with the toolkit's own Windows-1252 codec read the same now.
    void everyWindows1252ByteReadsAsBeforeAndIsWrittenBack() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = vocabulary::decodeCp1252(all);
        QStringDecoder reference("windows-1252");
        if (reference.isValid()) QCOMPARE(text, reference(all));
        QCOMPARE(vocabulary::encodeCp1252(text).value_or(QByteArray()), all);
        QVERIFY(!vocabulary::encodeCp1252(QStringLiteral("\u0100")).has_value());
    }

    // Defective lines are reported; past 400 characters of them the standard
    // vocabulary is refused whole and the program ends.
    void tooManyDefects_data() {
        QTest::addColumn<int>("lines");
        row("400 characters of defects", 100);
        row("404 characters of defects", 101);
    }
    void tooManyDefects() {
        QFETCH(int, lines);
        BoardFixture fx(makeVocabulary(150) + QByteArray("xy\r\n").repeated(lines));
        fx.board();
        const bool refused = lines > 100;
        QCOMPARE(fx.platform.endCount, refused ? 1 : 0);
        QCOMPARE(fx.platform.messages.value(0).title == "Troppi record difettosi nel file vocabula.txt",
                 refused);
    }

    void overflowingClassIsReported() {
        BoardFixture fx(makeVocabulary(150) + "1e999;1;ingens;enorme;huge\r\n");
        startGame(fx, {});
        QCOMPARE(fx.platform.messages.value(0).title,
                 QStringLiteral("Record fuori classe nel file  vocabula.txt"));
        QVERIFY(fx.platform.messages[0].text.contains(QStringLiteral("ingens")));
    }
};

QTEST_MAIN(TestOddInput)
#include "tst_oddinput.moc"
