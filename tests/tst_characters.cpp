// The characters of the settings window: the pair quotations and
// who says them, the quotation font sizes, the next character on clicks of
// portraits, bubbles, quotations and names, and the names' focus colouring.
#include "settings_fixture.h"

using namespace ui;

class TestCharacters : public QObject {
    Q_OBJECT
    SettingsFixture fx;

  private slots:
    void initTestCase() { fx.prepare(); }
    void init() { fx.begin(); }
    void cleanup() { fx.end(); }

    void quotations_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("other");     // the character of the player who stays
        QTest::addColumn<int>("moved");     // the player who is given a character
        QTest::addColumn<int>("character"); // the character he is given
        QTest::addColumn<QString>("quotation1");
        QTest::addColumn<QString>("quotation2");
        QTest::addColumn<double>("size1");
        QTest::addColumn<double>("size2");
        const QString nil = QStringLiteral("Nil nimium studeo, Caesar, tibi velle placere");
        const QString disertissime = QStringLiteral("Disertissime Romuli nepotum!");
        const QString vergili = QStringLiteral("Vergili! Animae dimidium meae!");
        QTest::newRow("Catullus addresses Caesar")
            << 2 << 2 << 1 << 3 << nil << "Alea iacta est!" << 9.0 << 12.0;
        QTest::newRow("Caesar meets Catullus") << 2 << 3 << 1 << 2 << "Alea iacta est!" << nil << 12.0 << 9.0;
        QTest::newRow("two Catulli") << 2 << 3 << 2 << 3 << "Miser Catulle!"
                                     << "Miser Catulle!" << 12.0 << 12.0;
        QTest::newRow("Catullus addresses Cicero")
            << 2 << 1 << 2 << 3 << "Quo usque tandem?" << disertissime << 12.0 << 9.0;
        QTest::newRow("Cicero meets Catullus")
            << 2 << 3 << 2 << 1 << disertissime << "Quo usque tandem?" << 9.0 << 12.0;
        QTest::newRow("Horatius addresses Vergilius")
            << 2 << 4 << 2 << 5 << "Arma virumque cano" << vergili << 12.0 << 9.0;
        QTest::newRow("Vergilius meets Horatius")
            << 2 << 5 << 1 << 4 << "Arma virumque cano" << vergili << 12.0 << 9.0;
        QTest::newRow("no pair") << 2 << 5 << 1 << 6 << "Marcet sine adversario virtus"
                                 << "Carpe diem!" << 9.0 << 12.0;
        QTest::newRow("twenty characters") << 2 << 6 << 1 << 3 << "Odi. Amo. Excrucior."
                                           << "Marcet sine adversario virtus" << 12.0 << 9.0;
    }
    void quotations() {
        QFETCH(int, players);
        QFETCH(int, other);
        QFETCH(int, moved);
        QFETCH(int, character);
        Impostazioni *w = fx.window();
        w->Giocatori(players)->setValue(true);
        const int stays = moved == 1 ? 2 : 1;
        moveTo(w, stays, other);
        moveTo(w, moved, character == 1 ? 6 : character - 1);
        w->Picture1_Click(moved);
        QCOMPARE(w->Picture1(moved)->tag(), QString::number(character));
        QCOMPARE(w->Picture1(stays)->tag(), QString::number(other));
        QFETCH(QString, quotation1);
        QFETCH(QString, quotation2);
        QFETCH(double, size1);
        QFETCH(double, size2);
        QCOMPARE(w->battuta(1)->caption(), quotation1);
        QCOMPARE(w->battuta(2)->caption(), quotation2);
        QCOMPARE(w->battuta(1)->fontSize(), size1);
        QCOMPARE(w->battuta(2)->fontSize(), size2);
    }

    void pairLineGoesWhenThePairBreaks() {
        Impostazioni *w = fx.window();
        moveTo(w, 1, 4);
        moveTo(w, 2, 5);
        QCOMPARE(w->battuta(2)->caption(), QStringLiteral("Vergili! Animae dimidium meae!"));
        w->Picture1_Click(2);
        QCOMPARE(w->battuta(1)->caption(), QStringLiteral("Arma virumque cano"));
        QCOMPARE(w->battuta(2)->caption(), QStringLiteral("Marcet sine adversario virtus"));
        QCOMPARE(w->battuta(1)->fontSize(), 12.0);
        QCOMPARE(w->battuta(2)->fontSize(), 9.0);
        // And a pair line shows on the other side when the pair forms.
        moveTo(w, 2, 3);
        moveTo(w, 1, 2);
        QCOMPARE(w->battuta(2)->caption(), QStringLiteral("Nil nimium studeo, Caesar, tibi velle placere"));
    }

    void onePlayerLeavesPlayerTwoAlone() {
        Impostazioni *w = fx.window();
        moveTo(w, 2, 6); // "Marcet sine adversario virtus", 9 pt
        w->Giocatori(1)->setValue(true);
        moveTo(w, 1, 3);
        QCOMPARE(w->battuta(1)->caption(), QStringLiteral("Odi. Amo. Excrucior."));
        QCOMPARE(w->battuta(2)->caption(), QStringLiteral("Marcet sine adversario virtus"));
        QCOMPARE(w->battuta(2)->fontSize(), 9.0);
        moveTo(w, 2, 3); // still hidden, and no pair lines
        QCOMPARE(w->battuta(1)->caption(), QStringLiteral("Odi. Amo. Excrucior."));
        QCOMPARE(w->battuta(2)->caption(), QStringLiteral("Odi. Amo. Excrucior."));
    }

    void rosterWrapsFromSenecaToCicero() {
        Impostazioni *w = fx.window();
        moveTo(w, 1, 6);
        QCOMPARE(w->nomefoto(1)->caption(), QStringLiteral("Seneca"));
        w->Picture1_Click(1);
        QCOMPARE(w->Picture1(1)->tag(), QStringLiteral("1"));
        QCOMPARE(w->nomefoto(1)->caption(), QStringLiteral("Cicero"));
        QCOMPARE(w->Picture1(1)->pictureHandle(), w->foto(1)->pictureHandle());
    }

    void clicksMoveTheirPlayer_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("player"); // 0: nobody moves
        QTest::newRow("portrait 1") << "Picture1(1)" << 1;
        QTest::newRow("portrait 2") << "Picture1(2)" << 2;
        QTest::newRow("bubble of player 1") << "Picture1(3)" << 1;
        QTest::newRow("bubble of player 2") << "Picture1(4)" << 2;
        QTest::newRow("quotation 1") << "battuta(1)" << 1;
        QTest::newRow("quotation 2") << "battuta(2)" << 2;
        QTest::newRow("name 1") << "nomefoto(1)" << 1;
        QTest::newRow("name 2") << "nomefoto(2)" << 2;
        QTest::newRow("heading") << "nomefoto(0)" << 0;
    }
    void clicksMoveTheirPlayer() {
        QFETCH(QString, control);
        QFETCH(int, player);
        Impostazioni *w = fx.window();
        w->show();
        auto *c = w->findChild<Control *>(control);
        QVERIFY(c);
        // A corner of a bubble lies outside its quotation.
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(w->Picture1(1)->tag(), QString::fromLatin1(player == 1 ? "2" : "1"));
        QCOMPARE(w->Picture1(2)->tag(), QString::fromLatin1(player == 2 ? "3" : "2"));
    }

    void focusColoursTheName() {
        Impostazioni *w = fx.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->Picture1(3)->setFocus();
        QTRY_COMPARE(w->nomefoto(1)->backColor(), QColor(255, 192, 128));
        QCOMPARE(w->nomefoto(2)->backColor(), QColor(255, 255, 255));
        w->Picture1(2)->setFocus();
        QTRY_COMPARE(w->nomefoto(2)->backColor(), QColor(255, 192, 128));
        QCOMPARE(w->nomefoto(1)->backColor(), QColor(255, 255, 255));
        // Moving on to the next character whitens the name again.
        w->Picture1_Click(2);
        QCOMPARE(w->nomefoto(2)->backColor(), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestCharacters)
#include "tst_characters.moc"
