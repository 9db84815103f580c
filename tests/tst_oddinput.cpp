// Odd input the game must survive: a vocabulary that is a FIFO, a folder or
// unreadable (or a personal one that is missing), a heading decoded apart from its file, a class too large
// for a double.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"
#include "vocabulary/cp1252.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Puts something other than a readable regular file at `name` in the current folder.
bool makeOdd(const QString &kind, const QString &name) {
    const QByteArray path = name.toLocal8Bit();
    if (kind == "missing") return !QFile::exists(name);
    if (kind == "fifo") return ::mkfifo(path.constData(), 0600) == 0;
    if (kind == "folder") return QDir().mkdir(name);
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(makeVocabulary(150));
    f.close();
    return ::chmod(path.constData(), 0) == 0;
}
void oddKinds(bool missing = false) {
    QTest::addColumn<QString>("kind");
    if (missing) QTest::addRow("missing") << QStringLiteral("missing");
    QTest::addRow("FIFO") << QStringLiteral("fifo");
    QTest::addRow("folder") << QStringLiteral("folder");
    if (::geteuid() != 0) QTest::addRow("unreadable") << QStringLiteral("unreadable");
}
} // namespace

class TestOddInput : public QObject {
    Q_OBJECT
  private slots:
    void oddStandardVocabularyIsMissing_data() { oddKinds(); }
    void oddStandardVocabularyIsMissing() {
        QFETCH(QString, kind);
        BoardFixture fx;
        QFile::remove(QStringLiteral("vocabula.txt"));
        QVERIFY(makeOdd(kind, QStringLiteral("vocabula.txt")));
        fx.board();
        QCOMPARE(fx.platform.messages.value(0).text, QStringLiteral("File vocabula.txt assente o difettoso"));
        QCOMPARE(fx.platform.endCount, 1);
    }

    void oddPersonalVocabularyIsRefusedInTheSettings_data() { oddKinds(true); }
    void oddPersonalVocabularyIsRefusedInTheSettings() {
        QFETCH(QString, kind);
        BoardFixture fx;
        QVERIFY(makeOdd(kind, QStringLiteral("vocpers.txt")));
        Traduci &b = fx.board();
        fx.platform.messages.clear();
        Impostazioni *w = b.impostazioni();
        w->Chfreq(0)->setValue(1);
        QCOMPARE(fx.platform.messages.size(), 1);
        const RecordedMessage &m = fx.platform.messages[0];
        QCOMPARE(m.text, QStringLiteral("file \"%1%2vocpers.txt\" inesistente")
                             .arg(QDir::toNativeSeparators(QDir::currentPath()), QDir::separator()));
        QCOMPARE(m.title, QStringLiteral("Manca il vocabolario personale"));
        QCOMPARE(m.icon, ui::Icon::Exclamation);
        QCOMPARE(w->Chfreq(0)->value(), 0);
        QVERIFY(!w->Chfreq(0)->shown() && w->Frame3->shown() && w->Frame4->shown());
    }

    // The language list reads the heading as the loader reads the file.
    void languagesAreDecodedAsTheLoaderDecodes_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray heading = "Ordo;Classis;Verbum latinum;Italiano;Fran\xc3\xa7"
                                   "ais";
        QByteArray utf8 = heading + "\r\n", lone = heading + "\r\n", cr = heading + "\r";
        for (int i = 1; i <= 150; ++i) {
            const QByteArray n = QByteArray::number(i);
            utf8 += "1;1;verbum" + n + ";parola" + n + ";mot" + n + "\r\n";
            lone += "1;1;verbum" + n + (i == 150 ? ";citt\xe0" : ";parola") + n + ";mot" + n + "\r\n";
            cr += "1;1;verbum" + n + ";parola" + n + ";mot" + n + "\r";
        }
        QTest::addRow("UTF-8 file") << utf8;
        QTest::addRow("cp1252 file, UTF-8-looking heading") << lone;
        QTest::addRow("CR line ends") << cr;
    }
    void languagesAreDecodedAsTheLoaderDecodes() {
        QFETCH(QByteArray, file);
        BoardFixture fx(file);
        Traduci &b = fx.board();
        QCOMPARE(b.impostazioni()->Lingue->listCount(), 2);
        b.impostazioni()->Lingue->setListIndex(1);
        b.aprivocaboli(QStringLiteral("vocabula.txt"));
        QCOMPARE(b.impostazioni()->Lingue->list(1), b.state.vocabularyTable.at(0)[3]);
    }

    // Any change of the bytes or of the language reads the file again.
    void reloadFollowsTheFileAndTheLanguage_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("first");
        QTest::addRow("one byte changed")
            << QByteArray("parola1;") << QByteArray("parolb1;") << 0 << "parolb1";
        QTest::addRow("another language") << QByteArray() << QByteArray() << 1 << "word1";
    }
    void reloadFollowsTheFileAndTheLanguage() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, language);
        QFETCH(QString, first);
        BoardFixture fx;
        Traduci &b = fx.board();
        if (!from.isEmpty()) fx.write(QStringLiteral("vocabula.txt"), makeVocabulary(150).replace(from, to));
        b.impostazioni()->Lingue->setListIndex(language);
        b.aprivocaboli(QStringLiteral("vocabula.txt"));
        QCOMPARE(b.state.vocabularyTable.at(1)[3], first);
        QCOMPARE(b.state.lastWordIndex, 150);
    }

    void everyWindows1252ByteReadsAsBeforeAndIsWrittenBack() {
        // Files read with the toolkit's own Windows-1252 codec read the same now.
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = vocabulary::decodeCp1252(all);
        QStringDecoder reference("windows-1252");
        if (reference.isValid()) QCOMPARE(text, reference(all));
        QCOMPARE(vocabulary::encodeCp1252(text).value_or(QByteArray()), all);
        QVERIFY(!vocabulary::encodeCp1252(QStringLiteral("\u0100")).has_value());
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
