// The help menu: the about window (its caption and place before any game,
// closing with Enter and Esc) and the teachers' manual.

#include "about/frmabout.h"
#include "auxilium/auxilium.h"
#include "auxilium/frmauxilium.h"
#include "board/traduci.h"
#include "support/gamedriver.h"
#include "ui/application.h"
#include "ui/language.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
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

    // The manual opens from "?" -> Auxilium in the interface language: its
    // table of contents holds every chapter, every picture it shows is found,
    // the search finds a word of its text; without the manual's folder, one
    // message and no window.
    void manual_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("word");
        for (const QStringList &f : tableOf(TEST_DATA_DIR "/manuals.tsv"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f.value(2) << f.value(3);
    }
    void manual() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, word);
        BoardFixture fx;
        Traduci &b = fx.board();
        QTemporaryDir empty;
        Auxilium::setFolder(title.isEmpty() ? empty.path() : QStringLiteral(ASSETS_DIR "/../docs/manual"));
        ui::installTranslation(QLocale(language));
        QCOMPARE(ui::currentLanguage(), language);
        auto *item = b.findChild<QAction *>(QStringLiteral("AuxiliumItem"));
        QVERIFY(item);
        const QList<QAction *> help = b.helpMenu()->actions();
        QCOMPARE(help.indexOf(item), help.indexOf(b.Info) + 1);
        QStringList headings;
        fx.platform.onModal = [&](Form *form) {
            auto *w = qobject_cast<frmAuxilium *>(form);
            QVERIFY(w);
            QCOMPARE(w->caption(), QStringLiteral("LessiCorsa! Auxilium"));
            headings = w->headings();
            const auto pictures = w->pictures();
            QVERIFY(pictures.size() >= 8);
            for (const auto &[file, found] : pictures)
                QVERIFY2(found, qPrintable(file));
            w->quaere->setText(word);
            QVERIFY(w->quaere_Enter());
            QCOMPARE(w->liber->textCursor().selectedText().toLower(), word.toLower());
            w->index_Click(int(headings.size()) - 1);
            QCOMPARE(w->liber->textCursor().block().text(), headings.last());
            w->Exit_Click();
        };
        item->trigger();
        fx.platform.onModal = nullptr;
        ui::installTranslation(QLocale::c());
        if (title.isEmpty()) {
            QCOMPARE(fx.platform.messages.size(), 1);
            QVERIFY(fx.platform.messages[0].text.contains(QDir::toNativeSeparators(empty.path())));
            QVERIFY(fx.platform.modalWindows.isEmpty());
            return;
        }
        QVERIFY(fx.platform.messages.isEmpty());
        // A title and the ten chapters: a game, two players, the missed words,
        // players, lists, the tournament, forms, the view, the voice, troubles.
        QCOMPARE(headings.size(), 11);
        QCOMPARE(headings.first(), title);
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
