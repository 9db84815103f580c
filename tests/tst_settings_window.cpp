// The settings window and the store: what the load makes of stored values,
// what "Me mento" writes and when the store is read; the checks of its boxes,
// the characters and their quotations, O.K. and its hand-over, Exit and the
// close box.
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"

#include <QDir>
#include <QPointer>
#include <QTest>

using namespace ui;

namespace {
QString messageTexts(const FakePlatform &p) {
    QStringList t;
    for (const RecordedMessage &m : p.messages)
        t << m.text;
    return t.join('|');
}

// What the window shows of the setting stored under `key`.
QString shown(Impostazioni *w, const QString &key) {
    if (key == QLatin1String("Giocatori")) return w->Giocatori(2)->value() ? "2" : "1";
    if (key == QLatin1String("Dafare")) return w->quverbi->tag() + ' ' + w->quverbi->text();
    if (key == QLatin1String("Suoni")) return QString::number(w->suoni->value());
    if (key == QLatin1String("Musica")) return QString::number(w->musica->value());
    if (key == QLatin1String("Escludisimili")) return QString::number(w->similino->value());
    if (key == QLatin1String("Frequenze")) return boxStates(w->Chfreq);
    if (key == QLatin1String("Classiscelte")) return boxStates(w->Chclassi);
    if (key == QLatin1String("Lingua")) return QString::number(w->Lingue->listIndex());
    return w->nomefoto(1)->caption() + ' ' + w->nomefoto(2)->caption();
}
} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
  private slots:

    void activateHidesTheBoardAndSelectsTheCount() {
        BoardFixture fx;
        Impostazioni *w = fx.settings();
        fx.board().show();
        w->quverbi->setListIndex(4);
        w->quverbi->setTag(QStringLiteral("15")); // rounds to even
        w->show();
        QVERIFY(!fx.board().shown());
        QVERIFY(w->Frame2->tag().isEmpty());
        QCOMPARE(w->quverbi->text(), QStringLiteral("10 vocabula"));
        QCOMPARE(w->Lingue->tag(), QStringLiteral("s"));
    }

    void lastClassBoxStaysTicked_data() {
        QTest::addColumn<bool>("frequencies");
        QTest::newRow("Chclassi") << false;
        QTest::newRow("Chfreq") << true;
    }
    void lastClassBoxStaysTicked() {
        QFETCH(bool, frequencies);
        BoardFixture fx;
        Impostazioni *w = fx.settings();
        const ControlArray<CheckBox> &boxes = frequencies ? w->Chfreq : w->Chclassi;
        w->show();
        // a click by the user, then changes from code: both run the check
        QTest::mouseClick(boxes(2)->findChild<QWidget *>(), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
        boxes(3)->setValue(0);
        boxes(4)->setValue(0);
        QVERIFY(fx.platform.messages.isEmpty());
        boxes(1)->setValue(0);
        QCOMPARE(boxStates(boxes), QStringLiteral("1000"));
        QCOMPARE(messageTexts(fx.platform), QStringLiteral("Noli omnia auferre!"));
        QCOMPARE(fx.platform.messages[0].icon, Icon::Critical);
    }

    // Key 0 moves player 1 (the right-hand portrait) on through the roster,
    // key 1 player 2, and only while two players are chosen.
    void keysMoveThePlayers_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("characters"); // of players 1 and 2 afterwards
        QTest::addRow("two players, 0") << 2 << QString("0") << QString("2 2");
        QTest::addRow("two players, 1") << 2 << QString("1") << QString("1 3");
        QTest::addRow("one player, 0") << 1 << QString("0") << QString("2 2");
        QTest::addRow("one player, 1") << 1 << QString("1") << QString("1 2");
    }
    void keysMoveThePlayers() {
        QFETCH(int, players);
        QFETCH(QString, key);
        QFETCH(QString, characters);
        BoardFixture fx;
        Impostazioni *w = fx.settings();
        w->show();
        w->Giocatori(players)->setValue(true);
        pressKey(w, key == "0" ? Qt::Key_0 : Qt::Key_1, key);
        QCOMPARE(w->Picture1(1)->tag() + ' ' + w->Picture1(2)->tag(), characters);
    }

    void personalVocabulary() {
        BoardFixture fx;
        fx.write(QStringLiteral("vocpers.txt"), makeVocabulary(10));
        Impostazioni *w = fx.settings();
        w->show();
        w->Chfreq(0)->setValue(1);
        QCOMPARE(w->Frame2->tag(), QStringLiteral("cambiato"));
        QCOMPARE(w->Chfreq(0)->value(), 1);
        // the personal vocabulary has no frequency classes and no languages
        QVERIFY(!w->Frame3->shown() && !w->Frame4->shown());
        QVERIFY(fx.platform.messages.isEmpty());
        w->Chfreq(0)->setValue(0);
        QVERIFY(w->Frame3->shown() && w->Frame4->shown());
    }

    void quotations_data() {
        QTest::addColumn<int>("stays");     // the player who keeps his character
        QTest::addColumn<int>("other");     // that character
        QTest::addColumn<int>("character"); // the other player's new character
        QTest::addColumn<QString>("quotations");
        QTest::addColumn<QString>("sizes");
        QTest::addColumn<QString>("clicked"); // the portrait, its bubble, the quotation in it, the name
        const auto row = [](const char *name, int stays, int other, int character, const QString &quotations,
                            const char *sizes, const char *clicked) {
            QTest::newRow(name) << stays << other << character << quotations << QString(sizes)
                                << QString(clicked);
        };
        const QString nil = QStringLiteral("Nil nimium studeo, Caesar, tibi velle placere");
        row("Catullus addresses Caesar", 2, 2, 3, nil + "|Alea iacta est!", "9 12", "portrait");
        row("two Catulli", 1, 3, 3, "Miser Catulle!|Miser Catulle!", "12 12", "portrait");
        row("Horatius addressed by Vergilius", 1, 5, 4, "Vergili! Animae dimidium meae!|Arma virumque cano",
            "9 12", "quotation");
        row("Seneca wraps to Cicero", 2, 5, 1, "Quo usque tandem?|Carpe diem!", "12 12", "name");
        row("twenty characters", 2, 6, 3, "Odi. Amo. Excrucior.|Marcet sine adversario virtus", "12 9",
            "bubble");
    }
    void quotations() {
        QFETCH(int, stays);
        QFETCH(int, other);
        QFETCH(int, character);
        QFETCH(QString, quotations);
        QFETCH(QString, sizes);
        QFETCH(QString, clicked);
        BoardFixture fx;
        Impostazioni *w = fx.settings();
        const int moved = 3 - stays;
        moveTo(w, stays, other);
        moveTo(w, moved, character == 1 ? 6 : character - 1);
        ui::Control *c = clicked == "portrait" ? w->Picture1(moved)
                         : clicked == "bubble" ? w->Picture1(moved + 2)
                         : clicked == "name"   ? w->nomefoto(moved)
                                               : static_cast<ui::Control *>(w->battuta(moved));
        // A picture with the focus marks its player's name in the buttons' colour.
        if (clicked == "portrait" || clicked == "bubble") {
            emit c->GotFocus();
            QCOMPARE(w->nomefoto(moved)->backColor(), w->okay(0)->backColor());
            emit c->LostFocus();
            QCOMPARE(w->nomefoto(moved)->backColor(), w->nomefoto(0)->backColor());
        }
        emit c->Click();
        QCOMPARE(w->Picture1(moved)->tag(), QString::number(character));
        QCOMPARE(w->Picture1(moved)->pictureHandle(), w->foto(character)->pictureHandle());
        const auto size = [w](int k) { return QString::number(w->battuta(k)->fontSize()); };
        QCOMPARE(w->battuta(1)->caption() + '|' + w->battuta(2)->caption(), quotations);
        QCOMPARE(size(1) + ' ' + size(2), sizes);
    }

    // O.K. hands the characters over (their names, portraits, lines and the
    // pair's quotation) unless two players have the same one; Exit and the
    // close box hand nothing over.
    void handOver_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("second"); // player 2's character, player 1 being Vergilius
        QTest::addColumn<int>("button"); // 0 O.K., 1 Exit; the keys: 2 Esc, 3 Enter
        QTest::addColumn<QString>("handed");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, int players, int second, int button, QString handed,
                            QString message) {
            QTest::newRow(name) << players << second << button << handed << message;
        };
        const QString vergilius = QStringLiteral("Vergilius|Parcere subiectis et debellare superbos|");
        row("O.K.", 2, 5, 0, vergilius + "Horatius|Pulvis et umbra sumus|Vergili! Animae dimidium meae!", "");
        row("O.K., one player, the same character", 1, 4, 0,
            vergilius + "Vergilius|Infandum iubes renovare dolorem!|Arma virumque cano", "");
        row("O.K., two players, the same character", 2, 4, 0, "||||", "Nemo potest contra se ipsum pugnare.");
        row("Exit", 2, 5, 1, "||||", "");
        row("Esc", 2, 5, 2, "||||", "");
        row("Enter", 2, 5, 3, vergilius + "Horatius|Pulvis et umbra sumus|Vergili! Animae dimidium meae!",
            "");
    }
    void handOver() {
        QFETCH(int, players);
        QFETCH(int, second);
        QFETCH(int, button);
        QFETCH(QString, handed);
        QFETCH(QString, message);
        BoardFixture fx;
        Impostazioni *w = fx.settings();
        Traduci &b = fx.board();
        w->show();
        w->Giocatori(players)->setValue(true);
        moveTo(w, 1, 4);
        moveTo(w, 2, second);
        if (button < 2)
            QTest::mouseClick(w->okay(button)->findChild<QWidget *>(), Qt::LeftButton);
        else
            QTest::keyClick(w, button == 2 ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(QStringList({b.foto1->tag(), b.Imr(4)->tag(), b.foto2->tag(), b.Iml(5)->tag(),
                              b.foto2->toolTipText()})
                     .join('|'),
                 handed);
        QCOMPARE(messageTexts(fx.platform), message);
        QCOMPARE(w->shown(), !message.isEmpty());
        QCOMPARE(w->tag(), handed.startsWith('|') ? QString() : QStringLiteral("fatto"));
        if (!message.isEmpty()) {
            QCOMPARE(fx.platform.messages[0].title, QStringLiteral("Persona mutanda est"));
            QCOMPARE(fx.platform.messages[0].icon, Icon::None);
            QCOMPARE(b.Timer1->interval(), 1000);
        } else if (button == 0 || button == 3) {
            QCOMPARE(b.foto1->pictureHandle(), w->foto(4)->pictureHandle());
            QCOMPARE(b.foto2->pictureHandle(), w->foto(second)->pictureHandle());
            QCOMPARE(w->velocita->caption(), QStringLiteral("Ludi celeritas:  3"));
        } else {
            // the close box during a game start: no game, the window discarded
            fx.platform.onModal = [](Form *f) { f->close(); };
            b.Imposta_Click();
            QVERIFY(b.tag().isEmpty() && b.shown() && !b.hasImpostazioni());
        }
    }

    void storedValues_data() {
        QTest::addColumn<QString>("key");    // the setting looked at
        QTest::addColumn<QString>("stored"); // key=text, several joined by "&"
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        for (const QStringList &f : tableOf(TEST_DATA_DIR "/stored-settings.tsv"))
            QTest::newRow(qPrintable(f[0]))
                << (f[4].isEmpty() ? f[1].section('=', 0, 0) : f[4]) << f[1] << f[2] << f[3];
    }

    void storedValues() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        BoardFixture fx;
        for (const QString &pair : stored.split('&', Qt::SkipEmptyParts))
            fx.store(pair.section('=', 0, 0), pair.section('=', 1));
        fx.board();
        fx.platform.messages.clear(); // from the window start-up reads
        Impostazioni *w = fx.newSettings();
        QCOMPARE(shown(w, key), expected);
        QCOMPARE(messageTexts(fx.platform), message);
        // the picture follows the character
        QCOMPARE(w->Picture1(1)->pictureHandle(), w->foto(w->Picture1(1)->tag().toInt())->pictureHandle());
    }

    void mementoWritesTheChoices() {
        BoardFixture fx;
        Impostazioni *w = fx.settings();
        w->okay_Click(0);
        QVERIFY(fx.store().allKeys().isEmpty()); // O.K. does not write the store
        w->show();
        w->Giocatori(1)->setValue(true);
        w->quverbi->setListIndex(4);
        w->Chclassi(2)->setValue(0);
        w->Chfreq(1)->setValue(0);
        w->musica->setValue(0);
        w->Lingue->setListIndex(-1);
        moveTo(w, 1, 6);
        moveTo(w, 2, 3);
        QTest::mouseClick(w->Memento->findChild<QWidget *>(), Qt::LeftButton);
        const QList<QPair<QString, QString>> expected = {
            {"Giocatori", "1"},  {"Dafare", "50"},   {"Classiscelte", "1011"}, {"Frequenze", "0111"},
            {"Suoni", "1"},      {"Musica", "0"},    {"Lingua", "-1"},         {"Escludisimili", "1"},
            {"Giocatore1", "6"}, {"Giocatore2", "3"}};
        for (const auto &[key, value] : expected)
            QCOMPARE(fx.stored(key).toString(), value);
        QCOMPARE(fx.store().allKeys().size(), expected.size());
    }

    void storeIsReadOnlyBeforeTheFirstGame() {
        BoardFixture fx;
        for (const char *kv : {"Giocatori=1", "Dafare=50", "Suoni=1", "Frequenze=0100", "Giocatore1=3"})
            fx.store(QString::fromLatin1(kv).section('=', 0, 0), QString::fromLatin1(kv).section('=', 1));
        fx.board().setTag(QStringLiteral("giaimpostato"));
        fx.board().foto1->setTag(QStringLiteral("Horatius"));
        fx.board().foto2->setTag(QStringLiteral("Seneca"));
        Impostazioni *w = fx.newSettings();
        // the design values, and the characters last handed over
        QVERIFY(w->Giocatori(2)->value());
        QCOMPARE(w->quverbi->text(), QStringLiteral("20 vocabula"));
        QCOMPARE(w->suoni->value(), 0);
        QCOMPARE(boxStates(w->Chfreq), QStringLiteral("1111"));
        QCOMPARE(w->Picture1(1)->tag() + w->Picture1(2)->tag(), QStringLiteral("56"));
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settings_window.moc"
