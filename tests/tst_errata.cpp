// The missed words: missing and mastering them in play, their file (its round
// trip with the lines kept as they stand, the atomic rewrite, an unreadable
// file left alone) and the game of missed words.

#include "board/traduci.h"
#include "errata/missedlist.h"
#include "players/schedule.h"
#include "settings/impostazioni.h"
#include "support/gamedriver.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QtTest>

namespace {

const QString file = QStringLiteral("errata.txt");
const QString today = QDate::currentDate().toString(Qt::ISODate);
const QString tomorrow = QDate::currentDate().addDays(1).toString(Qt::ISODate);

// A missed word's two lines, as the game writes them: in box 1, due the day
// after `day` ("TOMORROW" after "TODAY").
QByteArray entry(const QByteArray &record, int errors, const QByteArray &day = "2026-11-30") {
    const QByteArray next = day == "TODAY" ? QByteArray("TOMORROW")
                                           : QDate::fromString(QString::fromLatin1(day), Qt::ISODate)
                                                 .addDays(1)
                                                 .toString(Qt::ISODate)
                                                 .toLatin1();
    return "/ errores: " + QByteArray::number(errors) + "; ultimus: " + day + "; capsa: 1; debetur: " + next +
           "\r\n" + record + "\r\n";
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "verbum3=2@1/1 verbum5=1@2/3": the words of the list on disk with their
// errors, their box and the days from `day0` to their due day.
QString onDisk(QDate day0 = QDate::currentDate(), const QString &path = file) {
    MissedList l;
    l.load(path);
    QStringList out;
    for (const MissedWord &w : l.words())
        out << QStringLiteral("%1=%2@%3/%4").arg(w.latin).arg(w.errors).arg(w.box).arg(day0.daysTo(w.due));
    return out.join(QLatin1Char(' '));
}

// The next word drawn will be pool item `n` - 1 (verbum<n>) of a pool of 150.
void drawWord(FakePlatform &p, int n) {
    p.script({float((n - 1 + 0.5) / 150.0)});
}

} // namespace

class TestErrata : public QObject {
    Q_OBJECT
  private slots:
    // Games are separated by "|", each on its day ("1:" the day after the
    // first game); in a game each word "n:strikes" is verbum<n> with its
    // strikes in turn: "-" wrong, "+" right, each after the key's player in
    // a two-player game ("1-" is player 1 wrong). The list on disk gives
    // each word's errors, box and the days from the first game to its due day.
    void missingAndMastering_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("list");
        for (auto [name, players, games, list] :
             {std::tuple{"each wrong strike counts", 1, "0: 3:--+", "verbum3=2@1/1"},
              {"right again the same day: nothing moves", 1, "0: 3:-+ 3:+ | 0: 3:+", "verbum3=1@1/1"},
              {"right the next day: box 2, due two days on", 1, "0: 3:-+ 5:-+ | 1: 3:+",
               "verbum3=1@2/3 verbum5=1@1/1"},
              {"not due again the day after", 1, "0: 3:-+ | 1: 3:+ | 2: 3:+", "verbum3=1@2/3"},
              {"a miss in box 3: box 1 again", 1, "0: 3:-+ | 1: 3:+ | 3: 3:+ | 7: 3:-+", "verbum3=2@1/8"},
              {"right in box 5: mastered", 1, "0: 3:-+ | 1: 3:+ | 3: 3:+ | 7: 3:+ | 15: 3:+ | 31: 3:+", ""},
              {"a right word never missed", 1, "0: 3:+ 4:+", ""},
              {"either player's miss", 2, "0: 3:1-2-1+ 4:2+", "verbum3=2@1/1"},
              {"two players, the other one right the next day", 2, "0: 3:1-2+ | 1: 3:1+", "verbum3=1@2/3"}})
            QTest::newRow(name) << players << QString(games) << QString(list);
    }
    void missingAndMastering() {
        QFETCH(int, players);
        QFETCH(QString, games);
        QFETCH(QString, list);
        BoardFixture fx;
        Traduci &b = fx.board();
        const QDate day0(2026, 3, 2);
        int day = 0;
        schedule::setClock([&] { return day0.addDays(day); });
        const GameChoice choice{.players = players};
        for (const QString &game : games.split(QStringLiteral(" | "))) {
            day = game.section(QLatin1Char(':'), 0, 0).toInt();
            const QStringList words = game.section(QStringLiteral(": "), 1).split(QLatin1Char(' '));
            drawWord(fx.platform, words.first().section(QLatin1Char(':'), 0, 0).toInt());
            startGame(fx, choice);
            for (qsizetype i = 0; i < words.size(); ++i) {
                QCOMPARE(b.Parola->caption(),
                         QStringLiteral("verbum") + words[i].section(QLatin1Char(':'), 0, 0));
                const QString strikes = words[i].section(QLatin1Char(':'), 1);
                for (qsizetype j = 0; j < strikes.size(); j += players) {
                    const bool right = strikes.at(j + players - 1) == QLatin1Char('+');
                    if (right && i + 1 < words.size())
                        drawWord(fx.platform, words[i + 1].section(QLatin1Char(':'), 0, 0).toInt());
                    answer(b, right, players == 1 ? 0 : strikes.at(j).digitValue());
                }
            }
            QVERIFY(!b.state.gameOver);
        }
        schedule::setClock(nullptr);
        // Everything judged is on disk already, in the middle of the game.
        QCOMPARE(onDisk(day0), list);
        MissedList l;
        l.load(file);
        if (QFileInfo::exists(file)) QCOMPARE(l.heading(), QString::fromLatin1(testHeading));
        for (const MissedWord &w : l.words()) {
            const QString n = w.latin.mid(6);
            QCOMPARE(w.translations, QStringList({QStringLiteral("parola") + n, QStringLiteral("word") + n}));
        }
        QCOMPARE(b.findChild<QAction *>(QStringLiteral("Recense"))->isEnabled(), !list.isEmpty());
        QCOMPARE(b.findChild<QAction *>(QStringLiteral("LudusErrorum"))->isEnabled(), !list.isEmpty());
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
        // The sooner due day of the two stays.
        QTest::newRow("a word listed twice counts once")
            << h + v1 + v2 + entry("0;1;verbum1;parola1;word1", 3, "2026-12-02") << ""
            << h + entry("0;1;verbum1;parola1;word1", 5, "2026-12-02").replace("2026-12-03", "2026-12-01") +
                   v2;
        QTest::newRow("a comment without its record is kept")
            << h + "/ errores: 4; ultimus: 2026-12-01\r\n" + v1 << ""
            << h + "/ errores: 4; ultimus: 2026-12-01\r\n" + v1;
        // (A comment of an older file, without its box: box 1, due today.)
        QTest::newRow("UTF-8 and LF become Windows-1252 and CR LF")
            << QByteArray("Ordo;Classis;Verbum latinum;Italiano\n/ errores: 1; ultimus: "
                          "2026-12-01\n0;1;urbs;citt\xC3\xA0\n")
            << ""
            << QByteArray("Ordo;Classis;Verbum latinum;Italiano\r\n") +
                   entry("0;1;urbs;citt\xE0", 1, "2026-12-01").replace("2026-12-02", "TODAY");
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
            l.miss({c[2], c[1], {c[1], QStringLiteral("rose")}, 0, {}, 1, {}}, QDate::currentDate());
        QVERIFY(l.save(path));
        const QByteArray written = readAll(path);
        QCOMPARE(
            written,
            QByteArray(output).replace("TODAY", today.toLatin1()).replace("TOMORROW", tomorrow.toLatin1()));
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
    // strike moves up a box.
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
        MissedList after;
        after.load(file);
        QCOMPARE(std::ranges::count_if(after.words(), [](auto &w) { return w.box == 2; }), asked);
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
