// The tournament: the draw for every count, the league's table and its
// tie-breaks, the names a list may hold, the state file (its round trip, a
// file cut short or changed), and a tournament played through the windows.

#include "board/traduci.h"
#include "certamen/certamen.h"
#include "certamen/frmcertamen.h"
#include "certamen/paint.h"
#include "certamen/tabula.h"
#include "certamen/tournament.h"
#include "settings/impostazioni.h"
#include "settings/store.h"
#include "support/datarow.h"
#include "support/gamedriver.h"
#include "support/tournaments.h"
#include "ui/namefit.h"
#include "ui/wholefile.h"

#include <QAbstractItemModelTester>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <linux/capability.h>
#include <random>
#include <sys/syscall.h>
#include <unistd.h>

using namespace certamen;

namespace {

// The draw without shuffling: entrant i at place i.
const auto unshuffled = [](int n) { return n - 1; };

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
void setUp(BoardFixture &fx, const QString &names, bool league = false, bool excludeSimilar = false,
           bool ownList = false) {
    fx.platform.onModal = [&fx, names, league, excludeSimilar, ownList](ui::Form *f) {
        auto *w = qobject_cast<frmCertamen *>(f);
        QVERIFY(w);
        w->nominaText->setPlainText(names);
        (league ? w->Orbis : w->Eliminatio)->setValue(true);
        answerSettings(fx.platform, GameChoice{.players = 1,
                                               .words = 10,
                                               .speed = 4,
                                               .excludeSimilar = excludeSimilar,
                                               .tweak = [ownList](Impostazioni *s) {
                                                   if (ownList) s->Chfreq(0)->setValue(true);
                                               }});
        w->okay->press();
    };
    fx.board().findChild<QAction *>(QStringLiteral("Novum"))->trigger();
}

// A key on the table starts the match it shows.
void startMatch(Traduci &b) {
    Certamen &c = certamenOf(b);
    QVERIFY(c.tabula() && c.tabula()->isVisible());
    const Match &m = c.tournament()->matches()[c.tournament()->next()];
    QTest::keyClick(c.tabula(), Qt::Key_Space);
    QVERIFY(!c.tabula()->isVisible());
    QVERIFY(b.playing());
    // The right-hand pupil plays with key 0, over the right-hand portrait.
    QCOMPARE(b.nomen(1)->caption() + '|' + b.nomen(2)->caption(),
             c.tournament()->name(m.side[1]) + '|' + c.tournament()->name(m.side[0]));
}

// The left-hand player (key 1) or the right-hand one (key 0) wins the match
// being played, the loser erring once; then its end scene pauses, once.
void finishMatch(Traduci &b, bool leftWins, bool pauseOver = true) {
    answer(b, false, leftWins ? 1 : 2);
    for (int i = 0; i < 6; ++i)
        answer(b, true, leftWins ? 2 : 1);
    QVERIFY(b.state.gameOver);
    auto *pause = b.findChild<ui::Timer *>(QStringLiteral("Pausa"));
    QVERIFY(pause->enabled());
    if (!pauseOver) return;
    emit pause->tick();
    QVERIFY(!pause->enabled());
}

// Runs `f` on this thread without root's power to read any file, so that a
// file's permissions hold also where the tests run as root.
template <typename F> void obeyingPermissions(F f) {
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct held[2]{}, fewer[2]{};
    const bool capable = syscall(SYS_capget, &head, held) == 0;
    std::copy(std::begin(held), std::end(held), std::begin(fewer));
    fewer[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    if (capable) syscall(SYS_capset, &head, fewer);
    f();
    if (capable) syscall(SYS_capset, &head, held);
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

    // The draw favours no place on the list: over many draws, each of five
    // entrants is given one of the three byes about three times in five.
    void drawFavoursNoPlace() {
        std::mt19937 rng(11);
        QList<int> byes(5, 0);
        for (int d = 0; d < 200; ++d) {
            const Tournament t = Tournament::draw(Kind::Eliminatio, entrants(5), choices(),
                                                  [&](int k) { return static_cast<int>(rng() % k); });
            for (const Match &m : t.matches())
                if (m.bye) ++byes[m.side[0]];
        }
        for (int b : byes)
            QVERIFY2(b > 80 && b < 160, qPrintable(QString::number(b)));
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
        row("wins first", QStringList{"2>0 6:5 0:3", "2>1 6:0 0:0", "0>1 6:5 4:4"}, "2:1 0:2 1:3");
        row("level on wins: words right", QStringList{"0>1 6:5 0:0", "1>2 6:0 0:0", "2>0 6:1 0:0"},
            QString("1:1 0:2 2:3"));
        row("level on words: fewest errors", QStringList{"0>1 6:3 2:0", "1>2 6:3 0:0", "2>0 6:3 1:0"},
            QString("1:1 2:2 0:3"));
        row("level on everything: one place", QStringList{"0>1 6:3 1:0", "1>2 6:3 1:0", "2>0 6:3 1:0"},
            QString("0:1 1:1 2:1"));
        row("a place shared, the next one skipped",
            QStringList{"0>1 6:3 0:0", "0>2 6:3 0:0", "0>3 6:3 0:0", "1>2 6:0 0:0", "2>3 6:0 0:0",
                        "3>1 6:0 0:0"},
            "0:1 1:2 2:2 3:2");
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

    // The names are typed into their box, a line each: Enter there starts a
    // new line and does not close the window.
    void typingNames() {
        BoardFixture fx;
        QString typed;
        fx.platform.onModal = [&typed](ui::Form *f) {
            auto *w = qobject_cast<frmCertamen *>(f);
            QVERIFY(w);
            w->show();
            w->nominaText->setFocus();
            QTest::keyClicks(w->nominaText, "Anna");
            QTest::keyClick(w->nominaText, Qt::Key_Return);
            QTest::keyClicks(w->nominaText, "Beppe");
            QVERIFY(w->isVisible());
            typed = w->nominaText->toPlainText() + QLatin1Char('|') + w->numerus->caption();
            w->hide();
        };
        fx.board().findChild<QAction *>(QStringLiteral("Novum"))->trigger();
        QCOMPARE(typed, "Anna\nBeppe|2 certantes");
    }

    // The set-up window's estimate, once the options are chosen: the matches
    // of a knockout or a league of the pupils named, and their minutes at the
    // pace of ten words at speed 4 (69.25 s a match).
    void estimate_data() {
        QTest::addColumn<int>("pupils");
        QTest::addColumn<bool>("league");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one pupil") << 1 << false << "";
        QTest::newRow("two in a knockout") << 2 << false << "1 certamina · circiter 2′";
        QTest::newRow("five in a knockout") << 5 << false << "4 certamina · circiter 5′";
        QTest::newRow("five in a league") << 5 << true << "10 certamina · circiter 12′";
    }
    void estimate() {
        QFETCH(int, pupils);
        QFETCH(bool, league);
        QFETCH(QString, shown);
        BoardFixture fx;
        SettingsStore().write(QStringLiteral("Classiscelte"), QStringLiteral("1101"));
        QStringList captions;
        fx.platform.onModal = [&](ui::Form *f) {
            auto *w = qobject_cast<frmCertamen *>(f);
            QVERIFY(w);
            w->show();
            w->nominaText->setPlainText(QString("Pupillus\n").repeated(pupils));
            captions << w->tempus->caption();
            fx.platform.onModal = nullptr;
            answerSettings(fx.platform,
                           GameChoice{.players = 2, .words = 10, .speed = 4, .tweak = [](auto *s) {
                                          for (int k : {3, 1, 2, 4})
                                              s->Chclassi(k)->setValue(k == 3);
                                      }});
            w->Optiones->press();
            // Opened again, the options show the tournament's classes, not the stored ones.
            fx.platform.onModal = [&](ui::Form *s) {
                captions << boxStates(qobject_cast<Impostazioni *>(s)->Chclassi);
                qobject_cast<Impostazioni *>(s)->okay(1)->press();
            };
            w->Optiones->press();
            // The kind clicked (the knockout clicked again, as chosen): it stays selected, alone.
            QTest::mouseClick((league ? w->Orbis : w->Eliminatio)->findChild<QRadioButton *>(),
                              Qt::LeftButton);
            captions << w->tempus->caption();
            QVERIFY(w->Orbis->value() == league && w->Eliminatio->value() != league);
            QVERIFY(w->Orbis->findChild<QRadioButton *>()->isChecked() == league &&
                    w->Eliminatio->findChild<QRadioButton *>()->isChecked() != league);
            w->hide();
        };
        fx.board().findChild<QAction *>(QStringLiteral("Novum"))->trigger();
        QCOMPARE(captions, (QStringList{"", "0010", shown}));
    }

    // Names read from a file, in Windows-1252 or UTF-8; a file too large for a
    // class or no file at all is refused with a word, the names typed kept.
    void namesFromAFile_data() {
        QTest::addColumn<QByteArray>("file"); // empty: a folder
        QTest::addColumn<QString>("names");   // the box afterwards
        QTest::newRow("Windows-1252") << QByteArray("Anna\r\nNicol\xf2\r\n") << "Anna\nNicol\u00f2\n";
        QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab\nLuca") << "Zo\u00eb\nLuca";
        QTest::newRow("64 KB and one byte") << QByteArray(64 * 1024 + 1, 'a') << "Typed";
        QTest::newRow("a folder") << QByteArray() << "Typed";
    }
    void namesFromAFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, names);
        BoardFixture fx;
        const QString path = fx.path() + "/nomina.txt";
        if (file.isEmpty())
            QVERIFY(QDir().mkdir(path));
        else
            fx.write("nomina.txt", file);
        const auto dialog = Certamen::fileDialog;
        Certamen::fileDialog = [&](QWidget *, const QString &, const QString &, const QString &, bool save) {
            return save ? QString() : path;
        };
        QString read;
        fx.platform.onModal = [&read](ui::Form *f) {
            auto *w = qobject_cast<frmCertamen *>(f);
            QVERIFY(w);
            w->nominaText->setPlainText("Typed");
            emit w->Lege->Click();
            read = w->nominaText->toPlainText();
            f->hide();
        };
        fx.board().findChild<QAction *>(QStringLiteral("Novum"))->trigger();
        Certamen::fileDialog = dialog;
        QCOMPARE(read, names);
        QCOMPARE(fx.platform.messages.size(), names == "Typed" ? 1 : 0);
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
        row("a name too long, after one as long as can be",
            "Anna\nBeppe\n" + QString(40, 'y') + '\n' + QString(41, 'x'), false, "", "riga 4 è troppo lungo");
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
        // Each choice kept both ways over the rows.
        c.soundsOn = played % 2 == 0;
        c.musicOn = !c.soundsOn;
        c.excludeSimilar = n % 2 == 0;
        if (forms) c.kind = QStringLiteral("formae");
        Tournament t =
            Tournament::draw(Kind(kind), people, c, [&](int k) { return static_cast<int>(rng() % k); });
        for (int i = 0; i < played; ++i) { // the second match a walkover
            const int m = t.next();
            QVERIFY(i == 1 ? t.walkover(m, 0)
                           : t.record(m, {t.matches()[m].side[i % 2], {i, 6}, {2, i}, 100 + i}));
        }
        const QByteArray bytes = t.save();
        const std::optional<Tournament> back = Tournament::load(bytes);
        QVERIFY(back);
        QCOMPARE(back->save(), bytes);
        const auto figures = [](const Tournament &x) {
            QList<int> f;
            for (const Standing &s : x.standings())
                f << s.entrant << s.place << s.played << s.wins << s.right << s.errors;
            return f;
        };
        QCOMPARE(figures(*back), figures(t));
        QCOMPARE(back->next(), t.next());
        QCOMPARE(back->played(), t.played());
        QCOMPARE(back->entrants().at(0).name, people[0].name);
        QCOMPARE(back->entrants().at(1).character, QStringLiteral("Seneca"));
        QCOMPARE(back->choices().soundsOn, c.soundsOn);
        QCOMPARE(back->choices().musicOn, c.musicOn);
        QCOMPARE(back->choices().excludeSimilar, c.excludeSimilar);
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
        for (QStringList f : tableOf(TEST_DATA_DIR "/state-refused.tsv"))
            QTest::newRow(qPrintable(f[0]))
                << f[1].replace("\\t", "\t").toUtf8() << f[2].replace("\\t", "\t").toUtf8();
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

    // The seal stands on a line of its own and covers every byte before it,
    // whatever the number of its digits.
    void seal_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        Tournament t = Tournament::draw(Kind::Eliminatio, entrants(3), choices(), unshuffled);
        QVERIFY(t.record(1, {1, {6, 1}, {0, 0}, 30}));
        const QByteArray saved = t.save();
        const QByteArray body = saved.left(saved.lastIndexOf("finis "));
        QTest::newRow("the seal on the last result's line") << sealed(body.chopped(1)) << false;
        row("a figure changed under the seal", QByteArray(saved).replace("eventus 1 1 6", "eventus 1 1 5"),
            false);
        QList<Entrant> people = entrants(3);
        for (int k = 0;; ++k) {
            people[0].name = QStringLiteral("Anna %1").arg(k);
            const QByteArray b = Tournament::draw(Kind::Orbis, people, choices(), unshuffled).save();
            if (qChecksum(b.left(b.lastIndexOf("finis "))) < 0x1000) {
                QTest::newRow("a seal of three digits, zero-padded") << b << true;
                break;
            }
        }
    }
    void seal() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        const std::optional<Tournament> t = Tournament::load(bytes);
        QCOMPARE(bool(t), loads);
        if (t) QCOMPARE(t->save(), bytes);
    }

