#include "errata/errata.h"

#include "board/traduci.h"
#include "errata/frmerrata.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

using namespace ui;

namespace {

QString keyOf(const QString &latin, const QString &category) {
    return latin + QChar(0x1F) + category;
}

bool admissibleClass(const QString &category) {
    const long long c = roundHalfEven(val(category));
    return c >= 1 && c <= 4;
}

// Draws a random order of `v` in place.
void shuffle(QList<int> &v) {
    for (qsizetype i = v.size() - 1; i > 0; --i)
        v.swapItemsAt(i, intScaled(platform().rnd(), static_cast<int>(i + 1)));
}

} // namespace

Errata::Errata(Traduci *board) : QObject(board), board_(board) {
    setObjectName(QStringLiteral("errata"));
}

QString Errata::chosenLanguage() const {
    const auto &table = board_->state.vocabularyTable;
    return table.empty() ? QString() : table.front()[3];
}

bool Errata::reload() {
    if (list_.load(path()) != MissedList::Status::Unreadable) {
        warnedUnreadable_ = false;
        return true;
    }
    if (!warnedUnreadable_) {
        warnedUnreadable_ = true;
        platform().messageBox(tr("Impossibile leggere il file %1: il file resta com'è e i vocaboli "
                                 "sbagliati non vengono registrati.")
                                  .arg(path()),
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
    if (board_->Recense) board_->Recense->setEnabled(any);
    if (board_->LudusErrorum) board_->LudusErrorum->setEnabled(any);
}

template <typename F> void Errata::change(F apply) {
    if (!reload()) return;
    if (apply(list_)) {
        if (list_.save(path())) {
            warnedUnwritable_ = false;
        } else if (!warnedUnwritable_) {
            warnedUnwritable_ = true;
            platform().messageBox(
                tr("Impossibile scrivere il file %1: l'ultimo vocabolo sbagliato non è stato registrato.")
                    .arg(path()),
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
    requested_ = true;
    board_->Imposta_Click();
    requested_ = false;
}

void Errata::dele() {
    change([](MissedList &l) {
        const bool had = !l.empty();
        l.clearWords();
        return had;
    });
}

bool Errata::takeRequest() {
    const bool r = requested_;
    requested_ = false;
    return r;
}

void Errata::beforeSelection() {
    if (!poolReplaced_) return;
    poolReplaced_ = false;
    board_->impostazioni()->Frame2->setTag(QStringLiteral("cambiato"));
}

void Errata::fillPool() {
    queue_.clear();
    if (!reload() || list_.empty()) return;
    Traduci &b = *board_;
    const TraduciState &s = b.state;
    b.vocabolo->clear();
    b.categoria->clear();
    b.traduzione->clear();
    b.frequenza->clear();
    auto add = [&](const QString &f, const QString &c, const QString &latin, const QString &translation) {
        b.frequenza->addItem(f);
        b.categoria->addItem(c);
        b.vocabolo->addItem(latin);
        b.traduzione->addItem(translation);
        return b.vocabolo->listCount() - 1;
    };
    QHash<QString, int> at;
    const int last = std::min(s.lastWordIndex, static_cast<int>(s.vocabularyTable.size()) - 1);
    for (int r = 1; r <= last; ++r) {
        const VocabularyRecord &row = s.vocabularyTable[r];
        const long long f = roundHalfEven(val(row[0]));
        if (f < 0 || f > 4 || !admissibleClass(row[1])) continue;
        at.insert(keyOf(row[2], row[1]), add(row[0], row[1], row[2], row[3]));
    }
    // A missed word the vocabulary no longer holds is asked with its stored translation.
    QStringList absent;
    for (const MissedWord &w : list_.words()) {
        if (!admissibleClass(w.category)) continue;
        int k = at.value(keyOf(w.latin, w.category), -1);
        if (k < 0) {
            k = add(QStringLiteral("0"), w.category, w.latin,
                    w.translationIn(list_.heading(), chosenLanguage()));
            absent.append(w.latin);
        }
        queue_.append(k);
    }
    shuffle(queue_);
    poolReplaced_ = true;
    b.Labelsotto2->setCaption(plainForm(b.vocabolo->listCount()) + QStringLiteral(" vocabula"));
    if (!absent.isEmpty()) {
        if (absent.size() > 10) absent = absent.mid(0, 10) << QStringLiteral("...");
        platform().messageBox(tr("Questi vocaboli sbagliati non sono più nel file %1: restano nell'elenco "
                                 "e si giocano con le traduzioni salvate.\n\n%2")
                                  .arg(s.loadedFile, absent.join(QStringLiteral(", "))),
                              QStringLiteral("LessiCorsa! Errata"), Icon::Exclamation, Buttons::Ok);
    }
}

double Errata::gameBegins(bool ludus, double chosen) {
    missedThisGame_.clear();
    asked_.reset();
    indexSource(); // read here, not at the first miss in the middle of play
    chosen_ = chosen;
    ludus_ = ludus && !queue_.isEmpty();
    if (!ludus_) {
        reload(); // an unreadable list is reported before play, not at the first error
        return chosen;
    }
    if (queue_.size() > chosen) queue_.resize(static_cast<qsizetype>(chosen));
    next_ = 0;
    return static_cast<double>(queue_.size());
}

double Errata::wordsChosen(double wordsPerGame) const {
    return ludus_ ? chosen_ : wordsPerGame;
}

int Errata::ask(int drawn) {
    int k = drawn;
    if (ludus_ && !queue_.isEmpty()) k = queue_.at(next_++ % queue_.size());
    asked_ = Asked{board_->vocabolo->list(k), board_->categoria->list(k), board_->traduzione->list(k)};
    return k;
}

void Errata::strike(bool right) {
    if (!asked_) return;
    const Asked a = *asked_;
    const QString key = keyOf(a.latin, a.category);
    if (!right) {
        missedThisGame_.insert(key);
        const QStringList translations = translationsOf(a);
        change([&](MissedList &l) {
            if (l.heading().isEmpty()) l.setHeading(source_.heading);
            l.miss({a.category, a.latin, translations, 0, {}}, QDate::currentDate());
            return true;
        });
    } else if (!missedThisGame_.contains(key) && list_.find(a.latin, a.category)) {
        // Right, and not missed in this game: so right at the first strike.
        change([&](MissedList &l) { return l.master(a.latin, a.category); });
    }
}

void Errata::indexSource() {
    const TraduciState &s = board_->state;
    const QFileInfo info(s.loadedFile);
    const qint64 modified = info.lastModified().toMSecsSinceEpoch();
    if (source_.path == s.loadedFile && source_.size == info.size() && source_.modified == modified &&
        source_.language == s.languageIndex)
        return;
    source_ = SourceIndex{s.loadedFile, info.size(), modified, s.languageIndex, QString(), {}};
    QFile file(s.loadedFile);
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines = vocabulary::splitLines(vocabulary::decode(file.readAll()));
        for (const QString &line : lines) {
            if (line.startsWith(QLatin1Char('/'))) continue;
            const QStringList f = line.split(QLatin1Char(';'));
            if (f.size() < 4) continue;
            if (source_.heading.isEmpty()) {
                source_.heading = line;
                continue;
            }
            if (f.size() < 4 + s.languageIndex) continue;
            const QString key = keyOf(f.at(2), f.at(1)) + QChar(0x1F) + f.at(3 + s.languageIndex);
            if (!source_.translations.contains(key)) source_.translations.insert(key, f.mid(3));
        }
    }
    if (source_.heading.isEmpty() && !s.vocabularyTable.empty()) {
        const VocabularyRecord &h = s.vocabularyTable.front();
        source_.heading = QStringList{h[0], h[1], h[2], h[3]}.join(QLatin1Char(';'));
    }
}

QStringList Errata::translationsOf(const Asked &a) {
    indexSource();
    const QStringList found =
        source_.translations.value(keyOf(a.latin, a.category) + QChar(0x1F) + a.translation);
    return found.isEmpty() ? QStringList{a.translation} : found;
}
