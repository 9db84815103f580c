// How fair the rounds are. For a vocabulary, in each of its languages, the
// board chooses every word of a game of the whole file (every class ticked)
// in turn, and this counts the words whose distractor pool holds a
// translation that shares a sense with the right one, and the share of
// rounds (eleven boxes drawn from the pool with replacement) that show one.
// Then it times the choice of a next word in pools of 1,600 and 100,000
// words, beside the same pool's loop without the test of senses.
//
//   lessicorsa-bench-fairness [vocabulary [--pairs]]
// (assets/vocabula.txt by default; --pairs lists the pairs found)

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"
#include "vocabulary/senses.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const int distractors = 11;

// Every class of the settings ticked, similar words kept: the whole file is the pool.
void wholeFile(Traduci &b, int language) {
    Impostazioni *w = b.impostazioni();
    w->Lingue->setListIndex(language);
    b.aprivocaboli(QStringLiteral("vocabula.txt"));
    for (int k = 1; k <= 4; ++k) {
        w->Chfreq(k)->setValue(1);
        w->Chclassi(k)->setValue(1);
    }
    b.state.excludeSimilar = 0;
    b.setTag(QString());
    b.selezionavocaboli();
}

// Asks word k of the pool, its right answer in box 0.
void ask(BoardFixture &fx, int k) {
    const int n = fx.board().vocabolo->listCount();
    fx.platform.draws.clear();
    fx.platform.script({float((k + 0.5) / n), 0.0f});
    fx.board().sceglivocabolo();
}

double ms(qint64 ns) {
    return ns / 1e6;
}

// The pool's loop of the board, with or without the test of senses.
void poolLoop(Traduci &b, int k, bool senses) {
    b.errati->clear();
    const QString c = b.categoria->list(k);
    const QStringList classes = b.categoria->items(), translations = b.traduzione->items();
    const vocabulary::PoolSenses *index = senses ? &vocabulary::PoolSenses::of(translations) : nullptr;
    for (qsizetype j = 0; j < std::min(classes.size(), translations.size()); ++j)
        if (classes.at(j) == c && j != k && (!index || !index->share(j, k)))
            b.errati->addItem(translations.at(j));
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void timeNextWord(BoardFixture &fx, const char *label) {
    Traduci &b = fx.board();
    const int n = b.vocabolo->listCount();
    QElapsedTimer t;
    std::vector<double> index, next, with, without;
    for (int i = 0; i < 11; ++i) {
        t.start();
        const vocabulary::PoolSenses senses(b.traduzione->items());
        index.push_back(ms(t.nsecsElapsed()));
    }
    for (int i = 1; i <= 41; ++i) {
        const int k = int(qint64(i) * 7919 % n);
        t.restart();
        ask(fx, k);
        next.push_back(ms(t.nsecsElapsed()));
        t.restart();
        poolLoop(b, k, true);
        with.push_back(ms(t.nsecsElapsed()));
        t.restart();
        poolLoop(b, k, false);
        without.push_back(ms(t.nsecsElapsed()));
    }
    std::printf(
        "%-22s %6d words: reading the senses %5.2f ms, a next word %5.2f ms, its pool's loop %5.2f ms "
        "(without the senses %5.2f ms); medians\n",
        label, n, median(index), median(next), median(with), median(without));
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path = args.value(1, QStringLiteral(ASSETS_DIR "/vocabula.txt"));
    const bool pairs = args.contains(QStringLiteral("--pairs"));
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = in.readAll();

    BoardFixture fx(bytes);
    Traduci &b = fx.board();
    const QStringList languages = b.impostazioni()->Lingue->items();
    std::printf("%s\n%-10s %6s %16s %16s\n", qPrintable(path), "language", "words", "pools with one",
                "rounds with one");
    for (int language = 0; language < languages.size(); ++language) {
        wholeFile(b, language);
        const int n = b.vocabolo->listCount();
        int affected = 0;
        double rounds = 0;
        QSet<QString> found;
        for (int k = 0; k < n; ++k) {
            ask(fx, k);
            const QString right = b.traduzione->list(k);
            const QStringList pool = b.errati->items();
            int sharing = 0;
            for (const QString &t : pool) {
                if (!vocabulary::shareSense(t, right)) continue;
                ++sharing;
                if (pairs)
                    found.insert(b.vocabolo->list(k) + QStringLiteral(" \"") + right +
                                 QStringLiteral("\" ~ \"") + t + QLatin1Char('"'));
            }
            if (sharing == 0) continue;
            ++affected;
            rounds += 1 - std::pow(1 - double(sharing) / pool.size(), distractors);
        }
        std::printf("%s %6d %16d %15.2f %%\n", qPrintable(languages[language].leftJustified(10)), n, affected,
                    n ? 100 * rounds / n : 0.0);
        QStringList sorted = found.values();
        sorted.sort();
        for (const QString &p : sorted)
            std::printf("    %s\n", qPrintable(p));
    }

    std::printf("\nchoosing the next word (%d distractors drawn)\n", distractors);
    wholeFile(b, 0);
    timeNextWord(fx, "vocabula.txt");
    QList<QByteArray> lines = bytes.split('\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    QByteArray big = lines.value(0) + '\n';
    for (int i = 0; i < 100000 && lines.size() > 1; ++i)
        big += lines.at(1 + i % (lines.size() - 1)) + '\n';
    fx.write(QStringLiteral("vocabula.txt"), big);
    b.state.vocabularyTable = {};
    wholeFile(b, 0);
    timeNextWord(fx, "its records to 100,000");
    return 0;
}
