// Reading the settings store with anything in it: random texts under any of
// its ten keys and a store file of random bytes. Every time the settings
// window must come up usable (one box ticked in each class group, characters
// 1-6, 10-50 words, a language of the list) and O.K. must start a game with
// those choices. (The reading rules value by value are tested with the store.)
//
// LESSICORSA_FUZZ_SEED sets the random seed (printed with a failure).

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"
#include "ui/convert.h"

#include <QFile>
#include <QSettings>
#include <QTest>
#include <functional>
#include <random>

namespace {

const QStringList keys = {"Giocatori", "Dafare",       "Suoni",      "Musica",     "Escludisimili",
                          "Frequenze", "Classiscelte", "Giocatore1", "Giocatore2", "Lingua"};

// Every pair of frequency and grammatical class holds twenty words, so that any
// choice of classes gives a game.
QByteArray allPairsVocabulary() {
    QByteArray v = testHeading + "\r\n";
    for (int n = 0; n < 320; ++n) {
        const QByteArray i = QByteArray::number(n);
        v += QByteArray::number(n % 4 + 1) + ';' + QByteArray::number(n / 4 % 4 + 1) + ";verbum" + i +
             ";parola" + i + ";word" + i + "\r\n";
    }
    return v;
}

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lessicorsa"),
                     QStringLiteral("Lessicorsa"));
}

void storeTexts(const QMap<QString, QString> &texts) {
    QSettings s = store();
    for (auto it = texts.begin(); it != texts.end(); ++it)
        s.setValue(QStringLiteral("Impostazioni/") + it.key(), it.value());
}

// The stored texts, readable in a failure message.
QString describe(const QMap<QString, QString> &texts) {
    QStringList parts;
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        QString shown;
        for (QChar c : it.value().left(60))
            shown +=
                c.isPrint() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        parts << it.key() + QStringLiteral("=\"") + shown + (it.value().size() > 60 ? "...\"" : "\"");
    }
    return parts.join(QStringLiteral(", "));
}

int states(const ui::ControlArray<ui::CheckBox> &boxes, QString *digits) {
    int ticked = 0;
    digits->clear();
    for (int k = 1; k <= 4; ++k) {
        *digits += QString::number(boxes(k)->value());
        ticked += boxes(k)->value() == 1;
    }
    return ticked;
}

// What the player would see wrong in the window, or an empty text.
QString unusable(Impostazioni *w) {
    QString digits;
    if (states(w->Chclassi, &digits) == 0) return QStringLiteral("no grammatical class ticked");
    if (states(w->Chfreq, &digits) == 0) return QStringLiteral("no frequency class ticked");
    for (int g = 1; g <= 2; ++g) {
        bool ok = false;
        const int n = w->Picture1(g)->tag().toInt(&ok);
        if (!ok || n < 1 || n > 6)
            return QStringLiteral("player %1 shows character \"%2\"").arg(g).arg(w->Picture1(g)->tag());
        if (w->nomefoto(g)->caption() != w->persone[n][1]) return QStringLiteral("player %1 misnamed").arg(g);
    }
    if (w->Giocatori(1)->value() == w->Giocatori(2)->value()) return QStringLiteral("players not chosen");
    if (w->Giocatori(2)->value() && w->Picture1(1)->tag() == w->Picture1(2)->tag())
        return QStringLiteral("both players the same character");
    const double words = ui::val(w->quverbi->text());
    if (words < 10 || words > 50 || w->quverbi->listIndex() < 0)
        return QStringLiteral("words per game \"%1\"").arg(w->quverbi->text());
    if (w->Lingue->listIndex() < 0 || w->Lingue->listIndex() >= w->Lingue->listCount())
        return QStringLiteral("language %1 of %2").arg(w->Lingue->listIndex()).arg(w->Lingue->listCount());
    for (ui::CheckBox *box : {w->suoni, w->musica, w->similino})
        if (box->value() != 0 && box->value() != 1)
            return QStringLiteral("a box in state %1").arg(box->value());
    return {};
}

// What the window shows, as the values a game starts with.
struct Shown {
    bool twoPlayers;
    int words, sounds, music, similar, player1, player2, language;
    QString frequencies, classes;
};

Shown shown(Impostazioni *w) {
    Shown s{};
    s.twoPlayers = w->Giocatori(2)->value();
    s.words = static_cast<int>(ui::val(w->quverbi->text()));
    s.sounds = w->suoni->value();
    s.music = w->musica->value();
    s.similar = w->similino->value();
    s.player1 = w->Picture1(1)->tag().toInt();
    s.player2 = w->Picture1(2)->tag().toInt();
    s.language = w->Lingue->listIndex();
    states(w->Chfreq, &s.frequencies);
    states(w->Chclassi, &s.classes);
    return s;
}

