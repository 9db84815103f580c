#include "certamen/certamen.h"

#include "certamen/frmcertamen.h"
#include "certamen/paint.h"
#include "certamen/tabula.h"
#include "settings/roster.h"
#include "ui/convert.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "ui/wholefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <cmath>

using namespace ui;
using namespace certamen;

namespace {

const QString title = QStringLiteral("LessiCorsa! Certamen");
// The end scene of a match: the victory lines and the loser's head falling.
constexpr int endSceneMs = 5000;
// A state file is a few kilobytes; a larger one is not ours.
constexpr qint64 largestState = 1 << 20;

QString characterName(int k) {
    return QString::fromLatin1(roster::characters.at(k - 1).name);
}

} // namespace

std::function<QString(QWidget *, const QString &, const QString &, const QString &, bool)>
    Certamen::fileDialog = [](QWidget *parent, const QString &caption, const QString &suggested,
                              const QString &filter, bool save) {
        return save ? QFileDialog::getSaveFileName(parent, caption, suggested, filter)
                    : QFileDialog::getOpenFileName(parent, caption, suggested, filter);
    };

std::function<bool(QPrinter &, QWidget *)> Certamen::printDialog = [](QPrinter &printer, QWidget *parent) {
    QPrintDialog d(&printer, parent);
    d.setWindowTitle(QStringLiteral("LessiCorsa! Imprime"));
    return d.exec() == QDialog::Accepted;
};

std::function<int(QWidget *, const QString &, const QString &, const QStringList &)> Certamen::chooseDialog =
    [](QWidget *parent, const QString &caption, const QString &label, const QStringList &items) {
        bool ok = false;
        const QString chosen = QInputDialog::getItem(parent, caption, label, items, 0, false, &ok);
        return ok ? static_cast<int>(items.indexOf(chosen)) : -1;
    };

Certamen::Certamen(game::Door &door, QObject *parent) : QObject(parent), door_(door) {
    setObjectName(QStringLiteral("certamen"));
    door.addListener(this);
    QMenu *m = door.addFeatureMenu(QStringLiteral("Certamen1"), QStringLiteral("&Certamen"));
    Novum = new MenuItem(this, QStringLiteral("Novum"), QStringLiteral("&Novum certamen…"));
    Perge = new MenuItem(this, QStringLiteral("Perge"), QStringLiteral("&Perge certamen"));
    TabulaItem = new MenuItem(this, QStringLiteral("Tabula"), QStringLiteral("&Tabula"));
    Absens = new MenuItem(this, QStringLiteral("Absens"), QStringLiteral("&Absens…"));
    Iterum = new MenuItem(this, QStringLiteral("Iterum"), QStringLiteral("&Iterum…"));
    Absens->setToolTip(tr("Un alunno della prossima partita è assente: l'altro vince a tavolino"));
    Iterum->setToolTip(tr("Annulla il risultato di una partita, che si gioca di nuovo"));
    for (MenuItem *i : {Novum, Perge, TabulaItem})
        m->addAction(i);
    m->addSeparator();
    m->addAction(Absens);
    m->addAction(Iterum);
    connect(Absens, &QAction::triggered, this, &Certamen::Absens_Click);
    connect(Iterum, &QAction::triggered, this, &Certamen::Iterum_Click);
    connect(Novum, &QAction::triggered, this, &Certamen::Novum_Click);
    connect(Perge, &QAction::triggered, this, &Certamen::Perge_Click);
    connect(TabulaItem, &QAction::triggered, this, &Certamen::Tabula_Click);
    Pausa = new Timer(this, QStringLiteral("Pausa"), endSceneMs, false);
    connect(Pausa, &Timer::tick, this, [this] {
        Pausa->setEnabled(false);
        // A game started by hand meanwhile, or its settings window open, keeps the board.
        if (!door_.playing() && door_.boardWindow()->isVisible()) showTabula();
    });
    updateMenu();
    // Read once the board shows: a message about the file stands in front of it.
    QMetaObject::invokeMethod(this, &Certamen::reload, Qt::QueuedConnection);
}

