// The settings window's handlers: keys, the class boxes and their checks, the
// personal vocabulary, players, speed, O.K. with the hand-over to the main
// window, Exit, and saving the settings.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "settings/store.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>
#include <QFile>
#include <algorithm>

using namespace ui;

namespace {

const QString changed = QStringLiteral("cambiato");

// The states of boxes 1..4 of a group, one digit each, box 1 first.
QString states(const ControlArray<CheckBox> &boxes) {
    QString s;
    for (int k = 1; k <= 4; ++k)
        s += plainForm(boxes(k)->value());
    return s;
}

// A group of class boxes keeps at least one box ticked: clearing the last one
// is refused and the box is ticked again.
void keepOneTicked(const ControlArray<CheckBox> &boxes, int index) {
    if (states(boxes).contains(QLatin1Char('1'))) return;
    platform().messageBox(QStringLiteral("Noli omnia auferre!"), QString(), Icon::Critical, Buttons::Ok);
    boxes(index)->setValue(1);
}

} // namespace

void Impostazioni::keyPress(int &keyAscii, const QKeyEvent *) {
    // The key goes on to the focused control as well.
    if (keyAscii == '0')
        Picture1_Click(1);
    else if (keyAscii == '1' && Giocatori(2)->value())
        Picture1_Click(2);
}

void Impostazioni::Chclassi_Click(int index) {
    Frame2->setTag(changed);
    keepOneTicked(Chclassi, index);
}

void Impostazioni::Chfreq_Click(int index) {
    Frame2->setTag(changed);
    if (index > 0) {
        keepOneTicked(Chfreq, index);
        return;
    }
    // The personal vocabulary has no frequency classes and always translates
    // in its first language; a list of the teacher's own offers the
    // languages of its heading, as the standard file does.
    const QString file = main_->personalVocabulary();
    const bool own = file != QStringLiteral("vocpers.txt");
    if (Chfreq(0)->value() == 1) {
        if (!vocabulary::isReadableFile(file)) {
            const QString path = own ? QDir::toNativeSeparators(file)
                                     : QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator() +
                                           QStringLiteral("vocpers.txt");
            platform().messageBox(tr("file \"%1\" inesistente").arg(path),
                                  tr("Manca il vocabolario personale"), Icon::Exclamation, Buttons::Ok);
            // A list gone missing gives way to vocpers.txt, which may be ticked next.
            if (own) main_->setPersonalVocabulary(QStringLiteral("vocpers.txt"));
            Chfreq(0)->setValue(0);
            if (!own) Chfreq(0)->setShown(false);
        } else {
            Frame3->setShown(false);
            if (own) {
                refillLanguages(file);
                Frame4->setShown(Lingue->listCount() > 1);
            } else {
                Frame4->setShown(false);
            }
        }
    } else {
        if (languagesOf_ != QStringLiteral("vocabula.txt")) refillLanguages(QStringLiteral("vocabula.txt"));
        Frame3->setShown(true);
        Frame4->setShown(true);
    }
}

void Impostazioni::refillLanguages(const QString &file) {
    // The language keeps its place in the list where the new list has it.
    const int index = Lingue->listIndex();
    Lingue->clear();
    riempilingue(file);
    languagesOf_ = file;
    Lingue->setListIndex(std::clamp(index, 0, std::max(0, Lingue->listCount() - 1)));
}

void Impostazioni::similino_Click() {
    Frame2->setTag(changed);
}

void Impostazioni::Lingue_Click() {
    Lingue->setTag(QStringLiteral("s"));
    Frame2->setTag(changed);
}

void Impostazioni::Giocatori_Click(int index) {
    // Player 2 shows only in a two-player game.
    const bool two = index == 2;
    Picture1(2)->setShown(two);
    Picture1(4)->setShown(two);
    nomefoto(2)->setShown(two);
}

void Impostazioni::velox_Change() {
    velocita->setCaption(QStringLiteral("Ludi celeritas: ") + signedForm(velox->value()));
}

void Impostazioni::okay_Click(int index) {
    if (index == 1) {
        setTag(QString());
        hide();
        return;
    }
    if (Giocatori(2)->value() && nomefoto(1)->caption() == nomefoto(2)->caption()) {
        platform().messageBox(QStringLiteral("Nemo potest contra se ipsum pugnare."),
                              QStringLiteral("Persona mutanda est"), Icon::None, Buttons::Ok);
        return;
    }
    setTag(QStringLiteral("fatto"));
    // Both players are handed over, player 2 also in a one-player game.
    const int p1 = personaDi(1), p2 = personaDi(2);
    main_->foto1->setPicture(Picture1(1)->picture());
    main_->foto1->setToolTipText(battuta(1)->caption());
    main_->foto1->setTag(persone.at(p1).at(1));
    main_->foto2->setPicture(Picture1(2)->picture());
    main_->foto2->setToolTipText(battuta(2)->caption());
    main_->foto2->setTag(persone.at(p2).at(1));
    main_->Imr(4)->setTag(persone.at(p1).at(3));
    main_->Imr(5)->setTag(persone.at(p1).at(4));
    main_->Iml(4)->setTag(persone.at(p2).at(3));
    main_->Iml(5)->setTag(persone.at(p2).at(4));
    main_->Timer1->setInterval(600 - 100 * velox->value());
    hide();
}

void Impostazioni::Memento_Click() {
    salvaimpostazioni();
}

void Impostazioni::salvaimpostazioni() {
    SettingsStore store;
    store.write(QStringLiteral("Giocatori"),
                Giocatori(2)->value() ? QStringLiteral("2") : QStringLiteral("1"));
    store.write(QStringLiteral("Dafare"), plainForm(10 * quverbi->listIndex() + 10));
    store.write(QStringLiteral("Classiscelte"), states(Chclassi));
    store.write(QStringLiteral("Frequenze"), states(Chfreq));
    store.write(QStringLiteral("Suoni"), plainForm(suoni->value()));
    store.write(QStringLiteral("Musica"), plainForm(musica->value()));
    store.write(QStringLiteral("Lingua"), plainForm(Lingue->listIndex()));
    store.write(QStringLiteral("Escludisimili"), plainForm(similino->value()));
    store.write(QStringLiteral("Giocatore1"), plainForm(personaDi(1)));
    store.write(QStringLiteral("Giocatore2"), plainForm(personaDi(2)));
}
