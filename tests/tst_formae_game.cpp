// The game of forms: the fair round of a word's forms, and a game of forms
// played on the board with forms from the test's own tables.

#include "board/traduci.h"
#include "formae/formae.h"
#include "formae/round.h"
#include "players/lusores.h"
#include "support/datarow.h"
#include "support/gamedriver.h"

#include <QAction>
#include <QFile>
#include <QtTest>

using namespace formae;

namespace {

Reading nominal(Case c, Number n) {
    Reading r;
    r.grammaticalCase = c;
    r.number = n;
    return r;
}

Reading verbal(int person, Number n, Tense t, Mood m, Voice v) {
    Reading r;
    r.person = static_cast<quint8>(person);
    r.number = n;
    r.tense = t;
    r.mood = m;
    r.voice = v;
    return r;
}

// The forms the tables below give, written from a school grammar: each form
// with every reading it has in its word.
const Reading nomSg = nominal(Case::Nom, Number::Sg), genSg = nominal(Case::Gen, Number::Sg),
              datSg = nominal(Case::Dat, Number::Sg), accSg = nominal(Case::Acc, Number::Sg),
              ablSg = nominal(Case::Abl, Number::Sg), vocSg = nominal(Case::Voc, Number::Sg),
              nomPl = nominal(Case::Nom, Number::Pl), genPl = nominal(Case::Gen, Number::Pl),
              datPl = nominal(Case::Dat, Number::Pl), accPl = nominal(Case::Acc, Number::Pl),
              ablPl = nominal(Case::Abl, Number::Pl), vocPl = nominal(Case::Voc, Number::Pl);

Paradigm paradigmOf(const QString &headword) {
    Paradigm p;
    p.headword = p.headwordWithLengths = headword;
    auto both = [&](const QString &text, QList<Reading> r) {
        p.plain.append({text, text, r});
        p.withLengths.append({text, text, r});
    };
    const QString lemma = headword.section(QLatin1Char(','), 0, 0);
    p.lemma = lemma;
    if (lemma == QStringLiteral("rosa")) {
        p.plain = {{"rosa", "rosa", {nomSg, vocSg, ablSg}},
                   {"rosae", "rosae", {genSg, datSg, nomPl, vocPl}},
                   {"rosam", "rosam", {accSg}},
                   {"rosarum", "rosārum", {genPl}},
                   {"rosis", "rosīs", {datPl, ablPl}},
                   {"rosas", "rosās", {accPl}}};
        p.withLengths = {{"rosa", "rosa", {nomSg, vocSg}}, {"rosae", "rosae", {genSg, datSg, nomPl, vocPl}},
                         {"rosam", "rosam", {accSg}},      {"rosā", "rosā", {ablSg}},
                         {"rosārum", "rosārum", {genPl}},  {"rosīs", "rosīs", {datPl, ablPl}},
                         {"rosās", "rosās", {accPl}}};
    } else if (lemma == QStringLiteral("deus")) {
        // Variants: "deum" is also genitive plural beside "deorum", "di" nominative plural beside "dei".
        for (auto [text, r] : {std::pair<QString, QList<Reading>>{"deus", {nomSg, vocSg}},
                               {"dei", {genSg, nomPl, vocPl}},
                               {"deo", {datSg, ablSg}},
                               {"deum", {accSg, genPl}},
                               {"deorum", {genPl}},
                               {"di", {nomPl, vocPl}},
                               {"deis", {datPl, ablPl}},
                               {"deos", {accPl}}})
            both(text, r);
    } else if (lemma == QStringLiteral("amo")) {
        p.kind = Kind::Verb;
        using enum Number;
        for (auto [text, r] :
             {std::pair<QString, QList<Reading>>{"amo", {verbal(1, Sg, Tense::Pres, Mood::Ind, Voice::Act)}},
              {"amas", {verbal(2, Sg, Tense::Pres, Mood::Ind, Voice::Act)}},
              {"ama", {verbal(2, Sg, Tense::Pres, Mood::Imp, Voice::Act)}},
              {"amaris", {verbal(2, Sg, Tense::Pres, Mood::Ind, Voice::Pass)}},
              {"amare",
               {verbal(2, Sg, Tense::Pres, Mood::Imp, Voice::Pass),
                verbal(0, None, Tense::Pres, Mood::Inf, Voice::Act)}},
              {"amamini",
               {verbal(2, Pl, Tense::Pres, Mood::Ind, Voice::Pass),
                verbal(2, Pl, Tense::Pres, Mood::Imp, Voice::Pass)}},
              {"amavisti", {verbal(2, Sg, Tense::Perf, Mood::Ind, Voice::Act)}},
              {"amasti", {verbal(2, Sg, Tense::Perf, Mood::Ind, Voice::Act)}}})
            both(text, r);
    }
    return p;
}

class TableSource final : public Source {
  public:
    std::optional<Paradigm> paradigm(const QString &latin, const QString &) const override {
        Paradigm p = paradigmOf(latin);
        if (p.plain.isEmpty()) return std::nullopt;
        return p;
    }
    QString withLengths(const QString &latin, const QString &) const override { return latin; }
};

// The choices of the window "LessiCorsa! Formae" as stored: kinds, moods, tenses, voices.
Asks asksOf(const QString &digits) {
    SettingsStore store;
    store.write(Asks::key, digits);
    return Asks::read(store);
}

QStringList texts(const QList<Form> &forms) {
    QStringList t;
    for (const Form &f : forms)
        t.append(f.text);
    return t;
}

const QByteArray formsVocabulary = testHeading + "\r\n" +
                                   "1;1;rosa, -ae f.;rosa;rose\r\n"
                                   "1;1;deus, -i m.;dio;god\r\n"
                                   "1;3;amo, -as, -avi, -atum, -are;amare;to love\r\n"
                                   "1;1;ignotus, -i m.;ignoto;unknown\r\n"
                                   "1;3;nescio, -is;non so;I do not know\r\n"
                                   "1;4;et;e;and\r\n"
                                   "1;4;sed;ma;but\r\n";

} // namespace

