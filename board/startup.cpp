// Start-up of the main window: from the sound devices to the idle board.

#include "board/guard.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/error.h"
#include "ui/platform.h"

using namespace ui;

bool runUnderGuard(const std::function<void()> &step) {
    try {
        step();
        return true;
    } catch (const RuntimeError &e) {
        if (e.code == RuntimeError::FileNotFound) return true;
        platform().messageBox(Traduci::tr("errore %1").arg(signedForm(e.code)), QString(), Icon::None,
                              Buttons::Ok);
        platform().endProgram(0);
        return false;
    }
}

void Traduci::Form_Load() {
    openSoundDevices();
    Timer1_Timer();
    state.barBaseHeight = 1605;
    centre();
    state.gameOver = false;
    state.candidateCount = 12;
    for (int k = 0; k < state.candidateCount; ++k)
        sign(k)->setBackColor(QColor(255, 255, 255));

    const std::function<void()> steps[] = {
        [this] {
            state.vocabularyFile = QStringLiteral("vocabula.txt");
            state.loadedFile = QStringLiteral("vocabula.txt");
        },
        [this] { aprivocaboli(QStringLiteral("vocabula.txt")); },
        // The stored settings reach the board through the settings window's
        // controls: the window the idle tick made, loaded from the store.
        [this] {
            if (impostazioni()->musica->value() != 0) state.musicOn = -1;
        },
        [this] {
            if (impostazioni()->suoni->value() != 0) {
                state.soundsOn = -1;
                suona(QStringLiteral("Vittoria"));
            }
        },
        [this] { closeImpostazioni(); },
        [this] { disponitavola(); },
        [this] { state.playerCount = 2; },
        [this] { mostraritratti(); },
        [this] { Cornice->setShown(false); },
        [this] {
            arapacis->setTop(foto1->top());
            arapacis->setLeft(Cornice->left());
            arapacis->setShown(true);
        },
        [this] { Timer1->setEnabled(true); },
    };
    for (const auto &step : steps) {
        if (!runUnderGuard(step)) return;
    }
}
