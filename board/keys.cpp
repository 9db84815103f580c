// The players' keys, their judging, the exit confirmation and the clicks that act as keys.

#include "board/traduci.h"
#include "ui/platform.h"

#include <QKeyEvent>

using namespace ui;

namespace {

// The physical keys of the digit row that carry 1 and 0, as the platform
// numbers them: on layouts where that row gives other characters without
// Shift (AZERTY), they are still the two players' keys.
bool isPhysicalKey(const QKeyEvent *e, int digit) {
#if defined(Q_OS_WIN)
    const quint32 native = e->nativeScanCode(), one = 0x02, zero = 0x0B; // scan codes
#elif defined(Q_OS_MACOS)
    const quint32 native = e->nativeVirtualKey(), one = 0x12, zero = 0x1D; // virtual key codes
#else
    const quint32 native = e->nativeScanCode(), one = 10, zero = 19; // X11 key codes
#endif
    return native == (digit == 1 ? one : zero);
}

} // namespace

void Traduci::keyPress(int &keyAscii, const QKeyEvent *event) {
    if (state.playerCount == 2 && event && keyAscii != 48 && keyAscii != 49 && keyAscii != 27) {
        if (isPhysicalKey(event, 1))
            keyAscii = 49;
        else if (isPhysicalKey(event, 0))
            keyAscii = 48;
    }
    handleKey(keyAscii);
}

void Traduci::handleKey(int &k) {
    TraduciState &s = state;
    if (k == 27) {
        k = 0;
        if (playing())
            for (game::Listener *l : listeners_)
                if (l->escapeTaken()) return;
        esci();
        return;
    }
    // The player's keys wait while the word pool is built; any other that
    // reaches the board meanwhile is dropped: no word is asked yet.
    if (buildingPool()) {
        k = 0;
        return;
    }
    if (Parola->caption().left(9) == QStringLiteral("Quamlibet")) {
        k = 0;
        Imposta_Click();
        return;
    }
    if (s.answering == 0 || s.gameOver) {
        k = 0;
        return;
    }
    if ((k == 13 || k == 32) && s.playerCount == 1) {
        k = 0;
        giudica1(s.currentCandidate);
    } else if ((k == 48 || k == 49) && s.playerCount == 2) {
        const int p = k - 47;
        k = 0;
        giudica2(p, s.currentCandidate);
    }
}

void Traduci::giudica1(int h) {
    TraduciState &s = state;
    const bool right = sign(h)->caption() == sign(s.correctCandidate)->caption();
    notify([&](game::Listener &l) { l.strikeJudged({1, right, asked_}); });
    if (!right) {
        s.errorCount += 1;
        mostrapunteggio();
        suona(QStringLiteral("Wrong"));
        sign(h)->setShown(false);
        return;
    }
    s.answering = 0;
    s.wordsDone += 1;
    mostrapunteggio();
    rispostagiusta(1);
    if (s.wordsDone != s.wordsPerGame) {
        for (int i = 0; i < s.candidateCount; ++i) {
            if (i != h) sign(i)->setShown(true);
        }
        prossimovocabolo();
        return;
    }
    finepartita();
    s.answering = 1;
}

void Traduci::giudica2(int p, int h) {
    TraduciState &s = state;
    if (s.lockedOut[p] == 1) return;
    const bool right = sign(h)->caption() == sign(s.correctCandidate)->caption();
    notify([&](game::Listener &l) { l.strikeJudged({p, right, asked_}); });
    if (!right) {
        suona(QStringLiteral("Wrong"));
        sign(h)->setShown(false);
        s.lockedOut[1] = 0;
        s.lockedOut[2] = 0;
        s.lockedOut[p] = 1;
        figura(p)->setPicture((p == 1 ? Imr : Iml)(6)->picture());
        Labelsotto1->setCaption(s.statusTexts[2 + p]);
        s.lockoutRemaining = 15000;
        return;
    }
    s.answering = 0;
    rispostagiusta(p);
    s.wordsDone += 1;
    s.playerScore[p] += 1;
    mostrapunteggio();
    if (!(s.playerScore[p] > s.wordsPerGame / 2)) {
        s.lockedOut[1] = 0;
        s.lockedOut[2] = 0;
        Labelsotto1->setCaption(s.statusTexts[2]);
        prossimovocabolo();
        return;
    }
    s.lockedOut[3 - p] = 1; // the loser, for the end scene
    finepartita();
    s.answering = 1;
}

void Traduci::esci() {
    const Answer a =
        platform().messageBox(QStringLiteral("In perpetuum, amice mi, ave atque vale."),
                              QStringLiteral("Fabula acta est"), Icon::Exclamation, Buttons::OkCancel);
    if (a != Answer::Ok) return;
    notify([](game::Listener &l) { l.programEnding(); });
    closeSoundDevices();
    platform().endProgram(0);
}

void Traduci::Esci_Click() {
    esci();
}

void Traduci::connectClicks() {
    auto asKey = [this](int code) {
        return [this, code] {
            int k = code;
            handleKey(k);
        };
    };
    connect(arapacis, &Control::Click, this, asKey(13));
    for (int k = 1; k <= 4; ++k)
        connect(fumetto(k), &Control::Click, this, asKey(13));
    connect(Labelsotto1, &Control::Click, this, asKey(27));
    connect(Parola, &Control::Click, this, &Traduci::Imposta_Click);
}
