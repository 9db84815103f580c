// The shipped content: the standard and the sample personal vocabulary load
// without a message and are well formed, every translation fits its candidate
// box, and every picture a window uses is in the program at its design size.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"
#include "ui/picture.h"
#include "vocabulary/senses.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray asset(const char *name) {
    QFile f(QStringLiteral(ASSETS_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestContent : public QObject {
    Q_OBJECT
  private slots:
    void standardVocabularyIsWellFormed() {
        const QByteArray bytes = asset("vocabula.txt");
        QVERIFY(!bytes.isEmpty());
        QVERIFY(!bytes.contains("\n\n") && !bytes.contains("\r\r"));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n')); // CR + LF line ends
        QVERIFY2(!QString::fromUtf8(bytes).isValidUtf16() || bytes.indexOf("\xC3") < 0, "cp1252, not UTF-8");
        BoardFixture fx(bytes);
        Traduci &b = fx.board();
        QVERIFY2(fx.platform.messages.isEmpty(), qPrintable(fx.platform.messages.value(0).text));
        QCOMPARE(b.state.lastWordIndex, 1600);
        QVERIFY(!bytes.left(bytes.indexOf('\r')).contains(',')); // no comma in the heading
        // The settings window lists the heading's languages, Italian first.
        const QStringList languages = b.impostazioni()->Lingue->items();
        QCOMPARE(languages.mid(0, 2), (QStringList{"Italiano", "English"}));
        int perClass[5] = {};
        for (int language = 0; language < languages.size(); ++language) {
            QSet<QString> pairs;
            b.impostazioni()->Lingue->setListIndex(language);
            b.aprivocaboli(QStringLiteral("vocabula.txt"));
            QVERIFY(fx.platform.messages.isEmpty());
            for (int r = 1; r <= 1600; ++r) {
                const VocabularyRecord &rec = b.state.vocabularyTable[r];
                const int f = rec[0].toInt(), c = rec[1].toInt();
                QVERIFY2(f == (r - 1) / 400 + 1, qPrintable(rec[2])); // ranks in four classes of 400
                QVERIFY2(c >= 1 && c <= 4, qPrintable(rec[2]));
                QVERIFY2(!rec[2].trimmed().isEmpty() && !rec[3].trimmed().isEmpty(), qPrintable(rec[2]));
                if (language == 0) ++perClass[f];
                const QString pair = rec[2] + QLatin1Char('|') + rec[3];
                QVERIFY2(!pairs.contains(pair), qPrintable(pair));
                pairs.insert(pair);
            }
        }
        for (int f = 1; f <= 4; ++f)
            QCOMPARE(perClass[f], 400);
    }

    void everyTranslationFitsItsBox() {
        BoardFixture fx(asset("vocabula.txt"));
        Traduci &b = fx.board();
        // The box's font, two lines within its width (a pixel of border each side).
        const QFontMetricsF fm(b.sign(0)->font());
        const qreal width = b.sign(0)->width() - 2;
        const qreal twoLines = 2 * fm.lineSpacing();
        QStringList tooLong;
        for (int language = 0; language < b.impostazioni()->Lingue->items().size(); ++language) {
            b.impostazioni()->Lingue->setListIndex(language);
            b.aprivocaboli(QStringLiteral("vocabula.txt"));
            for (int r = 1; r <= b.state.lastWordIndex; ++r) {
                const QString t = b.state.vocabularyTable[r][3];
                const QRectF box = fm.boundingRect(QRectF(0, 0, width, 1000), Qt::TextWordWrap, t);
                if (box.height() > twoLines + 0.5 || box.width() > width + 0.5) tooLong << t;
            }
        }
        QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong.join(QStringLiteral(" | "))));
    }

    // Every word of the standard file asked once in each language, with every
    // word in the pool: no wrong box shows a translation sharing a sense with
    // the right one.
    void noWrongBoxSharesASenseWithTheRightAnswer() {
        BoardFixture fx(asset("vocabula.txt"));
        Traduci &b = fx.board();
        Impostazioni *w = b.impostazioni();
        QStringList unfair;
        std::uint32_t seed = 1;
        const auto draw = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return float(seed >> 8) / float(1u << 24);
        };
        for (int language = 0; language < w->Lingue->items().size(); ++language) {
            w->Lingue->setListIndex(language);
            b.aprivocaboli(QStringLiteral("vocabula.txt"));
            b.setTag(QString());
            b.selezionavocaboli();
            const int n = b.vocabolo->listCount();
            QCOMPARE(n, 1600);
            for (int k = 0; k < n; ++k) {
                fx.platform.script({(k + 0.5f) / n, draw()});
                for (int i = 0; i < 11; ++i)
                    fx.platform.script({draw()});
                b.sceglivocabolo();
                const QString right = b.sign(b.state.correctCandidate)->caption();
                QCOMPARE(right, b.traduzione->list(k));
                for (int i = 0; i < 12; ++i) {
                    const QString shown = b.sign(i)->caption();
                    if (i != b.state.correctCandidate && vocabulary::shareSense(shown, right))
                        unfair << right + QStringLiteral(" ~ ") + shown;
                }
            }
        }
        QVERIFY2(unfair.isEmpty(), qPrintable(unfair.mid(0, 10).join(QStringLiteral(" | "))));
    }

    void samplePersonalVocabulary() {
        const QByteArray bytes = asset("vocpers.txt");
        BoardFixture fx;
        fx.write(QStringLiteral("vocpers.txt"), bytes);
        Traduci &b = fx.board();
        fx.platform.messages.clear();
        b.aprivocaboli(QStringLiteral("vocpers.txt"));
        // a small file: only the "fewer than 100" notice, no defect
        QCOMPARE(fx.platform.messages.size(), 1);
        QVERIFY(fx.platform.messages[0].text.startsWith(QStringLiteral("Solo ")));
        QVERIFY(b.state.lastWordIndex >= 40 && b.state.lastWordIndex <= 60);
        for (int r = 1; r <= b.state.lastWordIndex; ++r)
            QCOMPARE(b.state.vocabularyTable[r][0], QStringLiteral("0"));
    }

    // The content tool refuses two translations of one class that a player
    // reads alike: equal but for case, accents, blanks, punctuation or order.
    void makeVocabularyRefusesLookAlikes_data() {
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("refused");
        QTest::addRow("an accent") << "tú"
                                   << "tu" << true;
        QTest::addRow("an umlaut") << "fallen"
                                   << "fällen" << true;
        QTest::addRow("a ligature") << "œuvre"
                                    << "oeuvre" << true;
        QTest::addRow("case, punctuation, order") << "Ma, invece!"
                                                  << "invece, ma" << true;
        QTest::addRow("a letter more") << "tu"
                                       << "tuo" << false;
    }
    void makeVocabularyRefusesLookAlikes() {
        QFETCH(QString, one);
        QFETCH(QString, other);
        QFETCH(bool, refused);
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty()) QSKIP("no python3");
        // The tool builds the tree it stands in: a copy of it in a tree of two records.
        QTemporaryDir tree;
        QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("scripts")) &&
                QDir(tree.path()).mkpath(QStringLiteral("assets/vocabulary-src")));
        const QString tool = tree.filePath(QStringLiteral("scripts/make-vocabulary"));
        QVERIFY(QFile::copy(QStringLiteral(ASSETS_DIR "/../scripts/make-vocabulary"), tool));
        QFile source(tree.filePath(QStringLiteral("assets/vocabulary-src/01-words.tsv")));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(("et\t4\t" + one + "\tand\nac\t4\t" + other + "\tand also\n").toUtf8());
        source.close();
        QProcess run;
        run.start(python, {tool, QStringLiteral("--partial"), QStringLiteral("--check-only"),
                           QStringLiteral("--languages"), QStringLiteral("none")});
        QVERIFY(run.waitForFinished(30000));
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("errors,")), qPrintable(out)); // the tool ran to its summary
        QCOMPARE(out.contains(QStringLiteral("Italiano translations read alike in class 4")), refused);
    }

    void picturesHaveTheirDesignSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char *side : {"iml", "imr"}) {
            for (int k = 0; k <= 6; ++k)
                QTest::addRow("%s%d", side, k)
                    << QStringLiteral("%1%2").arg(side).arg(k) << QSize(k == 4 ? 33 : 34, 44);
            QTest::addRow("%s7", side) << QStringLiteral("%1").arg(side) + QLatin1Char('7') << QSize(25, 21);
        }
        const std::pair<const char *, QSize> others[] = {
            {"fumetto1", {290, 288}},   {"fumetto2", {290, 288}},   {"fumetto3", {158, 161}},
            {"fumetto4", {145, 158}},   {"bubble_left", {143, 70}}, {"bubble_right", {143, 70}},
            {"colonna_blue", {34, 31}}, {"colonna_red", {34, 31}},  {"base_blue", {34, 26}},
            {"base_red", {34, 26}},     {"barrone", {46, 416}},     {"arapacis", {180, 70}},
            {"keyboard", {450, 152}},   {"freccia_up", {52, 107}},  {"freccia_bent", {129, 76}},
            {"artifex", {140, 174}},    {"icon", {32, 32}},         {"pointer", {32, 32}},
        };
        for (const auto &[name, size] : others)
            QTest::addRow("%s", name) << QString::fromLatin1(name) << size;
        for (int k = 1; k <= 6; ++k)
            QTest::addRow("foto%d", k) << QStringLiteral("foto%1").arg(k) << QSize(70, 70);
    }
    void picturesHaveTheirDesignSizes() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const ui::Picture p = ui::Picture::load(name);
        QVERIFY2(!p.isNull(), qPrintable(name));
        QCOMPARE(p.size(), size);
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
