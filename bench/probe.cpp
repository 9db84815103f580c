#include "bench/probe.h"

#include "bench/measure.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/application.h"
#include "ui/multimedia.h"
#include "ui/platform.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <SDL.h>
#include <SDL_mixer.h>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>

namespace bench {

QStringList probeArguments(const ProbeOptions &o) {
    QStringList a{QStringLiteral("--probe"), o.game ? QStringLiteral("game") : QStringLiteral("bare")};
    if (o.paintOnly) return a << QStringLiteral("--paint-only");
    if (o.music) a << QStringLiteral("--music");
    if (o.gameStart) a << QStringLiteral("--game-start");
    if (o.play) a << QStringLiteral("--play");
    if (o.voiceDelay) a << QStringLiteral("--voice-delay");
    return a << QStringLiteral("--interval") << QString::number(o.intervalMs) << QStringLiteral("--ticks")
             << QString::number(o.ticks) << QStringLiteral("--idle") << QString::number(o.idleSeconds);
}

bool isProbe(int argc, char **argv) {
    return argc > 2 && std::strcmp(argv[1], "--probe") == 0;
}

namespace {

void say(const QByteArray &line) {
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void finish(int code) {
    std::fflush(stdout);
    // Leave at once: nothing after the report is measured, and the sound
    // thread need not be wound down.
    std::_Exit(code);
}

ProbeOptions parse(int argc, char **argv) {
    ProbeOptions o;
    o.game = std::strcmp(argv[2], "game") == 0;
    for (int i = 3; i < argc; ++i) {
        const QByteArray a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--paint-only")
            o.paintOnly = true;
        else if (a == "--music")
            o.music = true;
        else if (a == "--game-start")
            o.gameStart = true;
        else if (a == "--play")
            o.play = true;
        else if (a == "--voice-delay")
            o.voiceDelay = true;
        else if (a == "--interval" && hasValue)
            o.intervalMs = std::atoi(argv[++i]);
        else if (a == "--ticks" && hasValue)
            o.ticks = std::atoi(argv[++i]);
        else if (a == "--idle" && hasValue)
            o.idleSeconds = std::atof(argv[++i]);
    }
    return o;
}

// Calls `then` once the first paint of `window` (any of its widgets) is done:
// the paint event starts the window's painting, a zero timer runs after it
// has been painted and flushed to the screen.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget *window, std::function<void()> then) : window_(window), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override {
        if (!seen_ && e->type() == QEvent::Paint) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && w->window() == window_) {
                seen_ = true;
                QTimer::singleShot(0, this, [this] {
                    say("paint " + QByteArray::number(static_cast<qint64>(nowNs())));
                    say("paintcpu " + QByteArray::number(static_cast<double>(cpuNs()) / 1e6, 'f', 1));
                    qApp->removeEventFilter(this);
                    then_();
                });
            }
        }
        return false;
    }

  private:
    QWidget *window_;
    std::function<void()> then_;
    bool seen_ = false;
};

// The floor: twelve labels in a grid, one of them highlighted at a time.
class BareWindow : public QWidget {
  public:
    BareWindow() {
        setWindowTitle(QStringLiteral("bare"));
        auto *grid = new QGridLayout(this);
        for (int k = 0; k < 12; ++k) {
            labels_[k] = new QLabel(QStringLiteral("parola %1").arg(k + 1), this);
            labels_[k]->setAutoFillBackground(true);
            labels_[k]->setAlignment(Qt::AlignCenter);
            paint(k, Qt::white);
            grid->addWidget(labels_[k], k / 3, k % 3);
        }
        resize(800, 600);
    }
    // Moves the highlight to the next label, as the board does.
    void step() {
        paint(current_, Qt::white);
        current_ = (current_ + 1) % 12;
        paint(current_, Qt::yellow);
    }

  private:
    void paint(int k, const QColor &c) {
        QPalette p = labels_[k]->palette();
        p.setColor(QPalette::Window, c);
        labels_[k]->setPalette(p);
    }
    std::array<QLabel *, 12> labels_{};
    int current_ = 0;
};

// Records the times of `count` + 1 ticks, then reports them with the CPU used
// meanwhile and the peak memory, and ends the probe.
class TickLog {
  public:
    explicit TickLog(int count) : count_(count) {}
    void tick(int intervalMs) {
        const std::int64_t t = nowNs();
        if (times_.empty()) {
            cpu0_ = cpuNs();
            say("interval " + QByteArray::number(intervalMs));
        }
        times_.push_back(t);
        if (static_cast<int>(times_.size()) <= count_) return;
        const double cpu = static_cast<double>(cpuNs() - cpu0_) / static_cast<double>(t - times_.front());
        QByteArray line = "ticks";
        for (std::int64_t x : times_)
            line += ' ' + QByteArray::number(static_cast<qint64>(x));
        say(line);
        say("gamecpu " + QByteArray::number(cpu * 100, 'f', 3));
        say("rss " + QByteArray::number(static_cast<qint64>(peakRssKb())));
        if (beforeEnd) beforeEnd();
        finish(0);
    }
    // Reports more facts before the probe ends.
    std::function<void()> beforeEnd;

