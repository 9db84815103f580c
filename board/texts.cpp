// The status line's instruction and lock-out texts, the counters and the vocative.

#include "board/traduci.h"
#include "ui/convert.h"

using namespace ui;

QString Traduci::vocativo(const QString &nom) {
    if (nom == QStringLiteral("Vergilius")) return QStringLiteral("Vergili");
    if (nom == QStringLiteral("Horatius")) return QStringLiteral("Horati");
    if (nom == QStringLiteral("Catullus")) return QStringLiteral("Catulle");
    return nom;
}

void Traduci::preparamessaggi() {
    auto &t = state.statusTexts;
    const auto &n = state.playerNames;
    t[1] = QStringLiteral("Enter vel Space. Si interrumpere vis: Esc.");
    t[2] = n[2] + QStringLiteral(": 1.  ") + n[1] + QStringLiteral(": 0.  Si interrumpere vultis: Esc.");
    t[3] = QStringLiteral("Vae, ") + vocativo(n[1]) + QStringLiteral("!  Erravisti!  Nunc ") + n[2] +
           QStringLiteral(" tantum ludere potest.");
    t[4] = QStringLiteral("Vae, ") + vocativo(n[2]) + QStringLiteral("!  Erravisti!  Nunc ") + n[1] +
           QStringLiteral(" tantum ludere potest.");
}

void Traduci::mostrapunteggio() {
    Labverbi->setCaption(QStringLiteral("Vocabula ") + plainForm(state.wordsDone) + QStringLiteral(" ex ") +
                         plainForm(state.wordsPerGame));
    if (state.playerCount != 1) {
        for (int k = 1; k <= 2; ++k)
            punti(k)->setCaption(plainForm(state.playerScore[k]));
        return;
    }
    Lab(2)->setCaption(QStringLiteral("Errores: ") + plainForm(state.errorCount));
}
