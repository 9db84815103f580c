#include "players/history.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

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
        const bool made = store_->state() == HistoryStore::State::Open;
        emit trouble(made ? tr("La storia delle partite (%1) era danneggiata: è stata messa da parte come %2 "
                               "e ne è stata cominciata una nuova. Il gioco continua; i vocaboli sbagliati "
                               "non sono toccati.")
                                .arg(file, aside)
                          : tr("La storia delle partite (%1) era danneggiata ed è stata messa da parte come "
                               "%2, ma non se ne può cominciare una nuova: le partite non vengono "
                               "registrate. Il gioco continua; i vocaboli sbagliati non sono toccati.")
                                .arg(file, aside));
        toldUnusable_ = toldUnusable_ || !made;
    }
    switch (store_->state()) {
    case HistoryStore::State::Unusable:
        if (!toldUnusable_) {
            // The players' missed words are kept in the same folder: promise
            // them only where a file can be made there.
            const QString folder = QFileInfo(store_->path()).absolutePath();
            QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".prova-XXXXXX")));
            emit trouble(probe.open()
                             ? tr("Impossibile scrivere la storia delle partite (%1): le partite non vengono "
                                  "registrate. Il gioco continua; i vocaboli sbagliati sono salvati a parte.")
                                   .arg(file)
                             : tr("Impossibile scrivere la storia delle partite (%1): le partite non vengono "
                                  "registrate. Il gioco continua, ma nella cartella %2 non si può scrivere: "
                                  "nemmeno i vocaboli sbagliati dei giocatori vi vengono salvati.")
                                   .arg(file, QDir::toNativeSeparators(folder)));
        }
        toldUnusable_ = true;
        break;
    case HistoryStore::State::Newer:
        if (!toldNewer_)
            emit trouble(tr("La storia delle partite (%1) è stata scritta da una versione più recente di "
                            "LessiCorsa: resta com'è e le partite di oggi non vi vengono registrate.")
                             .arg(file));
        toldNewer_ = true;
        break;
    default:
        if (store_->full() && !toldFull_) {
            emit trouble(tr("Il disco è pieno: la partita non è entrata nella storia (%1). Vi sarà scritta "
                            "con la prossima, se ci sarà posto.")
                             .arg(file));
            toldFull_ = true;
        }
    }
}

} // namespace players