  private:
    int count_;
    std::vector<std::int64_t> times_;
    std::int64_t cpu0_ = 0;
};

// Measures CPU use over `seconds` of idling, then calls `then`. With
// `ready`, the measurement waits until it holds (the music has begun).
void measureIdle(double seconds, std::function<void()> then, std::function<bool()> ready = {}) {
    if (seconds <= 0) {
        then();
        return;
    }
    if (ready && !ready()) {
        QTimer::singleShot(100, qApp, [seconds, then, ready] { measureIdle(seconds, then, ready); });
        return;
    }
    // Let start-up settle first (the opening sound, fonts, the first idle tick).
    QTimer::singleShot(2000, qApp, [seconds, then] {
        const std::int64_t c0 = cpuNs(), t0 = nowNs();
        QTimer::singleShot(static_cast<int>(seconds * 1000), qApp, [c0, t0, then] {
            const double pct = 100.0 * static_cast<double>(cpuNs() - c0) / static_cast<double>(nowNs() - t0);
            say("idlecpu " + QByteArray::number(pct, 'f', 3));
            then();
        });
    });
}

// Starts a one-player game at `speed` the way a player does: a key on the
// idle board opens the settings window, which is filled in and confirmed
// while it is shown modally. `confirmedNs`, when given, gets the time of O.K.
void startGame(Traduci *board, int speed, std::int64_t *confirmedNs = nullptr,
               std::int64_t *confirmedCpuNs = nullptr) {
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, speed, confirmedNs, confirmedCpuNs] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *settings = qobject_cast<Impostazioni *>(w);
            if (!settings || !settings->isVisible()) continue;
            poll->stop();
            poll->deleteLater();
            settings->Giocatori(1)->setValue(true);
            settings->velox->setValue(speed);
            if (confirmedNs) *confirmedNs = nowNs();
            if (confirmedCpuNs) *confirmedCpuNs = cpuNs();
            settings->okay_Click(0);
            return;
        }
    });
    poll->start();
    QCoreApplication::postEvent(
        board, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
}

// The longest time between two turns of the event loop, seen by a 5 ms timer.
class StandStill {
  public:
    StandStill() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const std::int64_t t = nowNs();
            longest_ = std::max(longest_, t - last_);
            last_ = t;
        });
    }
    void start() {
        last_ = nowNs();
        timer_.start(5);
    }
    double longestMs() const { return static_cast<double>(longest_) / 1e6; }

  private:
    QTimer timer_;
    std::int64_t last_ = 0, longest_ = 0;
};

// One game start, timed from O.K. to the first word, then the end of the probe.
void timeGameStart(Traduci *b) {
    static StandStill still;
    static std::int64_t confirmed = 0, confirmedCpu = 0;
    still.start();
    QTimer::singleShot(0, b, [b] {
        startGame(b, 3, &confirmed, &confirmedCpu);
        // The key is delivered now, and game start runs within it to the first word.
        QCoreApplication::sendPostedEvents(b, QEvent::KeyPress);
        const std::int64_t asked = nowNs(), askedCpu = cpuNs();
        QTimer::singleShot(300, qApp, [asked, askedCpu] {
            say("gamestart " + QByteArray::number(static_cast<double>(asked - confirmed) / 1e6, 'f', 1));
            say("gamestartcpu " +
                QByteArray::number(static_cast<double>(askedCpu - confirmedCpu) / 1e6, 'f', 1));
            say("freeze " + QByteArray::number(still.longestMs(), 'f', 1));
            say("rss " + QByteArray::number(static_cast<qint64>(peakRssKb())));
            finish(0);
        });
    });
}

