// The settings window's load (each time it is created) and activate (each time
// it is shown), and the reading of the settings store into the controls.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "settings/store.h"
#include "ui/convert.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>
#include <QFile>
#include <algorithm>

using namespace ui;

namespace {

QString nativeFolder() {
    return QDir::toNativeSeparators(QDir::currentPath());
}

// The names of the translation languages of a vocabulary file (the standard
// one by default): its heading's fields from the fourth on, the heading read
// up to its first comma. The file is opened on its own, so a load of the main
// window's vocabulary is not disturbed, and decoded as the loader decodes it.
QStringList languageNames(const QString &name = QStringLiteral("vocabula.txt")) {
    if (!vocabulary::isReadableFile(name)) return {};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString heading = vocabulary::firstLine(file);
    const qsizetype comma = heading.indexOf(QLatin1Char(','));
    if (comma >= 0) heading.truncate(comma);
    return heading.split(QLatin1Char(';')).mid(3);
}

// The language selected from the stored index: the first one when the index
// is not in the list.
int chosenLanguage(const QString &stored, qsizetype count) {
    const long long language = roundHalfEven(val(stored));
    return language < 0 || language >= count ? 0 : static_cast<int>(language);
}

} // namespace

void Impostazioni::Form_Load() {
    riempipersone();
    mostrarepertorio();
    assegnapersona(1, 1);
    assegnapersona(2, 2);
    // A window created anew after a game keeps the characters last handed over.
    restituiscipersona(1, main_->foto1->tag());
    restituiscipersona(2, main_->foto2->tag());
    for (Control *c :
         std::initializer_list<Control *>{nomefoto(0), Picture1(3), Picture1(4), Picture1(1), Picture1(2),
                                          nomefoto(1), nomefoto(2), battuta(1), battuta(2)})
        c->setShown(true);
    if (main_->tag().isEmpty()) leggiimpostazioni();

    Memento->setToolTipText(tr("Salva le impostazioni - Save settings"));
    Giocatori(1)->setToolTipText(
        tr("Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta."));
    Giocatori(2)->setToolTipText(
        tr("Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di destra usa il tasto 0."));
    velocita->setToolTipText(tr("Imposta la velocità di svolgimento del gioco"));
    quverbi->setToolTipText(tr("Imposta il numero di verbi su cui svolgere l'esercizio"));
    similino->setToolTipText(tr("Spuntare la casella per escludere dal gioco i vocaboli tropppo "
                                "simili all'italiano (prime due lettere uguali)."));
    Frame3->setToolTipText(tr("I 1600 vocaboli latini più frequenti sono divisi in 4 classi di "
                              "frequenza: scegliere quelli con cui giocare"));
    for (int k = 1; k <= 4; ++k)
        Chfreq(k)->setToolTipText(Frame3->toolTipText());
    okay(0)->setToolTipText(QStringLiteral("Ibo an redibo? Ibo"));
    okay(1)->setToolTipText(QStringLiteral("Ibo an redibo? Redibo"));

    velox_Change();
    centre();
    for (int n = 10; n <= 50; n += 10)
        quverbi->addItem(plainForm(n) + QStringLiteral(" vocabula"));
    selezionaquverbi();
    riempilingue();
    Lingue->setListIndex(chosenLanguage(Lingue->tag(), Lingue->listCount()));
    if (Giocatori(1)->value()) Giocatori_Click(1);
}

void Impostazioni::leggiimpostazioni() {
    const StoredSettings s = StoredSettings::read(SettingsStore());
    Giocatori(s.twoPlayers ? 2 : 1)->setValue(true);
    quverbi->setTag(s.wordsPerGame);
    suoni->setValue(s.sounds);
    musica->setValue(s.music);
    similino->setValue(s.excludeSimilar);
    for (int k = 1; k <= 4; ++k)
        Chfreq(k)->setValue(s.frequencies[k]);
    for (int k = 1; k <= 4; ++k)
        Chclassi(k)->setValue(s.classes[k]);
    assegnapersona(1, s.player1);
    assegnapersona(2, s.player2);
    Lingue->setTag(s.language);
}

void Impostazioni::mostrarepertorio() {
    const QString file = main_->personalVocabulary();
    Chfreq(0)->setCaption(QStringLiteral("Repertorio meo utor\r(") +
                          (file == QStringLiteral("vocpers.txt")
                               ? nativeFolder() + QDir::separator() + QStringLiteral("vocpers.txt")
                               : QDir::toNativeSeparators(file)) +
                          QLatin1Char(')'));
}

void Impostazioni::riempilingue(const QString &name) {
    for (const QString &language : languageNames(name))
        Lingue->addItem(language);
}

void Impostazioni::selezionaquverbi() {
    quverbi->setListIndex(1);
    const double x = val(quverbi->tag()) / 10;
    // An index past the list selects nothing new.
    if (x != 0) quverbi->setListIndex(static_cast<int>(std::clamp(roundHalfEven(x - 1), -2LL, 1000LL)));
}

void Impostazioni::activate() {
    main_->hide();
    Frame2->setTag(QString());
    selezionaquverbi();
}
