// The about window: its three arrangements (before any game, after a
// one-player and after a two-player game), closing with Enter and Esc.

#include "about/frmabout.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
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
    void arrangements_data() {
        QTest::addColumn<int>("players");    // 0: before any game
        QTest::addColumn<bool>("discarded"); // the settings window discarded before
        QTest::addColumn<float>("width");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("arrows"); // Freccia(1..3) shown
        const float wide = 10170.0f + 2 * Form::borderTwips;
        QTest::addRow("before any game") << 0 << false << 3660.0f << QString() << QString();
        QTest::addRow("one player") << 1 << false << wide << "Cicero\r'Enter' vel\r'Space'|"
                                    << "001";
        QTest::addRow("two players, settings discarded") << 2 << true << wide << "Cicero|Caesar"
                                                         << "110";
    }
    void arrangements() {
        QFETCH(int, players);
        QFETCH(bool, discarded);
        QFETCH(float, width);
        QFETCH(QString, labels);
        QFETCH(QString, arrows);
        BoardFixture fx;
        Traduci &b = fx.board();
        if (players > 0) { // the board as a game for `players` leaves it
            b.sign(1)->setCaption(QStringLiteral("amare"));
            b.colonna(2)->setShown(players == 2);
            Impostazioni *w = fx.settings();
            moveTo(w, 2, 6);
            if (discarded) fx.newSettings(); // read anew from the store
        }
        openAbout(fx, [&](frmAbout *about) {
            QCOMPARE(about->caption(), QStringLiteral("LessiCorsa!"));
            QCOMPARE(about->lblVersion->caption(), QStringLiteral("LessiCorsa 4.1.13"));
            QCOMPARE(about->outerWidth(), width);
            // centred on the screen by its outer size
            QVERIFY(qAbs(about->left() - (fx.platform.screen.width() - width) / 2) <= 15);
            for (QWidget *w : std::initializer_list<QWidget *>{about->lblVersion, about->Command1})
                QVERIFY(w->geometry().right() < about->client()->width()); // inside the narrowed window
            if (players == 0) {
                QVERIFY(!b.hasImpostazioni()); // not needed, so not created
                return;
            }
            QCOMPARE(about->Label1(1)->caption() + '|' + (players == 2 ? about->Label1(2)->caption() : ""),
                     labels);
            QString shown;
            for (int k = 1; k <= 3; ++k)
                shown += about->Freccia(k)->shown() ? '1' : '0';
            QCOMPARE(shown, arrows);
            QCOMPARE(about->Picture1(2)->isVisibleTo(about), players == 2);
            QCOMPARE(about->Picture1(players)->picture(), fx.settings()->Picture1(players)->picture());
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