class TestFormaeGame : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { useTemporarySettings(); }

    // The forms a round offers: each keeps every reading it has, and no two
    // share one (a variant that would is left out).
    void fairRound_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("lengths");
        QTest::addColumn<QString>("asks");
        QTest::addColumn<QStringList>("kept");
        const QString all = QStringLiteral("1111111111111111");
        row("rosae, rosa: every case", "rosa, -ae f.", false, all,
            QStringList{"rosa", "rosae", "rosam", "rosarum", "rosis", "rosas"});
        row("rosa and rosā apart with lengths", "rosa, -ae f.", true, all,
            QStringList{"rosa", "rosae", "rosam", "rosā", "rosārum", "rosīs", "rosās"});
        row("deorum and di: variants left out", "deus, -i m.", false, all,
            QStringList{"deus", "dei", "deo", "deum", "deis", "deos"});
        row("amasti: a variant left out", "amo, -as", false, all,
            QStringList{"amo", "amas", "ama", "amaris", "amare", "amamini", "amavisti"});
        row("imperative only: amamini and amare keep their other readings", "amo, -as", false,
            "1111001011111111", QStringList{"ama", "amare", "amamini"});
        row("passive indicative", "amo, -as", false, "1111100011111101", QStringList{"amaris", "amamini"});
        QTest::newRow("no verbs") << "amo, -as" << false << "1110111111111111" << QStringList{};
        QTest::newRow("no nouns") << "rosa, -ae f." << false << "0111111111111111" << QStringList{};
    }
    void fairRound() {
        QFETCH(QString, word);
        QFETCH(bool, lengths);
        QFETCH(QString, asks);
        QFETCH(QStringList, kept);
        const Paradigm p = paradigmOf(word);
        const QList<Form> round = roundForms(p, lengths, asksOf(asks));
        QCOMPARE(texts(round), kept);
        for (qsizetype i = 0; i < round.size(); ++i) {
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!shareReading(round[i].readings, round[j].readings), qPrintable(round[i].text));
            const auto all = std::find_if(p.forms(lengths).begin(), p.forms(lengths).end(),
                                          [&](const Form &f) { return f.text == round[i].text; });
            QCOMPARE(round[i].readings, all->readings);
        }
    }

    // A game of forms through the board: the form with its headword beneath,
    // the right box every reading of it and no other box any, the words the
    // tables lack counted once, the missed words' list left alone, the games in
    // the history as games of forms.
    void gameOfForms() {
        Formae::setDefaultLoader([] { return Loaded{std::make_shared<TableSource>(), {}}; });
        BoardFixture fx(formsVocabulary);
        Traduci &b = fx.board();
        auto *ludus = b.findChild<QAction *>(QStringLiteral("LudusFormarum"));
        QVERIFY(ludus);
        for (int game = 0; game < 2; ++game) {
            answerSettings(fx.platform, GameChoice{.words = 10});
            ludus->trigger();
            QCOMPARE(b.choices().kind, QStringLiteral("formae"));
            QStringList asked;
            while (!b.state.gameOver) {
                const QString headword = b.Lemma->caption();
                const Paradigm p = paradigmOf(headword);
                const QList<Form> round = roundForms(p, false, Asks{});
                const auto shown = std::find_if(round.begin(), round.end(),
                                                [&](const Form &f) { return f.text == b.Parola->caption(); });
                QVERIFY2(shown != round.end(), qPrintable(b.Parola->caption()));
                QVERIFY(b.Lemma->shown());
                QVERIFY(!asked.contains(headword));
                asked.append(headword);
                QCOMPARE(b.sign(b.state.correctCandidate)->caption(),
                         describe(shown->readings, Language::Italian));
                for (int i = 0; i < 12; ++i) {
                    if (i == b.state.correctCandidate) continue;
                    const QString c = b.sign(i)->caption();
                    const bool fair = std::any_of(round.begin(), round.end(), [&](const Form &f) {
                        return f.text != shown->text && describe(f.readings, Language::Italian) == c &&
                               !shareReading(f.readings, shown->readings);
                    });
                    QVERIFY2(fair, qPrintable(c));
                }
                answer(b, false);
                answer(b, true);
            }
            asked.sort();
            QCOMPARE(asked, (QStringList{"amo, -as, -avi, -atum, -are", "deus, -i m.", "rosa, -ae f."}));
        }
        QCOMPARE(
            std::count_if(fx.platform.messages.begin(), fx.platform.messages.end(),
                          [](const RecordedMessage &m) { return m.text.startsWith(QStringLiteral("2 ")); }),
            1);
        QVERIFY(!QFile::exists(QStringLiteral("errata.txt")));
        // Both games are in the history, as games of forms only.
        auto *lusores = b.findChild<Lusores *>();
        lusores->history().flush();
        qsizetype forms = 0, words = 0;
        lusores->history().read([&](const players::HistoryStore &s) {
            forms = s.games(players::Roster::guestId, {}, false, QStringLiteral("formae")).size();
            words = s.games(players::Roster::guestId, {}).size();
        });
        QCOMPARE(forms, 2);
        QCOMPARE(words, 0);
        // A game of words after it: no note beneath the word.
        startGame(fx, GameChoice{});
        QCOMPARE(b.choices().kind, QString());
        QVERIFY(!b.Lemma->shown());
        Formae::setDefaultLoader({});
    }
};

QTEST_MAIN(TestFormaeGame)
#include "tst_formae_game.moc"
