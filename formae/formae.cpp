#include "formae/formae.h"

#include "formae/frmformae.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vox/spokenform.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <algorithm>

using namespace ui;

namespace formae {

namespace {

const QString title = QStringLiteral("LessiCorsa! Formae");
const QString quantitatesKey = QStringLiteral("Quantitates");
const QString kind = QStringLiteral("formae"); // the kind of game of forms (see game::Choices::kind)
// The most words a game asks: each of them is asked once at most.
constexpr int mostWords = 50;

class LexiconSource final : public Source {
  public:
    explicit LexiconSource(std::shared_ptr<const Lexicon> l) : lexicon_(std::move(l)) {}
    std::optional<Paradigm> paradigm(const QString &latin, const QString &category) const override {
        return lexicon_->paradigm(latin, category);
    }
    QString withLengths(const QString &latin, const QString &category) const override {
        return lexicon_->withLengths(latin, category);
    }

  private:
    std::shared_ptr<const Lexicon> lexicon_;
};

QString keyOf(const QString &latin, const QString &category) {
    return category + QChar(0x1F) + latin;
}

// The grammatical classes that have forms: nouns, adjectives and pronouns, verbs.
bool inflected(const QString &category, const Asks &asks) {
    switch (roundHalfEven(val(category))) {
    case 1:
        return asks.nouns;
    case 2:
        return asks.adjectives || asks.pronouns;
    case 3:
        return asks.wantsKind(Kind::Verb);
    default:
        return false;
    }
}

Formae::Loader &defaultLoader() {
    static Formae::Loader l;
    return l;
}

template <typename T> bool ready(const T &future) {
    return future.valid() && future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

} // namespace

Loaded loadLexicon(const QString &path) {
    Loaded l;
    if (auto lexicon = Lexicon::load(path, &l.error)) l.source = std::make_shared<LexiconSource>(lexicon);
    return l;
}

Formae::Formae(game::Door &door, QObject *parent, Loader load) : QObject(parent), door_(door) {
    setObjectName(QStringLiteral("formae"));
    door.addListener(this);
    door.setWordLook(this);
    asks_ = Asks::read(store_);
    if (!load) load = defaultLoader();
    if (!load) load = [] { return loadLexicon(Lexicon::defaultPath(QDir::currentPath())); };
    load_ = std::move(load);

    QMenu *m = door.addFeatureMenu(QStringLiteral("Formae1"), QStringLiteral("&Formae"));
    Ludus = m->addAction(QStringLiteral("&Ludus formarum…"));
    Ludus->setObjectName(QStringLiteral("LudusFormarum"));
    Optiones = m->addAction(QStringLiteral("&Optiones formarum…"));
    Optiones->setObjectName(QStringLiteral("OptionesFormarum"));
    connect(Ludus, &QAction::triggered, this, &Formae::LudusFormarum_Click);
    connect(Optiones, &QAction::triggered, this, &Formae::OptionesFormarum_Click);
    // The lexicon is read, and the forms of the list made, while the player
    // opens the menu and chooses the game's settings.
    connect(m, &QMenu::aboutToShow, this, &Formae::warm);

    QMenu *view = door.viewMenu();
    view->addSeparator();
    Quantitates = view->addAction(QStringLiteral("&Quantitates"));
    Quantitates->setObjectName(quantitatesKey);
    Quantitates->setCheckable(true);
    Quantitates->setChecked(store_.read(quantitatesKey, QStringLiteral("0")) == QStringLiteral("1"));
    // The board shows the lengths from its first game: the lexicon is read now.
    if (Quantitates->isChecked()) startLoading();
    Quantitates->setToolTip(tr("Mostra le vocali lunghe con il segno di lunghezza (amīcus)"));
    connect(Quantitates, &QAction::toggled, this, [this](bool on) {
        store_.write(quantitatesKey, on ? QStringLiteral("1") : QStringLiteral("0"));
        if (on) source(); // read now; a lexicon that cannot be read is told now
    });
}

void Formae::setDefaultLoader(Loader load) {
    defaultLoader() = std::move(load);
}

Formae::~Formae() {
    programEnding();
}

void Formae::programEnding() {
    cache_->stop = true;
    if (warming_.valid()) warming_.wait();
}

void Formae::startLoading() {
    if (!loading_.valid()) loading_ = std::async(std::launch::async, load_).share();
}

void Formae::gameStarting(const game::Choices &) {
    // Any game may use the lengths: the voice says every word with them.
    startLoading();
}

bool Formae::quantitates() const {
    return Quantitates->isChecked();
}

const Source *Formae::source() {
    if (off_) return nullptr;
    startLoading();
    const Loaded &l = loading_.get();
    if (!l.source) {
        turnOff(l.error);
        return nullptr;
    }
    return l.source.get();
}

void Formae::turnOff(const QString &error) {
    off_ = true;
    Ludus->setEnabled(false);
    Optiones->setEnabled(false);
    platform().messageBox(
        (error.isEmpty() ? tr("Impossibile leggere il lessico delle forme.") : error) +
            tr("\n\nIl gioco delle forme resta spento; il gioco dei vocaboli continua come sempre."),
        title, Icon::Exclamation, Buttons::Ok);
}

std::shared_ptr<const std::optional<Paradigm>> Formae::paradigm(const QString &latin,
                                                                const QString &category) {
    const QString key = keyOf(latin, category);
    {
        std::lock_guard lock(cache_->mutex);
        if (auto it = cache_->paradigms.constFind(key); it != cache_->paradigms.cend()) return *it;
    }
    const Source *s = source();
    auto made =
        std::make_shared<const std::optional<Paradigm>>(s ? s->paradigm(latin, category) : std::nullopt);
    std::lock_guard lock(cache_->mutex);
    cache_->paradigms.insert(key, made);
    return made;
}

void Formae::warm() {
    if (off_ || (warming_.valid() && !ready(warming_))) return;
    startLoading();
    const game::Vocabulary v = door_.vocabulary();
    if (!v.table || v.file == warmed_) return;
    warmed_ = v.file;
    QList<std::pair<QString, QString>> words;
    for (size_t r = 1; r < v.table->size(); ++r) {
        const vocabulary::Record &row = (*v.table)[r];
        if (inflected(row[1], Asks{})) words.append({row[2], row[1]});
    }
    warming_ = std::async(std::launch::async, [cache = cache_, loading = loading_, words] {
        const Loaded &l = loading.get();
        if (!l.source) return;
        for (const auto &[latin, category] : words) {
            if (cache->stop) return;
            const QString key = keyOf(latin, category);
            {
                std::lock_guard lock(cache->mutex);
                if (cache->paradigms.contains(key)) continue;
            }
            auto made = std::make_shared<const std::optional<Paradigm>>(l.source->paradigm(latin, category));
            std::lock_guard lock(cache->mutex);
            cache->paradigms.insert(key, made);
        }
    });
}

void Formae::LudusFormarum_Click() {
    if (!source()) return;
    door_.startGame(this);
}

void Formae::OptionesFormarum_Click() {
    if (!source()) return;
    QPointer<frmFormae> w = new frmFormae(asks_);
    w->centre();
    w->showModal();
    if (w && w->confirmed()) {
        asks_ = w->asks();
        asks_.write(store_);
    }
    delete w.data();
}

void Formae::poolReady(game::Pool &pool) {
    ours_ = false;
    notes_.clear();
    spoken_.clear();
    // Its own game, or one another feature (a tournament) asks to be of forms.
    if ((pool.requester() != this && pool.kindAsked() != kind) || !source()) return;
    // The worker making this list's forms is done sooner than the same work twice.
    if (warming_.valid() && warmed_ == door_.vocabulary().file) warming_.wait();

    // The list's words the lexicon knows, each once.
    struct Entry {
        game::Word word;
        std::shared_ptr<const std::optional<Paradigm>> paradigm;
        QList<Form> forms;
    };
    const bool lengths = quantitates();
    QSet<QString> seen;
    QList<Entry> known;
    int unknown = 0;
    for (int k = 0; k < pool.count(); ++k) {
        pool.row(k);
        const game::Word w = pool.word(k);
        if (!inflected(w.category, asks_) || seen.contains(w.latin)) continue;
        seen.insert(w.latin);
        auto p = paradigm(w.latin, w.category);
        if (*p)
            known.append({w, std::move(p), {}});
        else
            ++unknown;
    }

    const game::Vocabulary v = door_.vocabulary();
    if (unknown > 0 && !counted_.contains(v.file)) {
        counted_.insert(v.file);
        platform().messageBox(
            tr("%1 vocaboli dell'elenco non sono nel lessico: il gioco delle forme li lascia fuori.")
                .arg(unknown),
            title, Icon::None, Buttons::Ok);
    }

    // The words of this game, in a random order, each with the forms to ask
    // (only those of the words taken: a verb has a hundred and more).
    for (qsizetype i = known.size() - 1; i > 0; --i)
        std::swap(known[i], known[intScaled(platform().rnd(), static_cast<int>(i + 1))]);
    QList<Entry> entries;
    for (Entry &e : known) {
        if (entries.size() == mostWords) break;
        e.forms = roundForms(**e.paradigm, lengths, asks_);
        // A word needs a second form for a wrong box.
        if (e.forms.size() >= 2) entries.append(std::move(e));
    }

    const Language language =
        static_cast<Language>(std::clamp(v.languageIndex, 0, static_cast<int>(Language::Spanish)));
    pool.clear();
    QList<int> order;
    for (const Entry &e : entries) {
        // The headword names the word: the wrong boxes come from the same word.
        const Paradigm &p = **e.paradigm;
        const QString note = lengths ? p.headwordWithLengths : p.headword;
        const int first = pool.count();
        for (const Form &f : e.forms) {
            pool.add({-1, e.word.frequency, p.headword, f.text, describe(f.readings, language), {}});
            notes_.append(note);
            spoken_.append(f.spoken);
        }
        order.append(first + intScaled(platform().rnd(), static_cast<int>(e.forms.size())));
    }
    if (entries.isEmpty())
        platform().messageBox(
            tr("Nessun vocabolo scelto ha forme da chiedere: cambia le scelte delle classi o "
               "delle forme."),
            title, Icon::Exclamation, Buttons::Ok);
    pool.setOrder(order);
    pool.setKind(kind);
    ours_ = true;
}

game::Shown Formae::look(const game::Word &w) const {
    if (ours_ && w.index >= 0 && w.index < notes_.size()) return {w.latin, notes_[w.index], spoken_[w.index]};
    // A word of the game of words: its lengths from the lexicon, which the
    // game's start began to read (the first word waits for it, once).
    if (off_ || !loading_.valid() || !loading_.get().source) return {w.latin, {}, {}};
    const QString longer = loading_.get().source->withLengths(w.latin, w.category);
    return {quantitates() ? longer : w.latin, {}, longer == w.latin ? QString() : vox::spokenForm(longer)};
}

} // namespace formae
