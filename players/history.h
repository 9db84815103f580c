#pragma once
// The history as the window's thread uses it: the database is opened,
// checked, written and read on a worker thread of its own, so that a game's
// record never holds the window still (handing it over costs the window's
// thread a copy).
//
// Games the database could not take for want of room are kept and written
// with the next ones. Each kind of trouble is told once a run, through
// trouble(), in Italian.

#include "players/historystore.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

namespace players {

class HistoryWorker;

class History : public QObject {
    Q_OBJECT
  public:
    // The database at `path`; nothing is opened until it is first needed.
    explicit History(const QString &path, QObject *parent = nullptr);
    // Writes what is pending, then closes the database.
    ~History() override;

    QString path() const { return path_; }

    // These return at once; the work is done in order on the worker.
    void record(const GameRecord &game);
    void mastered(const MasteredWord &word);
    void removePlayer(const QString &player);

    // Opens (and checks) the database on the worker, so that the first read
    // finds it ready; returns at once.
    void prepare();
    // Runs `f` with the opened store on the worker and waits for it.
    void read(const std::function<void(const HistoryStore &)> &f);
    // Waits until everything handed over has been done.
    void flush();

  signals:
    void trouble(const QString &text);

  private:
    void start();
    QString path_;
    QThread thread_;
    HistoryWorker *worker_ = nullptr;
};

// The worker's side (used only through History).
class HistoryWorker : public QObject {
    Q_OBJECT
  public:
    explicit HistoryWorker(const QString &path);
    ~HistoryWorker() override;
    void record(const GameRecord &game);
    void mastered(const MasteredWord &word);
    void removePlayer(const QString &player);
    const HistoryStore &opened();
    void close();

  signals:
    void trouble(const QString &text);

  private:
    void writePending();
    void report();
    std::unique_ptr<HistoryStore> store_;
    std::vector<GameRecord> pending_;
    std::vector<MasteredWord> pendingMastered_;
    bool toldUnusable_ = false, toldFull_ = false;
};

} // namespace players
