// A game on the board: the word pool, the next word and its candidates, the
// status texts, the tick in its branches, and game start with its loop and the
// board it prepares.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"
#include "vocabulary/senses.h"

#include <QTest>
#include <ranges>

static const QColor yellow(255, 255, 0);

class TestGame : public QObject {
    Q_OBJECT
  private slots:
    void pool_data() {
        QTest::addColumn<QByteArray>("extra"); // records after 120 generic ones
        QTest::addColumn<QString>("off");      // boxes cleared: c2 is Chclassi(2), f1 Chfreq(1)
        QTest::addColumn<bool>("exclude");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("words"); // in the pool, the first first; "-" marks one left out
        QTest::addColumn<QString>("report");
        const QByteArray alike = "1;3;amo;amare;to love\r\n1;3;AMbulo;ambulare;to walk\r\n1;4;a;a;to\r\n"
                                 "1;1;ab;abc;x\r\n1;2;ad;al;x\r\n 2;1;domus;casa;house\r\n";
        QTest::addRow("chosen classes") << QByteArray() << "c2 c4 f1" << false << 30
                                        << QStringList{"verbum3", "-verbum1", "-verbum2", "-verbum4"} << "";
        // built over several turns of the event loop, with input meanwhile
        QTest::addRow("every word of 10,000")
            << makeVocabulary(10000).mid(makeVocabulary(120).size()) << "" << false << 10000
            << QStringList{"verbum1", "verbum10000", "-Verbum latinum"} << "";
        // the same first two letters (a shorter text whole), capitals differing
        QTest::addRow("look-alikes left out")
            << alike << "" << true << 123
            << QStringList{"verbum1", "AMbulo", "ad", "domus", "-amo", "-a", "-ab"} << "";
        QTest::addRow("look-alikes kept, classes out of range")
            << "7;1;septem;sette;seven\r\n" + alike + "1;9;novem;nove;nine\r\n"
            << "" << false << 126
            << QStringList{"verbum1", "amo", "a", "ab", "AMbulo", "ad", "domus", "-septem", "-novem"}
            << "7;1;septem;sette\r\n1;9;novem;nove\r\n";
    }
    void pool() {
        QFETCH(QByteArray, extra);
        QFETCH(QString, off);
        QFETCH(bool, exclude);
        QFETCH(int, count);
        QFETCH(QStringList, words);
        QFETCH(QString, report);
        BoardFixture fx(makeVocabulary(120) + extra);
        GameChoice c;
        c.tweak = [off](Impostazioni *w) {
            for (const QString &box : off.split(' ', Qt::SkipEmptyParts))
                (box[0] == 'c' ? w->Chclassi : w->Chfreq)(box.mid(1).toInt())->setValue(0);
        };
        Traduci &b = fx.board();
        fx.platform.messages.clear();
        // A large pool is built over several turns of the event loop: Enter, a
        // click on the word, the menu and a tick meanwhile do nothing, also when
        // the pool is built again in the middle of a game (a choice changed).
        const bool turns = count > Traduci::poolRowsPerTurn;
        for (int start = 1; start <= (turns ? 2 : 1); ++start) {
            bool meddled = false;
            if (turns) {
                fx.platform.onDoEvents = [&] {
                    meddled = b.buildingPool();
                    answerSettings(fx.platform, c);
                    emit b.arapacis->Click(); // acts as Enter
                    emit b.Parola->Click();
                    b.Imposta->trigger();
                    b.Timer1_Timer();
                };
            }
            c.excludeSimilar = exclude != (start == 2);
            const int highlighted = b.state.currentCandidate;
            startGame(fx, c);
            QCOMPARE(b.state.currentCandidate, highlighted);
            QCOMPARE(meddled, turns);
            QCOMPARE(fx.platform.modalWindows.size(), start);
            QCOMPARE(b.state.wordsDone, 0);
        }
        const QStringList p = b.vocabolo->items();
        QCOMPARE(p.size(), count);
        QCOMPARE(b.traduzione->listCount(), count);
        QCOMPARE(b.Labelsotto2->caption(), QString::number(count) + " vocabula");
        QCOMPARE(p.first(), words.first());
        for (const QString &w : words)
            QVERIFY2(p.contains(w.mid(w.startsWith('-'))) != w.startsWith('-'), qPrintable(w));
        // the four lists go together, in file order: verbumN has classes (N - 1) % 4 + 1 and parolaN
        int previous = 0;
        for (qsizetype i = 0; i < p.size(); ++i) {
            if (!p[i].startsWith(QLatin1String("verbum"))) continue;
            const int n = p[i].mid(6).toInt();
            QVERIFY(n > previous);
            previous = n;
            QCOMPARE(b.traduzione->list(i), QStringLiteral("parola%1").arg(n));
            QCOMPARE(b.categoria->list(i) + b.frequenza->list(i),
                     QString::number((n - 1) % 4 + 1).repeated(2));
        }
        if (const qsizetype k = p.indexOf("AMbulo"); k >= 0) // of frequency 1, a verb
            QCOMPARE(b.frequenza->list(k) + b.categoria->list(k), "13");
        QCOMPARE(fx.platform.messages.isEmpty(), report.isEmpty());
        if (!report.isEmpty()) {
            QCOMPARE(fx.platform.messages.last().text, report);
            QCOMPARE(fx.platform.messages.last().icon, ui::Icon::Exclamation);
        }
        QCOMPARE(b.state.answering, 1); // the game goes on
    }

