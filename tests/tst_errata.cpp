// The missed words in play: missing and mastering them, an unreadable file
// left alone, and the game of missed words.

#include "board/traduci.h"
#include "errata/frmerrata.h"
#include "errata/missedlist.h"
#include "players/schedule.h"
#include "settings/impostazioni.h"
#include "support/datarow.h"
#include "support/gamedriver.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QMenu>
#include <QTreeView>
#include <QtTest>

namespace {

const QString file = QStringLiteral("errata.txt");
const QByteArray h = testHeading + "\r\n";

// A missed word's two lines: its errors, its card ("BOX DUE-DAY") and its last day.
QByteArray entry(const QByteArray &record, int errors, const QByteArray &card = "1 2026-12-01",
                 const QByteArray &day = "2026-11-30") {
    return "/ errores: " + QByteArray::number(errors) + "; ultimus: " + day + "; capsa: " + card.first(1) +
           "; debetur: " + card.mid(2) + "\r\n" + record + "\r\n";
}

} // namespace

class TestErrata : public QObject {
    Q_OBJECT
  private slots:
    // Games "DAY: n:strikes ..." separated by "|": verbum<n> with its strikes
    // ("-" wrong, "+" right, after the key's player when two play: "1-"). The
    // list: each word's errors, box and days from day 0 to its due day.
    void missingAndMastering_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("list");
        for (auto [name, players, games, list] :
             {std::tuple{"each wrong strike counts", 1, "0: 3:--+", "verbum3=2@1/1"},
              {"right again the same day: nothing moves", 1, "0: 3:-+ 3:+ | 0: 3:+", "verbum3=1@1/1"},
              {"right the next day: box 2, due two days on", 1, "0: 3:-+ 5:-+ | 1: 3:+",
               "verbum3=1@2/3 verbum5=1@1/1"},
              {"a miss in box 3: box 1 again", 1, "0: 3:-+ | 1: 3:+ | 3: 3:+ | 7: 3:-+", "verbum3=2@1/8"},
              {"right in box 5: mastered", 1, "0: 3:-+ | 1: 3:+ | 3: 3:+ | 7: 3:+ | 15: 3:+ | 31: 3:+", ""},
              {"a right word never missed", 1, "0: 3:+ 4:+", ""},
              {"either player's miss", 2, "0: 3:1-2-1+ 4:2+", "verbum3=2@1/1"},
              {"two players, the other one right the next day", 2, "0: 3:1-2+ | 1: 3:1+", "verbum3=1@2/3"}})
            QTest::newRow(name) << players << QString(games) << QString(list);
    }
    void missingAndMastering() {
        QFETCH(int, players);
        QFETCH(QString, games);
        QFETCH(QString, list);
        BoardFixture fx;
        Traduci &b = fx.board();
        const QDate day0(2026, 3, 2);
        int day = 0;
        schedule::setClock([&] { return day0.addDays(day); });
        // The next word drawn will be verbum<n> of "n:strikes", item n - 1 of a pool of 150.
        const auto draw = [&](const QString &w) {
            fx.platform.script({float((w.section(':', 0, 0).toInt() - 0.5) / 150)});
        };
        for (const QString &game : games.split(QStringLiteral(" | "))) {
            day = game.section(':', 0, 0).toInt();
            const QStringList words = game.section(QStringLiteral(": "), 1).split(' ');
            draw(words.first());
            startGame(fx, GameChoice{.players = players});
            for (qsizetype i = 0; i < words.size(); ++i) {
                QCOMPARE(b.Parola->caption(), QStringLiteral("verbum") + words[i].section(':', 0, 0));
                const QString strikes = words[i].section(':', 1);
                for (qsizetype j = 0; j < strikes.size(); j += players) {
                    const bool right = strikes.at(j + players - 1) == QLatin1Char('+');
                    if (right && i + 1 < words.size()) draw(words[i + 1]);
                    answer(b, right, players == 1 ? 0 : strikes.at(j).digitValue());
                }
            }
            QVERIFY(!b.state.gameOver);
        }
        schedule::setClock(nullptr);
        // Everything judged is on disk already, in the middle of the game.
        MissedList l;
        l.load(file);
        QStringList onDisk;
        for (const MissedWord &w : l.words()) {
            onDisk << QStringLiteral("%1=%2@%3/%4")
                          .arg(w.latin)
                          .arg(w.errors)
                          .arg(w.box)
                          .arg(day0.daysTo(w.due));
            const QString n = w.latin.mid(6);
            QCOMPARE(w.translations, QStringList({QStringLiteral("parola") + n, QStringLiteral("word") + n}));
        }
        QCOMPARE(onDisk.join(' '), list);
        if (QFileInfo::exists(file)) QCOMPARE(l.heading(), QString::fromLatin1(testHeading));
        QCOMPARE(b.findChild<QAction *>(QStringLiteral("Recense"))->isEnabled(), !list.isEmpty());
        QCOMPARE(b.findChild<QAction *>(QStringLiteral("LudusErrorum"))->isEnabled(), !list.isEmpty());
    }

    // The list is read again when another program (a second copy of the game, an editor) changed
    // its file since the last answer: its change is kept, and the next miss is added to it.
    void fileChangedBetweenAnswers() {
        BoardFixture fx;
        Traduci &b = fx.board();
        const auto draw = [&](int n) { fx.platform.script({float((n - 0.5) / 150)}); };
        draw(3);
        startGame(fx, GameChoice{});
        answer(b, false);
        fx.write(file, h + entry("0;1;verbum9;parola9;word9", 4));
        draw(5);
        answer(b, true);
        QCOMPARE(b.Parola->caption(), QStringLiteral("verbum5"));
        answer(b, false);
        MissedList l;
        l.load(file);
        QStringList onDisk;
        for (const MissedWord &w : l.words())
            onDisk << QStringLiteral("%1=%2").arg(w.latin).arg(w.errors);
        QCOMPARE(onDisk.join(' '), QStringLiteral("verbum9=4 verbum5=1"));
    }

    // A file that is not text: one warning, before play, left as it is, never written over.
    void unreadableFileLeftAlone() {
        BoardFixture fx;
        const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0", 11);
        fx.write(file, binary);
        Traduci &b = fx.board();
        startGame(fx, GameChoice{});
        QCOMPARE(fx.platform.messages.size(), 1);
        answer(b, false);
        answer(b, false);
        emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
        QCOMPARE(fx.platform.messages.size(), 1);
        QVERIFY(fx.platform.messages[0].title == "LessiCorsa! Errata" &&
                fx.platform.messages[0].icon == ui::Icon::Exclamation);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll() == binary);
        QVERIFY(!b.findChild<QAction *>(QStringLiteral("Recense"))->isEnabled());
        QCOMPARE(QDir(fx.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // The window of the missed words: most missed first, in the language
    // chosen; "Dele" empties the list only when confirmed; "Ludus errorum"
    // closes it and plays these words.
    void recenseWindow() {
        BoardFixture fx;
        fx.write(file, h + entry("0;3;verbum3;parola3;word3", 2, "2 2026-12-05", "2026-12-02") +
                           entry("0;1;verbum5;parola5;word5", 12) + entry("0;2;verbum7;parola7;word7", 1));
        Traduci &b = fx.board();
        QAction *recense = b.findChild<QAction *>(QStringLiteral("Recense"));
        // The rows as shown, then the count under them and whether a game may start.
        const auto shown = [](frmErrata *w) {
            QStringList rows;
            const QAbstractItemModel *m = w->elenco->model();
            for (int r = 0; r < m->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < m->columnCount(); ++c)
                    cells << m->index(r, c).data().toString();
                rows << cells.join(' ');
            }
            return rows << w->summa->caption() + (w->Ludus->isEnabled() && w->Dele->isEnabled() ? "+" : "-");
        };
        QStringList first, cancelled, emptied;
        fx.platform.onModal = [&](ui::Form *f) {
            auto *w = qobject_cast<frmErrata *>(f);
            QVERIFY(w);
            QCOMPARE(w->elenco->model()->headerData(1, Qt::Horizontal).toString(),
                     QStringLiteral("Italiano"));
            QAbstractItemModelTester consistent(w->elenco->model(),
                                                QAbstractItemModelTester::FailureReportingMode::QtTest);
            first = shown(w);
            fx.platform.answers.enqueue(ui::Answer::Cancel);
            w->Dele->press();
            cancelled = shown(w);
            fx.platform.answers.enqueue(ui::Answer::Ok);
            w->Dele->press();
            emptied = shown(w);
            w->Exit->press();
        };
        emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
        recense->trigger();
        const QStringList three{"verbum5 parola5 12 2026-11-30 1 2026-12-01",
                                "verbum3 parola3 2 2026-12-02 2 2026-12-05",
                                "verbum7 parola7 1 2026-11-30 1 2026-12-01", "3 vocabula+"};
        QCOMPARE(first, three);
        QCOMPARE(cancelled, three);
        QCOMPARE(emptied, QStringList{"0 vocabula-"});
        MissedList after;
        after.load(file);
        QVERIFY(after.empty());
        QVERIFY(!b.playing());

        // "Ludus errorum": the window closes and a game of the missed words starts.
        fx.write(file, h + entry("0;3;verbum3;parola3;word3", 2));
        answerSettings(fx.platform, GameChoice{});
        const auto settings = fx.platform.onModal;
        fx.platform.onModal = [&](ui::Form *f) {
            if (auto *w = qobject_cast<frmErrata *>(f)) {
                QCOMPARE(shown(w).last(), QStringLiteral("1 vocabula+"));
                w->Ludus->press();
            } else {
                settings(f);
            }
        };
        emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
        recense->trigger();
        QVERIFY(b.playing());
        QCOMPARE(b.Parola->caption(), QStringLiteral("verbum3"));
    }

    // A game of missed words: the words asked, each once, are the missed ones
    // (at most as many as chosen); the other candidates are translations of
    // the same class from the whole vocabulary; a word right at the first
    // strike moves up a box.
    void ludusErrorum_data() {
        QTest::addColumn<QByteArray>("missed");
        QTest::addColumn<bool>("nounsOnly");
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("absent"); // a word no longer in the vocabulary
        const QByteArray v3 = entry("0;2;verbum150;parola150;word150", 2); // the vocabulary's last word
        QByteArray twelve = h;
        for (int n = 10; n < 22; ++n)
            twelve += entry(QString("0;%1;verbum%2;parola%2;word").arg((n - 1) % 4 + 1).arg(n).toLatin1(), 1);
        QTest::newRow("more missed words than chosen") << twelve << false << 10 << false;
        QTest::newRow("a single missed word, its class not chosen") << h + v3 << true << 1 << false;
        row("three missed words, one no longer in the vocabulary",
            h + v3 + entry("0;1;verbum5;parola5;word5", 1) + entry("0;4;rosa;rosa;rose", 4) +
                entry("0;7;verbum7;parola7;word7", 1), // of no class the game asks
            false, 3, true);
    }
    void ludusErrorum() {
        QFETCH(QByteArray, missed);
        QFETCH(bool, nounsOnly);
        QFETCH(int, asked);
        QFETCH(bool, absent);
        // A frequency no game draws, before the words.
        BoardFixture fx(testHeading + "\r\n5;1;extra;fuori;out\r\n" +
                        makeVocabulary(150).sliced(testHeading.size() + 2));
        fx.write(file, missed);
        Traduci &b = fx.board();
        MissedList before;
        before.load(file);
        QHash<QString, MissedWord> unasked;
        for (const MissedWord &w : before.words())
            unasked.insert(w.latin, w);
        const std::function<void(Impostazioni *)> nouns = [](Impostazioni *w) {
            std::ranges::for_each(std::array{2, 3, 4}, [w](int k) { w->Chclassi(k)->setValue(0); });
        };
        answerSettings(fx.platform, GameChoice{.tweak = nounsOnly ? nouns : nullptr});
        emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
        b.findChild<QAction *>(QStringLiteral("LudusErrorum"))->trigger();
        for (int i = 0; i < asked; ++i) {
            const MissedWord m = unasked.take(b.Parola->caption());
            QVERIFY2(!m.latin.isEmpty(), qPrintable(b.Parola->caption()));
            QCOMPARE(b.sign(b.state.correctCandidate)->caption(), m.translations.first());
            // The distractors: the same class's other translations in the vocabulary.
            QVERIFY(b.errati->listCount() >= 30);
            for (const QString &t : b.errati->items())
                QCOMPARE((t.mid(6).toInt() - 1) % 4 + 1, m.category.toInt());
            answer(b, true);
        }
        QVERIFY(b.state.gameOver);
        MissedList after;
        after.load(file);
        QCOMPARE(std::ranges::count_if(after.words(), [](auto &w) { return w.box == 2; }), asked);
        QCOMPARE(std::ranges::any_of(fx.platform.messages,
                                     [](auto &m) { return m.text.contains("non sono più"); }),
                 absent);
        // The next game shows the number chosen, not this game's count, and
        // draws from the chosen classes again.
        QString shown;
        fx.platform.onModal = [&](ui::Form *f) {
            auto *w = qobject_cast<Impostazioni *>(f);
            shown = w->quverbi->text();
            w->okay(0)->press();
        };
        b.Imposta->trigger();
        QCOMPARE(shown, QStringLiteral("10 vocabula"));
        QCOMPARE(b.vocabolo->listCount(), nounsOnly ? 38 : 150);
    }
};

QTEST_MAIN(TestErrata)
#include "tst_errata.moc"
