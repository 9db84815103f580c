// The spoken word: what is said for a headword, that a rendering holds sound,
// that a missing voice is silence, and that a word said again is kept.

#include "vox/spokenform.h"
#include "vox/synthesizer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

namespace {

// The loudest sample, and the time the samples last in milliseconds.
std::pair<int, int> peakAndLength(const vox::Speech &s) {
    if (s.silent()) return {0, 0};
    int peak = 0;
    for (std::int16_t x : *s.samples)
        peak = std::max(peak, std::abs(int(x)));
    return {peak, int(s.samples->size() * 1000 / size_t(s.rate))};
}

// The data folder of the installed eSpeak NG.
QString installedData() {
    for (const QString &d : QDir(QStringLiteral("/usr/lib")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString data = QStringLiteral("/usr/lib/") + d + QStringLiteral("/espeak-ng-data");
        if (QFileInfo::exists(data + QStringLiteral("/phontab"))) return data;
    }
    return QStringLiteral("/usr/share/espeak-ng-data");
}

} // namespace

class TestVox : public QObject {
    Q_OBJECT
  private slots:
    void spokenForm_data() {
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char *name, const char *headword, const char *spoken) {
            QTest::newRow(name) << QString(headword) << QString(spoken);
        };
        row("noun", "amicus, -i m.", "amicus");
        row("verb", "dico, -is, dixi, dictum, -ere", "dico");
        row("note in brackets", "cum (+ abl.)", "cum");
        row("abbreviations", "nefas n. indecl.", "nefas");
        row("gap", "ne ... quidem", "ne quidem");
        row("ending", "-que", "que");
        row("two words", "res publica, rei publicae f.", "res publica");
        row("long vowels", "rōsa, -ae f.", "rōsa");
        row("nothing to say", "(+ acc.)", "");
    }
    void spokenForm() {
        QFETCH(QString, headword);
        QFETCH(QString, spoken);
        QCOMPARE(vox::spokenForm(headword), spoken);
    }

    void renderingHoldsSound_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *language, const char *text) {
            QTest::newRow(*language ? language : "Latin") << QString(language) << QString(text);
        };
        row("", "amicus");
        row("Italiano", "amico");
        row("English", "friend");
        row("Deutsch", "für");
        row("Français", "être");
        row("Español", "también");
    }
    void renderingHoldsSound() {
        QFETCH(QString, language);
        QFETCH(QString, text);
        vox::Synthesizer synth(nullptr);
        const QString voice = language.isEmpty() ? vox::latinVoice : vox::voiceOf(language);
        const vox::Speech s = synth.render(text, voice);
        const auto [peak, ms] = peakAndLength(s);
        QVERIFY2(peak > 3000, qPrintable(QString::number(peak)));
        QVERIFY2(ms > 150 && ms < 2000, qPrintable(QString::number(ms)));
        QCOMPARE(s.rate, 22050);
        // Said again, it is not rendered again.
        QCOMPARE(synth.render(text, voice).samples.get(), s.samples.get());
    }

    void noVoiceIsSilence_data() {
        QTest::addColumn<QString>("data"); // the data folder as the test leaves it
        QTest::addColumn<QString>("voice");
        const auto row = [](const char *name, const char *data, const QString &voice) {
            QTest::newRow(name) << QString(data) << voice;
        };
        row("unknown language", "installed", vox::voiceOf(QStringLiteral("Latine")));
        row("voice the data lacks", "installed", QStringLiteral("xx"));
        row("data folder missing", "missing", vox::latinVoice);
        row("data folder empty", "empty", vox::latinVoice);
        row("Latin dictionary missing", "without la_dict", vox::latinVoice);
    }
    void noVoiceIsSilence() {
        QFETCH(QString, data);
        QFETCH(QString, voice);
        QTemporaryDir dir;
        QString folder = dir.path();
        if (data == QLatin1String("installed")) {
            folder.clear();
        } else if (data == QLatin1String("missing")) {
            folder += QStringLiteral("/none");
        } else if (data == QLatin1String("without la_dict")) {
            const QDir installed(installedData());
            for (const QString &f : installed.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
                if (f != QLatin1String("la_dict")) QFile::link(installed.filePath(f), dir.filePath(f));
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