    // A pool a feature supplies is asked in the order it gives, by the
    // indices the board returned for its words.
    void suppliedPoolAskedInItsOrder() {
        struct Supplier : game::Listener {
            void poolReady(game::Pool &p) override {
                p.clear();
                QList<int> order;
                for (int i = 0; i < 12; ++i) {
                    game::Word w;
                    w.frequency = w.category = QStringLiteral("1");
                    w.latin = QStringLiteral("vox%1").arg(i);
                    w.translation = QStringLiteral("voce%1").arg(i);
                    order.prepend(p.add(w));
                }
                p.setOrder(order);
            }
        } supplier;
        BoardFixture fx;
        Traduci &b = fx.board();
        b.addListener(&supplier);
        startGame(fx, {});
        QCOMPARE(b.Labelsotto2->caption(), QStringLiteral("12 vocabula"));
        QStringList asked;
        for (int i = 0; i < 3; ++i) {
            asked << b.Parola->caption() + '=' + b.sign(b.state.correctCandidate)->caption();
            answer(b, true);
        }
        QCOMPARE(asked, (QStringList{"vox11=voce11", "vox10=voce10", "vox9=voce9"}));
    }

    void rightBoxAndDistractors() {
        BoardFixture fx;
        Traduci &b = fx.board();
        // word 4 of 150 (class 1), right box 11, distractors drawn over the class
        fx.platform.script({4.5f / 150, 0.99f, 0.0f, 0.5f, 0.99f});
        startGame(fx, {});
        QCOMPARE(b.Parola->caption(), QStringLiteral("verbum5"));
        QCOMPARE(b.state.correctCandidate, 11);
        QCOMPARE(b.sign(11)->caption(), QStringLiteral("parola5"));
        // the distractor pool: every other word of class 1, in order
        QCOMPARE(b.errati->listCount(), 150 / 4 + 1 - 1);
        QCOMPARE(b.sign(0)->caption(), QStringLiteral("parola1"));
        QCOMPARE(b.sign(1)->caption(), b.errati->list(b.errati->listCount() / 2));
        QCOMPARE(b.sign(2)->caption(), b.errati->list(b.errati->listCount() - 1));
    }

    // Two words of class 1 after 120 generic ones (30 of them of class 1): each
    // asked, the other's translation is a distractor unless they share a sense.
    void noDistractorSharesASenseWithTheRightAnswer_data() {
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("share");
        const auto row = [](const char *name, QString one, QString other, bool share) {
            QTest::newRow(name) << one << other << share;
        };
        row("the same text", "casa", "casa", true);
        row("one sense of two, case", "Ma, invece", "ma", true);
        row("accents", "él mismo", "el mismo", true);
        row("sharp s, umlaut", "Straße, Weg", "strasse", true);
        row("beyond Latin letters", "Μῆλον", "μηλον", true);
        row("blanks, punctuation, a slash", "uno/all'improvviso!", "all improvviso", true);
        row("a note in brackets", "qui (moto a luogo)", "qui", true);
        row("no letter, the same text", "?!", "?!", true);
        row("no letter, other texts", "?", "!", false);
        row("a comma within brackets", "legge (civile, sacra)", "sacra", false);
        row("a sense after a note in brackets", "qua (moto a luogo), là", "la", true);
        row("a sense within a sense", "mamma, il mondo", "ma, mondo", false);
        row("a letter more", "tuo", "tu", false);
    }
    void noDistractorSharesASenseWithTheRightAnswer() {
        QFETCH(QString, one);
        QFETCH(QString, other);
        QFETCH(bool, share);
        QCOMPARE(vocabulary::shareSense(one, other), share); // as the content's own check judges them
        const QString extra = "1;1;alpha;" + one + ";x\r\n1;1;beta;" + other + ";y\r\n";
        BoardFixture fx(makeVocabulary(120) + extra.toUtf8());
        Traduci &b = fx.board();
        fx.platform.script({120.5f / 122, 0.0f});
        startGame(fx, {});
        for (const bool second : {false, true}) {
            if (second) {
                fx.platform.script({121.5f / 122, 0.0f});
                b.sceglivocabolo();
            }
            QCOMPARE(b.sign(0)->caption(), second ? other : one);
            QCOMPARE(b.errati->items().contains(second ? one : other), !share);
            QCOMPARE(b.errati->listCount(), 30 + !share);
        }
    }

