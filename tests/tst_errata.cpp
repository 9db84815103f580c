// The missed words: missing and mastering them as the game events tell, their file (its round
// trip with the lines kept as they stand, the atomic rewrite, an unreadable
// file left alone) and the game of missed words.

#include "board/traduci.h"
#include "errata/errata.h"
#include "errata/missedlist.h"
#include "settings/impostazioni.h"
#include "support/fakedoor.h"
#include "support/gamedriver.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QtTest>

namespace {

const QString file = QStringLiteral("errata.txt");
const QString today = QDate::currentDate().toString(Qt::ISODate);

// A missed word's two lines, as the game writes them.
QByteArray entry(const QByteArray &record, int errors, const QByteArray &day = "2026-11-30") {
    return "/ errores: " + QByteArray::number(errors) + "; ultimus: " + day + "\r\n" + record + "\r\n";
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "verbum3=2 verbum5=1": the words of the list on disk with their errors.
QString onDisk() {
    MissedList l;
    l.load(file);
    QStringList out;
    for (const MissedWord &w : l.words())
        out << w.latin + QLatin1Char('=') + QString::number(w.errors);
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestErrata : public QObject {
    Q_OBJECT
  private slots:
    // Games are separated by "|"; in a game each word "n:strikes" is
    // verbum<n> with its strikes in turn: "-" wrong, "+" right, each after
    // the key's player in a two-player game ("1-" is player 1 wrong).
    void missingAndMastering_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("list");
        for (auto [name, players, games, list] :
             {std::tuple{"each wrong strike counts", 1, "3:--+", "verbum3=2"},
              {"first strike right in the same game", 1, "3:-+ 3:+", "verbum3=1"},
              {"first strike right in a later game", 1, "3:-+ 5:-+ | 3:+", "verbum5=1"},
              {"a right word never missed", 1, "3:+ 4:+", ""},
              {"either player's miss", 2, "3:1-2-1+ 4:2+", "verbum3=2"},
              {"two players, mastered", 2, "3:1-2+ | 3:1+", ""}})
            QTest::newRow(name) << players << QString(games) << QString(list);
    }
    void missingAndMastering() {
        QFETCH(int, players);
        QFETCH(QString, games);
        QFETCH(QString, list);
        BoardFixture fx;
        FakeDoor door;
        Errata errata(door, nullptr);
        game::Choices choices;
        choices.playerCount = players;
        for (const QString &game : games.split(QStringLiteral(" | "))) {
            door.start(choices);
            for (const QString &word : game.split(QLatin1Char(' '))) {
                door.ask(QStringLiteral("verbum") + word.section(QLatin1Char(':'), 0, 0));
                const QString strikes = word.section(QLatin1Char(':'), 1);
                for (qsizetype j = 0; j < strikes.size(); j += players)
                    door.strike(players == 1 ? 1 : strikes.at(j).digitValue(),
                                strikes.at(j + players - 1) == QLatin1Char('+'));
            }
        }
        // Everything judged is on disk already, in the middle of the game.
        QCOMPARE(onDisk(), list);
        MissedList l;
        l.load(file);
        if (QFileInfo::exists(file)) QCOMPARE(l.heading(), QString::fromLatin1(testHeading));
        for (const MissedWord &w : l.words()) {
            const QString n = w.latin.mid(6);
            QCOMPARE(w.translations, QStringList({QStringLiteral("parola") + n, QStringLiteral("word") + n}));
            QCOMPARE(w.last, QDate::currentDate());
        }
        QCOMPARE(errata.findChild<QAction *>(QStringLiteral("Recense"))->isEnabled(), !list.isEmpty());
        QCOMPARE(errata.findChild<QAction *>(QStringLiteral("LudusErrorum"))->isEnabled(), !list.isEmpty());
    }

    // The file read, changed and written again: bytes in, bytes out ("TODAY"
    // stands for today's date). A null input means no file. A reader of the
    // old file still reads it whole afterwards: the new file was written
    // beside it, then put in its place.
    void fileRoundTrip_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArray>("output");
        const QByteArray h = testHeading + "\r\n";
        const QByteArray mine = "/ my own note\r\n0;3;amo;amare;to love\r\n not a record\r\n";
        const QByteArray v1 = entry("0;1;verbum1;parola1;word1", 2);
        const QByteArray v2 = entry("0;2;verbum2;parola2;word2", 1, "2026-12-01");
        QTest::newRow("hand-added lines kept, a word mastered")
            << h + v1 + mine + v2 << "master verbum2 2" << h + v1 + mine;
        QTest::newRow("a miss counts in place")
            << h + v1 + mine + v2 << "miss verbum1 1"
            << h + entry("0;1;verbum1;parola1;word1", 3, "TODAY") + mine + v2;
        QTest::newRow("a new word after the rest")
            << QByteArray() << "miss rosa 1" << h + entry("0;1;rosa;rosa;rose", 1, "TODAY");
        QTest::newRow("a word listed twice counts once")
            << h + v1 + v2 + entry("0;1;verbum1;parola1;word1", 3, "2026-12-02") << ""
            << h + entry("0;1;verbum1;parola1;word1", 5, "2026-12-02") + v2;
        QTest::newRow("a comment without its record is kept")
            << h + "/ errores: 4; ultimus: 2026-12-01\r\n" + v1 << ""
            << h + "/ errores: 4; ultimus: 2026-12-01\r\n" + v1;
        QTest::newRow("UTF-8 and LF become Windows-1252 and CR LF")
            << QByteArray("Ordo;Classis;Verbum latinum;Italiano\n/ errores: 1; ultimus: "
                          "2026-12-01\n0;1;urbs;citt\xC3\xA0\n")
            << ""
            << QByteArray("Ordo;Classis;Verbum latinum;Italiano\r\n") +
                   entry("0;1;urbs;citt\xE0", 1, "2026-12-01");
        QTest::newRow("text beyond Windows-1252 stays UTF-8")
            << h + entry("0;1;caritas;\xCE\xB1\xCE\xB3\xCE\xAC\xCF\x80\xCE\xB7", 1) << ""
            << "\xEF\xBB\xBF" + h + entry("0;1;caritas;\xCE\xB1\xCE\xB3\xCE\xAC\xCF\x80\xCE\xB7", 1);
        // In Windows-1252 these two letters would read back as UTF-8 "é".
        QTest::newRow("Windows-1252 that reads as UTF-8")
            << "\xEF\xBB\xBF" + h + entry("0;1;x;\xC3\x83\xC2\xA9", 1) << ""
            << "\xEF\xBB\xBF" + h + entry("0;1;x;\xC3\x83\xC2\xA9", 1);
    }
    void fileRoundTrip() {
        QFETCH(QByteArray, input);
        QFETCH(QString, change);
        QFETCH(QByteArray, output);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        if (!input.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(input);
        }
        QFile reader(path);
        QCOMPARE(reader.open(QIODevice::ReadOnly), !input.isNull());
        MissedList l;
        QCOMPARE(l.load(path), input.isNull() ? MissedList::Status::Absent : MissedList::Status::Read);
        const QStringList c = change.split(QLatin1Char(' '));
        if (l.heading().isEmpty()) l.setHeading(QString::fromLatin1(testHeading));
        if (c[0] == QStringLiteral("master")) QVERIFY(l.master(c[1], c[2]));
        if (c[0] == QStringLiteral("miss"))
            l.miss({c[2], c[1], {c[1], QStringLiteral("rose")}, 0, {}}, QDate::currentDate());
        QVERIFY(l.save(path));
        const QByteArray written = readAll(path);
        QCOMPARE(written, QByteArray(output).replace("TODAY", today.toLatin1()));
        if (reader.isOpen()) QCOMPARE(reader.readAll(), input);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{file});
        // The loader takes the file as a vocabulary: a record for every word.
        QCOMPARE(vocabulary::parse(written, 0).rows.size() - 1,
                 size_t(l.words().size() + written.count("\r\n0;3;amo")));
    }

