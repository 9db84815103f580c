// LessiCorsa: a game for drilling Latin vocabulary.
#include "board/traduci.h"
#include "ui/application.h"
#include "ui/multimedia.h"
#include "ui/platform.h"

#include <QApplication>

int main(int argc, char **argv) {
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    ui::setUpApplication();
    ui::setBeforeEnd(&ui::shutdownAudio);
    Traduci board;
    board.show();
    const int code = app.exec();
    ui::shutdownAudio();
    return code;
}