    // The time spent preparing a word is left out; the clock runs across midnight.
    void playingTime() {
        BoardFixture fx;
        fx.platform.clockSeconds = 86400 - 10;
        fx.platform.onDoEvents = [&] { fx.platform.advance(5); };
        startGame(fx, {});
        Traduci &b = fx.board();
        QVERIFY(qAbs(b.state.excludedTime - float(5.0 / 86400)) < 1e-6f);
        fx.platform.advance(25); // 20 s past midnight
        highlight(b, 1);
        QCOMPARE(b.Lab(1)->caption(), QStringLiteral("Tempus actum: 00:00:25"));
    }

    void highlightCyclesOverVisibleBoxesInOrder() {
        BoardFixture fx;
        startGame(fx, {});
        Traduci &b = fx.board();
        QCOMPARE(b.state.currentCandidate, 0);
        b.Timer1_Timer();
        QCOMPARE(b.state.currentCandidate, 1); // the first game's first highlight is box 1
        QCOMPARE(b.sign(1)->backColor(), yellow);
        for (int k : {2, 3, 5})
            b.sign(k)->setShown(false);
        QList<int> seen;
        for (int i = 0; i < 9; ++i) {
            b.Timer1_Timer();
            seen << b.state.currentCandidate;
            QCOMPARE(b.sign(b.state.currentCandidate)->backColor(), yellow);
            QCOMPARE(std::ranges::count_if(std::views::iota(0, 12),
                                           [&b](int k) { return b.sign(k)->backColor() == yellow; }),
                     1);
        }
        QCOMPARE(seen, (QList<int>{4, 6, 7, 8, 9, 10, 11, 0, 1}));
        // with no box shown the tick returns, the highlight where it was
        for (int k = 0; k < 12; ++k)
            b.sign(k)->setShown(false);
        b.Timer1_Timer();
        QCOMPARE(b.state.currentCandidate, 1);
    }

