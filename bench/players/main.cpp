// The players' costs, each beside its floor (the least a program must do for
// the same job on this machine):
//   - a game's record handed to the history: the time on the window's thread,
//     beside handing an empty job to a worker thread; and the worker's
//     transaction, beside a transaction of one small row in the same database;
//   - the progress window over 10,000 games of one player (30 words each, over
//     three years): created, filled and painted, for a month and for
//     everything, beside a bare window of the same size with four empty charts;
//   - a game of missed words chosen among 10,000 by the schedule, beside one
//     pass over their due days.
// Medians and the worst of several runs, in milliseconds.
//
//   lessicorsa-bench-players          (run it under a display: xvfb-run -a)

#include "bench/measure.h"
#include "players/frmprogressus.h"
#include "players/history.h"
#include "players/schedule.h"
#include "ui/application.h"

#include <QApplication>
#include <QChartView>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

using namespace bench;
using namespace players;

namespace {

QString figures(const std::vector<double> &ms) {
    return QStringLiteral("%1 (worst %2)")
        .arg(median(ms), 0, 'f', ms.empty() || median(ms) < 1 ? 3 : 1)
        .arg(*std::max_element(ms.begin(), ms.end()), 0, 'f', median(ms) < 1 ? 3 : 1);
}

void row(const QString &what, const std::vector<double> &game, const std::vector<double> &floor,
         const QString &floorIs) {
    std::printf("| %s | %s | %s | %s |\n", qPrintable(what), qPrintable(figures(game)),
                qPrintable(figures(floor)), qPrintable(floorIs));
    std::fflush(stdout);
}

// A game of 30 words, three of them missed, on `day`.
GameRecord sampleGame(const QString &player, const QDateTime &when, QRandomGenerator &r) {
    GameRecord g;
    g.started = when;
    g.seconds = 90 + r.bounded(120);
    g.vocabulary = QStringLiteral("vocabula.txt");
    g.language = QStringLiteral("Italiano");
    g.classes = g.frequencies = QStringLiteral("1111");
    g.speed = 3;
    g.wordsPerGame = 30;
    g.sides.push_back({1, player, QStringLiteral("Iulia"), 30, 3, 0});
    for (int i = 0; i < 30; ++i) {
        const int w = r.bounded(1600);
        g.words.push_back({QStringLiteral("verbum%1").arg(w), QString::number(w % 4 + 1),
                           QStringLiteral("parola%1").arg(w),
                           i < 3 ? QStringLiteral("1-1+") : QStringLiteral("1+")});
    }
    return g;
}

// Shows `w`, paints it whole and lets the events run: the time it takes.
template <typename Make> double openMs(Make make) {
    const std::int64_t t0 = nowNs();
    QWidget *w = make();
    w->show();
    w->repaint();
    QCoreApplication::processEvents();
    const double ms = static_cast<double>(nowNs() - t0) / 1e6;
    delete w;
    QCoreApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ui::setUpApplication();
    QTemporaryDir dir;
    QRandomGenerator r(7);
    std::printf("| What | LessiCorsa (ms) | Floor (ms) | The floor is |\n|---|---|---|---|\n");

    // ---- a game's record
    {
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        History history(path);
        history.flush();
        std::vector<double> hand, handFloor;
        QThread worker;
        QObject target;
        target.moveToThread(&worker);
        worker.start();
        for (int i = 0; i < 200; ++i) {
            const GameRecord g = sampleGame(QStringLiteral("a"), QDateTime::currentDateTime(), r);
            std::int64_t t0 = nowNs();
            history.record(g);
            hand.push_back(static_cast<double>(nowNs() - t0) / 1e6);
            t0 = nowNs();
            QMetaObject::invokeMethod(
                &target, [] {}, Qt::QueuedConnection);
            handFloor.push_back(static_cast<double>(nowNs() - t0) / 1e6);
            history.flush();
        }
        worker.quit();
        worker.wait();
        row(QStringLiteral("a game's record (30 words), on the window's thread"), hand, handFloor,
            QStringLiteral("an empty job handed to a worker thread"));

        HistoryStore store(dir.filePath(QStringLiteral("direct.sqlite")));
        store.open();
        std::vector<double> write, writeFloor;
        for (int i = 0; i < 200; ++i) {
            const GameRecord g = sampleGame(QStringLiteral("a"), QDateTime::currentDateTime(), r);
            write.push_back(timeRuns(1, [&] { store.add(g); }).front());
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
        db.setDatabaseName(dir.filePath(QStringLiteral("floor.sqlite")));
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        q.exec(QStringLiteral("CREATE TABLE t(x INTEGER)"));
        for (int i = 0; i < 200; ++i)
            writeFloor.push_back(timeRuns(1, [&] {
                                     db.transaction();
                                     q.exec(QStringLiteral("INSERT INTO t VALUES(1)"));
                                     db.commit();
                                 }).front());
        row(QStringLiteral("the same written in its transaction, on the worker"), write, writeFloor,
            QStringLiteral("a transaction of one small row (write-ahead log)"));
    }

    // ---- the progress window over 10,000 games
    {
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        {
            HistoryStore store(path);
            store.open();
            const QDateTime now = QDateTime::currentDateTime();
            for (int i = 0; i < 10000; ++i)
                store.add(sampleGame(QStringLiteral("a"), now.addSecs(-qint64(10000 - i) * 9461), r));
            for (int i = 0; i < 400; ++i)
                store.addMastered({QStringLiteral("a"), QStringLiteral("verbum%1").arg(i),
                                   QStringLiteral("1"), now.date().addDays(-i * 2)});
        }
        History history(path);
        history.prepare(); // as the game does a few seconds after its start
        history.flush();
        const QList<Player> players{{QStringLiteral("hospes"), QStringLiteral("Hospes")},
                                    {QStringLiteral("a"), QStringLiteral("Iulia")}};
        std::vector<double> month, all, floor;
        for (int i = 0; i < 7; ++i) {
            month.push_back(openMs([&] { return new frmProgressus(history, players, QStringLiteral("a")); }));
            all.push_back(openMs([&] {
                auto *w = new frmProgressus(history, players, QStringLiteral("a"));
                w->tempus(2)->setValue(true);
                return w;
            }));
            floor.push_back(openMs([] {
                auto *w = new QWidget;
                w->resize(469, 420);
                for (int k = 0; k < 4; ++k) {
                    auto *v = new QChartView(w);
                    v->setGeometry(8, 92, 453, 300);
                    v->setVisible(k == 0);
                }
                return w;
            }));
        }
        row(QStringLiteral("the progress window, 10,000 games kept, a month shown"), month, floor,
            QStringLiteral("a bare window of its size with four empty charts"));
        row(QStringLiteral("the same with all 10,000 games shown"), all, floor,
            QStringLiteral("a bare window of its size with four empty charts"));
    }

    // ---- the schedule's choice
    {
        QList<QDate> due;
        const QDate today = QDate::currentDate();
        for (int i = 0; i < 10000; ++i)
            due.append(today.addDays(r.bounded(-20, 17)));
        std::vector<double> choose, floor;
        volatile qint64 sink = 0;
        for (int i = 0; i < 50; ++i) {
            choose.push_back(
                timeRuns(1, [&] {
                    sink = schedule::askingOrder(due, 50, [&] { return float(r.generateDouble()); }).size();
                }).front());
            floor.push_back(timeRuns(1, [&] {
                                qint64 least = std::numeric_limits<qint64>::max();
                                for (const QDate &d : due)
                                    least = std::min(least, d.toJulianDay());
                                sink = least;
                            }).front());
        }
        row(QStringLiteral("the 50 words of a game of missed words among 10,000"), choose, floor,
            QStringLiteral("one pass over their due days"));
    }
    return 0;
}
