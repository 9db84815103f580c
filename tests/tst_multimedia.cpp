// The multimedia devices, playing real files through SDL's dummy audio driver
// (real time, no sound card): completion reports, modes, restarts, silence
// when a file or the sound device is missing, music and effects together.

#include "ui/multimedia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <SDL_mixer.h>

#include <memory>

using ui::MultimediaDevice;

namespace {

// The codes a device has reported so far.
QList<int> codes(const QSignalSpy &spy) {
    QList<int> out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toInt();
    return out;
}

void send(MultimediaDevice &d, const QStringList &commands) {
    for (const QString &c : commands)
        d.setCommand(c);
}

const QStringList openPrevPlay{"Open", "Prev", "Play"};

} // namespace

class TstMultimedia : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void completionComesFromTheEventLoop();
    void modeIsPlayingUntilTheSoundEnds();
    void prevThenPlayRestartsASoundingEffect();
    void playWhilePlayingTakesOverTheReport();
    void reopeningPlaysAgain();
    void commandsOnAClosedDeviceFailQuietly();
    void missingFileSilencesOnlyItsDevice();
    void unplayableFileSilencesTheDevice_data();
    void unplayableFileSilencesTheDevice();
    void disabledAudioSilencesEveryDevice();
    void destroyingAPlayingDeviceIsSafe();
    void musicAndEffectSoundTogether();
    void musicEndsAfterItsTail();
    void noSoundDeviceLeavesEveryDeviceSilent();

  private:
    QTemporaryDir dir_;
    QString previousDir_;
};

void TstMultimedia::initTestCase() {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QVERIFY(dir_.isValid());
    // File names are bare: the devices look for them in the current folder.
    for (const char *name : {"short.wav", "long.wav", "note.mid", "broken.wav"})
        QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/sound/") + QLatin1String(name),
                            dir_.filePath(QLatin1String(name))));
    QVERIFY(QFile::copy(dir_.filePath(QStringLiteral("broken.wav")),
                        dir_.filePath(QStringLiteral("broken.mid"))));
    // Damaged files that begin as their kind does: a MIDI file cut after its
    // header or in the middle of its tracks, a waveform cut after its header.
    const auto cut = [this](const char *from, const char *to, qsizetype bytes) {
        QFile in(dir_.filePath(QLatin1String(from))), out(dir_.filePath(QLatin1String(to)));
        return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) &&
               out.write(in.readAll().left(bytes < 0 ? in.size() / 2 : bytes)) >= 0;
    };
    QVERIFY(cut("note.mid", "header.mid", 14));
    QVERIFY(cut("note.mid", "half.mid", -1));
    QVERIFY(cut("short.wav", "header.wav", 44));
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void TstMultimedia::cleanup() {
    ui::setAudioEnabled(true);
}

void TstMultimedia::cleanupTestCase() {
    // At program end every sound stops and open devices fall silent.
    MultimediaDevice d(QStringLiteral("MCIright"), QStringLiteral("long.wav"), nullptr);
    send(d, openPrevPlay);
    ui::shutdownAudio();
    QCOMPARE(d.mode(), int(MultimediaDevice::NotOpen));
    d.setCommand(QStringLiteral("Open"));
    QCOMPARE(d.mode(), int(MultimediaDevice::NotOpen));
    QVERIFY(d.error() != 0);
    QDir::setCurrent(previousDir_);
}

void TstMultimedia::completionComesFromTheEventLoop() {
    MultimediaDevice d(QStringLiteral("MCIright"), QStringLiteral("short.wav"), nullptr);
    QSignalSpy done(&d, &MultimediaDevice::Done);
    d.setCommand(QStringLiteral("Open"));
    QCOMPARE(d.error(), 0);
    QCOMPARE(d.mode(), int(MultimediaDevice::Stopped));
    d.setCommand(QStringLiteral("Play"));
    QCOMPARE(d.error(), 0);
    QVERIFY(done.isEmpty());

    // The 0.12 s sound ends while this thread is busy: the report waits for the event loop.
    QThread::msleep(500);
    QVERIFY(done.isEmpty());
    QCOMPARE(d.mode(), int(MultimediaDevice::Playing));
    QTRY_COMPARE_WITH_TIMEOUT(codes(done), QList<int>{MultimediaDevice::Successful}, 3000);
    QCOMPARE(d.mode(), int(MultimediaDevice::Stopped));
}