Certamen::~Certamen() {
    delete tabula_.data();
}

Tabula *Certamen::tabula() const {
    return tabula_;
}

QString Certamen::statePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/certamen.txt");
}

void Certamen::reload() {
    t_.reset();
    const QString path = statePath();
    const QFileInfo info(path);
    if (!info.exists()) {
        updateMenu();
        return;
    }
    QFile f(path);
    if (info.isFile() && !f.open(QIODevice::ReadOnly)) {
        // An intact file the program may not read (its permissions) is no
        // damaged one: it stays where it is, for whoever can mend that.
        platform().messageBox(tr("Impossibile leggere il file del certamen %1 (mancano i permessi di "
                                 "lettura): resta com'è e quel certamen non si può riprendere; un nuovo "
                                 "certamen lo sostituirebbe. Si gioca come sempre.")
                                  .arg(QDir::toNativeSeparators(path)),
                              title, Icon::Exclamation, Buttons::Ok);
        updateMenu();
        return;
    }
    if (info.isFile() && info.size() <= largestState) t_ = Tournament::load(f.readAll());
    f.close();
    if (!t_) {
        // Kept for whoever wants to look at it, out of the way of the next tournament.
        const QString aside = info.dir().filePath(
            QStringLiteral("certamen-damnatum-%1.txt")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))));
        const QString shown = QDir::toNativeSeparators(path);
        const QString text = QFile::rename(path, aside)
                                 ? tr("Il file del certamen %1 è danneggiato o non è di LessiCorsa: è stato "
                                      "messo da parte come %2. "
                                      "Si gioca come sempre, ma quel certamen non si può riprendere.")
                                       .arg(shown, QDir::toNativeSeparators(aside))
                                 : tr("Il file del certamen %1 è danneggiato o non è di LessiCorsa, e non si "
                                      "è potuto metterlo da "
                                      "parte: il prossimo certamen lo sostituirà. Si gioca come sempre.")
                                       .arg(shown);
        platform().messageBox(text, title, Icon::Exclamation, Buttons::Ok);
    }
    updateMenu();
}

bool Certamen::save() {
    if (!t_) return true;
    const QString path = statePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const WriteResult written = writeWhole(path, t_->save());
    if (written) {
        warnedUnwritable_ = false;
    } else if (!warnedUnwritable_) {
        warnedUnwritable_ = true;
        platform().messageBox(
            tr("Impossibile scrivere il file del certamen %1: se il programma si chiude ora, "
               "i risultati non ancora salvati andranno persi.")
                    .arg(QDir::toNativeSeparators(path)) +
                QLatin1Char(' ') + whyAndKept(written, path),
            title, Icon::Exclamation, Buttons::Ok);
    }
    return written.ok;
}

void Certamen::updateMenu() {
    Perge->setEnabled(t_ && !t_->finished());
    TabulaItem->setEnabled(t_.has_value());
    Absens->setEnabled(t_ && !t_->finished());
    Iterum->setEnabled(t_ && !t_->replayable().isEmpty());
}

bool Certamen::inMatch() const {
    return match_ >= 0 && door_.playing();
}

void Certamen::changed() {
    save();
    updateMenu();
    // The table, shown or not, comes up with the change and the match now next.
    showTabula(true);
}