// A random text for a value: number-like pieces, separators, markup of the
// store's file format, letters from several scripts, control characters,
// lone surrogates, now and then a very long one.
QString randomText(std::mt19937 &g) {
    static const QStringList pieces = {"0",
                                       "1",
                                       "2",
                                       "5",
                                       "9",
                                       "10",
                                       "30",
                                       "50",
                                       "70",
                                       "-1",
                                       "-0",
                                       "+3",
                                       "0.5",
                                       "1.5",
                                       "2.5",
                                       "1e3",
                                       "1E-3",
                                       "1e400",
                                       "-1e400",
                                       "nan",
                                       "inf",
                                       "0x1F",
                                       " ",
                                       "\t",
                                       "e",
                                       "E",
                                       ".",
                                       ",",
                                       ";",
                                       "=",
                                       "[",
                                       "]",
                                       "\\",
                                       "\"",
                                       "@",
                                       "@Variant(",
                                       "@ByteArray(",
                                       "@Invalid()",
                                       "true",
                                       "é",
                                       "€",
                                       "ж",
                                       "中",
                                       "😀",
                                       "\u0663",
                                       "\uFF13",
                                       "\n",
                                       "\r",
                                       QString(QChar(0)),
                                       "Impostazioni/Dafare",
                                       "%20",
                                       "#",
                                       "vocabula"};
    auto pick = [&g](int n) { return std::uniform_int_distribution<int>(0, n - 1)(g); };
    QString t;
    const int kind = pick(20);
    if (kind == 0) {
        // A long run of random code units, surrogates included.
        for (int i = 500 + pick(3000); i > 0; --i)
            t += QChar(static_cast<char16_t>(1 + pick(0xFFFF)));
    } else if (kind == 1) {
        t = QString(QChar(0xD800 + pick(0x800))) + pieces.at(pick(int(pieces.size())));
    } else {
        for (int i = pick(7); i > 0; --i)
            t += pieces.at(pick(int(pieces.size())));
    }
    return t;
}

} // namespace

class TestSettingsFuzz : public QObject {
    Q_OBJECT

    std::mt19937 rng;
    unsigned seed = 0;
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

    // A number as a player's store might hold it: blanks before, a decimal
    // point, a plus sign, words after.
    QString numberText(long long n) {
        const QString s = QString::number(n);
        switch (pick(6)) {
        case 0:
            return QStringLiteral("  ") + s;
        case 1:
            return s + QStringLiteral(".0");
        case 2:
            return n >= 0 ? QStringLiteral("+") + s : s;
        case 3:
            return s + QStringLiteral(" vocabula");
        case 4:
            return QStringLiteral("\t") + s + QStringLiteral("  ");
        default:
            return s;
        }
    }
    long long between(long long lo, long long hi) {
        return std::uniform_int_distribution<long long>(lo, hi)(rng);
    }
    QString letters() {
        static const QStringList words = {"abc", "x", "mille", "dieci", "Ä", "off", "-", "."};
        return words.at(pick(int(words.size())));
    }

    // Fills the store with `fill`, then opens the settings window afresh (the
    // main window set up no game yet, so the window reads the store) and
    // checks it; then O.K. must start a game with what the window showed.
    void openAndPlay(const std::function<void()> &fill, const QString &context, Shown *seen) {
        BoardFixture fx(allPairsVocabulary()); // (it empties the store)
        fill();
        Traduci &b = fx.board(); // the start-up reads the store too
        Impostazioni *w = b.impostazioni();
        const QString wrong = unusable(w);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong + QStringLiteral(" with ") + context));
        const Shown s = shown(w);
        if (seen) *seen = s;

        fx.platform.onModal = [](ui::Form *f) {
            if (auto *settings = qobject_cast<Impostazioni *>(f))
                settings->okay(0)->press();
            else
                f->hide();
        };
        b.Imposta->trigger();
        const TraduciState &st = b.state;
        QVERIFY2(st.answering == 1 && !st.gameOver,
                 qPrintable(QStringLiteral("no game started with ") + context));
        QVERIFY2(st.playerCount == (s.twoPlayers ? 2 : 1) && st.wordsPerGame == s.words &&
                     st.languageIndex == s.language && st.chosenClasses == s.classes &&
                     st.chosenFrequencies == s.frequencies,
                 qPrintable(QStringLiteral("the game differs from the window with ") + context));
    }

  private slots:
    void initTestCase() {
        ui::Timer::setDrivenByHand(true);
        seed = static_cast<unsigned>(qEnvironmentVariableIntValue("LESSICORSA_FUZZ_SEED"));
        if (seed == 0) seed = 4113;
        rng.seed(seed);
        useTemporarySettings();
    }

    void anyTextUnderAnyKeyGivesAUsableWindow() {
        for (int round = 0; round < 150; ++round) {
            QMap<QString, QString> texts;
            for (const QString &k : keys)
                if (chance(0.6)) texts[k] = randomText(rng);
            const QString context =
                QStringLiteral("seed %1 round %2: %3").arg(seed).arg(round).arg(describe(texts));
            Shown s;
            openAndPlay([&] { storeTexts(texts); }, context, &s);
            if (QTest::currentTestFailed()) return;
            // Only the text "2" gives two players.
            QVERIFY2(s.twoPlayers ==
                         (!texts.contains("Giocatori") || texts["Giocatori"] == QStringLiteral("2")),
                     qPrintable(context));
        }
    }

    void aGarbledStoreFileGivesAUsableWindow() {
        const QString file = store().fileName();
        for (int round = 0; round < 40; ++round) {
            // Lines of the file's own format with random values, then random bytes.
            QByteArray bytes = "[Impostazioni]\n";
            for (int i = pick(12); i > 0; --i)
                bytes += keys.at(pick(int(keys.size()))).toUtf8() + '=' + randomText(rng).toUtf8() + '\n';
            for (int i = pick(200); i > 0; --i)
                bytes += static_cast<char>(pick(256));
            const auto garble = [&] {
                QFile f(file);
                if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
            };
            openAndPlay(garble,
                        QStringLiteral("seed %1 round %2: file %3")
                            .arg(seed)
                            .arg(round)
                            .arg(QString::fromLatin1(bytes.toHex().left(120))),
                        nullptr);
            if (QTest::currentTestFailed()) return;
        }
    }
};

QTEST_MAIN(TestSettingsFuzz)
#include "tst_settings_fuzz.moc"