void TstMultimedia::modeIsPlayingUntilTheSoundEnds() {
    MultimediaDevice d(QStringLiteral("MCIright"), QStringLiteral("long.wav"), nullptr);
    QSignalSpy done(&d, &MultimediaDevice::Done);
    d.setCommand(QStringLiteral("Open"));
    QElapsedTimer clock;
    clock.start();
    send(d, {"Prev", "Play"});
    QCOMPARE(d.mode(), int(MultimediaDevice::Playing));
    QTest::qWait(100);
    QCOMPARE(d.mode(), int(MultimediaDevice::Playing));
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 3000);
    // The dummy driver plays in real time: the 0.3 s sound was really played through.
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(done.at(0).at(0).toInt(), int(MultimediaDevice::Successful));
    QCOMPARE(d.mode(), int(MultimediaDevice::Stopped));
    QCOMPARE(d.error(), 0);
}

void TstMultimedia::prevThenPlayRestartsASoundingEffect() {
    MultimediaDevice d(QStringLiteral("MCiwrong"), QStringLiteral("long.wav"), nullptr);
    QSignalSpy done(&d, &MultimediaDevice::Done);
    send(d, openPrevPlay);
    QTest::qWait(150);
    QCOMPARE(d.mode(), int(MultimediaDevice::Playing));

    QElapsedTimer clock;
    clock.start();
    d.setCommand(QStringLiteral("Prev"));
    QCOMPARE(d.mode(), int(MultimediaDevice::Stopped));
    d.setCommand(QStringLiteral("Play"));
    QCOMPARE(d.mode(), int(MultimediaDevice::Playing));
    QTRY_VERIFY_WITH_TIMEOUT(codes(done).contains(MultimediaDevice::Successful), 3000);
    // A whole 0.3 s from the restart, not what was left of the first play.
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(200);
    QCOMPARE(codes(done), (QList<int>{MultimediaDevice::Aborted, MultimediaDevice::Successful}));
}

void TstMultimedia::playWhilePlayingTakesOverTheReport() {
    MultimediaDevice d(QStringLiteral("MCIright"), QStringLiteral("long.wav"), nullptr);
    QSignalSpy done(&d, &MultimediaDevice::Done);
    send(d, openPrevPlay);
    QTest::qWait(100);
    d.setCommand(QStringLiteral("Play"));
    QCOMPARE(d.mode(), int(MultimediaDevice::Playing));
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 2, 3000);
    QTest::qWait(100);
    QCOMPARE(codes(done), (QList<int>{MultimediaDevice::Superseded, MultimediaDevice::Successful}));
    QCOMPARE(d.mode(), int(MultimediaDevice::Stopped));
}

void TstMultimedia::reopeningPlaysAgain() {
    // The music's loop: on each completion Close, Open, Prev, Play.
    MultimediaDevice d(QStringLiteral("MCImusica"), QStringLiteral("short.wav"), nullptr);
    QSignalSpy done(&d, &MultimediaDevice::Done);
    send(d, openPrevPlay);
    for (int round = 1; round <= 3; ++round) {
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), round, 3000);
        QCOMPARE(done.last().at(0).toInt(), int(MultimediaDevice::Successful));
        send(d, {"Close", "Open", "Prev", "Play"});
        QCOMPARE(d.mode(), int(MultimediaDevice::Playing));
    }
    d.setCommand(QStringLiteral("Close"));
    QCOMPARE(d.mode(), int(MultimediaDevice::NotOpen));
    QTRY_COMPARE_WITH_TIMEOUT(codes(done).last(), int(MultimediaDevice::Aborted), 1000);
    QCOMPARE(codes(done).count(MultimediaDevice::Successful), 3);
    QCOMPARE(d.history().size(), 3 + 3 * 4 + 1);
}

