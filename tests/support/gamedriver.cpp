#include "support/gamedriver.h"

#include "board/traduci.h"
#include "settings/impostazioni.h"

#include <QKeyEvent>
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

QString boxStates(const ui::ControlArray<ui::CheckBox> &boxes) {
    QString s;
    for (int k = 1; k <= 4; ++k)
        s += QString::number(boxes(k)->value());
    return s;
}

void pressKey(QWidget *w, Qt::Key key, const QString &text) {
    static ulong stamp = 1000;
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent e(type, key, Qt::NoModifier, text);
        e.setTimestamp(++stamp);
        QCoreApplication::sendEvent(w, &e);
    }
}

void moveTo(Impostazioni *w, int g, int n) {
    for (int i = 0; i < 6 && w->Picture1(g)->tag() != QString::number(n); ++i)
        w->Picture1_Click(g);
}

int visibleBoxes(Traduci &b) {
    int n = 0;
    for (int k = 0; k < 12; ++k)
        n += b.sign(k)->shown();
    return n;
}
