// The shipped content: the standard and the sample personal vocabulary load
// without a message and are well formed, every translation fits its candidate
// box, and every picture a window uses is in the program at its design size.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"
#include "support/datarow.h"
#include "ui/picture.h"
#include "vocabulary/senses.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

static QByteArray asset(const char *name) {
    QFile f(QStringLiteral(ASSETS_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs a copy of the content tool in a tree of its own that holds `sources`
// (paths under assets/vocabulary-src) and returns what it says.
static QString makeVocabulary(const QMap<QString, QString> &sources, const QString &languages) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) return "no python3";
    QTemporaryDir tree;
    const QString src = tree.filePath("assets/vocabulary-src/");
    const QString tool = tree.filePath("scripts/make-vocabulary");
    QDir(tree.path()).mkpath("scripts");
    QDir(src).mkpath("translations");
    QFile::copy(ASSETS_DIR "/../scripts/make-vocabulary", tool);
    for (auto it = sources.begin(); it != sources.end(); ++it) {
        QFile f(src + it.key());
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value().toUtf8()) <= 0)
            return "not written: " + it.key();
    }
    QProcess run;
    run.start(python, {tool, "--partial", "--check-only", "--languages", languages});
    run.waitForFinished(30000);
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    return out.contains("errors,") ? out : "the tool did not run to its summary: " + out;
}

class TestContent : public QObject {
    Q_OBJECT
  private slots:
    // The standard file in every language: well-formed records, each translation within two lines
    // of its box; every word asked once shows no wrong box sharing a sense with the right one.
    void standardVocabulary() {
        const QByteArray bytes = asset("vocabula.txt");
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n')); // CR + LF line ends
        QVERIFY2(!bytes.contains('\xC3'), "cp1252, not UTF-8");
        QVERIFY(!bytes.contains("\n\n") && !bytes.contains("\r\r")); // no blank line
        QVERIFY(!bytes.left(bytes.indexOf('\r')).contains(','));     // no comma in the heading
        BoardFixture fx(bytes);
        Traduci &b = fx.board();
        const QStringList languages = b.impostazioni()->Lingue->items(); // the heading's, Italian first
        QCOMPARE(languages.mid(0, 2), (QStringList{"Italiano", "English"}));
        const QFontMetricsF fm(b.sign(0)->font());
        const qreal width = b.sign(0)->width() - 2; // a pixel of border each side
        QStringList faults;
        auto draw = [s = 1u]() mutable { return float((s = s * 1664525u + 1013904223u) >> 8) / (1u << 24); };
        for (int language = 0; language < languages.size(); ++language) {
            b.impostazioni()->Lingue->setListIndex(language);
            b.aprivocaboli("vocabula.txt");
            QVERIFY2(fx.platform.messages.isEmpty(), qPrintable(fx.platform.messages.value(0).text));
            QCOMPARE(b.state.lastWordIndex, 1600);
            QSet<QString> pairs;
            // Words the frequency ranking counts under another lemma, in that lemma's class.
            QHash<QString, int> counted{{"quod", 1}, {"plus", 1}, {"una", 1}, {"potius", 3}};
            for (int r = 1; r <= 1600; ++r) {
                const VocabularyRecord &rec = b.state.vocabularyTable[r];
                const int c = rec[1].toInt();
                if (counted.contains(rec[2])) QCOMPARE(rec[0].toInt(), counted.take(rec[2]));
                pairs.insert(rec[2] + '|' + rec[3]);
                QVERIFY2(rec[0].toInt() == (r - 1) / 400 + 1 && c >= 1 && c <= 4 && pairs.size() == r &&
                             !rec[2].trimmed().isEmpty() && !rec[3].trimmed().isEmpty(),
                         qPrintable(rec[2]));
                const QRectF box = fm.boundingRect(QRectF(0, 0, width, 1000), Qt::TextWordWrap, rec[3]);
                if (box.height() > 2 * fm.lineSpacing() + 0.5 || box.width() > width + 0.5)
                    faults << "too long: " + rec[3];
            }
            QVERIFY2(counted.isEmpty(), qPrintable(counted.keys().join(", ")));
            b.setTag(QString());
            b.selezionavocaboli();
            for (int k = 0; k < 1600; ++k) {
                for (int i = 0; i < 13; ++i) // the word asked, then the draws of the wrong boxes
                    fx.platform.draws.enqueue(i ? draw() : (k + 0.5f) / 1600);
                b.sceglivocabolo();
                const QString right = b.sign(b.state.correctCandidate)->caption();
                QCOMPARE(right, b.traduzione->list(k));
                for (int i = 0; i < 12; ++i)
                    if (i != b.state.correctCandidate && vocabulary::shareSense(b.sign(i)->caption(), right))
                        faults << right + " ~ " + b.sign(i)->caption();
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(" | ")));
        // The sample personal file, a small one: only the "fewer than 100" notice, no defect.
        fx.write("vocpers.txt", asset("vocpers.txt"));
        b.impostazioni()->Lingue->setListIndex(0);
        b.aprivocaboli("vocpers.txt");
        QVERIFY(fx.platform.messages.size() == 1 && fx.platform.messages[0].text.startsWith("Solo "));
        QVERIFY(b.state.lastWordIndex >= 40 && b.state.lastWordIndex <= 60);
        for (int r = 1; r <= b.state.lastWordIndex; ++r)
            QCOMPARE(b.state.vocabularyTable[r][0], QStringLiteral("0"));
    }