void TstMultimedia::commandsOnAClosedDeviceFailQuietly() {
    MultimediaDevice d(QStringLiteral("MCIright"), QStringLiteral("short.wav"), nullptr);
    QSignalSpy done(&d, &MultimediaDevice::Done);
    QCOMPARE(d.mode(), int(MultimediaDevice::NotOpen));
    d.setCommand(QStringLiteral("Prev"));
    QCOMPARE(d.error(), int(MultimediaDevice::DeviceNotOpen));
    d.setCommand(QStringLiteral("Play"));
    QCOMPARE(d.error(), int(MultimediaDevice::DeviceNotOpen));
    QCOMPARE(d.mode(), int(MultimediaDevice::NotOpen));
    d.setCommand(QStringLiteral("Close"));
    QCOMPARE(d.error(), 0);

    d.setCommand(QStringLiteral("Open"));
    QCOMPARE(d.error(), 0);
    for (const QString &bad : {QStringLiteral("Stop"), QStringLiteral("play"), QString()}) {
        d.setCommand(bad);
        QCOMPARE(d.error(), int(MultimediaDevice::UnknownCommand));
        QCOMPARE(d.mode(), int(MultimediaDevice::Stopped));
    }
    QCOMPARE(d.history(), (QStringList{"Prev", "Play", "Close", "Open", "Stop", "play", ""}));
    QCOMPARE(d.property("Mode").toInt(), int(MultimediaDevice::Stopped));
    QCOMPARE(d.property("Error").toInt(), int(MultimediaDevice::UnknownCommand));
    QTest::qWait(200);
    QVERIFY(done.isEmpty());
}

void TstMultimedia::missingFileSilencesOnlyItsDevice() {
    MultimediaDevice missing(QStringLiteral("MCiwrong"), QStringLiteral("Wrong.wav"), nullptr);
    MultimediaDevice right(QStringLiteral("MCIright"), QStringLiteral("short.wav"), nullptr);
    QSignalSpy missingDone(&missing, &MultimediaDevice::Done);
    QSignalSpy rightDone(&right, &MultimediaDevice::Done);
    missing.setCommand(QStringLiteral("Open"));
    QCOMPARE(missing.error(), int(MultimediaDevice::FileNotFound));
    QCOMPARE(missing.mode(), int(MultimediaDevice::NotOpen));
    right.setCommand(QStringLiteral("Open"));
    send(missing, {"Prev", "Play"});
    QVERIFY(missing.error() != 0);
    QCOMPARE(missing.mode(), int(MultimediaDevice::NotOpen));
    send(right, {"Prev", "Play"});
    QTRY_COMPARE_WITH_TIMEOUT(codes(rightDone), QList<int>{MultimediaDevice::Successful}, 3000);
    QVERIFY(missingDone.isEmpty());
}

void TstMultimedia::unplayableFileSilencesTheDevice_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("openError");
    QTest::addColumn<QList<int>>("reports");
    // broken.wav starts like a WAV file, so Open takes it and only the sound
    // thread finds it unreadable: the play already asked for fails. broken.mid
    // is no MIDI file at all and Open turns it away at once.
    QTest::newRow("waveform") << QStringLiteral("broken.wav") << 0 << QList<int>{MultimediaDevice::Failure};
    QTest::newRow("music") << QStringLiteral("broken.mid") << int(MultimediaDevice::UnplayableFile)
                           << QList<int>{};
    // The library takes these, and a play of them would end at once: the
    // device must fall silent, not report a normal end (the music would be
    // reopened and played again without pause).
    QTest::newRow("music cut after its header")
        << QStringLiteral("header.mid") << 0 << QList<int>{MultimediaDevice::Failure};
    QTest::newRow("music cut in half")
        << QStringLiteral("half.mid") << 0 << QList<int>{MultimediaDevice::Failure};
    QTest::newRow("waveform without samples")
        << QStringLiteral("header.wav") << 0 << QList<int>{MultimediaDevice::Failure};
}

