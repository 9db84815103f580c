// The tournament: the draw for every count, the league's table and its
// tie-breaks, the names a list may hold, the state file (its round trip, a
// file cut short or changed), and a tournament played through the windows.

#include "board/traduci.h"
#include "certamen/certamen.h"
#include "certamen/frmcertamen.h"
#include "certamen/tabula.h"
#include "certamen/tournament.h"
#include "support/gamedriver.h"

#include <QPlainTextEdit>
#include <QtTest>
#include <random>

using namespace certamen;

namespace {

QList<Entrant> entrants(int n) {
    QList<Entrant> l;
    for (int i = 0; i < n; ++i)
        l.append({QStringLiteral("Discipulus %1").arg(i), QString()});
    return l;
}

game::Choices choices() {
    return {.playerCount = 2,
            .speed = 3,
            .wordsPerGame = 10,
            .wordsChosen = 10,
            .classes = "1111",
            .frequencies = "1011",
            .vocabularyFile = "vocabula.txt",
            .language = {},
            .languageIndex = 1,
            .soundsOn = true,
            .characters = {},
            .kind = {}};
}

// The draw without shuffling: entrant i at place i.
const auto unshuffled = [](int n) { return n - 1; };

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Plays every match to the end, the winner drawn by `rng`.
void playOut(Tournament &t, std::mt19937 &rng) {
    for (int m = t.next(); m >= 0; m = t.next()) {
        const Match &x = t.matches()[m];
        const int w = x.side[rng() % 2];
        QVERIFY(t.record(m, {w, {6, 2}, {1, 0}, 60}));
    }
}

// The match between entrants a and b, whichever side each is on.
int matchOf(const Tournament &t, int a, int b) {
    for (size_t i = 0; i < t.matches().size(); ++i) {
        const auto s = t.matches()[i].side;
        if ((s[0] == a && s[1] == b) || (s[0] == b && s[1] == a)) return static_cast<int>(i);
    }
    return -1;
}

// Records "w>l r1:r2 e1:e2" (the winner's and the loser's words right and errors).
void play(Tournament &t, const QString &result) {
    const QStringList f = result.split(QRegularExpression(QStringLiteral("[ >:]")));
    const int w = f[0].toInt(), l = f[1].toInt(), m = matchOf(t, w, l);
    QVERIFY(m >= 0);
    const bool wLeft = t.matches()[m].side[0] == w;
    auto pair = [&](int a, int b) { return wLeft ? std::array{a, b} : std::array{b, a}; };
    QVERIFY(t.record(m, {w, pair(f[2].toInt(), f[3].toInt()), pair(f[4].toInt(), f[5].toInt()), 90}));
}

QByteArray sealed(QByteArray body) {
    return body + "finis " + QByteArray::number(qChecksum(body), 16).rightJustified(4, '0') + '\n';
}

Certamen &certamenOf(Traduci &b) {
    return *b.findChild<Certamen *>(QStringLiteral("certamen"));
}

// Sets a tournament of `names` up through the set-up window, its matches of
// ten words chosen in the settings window.
void setUp(BoardFixture &fx, const QString &names, bool league = false) {
    fx.platform.onModal = [&fx, names, league](ui::Form *f) {
        auto *w = qobject_cast<frmCertamen *>(f);
        QVERIFY(w);
        w->nominaText->setPlainText(names);
        (league ? w->Orbis : w->Eliminatio)->setValue(true);
        answerSettings(fx.platform, GameChoice{.players = 1, .words = 10, .speed = 4});
        w->okay->press();
    };
    fx.board().findChild<QAction *>(QStringLiteral("Novum"))->trigger();
}

// A key on the table starts the match it shows.
void startMatch(Traduci &b) {
    Certamen &c = certamenOf(b);
    QVERIFY(c.tabula() && c.tabula()->isVisible());
    QTest::keyClick(c.tabula(), Qt::Key_Space);
    QVERIFY(!c.tabula()->isVisible());
    QVERIFY(b.playing());
}

// The left-hand player (key 1) or the right-hand one (key 0) wins the match
// being played, the loser erring once; then its end scene is over.
void finishMatch(Traduci &b, bool leftWins) {
    answer(b, false, leftWins ? 1 : 2);
    for (int i = 0; i < 6; ++i)
        answer(b, true, leftWins ? 2 : 1);
    QVERIFY(b.state.gameOver);
    emit b.findChild<ui::Timer *>(QStringLiteral("Pausa"))->tick();
}

void playMatch(Traduci &b, bool leftWins) {
    startMatch(b);
    finishMatch(b, leftWins);
}

} // namespace

