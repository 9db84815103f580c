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

class TestAbout : public QObject {
    Q_OBJECT
  private slots:
    // What the window shows is in its pictures (tst_looks): here its caption,
    // its centring by the outer size of the narrowed window, that it does not
    // need the settings window before any game, and that Enter and Esc close
    // and unload it without the board starting a game.
    void beforeAnyGame() {
        BoardFixture fx;
        Traduci &b = fx.board();
        QPointer<frmAbout> opened;
        for (const auto &[key, text] : {std::pair{Qt::Key_Return, "\r"}, std::pair{Qt::Key_Escape, "\x1b"}}) {
            fx.platform.onModal = [&](Form *form) {
                opened = qobject_cast<frmAbout *>(form);
                QVERIFY(opened);
                QCOMPARE(opened->caption(), QStringLiteral("LessiCorsa!"));
                QCOMPARE(opened->outerWidth(), frmAbout::narrowWidth);
                QVERIFY(qAbs(opened->left() - (fx.platform.screen.width() - frmAbout::narrowWidth) / 2) <=
                        15);
                QVERIFY(!b.hasImpostazioni());
                pressKey(opened, key, QString::fromLatin1(text));
                QVERIFY(opened->isHidden());
            };
            b.Info_Click();
        }
        fx.platform.onModal = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!opened);
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
