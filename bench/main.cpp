// LessiCorsa's benchmarks: one run prints a table, each figure beside its
// floor (the least a Qt program can do for the same job on this machine).
//
// The game runs in probe processes (see probe.h) that create and show the
// main window as app/main.cpp does; the loader and the word pool are timed in
// this process. The 500 ms highlight needs 150 s for its 300 ticks, so its two
// probes (the game and its floor) run from the start, beside everything else;
// they sleep nearly all the time. Then, one after the other: the start-up
// runs (the first starts of all, with no picture kept rendered on disk, apart),
// the 100 ms probes (cadence, CPU and memory, with sound as a player has
// it by default), the bare window with music, the in-process timings, the
// game once more with sounds and music off, and a start and a game start with
// a vocabulary of 100,000 records beside the same with vocabula.txt. Every
// process uses the dummy SDL audio driver, which mixes in real time as a sound
// card would.
//
// Run it under a display (bench/run starts a virtual one when there is none).

#include "bench/inprocess.h"
#include "bench/measure.h"
#include "bench/probe.h"
#include "ui/application.h"
#include "ui/platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>

using namespace bench;

namespace {

const int startRuns = 7;
const int coldStartRuns = 3;
const int ticks = 300;

struct Probe {
    std::unique_ptr<QProcess> process;
    QMap<QByteArray, QByteArray> facts; // the probe's lines, by their first word
    std::int64_t startedNs = 0;
};

class Runner {
  public:
    // The probes keep their settings in `configDir` and the renderings they
    // keep on disk in `cacheDir` (so a run never meets the user's own).
    Runner(const QString &runDir, const QString &configDir, const QString &cacheDir) : runDir_(runDir) {
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
        env_.insert(QStringLiteral("XDG_CACHE_HOME"), cacheDir);
    }

    // Starts a probe; `configDir` replaces the probes' settings folder,
    // `runDir` their folder, `cacheDir` their cache folder.
    Probe start(const ProbeOptions &o, const QString &configDir = QString(),
                const QString &runDir = QString(), const QString &cacheDir = QString()) {
        Probe p;
        p.process = std::make_unique<QProcess>();
        QProcessEnvironment env = env_;
        if (!configDir.isEmpty()) env.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
        if (!cacheDir.isEmpty()) env.insert(QStringLiteral("XDG_CACHE_HOME"), cacheDir);
        p.process->setProcessEnvironment(env);
        p.process->setWorkingDirectory(runDir.isEmpty() ? runDir_ : runDir);
        p.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.startedNs = nowNs();
        p.process->start(QCoreApplication::applicationFilePath(), probeArguments(o));
        return p;
    }

    // Waits for the probe to end and reads its report.
    static void finish(Probe &p, int timeoutMs) {
        if (!p.process->waitForFinished(timeoutMs)) {
            p.facts["error"] = "no report in time";
            p.process->kill();
            p.process->waitForFinished(5000);
        }
        for (const QByteArray &line : p.process->readAllStandardOutput().split('\n')) {
            const qsizetype blank = line.indexOf(' ');
            if (blank > 0) p.facts[line.left(blank)] = line.mid(blank + 1);
        }
    }

    // Waits until the probe has painted its window.
    static void awaitPaint(Probe &p) {
        while (p.process->state() != QProcess::NotRunning && !p.process->canReadLine())
            p.process->waitForReadyRead(30000);
    }

  private:
    QString runDir_;
    QProcessEnvironment env_;
};

double paintMs(Probe &p) {
    const QByteArray paint = p.facts.value("paint");
    return paint.isEmpty() ? NAN : static_cast<double>(paint.toLongLong() - p.startedNs) / 1e6;
}

struct Cadence {
    double meanMs = NAN, p99Ms = NAN;
    int interval = 0, count = 0;
};

// The interval error: how far each interval between two ticks is from the
// nominal one, in either direction.
Cadence cadence(const Probe &p) {
    Cadence c;
    c.interval = p.facts.value("interval").toInt();
    const QList<QByteArray> t = p.facts.value("ticks").split(' ');
    std::vector<double> errors;
    for (qsizetype i = 1; i < t.size(); ++i)
        errors.push_back(
            std::fabs(static_cast<double>(t[i].toLongLong() - t[i - 1].toLongLong()) / 1e6 - c.interval));
    c.count = static_cast<int>(errors.size());
    c.meanMs = mean(errors);
    c.p99Ms = percentile(errors, 99);
    return c;
}

QString fmt(double v, int decimals) {
    return std::isnan(v) ? QStringLiteral("?") : QString::number(v, 'f', decimals);
}

// The load averages over 1, 5 and 15 minutes: other work on the machine blurs the figures.
QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("?");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

QString cpuModel() {
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &line : f.readAll().split('\n'))
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
    return QSysInfo::currentCpuArchitecture();
}

