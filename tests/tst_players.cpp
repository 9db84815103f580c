// The players in play: the menu "Lusores" (new, refused, renamed, removed
// players, the sides), a damaged roster, each game kept with the names on the
// board and each player's own missed words, a damaged history, and the
// progress window.

#include "board/traduci.h"
#include "errata/missedlist.h"
#include "players/frmnomen.h"
#include "players/frmprogressus.h"
#include "players/lusores.h"
#include "support/datarow.h"
#include "support/gamedriver.h"
#include "support/layout.h"
#include "ui/wholefile.h"
#include "ui/zoom.h"

#include <QAbstractBarSeries>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QSettings>
#include <QValueAxis>
#include <QXYSeries>
#include <QtTest>

using namespace players;

namespace {

Lusores &lusores(Traduci &b) {
    return *b.findChild<Lusores *>("lusores");
}

// A chart as drawn, its times left out (they follow the clock): its title and look, each axis
// (its kind, range where it is not time, format and look), each series (its look and values;
// an area's outline with its times from its first point, in hours).
QString chartOf(const QChart &c) {
    QString out;
    QTextStream s(&out);
    const auto pen = [](const QPen &p) { return p.color().name() + '/' + QString::number(p.widthF()); };
    s << c.title() << ' ' << c.titleBrush().color().name() << ' ' << c.titleFont().toString() << ' '
      << c.margins().top() << ' ' << c.legend()->isVisible() << ' '
      << c.plotAreaBackgroundBrush().color().name();
    for (QAbstractAxis *a : c.axes()) {
        s << "\naxis " << a->alignment() << ' ' << a->isVisible() << ' ' << a->labelsFont().toString() << ' '
          << a->truncateLabels() << ' ' << pen(a->linePen()) << ' ' << pen(a->gridLinePen());
        if (auto *v = qobject_cast<QValueAxis *>(a))
            s << ' ' << v->min() << ' ' << v->max() << ' ' << v->tickInterval() << ' ' << v->labelFormat();
        if (auto *d = qobject_cast<QDateTimeAxis *>(a)) s << ' ' << d->format() << ' ' << d->tickCount();
        if (auto *b = qobject_cast<QBarCategoryAxis *>(a)) s << ' ' << b->categories().join('|');
    }
    for (QAbstractSeries *x : c.series()) {
        s << "\nseries";
        if (auto *xy = qobject_cast<QXYSeries *>(x)) {
            s << ' ' << pen(xy->pen()) << ' ' << xy->markerSize() << ' ' << xy->pointsVisible();
            for (const QPointF &p : xy->points())
                s << ' ' << p.y();
        } else if (auto *area = qobject_cast<QAreaSeries *>(x)) {
            s << ' ' << pen(area->pen()) << ' ' << area->color().name();
            for (const QPointF &p : area->upperSeries()->points())
                s << ' ' << (p.x() - area->upperSeries()->at(0).x()) / 3.6e6 << ':' << p.y();
        } else if (auto *bars = qobject_cast<QAbstractBarSeries *>(x)) {
            s << ' ' << bars->barWidth() << ' ' << bars->isLabelsVisible() << ' ' << bars->labelsPosition()
              << ' ' << bars->labelsFormat();
            for (QBarSet *set : bars->barSets()) {
                s << ' ' << set->color().name() << ' ' << set->labelColor().name() << ' ' << pen(set->pen())
                  << ' ' << set->labelFont().toString();
                for (int i = 0; i < set->count(); ++i)
                    s << ' ' << set->at(i);
            }
        }
    }
    return out + '\n';
}

// Opens the menu "Lusores" and chooses an item.
void trigger(Traduci &b, const QString &action) {
    emit b.findChild<QMenu *>("Lusores1")->aboutToShow();
    b.findChild<QAction *>(action)->trigger();
}

// Chooses `action` (a new player, or renaming one), typing `names` into
// frmNomen in turn until one is taken.
void typeNames(BoardFixture &fx, const QStringList &names, const QString &action = "NovusLusor") {
    qsizetype next = 0;
    fx.platform.onModal = [&](ui::Form *f) {
        auto *w = qobject_cast<frmNomen *>(f);
        while (w && w->isVisible() && next < names.size()) {
            w->nomen->setText(names[next++]);
            w->okay->press();
        }
        f->hide();
    };
    trigger(fx.board(), action);
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

int lusoresMessages(const FakePlatform &p) {
    return static_cast<int>(
        std::ranges::count_if(p.messages, [](auto &m) { return m.title == "LessiCorsa! Lusores"; }));
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
        row("thirty letters with an accent", QStringList{QString(29, QLatin1Char('a')) + QStringLiteral("é")},
            QString(29, QLatin1Char('a')) + "é", 0);
        row("blank, then the guest's name, then a name",
            QStringList{QStringLiteral("   "), QStringLiteral("hospes"), "Marcus"}, "Marcus", 2);
        // The field and the check count characters alike: one beyond the
        // Basic Multilingual Plane is one, and a name too long is explained.
        const QString script = QString::fromUcs4(U"\U0001D49C");
        row("sixteen letters beyond the BMP", QStringList{script.repeated(16)}, script.repeated(16), 0);
        row("a name that ends as a section's heading", QStringList{"Gaius [II]"}, QString("Gaius [II]"), 0);
        row("thirty-one letters, then thirty",
            QStringList{QString(31, QLatin1Char('m')), QString(30, QLatin1Char('m'))},
            QString(30, QLatin1Char('m')), 1);
    }
    void newPlayerNames() {
        QFETCH(QStringList, typed);
        QFETCH(QString, made);
        QFETCH(int, refusals);
        BoardFixture fx;
        Traduci &b = fx.board();
        typeNames(fx, typed);
        QCOMPARE(lusoresMessages(fx.platform), refusals);
        QCOMPARE(lusores(b).player(1).name, made);
        QCOMPARE(lusores(b).player(2).name, Roster::guestName);
        // Written plainly, read back as the next run reads it.
        QVERIFY(
            readAll(QDir(dataFolder()).filePath("lusores.ini")).contains("\\nomen=" + made.toUtf8() + '\n'));
        Roster r;
        r.load();
        QCOMPARE(r.side(1).name, made);
    }

    // A player chosen for a side leaves the other side alone unless she held it (the two change
    // places); a player removed leaves her side to Hospes. "1a": A chosen for side 1.
    void sidesChosenAndRemoved() {
        for (const auto &[steps, removed, sides] :
             {std::tuple{"1a 2b 1c", "", "C B"}, {"1a 2b 1b", "", "B A"}, {"1a 2b", "b", "A Hospes"}}) {
            BoardFixture fx;
            Roster r;
            const QHash<QChar, QString> id{{'a', r.add("A")}, {'b', r.add("B")}, {'c', r.add("C")}};
            for (const QString &s : QString(steps).split(' '))
                r.choose(s[0].digitValue(), id[s[1]]);
            if (*removed) r.remove(id[QChar(*removed)]);
            QCOMPARE(r.side(1).name + ' ' + r.side(2).name, QString(sides));
        }
    }

    // A roster that cannot be saved is told once, until a save succeeds; the
    // next failure is told again.
    void rosterNotSaved() {
        BoardFixture fx;
        int n = 0;
        for (const bool fails : {true, true, false, true}) {
            ui::setWriteFailureForTest([fails](qint64, qint64) { return !fails; });
            typeNames(fx, {"Nomen" + QString::number(++n)});
        }
        ui::setWriteFailureForTest(nullptr);
        QCOMPARE(lusoresMessages(fx.platform), 2);
        QVERIFY(
            fx.platform.messages.last().text.startsWith("Impossibile salvare l'elenco dei giocatori in "));
    }

    // A player takes a new name as a new player could, her own name in other
    // letters among them; the guest keeps his.
    void renaming_data() {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("named"); // her name afterwards
        row("a new name", "Iulia", " Iulia Minor ", "Iulia Minor");
        row("her own in capitals", "Iulia", "IULIA", "IULIA");
        row("blank", "Iulia", "   ", "Iulia");
        row("another's", "Iulia", "marcus", "Iulia");
        row("the guest's", "Iulia", "Hospes", "Iulia");
        QTest::newRow("thirty-one letters") << "Iulia" << QString(31, QLatin1Char('m')) << "Iulia";
        row("the guest", "Hospes", "Gaius", Roster::guestName);
    }
    void renaming() {
        QFETCH(QString, who);
        QFETCH(QString, name);
        QFETCH(QString, named);
        BoardFixture fx;
        Roster r;
        r.load();
        const QString iulia = r.add("Iulia");
        QVERIFY(!r.add("Marcus").isEmpty());
        const QString id = who == "Iulia" ? iulia : Roster::guestId;
        QCOMPARE(r.rename(id, name), named != who);
        QCOMPARE(r.find(id)->name, named);
    }

    // A roster whose count of players is missing, wrong or absurd, or that
    // holds an id this program did not make (a file name is built from it),
    // an id twice or a player without a name, is set aside whole with one message, its sound players kept; a
    // roster saved as UTF-16 reads as such; a named player is never on both sides. The next change writes the
    // roster anew, and QSettings reads it as it read the old one.
    void damagedRoster_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("setAside");
        QTest::addColumn<QString>("sides"); // the right-hand player, the left-hand one
        // As QSettings writes it: quotes, escapes, a leading @, UTF-8.
        const QByteArray whole = "[General]\ndexter=ab1\nsinister=hospes\n\n[lusores]\n"
                                 "1\\id=ab0\n1\\nomen=\"Iulia, \\\"minor\\\"\"\n"
                                 "2\\id=ab1\n2\\nomen=@@home\n3\\id=ab2\n3\\nomen=\"a;b=c\\\\d\"\n"
                                 "4\\id=ab3\n4\\nomen=\xce\x96\xcf\x89\xce\xae \xf0\x9f\x98\x80x\nsize=4\n";
        const QStringList all{"Iulia, \"minor\"", "@home", "a;b=c\\d", QString::fromUtf8("Ζωή 😀x")};
        auto changed = [&](const QByteArray &from, const QByteArray &to) {
            return QByteArray(whole).replace(from, to);
        };
        const QString sides = "@home|Hospes";
        QTest::newRow("whole") << whole << all << false << sides;
        row("one player on both sides", changed("sinister=hospes", "sinister=ab1"), all, false, sides);
        row("saved as UTF-16",
            QByteArray("\xff\xfe") +
                QByteArray(reinterpret_cast<const char *>(QString::fromUtf8(whole).utf16()),
                           QString::fromUtf8(whole).size() * 2),
            all, false, sides);
        row("escapes as QSettings reads them",
            changed("4\\nomen=\xce\x96\xcf\x89\xce\xae \xf0\x9f\x98\x80x",
                    "4\\nomen=\\x396\\x3c9\\x3ae \\xd83d\\xde00x\\a\\b\\f\\n\\r\\t\\v ; a note"),
            all, false, sides);
        row("a backslash last, kept", changed("\x80x\n", "\x80x\\\n"),
            QStringList{all[0], all[1], all[2], all[3] + '\\'}, false, sides);
        row("not UTF-8", changed("@@home", "@@ho\xffme"), QStringList(), true, "Hospes|Hospes");
        row("a zero in it", changed("@@home", QByteArray("@@ho\0me", 7)), QStringList(), true,
            "Hospes|Hospes");
        QTest::newRow("a field of no player's")
            << changed("size=4", "2\\nota=x\nsize=4") << all << true << sides;
        QTest::newRow("no players") << QByteArray("[lusores]\nsize=0\n") << QStringList() << false
                                    << "Hospes|Hospes";
        QTest::newRow("size missing") << changed("size=4\n", "") << all << true << sides;
        QTest::newRow("size negative") << changed("size=4", "size=-1") << all << true << sides;
        QTest::newRow("size not a number") << changed("size=4", "size=quattuor") << all << true << sides;
        QTest::newRow("size huge") << changed("size=4", "size=2147483647") << all << true << sides;
        for (const auto &[what, from, to] : {std::tuple{"an id not of ours", "2\\id=ab1", "2\\id=../../x"},
                                             {"an id too long", "2\\id=ab1", "2\\id=abcdefghijk"},
                                             {"a player without a name", "2\\nomen=@@home", "2\\nomen="}})
            row(what, changed(from, to), QStringList{all[0], all[2], all[3]}, true, "Hospes|Hospes");
        row("an id given twice", changed("3\\id=ab2", "3\\id=ab1"), QStringList{all[0], all[1], all[3]}, true,
            sides);
    }
    void damagedRoster() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, names);
        QFETCH(bool, setAside);
        QFETCH(QString, sides);
        BoardFixture fx;
        QDir().mkpath(dataFolder());
        const QString path = QDir(dataFolder()).filePath("lusores.ini");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        f.close();
        // Rosters set aside earlier, in this second and the next: kept beside the new one.
        QStringList earlier;
        for (int later : {0, 1})
            if (setAside) {
                earlier << QDir(dataFolder())
                               .filePath(
                                   "lusores-damnati-" +
                                   QDateTime::currentDateTime().addSecs(later).toString("yyyyMMdd-hhmmss") +
                                   ".ini");
                QFile e(earlier.last());
                QVERIFY(e.open(QIODevice::WriteOnly) && e.write("prior") == 5);
            }
        Traduci &b = fx.board();
        QCoreApplication::processEvents();
        QCOMPARE(lusoresMessages(fx.platform), setAside ? 1 : 0);
        QStringList read;
        for (const Player &p : lusores(b).roster().players().mid(1))
            read << p.name;
        QCOMPARE(read, names);
        QCOMPARE(lusores(b).player(1).name + '|' + lusores(b).player(2).name, sides);
        QStringList aside = QDir(dataFolder()).entryList({"lusores-*.ini"});
        QCOMPARE(aside.size(), setAside ? 3 : 0);
        for (const QString &e : earlier) {
            QFile prior(e);
            QVERIFY(prior.open(QIODevice::ReadOnly) && prior.readAll() == "prior");
            aside.removeOne(QFileInfo(e).fileName());
        }
        if (setAside) QCOMPARE(QFile(QDir(dataFolder()).filePath(aside[0])).size(), file.size());
        typeNames(fx, {"Nova"});
        QSettings s(path, QSettings::IniFormat);
        QStringList written;
        const int n = s.beginReadArray("lusores");
        for (int i = 0; i < n; ++i) {
            s.setArrayIndex(i);
            written << s.value("nomen").toString();
        }
        s.endArray();
        QCOMPARE(written, names + QStringList{"Nova"});
        QCOMPARE(lusoresMessages(fx.platform), setAside ? 1 : 0);
    }

    // In a game of two named players, each one's errors go to her own file alone.
    void missedWordsApart() {
        BoardFixture fx;
        Traduci &b = fx.board();
        typeNames(fx, {"Iulia"});
        typeNames(fx, {"Marcus"});
        const QList<Player> named = lusores(b).roster().players();
        trigger(b, "sinister:" + named[1].id); // Iulia on the left, key 1
        startGame(fx, GameChoice{.players = 2});
        std::array<QMap<QString, int>, 3> missed;
        for (const auto &[player, right] : {std::pair{2, false}, {1, true}}) {
            if (!right) ++missed[player][b.Parola->caption()];
            answer(b, right, player);
        }
        for (int side : {1, 2}) {
            MissedList l;
            l.load(Roster::missedFile(named[3 - side].id));
            QMap<QString, int> read;
            for (const MissedWord &w : l.words())
                read[w.latin] = w.errors;
            QCOMPARE(read, missed[side]);
        }
        // The menu of missed words is the right-hand player's: none.
        emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
        QVERIFY(!b.findChild<QAction *>(QStringLiteral("Recense"))->isEnabled());
    }

    // Two named players play a two-player game and one each alone; renaming
    // keeps a player's games, removing takes them away. Each game is kept
    // with its figures, the names stand over the portraits, and a game broken
    // off is not kept.
    void gamesKept() {
        BoardFixture fx;
        Traduci &b = fx.board();
        Lusores &l = lusores(b);
        typeNames(fx, {"Iulia"});
        typeNames(fx, {"Marcus"});
        const QString iulia = l.roster().players().at(1).id, marcus = l.roster().players().at(2).id;
        trigger(b, "sinister:" + iulia); // Marcus on the right, Iulia on the left
        playGame(fx, 2, 1);
        QCOMPARE(b.nomen(1)->caption() + b.nomen(2)->caption(), QStringLiteral("MarcusIulia"));
        QVERIFY(b.nomen(1)->shown() && b.nomen(2)->shown());
        trigger(b, "dexter:" + iulia); // the sides change places
        playGame(fx, 1, 3);
        startGame(fx, GameChoice{}); // broken off by the next
        answer(b, false);
        trigger(b, "dexter:" + marcus);
        playGame(fx, 1, 0);
        QVERIFY(!b.nomen(2)->shown());
        // Each one's missed words are her own; the guest's list is untouched.
        MissedList mine;
        QCOMPARE(mine.load(Roster::missedFile(iulia)), MissedList::Status::Read);
        QVERIFY(!mine.empty());
        QVERIFY(!QFileInfo::exists(Roster::missedFile(marcus)));
        QVERIFY(!QFileInfo::exists(MissedList::defaultFile));

        const QList<PlayedGame> m = gamesOf(l, marcus), i = gamesOf(l, iulia);
        QVERIFY(m.size() == 2 && i.size() == 2);
        QCOMPARE((std::array{m[0].side, m[0].right, m[0].errors, m[0].lockouts, m[0].winner}),
                 (std::array{1, 6, 0, 0, 1}));
        QCOMPARE((std::array{i[0].side, i[0].right, i[0].errors, i[0].lockouts}), (std::array{2, 0, 1, 1}));
        QCOMPARE((std::array{i[1].side, i[1].right, i[1].errors, i[1].asked, i[1].playerCount}),
                 (std::array{1, 10, 3, 10, 1}));
        QCOMPARE(m[1].vocabulary + m[1].classes, QStringLiteral("vocabula.txt1111"));

        typeNames(fx, {"Marcus Tullius"}, "Renomina:" + marcus);
        QCOMPARE(l.player(1).name, QStringLiteral("Marcus Tullius"));
        QCOMPARE(gamesOf(l, marcus).size(), 2);
        fx.platform.answers.enqueue(ui::Answer::Cancel);
        trigger(b, "Tolle:" + marcus);
        QCOMPARE(l.roster().players().size(), 3);
        fx.platform.answers.enqueue(ui::Answer::Ok);
        trigger(b, "Tolle:" + marcus);
        QCOMPARE(l.roster().players().size(), 2);
        QCOMPARE(l.roster().players().at(1).id, iulia); // the others stay
        QVERIFY(gamesOf(l, marcus).isEmpty());
        QCOMPARE(gamesOf(l, iulia).size(), 2);
    }

    // A history that cannot be used (the store's own test tries each kind of
    // damage) is set aside with one message; the game goes on, its missed
    // words are kept, and the next game is recorded. A game another feature
    // starts for pupils of its own (a tournament's match) is not the sides'
    // players': not kept, its names left standing.
    void damagedHistoryAndOthersGames() {
        BoardFixture fx;
        Traduci &b = fx.board();
        QFile garbage(Lusores::historyFile());
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(5000, 'x')) == 5000);
        garbage.close();
        game::Listener tournament;
        b.setPlayerNames("Aulus", "Gaia");
        answerSettings(fx.platform, GameChoice{.players = 2});
        b.startGame(&tournament);
        answer(b, false, 2);
        while (!b.state.gameOver)
            answer(b, true, 1);
        QCOMPARE(b.nomen(1)->caption() + b.nomen(2)->caption(), QStringLiteral("AulusGaia"));
        playGame(fx, 1, 2);
        QCOMPARE(b.nomen(1)->caption(), QString());
        lusores(b).history().flush();
        QCoreApplication::processEvents();
        QCOMPARE(lusoresMessages(fx.platform), 1);
        QVERIFY(QFileInfo::exists(HistoryStore::asideName(Lusores::historyFile(), QDate::currentDate())));
        QVERIFY(QFileInfo(QStringLiteral("errata.txt")).size() > 0);
        playGame(fx, 1, 0);
        const QList<PlayedGame> kept = gamesOf(lusores(b), Roster::guestId);
        QVERIFY(kept.size() == 2 && kept[0].playerCount == 1);
        QCoreApplication::processEvents();
        QCOMPARE(lusoresMessages(fx.platform), 1);
    }

    // The progress window over a player's games (its controls as stored, the
    // words right per minute shown first): each chart as stored over a week
    // and over all her games, none for Hospes, and the CSV written by "Exporta".
    void progressWindow() {
        BoardFixture fx;
        Traduci &b = fx.board();
        typeNames(fx, {QStringLiteral("Iulia, \"minor\"")});
        playGame(fx, 1, 2);
        playGame(fx, 1, 0);
        qsizetype hospesGames = -1;
        QString shownPlayer, written = QDir(fx.path()).filePath(QStringLiteral("h.csv"));
        fx.platform.onModal = [&](ui::Form *f) {
            auto *w = qobject_cast<frmProgressus *>(f);
            compareLayout(layoutOf(*w), QStringLiteral("progressus"));
            shownPlayer = w->lusor->currentText();
            QString charts; // over a week and over all the games
            for (int range : {0, 2}) {
                w->tempus(range)->setValue(true);
                for (int k = 0; k < 4; ++k)
                    charts += chartOf(*w->tabula(k)->chart());
            }
            compareLayout(charts, QStringLiteral("progressus-charts"));
            w->askPath = [&](const QString &) { return written; };
            w->Exporta->press();
            w->lusor->setCurrentIndex(0); // Hospes: no games
            hospesGames = w->games().size();
            w->Exit->press();
        };
        trigger(b, "Progressus");
        QCOMPARE(shownPlayer, QStringLiteral("Iulia, \"minor\""));
        QCOMPARE(hospesGames, 0);
        QFile f(written);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[1].startsWith("\"Iulia, \"\"minor\"\"\","));
        QVERIFY(lines[1].contains(",1,1,10,2,0,"));
    }

    // At the scale the board fills a 1920 x 1080 screen with, the progress
    // window stands whole on the screen; the weeks' chart runs past the
    // current week's bar and counts in whole numbers (0 and 1 with nothing
    // mastered).
    void progressAtFullScreen() {
        BoardFixture fx;
        Traduci &b = fx.board();
        fx.platform.screen = QSizeF(1920 * 15.0, 1080 * 15.0);
        fx.platform.area = QRect(0, 0, 1920, 1080);
        ui::setViewScale(ui::fullAreaScale(b.designPixels(), QSizeF(1920, 1080)));
        const auto restore = qScopeGuard([] { ui::setViewScale(1); });
        float top = -1, bottom = 0;
        double axisEnd = 0, barEnd = 0, countTop = 0, tick = 0;
        fx.platform.onModal = [&](ui::Form *f) {
            auto *w = qobject_cast<frmProgressus *>(f);
            top = w->top(), bottom = w->top() + w->outerHeight() - ui::Form::captionTwips;
            QChart *c = w->tabula(2)->chart();
            barEnd = qobject_cast<QAreaSeries *>(c->series().first())->upperSeries()->points().last().x();
            axisEnd = double(
                qobject_cast<QDateTimeAxis *>(c->axes(Qt::Horizontal).first())->max().toMSecsSinceEpoch());
            auto *y = qobject_cast<QValueAxis *>(c->axes(Qt::Vertical).first());
            countTop = y->max(), tick = y->tickInterval();
            w->Exit->press();
        };
        trigger(b, "Progressus");
        QVERIFY2(top >= 0, qPrintable(QString::number(top)));
        QVERIFY2(bottom <= 1080 * 15.0 / ui::viewScale(), qPrintable(QString::number(bottom)));
        QVERIFY(axisEnd > barEnd);
        QCOMPARE((std::array{countTop, tick}), (std::array{1.0, 1.0}));
    }
};

QTEST_MAIN(TestPlayers)
#include "tst_players.moc"
