#include "board/traduci.h"

#include "settings/impostazioni.h"
#include "ui/platform.h"

#include <QKeyEvent>

using namespace ui;

Traduci::Traduci() : Form(QStringLiteral("Traduci"), Border::FixedSingle, 7035, 6300) {
    setCaption(QStringLiteral("LessiCorsa!"));
    setBackColor(QColor(255, 128, 0));
    setForeColor(QColor(255, 128, 0));
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(12);
    setFont(f);
    setKeyPreview(true);
    setWindowIcon(ui::Picture::load(QStringLiteral("icon")).icon());
    createControls();
    createMenu();
    // The tracks and the title are the costliest pictures of the first paint:
    // they start rendering now, at the sizes the start-up gives them, while
    // the rest of the window is being made.
    for (int k : {1, 2})
        barrone(k)->setHeight(trackHeight());
    barrone(1)->prepare(barrone(1)->picture());
    arapacis->prepare(arapacis->picture());
    renderPicturesAhead();
    connect(Timer1, &Timer::tick, this, &Traduci::Timer1_Timer);
    connectClicks();
    Form_Load();
}

Traduci::~Traduci() {
    releaseControls();
    if (impostazioni_) delete impostazioni_.data();
}

Impostazioni *Traduci::impostazioni() {
    if (!impostazioni_ || impostazioni_->discarded()) impostazioni_ = new Impostazioni(this);
    return impostazioni_;
}

bool Traduci::hasImpostazioni() const {
    return impostazioni_ && !impostazioni_->discarded();
}

void Traduci::closeImpostazioni() {
    if (impostazioni_) {
        Impostazioni *w = impostazioni_;
        impostazioni_ = nullptr;
        w->hide();
        w->deleteLater();
    }
}

bool Traduci::queryClose() {
    // Closing the board ends the program, closing the sound devices first.
    notify([](game::Listener &l) { l.programEnding(); });
    closeSoundDevices();
    platform().endProgram(0);
    return true;
}
