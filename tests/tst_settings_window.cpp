// The settings window: its composition, load and activate, keys, the checks of
// its boxes, the markers it leaves for the main window, O.K. and its hand-over,
// Exit, the close box, and its life from one game start to the next.
#include "settings_fixture.h"

#include <QPointer>

using namespace ui;

namespace {

QString vocpersPath() {
    return QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator() + QStringLiteral("vocpers.txt");
}
} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
    SettingsFixture fx;

  private slots:
    void initTestCase() { fx.prepare(); }
    void init() { fx.begin(); }
    void cleanup() { fx.end(); }

    // ---- composition and load

    void initialValues() {
        Impostazioni *w = fx.newWindow();
        QCOMPARE(w->velox->min(), 1);
        QCOMPARE(w->velox->max(), 5);
        QCOMPARE(w->velox->value(), 3);
        // Centred, sized to its text: "Ludi celeritas:", two blanks, 3.
        QCOMPARE(w->velocita->caption(), QStringLiteral("Ludi celeritas:  3"));
        QCOMPARE(w->velocita->left() + w->velocita->width_() / 2, 435 + 945 / 2.0f);
        QCOMPARE(w->Chfreq(0)->value(), 0);
        for (int k = 1; k <= 6; ++k) {
            PictureBox *f = w->foto(k);
            QVERIFY(!f->shown());
            QCOMPARE(f->top(), 5685.0f);
            QCOMPARE(f->pictureName(), QStringLiteral("foto%1").arg(k));
        }
        QCOMPARE(w->Picture1(3)->pictureName(), QStringLiteral("bubble_right"));
        QCOMPARE(w->Picture1(4)->pictureName(), QStringLiteral("bubble_left"));
        for (const char *name : {"nomefoto(0)", "nomefoto(1)", "nomefoto(2)", "Picture1(1)", "Picture1(2)",
                                 "Picture1(3)", "Picture1(4)", "battuta(1)", "battuta(2)"})
            QVERIFY2(w->findChild<Control *>(name)->shown(), name);
        QVERIFY(w->tag().isEmpty());
    }

    void loadFillsTheLists() {
        Impostazioni *w = fx.window();
        QCOMPARE(w->quverbi->items(),
                 (QStringList{"10 vocabula", "20 vocabula", "30 vocabula", "40 vocabula", "50 vocabula"}));
        QCOMPARE(w->Lingue->items(), (QStringList{"Italiano", "English"}));
        QCOMPARE(w->Chfreq(0)->caption(), QStringLiteral("Repertorio meo utor\r(") + vocpersPath() + ')');
    }

    void languagesEndAtTheFirstComma() {
        fx.writeFile(QStringLiteral("vocabula.txt"),
                     testVocabulary(20, "Ordo;Classis;Verbum;Italiano;Fran\xe7"
                                        "ais, Deutsch;Espa\xf1ol"));
        QCOMPARE(fx.newWindow()->Lingue->items(), (QStringList{"Italiano", QStringLiteral("Français")}));
    }

    void missingVocabularyLeavesTheLanguagesEmpty() {
        fx.removeFile(QStringLiteral("vocabula.txt"));
        Impostazioni *w = fx.newWindow();
        QCOMPARE(w->Lingue->listCount(), 0);
        QCOMPARE(w->Lingue->listIndex(), -1);
        QCOMPARE(w->quverbi->listCount(), 5);
    }

    // ---- activate

    void activateHidesTheBoardAndSelectsTheCount_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("item");
        QTest::addRow("30") << "30"
                            << "30 vocabula";
        QTest::addRow("35") << "35"
                            << "30 vocabula";
        QTest::addRow("25 rounds to even") << "25"
                                           << "30 vocabula";
        QTest::addRow("15 rounds to even") << "15"
                                           << "10 vocabula";
        QTest::addRow("50") << "50"
                            << "50 vocabula";
        QTest::addRow("empty") << ""
                               << "20 vocabula";
    }
    void activateHidesTheBoardAndSelectsTheCount() {
        QFETCH(QString, tag);
        QFETCH(QString, item);
        Impostazioni *w = fx.window();
        fx.board->show();
        w->quverbi->setListIndex(4);
        w->quverbi->setTag(tag);
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
        w->show();
        QVERIFY(!fx.board->shown());
        QVERIFY(w->Frame2->tag().isEmpty());
        QCOMPARE(w->quverbi->text(), item);
        QVERIFY(w->Lingue->tag() == QStringLiteral("s"));
    }

    // ---- keys

    void keysMoveThePlayers() {
        Impostazioni *w = fx.window();
        w->show();
        pressKey(w, Qt::Key_0, QStringLiteral("0"));
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("2"));
        pressKey(w, Qt::Key_1, QStringLiteral("1"));
        QCOMPARE(w->Picture1(2)->tag(), QStringLiteral("3"));
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("2"));
        w->Giocatori(1)->setValue(true);
        pressKey(w, Qt::Key_1, QStringLiteral("1"));
        QCOMPARE(w->Picture1(2)->tag(), QStringLiteral("3"));
        pressKey(w, Qt::Key_0, QStringLiteral("0"));
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("3"));
    }

    void enterConfirmsAndEscLeaves() {
        Impostazioni *w = fx.window();
        w->show();
        pressKey(w, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(w->tag(), QStringLiteral("fatto"));
        QVERIFY(!w->shown());
        w->show();
        pressKey(w, Qt::Key_Escape, QStringLiteral("\x1b"));
        QVERIFY(w->tag().isEmpty());
        QVERIFY(!w->shown());
    }

    // ---- boxes and markers

    void lastClassBoxStaysTicked_data() {
        QTest::addColumn<bool>("frequencies");
        QTest::newRow("Chclassi") << false;
        QTest::newRow("Chfreq") << true;
    }
    void lastClassBoxStaysTicked() {
        QFETCH(bool, frequencies);
        Impostazioni *w = fx.window();
        const ControlArray<CheckBox> &boxes = frequencies ? w->Chfreq : w->Chclassi;
        w->show();
        QVERIFY(w->Frame2->tag().isEmpty());
        // A click by the user, then changes from code: both run the check.
        QTest::mouseClick(boxes(2)->findChild<QWidget *>(), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(boxes(2)->value(), 0);
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
        boxes(1)->setValue(0);
        boxes(4)->setValue(0);
        QVERIFY(fx.fake->messages.isEmpty());
        boxes(3)->setValue(0);
        QCOMPARE(boxStates(boxes), QStringLiteral("0010"));
        QCOMPARE(fx.fake->messages.size(), 1);
        const RecordedMessage &m = fx.fake->messages[0];
        QCOMPARE(m.text, QStringLiteral("Noli omnia auferre!"));
        QVERIFY(m.title.isEmpty());
        QCOMPARE(m.icon, Icon::Critical);
        QCOMPARE(m.buttons, Buttons::Ok);
    }

    void missingPersonalVocabularyIsRefused() {
        Impostazioni *w = fx.window();
        w->show();
        w->Chfreq(0)->setValue(1);
        QCOMPARE(fx.fake->messages.size(), 1);
        const RecordedMessage &m = fx.fake->messages[0];
        QCOMPARE(m.text, QStringLiteral("file \"") + vocpersPath() + QStringLiteral("\" inesistente"));
        QCOMPARE(m.title, QStringLiteral("Manca il vocabolario personale"));
        QCOMPARE(m.icon, Icon::Exclamation);
        QCOMPARE(w->Chfreq(0)->value(), 0);
        QVERIFY(!w->Chfreq(0)->shown());
        QVERIFY(w->Frame3->shown() && w->Frame4->shown());
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
    }

    void personalVocabularyHidesFrequenciesAndLanguages() {
        fx.writeFile(QStringLiteral("vocpers.txt"), testVocabulary(10));
        Impostazioni *w = fx.window();
        w->show();
        w->Chfreq(0)->setValue(1);
        QVERIFY(fx.fake->messages.isEmpty());
        QVERIFY(!w->Frame3->shown());
        QVERIFY(!w->Frame4->shown());
        QVERIFY(w->Frame2->shown());
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
        w->Chfreq(0)->setValue(0);
        QVERIFY(w->Frame3->shown() && w->Frame4->shown() && w->Chfreq(0)->shown());
    }

    void similarAndLanguageMarkTheChoiceChanged() {
        Impostazioni *w = fx.window();
        w->show();
        w->similino->setValue(0);
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
        w->Lingue->setTag(QString());
        w->hide();
        w->show(); // activated again: no change yet
        QVERIFY(w->Frame2->tag().isEmpty());
        w->Lingue->setListIndex(1);
        QCOMPARE(w->Lingue->tag(), QStringLiteral("s"));
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
    }

    void playersShowOrHidePlayerTwo() {
        Impostazioni *w = fx.window();
        w->Giocatori(1)->setValue(true);
        for (Control *c : std::initializer_list<Control *>{w->Picture1(2), w->Picture1(4), w->nomefoto(2)})
            QVERIFY(!c->shown());
        QVERIFY(w->Picture1(1)->shown() && w->Picture1(3)->shown() && w->nomefoto(1)->shown());
        w->Giocatori(2)->setValue(true);
        for (Control *c : std::initializer_list<Control *>{w->Picture1(2), w->Picture1(4), w->nomefoto(2)})
            QVERIFY(c->shown());
    }

    // ---- O.K. and Exit

    void speedSetsCaptionAndTimer_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("interval");
        QTest::newRow("1") << 1 << 500;
        QTest::newRow("3") << 3 << 300;
        QTest::newRow("5") << 5 << 100;
    }
    void speedSetsCaptionAndTimer() {
        QFETCH(int, speed);
        QFETCH(int, interval);
        Impostazioni *w = fx.window();
        w->velox->setValue(speed);
        QCOMPARE(w->velocita->caption(), QStringLiteral("Ludi celeritas:  %1").arg(speed));
        w->okay_Click(0);
        QCOMPARE(fx.board->Timer1->interval(), interval);
    }

    void okHandsTheCharactersOver() {
        Impostazioni *w = fx.window();
        w->show();
        moveTo(w, 1, 4);
        moveTo(w, 2, 5);
        QTest::mouseClick(w->okay(0)->findChild<QWidget *>(), Qt::LeftButton);
        QCOMPARE(w->tag(), QStringLiteral("fatto"));
        QVERIFY(!w->shown());
        Traduci &b = *fx.board;
        QCOMPARE(b.foto1->pictureHandle(), w->foto(4)->pictureHandle());
        QCOMPARE(b.foto1->toolTipText(), QStringLiteral("Arma virumque cano"));
        QCOMPARE(b.foto1->tag(), QStringLiteral("Vergilius"));
        QCOMPARE(b.foto2->pictureHandle(), w->foto(5)->pictureHandle());
        QCOMPARE(b.foto2->toolTipText(), QStringLiteral("Vergili! Animae dimidium meae!"));
        QCOMPARE(b.foto2->tag(), QStringLiteral("Horatius"));
        QCOMPARE(b.Imr(4)->tag(), QStringLiteral("Parcere subiectis et debellare superbos"));
        QCOMPARE(b.Imr(5)->tag(), QStringLiteral("Infandum iubes renovare dolorem!"));
        QCOMPARE(b.Iml(4)->tag(), QStringLiteral("Hoc erat in votis. Nunc est bibendum!"));
        QCOMPARE(b.Iml(5)->tag(), QStringLiteral("Pulvis et umbra sumus"));
        QVERIFY(fx.fake->messages.isEmpty());
    }

    void okRefusesTheSameCharacterForTwoPlayers() {
        Impostazioni *w = fx.window();
        w->show();
        moveTo(w, 2, 1);
        w->okay_Click(0);
        QCOMPARE(fx.fake->messages.size(), 1);
        const RecordedMessage &m = fx.fake->messages[0];
        QCOMPARE(m.text, QStringLiteral("Nemo potest contra se ipsum pugnare."));
        QCOMPARE(m.title, QStringLiteral("Persona mutanda est"));
        QCOMPARE(m.icon, Icon::None);
        QVERIFY(w->tag().isEmpty());
        QVERIFY(w->shown());
        QVERIFY(fx.board->foto1->tag().isEmpty());
        QCOMPARE(fx.board->Timer1->interval(), 1000);
    }

    void okAcceptsTheSameCharacterForOnePlayer() {
        Impostazioni *w = fx.window();
        moveTo(w, 2, 1);
        w->Giocatori(1)->setValue(true);
        w->okay_Click(0);
        QVERIFY(fx.fake->messages.isEmpty());
        QCOMPARE(w->tag(), QStringLiteral("fatto"));
        // Player 2 is handed over too.
        QCOMPARE(fx.board->foto2->tag(), QStringLiteral("Cicero"));
        QCOMPARE(fx.board->Iml(5)->tag(), QStringLiteral("O tempora! o mores!"));
    }

    void exitLeavesNoMarkAndHandsNothingOver() {
        Impostazioni *w = fx.window();
        w->okay_Click(0);
        QCOMPARE(w->tag(), QStringLiteral("fatto"));
        fx.board->foto1->setTag(QString());
        w->show();
        w->okay_Click(1);
        QVERIFY(w->tag().isEmpty());
        QVERIFY(!w->shown());
        QVERIFY(fx.board->foto1->tag().isEmpty());
    }

    // ---- life

    void closeBoxDiscardsAtOnce() {
        QPointer<Impostazioni> w = fx.window();
        w->show();
        w->setTag(QStringLiteral("fatto"));
        QVERIFY(w->close());
        QVERIFY(w->discarded());
        QVERIFY(!fx.board->hasImpostazioni());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(fx.window()->tag().isEmpty());
    }

    void closeBoxDuringGameStartStartsNoGame() {
        fx.fake->onModal = [](Form *f) { f->close(); };
        fx.board->Imposta_Click();
        QVERIFY(fx.board->tag().isEmpty());
        QVERIFY(fx.board->shown());
        QVERIFY(!fx.board->hasImpostazioni());
    }

    void aNewWindowForEveryGameAndTheStoreOnlyBeforeTheFirst() {
        Traduci &b = *fx.board;
        fx.store(QStringLiteral("Giocatori"), QStringLiteral("1"));
        fx.store(QStringLiteral("Giocatore1"), QStringLiteral("3"));
        fx.store(QStringLiteral("Dafare"), QStringLiteral("20"));
        QPointer<Form> shown;
        fx.fake->onModal = [&](Form *f) {
            auto *w = static_cast<Impostazioni *>(f);
            shown = w;
            QVERIFY(!b.shown());
            QVERIFY(w->Giocatori(1)->value());
            QCOMPARE(w->nomefoto(1)->caption(), QStringLiteral("Catullus"));
            QCOMPARE(w->quverbi->text(), QStringLiteral("20 vocabula"));
            w->quverbi->setListIndex(0);
            moveTo(w, 1, 4);
            w->okay_Click(0);
        };
        b.Imposta_Click();
        QCOMPARE(b.tag(), QStringLiteral("giaimpostato"));
        QCOMPARE(b.state.playerCount, 1);
        QCOMPARE(b.state.wordsPerGame, 10.0);
        QCOMPARE(b.state.playerNames[1], QStringLiteral("Vergilius"));
        // Discarded after use.
        QVERIFY(!b.hasImpostazioni());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(shown.isNull());

        // The next game start shows a new window with the game's settings;
        // what the store holds now waits for the next run.
        fx.store(QStringLiteral("Giocatori"), QStringLiteral("2"));
        fx.store(QStringLiteral("Giocatore1"), QStringLiteral("6"));
        fx.store(QStringLiteral("Dafare"), QStringLiteral("50"));
        fx.fake->onModal = [&](Form *f) {
            auto *w = static_cast<Impostazioni *>(f);
            shown = w;
            QVERIFY(w->tag().isEmpty());
            QVERIFY(w->Giocatori(1)->value());
            QCOMPARE(w->nomefoto(1)->caption(), QStringLiteral("Vergilius"));
            QCOMPARE(w->quverbi->text(), QStringLiteral("10 vocabula"));
            QVERIFY(w->Frame2->tag().isEmpty());
            w->okay_Click(1);
        };
        b.Imposta_Click();
        QCOMPARE(b.tag(), QStringLiteral("giaimpostato"));
        QVERIFY(!b.hasImpostazioni());
        QCOMPARE(b.state.playerCount, 1);
        QCOMPARE(b.state.wordsPerGame, 10.0);
        QCOMPARE(fx.fake->modalWindows.size(), 2);
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settings_window.moc"
