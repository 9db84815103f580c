// The players in play: the menu "Lusores" (a new player, a refused name,
// renaming, removing, the sides), each finished game in the history with the
// names on the board and the missed words in each player's own list, a damaged history set aside while the
// game plays on, and the progress window over the games kept.

#include "board/traduci.h"
#include "errata/missedlist.h"
#include "players/frmnomen.h"
#include "players/frmprogressus.h"
#include "players/lusores.h"
#include "support/gamedriver.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QXYSeries>
#include <QtTest>

using namespace players;

namespace {

Lusores &lusores(Traduci &b) {
    return *b.findChild<Lusores *>(QStringLiteral("lusores"));
}

// Opens the menu "Lusores" and chooses an item.
void trigger(Traduci &b, const QString &action) {
    emit b.findChild<QMenu *>(QStringLiteral("Lusores1"))->aboutToShow();
    QAction *a = b.findChild<QAction *>(action);
    QVERIFY2(a, qPrintable(action));
    a->trigger();
}

// Makes a player through the menu, typing `names` into frmNomen in turn
// until one is taken.
void newPlayer(BoardFixture &fx, const QStringList &names) {
    qsizetype next = 0;
    fx.platform.onModal = [&](ui::Form *f) {
        auto *w = qobject_cast<frmNomen *>(f);
        while (w && w->isVisible() && next < names.size()) {
            w->nomen->setText(names[next++]);
            w->okay->press();
        }
        f->hide();
    };
    trigger(fx.board(), QStringLiteral("NovusLusor"));
    fx.platform.onModal = nullptr;
}

// Plays a game to its end: one player answers `wrong` wrong then every word
// right; of two, player 2 misses `wrong` times, then player 1 wins.
void playGame(BoardFixture &fx, int players, int wrong) {
    Traduci &b = fx.board();
    startGame(fx, GameChoice{.players = players});
    for (int i = 0; i < wrong; ++i)
        answer(b, false, players == 1 ? 0 : 2);
    while (!b.state.gameOver)
        answer(b, true, players == 1 ? 0 : 1);
}

QList<PlayedGame> gamesOf(Lusores &l, const QString &id) {
    QList<PlayedGame> games;
    l.history().read([&](const HistoryStore &s) { games = s.games(id, QDateTime(), true); });
    return games;
}

int messagesTitled(const FakePlatform &p, const QString &title) {
    return static_cast<int>(std::ranges::count_if(p.messages, [&](auto &m) { return m.title == title; }));
}

} // namespace

