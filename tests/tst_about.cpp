// The about window: its caption and place before any game, closing with
// Enter and Esc.

#include "about/frmabout.h"
#include "board/traduci.h"
#include "support/gamedriver.h"
#include "ui/application.h"

#include <QApplication>
#include <QPointer>
#include <QtTest>

using namespace ui;

namespace {
// Opens the about window as the menu item does and hands it to `look` while
// it is shown; then closes it with its O.K. button unless `look` did.
void openAbout(BoardFixture &fx, const std::function<void(frmAbout *)> &look) {
    bool seen = false;
    fx.platform.onModal = [&](Form *form) {
        QPointer<frmAbout> about = qobject_cast<frmAbout *>(form);
        QVERIFY(about);
        seen = true;
        look(about);
        if (about && !about->isHidden()) about->Command1->press();
    };
    fx.board().Info_Click();
    fx.platform.onModal = nullptr;
    QVERIFY(seen);
}
} // namespace

class TestAbout : public QObject {
    Q_OBJECT
  private slots:
    // What the window shows before any game and after a game of one or two
    // players is in its pictures (tst_looks): here its caption, its centring
    // by the outer size of the narrowed window, and that it does not need the
    // settings window before any game.
    void beforeAnyGame() {
        BoardFixture fx;
        Traduci &b = fx.board();
        openAbout(fx, [&](frmAbout *about) {
            QCOMPARE(about->caption(), QStringLiteral("LessiCorsa!"));
            QCOMPARE(about->outerWidth(), frmAbout::narrowWidth);
            QVERIFY(qAbs(about->left() - (fx.platform.screen.width() - frmAbout::narrowWidth) / 2) <= 15);
            QVERIFY(!b.hasImpostazioni());
        });
    }

    void keysCloseAndUnload() {
        BoardFixture fx;
        QPointer<frmAbout> opened;
        for (const auto &[key, text] : {std::pair{Qt::Key_Return, "\r"}, std::pair{Qt::Key_Escape, "\x1b"}})
            openAbout(fx, [&](frmAbout *about) {
                opened = about;
                pressKey(about, key, QString::fromLatin1(text));
                QVERIFY(about->isHidden());
            });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!opened);
        // the key closed the about window only: the board did not start a game
        QCOMPARE(fx.platform.modalWindows, (QList<QString>{"frmAbout", "frmAbout"}));
    }
};

int main(int argc, char **argv) {
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    ui::setUpApplication();
    TestAbout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_about.moc"
