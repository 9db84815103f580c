// The four sound devices of the main window: background music and three effects.

#include "board/traduci.h"
#include "ui/multimedia.h"

using namespace ui;

void Traduci::openSoundDevices() {
    // Failures are ignored here: a missing file or device leaves that sound silent.
    for (MultimediaDevice *d : {MCIvittoria, MCIright, MCiwrong, MCImusica})
        d->setCommand(QStringLiteral("Open"));
    MCIvittoria->setNotify(true);
    // After the fanfare the music starts if it is wanted; when the piece ends it
    // starts again from the beginning.
    connect(MCIvittoria, &MultimediaDevice::Done, this, [this](int code) {
        if (code == 1) aggiornamusica();
    });
    connect(MCImusica, &MultimediaDevice::Done, this, [this](int code) {
        if (code == 1) aggiornamusica();
    });
}

void Traduci::suona(const QString &name) {
    if (state.soundsOn == 0) return;
    MultimediaDevice *d = name == QStringLiteral("Vittoria") ? MCIvittoria
                          : name == QStringLiteral("Right")  ? MCIright
                          : name == QStringLiteral("Wrong")  ? MCiwrong
                                                             : nullptr;
    if (!d) return;
    d->setCommand(QStringLiteral("Prev"));
    d->setCommand(QStringLiteral("Play"));
}

void Traduci::aggiornamusica() {
    if (state.musicOn == 0) {
        MCImusica->setCommand(QStringLiteral("Close"));
        return;
    }
    if (MCImusica->mode() == 526) return;
    for (const char *c : {"Close", "Open", "Prev", "Play"})
        MCImusica->setCommand(QString::fromLatin1(c));
}

void Traduci::closeSoundDevices() {
    for (MultimediaDevice *d : {MCImusica, MCIvittoria, MCIright, MCiwrong})
        d->setCommand(QStringLiteral("Close"));
}
