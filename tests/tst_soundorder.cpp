// The order of steps around a sound: what the board has done, and not yet done, when a sound command or a
// message box comes, read through the test platform's hook and its one log of every device's commands.
#include "board/traduci.h"
#include "support/gamedriver.h"
#include "ui/multimedia.h"

#include <QRegularExpression>
#include <QTest>

// The board as a sound or a box meets it (`held`: the one-second displays since the answer).
static QString snapshot(Traduci &b, int held) {
    return QString::asprintf("words %d, errors %g (%s), box %s, locked %d%d, held %d", b.state.wordsDone,
                             b.state.errorCount, qUtf8Printable(b.Lab(2)->caption()),
                             b.sign(b.state.currentCandidate)->shown() ? "shown" : "hidden",
                             b.state.lockedOut[1], b.state.lockedOut[2], held);
}

class TestSoundOrder : public QObject {
    Q_OBJECT
  private slots:
    void stepsAroundASound_data() {
        QTest::addColumn<QString>("stored"); // the settings stored before the start
        QTest::addColumn<QString>("action"); // what is done once the board stands (in a game of n players)
        QTest::addColumn<QString>("watch");  // the events traced, a pattern
        QTest::addColumn<QStringList>("trace");
        const auto row = [](const char *name, const char *stored, const char *action, const char *watch,
                            const QStringList &trace) {
            QTest::newRow(name) << QString(stored) << QString(action) << QString(watch) << trace;
        };
        const QStringList closes{"MCImusica Close", "MCIvittoria Close", "MCIright Close", "MCiwrong Close"};
        // The devices are opened first, then the fanfare; the music waits for its end.
        const QStringList opens{"MCIvittoria Open", "MCIright Open", "MCiwrong Open", "MCImusica Open"};
        const char *startUp = " Open$|^MCI(vittoria|musica) (Prev|Play)$";
        row("start-up", "", "", startUp, opens + QStringList{"MCIvittoria Prev", "MCIvittoria Play"});
        row("start-up without sounds and music", "Suoni=0 Musica=0", "", startUp, opens);
        row("closing the board closes them", "", "close", " Close$", closes);
        row("exit confirmed", "", "exit ok", "^box| Close$", QStringList{"box Fabula acta est"} + closes);
        row("exit cancelled: the box alone", "", "exit cancel", "^box| Close$", {"box Fabula acta est"});
        // One player: the error is counted and shown before the sound, the box hidden after it.
        row("one player, wrong", "", "wrong 1", "^MCiwrong Play",
            {"MCiwrong Play: words 0, errors 1 (Errores: 1), box shown, locked 00, held 0"});
        // Two players: the sound first, then the box and the lock-out.
        row("two players, wrong", "", "wrong 2", "^MCiwrong Play",
            {"MCiwrong Play: words 0, errors 0 (Penalità: ), box shown, locked 00, held 0"});
        // The right answer's sound comes before its one-second display; one player's count before it, two
        // players' after it. Vox is off at the first start: nothing is spoken.
        const char *voice = "^(MCIright|Vox) Play";
        row("one player, right", "", "right 1", voice,
            {"MCIright Play: words 1, errors 0 (Errores: 0), box shown, locked 00, held 0"});
        row("two players, right", "", "right 2", "^MCIright Play",
            {"MCIright Play: words 0, errors 0 (Penalità: ), box shown, locked 00, held 0"});
        // The spoken word: the Latin word as it is asked, the translation of a right answer before the
        // one-second display, so it sounds during it; none of it with the game's sounds off.
        row("Vox, one player, right", "Vox=1 VoxTranslationis=1", "right 1", voice,
            {"Vox Play la verbum1: words 0, errors 0 (Errores: 0), box shown, locked 00, held 0",
             "Vox Play it parola1: words 0, errors 0 (Errores: 0), box shown, locked 00, held 0",
             "MCIright Play: words 1, errors 0 (Errores: 0), box shown, locked 00, held 0",
             "Vox Play la verbum1: words 1, errors 0 (Errores: 0), box shown, locked 00, held 1"});
        row("Vox with the sounds off", "Vox=1 VoxTranslationis=1 Suoni=0", "right 1", voice, {});
        // The music starts when the fanfare has sounded to its end, and starts again at its own end.
        const char *music = "^MCImusica (Prev|Play)";
        const QString idle = ": words 0, errors 0 (Penalità: ), box shown, locked 00, held 0";
        const QStringList again{"MCImusica Prev" + idle, "MCImusica Play" + idle};
        row("the fanfare ended", "", "done MCIvittoria 1", music, again);
        row("the fanfare cut short", "", "done MCIvittoria 2", music, {});
        row("the music ended", "", "done MCImusica 1", music, again);
        row("the music cut short", "", "done MCImusica 2", music, {});
    }

    void stepsAroundASound() {
        QFETCH(QString, stored);
        QFETCH(QString, action);
        QFETCH(QString, watch);
        QFETCH(QStringList, trace);
        BoardFixture fx;
        FakePlatform &p = fx.platform;
        Traduci *board = nullptr; // the state is read once the board exists
        qsizetype logged = 0;
        QStringList seen;
        p.onSoundOrMessage = [&] {
            const bool sound = p.soundLog.size() > logged;
            logged = p.soundLog.size();
            QString event = sound ? p.soundLog.last() : QStringLiteral("box ") + p.messages.last().title;
            if (!QRegularExpression(watch).match(event).hasMatch()) return;
            if (board && sound && !event.endsWith(QLatin1String("Close")))
                event += QStringLiteral(": ") + snapshot(*board, p.holds);
            seen << event;
        };
        for (const QString &setting : stored.split(' ', Qt::SkipEmptyParts))
            fx.store(setting.section('=', 0, 0), setting.section('=', 1));
        Traduci &b = fx.board();
        board = &b;
        if (action == QLatin1String("close")) b.close();
        if (action.startsWith(QLatin1String("done")))
            emit(action.contains("musica") ? b.MCImusica : b.MCIvittoria)
                ->Done(action.section(' ', 2).toInt());
        if (action.startsWith(QLatin1String("exit"))) {
            p.answers.enqueue(action == QLatin1String("exit ok") ? ui::Answer::Ok : ui::Answer::Cancel);
            press(b, Qt::Key_Escape);
        }
        if (const int players = action.section(' ', 1).toInt()) {
            startGame(fx, {.players = players});
            p.holds = 0;
            answer(b, action.startsWith(QLatin1String("right")), players == 1 ? 0 : 1);
        }
        p.onSoundOrMessage = nullptr;
        QCOMPARE(seen, trace);
    }
};

QTEST_MAIN(TestSoundOrder)
#include "tst_soundorder.moc"
