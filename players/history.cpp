#include "players/history.h"

#include <QDir>

namespace players {

History::History(const QString &path, QObject *parent) : QObject(parent), path_(path) {
    thread_.setObjectName(QStringLiteral("historia"));
}

History::~History() {
    if (!worker_) return;
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->close(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void History::start() {
    if (worker_) return;
    worker_ = new HistoryWorker(path_);
    worker_->moveToThread(&thread_);
    connect(worker_, &HistoryWorker::trouble, this, &History::trouble, Qt::QueuedConnection);
    thread_.start(QThread::LowPriority);
}

void History::record(const GameRecord &game) {
    start();
    QMetaObject::invokeMethod(
        worker_, [w = worker_, game] { w->record(game); }, Qt::QueuedConnection);
}

void History::mastered(const MasteredWord &word) {
    start();
    QMetaObject::invokeMethod(
        worker_, [w = worker_, word] { w->mastered(word); }, Qt::QueuedConnection);
}

void History::removePlayer(const QString &player) {
    start();
    QMetaObject::invokeMethod(
        worker_, [w = worker_, player] { w->removePlayer(player); }, Qt::QueuedConnection);
}

void History::read(const std::function<void(const HistoryStore &)> &f) {
    start();
    QMetaObject::invokeMethod(
        worker_, [&] { f(worker_->opened()); }, Qt::BlockingQueuedConnection);
}

void History::prepare() {
    start();
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->opened(); }, Qt::QueuedConnection);
}

void History::flush() {
    if (worker_)
        QMetaObject::invokeMethod(
            worker_, [] {}, Qt::BlockingQueuedConnection);
}

HistoryWorker::HistoryWorker(const QString &path) : store_(std::make_unique<HistoryStore>(path)) {}

HistoryWorker::~HistoryWorker() = default;

void HistoryWorker::close() {
    writePending();
    store_.reset();
}

const HistoryStore &HistoryWorker::opened() {
    if (store_->state() != HistoryStore::State::Open) {
        store_->open();
        report();
    }
    return *store_;
}

void HistoryWorker::record(const GameRecord &game) {
    pending_.push_back(game);
    writePending();
}

void HistoryWorker::mastered(const MasteredWord &word) {
    pendingMastered_.push_back(word);
    writePending();
}

void HistoryWorker::removePlayer(const QString &player) {
    std::erase_if(pending_, [&](GameRecord &g) {
        std::erase_if(g.sides, [&](const SideRecord &s) { return s.player == player; });
        return g.sides.empty();
    });
    std::erase_if(pendingMastered_, [&](const MasteredWord &m) { return m.player == player; });
    if (store_->state() == HistoryStore::State::Open || store_->open()) store_->removePlayer(player);
    report();
}

void HistoryWorker::writePending() {
    if (!store_) return;
    // In order, each game in its own transaction; what could not be written
    // for want of room waits for the next game.
    size_t done = 0;
    while (done < pending_.size() && store_->add(pending_[done])) {
        report();
        ++done;
    }
    report();
    const bool stuck = done < pending_.size();
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(done));
    if (stuck && !store_->full()) pending_.clear(); // a history that cannot be written keeps nothing
    done = 0;
    while (done < pendingMastered_.size() && store_->addMastered(pendingMastered_[done]))
        ++done;
    report();
    pendingMastered_.erase(pendingMastered_.begin(),
                           pendingMastered_.begin() + static_cast<std::ptrdiff_t>(done));
    if (!pendingMastered_.empty() && !store_->full()) pendingMastered_.clear();
}

void HistoryWorker::report() {
    const QString file = QDir::toNativeSeparators(store_->path());
    if (const QString a = store_->takeSetAside(); !a.isEmpty()) {
        const QString aside = QDir::toNativeSeparators(a);
        QString what;
        switch (store_->asideReason()) {
        case HistoryStore::Aside::Damaged:
            what = tr("La storia delle partite (%1) era danneggiata").arg(file);
            break;
        case HistoryStore::Aside::Foreign:
            what = tr("La storia delle partite (%1) era il file di un altro programma").arg(file);
            break;
        case HistoryStore::Aside::UnknownVersion:
            what = tr("La storia delle partite (%1) è di una versione di LessiCorsa che questo programma non "
                      "conosce")
                       .arg(file);
            break;
        }
        const bool made = store_->state() == HistoryStore::State::Open;
        emit trouble(
            made ? tr("%1: è stata messa da parte come %2 e ne è stata cominciata una nuova. Il gioco "
                      "continua; i vocaboli sbagliati non sono toccati.")
                       .arg(what, aside)
                 : tr("%1: è stata messa da parte come %2, ma non se ne può cominciare una nuova: le "
                      "partite non vengono registrate. Il gioco continua; i vocaboli sbagliati non "
                      "sono toccati.")
                       .arg(what, aside));
        toldUnusable_ = toldUnusable_ || !made;
    }
    switch (store_->state()) {
    case HistoryStore::State::Unusable:
        if (!toldUnusable_)
            emit trouble(tr("Impossibile scrivere la storia delle partite (%1): le partite non vengono "
                            "registrate. Il gioco continua.")
                             .arg(file));
        toldUnusable_ = true;
        break;
    case HistoryStore::State::Unreadable:
        if (!toldUnusable_)
            emit trouble(tr("Impossibile leggere la storia delle partite (%1): resta com'è e le partite non "
                            "vi vengono registrate. Il gioco continua.")
                             .arg(file));
        toldUnusable_ = true;
        break;
    default:
        if (store_->full() && !toldFull_) {
            emit trouble(store_->state() == HistoryStore::State::Open
                             ? tr("Il disco è pieno: la partita non è entrata nella storia (%1). Vi sarà "
                                  "scritta con la prossima, se ci sarà posto.")
                                   .arg(file)
                             : tr("Il disco è pieno: la storia delle partite (%1) non si può cominciare. Le "
                                  "partite vi saranno scritte quando ci sarà posto.")
                                   .arg(file));
            toldFull_ = true;
        }
    }
}

} // namespace players
