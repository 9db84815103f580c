// The spoken word's costs, measured in probes of the main benchmark (see
// bench/probe.h): one-player games at speed 5 played to the end of their
// ticks, each word answered right as soon as the highlight stands on it, with
// sounds on and music off, through SDL's dummy driver (which mixes in real
// time, as a sound card would).
//
//   - the delay from each word's paint to the first sample of the mix above
//     silence, with Vox on;
//   - the CPU used while the game runs with Vox off (the floor), Vox on, and
//     Vox with Vox translationis.
//
// The probes of one round run one after the other; rounds alternate them,
// so that other work on the machine blurs each alike.
//
//   lessicorsa-bench-vox [rounds]   prints the table (2 rounds by default)

#include "bench/measure.h"
#include "bench/probe.h"
#include "ui/application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

using namespace bench;

namespace {

struct Kind {
    const char *name;
    bool vox, translation;
};
const Kind kinds[] = {
    {"Vox off", false, false}, {"Vox on", true, false}, {"Vox and Vox translationis", true, true}};

// Runs one probe in `dir` with the settings of `kind`; its facts by their first word.
QMap<QByteArray, QByteArray> probe(const QString &dir, const Kind &kind, int ticks) {
    const QString config = dir + QStringLiteral("/config");
    {
        QSettings s(config + QStringLiteral("/Lessicorsa/Lessicorsa.conf"), QSettings::IniFormat);
        s.clear();
        for (const auto &[key, value] : {std::pair{"Species", "100"},
                                         {"Suoni", "1"},
                                         {"Musica", "0"},
                                         {"Dafare", "50"},
                                         {"Giocatori", "1"},
                                         {"Vox", kind.vox ? "1" : "0"},
                                         {"VoxTranslationis", kind.translation ? "1" : "0"}})
            s.setValue(QStringLiteral("Impostazioni/") + QLatin1String(key), QLatin1String(value));
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Idle 3 s first: the start-up fanfare has ended when the game starts.
    p.start(QCoreApplication::applicationFilePath(),
            probeArguments({.game = true,
                            .intervalMs = 100,
                            .ticks = ticks,
                            .idleSeconds = 3,
                            .play = true,
                            .voiceDelay = kind.vox && !kind.translation}));
    QMap<QByteArray, QByteArray> facts;
    if (!p.waitForFinished(180000)) {
        facts["error"] = "no report in time";
        p.kill();
        p.waitForFinished(5000);
    }
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        if (blank > 0) facts[line.left(blank)] = line.mid(blank + 1);
    }
    return facts;
}

// The load averages over 1, 5 and 15 minutes: other work on the machine blurs the figures.
QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2)
                                       : QStringLiteral("?");
}

QString fmt(double v, int decimals) {
    return std::isnan(v) ? QStringLiteral("?") : QString::number(v, 'f', decimals);
}

} // namespace

int main(int argc, char **argv) {
    if (isProbe(argc, argv)) return runProbe(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    const int ticks = 150; // some 25 words, 40 s of game

    QTemporaryDir work;
    for (const char *name : {"vocabula.txt", "Vittoria.wav", "Right.wav", "Wrong.wav", "musica.mid"}) {
        if (!QFile::copy(QStringLiteral(ASSETS_DIR "/") + QLatin1String(name),
                         work.filePath(QLatin1String(name)))) {
            std::fprintf(stderr, "cannot copy %s from %s\n", name, ASSETS_DIR);
            return 1;
        }
    }
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    std::fprintf(stderr, "benchmarking the spoken word, %d rounds of about two minutes...\n", rounds);

    const QString loadBefore = loadAverage();
    std::vector<double> cpu[3], delays;
    QStringList problems;
    for (int r = 0; r < rounds; ++r) {
        for (int k = 0; k < 3; ++k) {
            const QMap<QByteArray, QByteArray> facts = probe(work.path(), kinds[k], ticks);
            if (facts.contains("error")) problems << QString::fromUtf8(facts.value("error"));
            if (facts.contains("gamecpu")) cpu[k].push_back(facts.value("gamecpu").toDouble());
            for (const QByteArray &ms : facts.value("voicedelay").split(' '))
                if (!ms.isEmpty()) delays.push_back(ms.toDouble());
        }
    }

    std::printf("Load average %s before, %s after\n\n", qPrintable(loadBefore), qPrintable(loadAverage()));
    std::printf("| Measure | Vox | Floor | The floor is |\n|---|---:|---:|---|\n");
    std::printf("| A word's paint to its first sound above silence (%zu words): median / 95th percentile / "
                "worst | %s / %s / %s ms | | |\n",
                delays.size(), qPrintable(fmt(median(delays), 0)), qPrintable(fmt(percentile(delays, 95), 0)),
                qPrintable(fmt(delays.empty() ? NAN : *std::max_element(delays.begin(), delays.end()), 0)));
    for (int k = 1; k < 3; ++k) {
        const double on = median(cpu[k]), off = median(cpu[0]);
        std::printf("| CPU while a game runs at speed 5, %s, every word answered (median of %zu; one core = "
                    "100 %%) | %s %% (+%s) | %s %% | the same game with Vox off |\n",
                    kinds[k].name, cpu[k].size(), qPrintable(fmt(on, 1)), qPrintable(fmt(on - off, 1)),
                    qPrintable(fmt(off, 1)));
    }
    if (!problems.isEmpty()) std::printf("\nNotes: %s\n", qPrintable(problems.join(QStringLiteral("; "))));
    return 0;
}
