// Start-up of the main window: its order, the guard, the sound switches and the idle board.
#include "board/guard.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "settings/store.h"
#include "support/boardfixture.h"
#include "ui/error.h"
#include "ui/multimedia.h"

#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void idleBoardAfterStartUp() {
        BoardFixture fx;
        Traduci &b = fx.board();
        QCOMPARE(b.state.playerCount, 2);
        QCOMPARE(b.state.barBaseHeight, 1605);
        QCOMPARE(b.state.candidateCount, 12);
        QCOMPARE(b.state.gameOver, false);
        QCOMPARE(b.state.vocabularyFile, QStringLiteral("vocabula.txt"));
        QCOMPARE(b.state.loadedFile, QStringLiteral("vocabula.txt"));
        QCOMPARE(b.state.lastWordIndex, 150);
        QVERIFY(b.Timer1->enabled());
        QCOMPARE(b.Timer1->interval(), 1000);
        QVERIFY(!b.Cornice->shown());
        QVERIFY(b.arapacis->shown());
        QCOMPARE(b.arapacis->top(), b.foto1->top());
        QCOMPARE(b.arapacis->left(), b.Cornice->left());
        QVERIFY(b.tag().isEmpty());
        // The settings window used by start-up is closed again.
        QVERIFY(!b.hasImpostazioni());
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(b.sign(k)->caption(), QStringLiteral("?"));
            QCOMPARE(b.sign(k)->backColor(), QColor(255, 255, 255));
        }
        for (auto *c : std::initializer_list<ui::Control *>{
                 b.figura(1), b.figura(2), b.colonna(1), b.colonna(2), b.base(1), b.base(2), b.barra(1),
                 b.barra(2), b.punti(1), b.punti(2), b.fumetto(1), b.fumetto(2), b.fumetto(3), b.fumetto(4),
                 b.battuta(1), b.battuta(2)})
            QVERIFY2(!c->shown(), qPrintable(c->objectName()));
        QVERIFY(b.foto1->shown() && b.foto2->shown());
        QVERIFY(fx.platform.messages.isEmpty());
        QCOMPARE(fx.platform.endCount, 0);
    }

    void windowIsCentred() {
        BoardFixture fx;
        fx.platform.screen = QSizeF(1000 * 15.0, 800 * 15.0);
        Traduci &b = fx.board();
        QCOMPARE(b.left(), std::round((1000 * 15.0f - b.outerWidth()) / 2 / 15) * 15);
        QCOMPARE(b.top(), std::round((800 * 15.0f - b.outerHeight()) / 2 / 15) * 15);
    }

    void idleTickShowsTwoRandomPortraitsAndTheInvitation() {
        BoardFixture fx;
        Traduci &b = fx.board();
        fx.platform.script({0.0f, 0.99f});
        b.Timer1_Timer();
        QCOMPARE(b.foto1->pictureName(), QStringLiteral("foto1"));
        QCOMPARE(b.foto2->pictureName(), QStringLiteral("foto6"));
        QCOMPARE(b.Parola->caption(),
                 QStringLiteral("Quamlibet clavem tange: laetaberis\rUn tasto per iniziare\r"
                                "Press any key to begin"));
        QCOMPARE(b.Parola->fontSize(), 12.0);
        fx.platform.script({0.5f, 0.5f});
        b.Timer1_Timer();
        QCOMPARE(b.foto1->pictureName(), QStringLiteral("foto4"));
        QCOMPARE(b.foto2->pictureName(), QStringLiteral("foto4"));
    }

    void silentWithoutSoundSettings() {
        BoardFixture fx;
        SettingsStore store;
        store.write(QStringLiteral("Suoni"), QStringLiteral("0"));
        store.write(QStringLiteral("Musica"), QStringLiteral("0"));
        Traduci &b = fx.board();
        QCOMPARE(b.state.musicOn, 0);
        QCOMPARE(b.state.soundsOn, 0);
        QVERIFY(!b.MCIvittoria->history().contains(QStringLiteral("Play")));
        QVERIFY(!b.MCImusica->history().contains(QStringLiteral("Play")));
    }

    void fanfareWhenSoundsAreOn() {
        BoardFixture fx;
        SettingsStore store;
        store.write(QStringLiteral("Suoni"), QStringLiteral("1"));
        store.write(QStringLiteral("Musica"), QStringLiteral("1"));
        Traduci &b = fx.board();
        QCOMPARE(b.state.musicOn, -1);
        QCOMPARE(b.state.soundsOn, -1);
        // Devices opened in their order first, then the fanfare rewound and played.
        QCOMPARE(b.MCIvittoria->history(), (QStringList{"Open", "Prev", "Play"}));
        QCOMPARE(b.MCImusica->history(), QStringList{"Open"}); // the music waits for the fanfare's end
    }

    void defectiveVocabularyWarnsBeforeTheBoardShows() {
        BoardFixture fx(makeVocabulary(150) + "broken line\r\n");
        Traduci &b = fx.board();
        QVERIFY(!b.isVisible());
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].title, QStringLiteral("Record difettosi nel file  vocabula.txt"));
    }

    void missingVocabularyEndsTheProgram() {
        BoardFixture fx;
        QFile::remove(QStringLiteral("vocabula.txt"));
        fx.board();
        QVERIFY(!fx.platform.messages.isEmpty());
        QCOMPARE(fx.platform.messages[0].text, QStringLiteral("File vocabula.txt assente o difettoso"));
        QCOMPARE(fx.platform.messages[0].icon, ui::Icon::Critical);
        QVERIFY(fx.platform.endCount >= 1);
    }

    void guardGoesOnAfterFileNotFound() {
        BoardFixture fx;
        QStringList ran;
        const std::function<void()> steps[] = {
            [&] { ran << "a"; },
            [&] { throw ui::RuntimeError(53, "file not found"); },
            [&] { ran << "c"; },
        };
        for (const auto &s : steps)
            QVERIFY(runUnderGuard(s));
        QCOMPARE(ran, (QStringList{"a", "c"}));
        QVERIFY(fx.platform.messages.isEmpty());
    }

    void guardEndsTheProgramOnAnyOtherFailure() {
        BoardFixture fx;
        QVERIFY(!runUnderGuard([] { throw ui::RuntimeError(7, "out of memory"); }));
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages[0].text, QStringLiteral("errore  7"));
        QCOMPARE(fx.platform.messages[0].title, QString());
        QCOMPARE(fx.platform.messages[0].icon, ui::Icon::None);
        QCOMPARE(fx.platform.messages[0].buttons, ui::Buttons::Ok);
        QCOMPARE(fx.platform.endCount, 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
