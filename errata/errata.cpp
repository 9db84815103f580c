#include "errata/errata.h"

#include "board/traduci.h"
#include "errata/frmerrata.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QDateTime>
#include <QFile>
#include <QPointer>
#include <algorithm>

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
    // The missed words found in one pass over the table, by their Latin word:
    // each takes the last record of the same word and class.
    const QList<MissedWord> words = list_.words();
    QMultiHash<QString, qsizetype> byLatin;
    for (qsizetype w = 0; w < words.size(); ++w)
        byLatin.insert(words[w].latin, w);
    QList<int> found(words.size(), -1);
    const int last = std::min(s.lastWordIndex, static_cast<int>(s.vocabularyTable.size()) - 1);
    for (ListBox *l : {b.frequenza, b.categoria, b.vocabolo, b.traduzione})
        l->reserve(last + static_cast<int>(words.size()));
    Traduci::BuildingPool building(b);
    for (int r = 1; r <= last; ++r) {
        building.row(r);
        const VocabularyRecord &row = s.vocabularyTable[r];
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
            if (l.heading().isEmpty()) l.setHeading(heading());
            l.miss({a.category, a.latin, translations, 0, {}}, QDate::currentDate());
            return true;
        });
    } else if (!missedThisGame_.contains(key) && list_.find(a.latin, a.category)) {
        // Right, and not missed in this game: so right at the first strike.
        change([&](MissedList &l) { return l.master(a.latin, a.category); });
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
    const TraduciState &s = board_->state;
    if (s.vocabularyTable.empty()) return QString();
    const QStringList line = recordLine(s.vocabularyTable, s.vocabularyRowStarts, s.vocabularyUtf8,
                                        s.loadedFile, std::max(s.languageIndex, 0), 0);
    if (!line.isEmpty()) return line.join(QLatin1Char(';'));
    const VocabularyRecord &h = s.vocabularyTable.front();
    return QStringList{h[0], h[1], h[2], h[3]}.join(QLatin1Char(';'));
}

QStringList Errata::translationsOf(const Asked &a) {
    // The record of the file the word was drawn from, with all its translations.
    const TraduciState &s = board_->state;
    const int language = std::max(s.languageIndex, 0);
    const size_t r = rowOf(s.vocabularyTable, a.latin, a.category, a.translation);
    // A missed word that the vocabulary no longer holds keeps its stored translation.
    if (r >= s.vocabularyTable.size()) return QStringList{a.translation};
    QStringList line =
        recordLine(s.vocabularyTable, s.vocabularyRowStarts, s.vocabularyUtf8, s.loadedFile, language, r);
    if (line.isEmpty()) {
        // The file changed since it was loaded: its records as they are now.
        QFile file(s.loadedFile);
        if (vocabulary::isReadableFile(s.loadedFile) && file.open(QIODevice::ReadOnly)) {
            const vocabulary::ParseResult now = vocabulary::parse(file.readAll(), language);
            line = recordLine(now.rows, now.rowStarts, now.utf8, s.loadedFile, language,
                              rowOf(now.rows, a.latin, a.category, a.translation));
        }
    }
    if (line.isEmpty()) return QStringList{a.translation};
    return line.mid(3);
}
