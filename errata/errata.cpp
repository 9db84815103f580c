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
#include <QVarLengthArray>
#include <algorithm>

using namespace ui;

namespace {

QString keyOf(const QString &latin, const QString &category) {
    return latin + QChar(0x1F) + category;
}

// The first `most` fields of `line` (split at ';'); returns how many it has,
// at most `most`.
int leadingFields(QStringView line, int most, QStringView *fields) {
    int n = 0;
    qsizetype from = 0;
    while (n < most) {
        const qsizetype semi = line.indexOf(QLatin1Char(';'), from);
        fields[n++] = line.mid(from, (semi < 0 ? line.size() : semi) - from);
        if (semi < 0) break;
        from = semi + 1;
    }
    return n;
}

// A record's hash: its Latin word, its class and its translation in the chosen language.
size_t recordHash(QStringView latin, QStringView category, QStringView translation) {
    return qHashMulti(0, latin, category, translation);
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
    source_ = SourceIndex{s.loadedFile, info.size(), modified, s.languageIndex, QString(), QString(), {}};
    QFile file(s.loadedFile);
    if (file.open(QIODevice::ReadOnly)) {
        source_.text = vocabulary::decode(file.readAll());
        const QStringView text(source_.text);
        const int language = std::max(s.languageIndex, 0);
        const int most = 4 + language;
        qsizetype start = 0;
        while (start < text.size()) {
            // A line ends at CR + LF, CR or LF.
            qsizetype end = start;
            while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
                ++end;
            const QStringView line = text.mid(start, end - start);
            const qsizetype lineStart = start;
            start = end + 1;
            if (end + 1 < text.size() && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n'))
                ++start;
            if (line.startsWith(QLatin1Char('/'))) continue;
            QVarLengthArray<QStringView, 8> f(most);
            const int n = leadingFields(line, most, f.data());
            if (n < 4) continue;
            if (source_.heading.isEmpty()) {
                source_.heading = line.toString();
                continue;
            }
            if (n < most) continue;
            source_.lines.push_back({recordHash(f[2], f[1], f[3 + language]), lineStart, line.size()});
        }
        std::stable_sort(
            source_.lines.begin(), source_.lines.end(),
            [](const SourceIndex::Line &a, const SourceIndex::Line &b) { return a.hash < b.hash; });
    }
    if (source_.heading.isEmpty() && !s.vocabularyTable.empty()) {
        const VocabularyRecord &h = s.vocabularyTable.front();
        source_.heading = QStringList{h[0], h[1], h[2], h[3]}.join(QLatin1Char(';'));
    }
}

QStringList Errata::translationsOf(const Asked &a) {
    indexSource();
    // The first record of the file with the word's Latin, class and shown translation.
    const size_t hash = recordHash(a.latin, a.category, a.translation);
    const int language = std::max(source_.language, 0);
    const auto first = std::lower_bound(source_.lines.begin(), source_.lines.end(), hash,
                                        [](const SourceIndex::Line &l, size_t h) { return l.hash < h; });
    for (auto it = first; it != source_.lines.end() && it->hash == hash; ++it) {
        const QStringView line = QStringView(source_.text).mid(it->start, it->length);
        QVarLengthArray<QStringView, 8> f(4 + language);
        leadingFields(line, 4 + language, f.data());
        if (f[2] != a.latin || f[1] != a.category || f[3 + language] != a.translation) continue;
        QStringList found;
        for (const QStringView t : line.split(QLatin1Char(';')).mid(3))
            found.append(t.toString());
        return found;
    }
    return QStringList{a.translation};
}
