// The spoken word: what is said for a headword, that a rendering holds sound,
// that a missing voice is silence, and that a word said again is kept.

#include "vox/spokenform.h"
#include "vox/synthesizer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <atomic>

class TestVox : public QObject {
    Q_OBJECT
  private slots:
    void spokenForm_data() {
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("first form") << QString("rēs pūblica, reī pūblicae f.") << QString("rēs pūblica");
        QTest::newRow("abbreviations") << QString("nefas n. indecl.") << QString("nefas");
        QTest::newRow("gap") << QString("ne ... quidem") << QString("ne quidem");
        QTest::newRow("ending") << QString("-que") << QString("que");
        QTest::newRow("a note in brackets alone") << QString("(+ acc.)") << QString();
    }
    void spokenForm() {
        QFETCH(QString, headword);
        QFETCH(QString, spoken);
        QCOMPARE(vox::spokenForm(headword), spoken);
    }

    void renderingHoldsSound_data() {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("text");
        QTest::newRow("Latin") << vox::latinVoice << QString("amicus");
        QTest::newRow("Italiano") << vox::voiceOf("Italiano") << QString("amico");
        QTest::newRow("English") << vox::voiceOf("English") << QString("friend");
        QTest::newRow("Deutsch") << vox::voiceOf("Deutsch") << QString("für");
        QTest::newRow("Français") << vox::voiceOf("Français") << QString("être");
        QTest::newRow("Español") << vox::voiceOf("Español") << QString("también");
    }
    void renderingHoldsSound() {
        QFETCH(QString, voice);
        QFETCH(QString, text);
        vox::Synthesizer synth(nullptr);
        const vox::Speech s = synth.render(text, voice);
        QVERIFY(!s.silent());
        QCOMPARE_GT(int(std::ranges::max(*s.samples)), 3000); // loud enough to be heard
        const qsizetype ms = qsizetype(s.samples->size()) * 1000 / s.rate;
        QVERIFY2(ms > 150 && ms < 2000, qPrintable(QString::number(ms)));
        QCOMPARE(synth.render(text, voice).samples.get(), s.samples.get()); // said again, not rendered again
    }

    void noVoiceIsSilence_data() {
        QTest::addColumn<QString>("data"); // the data folder as the test leaves it
        QTest::addColumn<QString>("voice");
        QTest::newRow("unknown language") << "installed" << vox::voiceOf(QStringLiteral("Latine"));
        QTest::newRow("voice the data lacks") << "installed" << QStringLiteral("xx");
        QTest::newRow("data folder missing") << "missing" << vox::latinVoice;
        QTest::newRow("Latin dictionary missing") << "without la_dict" << vox::latinVoice;
    }
    void noVoiceIsSilence() {
        QFETCH(QString, data);
        QFETCH(QString, voice);
        QTemporaryDir dir;
        const QString folder = data == QLatin1String("installed") ? QString() : dir.filePath(data);
        if (data == QLatin1String("without la_dict")) {
            QVERIFY(QDir().mkpath(folder));
            QString installed = QStringLiteral("/usr/share/espeak-ng-data");
            for (const QFileInfo &d : QDir(QStringLiteral("/usr/lib")).entryInfoList(QDir::Dirs))
                if (QFileInfo::exists(d.filePath() + "/espeak-ng-data/phontab"))
                    installed = d.filePath() + "/espeak-ng-data";
            for (const QString &f : QDir(installed).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
                if (f != QLatin1String("la_dict")) QFile::link(installed + '/' + f, folder + '/' + f);
        }
        std::atomic<int> handed = 0;
        {
            vox::Synthesizer synth([&](const vox::Speech &) { ++handed; }, folder);
            synth.say(QStringLiteral("amicus"), voice);
            QVERIFY(synth.render(QStringLiteral("amicus"), voice).silent());
        }
        QCOMPARE(handed.load(), 0);
        // The next synthesiser with the installed data has its voice again.
        vox::Synthesizer installed([&](const vox::Speech &) { ++handed; });
        installed.say(QStringLiteral("amicus"), vox::latinVoice);
        QVERIFY(!installed.render(QStringLiteral("amicus"), vox::latinVoice).silent());
        QCOMPARE(handed.load(), 1);
    }
};

QTEST_GUILESS_MAIN(TestVox)
#include "tst_vox.moc"
