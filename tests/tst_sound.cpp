// The board's sounds, with real devices on SDL's dummy driver and short test
// files: effects only when sounds are on, the music after the fanfare and the
// music looping. (A missing file's silence is tested with the device.)
#include "board/traduci.h"
#include "settings/store.h"
#include "support/boardfixture.h"
#include "ui/multimedia.h"

#include <QFile>
#include <QTest>

namespace {
QByteArray soundFile(const char *name) {
    QFile f(QStringLiteral(TEST_DATA_DIR "/sound/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A working folder with the test sounds under the game's names.
struct SoundBoard {
    BoardFixture fx;
    SoundBoard(bool sounds, bool music) {
        fx.write(QStringLiteral("Vittoria.wav"), soundFile("short.wav"));
        fx.write(QStringLiteral("Right.wav"), soundFile("short.wav"));
        fx.write(QStringLiteral("Wrong.wav"), soundFile("long.wav"));
        fx.write(QStringLiteral("musica.mid"), soundFile("note.mid"));
        SettingsStore store;
        store.write(QStringLiteral("Suoni"), sounds ? QStringLiteral("1") : QStringLiteral("0"));
        store.write(QStringLiteral("Musica"), music ? QStringLiteral("1") : QStringLiteral("0"));
    }
    Traduci &b() { return fx.board(); }
};

int plays(const ui::MultimediaDevice *d) {
    return static_cast<int>(d->history().count(QStringLiteral("Play")));
}
} // namespace

class TestSound : public QObject {
    Q_OBJECT
  private slots:
    void effectsOnlyWhenSoundsAreOn() {
        SoundBoard silent(false, false);
        Traduci &b = silent.b();
        b.suona(QStringLiteral("Wrong"));
        b.suona(QStringLiteral("Right"));
        QCOMPARE(plays(b.MCiwrong) + plays(b.MCIright) + plays(b.MCIvittoria), 0);
        QCOMPARE(b.MCiwrong->history(), QStringList{"Open"});
    }

    void effectRewindsAndPlays() {
        SoundBoard s(true, false);
        Traduci &b = s.b();
        b.suona(QStringLiteral("Wrong"));
        QCOMPARE(b.MCiwrong->history(), (QStringList{"Open", "Prev", "Play"}));
        QCOMPARE(b.MCiwrong->mode(), 526);
        b.suona(QStringLiteral("Wrong")); // while it sounds: from the beginning again
        QCOMPARE(b.MCiwrong->history().mid(3), (QStringList{"Prev", "Play"}));
        b.suona(QStringLiteral("Applausus")); // an unknown name plays nothing
        QCOMPARE(plays(b.MCIright), 0);
        QCOMPARE(plays(b.MCIvittoria), 1); // the start-up fanfare only
    }

    void musicFollowsTheFanfareAndLoops() {
        SoundBoard s(true, true);
        Traduci &b = s.b();
        QCOMPARE(plays(b.MCIvittoria), 1);
        QCOMPARE(plays(b.MCImusica), 0);
        // the fanfare's end starts the music from its beginning
        QTRY_COMPARE_WITH_TIMEOUT(plays(b.MCImusica), 1, 5000);
        QCOMPARE(b.MCImusica->history().mid(1, 4), (QStringList{"Close", "Open", "Prev", "Play"}));
        // a second fanfare while the music plays leaves it alone
        b.suona(QStringLiteral("Vittoria"));
        QTest::qWait(600);
        QCOMPARE(plays(b.MCImusica), 1);
        // the piece's end starts it again
        QTRY_COMPARE_WITH_TIMEOUT(plays(b.MCImusica), 2, 15000);
    }

    void musicOffClosesIt() {
        SoundBoard s(true, true);
        Traduci &b = s.b();
        QTRY_COMPARE_WITH_TIMEOUT(b.MCImusica->mode(), 526, 5000);
        b.state.musicOn = 0;
        b.aggiornamusica();
        QCOMPARE(b.MCImusica->history().last(), QStringLiteral("Close"));
        QVERIFY(b.MCImusica->mode() != 526);
        b.state.musicOn = 1;
        b.aggiornamusica(); // and on again plays it from the start
        QCOMPARE(b.MCImusica->history().mid(b.MCImusica->history().size() - 4),
                 (QStringList{"Close", "Open", "Prev", "Play"}));
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
