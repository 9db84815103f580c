#include "support/gamedriver.h"

#include "board/traduci.h"
#include "settings/impostazioni.h"

#include <QTest>

void answerSettings(FakePlatform &platform, const GameChoice &choice, bool confirm) {
    platform.onModal = [choice, confirm, &platform](ui::Form *form) {
        platform.onModal = nullptr;
        auto *w = qobject_cast<Impostazioni *>(form);
        if (!w) {
            form->hide();
            return;
        }
        w->Giocatori(choice.players)->setValue(true);
        w->quverbi->setListIndex(choice.words / 10 - 1);
        w->velox->setValue(choice.speed);
        w->similino->setValue(choice.excludeSimilar ? 1 : 0);
        if (choice.tweak) choice.tweak(w);
        w->okay(confirm ? 0 : 1)->press();
    };
}

void startGame(BoardFixture &fx, const GameChoice &choice) {
    Traduci &b = fx.board();
    answerSettings(fx.platform, choice);
    b.Imposta->trigger();
}

bool highlight(Traduci &b, int box) {
    for (int i = 0; i < 30; ++i) {
        if (b.state.currentCandidate == box && b.sign(box)->backColor() == QColor(255, 255, 0)) return true;
        b.Timer1_Timer();
    }
    return false;
}

void press(Traduci &b, int key) {
    if (key < 128 && key >= 32)
        QTest::keyClick(&b, static_cast<char>(key));
    else
        QTest::keyClick(&b, static_cast<Qt::Key>(key));
}

void answer(Traduci &b, bool right, int player) {
    int box = b.state.correctCandidate;
    if (!right) {
        for (int i = 0; i < 12; ++i) {
            if (b.sign(i)->shown() && b.sign(i)->caption() != b.sign(b.state.correctCandidate)->caption()) {
                box = i;
                break;
            }
        }
    }
    highlight(b, box);
    press(b, player == 0 ? int(Qt::Key_Return) : player == 1 ? '0' : '1');
}