// Answers each word right when the highlight stands on its translation, from
// the word's third tick on: a word's first sound is then its own voice, never
// the sound of its right answer.
void playRight(Traduci *b) {
    auto word = std::make_shared<std::pair<int, int>>(-1, 0); // words done, ticks of this word
    QObject::connect(b->Timer1, &ui::Timer::tick, b, [b, word] {
        const TraduciState &s = b->state;
        if (s.answering != 1 || s.gameOver) return;
        if (s.wordsDone != word->first) *word = {s.wordsDone, 0};
        if (++word->second >= 3 && s.currentCandidate == s.correctCandidate)
            QCoreApplication::postEvent(
                b, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
    });
}

// The delay from each word's paint to the first sample of the mix above
// silence (-40 dBFS). The mix is read where SDL_mixer hands it to the audio
// driver: with the dummy driver, at the moment a sound card would play it.
class VoiceDelay : public QObject, public game::Listener {
  public:
    explicit VoiceDelay(Traduci *b) : parola_(b->Parola) {
        b->addListener(this);
        parola_->installEventFilter(this);
        // Listens to the mix once the game has opened the audio device.
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll] {
            int frequency = 0, channels = 0;
            Uint16 format = 0;
            if (!Mix_QuerySpec(&frequency, &format, &channels)) return;
            poll->stop();
            rate_ = frequency;
            channels_ = channels;
            Mix_RegisterEffect(MIX_CHANNEL_POST, &heard, nullptr, nullptr);
        });
        poll->start(20);
    }
    void wordAsked(const game::Word &) override { asked_ = true; }
    bool eventFilter(QObject *o, QEvent *e) override {
        if (asked_ && o == parola_ && e->type() == QEvent::Paint) {
            asked_ = false;
            painted_ = nowNs();
        }
        return false;
    }
    // The delays so far, in milliseconds.
    static QByteArray report() {
        std::lock_guard lock(mutex_);
        QByteArray line = "voicedelay";
        for (double ms : delays_)
            line += ' ' + QByteArray::number(ms, 'f', 1);
        return line;
    }

  private:
    static void heard(int, void *stream, int len, void *) {
        const std::int64_t now = nowNs();
        std::int64_t painted = painted_.load();
        if (!painted || channels_ <= 0) return;
        const auto *samples = static_cast<const Sint16 *>(stream);
        for (int i = 0; i < len / 2; ++i) {
            if (std::abs(int(samples[i])) < 328) continue;
            if (!painted_.compare_exchange_strong(painted, 0)) return;
            const double offsetNs = double(i / channels_) * 1e9 / rate_;
            std::lock_guard lock(mutex_);
            delays_.push_back((double(now - painted) + offsetNs) / 1e6);
            return;
        }
    }
    QObject *parola_;
    bool asked_ = false;
    static inline std::atomic<std::int64_t> painted_{0};
    static inline int rate_ = 44100, channels_ = 0;
    static inline std::mutex mutex_;
    static inline std::vector<double> delays_;
};

int runGame(const ProbeOptions &o) {
    // As app/main.cpp.
    auto board = std::make_unique<Traduci>();
    Traduci *b = board.get();
    TickLog log(o.ticks);
    if (o.play) playRight(b);
    std::unique_ptr<VoiceDelay> delay;
    if (o.voiceDelay) {
        delay = std::make_unique<VoiceDelay>(b);
        log.beforeEnd = [] { say(VoiceDelay::report()); };
    }
    QObject::connect(b->Timer1, &ui::Timer::tick, b, [b, &log] {
        // Ticks of the running game only: not the idle screen, not the end scene.
        if (b->state.answering == 1 && !b->state.gameOver) log.tick(b->Timer1->interval());
    });
    FirstPaint watch(b, [b, &o] {
        if (o.paintOnly) finish(0);
        if (o.gameStart) {
            QTimer::singleShot(1000, b, [b] { timeGameStart(b); });
            return;
        }
        // With music on, idling is measured once the music plays.
        const auto musicPlays = [b] {
            return b->state.musicOn == 0 || b->MCImusica->mode() == ui::MultimediaDevice::Playing;
        };
        measureIdle(
            o.idleSeconds, [b, &o] { startGame(b, (600 - o.intervalMs) / 100); }, musicPlays);
    });
    b->show();
    return QApplication::exec();
}

// The floor's music: musica.mid from the current folder, looped by SDL2_mixer
// itself, opened as the game opens its audio.
void playMusicInALoop() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        say("error no audio for the music floor");
        return;
    }
    Mix_Music *music = Mix_LoadMUS("musica.mid");
    if (!music || Mix_PlayMusic(music, -1) != 0) say("error the music floor cannot play musica.mid");
}

int runBare(const ProbeOptions &o) {
    BareWindow window;
    TickLog log(o.ticks);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(o.intervalMs);
    QObject::connect(&timer, &QTimer::timeout, &window, [&] {
        window.step();
        log.tick(timer.interval());
    });
    FirstPaint watch(&window, [&] {
        if (o.paintOnly) finish(0);
        if (o.music) playMusicInALoop();
        measureIdle(o.idleSeconds, [&] {
            if (o.ticks > 0) return timer.start();
            say("rss " + QByteArray::number(static_cast<qint64>(peakRssKb())));
            finish(0);
        });
    });
    window.show();
    return QApplication::exec();
}

} // namespace

int runProbe(int argc, char **argv) {
    const ProbeOptions o = parse(argc, argv);
    if (o.game) ui::shareOneHeap(); // as app/main.cpp; the floor keeps the defaults
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    if (o.game) {
        ui::setUpApplication();
        ui::setBeforeEnd(&ui::shutdownAudio);
        return runGame(o);
    }
    return runBare(o);
}

} // namespace bench