    void csv() {
        QList<Entrant> people = entrants(3);
        people[2].name = QStringLiteral("Rossi, \"Tito\"");
        Tournament t = Tournament::draw(Kind::Eliminatio, people, choices(), unshuffled);
        QVERIFY(t.record(1, {2, {4, 6}, {2, 0}, 75}));
        QVERIFY(t.record(2, {2, {3, 6}, {0, 1}, 61}));
        QCOMPARE(
            t.csv(),
            QByteArray("\xEF\xBB\xBFGradus,Sinister,Dexter,Victor,Recte sinister,Recte dexter,"
                       "Errores sinister,Errores dexter,Secunda,Nota\r\n"
                       "1,Discipulus 1,\"Rossi, \"\"Tito\"\"\",\"Rossi, \"\"Tito\"\"\",4,6,2,0,75,\r\n"
                       "2,Discipulus 0,\"Rossi, \"\"Tito\"\"\",\"Rossi, \"\"Tito\"\"\",3,6,0,1,61,\r\n"));
    }

    // A tournament that cannot be written is told once, until a write succeeds.
    void unwritableToldOnce() {
        BoardFixture fx;
        Certamen &c = certamenOf(fx.board());
        for (bool fails : {true, true, false, true}) {
            ui::setWriteFailureForTest([fails](qint64, qint64) { return !fails; });
            c.begin(Tournament::draw(Kind::Orbis, entrants(3), choices(), unshuffled));
        }
        ui::setWriteFailureForTest(nullptr);
        QCOMPARE(fx.platform.messages.size(), 2);
    }

