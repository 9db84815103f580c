// LessiCorsa: a game for drilling Latin vocabulary.
#include "board/traduci.h"
#include "players/roster.h"
#include "ui/application.h"
#include "ui/language.h"
#include "ui/multimedia.h"
#include "ui/platform.h"
#include "ui/solecopy.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv) {
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "lessicorsa: no display available (DISPLAY is not set); start it from a graphical "
                     "session or under Xvfb\n");
        return 1;
    }
#endif
    ui::shareOneHeap();
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    ui::setUpApplication();
    ui::installTranslation();
    if (!ui::claimSoleCopy(players::dataFolder())) return 0;
    ui::setBeforeEnd(&ui::shutdownAudio);
    Traduci board;
    board.show();
    const int code = app.exec();
    ui::shutdownAudio();
    return code;
}