class TestCertamen : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { useTemporarySettings(); }

    void knockoutDraw_data() {
        QTest::addColumn<int>("n");
        for (int n = Tournament::minEntrants; n <= Tournament::maxEntrants; ++n)
            QTest::addRow("%d entrants", n) << n;
    }
    // Each entrant plays on until beaten, n - 1 matches in all; the byes all
    // in round one, one at most to an entrant, none meeting another while
    // they are no more than a quarter of the places.
    void knockoutDraw() {
        QFETCH(int, n);
        for (unsigned seed = 1; seed <= 5; ++seed) {
            std::mt19937 rng(seed);
            Tournament t = Tournament::draw(Kind::Eliminatio, entrants(n), choices(),
                                            [&](int k) { return static_cast<int>(rng() % k); });
            playOut(t, rng);
            QVERIFY(t.finished());
            const int size = bracketSize(n);
            QList<int> rounds(n, 0), losses(n, 0), byes(n, 0); // rounds: each entrant's last

            int games = 0, lastRound = 0;
            for (const Match &m : t.matches()) {
                QVERIFY(m.round >= lastRound);
                lastRound = m.round;
                if (m.bye) {
                    QCOMPARE(m.round, 1);
                    ++byes[m.side[0]];
                    QCOMPARE(++rounds[m.side[0]], 1);
                    continue;
                }
                QVERIFY(m.played());
                ++games;
                for (int e : m.side) {
                    QCOMPARE(losses[e], 0);         // nobody plays after being beaten
                    QCOMPARE(++rounds[e], m.round); // from round one on, a round at a time
                    losses[e] += m.outcome->winner != e;
                }
            }
            QCOMPARE(games, n - 1);
            QCOMPARE(t.played().size(), n - 1);
            QCOMPARE(byes.count(1), size - n);
            QCOMPARE(byes.count(0), n - (size - n));
            QCOMPARE(losses.count(0), 1);
            QCOMPARE(t.champions(), (QList<int>{static_cast<int>(losses.indexOf(0))}));
            if (4 * (size - n) <= size)
                for (int k = 0; k < size / 2; k += 2)
                    QVERIFY(!(t.matches()[k].bye && t.matches()[k + 1].bye));
        }
    }

    void leagueDraw_data() {
        QTest::addColumn<int>("n");
        for (int n = Tournament::minEntrants; n <= Tournament::maxLeague; ++n)
            QTest::addRow("%d entrants", n) << n;
    }
    // Every pair once, nobody twice in a round, each on the left about as often as on the right.
    void leagueDraw() {
        QFETCH(int, n);
        std::mt19937 rng(n);
        Tournament t = Tournament::draw(Kind::Orbis, entrants(n), choices(),
                                        [&](int k) { return static_cast<int>(rng() % k); });
        QCOMPARE(int(t.matches().size()), n * (n - 1) / 2);
        QSet<QPair<int, int>> pairs;
        QHash<QPair<int, int>, int> inRound;
        QList<int> left(n, 0);
        for (const Match &m : t.matches()) {
            pairs.insert({std::min(m.side[0], m.side[1]), std::max(m.side[0], m.side[1])});
            for (int e : m.side)
                QCOMPARE(++inRound[qMakePair(m.round, e)], 1);
            ++left[m.side[0]];
        }
        QCOMPARE(int(pairs.size()), n * (n - 1) / 2);
        for (int e = 0; e < n; ++e)
            QVERIFY(std::abs(2 * left[e] - (n - 1)) <= 2);
        playOut(t, rng);
        QVERIFY(t.finished());
    }

    // Results "w>l rw:rl ew:el" in entrants 0..; the order of the table,
    // each entrant with its place.
    void leagueTable_data() {
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("table");
        QTest::newRow("wins first") << QStringList{"2>0 6:5 0:3", "2>1 6:0 0:0", "0>1 6:5 4:4"}
                                    << "2:1 0:2 1:3";
        QTest::newRow("level on wins: words right")
            << QStringList{"0>1 6:5 0:0", "1>2 6:0 0:0", "2>0 6:1 0:0"} << "1:1 0:2 2:3";
        QTest::newRow("level on words: fewest errors")
            << QStringList{"0>1 6:3 2:0", "1>2 6:3 0:0", "2>0 6:3 1:0"} << "1:1 2:2 0:3";
        QTest::newRow("level on everything: one place")
            << QStringList{"0>1 6:3 1:0", "1>2 6:3 1:0", "2>0 6:3 1:0"} << "0:1 1:1 2:1";
        QTest::newRow("a place shared, the next one skipped")
            << QStringList{"0>1 6:3 0:0", "0>2 6:3 0:0", "0>3 6:3 0:0",
                           "1>2 6:0 0:0", "2>3 6:0 0:0", "3>1 6:0 0:0"}
            << "0:1 1:2 2:2 3:2";
    }
    void leagueTable() {
        QFETCH(QStringList, results);
        QFETCH(QString, table);
        const int n = table.count(QLatin1Char(' ')) + 1;
        Tournament t = Tournament::draw(Kind::Orbis, entrants(n), choices(), unshuffled);
        for (const QString &r : results) {
            QVERIFY(t.champions().isEmpty());
            play(t, r);
        }
        QStringList got;
        QList<int> first;
        for (const Standing &s : t.standings()) {
            got << QStringLiteral("%1:%2").arg(s.entrant).arg(s.place);
            if (s.place == 1) first << s.entrant;
        }
        QCOMPARE(got.join(QLatin1Char(' ')), table);
        QCOMPARE(t.champions(), first);
    }

    void names_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("league");
        QTest::addColumn<QString>("names");   // joined with "|" when the list is accepted
        QTest::addColumn<QString>("problem"); // a part of the message when it is not
        const auto row = [](const char *name, QString text, bool league, QString names, QString problem) {
            QTest::newRow(name) << text << league << names << problem;
        };
        const QString nine = QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni");
        row("trimmed, blanks closed up, empty lines at the end dropped",
            "  Anna  Maria \r\nBeppe\n\tCarla\n\n \n", false, "Anna Maria|Beppe|Carla", "");
        row("an empty line between names", "Anna\n\nBeppe\nCarla\n", false, "", "riga 2 è vuota");
        row("the same name in other capitals", "Anna\nBeppe\nanna\n", false, "",
            "«anna» compare due volte (righe 1 e 3)");
        row("a name too long", "Anna\nBeppe\n" + QString(41, 'x'), false, "", "riga 3 è troppo lungo");
        row("two names", "Anna\nBeppe", false, "", "l'elenco ne ha 2");
        row("nine names in a league", nine, true, "", "ne ha 9");
        row("nine names in a knockout", nine, false, "a|b|c|d|e|f|g|h|i", "");
        QString many;
        for (int i = 0; i < 33; ++i)
            many += QStringLiteral("n%1\n").arg(i);
        row("thirty-three names", many, false, "", "ne ha 33");
    }
    void names() {
        QFETCH(QString, text);
        QFETCH(bool, league);
        QFETCH(QString, names);
        QFETCH(QString, problem);
        const NameList l = readNames(text, league ? Kind::Orbis : Kind::Eliminatio);
        if (problem.isEmpty()) {
            QCOMPARE(l.problem, QString());
            QCOMPARE(l.names.join(QLatin1Char('|')), names);
        } else {
            QVERIFY2(l.problem.contains(problem), qPrintable(l.problem));
        }
    }

    // Saved and read back, the tournament goes on where it was: the same
    // file, the same next match, the characters kept. Every shorter cut of the
    // file is refused.
    void stateRoundTrip_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("played");
        QTest::addColumn<bool>("forms");
        QTest::newRow("knockout before its first match") << int(Kind::Eliminatio) << 5 << 0 << false;
        QTest::newRow("knockout in its second round") << int(Kind::Eliminatio) << 6 << 3 << false;
        QTest::newRow("knockout over") << int(Kind::Eliminatio) << 3 << 2 << false;
        QTest::newRow("league half way") << int(Kind::Orbis) << 4 << 3 << false;
        QTest::newRow("league on forms half way") << int(Kind::Orbis) << 4 << 3 << true;
    }
    void stateRoundTrip() {
        QFETCH(int, kind);
        QFETCH(int, n);
        QFETCH(int, played);
        QFETCH(bool, forms);
        QList<Entrant> people = entrants(n);
        people[0] = {QStringLiteral("Zoë \"la rossa\", 3ª B"), QStringLiteral("Catullus")};
        people[1].character = QStringLiteral("Seneca");
        std::mt19937 rng(7);
        game::Choices c = choices();
        c.excludeSimilar = true;
        if (forms) c.kind = QStringLiteral("formae");
        Tournament t =
            Tournament::draw(Kind(kind), people, c, [&](int k) { return static_cast<int>(rng() % k); });
        for (int i = 0; i < played; ++i) {
            const int m = t.next();
            QVERIFY(t.record(m, {t.matches()[m].side[i % 2], {i, 6}, {2, i}, 100 + i}));
        }
        const QByteArray bytes = t.save();
        const std::optional<Tournament> back = Tournament::load(bytes);
        QVERIFY(back);
        QCOMPARE(back->save(), bytes);
        QCOMPARE(back->next(), t.next());
        QCOMPARE(back->played(), t.played());
        QCOMPARE(back->entrants().at(0).name, people[0].name);
        QCOMPARE(back->entrants().at(1).character, QStringLiteral("Seneca"));
        QVERIFY(back->choices().excludeSimilar && back->choices().soundsOn && !back->choices().musicOn);
        QCOMPARE(back->choices().frequencies, QStringLiteral("1011"));
        QCOMPARE(back->choices().kind, c.kind);
        for (qsizetype k = 0; k < bytes.size(); ++k)
            QVERIFY2(!Tournament::load(bytes.left(k)), qPrintable(QStringLiteral("cut at %1").arg(k)));
    }

    // Files sealed as the program seals them, whose content is still not a
    // tournament: each is refused.
    void stateRefused_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("another program's file") << QByteArray("LessiCorsa certamen 1") << QByteArray("Foo 1");
        QTest::newRow("a winner who did not play") << QByteArray("eventus 1 1") << QByteArray("eventus 1 0");
        QTest::newRow("a bye's result") << QByteArray("eventus 1 1") << QByteArray("eventus 0 0");
        QTest::newRow("a result before its time") << QByteArray("eventus 1 1") << QByteArray("eventus 2 0");
        QTest::newRow("an entrant drawn twice") << QByteArray("sors 0 -1 1 2") << QByteArray("sors 0 -1 1 1");
        QTest::newRow("a bye on the left") << QByteArray("sors 0 -1 1 2") << QByteArray("sors -1 0 1 2");
        QTest::newRow("two entrants of one name")
            << QByteArray("\tDiscipulus 1") << QByteArray("\tdiscipulus 0");
        QTest::newRow("a character not in the roster")
            << QByteArray("lusor \t") << QByteArray("lusor Plato\t");
        QTest::newRow("speed out of range") << QByteArray("optiones 3;") << QByteArray("optiones 6;");
        QTest::newRow("words per game not a choice") << QByteArray(";10;") << QByteArray(";15;");
    }
    void stateRefused() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        Tournament t = Tournament::draw(Kind::Eliminatio, entrants(3), choices(), unshuffled);
        QVERIFY(t.record(1, {1, {6, 1}, {0, 0}, 30}));
        QByteArray body = t.save();
        body.truncate(body.lastIndexOf("finis "));
        QVERIFY(Tournament::load(sealed(body)));
        QVERIFY(body.contains(from));
        QVERIFY(!Tournament::load(sealed(body.replace(from, to))));
    }

    void csv() {
        QList<Entrant> people = entrants(3);
        people[2].name = QStringLiteral("Rossi, \"Tito\"");
        Tournament t = Tournament::draw(Kind::Eliminatio, people, choices(), unshuffled);
        QVERIFY(t.record(1, {2, {4, 6}, {2, 0}, 75}));
        QVERIFY(t.record(2, {2, {3, 6}, {0, 1}, 61}));
        QCOMPARE(t.csv(),
                 QByteArray("\xEF\xBB\xBFGradus,Sinister,Dexter,Victor,Recte sinister,Recte dexter,"
                            "Errores sinister,Errores dexter,Secunda\r\n"
                            "1,Discipulus 1,\"Rossi, \"\"Tito\"\"\",\"Rossi, \"\"Tito\"\"\",4,6,2,0,75\r\n"
                            "2,Discipulus 0,\"Rossi, \"\"Tito\"\"\",\"Rossi, \"\"Tito\"\"\",3,6,0,1,61\r\n"));
    }

    // A match broken off is not a result: a game started by hand in the middle
    // of it, or the program ended. The tournament goes on at that match.
    void brokenOff() {
        QFile::remove(Certamen::statePath());
        int second = -1;
        {
            BoardFixture fx;
            Traduci &b = fx.board();
            QCoreApplication::processEvents();
            Certamen &c = certamenOf(b);
            setUp(fx, QStringLiteral("Anna\nBeppe\nCarla\n"), true);
            playMatch(b, true);
            second = c.tournament()->next();
            startMatch(b);
            answer(b, true, 1);
            startGame(fx, GameChoice{.players = 2});
            QVERIFY(b.nomen(1)->caption().isEmpty());
            for (int i = 0; i < 6; ++i)
                answer(b, true, 1);
            QVERIFY(b.state.gameOver);
            QCOMPARE(c.tournament()->played().size(), 1);
            QCOMPARE(c.tournament()->next(), second);
            b.findChild<QAction *>(QStringLiteral("Perge"))->trigger();
            startMatch(b);
            answer(b, true, 2);
        } // the program ends in the middle of the second match
        BoardFixture fx;
        Traduci &b = fx.board();
        QCoreApplication::processEvents();
        Certamen &c = certamenOf(b);
        QVERIFY(fx.platform.messages.isEmpty());
        QVERIFY(b.findChild<QAction *>(QStringLiteral("Perge"))->isEnabled());
        b.findChild<QAction *>(QStringLiteral("Perge"))->trigger();
        QCOMPARE(c.tournament()->played().size(), 1);
        QCOMPARE(c.tournament()->next(), second);
        playMatch(b, false);
        playMatch(b, true);
        QVERIFY(c.tournament()->finished());
        QCOMPARE(c.tabula()->mode(), Tabula::Mode::End);
    }

    // A state file that is not a tournament's: one message, the file kept
    // aside, the menu as without a tournament, and the game plays.
    void damagedState_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("another file") << QByteArray("[Impostazioni]\nGiocatori=2\n");
        const Tournament t = Tournament::draw(Kind::Orbis, entrants(3), choices(), unshuffled);
        QTest::newRow("cut short") << t.save().chopped(3);
    }
    void damagedState() {
        QFETCH(QByteArray, bytes);
        const QString path = Certamen::statePath();
        QDir dir(QFileInfo(path).absolutePath());
        dir.mkpath(QStringLiteral("."));
        for (const QString &f : dir.entryList({QStringLiteral("certamen*")}))
            dir.remove(f);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        BoardFixture fx;
        Traduci &b = fx.board();
        QCoreApplication::processEvents();
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages.first().title, QStringLiteral("LessiCorsa! Certamen"));
        QVERIFY(!QFile::exists(path));
        const QStringList aside = dir.entryList({QStringLiteral("certamen-damnatum-*.txt")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(dir.filePath(aside.first())), bytes);
        QVERIFY(!b.findChild<QAction *>(QStringLiteral("Perge"))->isEnabled());
        QVERIFY(!b.findChild<QAction *>(QStringLiteral("Tabula"))->isEnabled());
        startGame(fx, GameChoice{.players = 2});
        QVERIFY(b.playing());
        QCOMPARE(fx.platform.messages.size(), 1);
    }
};

QTEST_MAIN(TestCertamen)
#include "tst_certamen.moc"