    void lockOutLastsFiftyTicksAt300msOrUntilANewGame() {
        BoardFixture fx;
        startGame(fx, {.players = 2});
        Traduci &b = fx.board();
        // the state a wrong answer of either player leaves (judged in the play tests)
        for (int player : {1, 2}) {
            b.state.lockedOut[player] = 1;
            b.state.lockoutRemaining = 15000;
            int ticks = 0;
            for (; b.state.lockedOut[player] == 1 && ticks < 100; ++ticks)
                b.Timer1_Timer();
            QCOMPARE(ticks, 50);
            QCOMPARE(b.state.lockoutRemaining, 0);
            QCOMPARE(b.Labelsotto1->caption(), b.state.statusTexts[2]);
        }
        // a new game ends a lock-out at once
        b.state.lockedOut[2] = 1;
        b.state.lockoutRemaining = 15000;
        startGame(fx, {});
        QCOMPARE(b.state.lockoutRemaining + b.state.lockedOut[2], 0);
        for (int i = 0; i < 60; ++i)
            b.Timer1_Timer();
        QCOMPARE(b.Labelsotto1->caption(), b.state.statusTexts[1]);
    }

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
        BoardFixture fx(makeVocabulary(4 * words)); // `words` of class 3, the only class asked
        Traduci &b = fx.board();
        GameChoice c;
        c.tweak = [](Impostazioni *w) {
            for (int k : {1, 2, 4})
                w->Chclassi(k)->setValue(0);
        };
        answerSettings(fx.platform, c); // the second showing of the settings is left with Exit
        fx.platform.messages.clear();
        b.Imposta->trigger();
        const auto warned = [&](auto &m) {
            return warning.isEmpty() ? m.text.endsWith("selezionati!") : m.text == warning;
        };
        QCOMPARE(std::ranges::any_of(fx.platform.messages, warned), !warning.isEmpty());
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
            QVERIFY(b.Timer1->enabled()); // the idle screen's pace again
            QCOMPARE(b.Timer1->interval(), 1000);
            // and any key opens the settings again
            press(b, 'x');
            QCOMPARE(fx.platform.modalWindows.size(), 3);
        }
    }

    void boardAtGameStart_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("steps"); // right answers that take a bar to the top
        QTest::addColumn<QString>("keys");
        QTest::addRow("one player") << 1 << 3 << 300 << 20 << "tasto Enter";
        QTest::addRow("two players") << 2 << 5 << 100 << 11 << "tasto 1 e tasto 0";
    }
    void boardAtGameStart() {
        QFETCH(int, players);
        QFETCH(int, speed);
        QFETCH(int, interval);
        QFETCH(int, steps);
        QFETCH(QString, keys);
        BoardFixture fx;
        startGame(fx, {.players = players, .words = 20, .speed = speed});
        Traduci &b = fx.board();
        const bool two = players == 2;
        QCOMPARE(b.tag(), QStringLiteral("giaimpostato"));
        QVERIFY(!b.hasImpostazioni()); // discarded at the end of every game start
        QCOMPARE(b.Timer1->interval(), interval);
        // the bar stands on the bottom of its track and reaches the top with the last word
        QCOMPARE(b.barra(1)->height_(), 1575.0f);
        QCOMPARE(b.barra(1)->top() + 1605, b.barrone(1)->top() + b.barrone(1)->height_());
        QCOMPARE(b.state.barStep, double(b.barrone(1)->height_() - 1575) / steps);
        QCOMPARE(b.sign(5)->toolTipText(), "Lascia perdere il mouse e usa la tastiera (" + keys + ")");
        QCOMPARE(b.Labelsotto1->caption(),
                 two ? QStringLiteral("Caesar: 1.  Cicero: 0.  Si interrumpere vultis: Esc.")
                     : QStringLiteral("Enter vel Space. Si interrumpere vis: Esc."));
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
        QCOMPARE(b.state.wordsDone + b.state.errorCount, 0.0);
        QCOMPARE(b.Parola->caption(), word);
        QVERIFY(b.state.answering == 1 && !b.state.gameOver && b.isVisible());
    }

    // The pool is kept from game to game only while the table it came from
    // stands: another list chosen, or the list's file rewritten without a
    // word, and the next game plays the new words alone. A pool built again
    // reports its record out of class again; a kept one does not.
    void aChangedListIsPlayed_data() {
        QTest::addColumn<QString>("change"); // "edit": verbum3 deleted from the file; "import": list B
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("gone"); // a word of the old pool never in the new one
        QTest::addColumn<int>("reports");  // of the record out of class, at the second start
        QTest::addRow("words deleted from the list played") << "edit" << 39 << "verbum3" << 1;
        QTest::addRow("another list imported") << "import" << 25 << "verbum1" << 0;
        QTest::addRow("the list unchanged: the pool kept") << "" << 40 << "" << 0;
    }
    void aChangedListIsPlayed() {
        QFETCH(QString, change);
        QFETCH(int, count);
        QFETCH(QString, gone);
        QFETCH(int, reports);
        BoardFixture fx;
        QByteArray a = makeVocabulary(40) + "9;1;novem;nove;nine\r\n";
        fx.write(QStringLiteral("a.txt"), a);
        fx.write(QStringLiteral("b.txt"), makeVocabulary(25).replace("verbum", "vox"));
        Traduci &b = fx.board();
        b.setPersonalVocabulary(fx.path() + QStringLiteral("/a.txt"));
        startGame(fx, {.tweak = [](Impostazioni *w) { w->Chfreq(0)->setValue(1); }});
        QCOMPARE(b.vocabolo->listCount(), 40);
        if (change == QLatin1String("edit"))
            fx.write(QStringLiteral("a.txt"), a.replace("3;3;verbum3;parola3;word3\r\n", ""));
        else if (change == QLatin1String("import"))
            b.setPersonalVocabulary(fx.path() + QStringLiteral("/b.txt"));
        fx.platform.messages.clear();
        startGame(fx, {}); // the list stays chosen
        const QStringList pool = b.vocabolo->items();
        QCOMPARE(pool.size(), count);
        QCOMPARE(b.Labelsotto2->caption(), QString::number(count) + " vocabula");
        QCOMPARE(int(std::ranges::count_if(
                     fx.platform.messages,
                     [](const RecordedMessage &m) { return m.title.startsWith("Record fuori"); })),
                 reports);
        if (!gone.isEmpty()) QVERIFY(!pool.contains(gone));
        // no word asked in the whole game is one the new list lacks
        for (int i = 0; i < 10 && !b.state.gameOver; ++i) {
            QVERIFY(pool.contains(b.Parola->caption()));
            answer(b, true);
        }
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
