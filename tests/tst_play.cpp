// Playing to the end: the keys and their judging, the right answer's progress,
// the end of a game and its scene, the exit confirmation and the clicks that
// act as keys.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"

#include <QTest>

namespace {
const QColor blue(0, 0, 255), red(255, 0, 0), darkRed(64, 0, 0);

int visibleBoxes(Traduci &b) {
    int n = 0;
    for (int k = 0; k < 12; ++k)
        n += b.sign(k)->shown();
    return n;
}

// Runs the end scene until the prompt shows (at most `limit` ticks).
int ticksToPrompt(Traduci &b, int limit = 200) {
    for (int i = 1; i <= limit; ++i) {
        b.Timer1_Timer();
        if (b.Parola->caption() == QStringLiteral("Quamlibet clavem tange")) return i;
    }
    return -1;
}

GameChoice players(int n, int words) {
    GameChoice c;
    c.players = n;
    c.words = words;
    return c;
}
} // namespace

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    void wholeOnePlayerGame() {
        BoardFixture fx;
        startGame(fx, players(1, 10));
        Traduci &b = fx.board();
        b.Imr(4)->setTag(QStringLiteral("Veni, vidi, vici!"));
        answer(b, false);
        answer(b, false);
        QCOMPARE(b.state.errorCount, 2.0);
        QCOMPARE(b.Lab(2)->caption(), QStringLiteral("Errores: 2"));
        QCOMPARE(visibleBoxes(b), 10); // each wrong answer hides its box
        for (int i = 1; i <= 9; ++i) {
            answer(b, true, 0);
            QCOMPARE(b.state.wordsDone, i);
            QCOMPARE(visibleBoxes(b), 12);
            QVERIFY(!b.state.gameOver);
        }
        QCOMPARE(b.Labverbi->caption(), QStringLiteral("Vocabula 9 ex 10"));
        answer(b, true, 0);
        QVERIFY(b.state.gameOver);
        QCOMPARE(b.state.answering, 1);
        QCOMPARE(visibleBoxes(b), 0);
        QVERIFY(b.Parola->caption().isEmpty());
        QVERIFY(b.fumetto(1)->shown() && b.battuta(1)->shown());
        QCOMPARE(b.battuta(1)->caption(), QStringLiteral("Veni, vidi, vici!"));
        QCOMPARE(b.battuta(1)->left(), b.fumetto(2)->left() + 120);
        QVERIFY(!b.fumetto(3)->shown() && !b.fumetto(4)->shown());
        QCOMPARE(b.Timer1->interval(), 50);
        QVERIFY(b.Labelsotto1->caption().isEmpty());
        // keys before the prompt do nothing
        press(b, Qt::Key_Return);
        QCOMPARE(fx.platform.modalWindows.size(), 1);
        // the hidden left head falls to the bottom, then the prompt, once
        QVERIFY(ticksToPrompt(b) > 0);
        QVERIFY(!b.Iml(7)->shown());
        QCOMPARE(b.Parola->fontSize(), 13.0);
        QCOMPARE(b.Parola->top(), b.Frame1->height_() - b.Parola->height_() - 300);
        b.Parola->setTop(7);
        b.Timer1_Timer();
        QCOMPARE(b.Parola->top(), 7.0f); // set only once
        // a key now opens the settings for a new game
        press(b, 'q');
        QCOMPARE(fx.platform.modalWindows.size(), 2);
    }

    void twoPlayerGamesWonByEachSide_data() {
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("needed");
        QTest::addRow("player 1 wins 16 of 30") << 1 << 30 << 16;
        QTest::addRow("player 2 wins 11 of 20") << 2 << 20 << 11;
    }
    void twoPlayerGamesWonByEachSide() {
        QFETCH(int, winner);
        QFETCH(int, words);
        QFETCH(int, needed);
        BoardFixture fx;
        startGame(fx, players(2, words));
        Traduci &b = fx.board();
        const int loser = 3 - winner;
        b.Imr(4)->setTag(QStringLiteral("win1"));
        b.Imr(5)->setTag(QStringLiteral("lose1"));
        b.Iml(4)->setTag(QStringLiteral("win2"));
        b.Iml(5)->setTag(QStringLiteral("lose2"));
        // the loser scores too, up to half
        for (int i = 0; i < words / 2; ++i)
            answer(b, true, loser);
        for (int i = 0; i < needed; ++i) {
            QVERIFY(!b.state.gameOver);
            answer(b, true, winner);
        }
        QVERIFY(b.state.gameOver);
        QCOMPARE(b.state.playerScore[winner], needed);
        QCOMPARE(b.punti(winner)->caption(), QString::number(needed));
        QCOMPARE(b.state.lockedOut[loser], 1);
        ui::ControlArray<ui::Image> &loserPics = loser == 1 ? b.Imr : b.Iml;
        QCOMPARE(b.figura(loser)->pictureHandle(), loserPics(6)->pictureHandle()); // toppling
        QVERIFY(loserPics(7)->shown());
        QCOMPARE(b.battuta(1)->caption(), winner == 1 ? QStringLiteral("win1") : QStringLiteral("win2"));
        QCOMPARE(b.battuta(2)->caption(), winner == 1 ? QStringLiteral("lose2") : QStringLiteral("lose1"));
        QVERIFY(b.fumetto(winner == 1 ? 2 : 1)->shown());
        QVERIFY(b.fumetto(winner == 1 ? 3 : 4)->shown());
        QVERIFY(!b.fumetto(winner == 1 ? 1 : 2)->shown());
        const float headLeft = b.figura(loser)->left() + (loser == 2 ? 135 : 0);
        QCOMPARE(loserPics(7)->left(), headLeft);
        QCOMPARE(loserPics(7)->top(), b.figura(loser)->top() + 105);
        // the end scene: the pedestal empties, the head falls 90 twips a tick
        const float top = loserPics(7)->top();
        b.Timer1_Timer();
        QCOMPARE(b.figura(loser)->pictureHandle(), loserPics(5)->pictureHandle());
        QCOMPARE(loserPics(7)->top(), top + 90);
        QVERIFY(ticksToPrompt(b) > 0);
        QVERIFY(loserPics(7)->top() >= b.barrone(loser)->height_());
        // the winner goes on walking
        ui::ControlArray<ui::Image> &winnerPics = winner == 1 ? b.Imr : b.Iml;
        const quintptr before = b.figura(winner)->pictureHandle();
        b.Timer1_Timer();
        QVERIFY(b.figura(winner)->pictureHandle() != before);
        Q_UNUSED(winnerPics);
    }

    void oddWordCountWinsAtMoreThanHalf() {
        // 25 words: 13 right answers win, 12 do not
        BoardFixture fx;
        GameChoice c = players(2, 20);
        startGame(fx, c);
        Traduci &b = fx.board();
        b.state.wordsPerGame = 25;
        for (int i = 0; i < 12; ++i)
            answer(b, true, 1);
        QVERIFY(!b.state.gameOver);
        answer(b, true, 1);
        QVERIFY(b.state.gameOver);
    }

    void lockOutsAndTheirRelease() {
        BoardFixture fx;
        startGame(fx, players(2, 30));
        Traduci &b = fx.board();
        b.state.playerNames = {QString(), QStringLiteral("Cicero"), QStringLiteral("Vergilius")};
        b.state.statusTexts[4] = QStringLiteral("p2 erred");
        answer(b, false, 2);
        QCOMPARE(b.state.lockedOut[2], 1);
        QCOMPARE(b.figura(2)->pictureHandle(), b.Iml(6)->pictureHandle());
        QCOMPARE(b.Labelsotto1->caption(), QStringLiteral("p2 erred"));
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

    void elevenWrongAnswersLeaveTheRightBox() {
        BoardFixture fx;
        startGame(fx, players(1, 10));
        Traduci &b = fx.board();
        for (int i = 0; i < 11; ++i)
            answer(b, false);
        QCOMPARE(visibleBoxes(b), 1);
        QVERIFY(b.sign(b.state.correctCandidate)->shown());
        for (int i = 0; i < 3; ++i) {
            b.Timer1_Timer();
            QCOMPARE(b.state.currentCandidate, b.state.correctCandidate);
        }
    }

    void aBoxEqualToTheAnswerIsRight() {
        BoardFixture fx;
        startGame(fx, players(1, 10));
        Traduci &b = fx.board();
        const int other = (b.state.correctCandidate + 3) % 12;
        b.sign(other)->setCaption(b.sign(b.state.correctCandidate)->caption());
        highlight(b, other);
        press(b, ' ');
        QCOMPARE(b.state.wordsDone, 1);
    }

    void otherPlayerCountsKeysDoNothing() {
        BoardFixture fx;
        startGame(fx, players(2, 30));
        Traduci &b = fx.board();
        highlight(b, b.state.correctCandidate);
        press(b, Qt::Key_Return);
        press(b, ' ');
        QCOMPARE(b.state.wordsDone, 0);
        startGame(fx, players(1, 10));
        highlight(b, b.state.correctCandidate);
        press(b, '0');
        press(b, '1');
        QCOMPARE(b.state.wordsDone, 0);
    }

    void rightAnswerProgress() {
        BoardFixture fx;
        startGame(fx, players(2, 30));
        Traduci &b = fx.board();
        const float barTop = b.barra(2)->top(), barHeight = b.barra(2)->height_();
        const float colTop = b.colonna(2)->top(), colHeight = b.colonna(2)->height_();
        const float step = static_cast<float>(b.state.barStep);
        bool checkedHold = false;
        fx.platform.onHold = [&] {
            // shown during the hold: the player's colour, the answered box alone
            QCOMPARE(b.Frame1->backColor(), red);
            QCOMPARE(b.Parola->backColor(), red);
            QCOMPARE(visibleBoxes(b), 1);
            QCOMPARE(b.state.answering, 0);
            checkedHold = true;
        };
        const int n = 3;
        for (int i = 0; i < n; ++i)
            answer(b, true, 2);
        QVERIFY(checkedHold);
        QCOMPARE(fx.platform.holds, n);
        QCOMPARE(b.Frame1->backColor(), darkRed);
        QCOMPARE(b.Parola->backColor(), darkRed);
        QCOMPARE(b.barra(2)->top(), barTop - n * step);
        QCOMPARE(b.barra(2)->height_(), barHeight + n * step);
        QCOMPARE(b.barra(2)->top() + b.barra(2)->height_(), barTop + barHeight);
        QCOMPARE(b.figura(2)->top(), b.barra(2)->top() + 100);
        QCOMPARE(b.colonna(2)->top(), colTop - n * (step + 1));
        QCOMPARE(b.colonna(2)->height_(), colHeight + n * (step + 10));
    }

    void keysDuringTheHoldAreDiscarded() {
        BoardFixture fx;
        startGame(fx, players(1, 10));
        Traduci &b = fx.board();
        fx.platform.onHold = [&] {
            // typed while the right answer is shown: delivered later, discarded
            for (int i = 0; i < 3; ++i)
                QCoreApplication::postEvent(&b, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return,
                                                              Qt::NoModifier, QStringLiteral("\r")));
        };
        answer(b, true);
        fx.platform.onHold = nullptr;
        QCoreApplication::processEvents();
        QCOMPARE(b.state.wordsDone, 1);
        QCOMPARE(b.state.errorCount, 0.0);
    }

    void escapeAsksInEveryState() {
        BoardFixture fx;
        Traduci &b = fx.board();
        auto escape = [&](ui::Answer a) {
            fx.platform.answers.enqueue(a);
            press(b, Qt::Key_Escape);
        };
        escape(ui::Answer::Cancel); // idle
        startGame(fx, players(1, 10));
        const QString word = b.Parola->caption();
        escape(ui::Answer::Cancel); // playing
        QCOMPARE(b.Parola->caption(), word);
        QCOMPARE(b.state.answering, 1);
        QCOMPARE(fx.platform.endCount, 0);
        QCOMPARE(fx.platform.messages.size(), 2);
        const RecordedMessage &m = fx.platform.messages.last();
        QCOMPARE(m.text, QStringLiteral("In perpetuum, amice mi, ave atque vale."));
        QCOMPARE(m.title, QStringLiteral("Fabula acta est"));
        QCOMPARE(m.icon, ui::Icon::Exclamation);
        QCOMPARE(m.buttons, ui::Buttons::OkCancel);
        for (int i = 0; i < 10; ++i)
            answer(b, true);
        escape(ui::Answer::Cancel); // end scene
        QVERIFY(b.state.gameOver);
        escape(ui::Answer::Ok);
        QCOMPARE(fx.platform.endCount, 1);
        // the menu item asks the same
        fx.platform.answers.enqueue(ui::Answer::Ok);
        b.Esci->trigger();
        QCOMPARE(fx.platform.endCount, 2);
    }

    void clicksActAsKeys() {
        BoardFixture fx;
        startGame(fx, players(1, 10));
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

        startGame(fx, players(2, 30));
        highlight(b, b.state.correctCandidate);
        b.fumetto(1)->Click(); // Enter does nothing with two players
        QCOMPARE(b.state.wordsDone, 0);
    }

    void physicalDigitKeysOnOtherLayouts() {
        BoardFixture fx;
        startGame(fx, players(2, 30));
        Traduci &b = fx.board();
        // the digit row's "1" key giving "&" (AZERTY): still player 2's key
        highlight(b, b.state.correctCandidate);
        QKeyEvent one(QEvent::KeyPress, Qt::Key_Ampersand, Qt::NoModifier, 10, 10, 0, QStringLiteral("&"));
        QCoreApplication::sendEvent(&b, &one);
        QCOMPARE(b.state.playerScore[2], 1);
        // the "0" key giving "à": player 1
        highlight(b, b.state.correctCandidate);
        QKeyEvent zero(QEvent::KeyPress, Qt::Key_Agrave, Qt::NoModifier, 19, 19, 0, QStringLiteral("à"));
        QCoreApplication::sendEvent(&b, &zero);
        QCOMPARE(b.state.playerScore[1], 1);
        // another key giving "&" is nobody's
        highlight(b, b.state.correctCandidate);
        QKeyEvent other(QEvent::KeyPress, Qt::Key_Ampersand, Qt::NoModifier, 24, 24, 0, QStringLiteral("&"));
        QCoreApplication::sendEvent(&b, &other);
        QCOMPARE(b.state.wordsDone, 2);
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
