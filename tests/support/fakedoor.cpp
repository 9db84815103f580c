#include "support/fakedoor.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {

class FakePool final : public game::Pool {
  public:
    FakePool(std::vector<game::Word> &words, QList<int> &order, QString &kind,
             const game::Listener *requester)
        : words_(words), order_(order), kind_(kind), requester_(requester) {}
    int count() const override { return static_cast<int>(words_.size()); }
    game::Word word(int k) const override { return words_.at(k); }
    const game::Listener *requester() const override { return requester_; }
    void clear() override { words_.clear(); }
    void reserve(int n) override { words_.reserve(n); }
    int add(const game::Word &w) override {
        words_.push_back(w);
        words_.back().index = count() - 1;
        return count() - 1;
    }
    void setOrder(const QList<int> &order) override { order_ = order; }
    void setKind(const QString &kind) override { kind_ = kind; }
    QString kindAsked() const override { return {}; }
    void row(int) override {}

  private:
    std::vector<game::Word> &words_;
    QList<int> &order_;
    QString &kind_;
    const game::Listener *requester_;
};

} // namespace

FakeDoor::FakeDoor(const QString &path) : file_(path) {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) loaded_ = vocabulary::parse(f.readAll(), 0);
}

game::Vocabulary FakeDoor::vocabulary() const {
    return {
        &loaded_.rows, &loaded_.rowStarts, loaded_.utf8, file_, 0, static_cast<int>(loaded_.rows.size()) - 1};
}

QMenu *FakeDoor::addFeatureMenu(const QString &name, const QString &caption) {
    auto *bar = window.findChild<QMenuBar *>();
    if (!bar) bar = new QMenuBar(&window);
    QMenu *m = bar->addMenu(caption);
    m->setObjectName(name);
    return m;
}

std::vector<game::Word> FakeDoor::start(game::Choices choices, const game::Listener *requester) {
    pool.clear();
    order.clear();
    for (size_t r = 1; r < loaded_.rows.size(); ++r) {
        const vocabulary::Record &row = loaded_.rows[r];
        pool.push_back({static_cast<int>(pool.size()), row[0], row[1], row[2], row[3], {}});
    }
    QString kind;
    FakePool p(pool, order, kind, requester);
    for (game::Listener *l : listeners)
        l->poolReady(p);
    if (choices.wordsChosen == 0) choices.wordsChosen = choices.wordsPerGame;
    choices_ = choices;
    choices_.kind = kind;
    playing_ = true;
    for (game::Listener *l : listeners)
        l->gameStarting(choices_);
    return pool;
}

game::Word FakeDoor::ask(const QString &latin) {
    for (const game::Word &w : pool)
        if (w.latin == latin) asked_ = w;
    for (game::Listener *l : listeners)
        l->wordAsked(asked_);
    return asked_;
}

void FakeDoor::strike(int player, bool right) {
    for (game::Listener *l : listeners)
        l->strikeJudged({player, right, asked_});
}

void FakeDoor::end(const game::Result &r) {
    playing_ = false;
    for (game::Listener *l : listeners)
        l->gameEnded(r);
}
