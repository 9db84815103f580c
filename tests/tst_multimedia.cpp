// The multimedia devices, playing real files through SDL's dummy audio driver
// (real time, no sound card): command scripts with the reports they bring,
// silence when a file is missing or unplayable or audio is off, and the end of
// audio, also with the sound thread stuck.

#include "ui/multimedia.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <SDL_mixer.h>

using ui::MultimediaDevice;
using M = MultimediaDevice;

namespace {
QList<int> codes(const QSignalSpy &spy) {
    QList<int> out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toInt();
    return out;
}
} // namespace

class TstMultimedia : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString previousDir_;

  private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
        // the devices look for their bare file names in the current folder
        for (const char *name : {"short.wav", "long.wav", "note.mid", "broken.wav"})
            QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/sound/") + QLatin1String(name),
                                dir_.filePath(QLatin1String(name))));
        QVERIFY(QFile::copy(dir_.filePath("broken.wav"), dir_.filePath("broken.mid")));
        // damaged files that begin as their kind does: a MIDI file cut after its
        // header or in the middle of its tracks, a waveform cut after its header
        const auto cut = [this](const char *from, const char *to, qsizetype bytes) {
            QFile in(dir_.filePath(QLatin1String(from))), out(dir_.filePath(QLatin1String(to)));
            return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) &&
                   out.write(in.readAll().left(bytes < 0 ? in.size() / 2 : bytes)) >= 0;
        };
        QVERIFY(cut("note.mid", "header.mid", 14));
        QVERIFY(cut("note.mid", "half.mid", -1));
        QVERIFY(cut("short.wav", "header.wav", 44));
        // a waveform as long as the fanfare (1.6 s of stereo silence), which
        // is let go after each play and loaded again for the next
        QFile fanfare(dir_.filePath("fanfare.wav"));
        QVERIFY(fanfare.open(QIODevice::WriteOnly));
        const quint32 samples = 44100 * 16 / 10 * 4;
        QByteArray wav("RIFF");
        const auto u32 = [&wav](quint32 v) { wav.append(reinterpret_cast<const char *>(&v), 4); };
        u32(36 + samples);
        wav += QByteArray("WAVEfmt \x10\0\0\0\x01\0\x02\0", 16);
        u32(44100);
        u32(44100 * 4);
        wav += QByteArray("\x04\0\x10\0data", 8);
        u32(samples);
        wav += QByteArray(samples, '\0');
        QVERIFY(fanfare.write(wav) == wav.size());
        fanfare.close();
        previousDir_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void cleanup() { ui::setAudioEnabled(true); }
    void cleanupTestCase() { QDir::setCurrent(previousDir_); }

    // A script of commands ("~" waits for the next report, as the game's
    // completion handlers do); the reports it brings, the mode and error after it.
    void script_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("reports");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("error"); // -1: any error
        const bool on = true;
        QTest::newRow("a sound ends")
            << "short.wav" << on << "Open Prev Play" << QList<int>{M::Successful} << int(M::Stopped) << 0;
        QTest::newRow("Prev restarts a sounding effect")
            << "long.wav" << on << "Open Prev Play Prev Play" << QList<int>{M::Aborted, M::Successful}
            << int(M::Stopped) << 0;
        QTest::newRow("Play while playing takes over the report")
            << "long.wav" << on << "Open Prev Play Play" << QList<int>{M::Superseded, M::Successful}
            << int(M::Stopped) << 0;
        QTest::newRow("the music's loop reopens and plays again")
            << "short.wav" << on << "Open Prev Play ~ Close Open Prev Play ~ Close Open Prev Play Close"
            << QList<int>{M::Successful, M::Successful, M::Aborted} << int(M::NotOpen) << 0;
        QTest::newRow("a long waveform plays again after it has ended")
            << "fanfare.wav" << on << "Open Prev Play ~ Prev Play ~ Prev Play Close"
            << QList<int>{M::Successful, M::Successful, M::Aborted} << int(M::NotOpen) << 0;
        QTest::newRow("missing file")
            << "Wrong.wav" << on << "Open" << QList<int>{} << int(M::NotOpen) << int(M::FileNotFound);
        // broken.wav starts like a WAV file: only the sound thread finds it unreadable
        QTest::newRow("broken waveform")
            << "broken.wav" << on << "Open Prev Play ~ Prev Play" << QList<int>{M::Failure} << int(M::NotOpen)
            << int(M::DeviceNotOpen);
        QTest::newRow("no MIDI file")
            << "broken.mid" << on << "Open" << QList<int>{} << int(M::NotOpen) << int(M::UnplayableFile);
        // a play that ends at once leaves the device silent, and the music's
        // loop does not try the file again (it would spin, reopening it)
        for (const char *damaged : {"header.mid", "half.mid", "header.wav"})
            QTest::addRow("damaged %s", damaged)
                << damaged << on << "Open Prev Play ~ Close Open" << QList<int>{M::Failure} << int(M::NotOpen)
                << int(M::UnplayableFile);
        QTest::newRow("music ends after its tail")
            << "note.mid" << on << "Open Prev Play" << QList<int>{M::Successful} << int(M::Stopped) << 0;
        QTest::newRow("music closed while it sounds")
            << "note.mid" << on << "Open Prev Play Close" << QList<int>{M::Aborted} << int(M::NotOpen) << 0;
        QTest::newRow("audio off") << "note.mid" << false << "Open Prev Play" << QList<int>{}
                                   << int(M::NotOpen) << -1;
    }
    void script() {
        QFETCH(QString, file);
        QFETCH(bool, audio);
        QFETCH(QString, script);
        QFETCH(QList<int>, reports);
        QFETCH(int, mode);
        QFETCH(int, error);
        ui::setAudioEnabled(audio);
        MultimediaDevice d(QStringLiteral("MCImusica"), file, nullptr);
        d.setNotify(false); // as the game sets it: the end is reported all the same
        QSignalSpy done(&d, &MultimediaDevice::Done);
        for (const QString &c : script.split(' ')) {
            if (c == QLatin1String("~")) {
                const qsizetype n = done.size();
                QTRY_VERIFY_WITH_TIMEOUT(done.size() > n, 8000);
            } else {
                d.setCommand(c);
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(codes(done), reports, 8000);
        QCoreApplication::processEvents();
        QCOMPARE(codes(done), reports);
        QCOMPARE(d.mode(), mode);
        if (error < 0)
            QVERIFY(d.error() != 0);
        else
            QCOMPARE(d.error(), error);
        if (!audio) QCOMPARE(Mix_PlayingMusic() + Mix_Playing(-1), 0);
    }

    // At program end the devices fall silent for good, and the end comes even
    // when the sound thread is stuck inside the sound library (as its start
    // can be, waiting on a helper process): it is waited for a while, then
    // left behind. The last test: the end of audio is once per program.
    void endOfAudioWithTheSoundThreadStuck() {
        MultimediaDevice d(QStringLiteral("MCIright"), QStringLiteral("long.wav"), nullptr);
        for (const char *c : {"Open", "Prev", "Play"})
            d.setCommand(QString::fromLatin1(c));
        // The stuck call holds the sound thread at its next job until the test lets it go.
        struct Gate {
            QSemaphore entered, proceed;
        };
        const auto gate = std::make_shared<Gate>();
        ui::setSoundThreadHold([gate] {
            gate->entered.release();
            gate->proceed.acquire();
        });
        d.setCommand(QStringLiteral("Prev"));
        QTRY_VERIFY_WITH_TIMEOUT(gate->entered.available() > 0, 10000);
        ui::setAudioEndWait(std::chrono::milliseconds(20));
        QVERIFY(!ui::shutdownAudio());
        QCOMPARE(d.mode(), int(M::NotOpen));
        d.setCommand(QStringLiteral("Open"));
        QCOMPARE(d.mode(), int(M::NotOpen));
        ui::setSoundThreadHold({});
        gate->proceed.release();
    }
};

QTEST_MAIN(TstMultimedia)
#include "tst_multimedia.moc"
