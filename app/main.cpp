// LessiCorsa: a game for drilling Latin vocabulary.
#include "board/traduci.h"
#include "ui/application.h"

#include <QApplication>

int main(int argc, char **argv) {
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    ui::setUpApplication();
    Traduci board;
    board.show();
    return app.exec();
}
