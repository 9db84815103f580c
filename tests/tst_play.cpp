// Playing to the end: the keys and their judging, the right answer's progress (keys typed during its display
// discarded), the end of a game and its scene, the exit confirmation and the clicks that act as keys.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"

#include <QTest>

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    // The last right answer of a game: from one answer short of the end.
    void endOfGame_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("winner");
        QTest::addRow("one player, 10 words") << 1 << 1;
        QTest::addRow("player 1 wins 16 of 30") << 2 << 1;
        QTest::addRow("player 2 wins 16 of 30") << 2 << 2;
    }
    void endOfGame() {
        QFETCH(int, players);
        QFETCH(int, winner);
        const int loser = 3 - winner;
        BoardFixture fx;
        startGame(fx, {.players = players, .words = players == 1 ? 10 : 30});
        Traduci &b = fx.board();
        // The characters' lines are their pictures' tags; player 1 is on the right.
        const auto pics = [&](int side, int k) { return side == 2 ? b.Iml(k) : b.Imr(k); };
        for (int side : {1, 2})
            for (int k : {4, 5})
                pics(side, k)->setTag((side == 2 ? "Iml" : "Imr") + QString::number(k));
        if (players == 1) {
            answer(b, false);
            QCOMPARE(visibleBoxes(b), 11); // a wrong answer hides its box
            b.state.wordsDone = 8;
        } else {
            b.state.playerScore = {0, 14, 14};
            b.state.playerScore[size_t(loser)] = 15; // the loser not more than half
        }
        const int key = players == 1 ? 0 : winner;
        answer(b, true, key);
        QCOMPARE(visibleBoxes(b), 12); // not the end yet
        answer(b, true, key);
        QVERIFY(b.state.gameOver);
        QCOMPARE(visibleBoxes(b), 0);
        QVERIFY(b.Parola->caption().isEmpty() && b.Labelsotto1->caption().isEmpty());
        QCOMPARE(b.Timer1->interval(), 50);
        // the characters' lines in their bubbles; the loser's bust topples
        QCOMPARE(b.battuta(1)->caption(), pics(winner, 4)->tag());
        QCOMPARE(b.battuta(2)->shown(), players == 2);
        QString bubbles;
        for (int k = 1; k <= 4; ++k)
            bubbles += b.fumetto(k)->shown() ? QString::number(k) : QString();
        QCOMPARE(bubbles, players == 1 ? "1" : winner == 1 ? "23" : "14");
        if (players == 2) {
            QCOMPARE(b.battuta(2)->caption(), pics(loser, 5)->tag());
            QCOMPARE(b.figura(loser)->pictureHandle(), pics(loser, 6)->pictureHandle());
            QVERIFY(pics(loser, 7)->shown() && !pics(winner, 7)->shown());
        }
        const int winnerTop = pics(winner, 7)->top();
        press(b, Qt::Key_Return); // keys before the prompt do nothing (no settings window, counted below)
        // the end scene: the head falls down the track, then the prompt
        for (int i = 0; i < 200 && b.Parola->caption() != QStringLiteral("Quamlibet clavem tange"); ++i)
            b.Timer1_Timer();
        QCOMPARE(b.Parola->caption(), QStringLiteral("Quamlibet clavem tange"));
        QVERIFY(players == 1 || pics(loser, 7)->top() >= b.barrone(loser)->height_());
        QCOMPARE(pics(winner, 7)->top(), winnerTop); // the winner's head stays
        QCOMPARE(b.Parola->fontSize(), 13.0);
        press(b, 'q'); // a key now opens the settings for a new game
        QCOMPARE(fx.platform.modalWindows.size(), 2);
    }

    // Two players: lock-outs, and the right answer's display that frees both, keys typed meanwhile discarded.
    void lockOutsAndTheRightAnswer() {
        BoardFixture fx;
        startGame(fx, {.players = 2, .words = 30, .tweak = [](Impostazioni *w) { moveTo(w, 2, 4); }});
        Traduci &b = fx.board();
        answer(b, false, 2); // Vergilius against Cicero
        QCOMPARE(b.state.lockedOut[2], 1);
        b.Timer1_Timer(); // the locked player stands, the other walks on
        QCOMPARE(b.figura(2)->pictureHandle(), b.Iml(6)->pictureHandle());
        QCOMPARE(b.figura(1)->pictureHandle(), b.Imr(b.state.walkFrame)->pictureHandle());
        QCOMPARE(b.Labelsotto1->caption(),
                 QStringLiteral("Vae, Vergili!  Erravisti!  Nunc Cicero tantum ludere potest."));
        QCOMPARE(b.state.errorCount, 0.0); // no error counted with two players
        // the locked player's key does nothing, nor starts the lock-out again
        const int shown = visibleBoxes(b);
        answer(b, false, 2);
        QCOMPARE(visibleBoxes(b), shown);
        QVERIFY(b.state.lockoutRemaining < 15000);
        // the other player's error frees the first at once and locks himself
        answer(b, false, 1);
        QCOMPARE(b.state.lockedOut[2], 0);
        QCOMPARE(b.state.lockedOut[1], 1);
        QCOMPARE(b.state.lockoutRemaining, 15000);
        fx.platform.onHold = [&] {
            // shown during the hold: the player's colour, the answered box alone
            QVERIFY(b.Frame1->backColor() == QColor(255, 0, 0) && b.Parola->backColor() == QColor(255, 0, 0));
            QCOMPARE(visibleBoxes(b), 1);
            QCOMPARE(b.state.answering, 0);
            // player 1's key typed meanwhile: delivered later, discarded
            QCoreApplication::postEvent(
                &b, new QKeyEvent(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0")));
        };
        answer(b, true, 2);
        QCOMPARE(fx.platform.holds, 1);
        QCOMPARE(b.Labelsotto1->caption(), b.state.statusTexts[2]);
        QCoreApplication::processEvents();
        QCOMPARE(b.state.playerScore[1] + b.state.lockedOut[1], 0);
    }

    // Clicks act as keys; with two players the digit row's keys are the players' on any layout.
    void clicksAndDigitKeys() {
        BoardFixture fx;
        startGame(fx, {.players = 1, .words = 10});
        Traduci &b = fx.board();
        highlight(b, b.state.correctCandidate);
        b.fumetto(3)->Click(); // a bubble acts as Enter
        QCOMPARE(b.state.wordsDone, 1);
        highlight(b, b.state.correctCandidate);
        b.arapacis->Click(); // so does the title
        QCOMPARE(b.state.wordsDone, 2);
        fx.platform.answers.enqueue(ui::Answer::Cancel);
        b.Labelsotto1->Click(); // the status line acts as Esc
        QCOMPARE(fx.platform.messages.last().title, QStringLiteral("Fabula acta est"));
        answerSettings(fx.platform, {}, false);
        b.Parola->Click(); // the word opens the settings
        QCOMPARE(fx.platform.modalWindows.size(), 2);

        startGame(fx, {.players = 2, .words = 30});
        highlight(b, b.state.correctCandidate);
        b.fumetto(1)->Click(); // Enter does nothing with two players
        QCOMPARE(b.state.wordsDone, 0);
        // the "1" key giving "&" (AZERTY) is still player 2's key, the "0" key
        // giving "à" player 1's; another key giving "&" is nobody's
        for (auto [key, code, text] : {std::tuple{Qt::Key_Ampersand, 10u, "&"},
                                       {Qt::Key_Ampersand, 10u, "&"},
                                       {Qt::Key_Agrave, 19u, "à"},
                                       {Qt::Key_Ampersand, 24u, "&"}}) {
            highlight(b, b.state.correctCandidate);
            QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, code, code, 0, QString::fromUtf8(text));
            QCoreApplication::sendEvent(&b, &e);
        }
        QCOMPARE(b.state.playerScore[2], 2);
        QCOMPARE(b.state.playerScore[1], 1);
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