void row(const QString &what, const QString &game, const QString &floor, const QString &floorIs) {
    std::printf("| %s | %s | %s | %s |\n", qPrintable(what), qPrintable(game), qPrintable(floor),
                qPrintable(floorIs));
}

double fact(const Probe &p, const char *name) {
    const QByteArray v = p.facts.value(name);
    return v.isEmpty() ? NAN : v.toDouble();
}

QString ms(double v, int decimals = 0) {
    return fmt(v, decimals) + QStringLiteral(" ms");
}
QString mb(double kb) {
    return fmt(kb / 1024, 1) + QStringLiteral(" MB");
}
QString pct(double v, int decimals = 1) {
    return fmt(v, decimals) + QStringLiteral(" %");
}

bool copyAssets(const QString &to) {
    bool ok = true;
    for (const char *name :
         {"vocabula.txt", "vocpers.txt", "musica.mid", "Vittoria.wav", "Right.wav", "Wrong.wav"})
        ok = QFile::copy(QStringLiteral(ASSETS_DIR "/") + QLatin1String(name),
                         to + QLatin1Char('/') + QLatin1String(name)) &&
             ok;
    return ok;
}

} // namespace

int main(int argc, char **argv) {
    if (isProbe(argc, argv)) return runProbe(argc, argv);

    QTemporaryDir work;
    const QString runDir = work.filePath(QStringLiteral("run"));
    const QString probeConfig = work.filePath(QStringLiteral("probe-config"));
    const QString ownConfig = work.filePath(QStringLiteral("own-config"));
    const QString bigDir = work.filePath(QStringLiteral("run-100000"));
    for (const QString &d : {runDir, probeConfig, ownConfig, bigDir})
        QDir().mkpath(d);
    if (!copyAssets(runDir) || !copyAssets(bigDir)) {
        std::fprintf(stderr, "cannot copy the game's files from %s\n", ASSETS_DIR);
        return 1;
    }
    // This process keeps its own, silent settings: a sound playing beside the
    // timed work would only blur it. The probes run with the defaults.
    {
        QFile in(runDir + QStringLiteral("/vocabula.txt")), out(bigDir + QStringLiteral("/vocabula.txt"));
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bench::biggerVocabulary(in.readAll(), 100000)) < 0) {
            std::fprintf(stderr, "cannot write the vocabulary of 100,000 records\n");
            return 1;
        }
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("XDG_CONFIG_HOME", ownConfig.toLocal8Bit());
    qputenv("XDG_CACHE_HOME", work.filePath(QStringLiteral("own-cache")).toLocal8Bit());
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    ui::setUpApplication();
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lessicorsa"),
                    QStringLiteral("Lessicorsa"));
        s.setValue(QStringLiteral("Impostazioni/Suoni"), QStringLiteral("0"));
        s.setValue(QStringLiteral("Impostazioni/Musica"), QStringLiteral("0"));
        s.setValue(QStringLiteral("Impostazioni/Species"), QStringLiteral("100"));
    }
    {
        // The board is measured at 100 %, the size of the floor's window (the
        // zoom's own benchmark measures the larger steps).
        QSettings s(probeConfig + QStringLiteral("/Lessicorsa/Lessicorsa.conf"), QSettings::IniFormat);
        s.setValue(QStringLiteral("Impostazioni/Species"), QStringLiteral("100"));
    }
    QDir::setCurrent(runDir);
    Runner runner(runDir, probeConfig, work.filePath(QStringLiteral("cache")));
    std::fprintf(stderr, "benchmarking, about four minutes...\n");
    const QString loadBefore = loadAverage();

    // The slow cadence first: it runs for the whole benchmark.
    Probe game500 = runner.start({.game = true, .intervalMs = 500, .ticks = ticks, .idleSeconds = 0});
    Probe bare500 = runner.start({.game = false, .intervalMs = 500, .ticks = ticks, .idleSeconds = 0});
    Runner::awaitPaint(game500);
    Runner::awaitPaint(bare500);
    QThread::msleep(1500);

    // Start to first paint, the game and the bare window in turn.
    std::vector<double> startGame, startBare, startGameCpu, startBareCpu;
    for (int i = 0; i < startRuns; ++i) {
        for (bool game : {true, false}) {
            Probe p = runner.start({.game = game, .paintOnly = true});
            Runner::finish(p, 30000);
            (game ? startGame : startBare).push_back(paintMs(p));
            (game ? startGameCpu : startBareCpu).push_back(fact(p, "paintcpu"));
        }
    }

    // The first start of all: no renderings kept yet (each in a cache folder of its own).
    std::vector<double> coldGame, coldBare;
    for (int i = 0; i < coldStartRuns; ++i) {
        for (bool game : {true, false}) {
            Probe p = runner.start({.game = game, .paintOnly = true}, QString(), QString(),
                                   work.filePath(QStringLiteral("cold-cache-%1").arg(i)));
            Runner::finish(p, 30000);
            (game ? coldGame : coldBare).push_back(paintMs(p));
        }
    }

    // The fast cadence, CPU and memory, with nothing heavy beside them.
    Probe game100 = runner.start({.game = true, .intervalMs = 100, .ticks = ticks, .idleSeconds = 5});
    Probe bare100 = runner.start({.game = false, .intervalMs = 100, .ticks = ticks, .idleSeconds = 5});
    Runner::finish(game100, 90000);
    Runner::finish(bare100, 90000);

    // The floor of everything with music: the bare window playing musica.mid.
    Probe bareMusic =
        runner.start({.game = false, .intervalMs = 100, .ticks = ticks, .idleSeconds = 5, .music = true});
    Runner::finish(bareMusic, 90000);

    const InProcessFigures in = measureInProcess();

    // The game again with sounds and music off (this process's settings).
    Probe quiet =
        runner.start({.game = true, .intervalMs = 100, .ticks = ticks, .idleSeconds = 5}, ownConfig);
    Runner::finish(quiet, 90000);

    // A start and a game start with 100,000 records, and with vocabula.txt (silent).
    Probe bigStart = runner.start({.game = true, .gameStart = true}, ownConfig, bigDir);
    Runner::finish(bigStart, 120000);
    Probe smallStart = runner.start({.game = true, .gameStart = true}, ownConfig);
    Runner::finish(smallStart, 60000);

    Runner::finish(game500, 240000);
    Runner::finish(bare500, 240000);

    // The table.
    std::printf("LessiCorsa %d.%d.%d on %s, %d cores, %s, Qt %s, platform %s; load average %s before, %s "
                "after; the board at 100 %%\n\n",
                ui::versionMajor, ui::versionMinor, ui::versionRevision, qPrintable(cpuModel()),
                QThread::idealThreadCount(), qPrintable(QSysInfo::prettyProductName()), qVersion(),
                qPrintable(QGuiApplication::platformName()), qPrintable(loadBefore),
                qPrintable(loadAverage()));
    row(QStringLiteral("Measure"), QStringLiteral("LessiCorsa"), QStringLiteral("Floor"),
        QStringLiteral("The floor is"));
    row(QStringLiteral("---"), QStringLiteral("---:"), QStringLiteral("---:"), QStringLiteral("---"));
    const double startG = median(startGame), startB = median(startBare);
    const double cpuG = median(startGameCpu), cpuB = median(startBareCpu);
    row(QStringLiteral("Start to the first painted idle board, wall (median of %1)").arg(startRuns),
        ms(startG) + QStringLiteral(" (%1×)").arg(fmt(startG / startB, 2)), ms(startB),
        QStringLiteral("a bare Qt window with twelve labels"));
    row(QStringLiteral("Start to the first painted idle board, CPU time used (median of %1)").arg(startRuns),
        ms(cpuG) + QStringLiteral(" (%1×)").arg(fmt(cpuG / cpuB, 2)), ms(cpuB),
        QStringLiteral("a bare Qt window with twelve labels"));
    const double coldG = median(coldGame), coldB = median(coldBare);
    row(QStringLiteral("The same, the first start (no picture kept rendered yet), wall (median of %1)")
            .arg(coldStartRuns),
        ms(coldG) + QStringLiteral(" (%1×)").arg(fmt(coldG / coldB, 2)), ms(coldB),
        QStringLiteral("a bare Qt window with twelve labels"));
    for (Probe *pair : {&game100, &game500}) {
        Probe &bare = pair == &game100 ? bare100 : bare500;
        const Cadence g = cadence(*pair), b = cadence(bare);
        row(QStringLiteral("Highlight every %1 ms: interval error, mean / 99th percentile (%2 ticks)")
                .arg(g.interval)
                .arg(g.count),
            fmt(g.meanMs, 2) + QStringLiteral(" / ") + fmt(g.p99Ms, 2) + QStringLiteral(" ms"),
            fmt(b.meanMs, 2) + QStringLiteral(" / ") + fmt(b.p99Ms, 2) + QStringLiteral(" ms"),
            QStringLiteral("a precise QTimer moving a highlight over twelve labels"));
    }
    const QString musicFloor = QStringLiteral("the bare window playing musica.mid in a loop (SDL2_mixer)");
    row(QStringLiteral("CPU while idle, sounds and music on (5 s; one core = 100 %)"),
        pct(fact(game100, "idlecpu"), 2), pct(fact(bareMusic, "idlecpu"), 2), musicFloor);
    row(QStringLiteral("CPU while idle, sounds and music off (5 s)"), pct(fact(quiet, "idlecpu"), 2),
        pct(fact(bare100, "idlecpu"), 2), QStringLiteral("the bare window, idle"));
    row(QStringLiteral("CPU while a game runs at speed 5, music on (30 s)"), pct(fact(game100, "gamecpu")),
        pct(fact(bareMusic, "gamecpu")), QStringLiteral("the same, with its highlight every 100 ms"));
    row(QStringLiteral("CPU while a game runs at speed 5, music off (30 s)"), pct(fact(quiet, "gamecpu")),
        pct(fact(bare100, "gamecpu")), QStringLiteral("the bare window's highlight every 100 ms"));
    row(QStringLiteral("Peak memory (resident), sounds and music on, after the game"),
        mb(fact(game100, "rss")), mb(fact(bareMusic, "rss")),
        musicFloor + QStringLiteral(", after its highlight"));
    row(QStringLiteral("Peak memory (resident), sounds and music off, after the game"),
        mb(fact(quiet, "rss")), mb(fact(bare100, "rss")),
        QStringLiteral("the bare window after its highlight"));
    const QString same1600 = QStringLiteral("the same with vocabula.txt (1,600 records)");
    const auto wallCpu = [](double wall, double cpu) { return ms(wall) + QStringLiteral(" / ") + ms(cpu); };
    row(QStringLiteral("100,000 records: start to the first painted idle board (wall / CPU)"),
        wallCpu(paintMs(bigStart), fact(bigStart, "paintcpu")),
        wallCpu(paintMs(smallStart), fact(smallStart, "paintcpu")), same1600);
    row(QStringLiteral("100,000 records: first game start, O.K. to the first word (wall / CPU)"),
        wallCpu(fact(bigStart, "gamestart"), fact(bigStart, "gamestartcpu")),
        wallCpu(fact(smallStart, "gamestart"), fact(smallStart, "gamestartcpu")), same1600);
    row(QStringLiteral("100,000 records: longest stand-still of the window in that game start"),
        ms(fact(bigStart, "freeze")), ms(fact(smallStart, "freeze")), same1600);
    row(QStringLiteral("100,000 records: peak memory after that game start"), mb(fact(bigStart, "rss")),
        mb(fact(smallStart, "rss")), same1600);
    const auto twice = [](double wall, double cpu, int decimals) {
        return fmt(wall, decimals) + QStringLiteral(" / ") + fmt(cpu, decimals) + QStringLiteral(" ms");
    };
    row(QStringLiteral("Loading 1,600 records (vocabula.txt, median of 40; wall / CPU)"),
        twice(in.load1600Ms, in.load1600CpuMs, 2), ms(in.read1600Ms, 3),
        QStringLiteral("a plain read of the same file (wall)"));
    row(QStringLiteral("Loading 100,000 records (median of 5; wall / CPU)"),
        twice(in.load100kMs, in.load100kCpuMs, 1), ms(in.read100kMs, 2),
        QStringLiteral("a plain read of the same file (wall)"));
    row(QStringLiteral("Rebuilding a %1-word pool with its progress caption (median of 10; wall / CPU)")
            .arg(QLocale(QLocale::English).toString(in.poolSize)),
        twice(in.poolMs, in.poolCpuMs, 1), ms(in.poolFloorMs, 2),
        QStringLiteral("the same words chosen into four plain lists (wall)"));

    QStringList problems = in.problems;
    for (Probe *p : {&game100, &bare100, &game500, &bare500, &quiet, &bareMusic, &bigStart, &smallStart})
        if (p->facts.contains("error")) problems << QString::fromUtf8(p->facts.value("error"));
    if (!problems.isEmpty()) std::printf("\nNotes: %s\n", qPrintable(problems.join(QStringLiteral("; "))));
    return 0;
}
