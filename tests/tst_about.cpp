// The about window: its three arrangements (before any game, after a
// one-player game, after a two-player game) with the version text in each
// branch of its load, closing with Enter and Esc, the button over the
// author's portrait, and opening it from the board with F1.

#include "about/frmabout.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/fakeplatform.h"
#include "ui/application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace ui;

class TestAbout : public QObject {
    Q_OBJECT

  private:
    // Opens the about window the way the menu item does and hands it to
    // `look` while it is shown; `look` may close it, otherwise it is closed
    // with its O.K. button afterwards.
    void openAbout(const std::function<void(frmAbout *)> &look) {
        bool seen = false;
        platform_->onModal = [&](Form *form) {
            auto *about = qobject_cast<frmAbout *>(form);
            QVERIFY(about);
            seen = true;
            QPointer<frmAbout> alive(about);
            look(about);
            if (alive && !alive->isHidden()) alive->Command1->press();
        };
        board_->Info_Click();
        platform_->onModal = nullptr;
        QVERIFY(seen);
    }

    // Makes the board look as it does once a game for `players` has been set
    // up, with known characters in the settings window.
    Impostazioni *setUpGame(int players) {
        board_->sign(1)->setCaption(QStringLiteral("amare"));
        board_->colonna(2)->setShown(players == 2);
        Impostazioni *settings = board_->impostazioni();
        settings->nomefoto(1)->setCaption(QStringLiteral("Cicero"));
        settings->nomefoto(2)->setCaption(QStringLiteral("Seneca"));
        settings->Picture1(1)->setPicture(Picture::load(QStringLiteral("foto1")));
        settings->Picture1(2)->setPicture(Picture::load(QStringLiteral("foto6")));
        return settings;
    }

    // A key press and release as the keyboard sends them. Each press carries a
    // time stamp of its own: the window's key routing tells a press it has
    // already seen by its time stamp, and QTest's key clicks all carry 0.
    static void pressKey(QWidget *w, Qt::Key key, const QString &text) {
        static ulong stamp = 1000;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        press.setTimestamp(++stamp);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        release.setTimestamp(++stamp);
        QApplication::sendEvent(w, &release);
    }

    static int pixelRight(const QWidget *w) { return w->geometry().x() + w->geometry().width(); }

    QTemporaryDir dir_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<Traduci> board_;