class TestPlayers : public QObject {
    Q_OBJECT
  private slots:
    // Names typed into frmNomen: refused ones explained, each once, the
    // window staying; the player made takes the single player's side.
    void newPlayerNames_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("made");
        QTest::addColumn<int>("refusals");
        QTest::newRow("a name") << QStringList{QStringLiteral("  Iulia  ")} << "Iulia" << 0;
        QTest::newRow("thirty letters with an accent")
            << QStringList{QString(29, QLatin1Char('a')) + QStringLiteral("é")}
            << QString(29, QLatin1Char('a')) + "é" << 0;
        QTest::newRow("blank, then the guest's name, then a name")
            << QStringList{QStringLiteral("   "), QStringLiteral("hospes"), QStringLiteral("Marcus")}
            << "Marcus" << 2;
    }
    void newPlayerNames() {
        QFETCH(QStringList, typed);
        QFETCH(QString, made);
        QFETCH(int, refusals);
        BoardFixture fx;
        Traduci &b = fx.board();
        newPlayer(fx, typed);
        QCOMPARE(messagesTitled(fx.platform, QStringLiteral("LessiCorsa! Lusores")), refusals);
        QCOMPARE(lusores(b).player(1).name, made);
        QCOMPARE(lusores(b).player(2).name, Roster::guestName);
        // Read back as the next run reads it.
        Roster r;
        r.load();
        QCOMPARE(r.side(1).name, made);
    }

    // Two named players play a two-player game and one each alone; renaming
    // keeps a player's games, removing takes them away. Each game is kept
    // with its figures, the names stand over the portraits, and a game broken
    // off is not kept.
    void gamesKept() {
        BoardFixture fx;
        Traduci &b = fx.board();
        Lusores &l = lusores(b);
        newPlayer(fx, {QStringLiteral("Iulia")});
        newPlayer(fx, {QStringLiteral("Marcus")});
        const QString iulia = l.roster().players().at(1).id, marcus = l.roster().players().at(2).id;
        trigger(b, QStringLiteral("sinister:") + iulia); // Marcus on the right, Iulia on the left
        QCOMPARE(l.player(1).id, marcus);
        playGame(fx, 2, 1);
        QCOMPARE(b.nomen(1)->caption() + b.nomen(2)->caption(), QStringLiteral("MarcusIulia"));
        QVERIFY(b.nomen(1)->shown() && b.nomen(2)->shown());
        trigger(b, QStringLiteral("dexter:") + iulia); // the sides change places
        QCOMPARE(l.player(2).id, marcus);
        playGame(fx, 1, 3);
        startGame(fx, GameChoice{}); // broken off by the next
        answer(b, false);
        trigger(b, QStringLiteral("dexter:") + marcus);
        playGame(fx, 1, 0);
        QVERIFY(!b.nomen(2)->shown());
        // Each one's missed words are her own; the guest's list is untouched.
        MissedList mine;
        QCOMPARE(mine.load(Roster::missedFile(iulia)), MissedList::Status::Read);
        QVERIFY(!mine.empty());
        QVERIFY(!QFileInfo::exists(Roster::missedFile(marcus)));
        QVERIFY(!QFileInfo::exists(MissedList::defaultFile));

        const QList<PlayedGame> m = gamesOf(l, marcus), i = gamesOf(l, iulia);
        QCOMPARE(m.size(), 2);
        QCOMPARE(i.size(), 2);
        QCOMPARE((std::array{m[0].side, m[0].right, m[0].errors, m[0].lockouts, m[0].winner}),
                 (std::array{1, 6, 0, 0, 1}));
        QCOMPARE((std::array{i[0].side, i[0].right, i[0].errors, i[0].lockouts}), (std::array{2, 0, 1, 1}));
        QCOMPARE((std::array{i[1].side, i[1].right, i[1].errors, i[1].asked, i[1].playerCount}),
                 (std::array{1, 10, 3, 10, 1}));
        QCOMPARE(m[1].vocabulary + m[1].classes, QStringLiteral("vocabula.txt1111"));

        fx.platform.onModal = [](ui::Form *f) {
            qobject_cast<frmNomen *>(f)->nomen->setText(QStringLiteral("Marcus Tullius"));
            qobject_cast<frmNomen *>(f)->okay->press();
        };
        trigger(b, QStringLiteral("Renomina:") + marcus);
        QCOMPARE(l.player(1).name, QStringLiteral("Marcus Tullius"));
        QCOMPARE(gamesOf(l, marcus).size(), 2);
        fx.platform.answers.enqueue(ui::Answer::Cancel);
        trigger(b, QStringLiteral("Tolle:") + marcus);
        QCOMPARE(l.roster().players().size(), 3);
        fx.platform.answers.enqueue(ui::Answer::Ok);
        trigger(b, QStringLiteral("Tolle:") + marcus);
        QCOMPARE(l.roster().players().size(), 2);
        QCOMPARE(l.player(1).id, Roster::guestId);
        QVERIFY(gamesOf(l, marcus).isEmpty());
        QCOMPARE(gamesOf(l, iulia).size(), 2);
    }

    // A game another feature starts for pupils of its own (a tournament's
    // match) is not the sides' players': not kept, its names left standing.
    void anotherFeaturesGame() {
        BoardFixture fx;
        Traduci &b = fx.board();
        game::Listener tournament;
        b.setPlayerNames(QStringLiteral("Aulus"), QStringLiteral("Gaia"));
        answerSettings(fx.platform, GameChoice{.players = 2});
        b.startGame(&tournament);
        QCOMPARE(b.nomen(1)->caption() + b.nomen(2)->caption(), QStringLiteral("AulusGaia"));
        answer(b, false, 2);
        while (!b.state.gameOver)
            answer(b, true, 1);
        QCOMPARE(b.nomen(1)->caption() + b.nomen(2)->caption(), QStringLiteral("AulusGaia"));
        playGame(fx, 1, 1);
        QCOMPARE(b.nomen(1)->caption(), QString());
        const QList<PlayedGame> kept = gamesOf(lusores(b), Roster::guestId);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].playerCount, 1);
    }

    // A history that cannot be used is set aside with one message; the game
    // goes on, its missed words are kept, and the next game is recorded.
    void damagedHistoryInPlay_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a folder in its place") << "folder";
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("cut in the middle") << "cut";
    }
    void damagedHistoryInPlay() {
        QFETCH(QString, damage);
        BoardFixture fx;
        Traduci &b = fx.board();
        Lusores &l = lusores(b);
        const QString path = Lusores::historyFile();
        if (damage == QStringLiteral("cut")) {
            playGame(fx, 1, 0);
            l.history().flush();
            l.programEnding(); // closes the database
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2));
        } else if (damage == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(5000, 'x'));
        }
        playGame(fx, 1, 2);
        l.history().flush();
        QCoreApplication::processEvents();
        QCOMPARE(messagesTitled(fx.platform, QStringLiteral("LessiCorsa! Lusores")), 1);
        QVERIFY(QFileInfo::exists(HistoryStore::asideName(path, QDate::currentDate())));
        QVERIFY(QFileInfo(QStringLiteral("errata.txt")).size() > 0);
        playGame(fx, 1, 0);
        QCOMPARE(gamesOf(l, Roster::guestId).size(), 2);
        QCoreApplication::processEvents();
        QCOMPARE(messagesTitled(fx.platform, QStringLiteral("LessiCorsa! Lusores")), 1);
    }

    // The progress window over a player's games: the charts' points, her
    // most missed words, and the CSV written by "Exporta".
    void progressWindow() {
        BoardFixture fx;
        Traduci &b = fx.board();
        newPlayer(fx, {QStringLiteral("Iulia, \"minor\"")});
        playGame(fx, 1, 2);
        playGame(fx, 1, 0);
        std::array<qsizetype, 4> points{};
        QString shownPlayer, written = QDir(fx.path()).filePath(QStringLiteral("h.csv"));
        fx.platform.onModal = [&](ui::Form *f) {
            auto *w = qobject_cast<frmProgressus *>(f);
            shownPlayer = w->lusor->currentText();
            for (int k = 0; k < 2; ++k)
                points[k] = qobject_cast<QXYSeries *>(w->tabula(k)->chart()->series().first())->count();
            points[3] = qobject_cast<QAbstractBarSeries *>(w->tabula(3)->chart()->series().first())
                            ->barSets()
                            .first()
                            ->count();
            w->askPath = [&](const QString &) { return written; };
            w->Exporta->press();
            w->lusor->setCurrentIndex(0); // Hospes: no games
            points[2] = w->games().size();
            w->Exit->press();
        };
        trigger(b, QStringLiteral("Progressus"));
        QCOMPARE(shownPlayer, QStringLiteral("Iulia, \"minor\""));
        QCOMPARE(points, (std::array<qsizetype, 4>{2, 2, 0, 1}));
        QFile f(written);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[1].startsWith("\"Iulia, \"\"minor\"\"\","));
        QVERIFY(lines[1].contains(",1,1,10,2,0,"));
    }
};

QTEST_MAIN(TestPlayers)
#include "tst_players.moc"
