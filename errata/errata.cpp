#include "errata/errata.h"

#include "errata/frmerrata.h"
#include "players/lusores.h"
#include "players/schedule.h"
#include "ui/convert.h"
#include "ui/form.h"

#include "ui/platform.h"
#include "ui/wholefile.h"
#include "vocabulary/vocabularyfile.h"
#include <QMenu>

#include <QDateTime>
#include <QFile>
#include <QPointer>
#include <algorithm>
#include <sys/stat.h>

using namespace ui;
using VocabularyRecord = vocabulary::Record;

namespace {

QString keyOf(const QString &latin, const QString &category) {
    return latin + QChar(0x1F) + category;
}

bool admissibleClass(const QString &category) {
    const long long c = roundHalfEven(val(category));
    return c >= 1 && c <= 4;
}

} // namespace

Errata::Errata(game::Door &door, QObject *parent, Lusores *players)
    : QObject(parent), door_(door), players_(players) {
    setObjectName(QStringLiteral("errata"));
    door.addListener(this);
    // The list to review and a game of it, enabled when it holds words.
    QMenu *e = door.addFeatureMenu(QStringLiteral("Errata1"), QStringLiteral("&Errata"));
    Recense = new MenuItem(this, QStringLiteral("Recense"), QStringLiteral("&Recense"));
    LudusErrorum = new MenuItem(this, QStringLiteral("LudusErrorum"), QStringLiteral("&Ludus errorum"));
    e->addAction(Recense);
    e->addAction(LudusErrorum);
    Recense->setEnabled(false);
    LudusErrorum->setEnabled(false);
    connect(e, &QMenu::aboutToShow, this, &Errata::refreshMenu);
    connect(Recense, &QAction::triggered, this, &Errata::Recense_Click);
    connect(LudusErrorum, &QAction::triggered, this, &Errata::LudusErrorum_Click);
}

QString Errata::path(int side) const {
    return players_ ? players::Roster::missedFile(players_->player(side).id) : MissedList::defaultFile;
}

QString Errata::chosenLanguage() const {
    const auto *table = door_.vocabulary().table;
    return !table || table->empty() ? QString() : table->front()[3];
}

MissedList &Errata::listOf(int side) {
    return side == 2 && path(2) != path(1) ? left_ : list_;
}