  private slots:
    void initTestCase() {
        platform_ = std::make_unique<FakePlatform>();
        useTemporarySettings();
        QVERIFY(dir_.isValid());
        QFile f(dir_.filePath(QStringLiteral("vocabula.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Ordo;Classis;Verbum latinum;Italiano;English\r\n");
        for (int i = 1; i <= 120; ++i)
            f.write(QStringLiteral("%1;%2;verbum%3;parola%3;word%3\r\n")
                        .arg(1 + i % 4)
                        .arg(1 + (i / 4) % 4)
                        .arg(i)
                        .toLatin1());
        f.close();
        QVERIFY(QDir::setCurrent(dir_.path()));
    }

    void init() {
        platform_->modalWindows.clear();
        board_ = std::make_unique<Traduci>();
    }

    void cleanup() {
        board_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void beforeAnyGameOnlyTheCreditsShow() {
        QCOMPARE(board_->sign(1)->caption(), QStringLiteral("?"));
        openAbout([&](frmAbout *about) {
            QCOMPARE(about->caption(), QStringLiteral("LessiCorsa!"));
            QCOMPARE(about->outerWidth(), 3660.0f);
            // Centred on the screen by its outer size.
            const QSizeF screen = platform_->screen;
            QVERIFY(qAbs(about->left() - (screen.width() - 3660) / 2) <= 15);
            QVERIFY(qAbs(about->top() - (screen.height() - about->outerHeight()) / 2) <= 15);
            // Everything of the credits part lies inside the narrowed window.
            const int inside = about->client()->width();
            for (QWidget *w : std::initializer_list<QWidget *>{about->lblVersion, about->lbldes, about->email,
                                                               about->Command1, about->Command3}) {
                QVERIFY2(w->isVisibleTo(about), qPrintable(w->objectName()));
                QVERIFY2(pixelRight(w) <= inside, qPrintable(w->objectName()));
            }
            QCOMPARE(about->lblVersion->caption(), QStringLiteral("LessiCorsa 4.1.13"));
            // The settings window is not needed, so it is not created.
            QVERIFY(!board_->hasImpostazioni());
        });
        QCOMPARE(platform_->modalWindows, QList<QString>{QStringLiteral("frmAbout")});
    }

    void onePlayerGameShowsBentArrowAndBothKeys() {
        Impostazioni *settings = setUpGame(1);
        openAbout([&](frmAbout *about) {
            QCOMPARE(about->outerWidth(), 10170.0f + 2 * Form::borderTwips);
            QCOMPARE(about->Picture1(1)->picture(), settings->Picture1(1)->picture());
            QCOMPARE(about->Label1(1)->caption(), QStringLiteral("Cicero\r'Enter' vel\r'Space'"));
            // Three lines of text: the label has grown to hold them.
            QVERIFY(about->Label1(1)->height() >= 3 * QFontMetrics(about->Label1(1)->font()).height());
            // Moved to 6000 and 7050 units: 6389 and 7508 twips.
            QCOMPARE(about->Picture1(1)->left(), 6000.0f);
            QCOMPARE(about->Label1(1)->left(), 7050.0f);
            QCOMPARE(about->Picture1(1)->geometry().x(), 426);
            QCOMPARE(about->Label1(1)->geometry().x(), 501);
            QVERIFY(about->Freccia(3)->shown());
            for (QWidget *w : std::initializer_list<QWidget *>{about->Freccia(1), about->Freccia(2),
                                                               about->Picture1(2), about->Label1(2)})
                QVERIFY2(!w->isVisibleTo(about), qPrintable(w->objectName()));
            QVERIFY(pixelRight(about->Label1(1)) <= about->client()->width());
        });
    }

    void twoPlayerGameShowsBothCharacters() {
        Impostazioni *settings = setUpGame(2);
        openAbout([&](frmAbout *about) {
            QCOMPARE(about->lblVersion->caption(), QStringLiteral("LessiCorsa 4.1.13"));
            QCOMPARE(about->Picture1(1)->picture(), settings->Picture1(1)->picture());
            QCOMPARE(about->Picture1(2)->picture(), settings->Picture1(2)->picture());
            QCOMPARE(about->Label1(1)->caption(), QStringLiteral("Cicero"));
            QCOMPARE(about->Label1(2)->caption(), QStringLiteral("Seneca"));
            // Player 2 at the left under the arrow to the key 1, player 1 at the right.
            QCOMPARE(about->Picture1(2)->geometry().x(), 305);
            QCOMPARE(about->Picture1(1)->geometry().x(), 493);
            QCOMPARE(about->Label1(2)->geometry().x(), 380);
            QCOMPARE(about->Label1(1)->geometry().x(), 568);
            for (QWidget *w :
                 std::initializer_list<QWidget *>{about->Freccia(1), about->Freccia(2), about->Picture1(1),
                                                  about->Picture1(2), about->Label1(1), about->Label1(2)})
                QVERIFY2(w->isVisibleTo(about), qPrintable(w->objectName()));
            QVERIFY(!about->Freccia(3)->shown());
            // The arrows are drawn over the keyboard.
            const QPoint arrow = about->Freccia(1)->geometry().center();
            QCOMPARE(about->client()->childAt(arrow), about->Freccia(1));
        });
    }

    void readsTheSettingsWindowEvenAfterItWasDiscarded() {
        setUpGame(2);
        board_->closeImpostazioni();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!board_->hasImpostazioni());
        openAbout([&](frmAbout *about) {
            QVERIFY(board_->hasImpostazioni());
            Impostazioni *settings = board_->impostazioni();
            QCOMPARE(about->Label1(1)->caption(), settings->nomefoto(1)->caption());
            QCOMPARE(about->Label1(2)->caption(), settings->nomefoto(2)->caption());
            QCOMPARE(about->Picture1(2)->picture(), settings->Picture1(2)->picture());
        });
    }

    void keyClosesAndUnloads_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addRow("Enter") << int(Qt::Key_Return) << QStringLiteral("\r");
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << QStringLiteral("\r");
        QTest::addRow("Esc") << int(Qt::Key_Escape) << QStringLiteral("\x1b");
    }

    void keyClosesAndUnloads() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QPointer<frmAbout> opened;
        openAbout([&](frmAbout *about) {
            opened = about;
            pressKey(about, Qt::Key(key), text);
            QVERIFY(about->isHidden());
        });
        QVERIFY(!opened);
        // The key closed the about window and nothing else: the board did
        // not take it as the start of a game.
        QCOMPARE(platform_->modalWindows, QList<QString>{QStringLiteral("frmAbout")});
    }

    void portraitButtonUncoversThePortrait() {
        openAbout([](frmAbout *about) {
            QCOMPARE(about->Command3->caption(), QStringLiteral("Artificis imago (vetustior)"));
            const QPoint middle = about->Image1->geometry().center();
            QVERIFY(about->Image1->isVisibleTo(about));
            QWidget *top = about->client()->childAt(middle);
            QVERIFY(top == about->Command3 || about->Command3->isAncestorOf(top));
            auto *button = about->Command3->findChild<QPushButton *>();
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!about->Command3->isVisibleTo(about));
            QCOMPARE(about->client()->childAt(middle), about->Image1);
            QVERIFY(!about->isHidden());
        });
    }

    void f1OpensItFromTheBoard() {
        board_->show();
        board_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board_.get()));
        bool opened = false;
        platform_->onModal = [&](Form *form) {
            opened = qobject_cast<frmAbout *>(form) != nullptr;
            form->close();
        };
        QTest::keyClick(board_.get(), Qt::Key_F1);
        platform_->onModal = nullptr;
        QVERIFY(opened);
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