void Certamen::Absens_Click() {
    if (!t_ || inMatch()) return;
    const int m = t_->next();
    if (m < 0) return;
    const Match &match = t_->matches()[m];
    QWidget *parent = tabula_ && tabula_->isVisible() ? static_cast<QWidget *>(tabula_) : door_.boardWindow();
    const QStringList sides{t_->name(match.side[0]) + QStringLiteral(" (1)"),
                            t_->name(match.side[1]) + QStringLiteral(" (0)")};
    const int absent =
        chooseDialog(parent, QStringLiteral("LessiCorsa! Absens"), tr("Chi è assente?"), sides);
    if (absent < 0 || absent > 1) return;
    if (platform().messageBox(tr("%1 è assente: la partita va a %2 a tavolino. Confermare?")
                                  .arg(t_->name(match.side[absent]), t_->name(match.side[1 - absent])),
                              title, Icon::Exclamation, Buttons::OkCancel) != Answer::Ok)
        return;
    if (t_->walkover(m, absent)) changed();
}

void Certamen::Iterum_Click() {
    if (!t_ || inMatch()) return;
    const QList<int> ms = t_->replayable();
    if (ms.isEmpty()) return;
    QStringList items;
    for (int m : ms) {
        const Match &match = t_->matches()[m];
        items << QStringLiteral("%1: %2 – %3 (%4)")
                     .arg(roundName(*t_, match.round), t_->name(match.side[0]), t_->name(match.side[1]),
                          t_->name(match.outcome->winner));
    }
    QWidget *parent = tabula_ && tabula_->isVisible() ? static_cast<QWidget *>(tabula_) : door_.boardWindow();
    const int k = chooseDialog(parent, QStringLiteral("LessiCorsa! Iterum"),
                               tr("Quale partita si gioca di nuovo?"), items);
    if (k < 0 || k >= ms.size()) return;
    const Match &match = t_->matches()[ms.at(k)];
    if (platform().messageBox(tr("Il risultato di %1 contro %2 si annulla e la partita si gioca di nuovo. "
                                 "Confermare?")
                                  .arg(t_->name(match.side[0]), t_->name(match.side[1])),
                              title, Icon::Exclamation, Buttons::OkCancel) != Answer::Ok)
        return;
    if (t_->replay(ms.at(k))) changed();
}

bool Certamen::escapeTaken() {
    if (!inMatch()) return false;
    const Answer a =
        platform().messageBox(tr("Che cosa fare di questa partita del certamen?\n\n"
                                 "Sì: interromperla; si giocherà di nuovo dall'inizio.\n"
                                 "No: uscire dal programma; il certamen riprenderà da questa partita.\n"
                                 "Annulla: continuare a giocare."),
                              title, Icon::Exclamation, Buttons::YesNoCancel);
    if (a == Answer::No) return false;
    // The answer came while the game went on: it may be over meanwhile.
    if (a == Answer::Yes && inMatch()) {
        match_ = -1;
        if (std::exchange(namesShown_, false)) door_.setPlayerNames(QString(), QString());
        showTabula(true);
    }
    return true;
}

void Certamen::Novum_Click() {
    if (t_ && !t_->finished() &&
        platform().messageBox(
            tr("Un certamen non è ancora finito: iniziandone uno nuovo, i suoi risultati si "
               "perdono. Iniziare un nuovo certamen?"),
            title, Icon::Exclamation, Buttons::OkCancel) != Answer::Ok)
        return;
    QPointer<frmCertamen> w =
        new frmCertamen(*this, t_ ? std::optional<game::Choices>(t_->choices()) : std::nullopt);
    w->centre();
    w->showModal();
    const std::optional<Tournament> drawn = w ? w->drawn() : std::nullopt;
    delete w.data();
    if (drawn) begin(*drawn);
}

void Certamen::Perge_Click() {
    if (t_ && !t_->finished()) showTabula(true);
}

void Certamen::Tabula_Click() {
    showTabula();
}

void Certamen::begin(const Tournament &t) {
    Pausa->setEnabled(false);
    match_ = -1;
    t_ = t;
    save();
    updateMenu();
    showTabula(true);
}

int Certamen::characterOf(int entrant) const {
    return entrant < 0 ? 0 : roster::numberOf(t_->entrants().at(entrant).character);
}