    void unreadableFileLeftAlone_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("not text") << false;
        QTest::newRow("a folder in its place") << true;
    }
    void unreadableFileLeftAlone() {
        QFETCH(bool, folder);
        BoardFixture fx;
        const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0", 11);
        if (folder)
            QVERIFY(QDir(fx.path()).mkdir(file));
        else
            fx.write(file, binary);
        Traduci &b = fx.board();
        startGame(fx, GameChoice{});
        answer(b, false);
        answer(b, false);
        emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
        const auto warning = [](auto &m) {
            return m.title == "LessiCorsa! Errata" && m.icon == ui::Icon::Exclamation;
        };
        QCOMPARE(std::ranges::count_if(fx.platform.messages, warning), 1);
        QCOMPARE(QFileInfo(file).isDir(), folder);
        if (!folder) QCOMPARE(readAll(file), binary);
        QVERIFY(!b.findChild<QAction *>(QStringLiteral("Recense"))->isEnabled());
        QCOMPARE(QDir(fx.path()).entryList(QDir::Files | QDir::Hidden).size(), folder ? 1 : 2);
    }

    // A game of missed words: the words asked, each once, are the missed ones
    // (at most as many as chosen); the other candidates are translations of
    // the same class from the whole vocabulary; a word right at the first
    // strike leaves the list.
    void ludusErrorum_data() {
        QTest::addColumn<QByteArray>("missed");
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("nounsOnly");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("absent");
        const QByteArray h = testHeading + "\r\n";
        const QByteArray v3 = entry("0;3;verbum3;parola3;word3", 2),
                         v5 = entry("0;1;verbum5;parola5;word5", 1);
        QByteArray twelve = h;
        for (int n = 10; n < 22; ++n)
            twelve += entry(QString("0;%1;verbum%2;parola%2;word").arg((n - 1) % 4 + 1).arg(n).toLatin1(), 1);
        QTest::newRow("two missed words") << h + v3 + v5 << 10 << false << 2 << "";
        QTest::newRow("more missed words than chosen") << twelve << 10 << false << 10 << "";
        QTest::newRow("a single missed word, its class not chosen") << h + v3 << 10 << true << 1 << "";
        QTest::newRow("a word no longer in the vocabulary")
            << h + v3 + entry("0;1;rosa;rosa;rose", 4) << 10 << false << 2 << "rosa";
    }
    void ludusErrorum() {
        QFETCH(QByteArray, missed);
        QFETCH(int, words);
        QFETCH(bool, nounsOnly);
        QFETCH(int, asked);
        QFETCH(QString, absent);
        BoardFixture fx;
        fx.write(file, missed);
        Traduci &b = fx.board();
        MissedList before;
        before.load(file);
        GameChoice choice{.words = words};
        if (nounsOnly)
            choice.tweak = [](Impostazioni *w) {
                for (int k = 2; k <= 4; ++k)
                    w->Chclassi(k)->setValue(0);
            };
        answerSettings(fx.platform, choice);
        emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
        b.findChild<QAction *>(QStringLiteral("LudusErrorum"))->trigger();
        QCOMPARE(b.state.wordsPerGame, double(asked));
        QSet<QString> seen;
        for (int i = 0; i < asked; ++i) {
            const QString latin = b.Parola->caption();
            const QList<MissedWord> all = before.words();
            const auto m = std::find_if(all.begin(), all.end(), [&](auto &w) { return w.latin == latin; });
            QVERIFY2(m != all.end() && !seen.contains(latin), qPrintable(latin));
            seen.insert(latin);
            QCOMPARE(b.sign(b.state.correctCandidate)->caption(), m->translations.first());
            // The distractors: the same class's other translations in the vocabulary.
            QVERIFY(b.errati->listCount() >= 30);
            for (const QString &t : b.errati->items())
                QCOMPARE((t.mid(6).toInt() - 1) % 4 + 1, m->category.toInt());
            answer(b, true);
        }
        QVERIFY(b.state.gameOver);
        QCOMPARE(before.words().size() - onDisk().split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), asked);
        const auto warning = [](auto &m) { return m.text.contains("non sono più"); };
        QCOMPARE(std::ranges::any_of(fx.platform.messages, warning), !absent.isEmpty());
        // The next game shows the number chosen, not this game's count, and
        // draws from the chosen classes again.
        QString shown;
        fx.platform.onModal = [&](ui::Form *f) {
            auto *w = qobject_cast<Impostazioni *>(f);
            shown = w->quverbi->text();
            w->okay(0)->press();
        };
        b.Imposta->trigger();
        QCOMPARE(shown, QString::number(words) + QStringLiteral(" vocabula"));
        QCOMPARE(b.vocabolo->listCount(), nounsOnly ? 38 : 150);
    }
};

QTEST_MAIN(TestErrata)
#include "tst_errata.moc"
