// The order of steps around a sound: what the board has done, and not yet
// done, when a sound command or a message box comes, read through the test
// platform's hook and its one log of every device's commands.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The board as a sound or a box meets it.
QString snapshot(Traduci &b, int holdsBefore, int holdsNow) {
    const TraduciState &s = b.state;
    return QStringLiteral("words %1, errors %2 (%3), box %4, locked %5%6, held %7")
        .arg(s.wordsDone)
        .arg(s.errorCount)
        .arg(b.Lab(2)->caption())
        .arg(b.sign(s.currentCandidate)->shown() ? QStringLiteral("shown") : QStringLiteral("hidden"))
        .arg(s.lockedOut[1])
        .arg(s.lockedOut[2])
        .arg(holdsNow - holdsBefore);
}

GameChoice withSounds(int players) {
    return {.players = players, .tweak = [](Impostazioni *w) { w->suoni->setValue(1); }};
}

} // namespace

class TestSoundOrder : public QObject {
    Q_OBJECT
  private slots:
    void stepsAroundASound_data() {
        QTest::addColumn<QString>("action"); // what is done once the board stands
        QTest::addColumn<int>("players");    // of the game the action answers in
        QTest::addColumn<QString>("watch");  // the events traced, a pattern
        QTest::addColumn<QStringList>("trace");
        const auto row = [](const char *name, const char *action, int players, const char *watch,
                            const QStringList &trace) {
            QTest::newRow(name) << QString(action) << players << QString(watch) << trace;
        };
        const QStringList closes{"MCImusica Close", "MCIvittoria Close", "MCIright Close", "MCiwrong Close"};
        const QString box = QStringLiteral("box Fabula acta est");
        // The devices are opened first, then the fanfare; the music waits for its end.
        const QStringList opens{"MCIvittoria Open", "MCIright Open", "MCiwrong Open", "MCImusica Open"};
        const char *startUp = " Open$|^MCI(vittoria|musica) (Prev|Play)$";
        row("start-up opens the devices", "start", 0, startUp,
            opens + QStringList{"MCIvittoria Prev", "MCIvittoria Play"});
        row("start-up without sounds and music", "start quiet", 0, startUp, opens);
        row("closing the board closes them", "close", 0, " Close$", closes);
        row("exit confirmed: the box, then the closes", "exit ok", 0, "^box| Close$",
            QStringList{box} + closes);
        row("exit cancelled: the box alone", "exit cancel", 0, "^box| Close$", {box});
        // One player: the error is counted and shown before the sound, the box hidden after it.
        row("one player, wrong", "wrong", 1, "^MCiwrong Play",
            {"MCiwrong Play: words 0, errors 1 (Errores: 1), box shown, locked 00, held 0"});
        // Two players: the sound first, then the box and the lock-out.
        row("two players, wrong", "wrong", 2, "^MCiwrong Play",
            {"MCiwrong Play: words 0, errors 0 (Penalità: ), box shown, locked 00, held 0"});
        // The right answer's sound comes before its one-second display; one
        // player's count before it, two players' after it. Vox is off at the
        // first start: nothing is spoken.
        row("one player, right", "right", 1, "^(MCIright|Vox) Play",
            {"MCIright Play: words 1, errors 0 (Errores: 0), box shown, locked 00, held 0"});
        row("two players, right", "right", 2, "^MCIright Play",
            {"MCIright Play: words 0, errors 0 (Penalità: ), box shown, locked 00, held 0"});
        // The spoken word: the Latin word as it is asked, the translation of
        // a right answer before the one-second display, so it sounds during
        // it; none of it with the game's sounds off.
        const char *voice = "^(MCIright|Vox) Play";
        row("Vox, one player, right", "vox right", 1, voice,
            {"Vox Play la verbum1: words 0, errors 0 (Errores: 0), box shown, locked 00, held 0",
             "Vox Play it parola1: words 0, errors 0 (Errores: 0), box shown, locked 00, held 0",
             "MCIright Play: words 1, errors 0 (Errores: 0), box shown, locked 00, held 0",
             "Vox Play la verbum1: words 1, errors 0 (Errores: 0), box shown, locked 00, held 1"});
        row("Vox with the sounds off", "vox right quiet", 1, voice, {});
    }

    void stepsAroundASound() {
        QFETCH(QString, action);
        QFETCH(int, players);
        QFETCH(QString, watch);
        QFETCH(QStringList, trace);
        const QRegularExpression watched(watch);
        BoardFixture fx;
        FakePlatform &p = fx.platform;
        Traduci *board = nullptr; // the state is read once the board exists
        int holdsBefore = 0;
        QStringList seen;
        qsizetype logged = 0;
        p.onSoundOrMessage = [&] {
            QString event;
            if (p.soundLog.size() > logged) {
                event = p.soundLog.last();
                logged = p.soundLog.size();
            } else {
                event = QStringLiteral("box ") + p.messages.last().title;
            }
            if (!watched.match(event).hasMatch()) return;
            if (board && !event.startsWith(QLatin1String("box")) && !event.endsWith(QLatin1String("Close")))
                event += QStringLiteral(": ") + snapshot(*board, holdsBefore, p.holds);
            seen << event;
        };
        const bool quiet = action.endsWith(QLatin1String(" quiet"));
        if (action.startsWith(QLatin1String("vox "))) {
            fx.store(QStringLiteral("Vox"), QStringLiteral("1"));
            fx.store(QStringLiteral("VoxTranslationis"), QStringLiteral("1"));
            action = action.mid(4).remove(QStringLiteral(" quiet"));
        }
        if (action == QLatin1String("start quiet")) {
            fx.store(QStringLiteral("Suoni"), QStringLiteral("0"));
            fx.store(QStringLiteral("Musica"), QStringLiteral("0"));
        }
        Traduci &b = fx.board();
        board = &b;
        if (action == QLatin1String("close")) {
            b.close();
        } else if (action.startsWith(QLatin1String("exit"))) {
            p.answers.enqueue(action == QLatin1String("exit ok") ? ui::Answer::Ok : ui::Answer::Cancel);
            press(b, Qt::Key_Escape);
        } else if (players > 0) {
            GameChoice choice = withSounds(players);
            if (quiet) choice.tweak = [](Impostazioni *w) { w->suoni->setValue(0); };
            startGame(fx, choice);
            holdsBefore = p.holds;
            answer(b, action == QLatin1String("right"), players == 1 ? 0 : 1);
        }
        p.onSoundOrMessage = nullptr;
        QCOMPARE(seen, trace);
    }
};

QTEST_MAIN(TestSoundOrder)
#include "tst_soundorder.moc"