void Certamen::drawCharacters() {
    const int m = t_->next();
    if (m < 0) return;
    const Match &match = t_->matches()[m];
    for (int s : {0, 1}) {
        if (characterOf(match.side[s])) continue;
        QList<int> free;
        for (int k = 1; k <= 6; ++k)
            if (k != characterOf(match.side[1 - s])) free.append(k);
        t_->setCharacter(match.side[s],
                         characterName(free.at(intScaled(platform().rnd(), int(free.size())))));
    }
}

bool Certamen::mayChangeCharacter(int side) const {
    const int m = t_ ? t_->next() : -1;
    if (m < 0) return false;
    const int e = t_->matches()[m].side[side];
    return std::none_of(t_->matches().begin(), t_->matches().end(),
                        [e](const Match &x) { return x.played() && (x.side[0] == e || x.side[1] == e); });
}

void Certamen::changeCharacter(int side) {
    if (!mayChangeCharacter(side)) return;
    const Match &match = t_->matches()[t_->next()];
    int k = characterOf(match.side[side]) % 6 + 1;
    if (k == characterOf(match.side[1 - side])) k = k % 6 + 1;
    t_->setCharacter(match.side[side], characterName(k));
    if (tabula_) tabula_->refresh();
}

void Certamen::showTabula(bool goOn) {
    if (!t_) return;
    drawCharacters();
    const Tabula::Mode mode = t_->finished()             ? Tabula::Mode::End
                              : goOn || !door_.playing() ? Tabula::Mode::Next
                                                         : Tabula::Mode::View;
    if (tabula_)
        tabula_->setMode(mode);
    else
        tabula_ = new Tabula(*this, mode);
    tabula_->present();
}

void Certamen::playNext() {
    if (!t_ || t_->next() < 0) return;
    drawCharacters();
    const int m = t_->next();
    const Match &match = t_->matches()[m];
    game::Choices c = t_->choices();
    c.playerCount = 2;
    // Two pupils who kept the same character: the left-hand one plays this
    // match as the next in the roster, so that nobody plays against himself.
    const int right = characterOf(match.side[1]);
    int left = characterOf(match.side[0]);
    if (left == right) left = right % 6 + 1;
    c.characters = {QString(), characterName(right), characterName(left)};
    // The characters drawn or chosen stay with the pupils should the match be broken off.
    save();
    if (tabula_) tabula_->hide();
    Pausa->setEnabled(false);
    door_.setPlayerNames(t_->name(match.side[1]), t_->name(match.side[0]));
    namesShown_ = true;
    match_ = m;
    wrong_ = {};
    door_.startGameWith(c, this);
}

void Certamen::poolReady(game::Pool &pool) {
    asked_ = pool.requester() == this;
}

void Certamen::gameStarting(const game::Choices &) {
    wrong_ = {};
    if (asked_) return;
    // A game started by hand breaks the match off: it is played again later.
    match_ = -1;
    Pausa->setEnabled(false);
    if (std::exchange(namesShown_, false)) door_.setPlayerNames(QString(), QString());
}

void Certamen::strikeJudged(const game::Strike &s) {
    if (match_ >= 0 && !s.right && (s.player == 1 || s.player == 2)) ++wrong_[s.player];
}

void Certamen::gameEnded(const game::Result &r) {
    const int m = std::exchange(match_, -1);
    if (m < 0 || !t_ || r.playerCount != 2) return;
    // Player 1 plays on the right (side 1), player 2 on the left (side 0).
    const Match &match = t_->matches()[m];
    Outcome o;
    o.winner = match.side[r.winner == 1 ? 1 : 0];
    o.right = {r.scores[2], r.scores[1]};
    o.errors = {wrong_[2], wrong_[1]};
    o.seconds = static_cast<int>(std::lround(r.seconds));
    if (!t_->record(m, o)) return;
    save();
    updateMenu();
    Pausa->setEnabled(true);
}