    // The printed results of a whole knockout of 32: the champion, the
    // bracket, every result in the order played, over as many pages as they
    // need, each page headed and numbered.
    void printedResults() {
        Tournament t = Tournament::draw(Kind::Eliminatio, entrants(32), choices(), unshuffled);
        for (int m = t.next(); m >= 0; m = t.next()) {
            const int s = m % 2, loser = 9 + m % 6;
            QVERIFY(
                t.record(m, {t.matches()[m].side[s], {s ? loser : 16, s ? 16 : loser}, {m % 3, 0}, 60 + m}));
        }
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath("certamen.pdf"));
        certamen::print(printer, t);
        if (QProcess::execute("pdftotext", {"-raw", dir.filePath("certamen.pdf"), dir.filePath("c.txt")}) !=
            0)
            QSKIP("pdftotext (poppler-utils) is needed to read the PDF back");
        const QString text = QString::fromUtf8(readAll(dir.filePath("c.txt")));
        const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2); // 14 results under the bracket, the other 17 on the next page
        for (int k = 0; k < 2; ++k) {
            const QString head = pages[k].section('\n', 0, 0);
            QVERIFY2(head.startsWith("LessiCorsa! Certamen") && head.endsWith(QString(" %1").arg(k + 1)),
                     qPrintable(head));
        }
        QVERIFY(
            pages[0].simplified().contains("Victor certaminis " + t.entrants()[t.champions().value(0)].name));
        qsizetype at = text.indexOf("Gradus Sinister");
        int onFirst = 0;
        for (const Entry &e : t.log()) {
            const QString line = certamen::resultCells(t, e).join(' ');
            const qsizetype found = text.indexOf(line, at);
            QVERIFY2(found > at, qPrintable(line));
            onFirst += found < text.indexOf('\f');
            at = found;
        }
        QCOMPARE(onFirst, 14);
    }

    // The teacher's hand on a knockout of five (entrant i at place i; a bye
    // for entrant 0): "w m A" gives match m to side A's opponent (A absent),
    // "r m" plays match m again, "p m S" records side S's win. The rows say
    // which steps are refused; every state is written and read back alike.
    void teacherControls_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("refused"); // the indexes of the steps refused
        // (matches 0 to 2 are byes, 3 is entrants 3 and 4, 4 is 0 and 1, 5 is 2
        // and the winner of 3, 6 the final)
        row("a walkover takes its winner on", QStringList{"w 3 0", "p 4 0", "p 5 1", "p 6 0"}, QString(""));
        row("the last match again, then won by the other", QStringList{"p 3 0", "r 3", "p 3 1", "p 4 0"},
            QString(""));
        row("an earlier match whose winner has not played since",
            QStringList{"p 3 0", "p 4 1", "r 3", "p 3 1"}, QString(""));
        row("not once its winner has played again", QStringList{"p 3 0", "p 4 1", "p 5 1", "r 3"},
            QString("3"));
        row("a walkover played again, and a bye never", QStringList{"w 3 1", "r 0", "r 3", "p 3 1"},
            QString("1"));
        row("not a match not played, nor a walkover of it twice", QStringList{"r 4", "w 3 0", "w 3 0"},
            QString("0 2"));
    }
    void teacherControls() {
        QFETCH(QStringList, steps);
        QFETCH(QString, refused);
        Tournament t = Tournament::draw(Kind::Eliminatio, entrants(5), choices(), unshuffled);
        const QStringList no = refused.split(' ', Qt::SkipEmptyParts);
        int annulled = 0;
        for (int i = 0; i < steps.size(); ++i) {
            const QStringList f = steps[i].split(' ');
            const int m = f[1].toInt();
            bool ok = false;
            if (f[0] == "w") {
                ok = t.walkover(m, f[2].toInt());
                if (ok) QCOMPARE(t.matches()[m].outcome->winner, t.matches()[m].side[1 - f[2].toInt()]);
            } else if (f[0] == "r") {
                ok = t.replay(m);
                annulled += ok;
                if (ok) QVERIFY(t.matches()[m].ready());
            } else {
                const Match &x = t.matches()[m];
                ok = x.ready() && t.record(m, {x.side[f[2].toInt()], {6, 3}, {0, 1}, 70});
            }
            QCOMPARE(ok, !no.contains(QString::number(i)));
            const std::optional<Tournament> back = Tournament::load(t.save());
            QVERIFY(back);
            QCOMPARE(back->save(), t.save());
            QCOMPARE(back->next(), t.next());
            QCOMPARE(back->log().size(), t.log().size());
        }
        QCOMPARE(
            int(std::count_if(t.log().begin(), t.log().end(), [](const Entry &e) { return e.annulled; })),
            annulled);
        // Each walkover is one line of the CSV, marked, without figures.
        int walkovers = 0;
        for (const int m : t.played())
            walkovers += t.matches()[m].outcome->walkover;
        QCOMPARE(int(t.csv().count(",,,,,absens\r\n")), walkovers);
    }

    // A file written before walkovers and replays were known loads as it
    // did; one that has them is sealed all the same.
    void stateOfOlderProgram() {
        const QByteArray old = sealed("LessiCorsa certamen 1\nforma eliminatio\n"
                                      "optiones 3;10;1111;1011;1;1;0;0;vocabula.txt\n"
                                      "lusor \tAnna\nlusor Seneca\tBeppe\nlusor \tCarla\n"
                                      "sors 0 -1 1 2\neventus 1 2 4 6 1 0 75\n");
        const std::optional<Tournament> t = Tournament::load(old);
        QVERIFY(t);
        QCOMPARE(t->save(), old);
        QCOMPARE(t->next(), 2);
        QVERIFY(!Tournament::load(sealed(old.chopped(old.size() - old.indexOf("finis")) + "absens 2 7\n")));
    }

    // The teacher at the table: a key that is not Enter or Space starts
    // nothing; A gives the match away, I plays it again, each confirmed and
    // written at once (the program ended at once after each keeps it); Esc
    // in a match breaks it off, to be played again from its start.
    void teacherAtTheTable() {
        QFile::remove(Certamen::statePath());
        int answerChoice = 0;
        Certamen::chooseDialog = [&](QWidget *, const QString &, const QString &, const QStringList &items) {
            return answerChoice < items.size() ? answerChoice : -1;
        };
        int first = -1;
        {
            BoardFixture fx;
            Traduci &b = fx.board();
            QCoreApplication::processEvents();
            Certamen &c = certamenOf(b);
            setUp(fx, QStringLiteral("Anna\nBeppe\nCarla\nDario\n"));
            first = c.tournament()->next();
            QAbstractItemModelTester consistent(c.tabula()->results(),
                                                QAbstractItemModelTester::FailureReportingMode::QtTest);
            // "1" gives the left-hand pupil the next character, never the other's: five go round.
            const auto character = [&](int side) {
                return c.tournament()->entrants().at(c.tournament()->matches()[first].side[side]).character;
            };
            QStringList seen{character(0)};
            for (int i = 0; i < 5; ++i) {
                QTest::keyClick(c.tabula(), Qt::Key_1);
                seen << character(0);
            }
            QCOMPARE(seen.first(), seen.last());
            QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), 5);
            QVERIFY(!seen.contains(character(1)) && !character(1).isEmpty());
            for (const Qt::Key k : {Qt::Key_X, Qt::Key_2, Qt::Key_Tab})
                QTest::keyClick(c.tabula(), k);
            QVERIFY(!b.playing());
            // The left side said absent, and the teacher thinks again.
            const Match &m = c.tournament()->matches()[first];
            answerChoice = 0;
            fx.platform.answers.enqueue(ui::Answer::Cancel);
            QTest::keyClick(c.tabula(), Qt::Key_A);
            QCOMPARE(fx.platform.messages.last().text,
                     c.tournament()->name(m.side[0]) + " è assente: la partita va a " +
                         c.tournament()->name(m.side[1]) + " a tavolino. Confermare?");
            QVERIFY(!m.played());
            // The right side is absent, and the teacher confirms.
            answerChoice = 1;
            QTest::keyClick(c.tabula(), Qt::Key_A);
            QCOMPARE(c.tournament()->matches()[first].outcome->walkover, true);
            QVERIFY(c.tabula()->isVisible());
        }
        {
            BoardFixture fx;
            Traduci &b = fx.board();
            QCoreApplication::processEvents();
            Certamen &c = certamenOf(b);
            QVERIFY(c.tournament()->matches()[first].outcome->walkover);
            b.findChild<QAction *>(QStringLiteral("Perge"))->trigger();
            // The second match: the left-hand pupil wins; then it is played again.
            const int second = c.tournament()->next();
            playMatch(b, true);
            const Match &won = c.tournament()->matches()[second];
            QCOMPARE(won.outcome->winner, won.side[0]);
            QCOMPARE(won.outcome->errors, (std::array{0, 1}));
            // The choice given up: nothing asked, nothing changed.
            answerChoice = -1;
            const qsizetype shown = fx.platform.messages.size();
            QTest::keyClick(c.tabula(), Qt::Key_I);
            QCOMPARE(fx.platform.messages.size(), shown);
            answerChoice = 0; // the latest first
            fx.platform.answers.enqueue(ui::Answer::Cancel);
            QTest::keyClick(c.tabula(), Qt::Key_I);
            QCOMPARE(fx.platform.messages.last().text,
                     "Il risultato di " + c.tournament()->name(won.side[0]) + " contro " +
                         c.tournament()->name(won.side[1]) +
                         " si annulla e la partita si gioca di nuovo. Confermare?");
            QVERIFY(c.tournament()->matches()[second].played());
            QTest::keyClick(c.tabula(), Qt::Key_I);
            QVERIFY(c.tournament()->matches()[second].ready());
            QCOMPARE(c.tournament()->next(), second);
        }
        BoardFixture fx;
        Traduci &b = fx.board();
        QCoreApplication::processEvents();
        Certamen &c = certamenOf(b);
        const int second = c.tournament()->next();
        QCOMPARE(int(c.tournament()->log().size()), 2);
        QVERIFY(c.tournament()->log()[1].annulled);
        b.findChild<QAction *>(QStringLiteral("Perge"))->trigger();
        // Esc in the match: broken off (Yes), the table back with the same match.
        startMatch(b);
        answer(b, true, 1);
        fx.platform.answers.enqueue(ui::Answer::Yes);
        QTest::keyClick(&b, Qt::Key_Escape);
        QCOMPARE(fx.platform.endCount, 0);
        QVERIFY2(
            c.tabula()->isVisible(),
            qPrintable(fx.platform.messages.isEmpty() ? QString("none") : fx.platform.messages.last().text));
        QCOMPARE(c.tournament()->next(), second);
        // Played from its start, now won by the right-hand pupil: the result corrected.
        playMatch(b, false);
        const Match &m = c.tournament()->matches()[second];
        QCOMPARE(m.outcome->winner, m.side[1]);
        QCOMPARE(m.outcome->right[1], 6);
        QCOMPARE(m.outcome->errors, (std::array{1, 0})); // the left-hand loser's error (key 1)
        // Esc and No: the board's own question to end the program follows.
        startMatch(b);
        fx.platform.answers.enqueue(ui::Answer::No);
        fx.platform.answers.enqueue(ui::Answer::Cancel);
        const qsizetype before = fx.platform.messages.size();
        QTest::keyClick(&b, Qt::Key_Escape);
        QCOMPARE(fx.platform.messages.size(), before + 2);
        QCOMPARE(fx.platform.messages.last().title, QStringLiteral("Fabula acta est"));
        QVERIFY(b.playing());
        // In a game started by hand, Esc asks the board's question alone.
        startGame(fx, GameChoice{.players = 2});
        fx.platform.answers.enqueue(ui::Answer::Cancel);
        QTest::keyClick(&b, Qt::Key_Escape);
        QCOMPARE(fx.platform.messages.size(), before + 3);
        QCOMPARE(fx.platform.messages.last().title, QStringLiteral("Fabula acta est"));
    }

    // Names that do not fit (24 px, never below 20): smaller first, then over
    // two lines, then the first name with as much of the surname as tells it
    // from the others; never wider than the box.
    void nameFit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("width"); // pixels; at most 1: a part of the name's width; 0: the expected's
        QTest::addColumn<double>("height");
        QTest::addColumn<QString>("expected"); // the text, or "shrunk"
        QTest::newRow("fits") << QString("Anna Rossi") << 400.0 << 40.0 << QString("Anna Rossi");
        row("a little smaller", QString("Alessandro Bianchini"), 0.9, 40.0, QString("shrunk"));
        row("over two lines", QString("Maria Ferdinanda Bianchi"), 0.75, 80.0,
            QString("Maria Ferdinanda\nBianchi"));
        row("apart from Alessandro Binottini", QString("Alessandro Bianchini"), 0.0, 30.0,
            QString("Alessandro Bia."));
        row("apart from Alessandro Bianchini", QString("Alessandro Binottini"), 0.0, 30.0,
            QString("Alessandro Bin."));
        row("apart from the Bs", QString("Alessandro Marino"), 0.0, 30.0, QString("Alessandro M."));
    }
    void nameFit() {
        QFETCH(QString, name);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QString, expected);
        const QStringList all{name, "Alessandro Marino", "Alessandro Bianchini", "Alessandro Binottini",
                              "Maria Ferdinanda Bianchi"};
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(24);
        if (width == 0)
            width = QFontMetricsF(f).horizontalAdvance(expected) + 1;
        else if (width <= 1)
            width *= QFontMetricsF(f).horizontalAdvance(name);
        const ui::FittedName fit = ui::fitName(name, all, f, 24, 20, QSizeF(width, height));
        if (expected == "shrunk") {
            QCOMPARE(fit.text, name);
            QVERIFY(fit.px < 24 && fit.px >= 20);
        } else {
            QCOMPARE(fit.text, expected);
        }
        f.setPixelSize(int(fit.px));
        for (const QString &line : fit.text.split('\n'))
            QVERIFY(QFontMetricsF(f).horizontalAdvance(line) <= width);
    }

    // The names above the portraits keep to their halves of the panel and
    // never meet, read whole where they can and told apart where shortened.
    void boardNames_data() {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("whole"); // both names shown whole (on one line or two)
        QTest::newRow("short") << QString("Anna") << QString("Beppe") << true;
        row("thirty characters each", QString("Pierfrancesco Maria Bianchetti"),
            QString("Ferdinando Luca Bianchi Rossi"), true);
        row("forty, one word", QString("Pierfrancescoferdinandoalessandrobianchi"),
            QString("Alessandro Bianchi"), false);
        row("alike", QString("Alessandro Bianchi Montecuccoli"), QString("Alessandro Bianchini Montecuccoli"),
            false);
    }
    void boardNames() {
        QFETCH(QString, right);
        QFETCH(QString, left);
        QFETCH(bool, whole);
        BoardFixture fx;
        Traduci &b = fx.board();
        b.show();
        QCoreApplication::processEvents();
        startGame(fx, GameChoice{.players = 2});
        b.setPlayerNames(right, left);
        ui::Label *r = b.nomen(1), *l = b.nomen(2);
        QVERIFY(r->shown() && l->shown());
        QVERIFY2(l->left() + l->width_() < r->left(), qPrintable(l->caption() + " | " + r->caption()));
        QVERIFY(l->left() >= 0 && r->left() + r->width_() <= b.Frame1->width_());
        QVERIFY(r->caption() != l->caption());
        if (whole) {
            QCOMPARE(QString(r->caption()).replace('\n', ' '), right);
            QCOMPARE(QString(l->caption()).replace('\n', ' '), left);
        }
    }

    // A match is played with the choices made at the set-up, the look-alikes
    // (the same first two letters in Latin and Italian) left out or kept, the
    // teacher's own list or the program's.
    void matchKeepsTheChoices_data() {
        QTest::addColumn<bool>("excludeSimilar");
        QTest::addColumn<bool>("ownList");
        QTest::newRow("look-alikes left out") << true << false;
        QTest::newRow("look-alikes kept") << false << false;
        QTest::newRow("the teacher's own list") << false << true;
    }
    void matchKeepsTheChoices() {
        QFETCH(bool, excludeSimilar);
        QFETCH(bool, ownList);
        QFile::remove(Certamen::statePath());
        BoardFixture fx(makeVocabulary(150) + "1;3;amo;amare;to love\r\n");
        // A teacher's list as the lists' window writes it: frequency class 0.
        QByteArray own = makeVocabulary(40);
        own.replace(QByteArray("\r\n1;"), "\r\n0;").replace("\r\n2;", "\r\n0;");
        own.replace(QByteArray("\r\n3;"), "\r\n0;").replace("\r\n4;", "\r\n0;");
        fx.write(QStringLiteral("vocpers.txt"), own);
        Traduci &b = fx.board();
        QCoreApplication::processEvents();
        setUp(fx, QStringLiteral("Anna\nBeppe\nCarla\n"), false, excludeSimilar, ownList);
        startMatch(b);
        QCOMPARE(b.vocabolo->items().contains(QStringLiteral("amo")), !excludeSimilar && !ownList);
        QCOMPARE(b.vocabolo->listCount(), ownList ? 40 : 151 - excludeSimilar);
        QCOMPARE(b.choices().vocabularyFile, ownList ? QString("vocpers.txt") : QString("vocabula.txt"));
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
            startMatch(b);
            // Esc in the first match: the tournament's question (Cancel: the match goes on).
            fx.platform.answers.enqueue(ui::Answer::Cancel);
            QTest::keyClick(&b, Qt::Key_Escape);
            QVERIFY(fx.platform.messages.last().text.startsWith("Che cosa fare di questa partita"));
            finishMatch(b, true);
            second = c.tournament()->next();
            // One of the next pair has played: only the other may change character.
            QCOMPARE(c.tabula()->hint().section('\n', 0, 0),
                     "0: persona mutatur · A: absens · I: iterum · Esc: claude");
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

    // A game started by hand, or a new tournament, during a match's end scene
    // ends its pause: the table does not come over that game, and the new
    // tournament's table stays.
    void handGameInThePause_data() {
        QTest::addColumn<bool>("newTournament");
        row("a game started by hand", false);
        row("a new tournament", true);
    }
    void handGameInThePause() {
        QFETCH(bool, newTournament);
        BoardFixture fx;
        Traduci &b = fx.board();
        QCoreApplication::processEvents();
        setUp(fx, QStringLiteral("Anna\nBeppe\nCarla\n"), true);
        startMatch(b);
        finishMatch(b, true, false);
        if (newTournament)
            certamenOf(b).begin(Tournament::draw(Kind::Orbis, entrants(3), choices(), unshuffled));
        else
            startGame(fx, GameChoice{.players = 2});
        QVERIFY(!b.findChild<ui::Timer *>(QStringLiteral("Pausa"))->enabled());
        QCOMPARE(certamenOf(b).tabula()->isVisible(), newTournament);
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

    // An intact state file the program may not read is not a damaged one: it
    // is named as unreadable, once, and stays where it is.
    void unreadableState() {
        const QString path = Certamen::statePath();
        QDir dir(QFileInfo(path).absolutePath());
        dir.mkpath(QStringLiteral("."));
        for (const QString &f : dir.entryList({QStringLiteral("certamen*")}))
            dir.remove(f);
        const QByteArray bytes = Tournament::draw(Kind::Orbis, entrants(3), choices(), unshuffled).save();
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        QVERIFY(f.setPermissions({}));
        BoardFixture fx;
        obeyingPermissions([&] {
            fx.board();
            QCoreApplication::processEvents();
        });
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(fx.platform.messages.size(), 1);
        QVERIFY2(fx.platform.messages.first().text.startsWith(QStringLiteral("Impossibile leggere")),
                 qPrintable(fx.platform.messages.first().text));
        QCOMPARE(dir.entryList({QStringLiteral("certamen*")}), QStringList{QStringLiteral("certamen.txt")});
        QCOMPARE(readAll(path), bytes);
        QVERIFY(!fx.board().findChild<QAction *>(QStringLiteral("Perge"))->isEnabled());
    }
};

QTEST_MAIN(TestCertamen)
#include "tst_certamen.moc"
