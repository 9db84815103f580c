// The board's side of the game events: the pool a feature may supply, the
// read-only view of the game, and the calls to the listeners.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/namefit.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <optional>

using namespace ui;

namespace {

// The pool as the four hidden list boxes hold it, item k of each.
class BoardPool final : public game::Pool {
  public:
    BoardPool(Traduci &b, const game::Listener *requester, QList<int> &order, QString &kind,
              const QString &asked)
        : b_(b), requester_(requester), order_(order), kind_(kind), asked_(asked) {}
    bool supplied() const { return supplied_; }

    int count() const override { return b_.vocabolo->listCount(); }
    game::Word word(int k) const override { return b_.poolWord(k); }
    const game::Listener *requester() const override { return requester_; }
    void clear() override {
        supplied_ = true;
        for (ListBox *l : lists())
            l->clear();
    }
    void reserve(int n) override {
        for (ListBox *l : lists())
            l->reserve(n);
    }
    int add(const game::Word &w) override {
        supplied_ = true;
        b_.frequenza->addItem(w.frequency);
        b_.categoria->addItem(w.category);
        b_.vocabolo->addItem(w.latin);
        b_.traduzione->addItem(w.translation);
        return b_.vocabolo->listCount() - 1;
    }
    void setOrder(const QList<int> &order) override { order_ = order; }
    void setKind(const QString &kind) override { kind_ = kind; }
    QString kindAsked() const override { return asked_; }
    void row(int r) override {
        if (!building_) building_.emplace(b_);
        building_->row(r);
    }

  private:
    std::array<ListBox *, 4> lists() const {
        return {b_.frequenza, b_.categoria, b_.vocabolo, b_.traduzione};
    }
    Traduci &b_;
    const game::Listener *requester_;
    QList<int> &order_;
    QString &kind_;
    QString asked_;
    bool supplied_ = false;
    std::optional<Traduci::BuildingPool> building_;
};

} // namespace

game::Word Traduci::poolWord(int k) const {
    return {k, frequenza->list(k), categoria->list(k), vocabolo->list(k), traduzione->list(k), {}};
}

void Traduci::addListener(game::Listener *l) {
    listeners_.push_back(l);
}

game::Vocabulary Traduci::vocabulary() const {
    const TraduciState &s = state;
    return {&s.vocabularyTable, &s.vocabularyRowStarts,       s.vocabularyUtf8,
            s.loadedFile,       std::max(s.languageIndex, 0), s.lastWordIndex};
}

bool Traduci::playing() const {
    return tag() == QStringLiteral("giaimpostato") && !state.gameOver && Timer1->interval() != 1000;
}

QWidget *Traduci::boardWindow() {
    return this;
}

QMenu *Traduci::addFeatureMenu(const QString &name, const QString &caption) {
    QMenu *m = addMenu(name, caption);
    // A feature's menu stands before the help menu "?".
    if (QMenu *help = findChild<QMenu *>(QStringLiteral("Info1"))) {
        QMenuBar *bar = findChild<QMenuBar *>();
        bar->removeAction(m->menuAction());
        bar->insertAction(help->menuAction(), m->menuAction());
    }
    return m;
}

void Traduci::startGame(const game::Listener *requester) {
    requester_ = requester;
    Imposta_Click();
    requester_ = nullptr;
}

bool Traduci::offerPool(const game::Listener *requester) {
    askOrder_.clear();
    poolKind_.clear();
    BoardPool pool(*this, requester, askOrder_, poolKind_, kindAsked_);
    for (game::Listener *l : listeners_)
        l->poolReady(pool);
    if (!pool.supplied()) return false;
    poolSupplied_ = true;
    Labelsotto2->setCaption(plainForm(vocabolo->listCount()) + QStringLiteral(" vocabula"));
    return true;
}

void Traduci::setPlayerNames(const QString &right, const QString &left) {
    pupilNames_ = {QString(), right, left};
    mostranomi();
}

void Traduci::mostranomi() {
    if (!nomen.has(1)) return;
    const bool two = state.playerCount == 2;
    constexpr double designPt = 11, leastPt = 8, gap = 120; // gap: twips between the two names
    const QStringList both{pupilNames_[1], pupilNames_[2]};
    for (int k : {1, 2}) {
        Label *n = nomen(k);
        const QString &name = pupilNames_[k];
        n->setShown(!name.isEmpty() && (k == 1 || two) && tag() == QStringLiteral("giaimpostato"));
        // Each name keeps to its half of the panel (the whole of it for one
        // player): smaller, then over two lines, then shortened apart from
        // the other name.
        Image *foto = k == 1 ? foto1 : foto2;
        const float left = foto->left() - Frame1->left();
        const double half = Frame1->width_() / 2.0;
        const double room = !two     ? Frame1->width_() - left - gap
                            : k == 2 ? half - left - gap / 2
                                     : left + foto->width_() - half - gap / 2;
        QFont f = n->designFont();
        f.setPointSizeF(designPt);
        const double pxPerPt = 96.0 / 72, twips = ui::twipsPerPixel;
        const ui::FittedName fit = ui::fitName(name, both, f, designPt * pxPerPt, leastPt * pxPerPt,
                                               QSizeF(std::max(room, 0.0) / twips, 2.4 * designPt * pxPerPt));
        n->setAlignment(k == 1 && two ? Label::AlignRight : Label::AlignLeft);
        n->setFontSize(std::floor(fit.px / pxPerPt * 4) / 4);
        n->setCaption(fit.text);
        n->setLeft(k == 2 || !two ? left : left + foto->width_() - n->width_());
        n->setTop(Frame1->height_() - n->height_() - 45);
    }
}