void TstMultimedia::unplayableFileSilencesTheDevice() {
    QFETCH(QString, file);
    QFETCH(int, openError);
    QFETCH(QList<int>, reports);
    MultimediaDevice d(QStringLiteral("MCIvittoria"), file, nullptr);
    QSignalSpy done(&d, &MultimediaDevice::Done);
    d.setCommand(QStringLiteral("Open"));
    QCOMPARE(d.error(), openError);
    send(d, {"Prev", "Play"});
    QTRY_COMPARE_WITH_TIMEOUT(d.mode(), int(MultimediaDevice::NotOpen), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(codes(done), reports, 1000);
    send(d, {"Prev", "Play"});
    QCOMPARE(d.error(), int(MultimediaDevice::DeviceNotOpen));
    // Opened again, as the music's loop would: the file is not tried again.
    d.setCommand(QStringLiteral("Open"));
    QCOMPARE(d.mode(), int(MultimediaDevice::NotOpen));
    QCOMPARE(d.error(), int(MultimediaDevice::UnplayableFile));
    QTest::qWait(300);
    QCOMPARE(codes(done), reports);
}

void TstMultimedia::disabledAudioSilencesEveryDevice() {
    ui::setAudioEnabled(false);
    MultimediaDevice music(QStringLiteral("MCImusica"), QStringLiteral("note.mid"), nullptr);
    MultimediaDevice effect(QStringLiteral("MCIvittoria"), QStringLiteral("short.wav"), nullptr);
    QSignalSpy musicDone(&music, &MultimediaDevice::Done);
    QSignalSpy effectDone(&effect, &MultimediaDevice::Done);
    for (MultimediaDevice *d : {&music, &effect}) {
        d->setCommand(QStringLiteral("Open"));
        QCOMPARE(d->mode(), int(MultimediaDevice::NotOpen));
        QVERIFY(d->error() != 0);
        send(*d, {"Prev", "Play"});
        QCOMPARE(d->mode(), int(MultimediaDevice::NotOpen));
    }
    QTest::qWait(300);
    QCOMPARE(Mix_PlayingMusic(), 0);
    QCOMPARE(Mix_Playing(-1), 0);
    QVERIFY(musicDone.isEmpty());
    QVERIFY(effectDone.isEmpty());
}

void TstMultimedia::destroyingAPlayingDeviceIsSafe() {
    {
        MultimediaDevice music(QStringLiteral("MCImusica"), QStringLiteral("note.mid"), nullptr);
        MultimediaDevice effect(QStringLiteral("MCIright"), QStringLiteral("long.wav"), nullptr);
        send(music, openPrevPlay);
        send(effect, openPrevPlay);
        QTRY_VERIFY_WITH_TIMEOUT(Mix_PlayingMusic() && Mix_Playing(-1) > 0, 3000);
    }
    // Their sounds stop with them, and nothing is reported to the dead devices.
    QTRY_VERIFY_WITH_TIMEOUT(!Mix_PlayingMusic() && Mix_Playing(-1) == 0, 1000);
    QTest::qWait(300);
}

void TstMultimedia::musicAndEffectSoundTogether() {
    MultimediaDevice music(QStringLiteral("MCImusica"), QStringLiteral("note.mid"), nullptr);
    MultimediaDevice right(QStringLiteral("MCIright"), QStringLiteral("long.wav"), nullptr);
    MultimediaDevice wrong(QStringLiteral("MCiwrong"), QStringLiteral("short.wav"), nullptr);
    QSignalSpy musicDone(&music, &MultimediaDevice::Done);
    QSignalSpy rightDone(&right, &MultimediaDevice::Done);
    QSignalSpy wrongDone(&wrong, &MultimediaDevice::Done);
    for (MultimediaDevice *d : {&music, &right, &wrong})
        send(*d, openPrevPlay);
    QTRY_VERIFY_WITH_TIMEOUT(Mix_PlayingMusic() && Mix_Playing(-1) > 0, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(codes(rightDone), QList<int>{MultimediaDevice::Successful}, 3000);
    QCOMPARE(codes(wrongDone), QList<int>{MultimediaDevice::Successful});
    QCOMPARE(music.mode(), int(MultimediaDevice::Playing));

    // Closing the music silences it at once, in the middle of its tail.
    QVERIFY(Mix_PlayingMusic());
    music.setCommand(QStringLiteral("Close"));
    QCOMPARE(music.mode(), int(MultimediaDevice::NotOpen));
    QTRY_COMPARE_WITH_TIMEOUT(Mix_PlayingMusic(), 0, 300);
    QTRY_COMPARE_WITH_TIMEOUT(codes(musicDone), QList<int>{MultimediaDevice::Aborted}, 1000);
}

void TstMultimedia::musicEndsAfterItsTail() {
    MultimediaDevice music(QStringLiteral("MCImusica"), QStringLiteral("note.mid"), nullptr);
    music.setNotify(false); // as the game sets it: the end is reported all the same
    QSignalSpy done(&music, &MultimediaDevice::Done);
    send(music, openPrevPlay);
    // The note lasts 0.25 s; the synthesiser's tail keeps the piece playing after it.
    QTest::qWait(800);
    QCOMPARE(music.mode(), int(MultimediaDevice::Playing));
    QVERIFY(done.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(codes(done), QList<int>{MultimediaDevice::Successful}, 8000);
    QCOMPARE(music.mode(), int(MultimediaDevice::Stopped));
    QCOMPARE(Mix_PlayingMusic(), 0);
}

void TstMultimedia::noSoundDeviceLeavesEveryDeviceSilent() {
    // The sound device is opened once per process, so this runs in a child
    // process of its own with an audio driver that does not exist.
    if (qEnvironmentVariableIsEmpty("TST_MULTIMEDIA_NO_DEVICE")) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TST_MULTIMEDIA_NO_DEVICE"), QStringLiteral("1"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("no-such-driver"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("noSoundDeviceLeavesEveryDeviceSilent")});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray out = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, out.constData());
        QVERIFY2(out.contains("PASS   : TstMultimedia::noSoundDeviceLeavesEveryDeviceSilent"),
                 out.constData());
        return;
    }
    MultimediaDevice effect(QStringLiteral("MCIvittoria"), QStringLiteral("short.wav"), nullptr);
    MultimediaDevice music(QStringLiteral("MCImusica"), QStringLiteral("note.mid"), nullptr);
    QSignalSpy effectDone(&effect, &MultimediaDevice::Done);
    QSignalSpy musicDone(&music, &MultimediaDevice::Done);
    // As at start-up: both opened, then the fanfare asked for before anything is known.
    effect.setCommand(QStringLiteral("Open"));
    music.setCommand(QStringLiteral("Open"));
    send(effect, {"Prev", "Play"});
    QTRY_COMPARE_WITH_TIMEOUT(effect.mode(), int(MultimediaDevice::NotOpen), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(music.mode(), int(MultimediaDevice::NotOpen), 5000);
    QCOMPARE(effect.error(), int(MultimediaDevice::NoSoundDevice));
    QCOMPARE(music.error(), int(MultimediaDevice::NoSoundDevice));
    QCOMPARE(codes(effectDone), QList<int>{MultimediaDevice::Failure});
    // Once the device is known to be missing, Open fails at once.
    send(music, {"Close", "Open"});
    QCOMPARE(music.mode(), int(MultimediaDevice::NotOpen));
    QCOMPARE(music.error(), int(MultimediaDevice::NoSoundDevice));
    send(music, {"Prev", "Play"});
    QCOMPARE(music.mode(), int(MultimediaDevice::NotOpen));
    QCOMPARE(music.error(), int(MultimediaDevice::DeviceNotOpen));
    QTest::qWait(200);
    QVERIFY(musicDone.isEmpty());
}

QTEST_MAIN(TstMultimedia)
#include "tst_multimedia.moc"
