// Game start: the settings loop, the word pool, and the board made ready for
// one or two players.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"

#include <utility>

using namespace ui;

QString Traduci::digits(const ControlArray<CheckBox> &boxes) {
    QString s;
    for (int k = 1; k <= 4; ++k)
        s += plainForm(boxes(k)->value());
    return s;
}

void Traduci::Imposta_Click() {
    // A game start is in the making already: its pool is being built.
    if (buildingPool()) return;
    ++gameGeneration_;
    TraduciState &s = state;
    // A feature that asked for this game may supply its words; asking again
    // needs a new request.
    const game::Listener *requester = std::exchange(requester_, nullptr);
    bool refused = false;
    for (;;) {
        if (tag() == QStringLiteral("giaimpostato")) {
            // From the second game on the window shows the current game's settings.
            Impostazioni *w = impostazioni();
            w->Giocatori(s.playerCount == 1 ? 1 : 2)->setValue(true);
            w->musica->setValue(s.musicOn);
            w->suoni->setValue(s.soundsOn);
            w->similino->setValue(s.excludeSimilar);
            w->velox->setValue(s.gameSpeed);
            w->Lingue->setListIndex(s.languageIndex);
            if (s.vocabularyFile != QStringLiteral("vocabula.txt")) {
                w->Frame3->setShown(false);
                w->Chfreq(0)->setValue(1);
            }
            for (int k = 1; k <= 4; ++k)
                w->Chclassi(k)->setValue(static_cast<int>(val(s.chosenClasses.mid(k - 1, 1))));
            for (int k = 1; k <= 4; ++k)
                w->Chfreq(k)->setValue(static_cast<int>(val(s.chosenFrequencies.mid(k - 1, 1))));
            w->quverbi->setTag(plainForm(wordsChosen_));
        }
        showSettings();
        Labelsotto1->setShown(true);
        Labelsotto2->setShown(true);
        s.wordsDone = 0;
        s.gameOver = false;
        s.errorCount = 0;
        Impostazioni *w = impostazioni();
        if (w->tag() != QStringLiteral("fatto")) {
            closeImpostazioni();
            showBoard();
            if (refused) promptAfterRefusal();
            return;
        }
        s.musicOn = w->musica->value();
        aggiornamusica();
        s.playerNames[1] = foto1->tag();
        s.playerNames[2] = foto2->tag();
        preparamessaggi();
        s.excludeSimilar = w->similino->value();
        s.vocabularyFile = w->Chfreq(0)->value() == 1 ? personalVocabulary() : QStringLiteral("vocabula.txt");
        if (!w->Lingue->tag().isEmpty() || s.vocabularyFile != s.loadedFile) {
            aprivocaboli(s.vocabularyFile);
            s.loadedFile = s.vocabularyFile;
            w->Lingue->setTag(QString());
        }
        // A pool a feature supplied is never kept for a later game.
        if (std::exchange(poolSupplied_, false)) impostazioni()->Frame2->setTag(QStringLiteral("cambiato"));
        selezionavocaboli();
        offerPool(requester);
        s.playerCount = w->Giocatori(1)->value() ? 1 : 2;
        s.soundsOn = w->suoni->value();
        s.gameSpeed = w->velox->value();
        s.wordsPerGame = val(w->quverbi->text());
        s.chosenClasses = digits(w->Chclassi);
        s.chosenFrequencies = digits(w->Chfreq);
        closeImpostazioni();
        setTag(QStringLiteral("giaimpostato"));
        for (int k = 1; k <= 4; ++k)
            fumetto(k)->setShown(false);
        battuta(1)->setShown(false);
        battuta(2)->setShown(false);
        showBoard();
        for (int k = 0; k <= 5; ++k) {
            Iml(k)->setShown(false);
            Imr(k)->setShown(false);
        }
        Timer1->setEnabled(false);
        const int n = vocabolo->listCount();
        if (n < 12)
            platform().messageBox(tr("Solo %1 vocaboli selezionati!").arg(signedForm(n)), QString(),
                                  Icon::Critical, Buttons::Ok);
        if (n > 6) break;
        refused = true;
    }

    wordsChosen_ = s.wordsPerGame;
    nextAsk_ = 0;
    if (!askOrder_.isEmpty()) {
        // A feature gave the words to ask: at most as many as chosen.
        if (askOrder_.size() > s.wordsPerGame) askOrder_.resize(static_cast<qsizetype>(s.wordsPerGame));
        s.wordsPerGame = static_cast<double>(askOrder_.size());
    }
    const VocabularyRecord heading =
        s.vocabularyTable.empty() ? VocabularyRecord{} : s.vocabularyTable.front();
    choices_ = game::Choices{.playerCount = s.playerCount,
                             .speed = s.gameSpeed,
                             .wordsPerGame = s.wordsPerGame,
                             .wordsChosen = wordsChosen_,
                             .classes = s.chosenClasses,
                             .frequencies = s.chosenFrequencies,
                             .vocabularyFile = s.vocabularyFile,
                             .language = heading[3],
                             .languageIndex = std::max(s.languageIndex, 0),
                             .soundsOn = s.soundsOn != 0,
                             .musicOn = s.musicOn != 0,
                             .characters = s.playerNames,
                             .excludeSimilar = s.excludeSimilar != 0,
                             .kind = poolKind_};
    notify([&](game::Listener &l) { l.gameStarting(choices_); });

    // The board for the new game.
    figura(1)->setPicture(Imr(0)->picture());
    figura(2)->setPicture(Iml(0)->picture());
    s.lockoutRemaining = 0; // a lock-out never outlives its game
    for (int k = 1; k <= 2; ++k) {
        punti(k)->setCaption(QStringLiteral("0"));
        s.lockedOut[k] = 0;
        s.playerScore[k] = 0;
        Shape *bar = barra(k);
        Image *track = barrone(k);
        bar->setLeft(track->left() + (track->width_() - bar->width_()) / 2);
        bar->setHeight(static_cast<float>(s.barBaseHeight - 30));
        bar->setTop(track->top() + track->height_() - static_cast<float>(s.barBaseHeight));
        figura(k)->setLeft(bar->left() + (bar->width_() - figura(k)->width_()) / 2);
        figura(k)->setTop(bar->top() + 15);
        colonna(k)->setLeft(figura(k)->left());
        colonna(k)->setHeight(495);
        colonna(k)->setTop(figura(k)->top() + figura(k)->height_());
        base(k)->setLeft(figura(k)->left());
        base(k)->setTop(colonna(k)->top() + colonna(k)->height_());
        punti(k)->setLeft(track->left() + (track->width_() - punti(k)->width_()) / 2);
        punti(k)->setTop(colonna(k)->top() + 60);
    }
    Parola->unsetCursor();
    if (s.playerCount == 1) {
        for (int k = 1; k <= 2; ++k) {
            punti(k)->setShown(false);
            Lab(k)->setShown(true);
        }
        for (Control *c : std::initializer_list<Control *>{barra(1), figura(1), colonna(1), base(1)})
            c->setShown(true);
        for (Control *c : std::initializer_list<Control *>{barra(2), figura(2), colonna(2), base(2)})
            c->setShown(false);
        Lab(1)->setTop(480);
        Labverbi->setTop(180);
    } else {
        Lab(1)->setTop(720);
        Lab(2)->setShown(false);
        for (int k = 1; k <= 2; ++k) {
            for (Control *c :
                 std::initializer_list<Control *>{punti(k), barra(k), figura(k), colonna(k), base(k)})
                c->setShown(true);
        }
    }
    mostraritratti();
    mostranomi();
    s.gameStartTime = platform().timeOfDay();
    s.excludedTime = 0;
    const QString keys = s.playerCount == 1 ? tr("(tasto Enter)") : tr("(tasto 1 e tasto 0)");
    for (int k = 0; k <= 11; ++k)
        sign(k)->setToolTipText(tr("Lascia perdere il mouse e usa la tastiera %1").arg(keys));
    Labelsotto1->setCaption(s.statusTexts[s.playerCount]);
    Labelsotto1->setForeColor(QColor(0, 0, 0));
    const double rise = barrone(1)->height_() - barra(1)->height_();
    s.barStep = s.playerCount == 1 ? rise / s.wordsPerGame : rise / (s.wordsPerGame / 2 + 1);
    mostrapunteggio();
    Iml(7)->setShown(false);
    Imr(7)->setShown(false);
    prossimovocabolo();
}

void Traduci::promptAfterRefusal() {
    // The refused pool is never asked: the board waits at the prompt, and any
    // key opens the settings again.
    state.answering = 0;
    showWord(QStringLiteral("Quamlibet clavem tange"), 13);
    Parola->setTop(Frame1->height_() - Parola->height_() - 300);
    // The board is idle again: the timer returns to the idle screen's pace.
    Timer1->setInterval(1000);
    Timer1->setEnabled(true);
}

void Traduci::showBoard() {
    // The board takes the keyboard again as the settings window goes.
    show();
    activateWindow();
}
