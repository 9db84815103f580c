#include "players/lusores.h"

#include "players/frmnomen.h"
#include "players/frmprogressus.h"
#include "ui/platform.h"
#include "ui/wholefile.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <algorithm>

using namespace ui;
using namespace players;

namespace {
const QString title = QStringLiteral("LessiCorsa! Lusores");
}

Lusores::Lusores(game::Door &door, QObject *parent) : QObject(parent), door_(door) {
    setObjectName(QStringLiteral("lusores"));
    door.addListener(this);
    const Roster::Loaded loaded = roster_.load();
    menu_ = door.addFeatureMenu(QStringLiteral("Lusores1"), QStringLiteral("&Lusores"));
    // The lists of players are made afresh each time the menu opens (never
    // while one of its items is being handled), in the view's current scale.
    connect(menu_, &QMenu::aboutToShow, this, &Lusores::fillMenu);
    fillMenu();
    showNames();
    // The history is opened and checked on its own thread when it is first
    // wanted (a game starts, the menu opens), not at the start: the database
    // and its driver are not loaded before then, and neither the game nor the
    // first progress window waits for them.
    connect(menu_, &QMenu::aboutToShow, this, [this] { history().prepare(); });
    // Told once the board shows, so that the message stands in front of it.
    if (loaded != Roster::Loaded::Read) {
        warnedRoster_ = loaded != Roster::Loaded::SetAside; // it is not written: this says so
        QMetaObject::invokeMethod(
            this, [this, loaded] { tellRoster(loaded); }, Qt::QueuedConnection);
    }
}

void Lusores::tellRoster(Roster::Loaded loaded) {
    const QString file = QDir::toNativeSeparators(QDir(dataFolder()).filePath(QStringLiteral("lusores.ini")));
    switch (loaded) {
    case Roster::Loaded::SetAside:
        tell(tr("L'elenco dei giocatori %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come "
                "%2. I giocatori che si sono potuti leggere restano; gli altri sono nel file messo da parte.")
                 .arg(file, QDir::toNativeSeparators(roster_.setAsideAs())));
        break;
    case Roster::Loaded::Damaged:
        tell(tr("L'elenco dei giocatori %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo "
                "da parte: resta com'è, e le modifiche ai giocatori valgono solo fino alla chiusura del "
                "gioco.")
                 .arg(file));
        break;
    case Roster::Loaded::Unreadable:
        tell(tr("Impossibile leggere l'elenco dei giocatori %1: resta com'è, e le modifiche ai giocatori "
                "valgono solo fino alla chiusura del gioco.")
                 .arg(file));
        break;
    case Roster::Loaded::Read:
        break;
    }
}

Lusores::~Lusores() = default;

QString Lusores::historyFile() {
    return QDir(dataFolder()).filePath(QStringLiteral("historia.sqlite"));
}

History &Lusores::history() {
    if (!history_) {
        history_ = std::make_unique<History>(historyFile());
        connect(history_.get(), &History::trouble, this, &Lusores::tell);
    }
    return *history_;
}

void Lusores::tell(const QString &text) {
    platform().messageBox(text, title, Icon::Exclamation, Buttons::Ok);
}

void Lusores::save() {
    if (roster_.save()) {
        warnedRoster_ = false;
    } else if (!warnedRoster_) {
        warnedRoster_ = true;
        tell(tr("Impossibile salvare l'elenco dei giocatori in %1: le modifiche valgono solo fino alla "
                "chiusura del gioco.")
                 .arg(QDir::toNativeSeparators(dataFolder())) +
             QLatin1Char(' ') + ui::keptAsItWas(QDir(dataFolder()).filePath(QStringLiteral("lusores.ini"))));
    }
    showNames();
    emit playersChanged();
}

void Lusores::showNames() {
    // Hospes plays unnamed: only a pupil's name stands on the board.
    auto shown = [&](int side) { return player(side).guest() ? QString() : player(side).name; };
    door_.setPlayerNames(shown(1), shown(2));
}

void Lusores::fillMenu() {
    for (QMenu *m : menu_->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly))
        delete m;
    menu_->clear();
    const QList<Player> all = roster_.players();
    // One exclusive list of the players for each side.
    for (int side : {1, 2}) {
        const QString caption = side == 1 ? QStringLiteral("Lusor &dexter (clavis 0, vel solus): %1")
                                          : QStringLiteral("Lusor &sinister (clavis 1): %1");
        QMenu *m = menu_->addMenu(caption.arg(player(side).name));
        m->setFont(menu_->font()); // the view's scale, as the menu's own
        m->setObjectName(side == 1 ? QStringLiteral("dexter") : QStringLiteral("sinister"));
        auto *group = new QActionGroup(m);
        for (const Player &p : all) {
            QAction *a = m->addAction(p.name);
            a->setObjectName(m->objectName() + QLatin1Char(':') + p.id);
            a->setCheckable(true);
            a->setChecked(p.id == player(side).id);
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, side, id = p.id] { choose(side, id); });
        }
    }
    menu_->addSeparator();
    QAction *novus = menu_->addAction(QStringLiteral("&Novus lusor..."));
    novus->setObjectName(QStringLiteral("NovusLusor"));
    connect(novus, &QAction::triggered, this, &Lusores::NovusLusor_Click);
    // Renaming and removing: the named players only.
    for (auto [name, caption] : {std::pair{QStringLiteral("Renomina"), QStringLiteral("&Renomina")},
                                 std::pair{QStringLiteral("Tolle"), QStringLiteral("&Tolle")}}) {
        QMenu *m = menu_->addMenu(caption);
        m->setFont(menu_->font());
        m->setObjectName(name);
        for (const Player &p : all) {
            if (p.guest()) continue;
            QAction *a = m->addAction(p.name + QStringLiteral("..."));
            a->setObjectName(name + QLatin1Char(':') + p.id);
            connect(a, &QAction::triggered, this, [this, name, id = p.id] {
                name == QStringLiteral("Tolle") ? Tolle_Click(id) : Renomina_Click(id);
            });
        }
        m->setEnabled(!m->isEmpty());
    }
    menu_->addSeparator();
    QAction *progressus = menu_->addAction(QStringLiteral("&Progressus..."));
    progressus->setObjectName(QStringLiteral("Progressus"));
    connect(progressus, &QAction::triggered, this, &Lusores::Progressus_Click);
}

