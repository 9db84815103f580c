// The settings store: what the settings window's load makes of stored values
// (defaults, clamping, malformed and out-of-range values, the collision of the
// two characters) and what "Me mento" writes.
#include "settings_fixture.h"

using namespace ui;

class TestSettingsStore : public QObject {
    Q_OBJECT
    SettingsFixture fx;

  private slots:
    void initTestCase() { fx.prepare(); }
    void init() { fx.begin(); }
    void cleanup() { fx.end(); }

    void emptyStoreGivesTheDefaults() {
        Impostazioni *w = fx.window();
        QVERIFY(w->Giocatori(2)->value());
        QVERIFY(!w->Giocatori(1)->value());
        QCOMPARE(w->quverbi->tag(), QStringLiteral("30"));
        QCOMPARE(w->quverbi->text(), QStringLiteral("30 vocabula"));
        QCOMPARE(w->suoni->value(), 1);
        QCOMPARE(w->musica->value(), 1);
        QCOMPARE(w->similino->value(), 1);
        QCOMPARE(boxStates(w->Chfreq), QStringLiteral("1111"));
        QCOMPARE(boxStates(w->Chclassi), QStringLiteral("1111"));
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("1"));
        QCOMPARE(w->Picture1(2)->tag(), QStringLiteral("2"));
        QCOMPARE(w->nomefoto(1)->caption(), QStringLiteral("Cicero"));
        QCOMPARE(w->nomefoto(2)->caption(), QStringLiteral("Caesar"));
        QCOMPARE(w->Lingue->listIndex(), 0);
        QVERIFY(fx.fake->messages.isEmpty());
    }

    void wordsPerGameIsClamped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("item");
        QTest::addRow("below") << "5"
                               << "10"
                               << "10 vocabula";
        QTest::addRow("above") << "70"
                               << "50"
                               << "50 vocabula";
        QTest::addRow("not a number") << "abc"
                                      << "10"
                                      << "10 vocabula";
        QTest::addRow("leading number") << " 40 parole"
                                        << "40"
                                        << "40 vocabula";
        QTest::addRow("between the tens") << "25"
                                          << "25"
                                          << "30 vocabula";
        QTest::addRow("stored") << "20"
                                << "20"
                                << "20 vocabula";
    }
    void wordsPerGameIsClamped() {
        QFETCH(QString, text);
        fx.store(QStringLiteral("Dafare"), text);
        Impostazioni *w = fx.newWindow();
        QFETCH(QString, tag);
        QFETCH(QString, item);
        QCOMPARE(w->quverbi->tag(), tag);
        QCOMPARE(w->quverbi->text(), item);
    }

    void onlyTwoGivesTwoPlayers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("two");
        QTest::addRow("2") << "2" << true;
        QTest::addRow("1") << "1" << false;
        QTest::addRow("3") << "3" << false;
        QTest::addRow("empty") << "" << false;
        QTest::addRow("blank before") << " 2" << false;
    }
    void onlyTwoGivesTwoPlayers() {
        QFETCH(QString, text);
        QFETCH(bool, two);
        fx.store(QStringLiteral("Giocatori"), text);
        Impostazioni *w = fx.newWindow();
        QCOMPARE(w->Giocatori(2)->value(), two);
        QCOMPARE(w->Giocatori(1)->value(), !two);
        // The load's last step hides player 2 in a one-player game.
        QCOMPARE(w->Picture1(2)->shown(), two);
        QCOMPARE(w->Picture1(4)->shown(), two);
        QCOMPARE(w->nomefoto(2)->shown(), two);
    }

    void checkStates_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        for (const char *key : {"Suoni", "Musica", "Escludisimili"}) {
            QTest::addRow("%s 0", key) << key << "0" << 0;
            QTest::addRow("%s 1", key) << key << "1" << 1;
            QTest::addRow("%s -1", key) << key << "-1" << 1;
            QTest::addRow("%s 0.5 rounds to even", key) << key << "0.5" << 0;
            QTest::addRow("%s 2 reads as absent", key) << key << "2" << 1;
            QTest::addRow("%s text reads as 0", key) << key << "no" << 0;
        }
    }
    void checkStates() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(int, state);
        fx.store(key, text);
        Impostazioni *w = fx.newWindow();
        CheckBox *box = key == QStringLiteral("Suoni")    ? w->suoni
                        : key == QStringLiteral("Musica") ? w->musica
                                                          : w->similino;
        QCOMPARE(box->value(), state);
    }

    void classTexts_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("states");
        for (const char *key : {"Frequenze", "Classiscelte"}) {
            QTest::addRow("%s 1011", key) << key << "1011"
                                          << "1011";
            QTest::addRow("%s two characters", key) << key << "10"
                                                    << "1000";
            QTest::addRow("%s bad characters", key) << key << "2x01"
                                                    << "1001";
            QTest::addRow("%s longer", key) << key << "011111"
                                            << "0111";
        }
    }
    void classTexts() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, states);
        fx.store(key, text);
        Impostazioni *w = fx.newWindow();
        QCOMPARE(boxStates(key == QStringLiteral("Frequenze") ? w->Chfreq : w->Chclassi), states);
        QVERIFY(fx.fake->messages.isEmpty());
    }

    void allClassesClearedKeepsTheLastOne_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("Frequenze") << "Frequenze";
        QTest::newRow("Classiscelte") << "Classiscelte";
    }
    void allClassesClearedKeepsTheLastOne() {
        QFETCH(QString, key);
        fx.store(key, QStringLiteral("0000"));
        Impostazioni *w = fx.newWindow();
        QCOMPARE(boxStates(key == QStringLiteral("Frequenze") ? w->Chfreq : w->Chclassi),
                 QStringLiteral("0001"));
        QCOMPARE(fx.fake->messages.size(), 1);
        QCOMPARE(fx.fake->messages[0].text, QStringLiteral("Noli omnia auferre!"));
        QCOMPARE(fx.fake->messages[0].icon, Icon::Critical);
    }

    void characters_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("player1");
        QTest::addColumn<int>("player2");
        QTest::addRow("stored") << "5"
                                << "3" << 5 << 3;
        QTest::addRow("both Seneca wraps to Cicero") << "6"
                                                     << "6" << 6 << 1;
        QTest::addRow("both Catullus") << "3"
                                       << "3" << 3 << 4;
        QTest::addRow("out of range") << "0"
                                      << "7" << 1 << 2;
        QTest::addRow("negative") << "-4"
                                  << "-1" << 1 << 2;
        QTest::addRow("not numbers") << "abc"
                                     << "" << 1 << 2;
        QTest::addRow("default collides") << "2"
                                          << "9" << 2 << 3;
        QTest::addRow("halves to even") << "2.5"
                                        << "4.5" << 2 << 4;
    }
    void characters() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        fx.store(QStringLiteral("Giocatore1"), first);
        fx.store(QStringLiteral("Giocatore2"), second);
        Impostazioni *w = fx.newWindow();
        QFETCH(int, player1);
        QFETCH(int, player2);
        QCOMPARE(w->Picture1(1)->tag(), QString::number(player1));
        QCOMPARE(w->Picture1(2)->tag(), QString::number(player2));
        QCOMPARE(w->nomefoto(1)->caption(), w->persone[player1][1]);
        QCOMPARE(w->nomefoto(2)->caption(), w->persone[player2][1]);
        QCOMPARE(w->Picture1(1)->pictureHandle(), w->foto(player1)->pictureHandle());
    }

    void language_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addRow("second") << "1" << 1;
        QTest::addRow("none selected") << "-1" << 0;
        QTest::addRow("past the list") << "2" << 0;
        QTest::addRow("not a number") << "x" << 0;
    }
    void language() {
        QFETCH(QString, text);
        fx.store(QStringLiteral("Lingua"), text);
        Impostazioni *w = fx.newWindow();
        QFETCH(int, index);
        QCOMPARE(w->Lingue->listIndex(), index);
        // Selecting it marks the language as changed.
        QCOMPARE(w->Lingue->tag(), QStringLiteral("s"));
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
    }

    void storeIsReadOnlyBeforeTheFirstGame() {
        fx.store(QStringLiteral("Giocatori"), QStringLiteral("1"));
        fx.store(QStringLiteral("Dafare"), QStringLiteral("50"));
        fx.store(QStringLiteral("Suoni"), QStringLiteral("1"));
        fx.store(QStringLiteral("Frequenze"), QStringLiteral("0100"));
        fx.store(QStringLiteral("Giocatore1"), QStringLiteral("3"));
        fx.store(QStringLiteral("Lingua"), QStringLiteral("1"));
        fx.board->setTag(QStringLiteral("giaimpostato"));
        fx.board->foto1->setTag(QStringLiteral("Horatius"));
        fx.board->foto2->setTag(QStringLiteral("Seneca"));
        Impostazioni *w = fx.newWindow();
        // The design values, and the characters last handed over.
        QVERIFY(w->Giocatori(2)->value());
        QCOMPARE(w->quverbi->text(), QStringLiteral("20 vocabula"));
        QCOMPARE(w->suoni->value(), 0);
        QCOMPARE(boxStates(w->Chfreq), QStringLiteral("1111"));
        QCOMPARE(w->Lingue->listIndex(), 0);
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("5"));
        QCOMPARE(w->Picture1(2)->tag(), QStringLiteral("6"));
    }

    void storedCharactersOverrideTheRestoredOnes() {
        fx.store(QStringLiteral("Giocatore1"), QStringLiteral("4"));
        fx.board->foto1->setTag(QStringLiteral("Horatius"));
        fx.board->foto2->setTag(QStringLiteral("Seneca"));
        Impostazioni *w = fx.newWindow();
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("4"));
        QCOMPARE(w->Picture1(2)->tag(), QStringLiteral("2"));
    }

    void mementoWritesEveryKey() {
        Impostazioni *w = fx.window();
        w->Giocatori(1)->setValue(true);
        w->quverbi->setListIndex(2);
        w->Chclassi(2)->setValue(0);
        w->Chclassi(4)->setValue(0);
        w->Chfreq(1)->setValue(0);
        w->suoni->setValue(0);
        w->Lingue->setListIndex(1);
        w->similino->setValue(0);
        moveTo(w, 1, 5);
        moveTo(w, 2, 3);
        w->show();
        QTest::mouseClick(w->Memento->findChild<QWidget *>(), Qt::LeftButton);
        const QList<QPair<QString, QString>> expected = {
            {"Giocatori", "1"},  {"Dafare", "30"},   {"Classiscelte", "1010"}, {"Frequenze", "0111"},
            {"Suoni", "0"},      {"Musica", "1"},    {"Lingua", "1"},          {"Escludisimili", "0"},
            {"Giocatore1", "5"}, {"Giocatore2", "3"}};
        for (const auto &[key, value] : expected)
            QCOMPARE(fx.stored(key).toString(), value);
        QCOMPARE(fx.settings().childGroups(), QStringList{QStringLiteral("Impostazioni")});
        QCOMPARE(fx.settings().allKeys().size(), expected.size());
    }

    void savedSettingsComeBackAtTheNextRun() {
        Impostazioni *w = fx.window();
        w->Giocatori(1)->setValue(true);
        w->quverbi->setListIndex(4);
        w->musica->setValue(0);
        w->Chfreq(3)->setValue(0);
        moveTo(w, 1, 6);
        w->Memento_Click();
        w = fx.newWindow();
        QVERIFY(w->Giocatori(1)->value());
        QCOMPARE(w->quverbi->text(), QStringLiteral("50 vocabula"));
        QCOMPARE(w->musica->value(), 0);
        QCOMPARE(boxStates(w->Chfreq), QStringLiteral("1101"));
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("6"));
        QCOMPARE(w->Picture1(2)->tag(), QStringLiteral("2"));
    }

    void noLanguageSelectedIsSavedAndReadBackAsTheFirst() {
        Impostazioni *w = fx.window();
        w->Lingue->setListIndex(-1);
        w->Memento_Click();
        QCOMPARE(fx.stored(QStringLiteral("Lingua")).toString(), QStringLiteral("-1"));
        QCOMPARE(fx.newWindow()->Lingue->listIndex(), 0);
    }

    void okDoesNotWriteTheStore() {
        Impostazioni *w = fx.window();
        w->Giocatori(1)->setValue(true);
        w->okay_Click(0);
        QCOMPARE(w->tag(), QStringLiteral("fatto"));
        QVERIFY(fx.settings().allKeys().isEmpty());
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