namespace {

// Puts `c` into the settings window's controls, as game start puts the
// current game's choices (their handlers run as for the user's changes).
void putChoices(Impostazioni *w, const game::Choices &c) {
    w->Giocatori(c.playerCount == 1 ? 1 : 2)->setValue(true);
    w->musica->setValue(c.musicOn);
    w->suoni->setValue(c.soundsOn);
    w->similino->setValue(c.excludeSimilar);
    w->velox->setValue(c.speed);
    w->Lingue->setListIndex(c.languageIndex);
    w->Chfreq(0)->setValue(c.vocabularyFile == QStringLiteral("vocpers.txt"));
    // The boxes wanted are ticked before the others are cleared: a group
    // never passes through "none ticked", which the window refuses.
    for (bool tick : {true, false})
        for (auto [boxes, wanted] :
             {std::pair{&w->Chclassi, c.classes}, std::pair{&w->Chfreq, c.frequencies}})
            for (int k = 1; k <= 4; ++k)
                if ((wanted.mid(k - 1, 1) == QStringLiteral("1")) == tick) (*boxes)(k)->setValue(tick);
    w->quverbi->setTag(plainForm(c.wordsChosen));
    w->quverbi->setListIndex(static_cast<int>(c.wordsChosen / 10) - 1);
    for (int g : {1, 2})
        for (int i = 0; i < 6 && !c.characters[g].isEmpty() && w->nomefoto(g)->caption() != c.characters[g];
             ++i)
            w->Picture1_Click(g);
}

// The choices the settings window's controls hold.
game::Choices readChoices(Impostazioni *w) {
    game::Choices c;
    c.playerCount = w->Giocatori(1)->value() ? 1 : 2;
    c.speed = w->velox->value();
    c.wordsChosen = c.wordsPerGame = val(w->quverbi->text());
    c.classes = Traduci::digits(w->Chclassi);
    c.frequencies = Traduci::digits(w->Chfreq);
    c.vocabularyFile =
        w->Chfreq(0)->value() == 1 ? QStringLiteral("vocpers.txt") : QStringLiteral("vocabula.txt");
    c.language = w->Lingue->text();
    c.languageIndex = std::max(w->Lingue->listIndex(), 0);
    c.soundsOn = w->suoni->value() != 0;
    c.musicOn = w->musica->value() != 0;
    c.excludeSimilar = w->similino->value() != 0;
    c.characters = {QString(), w->nomefoto(1)->caption(), w->nomefoto(2)->caption()};
    return c;
}

} // namespace

void Traduci::startGameWith(const game::Choices &preset, const game::Listener *requester) {
    preset_ = preset;
    kindAsked_ = preset.kind;
    startGame(requester);
    preset_.reset();
    kindAsked_.clear();
}

void Traduci::showSettings() {
    Impostazioni *w = impostazioni();
    if (!preset_) {
        w->showModal();
        return;
    }
    // Once only: when the preset gives too few words, the user chooses.
    putChoices(w, *std::exchange(preset_, std::nullopt));
    w->okay(0)->press();
}

std::optional<game::Choices> Traduci::askChoices(const std::optional<game::Choices> &start) {
    // O.K. hands the characters, their lines and the game's pace to the
    // board; none of that is for a game now, so the board gets its own back.
    const int interval = Timer1->interval();
    struct Portrait {
        Image *image;
        Picture picture;
        QString tip, tag;
    };
    std::vector<Portrait> portraits;
    for (Image *i : {foto1, foto2})
        portraits.push_back({i, i->picture(), i->toolTipText(), i->tag()});
    std::vector<std::pair<Image *, QString>> lines;
    for (Image *i : {Imr(4), Imr(5), Iml(4), Iml(5)})
        lines.emplace_back(i, i->tag());

    Impostazioni *w = impostazioni();
    if (start)
        putChoices(w, *start);
    else if (tag() == QStringLiteral("giaimpostato"))
        putChoices(w, choices_);
    w->showModal();
    std::optional<game::Choices> c;
    if (w->tag() == QStringLiteral("fatto")) c = readChoices(w);
    closeImpostazioni();

    Timer1->setInterval(interval);
    for (const Portrait &p : portraits) {
        p.image->setPicture(p.picture);
        p.image->setToolTipText(p.tip);
        p.image->setTag(p.tag);
    }
    for (const auto &[image, line] : lines)
        image->setTag(line);
    showBoard();
    return c;
}

void Traduci::setWordLook(const game::WordLook *look) {
    wordLook_ = look;
}

QMenu *Traduci::viewMenu() {
    return findChild<QMenu *>(QStringLiteral("Species"));
}

QMenu *Traduci::helpMenu() {
    return findChild<QMenu *>(QStringLiteral("Info1"));
}

void Traduci::setPersonalVocabulary(const QString &path) {
    // The game's own file keeps its designed name (and so its designed
    // behaviour); any other list is known by its whole path.
    const QString own = QDir::current().absoluteFilePath(QStringLiteral("vocpers.txt"));
    personalVocabulary_ = path.isEmpty() || QFileInfo(path).absoluteFilePath() == own
                              ? QStringLiteral("vocpers.txt")
                              : QFileInfo(path).absoluteFilePath();
    if (hasImpostazioni()) impostazioni()->mostrarepertorio();
}
