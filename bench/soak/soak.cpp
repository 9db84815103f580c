// A soak: random players play whole games on the board through the test
// seams (the test platform, real key events, the tick run by hand), one and
// two players, with keys at random moments, including in the middle of a
// tick, settings changed at random, new games started over running ones, the
// about window, and the program ended and started again. It fails when the
// board stops making progress or its state leaves its bounds, and prints the
// resident memory after every tenth game and how much it grew over the second
// half of the run; run in the sanitizer build it checks memory and leaks.
//
//   lessicorsa-soak [GAMES [SEED]]     (defaults: 200 games, seed 20260101)

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "support/boardfixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

namespace {

// 256 words through all sixteen pairs of frequency and grammatical class; one
// in eight begins as its translation does, for the "similar words" box.
QByteArray soakVocabulary() {
    QByteArray v = testHeading + "\r\n";
    for (int n = 0; n < 256; ++n) {
        const QByteArray i = QByteArray::number(n);
        const QByteArray latin = n % 8 == 0 ? "paro" + i : "verbum" + i;
        v += QByteArray::number(n % 4 + 1) + ';' + QByteArray::number(n / 4 % 4 + 1) + ';' + latin +
             ";parola" + i + ";word" + i + "\r\n";
    }
    return v;
}

QByteArray personalVocabulary() {
    QByteArray v = "Ordo;Classis;Verbum;Traduzione\r\n/ vocabolario personale\r\n";
    for (int n = 0; n < 48; ++n)
        v += "0;" + QByteArray::number(n % 4 + 1) + ";privatum" + QByteArray::number(n) + ";proprio" +
             QByteArray::number(n) + "\r\n";
    return v;
}

// The process's resident memory in kB.
long residentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class Soak {
  public:
    explicit Soak(unsigned seed) : rng_(seed) {}

    // Plays until `games` games have ended; returns false (with a reason in
    // `failure`) when the board gets stuck or leaves its bounds.
    bool play(int games) {
        while (finished_ < games) {
            fx_.reset();
            fx_.emplace(soakVocabulary());
            fx_->write(QStringLiteral("vocpers.txt"), personalVocabulary());
            // The list of missed words is written through to the disk at every
            // wrong key; a folder in its place keeps the soak on the board.
            QDir(fx_->path()).mkdir(QStringLiteral("errata.txt"));
            fx_->platform.onModal = [this](ui::Form *f) { answerWindow(f); };
            Traduci &b = fx_->board();
            board_ = &b;
            ++starts_;
            if (!playOneRun(b, games)) return false;
        }
        fx_.reset();
        return true;
    }

    int finished_ = 0, twoPlayers_ = 0, started_ = 0, starts_ = 0, ticks_ = 0, keys_ = 0;
    QString failure;
    std::vector<long> resident; // after each finished game

  private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // One run of the program: from start-up until it is ended (Esc and O.K.)
    // or enough games have been played.
    bool playOneRun(Traduci &b, int games) {
        FakePlatform &pf = fx_->platform;
        int sinceProgress = 0;
        int lastDone = -1;
        while (finished_ < games) {
            const bool wasOver = b.state.gameOver;
            act(b);
            if (pf.endCount > 0) return true; // the program was ended: start it again
            if (b.state.gameOver && !wasOver) {
                ++finished_;
                if (b.state.playerCount == 2) ++twoPlayers_;
                resident.push_back(residentKb());
                if (finished_ % 10 == 0)
                    std::printf("game %4d: %ld kB resident\n", finished_, resident.back());
                sinceProgress = 0;
            }
            if (b.state.wordsDone != lastDone) {
                lastDone = b.state.wordsDone;
                sinceProgress = 0;
            }
            if (!checkBounds(b)) return false;
            // With a player who answers right whenever he can, a game ends
            // within a few thousand steps, lock-outs and the end scene included.
            if (++sinceProgress > 20000) {
                failure = QStringLiteral("no progress in 20000 steps (game %1, caption \"%2\", interval %3)")
                              .arg(finished_)
                              .arg(b.Parola->caption().left(40))
                              .arg(b.Timer1->interval());
                return false;
            }
            if (pf.messages.size() > 100) pf.messages.clear();
        }
        return true;
    }

    void act(Traduci &b) {
        FakePlatform &pf = fx_->platform;
        const TraduciState &s = b.state;
        // The game's own random draws (words, right boxes, distractors,
        // portraits), uniform in [0, 1) as the real generator gives them.
        while (pf.draws.size() < 64)
            pf.draws.enqueue(static_cast<float>(rng_() >> 8) / 16777216.0f);
        // The player who knows the answer mostly strikes while it is highlighted.
        if (s.answering == 1 && !s.gameOver && s.currentCandidate == s.correctCandidate && chance(0.6)) {
            press(b, playerKey(s));
            return;
        }
        const int r = pick(1000);
        if (r < 750) {
            tick(b);
        } else if (r < 880) {
            press(b, chance(0.5) ? playerKey(s) : randomKey());
        } else if (r < 940) {
            // A key that arrives while the tick lets pending events run.
            const int key = chance(0.5) ? playerKey(s) : randomKey();
            pf.onDoEvents = [this, &b, key] { post(b, key); };
            tick(b);
            pf.onDoEvents = nullptr;
        } else if (r < 995) {
            // A burst of keys queued, then handled together.
            for (int i = 1 + pick(4); i > 0; --i)
                post(b, chance(0.5) ? playerKey(s) : randomKey());
            QCoreApplication::processEvents();
        } else if (r < 997) {
            pf.answers.enqueue(chance(0.9) ? ui::Answer::Cancel : ui::Answer::Ok);
            press(b, Qt::Key_Escape);
            pf.answers.clear();
        } else if (r < 998) {
            b.Imposta->trigger(); // "Novus ludus" over whatever runs
        } else if (r < 999) {
            b.Info->trigger();
        } else {
            tick(b);
        }
    }

    void tick(Traduci &b) {
        ++ticks_;
        fx_->platform.advance(b.Timer1->interval() / 1000.0);
        b.Timer1_Timer();
    }

    int playerKey(const TraduciState &s) {
        if (s.playerCount != 2) return chance(0.8) ? int(Qt::Key_Return) : ' ';
        return chance(0.5) ? '0' : '1';
    }
    int randomKey() {
        static const int keys[] = {
            Qt::Key_Return,    ' ',         '0',        '1',          'a',          'Z', '5',
            Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_F1, Qt::Key_Left, Qt::Key_Enter};
        return keys[pick(int(std::size(keys)))];
    }

    static QKeyEvent *keyEvent(int key) {
        if (key >= 32 && key < 127) {
            const Qt::Key k = key >= 'a' && key <= 'z' ? Qt::Key(key - 32) : Qt::Key(key);
            return new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier, QString(QChar(key)));
        }
        const QString text = key == Qt::Key_Return || key == Qt::Key_Enter ? QStringLiteral("\r")
                             : key == Qt::Key_Backspace                    ? QStringLiteral("\b")
                             : key == Qt::Key_Tab                          ? QStringLiteral("\t")
                                                                           : QString();
        return new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text);
    }
    void press(Traduci &b, int key) {
        ++keys_;
        if (key >= 32 && key < 127)
            QTest::keyClick(&b, static_cast<char>(key));
        else
            QTest::keyClick(&b, static_cast<Qt::Key>(key));
    }
    void post(Traduci &b, int key) {
        ++keys_;
        QCoreApplication::postEvent(&b, keyEvent(key));
    }

    // The settings window, as a player fills it in: anything may change, and
    // most of the time O.K. starts the game.
    void answerWindow(ui::Form *form) {
        auto *w = qobject_cast<Impostazioni *>(form);
        if (!w) {
            form->hide(); // the about window
            return;
        }
        w->Giocatori(chance(0.5) ? 1 : 2)->setValue(true);
        w->velox->setValue(1 + pick(5));
        w->quverbi->setListIndex(chance(0.85) ? 0 : pick(5));
        if (chance(0.3)) w->similino->setValue(pick(2));
        for (int k = 1; k <= 4; ++k) {
            if (chance(0.25)) w->Chclassi(k)->setValue(pick(2));
            if (chance(0.25)) w->Chfreq(k)->setValue(pick(2));
        }
        if (chance(0.1)) w->Chfreq(0)->setValue(1 - w->Chfreq(0)->value());
        if (chance(0.2) && w->Lingue->listCount() > 0) w->Lingue->setListIndex(pick(w->Lingue->listCount()));
        for (int i = pick(3); i > 0; --i)
            w->Picture1_Click(1 + pick(2));
        if (chance(0.03)) w->Memento_Click();
        // One game in ten is painted at every tick; painting every game would
        // make the soak several times slower without reaching other code.
        board_->setUpdatesEnabled(chance(0.1));
        const int r = pick(100);
        if (r < 90) {
            ++started_;
            w->okay(0)->press();
        } else if (r < 97) {
            w->okay(1)->press();
        } else {
            w->close();
        }
    }

    bool checkBounds(const Traduci &b) {
        const TraduciState &s = b.state;
        auto fail = [this](const QString &what) {
            failure = what + QStringLiteral(" (game %1)").arg(finished_);
            return false;
        };
        if (s.currentCandidate < 0 || s.currentCandidate >= s.candidateCount)
            return fail(QStringLiteral("highlight on box %1").arg(s.currentCandidate));
        if (s.correctCandidate < 0 || s.correctCandidate >= s.candidateCount)
            return fail(QStringLiteral("right answer in box %1").arg(s.correctCandidate));
        if (s.lockoutRemaining < 0 || s.lockoutRemaining > 15000)
            return fail(QStringLiteral("lock-out of %1 ms").arg(s.lockoutRemaining));
        // Two players may together answer one word more than a game has.
        if (s.wordsDone < 0 || (s.wordsPerGame > 0 && s.wordsDone > s.wordsPerGame + 1))
            return fail(QStringLiteral("%1 words done of %2").arg(s.wordsDone).arg(s.wordsPerGame));
        const int interval = b.Timer1->interval();
        if (interval != 1000 && interval != 50 && (interval < 100 || interval > 500))
            return fail(QStringLiteral("timer interval %1").arg(interval));
        return true;
    }

    std::mt19937 rng_;
    std::optional<BoardFixture> fx_;
    Traduci *board_ = nullptr;
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ui::Timer::setDrivenByHand(true);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20260101u;
    QElapsedTimer clock;
    clock.start();
    Soak soak(seed);
    const bool ok = soak.play(games);
    std::printf("seed %u: %d games ended (%d of two players; O.K. pressed %d times, %d program runs), "
                "%d ticks, %d keys, %.1f s\n",
                seed, soak.finished_, soak.twoPlayers_, soak.started_, soak.starts_, soak.ticks_, soak.keys_,
                clock.elapsed() / 1000.0);
    const auto &r = soak.resident;
    if (r.size() >= 4) {
        const size_t half = r.size() / 2;
        std::printf("resident memory: %ld kB after game 1, %ld kB after game %zu, %ld kB after game %zu: "
                    "%+ld kB over the second half\n",
                    r.front(), r[half - 1], half, r.back(), r.size(), r.back() - r[half - 1]);
    }
    if (!ok) std::printf("FAILED: %s\n", qPrintable(soak.failure));
    return ok ? 0 : 1;
}
