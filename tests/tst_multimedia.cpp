// The multimedia devices, playing real files through SDL's dummy audio driver (real time, no sound card):
// command scripts with the reports they bring, silence when a file is missing or unplayable or audio is off,
// and the end of audio, also with the sound thread stuck.

#include "ui/multimedia.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <SDL_mixer.h>

using M = ui::MultimediaDevice;

class TstMultimedia : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
        // the devices look for their bare file names in the current folder
        QVERIFY(QDir::setCurrent(QStringLiteral(TEST_DATA_DIR "/sound")));
        const auto put = [this](const char *name, const QByteArray &bytes) {
            QFile f(dir_.filePath(QLatin1String(name)));
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        const auto data = [](const char *name) {
            QFile f(QString::fromLatin1(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        for (const char *name : {"short.wav", "long.wav", "note.mid", "broken.wav"})
            QVERIFY(put(name, data(name)));
        QVERIFY(put("broken.mid", data("broken.wav")));
        // damaged files that begin as their kind does: a MIDI file cut after its
        // header or in the middle of its tracks, a waveform cut after its header
        QVERIFY(put("header.mid", data("note.mid").left(14)));
        QVERIFY(put("half.mid", data("note.mid").left(data("note.mid").size() / 2)));
        QVERIFY(put("header.wav", data("short.wav").left(44)));
        // a waveform as long as the fanfare (1.6 s of 16-bit stereo silence at
        // 44.1 kHz), which is let go after each play and loaded again for the next
        QVERIFY(put("fanfare.wav", QByteArray::fromHex("52494646a44e040057415645666d74201000000001000200"
                                                       "44ac000010b102000400100064617461804e0400") +
                                       QByteArray(0x44e80, '\0')));
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void cleanup() { ui::setAudioEnabled(true); }

    // A script of commands ("~" waits for the next report, as the game's completion handlers do; "off" turns
    // audio off); the reports it brings, the mode and error after it.
    void script_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("reports");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("error");
        const auto row = [](const char *name, const char *file, const char *script, const QList<int> &reports,
                            int mode, int error) {
            QTest::newRow(name) << QString(file) << QString(script) << reports << mode << error;
        };
        row("a sound ends", "short.wav", "Open Prev Play", {M::Successful}, M::Stopped, 0);
        row("Prev restarts a sound", "long.wav", "Open Prev Play Prev Play", {M::Aborted, M::Successful},
            M::Stopped, 0);
        row("Play again takes over", "long.wav", "Open Prev Play Play", {M::Superseded, M::Successful},
            M::Stopped, 0);
        row("music's loop", "short.wav", "Open Prev Play ~ Close Open Prev Play ~ Close Open Prev Play Close",
            {M::Successful, M::Successful, M::Aborted}, M::NotOpen, 0);
        row("long waveform played again", "fanfare.wav", "Open Prev Play ~ Prev Play ~ Prev Play Close",
            {M::Successful, M::Successful, M::Aborted}, M::NotOpen, 0);
        row("missing file", "Wrong.wav", "Open", {}, M::NotOpen, M::FileNotFound);
        // broken.wav starts like a WAV file: only the sound thread finds it unreadable
        row("broken waveform", "broken.wav", "Open Prev Play ~ Prev Play", {M::Failure}, M::NotOpen,
            M::DeviceNotOpen);
        row("no MIDI file", "broken.mid", "Open", {}, M::NotOpen, M::UnplayableFile);
        // ending at once, it leaves the device silent and the music's loop does not reopen it (it would spin)
        for (const char *damaged : {"header.mid", "half.mid", "header.wav"})
            row(damaged, damaged, "Open Prev Play ~ Close Open", {M::Failure}, M::NotOpen, M::UnplayableFile);
        row("music ends after its tail", "note.mid", "Open Prev Play", {M::Successful}, M::Stopped, 0);
        row("music closed while it sounds", "note.mid", "Open Prev Play Close", {M::Aborted}, M::NotOpen, 0);
        row("audio off", "note.mid", "off Open Prev Play", {}, M::NotOpen, M::DeviceNotOpen);
    }
    void script() {
        QFETCH(QString, file);
        QFETCH(QString, script);
        QFETCH(QList<int>, reports);
        QFETCH(int, mode);
        QFETCH(int, error);
        M d(QStringLiteral("MCImusica"), file, nullptr);
        d.setNotify(false); // as the game sets it: the end is reported all the same
        QList<int> done;
        connect(&d, &M::Done, this, [&done](int code) { done << code; });
        for (const QString &c : script.split(' ')) {
            const qsizetype n = done.size();
            if (c == QLatin1String("off")) ui::setAudioEnabled(false);
            if (c == QLatin1String("~")) QTRY_VERIFY_WITH_TIMEOUT(done.size() > n, 8000);
            if (c != QLatin1String("~") && c != QLatin1String("off")) d.setCommand(c);
        }
        QTRY_COMPARE_WITH_TIMEOUT(done, reports, 8000);
        QCoreApplication::processEvents();
        QCOMPARE(done, reports);
        QCOMPARE(d.mode(), mode);
        QCOMPARE(d.error(), error);
        if (script.startsWith(QLatin1String("off"))) QCOMPARE(Mix_PlayingMusic() + Mix_Playing(-1), 0);
    }

    // Sounds made in memory (a spoken word) sound on a channel of their own: a new one cuts the one
    // sounding, and stopping silences it.
    void samples() {
        QVERIFY(ui::openSamples());
        const auto second = std::make_shared<const std::vector<std::int16_t>>(22050, 1000);
        for (int rate : {22050, 11025}) {
            ui::playSamples(second, rate);
            QTRY_COMPARE(Mix_Playing(-1), 1);
            QTest::qWait(50);
            QCOMPARE(Mix_Playing(-1), 1);
        }
        ui::stopSamples();
        QTRY_COMPARE(Mix_Playing(-1), 0);
    }

    // At program end the devices fall silent for good, and the end comes even when the sound thread is stuck
    // inside the sound library (as its start can be, waiting on a helper process): it is waited for a while,
    // then left behind. The last test: the end of audio is once per program.
    void endOfAudioWithTheSoundThreadStuck() {
        M d(QStringLiteral("MCIright"), QStringLiteral("long.wav"), nullptr);
        for (const char *c : {"Open", "Prev", "Play"})
            d.setCommand(QString::fromLatin1(c));
        // The stuck call holds the sound thread at its next job until the test lets it go.
        const auto entered = std::make_shared<QSemaphore>(), proceed = std::make_shared<QSemaphore>();
        ui::setSoundThreadHold([entered, proceed] {
            entered->release();
            proceed->acquire();
        });
        d.setCommand(QStringLiteral("Prev"));
        QTRY_VERIFY_WITH_TIMEOUT(entered->available() > 0, 10000);
        ui::setAudioEndWait(std::chrono::milliseconds(20));
        QVERIFY(!ui::shutdownAudio());
        QCOMPARE(d.mode(), int(M::NotOpen));
        d.setCommand(QStringLiteral("Open"));
        QCOMPARE(d.mode(), int(M::NotOpen));
        ui::setSoundThreadHold({});
        proceed->release();
    }
};

QTEST_MAIN(TstMultimedia)
#include "tst_multimedia.moc"