void Lusores::choose(int side, const QString &id) {
    roster_.choose(side, id);
    save();
}

QString Lusores::askName(const QString &caption, const QString &name, const QString &except) {
    auto problem = [this, except](const QString &n) {
        switch (roster_.check(n, except)) {
        case Roster::NameProblem::Empty:
            return tr("Scrivi il nome del giocatore.");
        case Roster::NameProblem::TooLong:
            return tr("Il nome può avere al massimo %1 caratteri.").arg(Roster::longestName);
        case Roster::NameProblem::Taken:
            return tr("C'è già un giocatore con questo nome: scegline un altro.");
        default:
            return QString();
        }
    };
    QPointer<frmNomen> w = new frmNomen(caption, name, problem);
    w->centre();
    w->showModal();
    const QString given = w ? w->given() : QString();
    delete w.data();
    return given;
}

void Lusores::NovusLusor_Click() {
    const QString name = askName(QStringLiteral("Nomen novi lusoris:"), QString(), QString());
    if (name.isEmpty()) return;
    const QString id = roster_.add(name);
    // The new player takes the single player's side: she made herself known to play.
    if (!id.isEmpty()) roster_.choose(1, id);
    save();
}

void Lusores::Renomina_Click(const QString &id) {
    const auto p = roster_.find(id);
    if (!p || p->guest()) return;
    const QString name = askName(QStringLiteral("Novum nomen lusoris %1:").arg(p->name), p->name, id);
    if (name.isEmpty() || !roster_.rename(id, name)) return;
    save();
}

void Lusores::Tolle_Click(const QString &id) {
    const auto p = roster_.find(id);
    if (!p || p->guest()) return;
    const Answer a = platform().messageBox(
        tr("Togliere il giocatore %1? La sua storia e i suoi vocaboli sbagliati saranno cancellati.")
            .arg(p->name),
        title, Icon::Exclamation, Buttons::OkCancel);
    if (a != Answer::Ok) return;
    roster_.remove(id);
    history().removePlayer(id);
    QFile::remove(Roster::missedFile(id));
    save();
}

void Lusores::Progressus_Click() {
    history().flush(); // the last game is on disk before the window reads it
    QPointer<frmProgressus> w = new frmProgressus(history(), roster_.players(), player(1).id);
    w->centre();
    // Never above the screen's top. Centring counts its caption at the
    // view's scale; the system draws it at its own size, so at the scale the
    // board fills the screen with (its menu bar scaled with it) the window
    // stands whole below the top.
    w->setTop(std::max(w->top(), 0.0f));
    w->showModal();
    delete w.data();
}

void Lusores::mastered(int side, const QString &latin, const QString &category) {
    history().mastered({player(side).id, latin, category, QDate::currentDate()});
}

void Lusores::poolReady(game::Pool &pool) {
    const game::Listener *r = pool.requester();
    foreign_ = r && std::find(own_.begin(), own_.end(), r) == own_.end();
}

void Lusores::gameStarting(const game::Choices &c) {
    history().prepare();
    // A game that did not end is not recorded: it was broken off.
    game_.reset();
    if (std::exchange(foreign_, false)) return; // its names and its record are its feature's
    game_.emplace();
    GameRecord &g = *game_;
    g.started = QDateTime::currentDateTime();
    g.vocabulary = c.vocabularyFile;
    g.language = c.language;
    g.classes = c.classes;
    g.frequencies = c.frequencies;
    g.speed = c.speed;
    g.wordsPerGame = c.wordsPerGame;
    g.playerCount = c.playerCount;
    g.kind = c.kind;
    for (int side = 1; side <= c.playerCount; ++side)
        g.sides.push_back({side, player(side).id, player(side).name});
    showNames();
}

void Lusores::wordAsked(const game::Word &w) {
    if (!game_) return;
    // The names again at the first word: a feature that showed names of its
    // own may have taken them away while this game was being started.
    if (game_->words.empty()) showNames();
    game_->words.push_back({w.latin, w.category, w.translation, QString()});
}

void Lusores::strikeJudged(const game::Strike &s) {
    if (!game_ || game_->words.empty()) return;
    game_->words.back().strikes +=
        QString::number(s.player) + (s.right ? QLatin1Char('+') : QLatin1Char('-'));
}

void Lusores::gameEnded(const game::Result &r) {
    if (!game_) return;
    GameRecord g = std::move(*game_);
    game_.reset();
    g.seconds = r.seconds;
    g.winner = r.winner;
    for (SideRecord &s : g.sides) {
        s.right = g.playerCount == 1 ? r.wordsDone : r.scores.at(static_cast<size_t>(s.side));
        for (const AskedWord &w : g.words)
            s.errors += w.wrongOf(s.side);
        // Of two players, each wrong strike locks its player out.
        s.lockouts = g.playerCount == 2 ? s.errors : 0;
    }
    history().record(g);
}

void Lusores::programEnding() {
    game_.reset();
    history_.reset(); // what is pending is written before the program ends
}
