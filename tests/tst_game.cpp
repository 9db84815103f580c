// A game on the board: the word pool, the next word and its candidates, the
// status texts, the tick in its branches, and game start with its loop and the
// board it prepares.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"

#include <QTest>
#include <cmath>

namespace {
const QColor yellow(255, 255, 0), white(255, 255, 255);

QByteArray vocabularyWith(const QByteArray &extra, int generic = 120) {
    return makeVocabulary(generic) + extra;
}

QStringList pool(Traduci &b) {
    return b.vocabolo->items();
}
} // namespace

class TestGame : public QObject {
    Q_OBJECT
  private slots:
    // ------------------------------------------------------------ the pool
    void poolIsEveryWordInFileOrder() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        QCOMPARE(b.vocabolo->listCount(), 150);
        QCOMPARE(pool(b).first(), QStringLiteral("verbum1")); // the heading is never selected
        QCOMPARE(pool(b).last(), QStringLiteral("verbum150"));
        QCOMPARE(b.traduzione->list(9), QStringLiteral("parola10"));
        QCOMPARE(b.categoria->list(9), QStringLiteral("2"));
        QCOMPARE(b.frequenza->list(9), QStringLiteral("2"));
        QCOMPARE(b.Labelsotto2->caption(), QStringLiteral("150 vocabula"));
    }

    void poolFollowsTheChosenClasses() {
        BoardFixture fx;
        GameChoice c;
        c.tweak = [](Impostazioni *w) {
            w->Chclassi(2)->setValue(0);
            w->Chclassi(4)->setValue(0);
            w->Chfreq(1)->setValue(0);
        };
        startGame(fx, c);
        Traduci &b = fx.board();
        // classes cycle 1..4 with the frequency classes: only class 3 remains
        QCOMPARE(b.vocabolo->listCount(), 150 / 4);
        for (const QString &cat : b.categoria->items())
            QCOMPARE(cat, QStringLiteral("3"));
        QCOMPARE(b.state.chosenClasses, QStringLiteral("1010"));
        QCOMPARE(b.state.chosenFrequencies, QStringLiteral("0111"));
    }

    void lookAlikesAreLeftOutOnlyWhenAsked_data() {
        QTest::addColumn<bool>("exclude");
        QTest::addRow("test on") << true;
        QTest::addRow("test off") << false;
    }
    void lookAlikesAreLeftOutOnlyWhenAsked() {
        QFETCH(bool, exclude);
        BoardFixture fx(vocabularyWith("1;3;amo;amare;to love\r\n"
                                       "1;3;AMbulo;ambulare;to walk\r\n"
                                       "1;4;a;a;to\r\n"
                                       "1;1;ab;abc;x\r\n"
                                       " 2;1;domus;casa;house\r\n"));
        GameChoice c;
        c.excludeSimilar = exclude;
        startGame(fx, c);
        const QStringList p = pool(fx.board());
        QCOMPARE(p.contains(QStringLiteral("amo")), !exclude);
        QVERIFY(p.contains(QStringLiteral("AMbulo")));       // capitals differ
        QCOMPARE(p.contains(QStringLiteral("a")), !exclude); // a short text takes part whole
        QCOMPARE(p.contains(QStringLiteral("ab")), !exclude);
        QVERIFY(p.contains(QStringLiteral("domus"))); // " 2" is class 2
        QCOMPARE(fx.board().state.excludeSimilar, exclude ? 1 : 0);
    }

    void outOfRangeClassesAreSkippedAndReported() {
        BoardFixture fx(vocabularyWith("7;1;septem;sette;seven\r\n1;9;novem;nove;nine\r\n"));
        startGame(fx, {});
        Traduci &b = fx.board();
        QCOMPARE(b.vocabolo->listCount(), 120);
        const auto &m = fx.platform.messages;
        QVERIFY(!m.isEmpty());
        QCOMPARE(m.last().text, QStringLiteral("7;1;septem;sette\r\n1;9;novem;nove\r\n"));
        QCOMPARE(m.last().icon, ui::Icon::Exclamation);
        QVERIFY(b.state.answering == 1); // the game goes on
    }

    void unchangedChoicesKeepThePool() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        b.vocabolo->addItem(QStringLiteral("marker")); // a rebuild would drop it
        b.Labelsotto2->setCaption(QStringLiteral("kept"));
        startGame(fx, {});
        QCOMPARE(b.vocabolo->list(150), QStringLiteral("marker"));
        QCOMPARE(b.Labelsotto2->caption(), QStringLiteral("kept"));
        GameChoice c;
        c.tweak = [](Impostazioni *w) { w->Chclassi(1)->setValue(0); };
        startGame(fx, c); // a change rebuilds it
        QVERIFY(!pool(b).contains(QStringLiteral("marker")));
    }

    // ------------------------------------------------------------ next word
    void rightBoxAndDistractors() {
        BoardFixture fx;
        fx.board();
        // word 4 of 150 (class 1), right box 11, distractors drawn over the class
        fx.platform.script({4.5f / 150, 0.99f, 0.0f, 0.5f, 0.99f});
        startGame(fx, {});
        Traduci &b = fx.board();
        QCOMPARE(b.Parola->caption(), QStringLiteral("verbum5"));
        QCOMPARE(b.state.correctCandidate, 11);
        QCOMPARE(b.sign(11)->caption(), QStringLiteral("parola5"));
        // the distractor pool: every other word of class 1, in order
        QCOMPARE(b.errati->listCount(), 150 / 4 + 1 - 1);
        QCOMPARE(b.errati->list(0), QStringLiteral("parola1"));
        QCOMPARE(b.sign(0)->caption(), QStringLiteral("parola1"));
        QCOMPARE(b.sign(1)->caption(), b.errati->list(b.errati->listCount() / 2));
        QCOMPARE(b.sign(2)->caption(), b.errati->list(b.errati->listCount() - 1));
        for (int i = 0; i < 11; ++i)
            QVERIFY(b.errati->items().contains(b.sign(i)->caption()));
        QCOMPARE(b.state.answering, 1);
        QVERIFY(b.Timer1->enabled());
    }

    void lonelyClassHasNoDistractors() {
        // one verb among nouns: its distractor boxes stay empty
        QByteArray v = testHeading + "\r\n";
        for (int i = 0; i < 110; ++i)
            v += "1;1;nomen" + QByteArray::number(i) + ";nome" + QByteArray::number(i) + ";name\r\n";
        v += "1;3;amo;amare;to love\r\n";
        BoardFixture fx(v);
        fx.board();
        fx.platform.script({0.9999f, 0.0f});
        startGame(fx, {});
        Traduci &b = fx.board();
        QCOMPARE(b.Parola->caption(), QStringLiteral("amo"));
        QCOMPARE(b.errati->listCount(), 0);
        QCOMPARE(b.sign(0)->caption(), QStringLiteral("amare"));
        for (int i = 1; i < 12; ++i)
            QCOMPARE(b.sign(i)->caption(), QString());
    }

    void longWordShrinksToFit() {
        const QByteArray longWord(60, 'm');
        BoardFixture fx(vocabularyWith("1;1;" + longWord + ";parola;word\r\n"));
        fx.board();
        fx.platform.script({120.5f / 121, 0.0f});
        startGame(fx, {});
        Traduci &b = fx.board();
        QCOMPARE(b.Parola->caption(), QString::fromLatin1(longWord));
        QVERIFY(b.Parola->fontSize() < 14);
        QVERIFY(b.Parola->width_() < b.Frame1->width_());
        b.Parola->setFontSize(b.Parola->fontSize() + 1); // one point more would not fit
        QVERIFY(b.Parola->width_() >= b.Frame1->width_());
        QVERIFY(b.Parola->shown());
    }

    void preparingAWordIsNotPlayingTime() {
        BoardFixture fx;
        fx.platform.onDoEvents = [&] { fx.platform.advance(5); };
        startGame(fx, {});
        Traduci &b = fx.board();
        QVERIFY(std::fabs(b.state.excludedTime - float(5.0 / 86400)) < 1e-6f);
        fx.platform.advance(7);
        highlight(b, 1);
        QVERIFY2(b.Lab(1)->caption().startsWith(QStringLiteral("Tempus actum: ")),
                 qPrintable(b.Lab(1)->caption()));
        QVERIFY2(b.Lab(1)->caption().endsWith(QStringLiteral("07")), qPrintable(b.Lab(1)->caption()));
    }

    // ------------------------------------------------------------ texts
    void statusTexts() {
        BoardFixture fx;
        Traduci &b = fx.board();
        b.state.playerNames = {QString(), QStringLiteral("Catullus"), QStringLiteral("Seneca")};
        b.preparamessaggi();
        const auto &t = b.state.statusTexts;
        QVERIFY(t[0].isEmpty());
        QCOMPARE(t[1], QStringLiteral("Enter vel Space. Si interrumpere vis: Esc."));
        QCOMPARE(t[2], QStringLiteral("Seneca: 1.  Catullus: 0.  Si interrumpere vultis: Esc."));
        QCOMPARE(t[3], QStringLiteral("Vae, Catulle!  Erravisti!  Nunc Seneca tantum ludere potest."));
        QCOMPARE(t[4], QStringLiteral("Vae, Seneca!  Erravisti!  Nunc Catullus tantum ludere potest."));
    }

    void vocatives_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vocative");
        QTest::addRow("Vergilius") << "Vergilius"
                                   << "Vergili";
        QTest::addRow("Horatius") << "Horatius"
                                  << "Horati";
        QTest::addRow("Catullus") << "Catullus"
                                  << "Catulle";
        QTest::addRow("Caesar") << "Caesar"
                                << "Caesar";
        QTest::addRow("capitals") << "CATULLUS"
                                  << "CATULLUS";
    }
    void vocatives() {
        QFETCH(QString, name);
        QFETCH(QString, vocative);
        QCOMPARE(Traduci::vocativo(name), vocative);
    }

    void countersForOneAndTwoPlayers() {
        BoardFixture fx;
        Traduci &b = fx.board();
        b.state.wordsPerGame = 15;
        b.state.playerCount = 1;
        b.state.errorCount = 2;
        b.punti(1)->setCaption(QStringLiteral("x"));
        b.mostrapunteggio();
        QCOMPARE(b.Labverbi->caption(), QStringLiteral("Vocabula 0 ex 15"));
        QCOMPARE(b.Lab(2)->caption(), QStringLiteral("Errores: 2"));
        QCOMPARE(b.punti(1)->caption(), QStringLiteral("x")); // not refreshed for one player
        b.state.playerCount = 2;
        b.state.wordsDone = 7;
        b.state.playerScore = {0, 4, 3};
        b.state.errorCount = 5;
        b.mostrapunteggio();
        QCOMPARE(b.Labverbi->caption(), QStringLiteral("Vocabula 7 ex 15"));
        QCOMPARE(b.punti(1)->caption(), QStringLiteral("4"));
        QCOMPARE(b.punti(2)->caption(), QStringLiteral("3"));
        QCOMPARE(b.Lab(2)->caption(), QStringLiteral("Errores: 2")); // not refreshed for two
    }

    // ------------------------------------------------------------ the tick
    void highlightCyclesOverVisibleBoxesInOrder() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        QCOMPARE(b.state.currentCandidate, 0);
        b.Timer1_Timer();
        QCOMPARE(b.state.currentCandidate, 1); // the first game's first highlight is box 1
        QCOMPARE(b.sign(1)->backColor(), yellow);
        b.sign(2)->setShown(false);
        b.sign(3)->setShown(false);
        b.sign(5)->setShown(false);
        QList<int> seen;
        for (int i = 0; i < 9; ++i) {
            b.Timer1_Timer();
            seen << b.state.currentCandidate;
            QCOMPARE(b.sign(b.state.currentCandidate)->backColor(), yellow);
            int yellows = 0;
            for (int k = 0; k < 12; ++k)
                yellows += b.sign(k)->backColor() == yellow;
            QCOMPARE(yellows, 1);
        }
        QCOMPARE(seen, (QList<int>{4, 6, 7, 8, 9, 10, 11, 0, 1}));
    }

    void highlightStaysWhenNoBoxIsVisible() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        b.Timer1_Timer();
        for (int k = 0; k < 12; ++k)
            b.sign(k)->setShown(false);
        b.Timer1_Timer(); // must return
        QCOMPARE(b.state.currentCandidate, 1);
    }

    void lockOutEndsOnItsFiftiethTickAt300ms() {
        BoardFixture fx;
        GameChoice c;
        c.players = 2;
        startGame(fx, c);
        Traduci &b = fx.board();
        QCOMPARE(b.Timer1->interval(), 300);
        // the state a wrong answer of player 1 leaves (judged in the play tests)
        b.state.lockedOut[1] = 1;
        b.state.lockoutRemaining = 15000;
        int ticks = 0;
        while (b.state.lockedOut[1] == 1 && ticks < 100) {
            b.Timer1_Timer();
            ++ticks;
        }
        QCOMPARE(ticks, 50);
        QCOMPARE(b.state.lockoutRemaining, 0);
        QCOMPARE(b.Labelsotto1->caption(), b.state.statusTexts[2]);
    }

    void noCyclingWhileThePromptStands() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        b.Parola->setCaption(QStringLiteral("Quamlibet clavem tange"));
        const int before = b.state.currentCandidate;
        b.Timer1_Timer();
        QCOMPARE(b.state.currentCandidate, before);
    }

    void elapsedTimeRunsAcrossMidnight() {
        BoardFixture fx;
        fx.platform.clockSeconds = 86400 - 10;
        startGame(fx, {});
        Traduci &b = fx.board();
        fx.platform.advance(25); // 15 s past midnight
        b.Timer1_Timer();
        QVERIFY2(b.Lab(1)->caption().endsWith(QStringLiteral("00:00:25")) ||
                     b.Lab(1)->caption().contains(QStringLiteral("0:00:25")),
                 qPrintable(b.Lab(1)->caption()));
    }

    // ------------------------------------------------------------ game start
    void smallPoolsWarnOrSendBackToTheSettings_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("plays");
        QTest::addRow("6 words") << 6 << "Solo  6 vocaboli selezionati!" << false;
        QTest::addRow("7 words") << 7 << "Solo  7 vocaboli selezionati!" << true;
        QTest::addRow("12 words") << 12 << QString() << true;
    }
    void smallPoolsWarnOrSendBackToTheSettings() {
        QFETCH(int, words);
        QFETCH(QString, warning);
        QFETCH(bool, plays);
        // `words` verbs among 120 nouns; the game asks verbs only
        QByteArray extra;
        for (int i = 0; i < words; ++i)
            extra += "1;3;verbum" + QByteArray::number(i) + ";fare" + QByteArray::number(i) + ";do\r\n";
        QByteArray v = testHeading + "\r\n";
        for (int i = 0; i < 120; ++i)
            v += "1;1;nomen" + QByteArray::number(i) + ";nome" + QByteArray::number(i) + ";name\r\n";
        BoardFixture fx(v + extra);
        Traduci &b = fx.board();
        GameChoice c;
        c.tweak = [](Impostazioni *w) {
            w->Chclassi(1)->setValue(0);
            w->Chclassi(2)->setValue(0);
            w->Chclassi(4)->setValue(0);
        };
        answerSettings(fx.platform, c); // the second showing of the settings is left with Exit
        fx.platform.messages.clear();
        b.Imposta->trigger();
        QStringList texts;
        for (const auto &m : fx.platform.messages)
            texts << m.text;
        QCOMPARE(texts.contains(warning), !warning.isEmpty());
        if (!warning.isEmpty()) QCOMPARE(fx.platform.messages.last().icon, ui::Icon::Critical);
        QCOMPARE(fx.platform.modalWindows.size(), plays ? 1 : 2);
        if (plays) {
            QCOMPARE(b.state.answering, 1);
            QVERIFY(b.Parola->caption().startsWith(QStringLiteral("verbum")));
        } else {
            // refused and then left: the prompt, no word of the refused pool
            QCOMPARE(b.state.answering, 0);
            QCOMPARE(b.Parola->caption(), QStringLiteral("Quamlibet clavem tange"));
            QCOMPARE(b.Parola->fontSize(), 13.0);
            QCOMPARE(b.Parola->top(), b.Frame1->height_() - b.Parola->height_() - 300);
            // and any key opens the settings again
            press(b, 'x');
            QCOMPARE(fx.platform.modalWindows.size(), 3);
        }
    }

    void boardForOnePlayer() {
        BoardFixture fx;
        GameChoice c;
        c.words = 20;
        startGame(fx, c);
        Traduci &b = fx.board();
        const TraduciState &s = b.state;
        QCOMPARE(b.tag(), QStringLiteral("giaimpostato"));
        QCOMPARE(s.playerCount, 1);
        QCOMPARE(s.wordsPerGame, 20.0);
        for (auto *ctl :
             std::initializer_list<ui::Control *>{b.barra(1), b.figura(1), b.colonna(1), b.base(1), b.Lab(1),
                                                  b.Lab(2), b.Labelsotto1, b.Labelsotto2})
            QVERIFY2(ctl->shown(), qPrintable(ctl->objectName()));
        for (auto *ctl :
             std::initializer_list<ui::Control *>{b.barra(2), b.figura(2), b.colonna(2), b.base(2),
                                                  b.punti(1), b.punti(2), b.foto2, b.Iml(7), b.Imr(7)})
            QVERIFY2(!ctl->shown(), qPrintable(ctl->objectName()));
        QCOMPARE(b.Lab(1)->top(), 480.0f);
        QCOMPARE(b.Labverbi->top(), 180.0f);
        // the bar stands on the bottom of the track, the bust on the bar
        QCOMPARE(b.barra(1)->height_(), 1575.0f);
        QCOMPARE(b.barra(1)->top(), b.barrone(1)->top() + b.barrone(1)->height_() - 1605);
        QCOMPARE(b.barra(1)->left(), b.barrone(1)->left() + (690 - 540) / 2.0f);
        QCOMPARE(b.figura(1)->top(), b.barra(1)->top() + 15);
        QCOMPARE(b.colonna(1)->top(), b.figura(1)->top() + 660);
        QCOMPARE(b.base(1)->top(), b.colonna(1)->top() + 495);
        QCOMPARE(s.barStep, double(b.barrone(1)->height_() - 1575) / 20);
        QCOMPARE(b.Labelsotto1->caption(), QStringLiteral("Enter vel Space. Si interrumpere vis: Esc."));
        QCOMPARE(b.Labelsotto1->foreColor(), QColor(0, 0, 0));
        QCOMPARE(b.sign(5)->toolTipText(),
                 QStringLiteral("Lascia perdere il mouse e usa la tastiera (tasto Enter)"));
        QCOMPARE(b.Labverbi->caption(), QStringLiteral("Vocabula 0 ex 20"));
        QCOMPARE(b.Timer1->interval(), 300);
        QCOMPARE(s.gameSpeed, 3);
    }

    void boardForTwoPlayers() {
        BoardFixture fx;
        GameChoice c;
        c.players = 2;
        c.words = 20;
        c.speed = 5;
        startGame(fx, c);
        Traduci &b = fx.board();
        for (int k = 1; k <= 2; ++k)
            for (auto *ctl : std::initializer_list<ui::Control *>{b.punti(k), b.barra(k), b.figura(k),
                                                                  b.colonna(k), b.base(k)})
                QVERIFY2(ctl->shown(), qPrintable(ctl->objectName()));
        QVERIFY(!b.Lab(2)->shown());
        QCOMPARE(b.Lab(1)->top(), 720.0f);
        QCOMPARE(b.punti(2)->top(), b.colonna(2)->top() + 60);
        QCOMPARE(b.state.barStep, double(b.barrone(1)->height_() - 1575) / 11);
        QCOMPARE(b.Timer1->interval(), 100);
        QCOMPARE(b.sign(0)->toolTipText(),
                 QStringLiteral("Lascia perdere il mouse e usa la tastiera (tasto 1 e tasto 0)"));
        QCOMPARE(b.Labelsotto1->caption(), b.state.statusTexts[2]);
        QVERIFY(b.foto2->shown());
    }

    void leavingTheSettingsMidGameKeepsTheGame() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        answer(b, true);
        answer(b, false);
        QCOMPARE(b.state.wordsDone, 1);
        const QString word = b.Parola->caption();
        answerSettings(fx.platform, {}, false);
        b.Imposta->trigger();
        QCOMPARE(b.state.wordsDone, 0);
        QCOMPARE(b.state.errorCount, 0.0);
        QCOMPARE(b.state.gameOver, false);
        QCOMPARE(b.Parola->caption(), word);
        QCOMPARE(b.state.answering, 1);
        QVERIFY(b.isVisible());
    }

    void aNewGameEndsAnOldLockOut() {
        BoardFixture fx;
        GameChoice two;
        two.players = 2;
        startGame(fx, two);
        Traduci &b = fx.board();
        answer(b, false, 1);
        QCOMPARE(b.state.lockoutRemaining, 15000);
        startGame(fx, {});
        QCOMPARE(b.state.lockoutRemaining, 0);
        for (int i = 0; i < 60; ++i)
            b.Timer1_Timer();
        QCOMPARE(b.Labelsotto1->caption(), b.state.statusTexts[1]);
    }

    void gameStartedDuringAWordsPauseKeepsItsTime() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        // a click on the word while the next word is prepared starts a new game
        highlight(b, b.state.correctCandidate);
        fx.platform.onHold = [&] {
            fx.platform.onHold = nullptr;
            fx.platform.onDoEvents = [&] {
                fx.platform.advance(30);
                answerSettings(fx.platform, {});
                b.Parola->Click();
            };
        };
        press(b, Qt::Key_Return);
        QCOMPARE(b.state.wordsDone, 0);
        QVERIFY2(b.state.excludedTime < float(2.0 / 86400),
                 qPrintable(QString::number(b.state.excludedTime)));
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
