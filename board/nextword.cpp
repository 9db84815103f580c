// The next word and its twelve candidate translations.

#include "board/traduci.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vocabulary/senses.h"

using namespace ui;

void Traduci::prossimovocabolo() {
    const int generation = gameGeneration_;
    const float t0 = platform().timeOfDay();
    for (int i = 0; i < state.candidateCount; ++i) {
        sign(i)->setBackColor(QColor(255, 255, 255));
        sign(i)->setShown(true);
    }
    Timer1->setEnabled(true);
    sceglivocabolo();
    platform().doEvents();
    state.answering = 1;
    // The time spent here is left out of the elapsed time, unless a new game
    // was started meanwhile (it has its own start time).
    if (generation == gameGeneration_) {
        float spent = platform().timeOfDay() - t0;
        if (spent < 0) spent += 1.0f;
        state.excludedTime += spent;
    }
}

void Traduci::sceglivocabolo() {
    platform().randomize();
    const int n = vocabolo->listCount();
    int k = intScaled(platform().rnd(), n);
    // A feature that supplied the pool may have given the order of its words.
    if (!askOrder_.isEmpty()) k = askOrder_.at(nextAsk_++ % askOrder_.size());
    asked_ = poolWord(k);
    const game::Shown shown = wordLook_ ? wordLook_->look(asked_) : game::Shown{asked_.latin, {}, {}};
    asked_.spoken = shown.spoken;
    notify([&](game::Listener &l) { l.wordAsked(asked_); });
    state.correctCandidate = intScaled(platform().rnd(), state.candidateCount);

    // Distractors: the translations of the other words of the same grammatical
    // class, but for those that share a sense with the right one (striking a
    // right translation must never count as an error).
    errati->clear();
    const QString c = categoria->list(k);
    const QStringList classes = categoria->items(), translations = traduzione->items();
    const vocabulary::PoolSenses &senses = vocabulary::PoolSenses::of(translations);
    const qsizetype count = std::min(classes.size(), translations.size());
    for (qsizetype j = 0; j < count; ++j) {
        if (classes.at(j) == c && j != k && !senses.share(j, k)) errati->addItem(translations.at(j));
    }

    // The word at the largest whole point size from 14 down that fits the panel.
    Parola->setShown(false);
    Parola->setCaption(shown.text);
    Parola->setFontSize(14);
    while (Parola->width_() >= Frame1->width_() && Parola->fontSize() > 1)
        Parola->setFontSize(Parola->fontSize() - 1);
    Parola->setShown(true);
    showNote(shown.note);

    for (int i = 0; i < state.candidateCount; ++i) {
        if (i == state.correctCandidate) {
            sign(i)->setCaption(traduzione->list(k));
        } else {
            platform().randomize();
            const int m = errati->listCount();
            sign(i)->setCaption(errati->list(intScaled(platform().rnd(), m)));
        }
    }
}

void Traduci::showNote(const QString &note) {
    Lemma->setCaption(note);
    Lemma->setLeft(Parola->left() + (Parola->width_() - Lemma->width_()) / 2);
    Lemma->setTop(Parola->top() + Parola->height_());
    Lemma->setShown(!note.isEmpty());
}
