// Playing to the end: the keys and their judging, the right answer's progress
// (keys typed during its display discarded), the end of a game and its scene,
// the exit confirmation and the clicks that act as keys.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"

#include <QTest>

namespace {
const QColor red(255, 0, 0);

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
  private slots:

    // The last right answer of a game: from one answer short of the end.
    void endOfGame_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("winner");
        QTest::addRow("one player, 10 words") << 1 << 10 << 1;
        QTest::addRow("player 1 wins 16 of 30") << 2 << 30 << 1;
    }
    void endOfGame() {
        QFETCH(int, players);
        QFETCH(int, words);
        QFETCH(int, winner);
        BoardFixture fx;
        startGame(fx, {.players = players, .words = words});
        Traduci &b = fx.board();
        const int loser = 3 - winner, key = players == 1 ? 0 : winner;
        for (const char *side : {"Imr", "Iml"})
            for (int k : {4, 5})
                b.findChild<ui::Image *>(QStringLiteral("%1(%2)").arg(side).arg(k))
                    ->setTag(QStringLiteral("%1%2").arg(side).arg(k));
        if (players == 1) {
            answer(b, false);
            QCOMPARE(visibleBoxes(b), 11); // a wrong answer hides its box
            b.state.wordsDone = words - 2;
        } else {
            b.state.playerScore[loser] = words / 2; // not more than half
            b.state.playerScore[winner] = words / 2 - 1;
        }
        answer(b, true, key);
        QVERIFY(!b.state.gameOver);
        QCOMPARE(visibleBoxes(b), 12);
        answer(b, true, key);
        QVERIFY(b.state.gameOver);
        QCOMPARE(b.state.answering, 1);
        QCOMPARE(visibleBoxes(b), 0);
        QVERIFY(b.Parola->caption().isEmpty() && b.Labelsotto1->caption().isEmpty());
        QCOMPARE(b.Timer1->interval(), 50);
        // the characters' lines in their bubbles; the loser's bust topples
        const QString won = winner == 1 ? "Imr4" : "Iml4", lost = winner == 1 ? "Iml5" : "Imr5";
        QCOMPARE(b.battuta(1)->caption(), won);
        QVERIFY(b.fumetto(players == 1 || winner == 2 ? 1 : 2)->shown());
        QCOMPARE(b.battuta(2)->shown(), players == 2);
        ui::ControlArray<ui::Image> &loserPics = loser == 1 ? b.Imr : b.Iml;
        if (players == 2) {
            QCOMPARE(b.battuta(2)->caption(), lost);
            QVERIFY(b.fumetto(winner == 1 ? 3 : 4)->shown());
            QCOMPARE(b.figura(loser)->pictureHandle(), loserPics(6)->pictureHandle());
            QVERIFY(loserPics(7)->shown());
        }
        press(b, Qt::Key_Return); // keys before the prompt do nothing
        QCOMPARE(fx.platform.modalWindows.size(), 1);
        // the end scene: the head falls down the track, then the prompt
        for (int i = 0; i < 200 && b.Parola->caption() != QStringLiteral("Quamlibet clavem tange"); ++i)
            b.Timer1_Timer();
        QCOMPARE(b.Parola->caption(), QStringLiteral("Quamlibet clavem tange"));
        QVERIFY(players == 1 || loserPics(7)->top() >= b.barrone(loser)->height_());
        QCOMPARE(b.Parola->fontSize(), 13.0);
        press(b, 'q'); // a key now opens the settings for a new game
        QCOMPARE(fx.platform.modalWindows.size(), 2);
    }

    void lockOutsAndTheirRelease() {
        BoardFixture fx;
        GameChoice c{.players = 2, .words = 30};
        c.tweak = [](Impostazioni *w) { moveTo(w, 2, 4); }; // Vergilius against Cicero
        startGame(fx, c);
        Traduci &b = fx.board();
        answer(b, false, 2);
        QCOMPARE(b.state.lockedOut[2], 1);
        QCOMPARE(b.figura(2)->pictureHandle(), b.Iml(6)->pictureHandle());
        QCOMPARE(b.Labelsotto1->caption(),
                 QStringLiteral("Vae, Vergili!  Erravisti!  Nunc Cicero tantum ludere potest."));
        QCOMPARE(b.state.errorCount, 0.0); // no error counted with two players
        // the locked player's key does nothing
        const int shown = visibleBoxes(b);
        answer(b, false, 2);
        QCOMPARE(visibleBoxes(b), shown);
        QCOMPARE(b.state.lockedOut[2], 1);
        QVERIFY(b.state.lockoutRemaining < 15000); // not started again
        // the other player's error frees the first at once and locks himself
        answer(b, false, 1);
        QCOMPARE(b.state.lockedOut[2], 0);
        QCOMPARE(b.state.lockedOut[1], 1);
        QCOMPARE(b.state.lockoutRemaining, 15000);
        // a right answer frees both
        answer(b, true, 2);
        QCOMPARE(b.state.lockedOut[1], 0);
        QCOMPARE(b.Labelsotto1->caption(), b.state.statusTexts[2]);
    }

    void rightAnswerProgress() {
        BoardFixture fx;
        startGame(fx, {.players = 2, .words = 30});
        Traduci &b = fx.board();
        bool checkedHold = false;
        fx.platform.onHold = [&] {
            // shown during the hold: the player's colour, the answered box alone
            QCOMPARE(b.Frame1->backColor(), red);
            QCOMPARE(b.Parola->backColor(), red);
            QCOMPARE(visibleBoxes(b), 1);
            QCOMPARE(b.state.answering, 0);
            checkedHold = true;
            // player 1's key typed meanwhile: delivered later, discarded
            QCoreApplication::postEvent(
                &b, new QKeyEvent(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0")));
        };
        const int n = 3;
        for (int i = 0; i < n; ++i)
            answer(b, true, 2);
        QVERIFY(checkedHold);
        QCOMPARE(fx.platform.holds, n);
        QCoreApplication::processEvents();
        QCOMPARE(b.state.playerScore[1] + b.state.lockedOut[1], 0);
    }

    void clicksActAsKeys() {
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
    }

    void physicalDigitKeysOnOtherLayouts() {
        BoardFixture fx;
        startGame(fx, {.players = 2, .words = 30});
        Traduci &b = fx.board();
        // the digit row's "1" key giving "&" (AZERTY) is still player 2's key, the
        // "0" key giving "à" player 1's; another key giving "&" is nobody's
        for (auto [key, code, text] : {std::tuple{Qt::Key_Ampersand, 10u, "&"},
                                       {Qt::Key_Agrave, 19u, "à"},
                                       {Qt::Key_Ampersand, 24u, "&"}}) {
            highlight(b, b.state.correctCandidate);
            QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, code, code, 0, QString::fromUtf8(text));
            QCoreApplication::sendEvent(&b, &e);
        }
        QCOMPARE(b.state.playerScore[2], 1);
        QCOMPARE(b.state.playerScore[1], 1);
        QCOMPARE(b.state.wordsDone, 2);
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