    // The content tool refuses two translations of one class that a player
    // reads alike: equal but for case, accents, blanks, punctuation or order;
    // and reports one that is a sense of the other but for a reflexive, unless
    // the two already share a sense (then the game never shows them together).
    void makeVocabularyReports_data() {
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("report"); // what the tool says, or nothing
        const QString alike = "Deutsch translations read alike in class 4";
        const QString reflexive = "is a sense of ac";
        QTest::newRow("an accent, an umlaut") << QString("tú, fällen") << QString("tu, fallen") << alike;
        QTest::newRow("a ligature") << QString("œuvre") << QString("oeuvre") << alike;
        QTest::newRow("case, punctuation, order") << QString("Ma, invece!") << QString("invece, ma") << alike;
        QTest::newRow("a letter more") << QString("tu") << QString("tuo") << QString();
        QTest::newRow("a reflexive") << QString("zeigen") << QString("erscheinen, sich zeigen") << reflexive;
        row("a reflexive, a note", QString("zeigen (etw.)"), QString("Sich zeigen"), reflexive);
        QTest::newRow("a shared sense") << QString("zeigen") << QString("sich zeigen, zeigen") << QString();
        row("neither a whole sense", QString("zeigen, weisen"), QString("erscheinen, sich zeigen"),
            QString());
    }
    void makeVocabularyReports() {
        QFETCH(QString, one);
        QFETCH(QString, other);
        QFETCH(QString, report);
        const QString out =
            makeVocabulary({{"01-words.tsv", "et\t4\tet\tand\nac\t4\tatque\tand also\n"},
                            {"translations/Deutsch.tsv", "et\t4\t" + one + "\nac\t4\t" + other + "\n"}},
                           "Deutsch");
        const bool any = out.contains("translations read alike") || out.contains("is a sense of");
        QVERIFY2(report.isEmpty() ? !any : out.contains(report), qPrintable(out));
    }

    // The tool checks a headword against the Latin lexicon (its forms, its
    // gender) and its vowel lengths against the headword.
    void makeVocabularyChecksHeadwords_data() {
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("lengths");
        QTest::addColumn<QString>("report");
        const QString rosa = "rosa, -ae f.";
        QTest::newRow("agrees") << rosa << QString("rosa, -ae f.") << QString();
        QTest::newRow("another declension") << QString("rosa, -i f.") << QString() << QString("has no -i");
        QTest::newRow("another gender") << QString("rosa, -ae n.") << QString() << QString("is not neuter");
        QTest::newRow("unknown") << QString("rosula, -ae f.") << QString() << QString("does not know rosula");
        row("lengths of another text", rosa, QString("rosā, -ae"), QString("is not 'rosa, -ae f.'"));
        row("a breve is no length", rosa, QString("rosa, -ae f.").replace(1, 1, QChar(0x014F)),
            QString("is not 'rosa, -ae f.'"));
        QTest::newRow("no lengths") << rosa << QString() << QString("1 records without their vowel lengths");
    }
    void makeVocabularyChecksHeadwords() {
        QFETCH(QString, headword);
        QFETCH(QString, lengths);
        QFETCH(QString, report);
        QMap<QString, QString> files{
            {"01-words.tsv", headword + "\t1\trosa\trose\n"},
            {"../lexicon.txt",
             "LESSICORSA-LEXICON 1\nM|uita|n|||1=1,|1:1:a 3:1:am 4:1:\u0101e 10:1:\u0101rum\n"
             "L|rosa|uita|||0|63\n"}};
        if (!lengths.isEmpty()) files["quantitates.tsv"] = headword + "\t1\t" + lengths + "\n";
        const QString out = makeVocabulary(files, "none");
        const bool agrees = out.contains("1 of 1 headwords") && !out.contains("vowel lengths") &&
                            !out.contains("with long vowels");
        QVERIFY2(agrees == report.isEmpty() && out.contains(report), qPrintable(out));
    }

    void picturesHaveTheirDesignSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const auto row = [](const QString &n, QSize s) { QTest::newRow(qPrintable(n)) << n << s; };
        for (int k = 0; k <= 7; ++k)
            for (const QString side : {"iml", "imr"})
                row(side + QString::number(k), k == 7 ? QSize(25, 21) : QSize(k == 4 ? 33 : 34, 44));
        for (int k = 1; k <= 6; ++k)
            row("foto" + QString::number(k), QSize(70, 70));
        const std::pair<const char *, QSize> others[] = {
            {"fumetto1", {290, 288}},   {"fumetto2", {290, 288}},   {"fumetto3", {158, 161}},
            {"fumetto4", {145, 158}},   {"bubble_left", {143, 70}}, {"bubble_right", {143, 70}},
            {"colonna_blue", {34, 31}}, {"colonna_red", {34, 31}},  {"base_blue", {34, 26}},
            {"base_red", {34, 26}},     {"barrone", {46, 416}},     {"arapacis", {180, 70}},
            {"keyboard", {450, 152}},   {"freccia_up", {52, 107}},  {"freccia_bent", {129, 76}},
            {"artifex", {140, 174}},    {"icon", {32, 32}},         {"pointer", {32, 32}},
        };
        for (const auto &[name, size] : others)
            row(name, size);
    }
    void picturesHaveTheirDesignSizes() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(ui::Picture::load(name).size(), size); // a missing one has no valid size
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
