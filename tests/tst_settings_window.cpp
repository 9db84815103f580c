// The settings window: its composition, load and activate, keys, the checks of
// its boxes, the markers it leaves for the main window, O.K. and its hand-over,
// Exit, the close box, and its life from one game start to the next.
#include "settings_fixture.h"

#include <QPointer>

using namespace ui;

namespace {
const QColor windowBack(255, 224, 192);
const QColor controlBack(255, 192, 128);
const QColor white(255, 255, 255);

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

    // ---- composition

    void window() {
        Impostazioni *w = fx.window();
        QCOMPARE(w->caption(), QStringLiteral("LessiCorsa! Novus ludus"));
        QCOMPARE(w->property("ScaleWidth").toFloat(), 6915.0f);
        QCOMPARE(w->property("ScaleHeight").toFloat(), 4710.0f);
        QCOMPARE(w->backColor(), windowBack);
        QCOMPARE(w->foreColor(), QColor(255, 0, 0));
        QVERIFY(w->keyPreview());
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!w->shown());
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<QString>("caption");
        const QString client = QStringLiteral("Impostazioni.client");
        auto row = [&](const char *name, const QString &in, QRectF r, const char *caption = "") {
            QTest::newRow(name) << name << in << r << caption;
        };
        row("Frame1", client, {120, 0, 1815, 3075});
        row("suoni", "Frame1", {90, 210, 760, 210}, "&Sonus");
        row("musica", "Frame1", {930, 210, 810, 210}, "&Musica");
        row("velox", "Frame1", {120, 810, 1575, 250});
        row("Giocatori(1)", "Frame1", {240, 1140, 1455, 300}, "&1 lusor");
        row("Giocatori(2)", "Frame1", {240, 1410, 1455, 300}, "&2 lusores");
        row("quverbi", "Frame1", {120, 1710, 1575, 1110});
        row("Frame2", client, {2040, 0, 3375, 1215}, "Grammatica");
        row("Frame3", client, {2040, 1230, 3375, 1215}, "Ordines crebritatis");
        row("similino", client, {2160, 2490, 4415, 210},
            "&Excipio simillima (duae priores litterae comparantur)");
        row("Frame4", client, {5520, 1320, 1335, 1110}, "Verto in....");
        row("Lingue", "Frame4", {60, 210, 1200, 840});
        row("okay(0)", client, {5520, 120, 1335, 570}, "&O.K.");
        row("okay(1)", client, {5520, 705, 650, 510}, "&Exit (Esc)");
        row("Memento", client, {6205, 705, 650, 510}, "Me mento");
        row("Picture1(1)", client, {5760, 3180, 1050, 1050});
        row("Picture1(2)", client, {120, 3180, 1050, 1050});
        row("Picture1(3)", client, {3570, 3300, 2145, 1050});
        row("Picture1(4)", client, {1230, 3300, 2145, 1050});
        row("battuta(1)", "Picture1(3)", {90, 150, 1530, 840});
        row("battuta(2)", "Picture1(4)", {570, 150, 1530, 840});
        row("nomefoto(0)", client, {1440, 4380, 4050, 255}, "Sua cuique persona");
        row("nomefoto(1)", client, {5760, 4380, 1050, 255});
        row("nomefoto(2)", client, {120, 4380, 1050, 255});
        const char *classes[] = {"Nomina", "Adiectiva, pronomina", "Verba", "Indeclinabilia "};
        const char *frequencies[] = {"Ordo I (creberrima)", "Ordo II", "Ordo III", "Ordo IIII (rariora)"};
        for (int k = 1; k <= 4; ++k) {
            QTest::addRow("Chclassi(%d)", k) << QStringLiteral("Chclassi(%1)").arg(k) << "Frame2"
                                             << QRectF(120, 240 * k, -1, -1) << classes[k - 1];
            QTest::addRow("Chfreq(%d)", k) << QStringLiteral("Chfreq(%1)").arg(k) << "Frame3"
                                           << QRectF(120, 240 * k, -1, -1) << frequencies[k - 1];
        }
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRectF, rect);
        QFETCH(QString, caption);
        auto *c = fx.window()->findChild<Control *>(name);
        QVERIFY(c);
        QCOMPARE(c->parentWidget()->objectName(), container);
        QCOMPARE(c->left(), rect.left());
        QCOMPARE(c->top(), rect.top());
        if (rect.width() >= 0) {
            QCOMPARE(c->width_(), rect.width());
            QCOMPARE(c->height_(), rect.height());
        }
        if (!caption.isEmpty()) QCOMPARE(c->caption(), caption);
    }

    void initialValues() {
        Impostazioni *w = fx.newWindow();
        QCOMPARE(w->velox->min(), 1);
        QCOMPARE(w->velox->max(), 5);
        QCOMPARE(w->velox->value(), 3);
        // Centred, sized to its text: "Ludi celeritas:", two blanks, 3.
        QCOMPARE(w->velocita->objectName(), QStringLiteral("velocità"));
        QCOMPARE(w->velocita->caption(), QStringLiteral("Ludi celeritas:  3"));
        QCOMPARE(w->velocita->left() + w->velocita->width_() / 2, 435 + 945 / 2.0f);
        QCOMPARE(w->Chfreq(0)->value(), 0);
        QCOMPARE(w->Chfreq(0)->left(), 2160.0f);
        QCOMPARE(w->Chfreq(0)->height_(), 600.0f);
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

    void coloursAndFonts() {
        Impostazioni *w = fx.window();
        for (Control *c :
             std::initializer_list<Control *>{w->quverbi, w->Lingue, w->okay(0), w->okay(1), w->Memento})
            QCOMPARE(c->backColor(), controlBack);
        for (Control *c :
             std::initializer_list<Control *>{w->Frame1, w->Frame2, w->Frame3, w->Frame4, w->suoni, w->musica,
                                              w->similino, w->Chfreq(0), w->Chfreq(4), w->Chclassi(1)})
            QCOMPARE(c->backColor(), windowBack);
        for (Control *c : std::initializer_list<Control *>{w->nomefoto(0), w->nomefoto(1), w->nomefoto(2),
                                                           w->battuta(1), w->battuta(2)})
            QCOMPARE(c->backColor(), white);
        QCOMPARE(w->nomefoto(1)->borderStyle(), 1);
        QCOMPARE(w->battuta(1)->alignment(), int(Label::AlignCenter));
        QCOMPARE(w->suoni->fontName(), QStringLiteral("Arial"));
        QCOMPARE(w->suoni->fontSize(), 8.25);
        QVERIFY(w->Frame2->fontBold() && w->Frame3->fontBold());
        QVERIFY(!w->Chclassi(1)->fontBold() && !w->Chfreq(1)->fontBold() && !w->Frame4->fontBold());
        QCOMPARE(w->okay(0)->fontSize(), 12.0);
        QVERIFY(w->okay(0)->fontBold());
        QCOMPARE(w->okay(1)->fontSize(), 9.75);
        QVERIFY(w->okay(1)->fontBold());
        QCOMPARE(w->Memento->fontSize(), 9.0);
        QCOMPARE(w->battuta(2)->fontName(), QStringLiteral("Comic Sans MS"));
    }

    void toolTipsAndPointer() {
        Impostazioni *w = fx.window();
        const QString classes =
            QStringLiteral("I 1600 vocaboli latini più frequenti sono divisi in 4 classi di "
                           "frequenza: scegliere quelli con cui giocare");
        const QList<QPair<Control *, QString>> tips = {
            {w->Memento, "Salva le impostazioni - Save settings"},
            {w->Giocatori(1),
             "Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta."},
            {w->Giocatori(2), "Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di "
                              "destra usa il tasto 0."},
            {w->velocita, "Imposta la velocità di svolgimento del gioco"},
            {w->quverbi, "Imposta il numero di verbi su cui svolgere l'esercizio"},
            {w->similino,
             "Spuntare la casella per escludere dal gioco i vocaboli tropppo simili all'italiano "
             "(prime due lettere uguali)."},
            {w->Frame3, classes},
            {w->Chfreq(1), classes},
            {w->Chfreq(4), classes},
            {w->okay(0), "Ibo an redibo? Ibo"},
            {w->okay(1), "Ibo an redibo? Redibo"}};
        for (const auto &[c, tip] : tips)
            QCOMPARE(c->toolTipText(), tip);
        for (Control *c :
             std::initializer_list<Control *>{w->Memento, w->Picture1(1), w->Picture1(2), w->Picture1(3),
                                              w->Picture1(4), w->nomefoto(1), w->nomefoto(2), w->Chfreq(0)})
            QVERIFY2(c->testAttribute(Qt::WA_SetCursor), qPrintable(c->objectName()));
        QVERIFY(!w->okay(0)->testAttribute(Qt::WA_SetCursor));
    }

    // ---- load

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