Errata::Stamp Errata::stampOf(const QString &path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return {qint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

bool Errata::reload(int side) {
    // A file written by nobody else since this list read or wrote it is not
    // read again: the list in memory is the file.
    Known &known = knownOf(side);
    const QString file = path(side);
    const Stamp now = stampOf(file);
    if (known.path == file && now.inode >= 0 && now == known.stamp) return true;
    known = {};
    if (listOf(side).load(file) != MissedList::Status::Unreadable) {
        warnedUnreadable_ = false;
        known = {file, now};
        return true;
    }
    if (!warnedUnreadable_) {
        warnedUnreadable_ = true;
        platform().messageBox(tr("Impossibile leggere il file %1: il file resta com'è e i vocaboli "
                                 "sbagliati non vengono registrati.")
                                  .arg(path(side)),
                              QStringLiteral("LessiCorsa! Errata"), Icon::Exclamation, Buttons::Ok);
    }
    return false;
}

void Errata::refreshMenu() {
    reload();
    updateMenu();
}

void Errata::updateMenu() {
    const bool any = !list_.empty();
    Recense->setEnabled(any);
    LudusErrorum->setEnabled(any);
}

template <typename F> void Errata::change(int side, F apply) {
    if (!reload(side)) return;
    MissedList &list = listOf(side);
    if (apply(list)) {
        Known &known = knownOf(side);
        known = {};
        QString reason;
        if (list.save(path(side), &reason)) {
            known = {path(side), stampOf(path(side))};
            warnedUnwritable_ = false;
        } else if (!warnedUnwritable_) {
            warnedUnwritable_ = true;
            platform().messageBox(
                tr("Impossibile scrivere il file %1: l'ultimo vocabolo sbagliato non è stato registrato.")
                        .arg(path(side)) +
                    QLatin1Char(' ') + whyAndKept({false, reason}, path(side)),
                QStringLiteral("LessiCorsa! Errata"), Icon::Exclamation, Buttons::Ok);
        }
    }
    updateMenu();
}

void Errata::Recense_Click() {
    reload();
    QPointer<frmErrata> w = new frmErrata(this, chosenLanguage());
    w->centre();
    w->showModal();
    const bool play = w && w->ludusAsked();
    delete w.data();
    refreshMenu();
    if (play) LudusErrorum_Click();
}

void Errata::LudusErrorum_Click() {
    if (!reload() || list_.empty()) return;
    door_.startGame(this);
}

void Errata::dele() {
    change(1, [](MissedList &l) {
        const bool had = !l.empty();
        l.clearWords();
        return had;
    });
}

void Errata::poolReady(game::Pool &pool) {
    ludus_ = false;
    if (pool.requester() != this || !reload() || list_.empty()) return;
    const game::Vocabulary v = door_.vocabulary();
    const std::vector<VocabularyRecord> &table = *v.table;
    pool.clear();
    auto add = [&](const QString &f, const QString &c, const QString &latin, const QString &translation) {
        return pool.add({-1, f, c, latin, translation, {}});
    };
    // The missed words found in one pass over the table, by their Latin word:
    // each takes the last record of the same word and class.
    const QList<MissedWord> words = list_.words();
    QMultiHash<QString, qsizetype> byLatin;
    for (qsizetype w = 0; w < words.size(); ++w)
        byLatin.insert(words[w].latin, w);
    QList<int> found(words.size(), -1);
    const int last = std::min(v.lastWordIndex, static_cast<int>(table.size()) - 1);
    pool.reserve(last + static_cast<int>(words.size()));
    QList<int> queue;
    QList<QDate> due;
    for (int r = 1; r <= last; ++r) {
        pool.row(r);
        const VocabularyRecord &row = table[r];
        const long long f = roundHalfEven(val(row[0]));
        if (f < 0 || f > 4 || !admissibleClass(row[1])) continue;
        const int k = add(row[0], row[1], row[2], row[3]);
        for (auto it = byLatin.constFind(row[2]); it != byLatin.cend() && it.key() == row[2]; ++it)
            if (words[*it].category == row[1]) found[*it] = k;
    }
    // A missed word the vocabulary no longer holds is asked with its stored translation.
    QStringList absent;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const MissedWord &w = words[i];
        if (!admissibleClass(w.category)) continue;
        int k = found[i];
        if (k < 0) {
            k = add(QStringLiteral("0"), w.category, w.latin,
                    w.translationIn(list_.heading(), chosenLanguage()));
            absent.append(w.latin);
        }
        queue.append(k);
        due.append(w.due);
    }
    // The words due first, then those due soonest.
    QList<int> order;
    for (int i : schedule::askingOrder(due, static_cast<int>(due.size()), [] { return platform().rnd(); }))
        order.append(queue[i]);
    pool.setOrder(order);
    ludus_ = !queue.isEmpty();
    if (!absent.isEmpty()) {
        if (absent.size() > 10) absent = absent.mid(0, 10) << QStringLiteral("...");
        platform().messageBox(tr("Questi vocaboli sbagliati non sono più nel file %1: restano nell'elenco "
                                 "e si giocano con le traduzioni salvate.\n\n%2")
                                  .arg(v.file, absent.join(QStringLiteral(", "))),
                              QStringLiteral("LessiCorsa! Errata"), Icon::Exclamation, Buttons::Ok);
    }
}

void Errata::gameStarting(const game::Choices &c) {
    missedThisGame_.clear();
    asked_.reset();
    // The list is one of words: a game of another kind (forms) leaves it alone.
    otherKind_ = !c.kind.isEmpty();
    if (otherKind_) return;
    // An unreadable list is reported before play, not at the first error.
    if (!ludus_) reload();
    if (c.playerCount == 2) reload(2);
}

void Errata::wordAsked(const game::Word &w) {
    if (otherKind_) return;
    asked_ = Asked{w.latin, w.category, w.translation};
}

void Errata::strikeJudged(const game::Strike &strike) {
    if (!asked_) return;
    const Asked a = *asked_;
    const int side = strike.player == 2 ? 2 : 1;
    const QString key = keyOf(a.latin, a.category) + QString::number(side);
    const QDate today = schedule::today();
    if (!strike.right) {
        missedThisGame_.insert(key);
        const QStringList translations = translationsOf(a);
        change(side, [&](MissedList &l) {
            if (l.heading().isEmpty()) l.setHeading(heading());
            l.miss({a.category, a.latin, translations, 0, {}, 1, {}}, today);
            return true;
        });
    } else if (!missedThisGame_.contains(key) && listOf(side).find(a.latin, a.category)) {
        // Right, and not missed by this player in this game: so right at the first strike.
        MissedList::Moved moved = MissedList::Moved::NotListed;
        change(side, [&](MissedList &l) {
            moved = l.rightAtFirstStrike(a.latin, a.category, today);
            return moved == MissedList::Moved::Up || moved == MissedList::Moved::Mastered;
        });
        if (moved == MissedList::Moved::Mastered && players_) players_->mastered(side, a.latin, a.category);
    }
}

namespace {
// The fields of the line that row `r` of `rows` was read from (at `starts`[r]
// in `path`), when that line still holds the row; else none.
QStringList recordLine(const std::vector<VocabularyRecord> &rows, const std::vector<qint64> &starts,
                       bool utf8, const QString &path, int language, size_t r) {
    if (r >= rows.size() || starts.size() != rows.size()) return {};
    const QStringList f = vocabulary::lineAt(path, starts[r], utf8).split(QLatin1Char(';'));
    const VocabularyRecord &row = rows[r];
    if (f.size() < 4 + language || f[0] != row[0] || f[1] != row[1] || f[2] != row[2] ||
        f[3 + language] != row[3])
        return {};
    return f;
}

// The first row from 1 on with the word's Latin, class and translation.
size_t rowOf(const std::vector<VocabularyRecord> &rows, const QString &latin, const QString &category,
             const QString &translation) {
    for (size_t r = 1; r < rows.size(); ++r) {
        const VocabularyRecord &row = rows[r];
        if (row[2] == latin && row[1] == category && row[3] == translation) return r;
    }
    return rows.size();
}
} // namespace

QString Errata::heading() const {
    const game::Vocabulary v = door_.vocabulary();
    if (v.table->empty()) return QString();
    const QStringList line = recordLine(*v.table, *v.rowStarts, v.utf8, v.file, v.languageIndex, 0);
    if (!line.isEmpty()) return line.join(QLatin1Char(';'));
    const VocabularyRecord &h = v.table->front();
    return QStringList{h[0], h[1], h[2], h[3]}.join(QLatin1Char(';'));
}

QStringList Errata::translationsOf(const Asked &a) {
    // The record of the file the word was drawn from, with all its translations.
    const game::Vocabulary v = door_.vocabulary();
    const int language = v.languageIndex;
    const size_t r = rowOf(*v.table, a.latin, a.category, a.translation);
    // A missed word that the vocabulary no longer holds keeps its stored translation.
    if (r >= v.table->size()) return QStringList{a.translation};
    QStringList line = recordLine(*v.table, *v.rowStarts, v.utf8, v.file, language, r);
    if (line.isEmpty()) {
        // The file changed since it was loaded: its records as they are now.
        QFile file(v.file);
        if (vocabulary::isReadableFile(v.file) && file.open(QIODevice::ReadOnly)) {
            const vocabulary::ParseResult now = vocabulary::parse(file.readAll(), language);
            line = recordLine(now.rows, now.rowStarts, now.utf8, v.file, language,
                              rowOf(now.rows, a.latin, a.category, a.translation));
        }
    }
    if (line.isEmpty()) return QStringList{a.translation};
    return line.mid(3);
}
