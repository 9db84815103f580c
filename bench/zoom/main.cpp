// The view's costs: how long the board takes to redraw after a step change,
// the CPU a game costs at 100 % and at 400 %, the CPU of the idle board, and
// how many pixels are painted meanwhile. Each figure is measured in a child
// process of its own, on the current display (run it on a 3840 x 2160 Xvfb).
//
//   lessicorsa-bench-zoom [seconds]   prints the table (a game runs `seconds`, 20 by default)

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "settings/store.h"
#include "ui/application.h"
#include "ui/multimedia.h"
#include "ui/picture.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// "median worst" of the figures, in milliseconds to a tenth.
QByteArray medianAndWorst(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return QByteArray::number(v[v.size() / 2], 'f', 1) + ' ' + QByteArray::number(v.back(), 'f', 1);
}

// Counts the pixels painted in the board's widgets.
class PaintCount : public QObject {
  public:
    explicit PaintCount(QWidget *board) : board_(board) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::Paint) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && w->window() == board_) {
                for (const QRect &r : static_cast<QPaintEvent *>(e)->region())
                    pixels += static_cast<qint64>(r.width()) * r.height();
            }
        }
        return false;
    }
    qint64 pixels = 0;

  private:
    QWidget *board_;
};

void startGame(Traduci *board) {
    // A key on the idle board opens the settings window: one player, speed 5,
    // no sounds, O.K.
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *settings = qobject_cast<Impostazioni *>(w);
            if (!settings || !settings->isVisible()) continue;
            poll->stop();
            poll->deleteLater();
            settings->Giocatori(1)->setValue(true);
            settings->velox->setValue(5);
            settings->suoni->setValue(0);
            settings->musica->setValue(0);
            settings->okay_Click(0);
            return;
        }
    });
    poll->start();
    QCoreApplication::postEvent(
        board, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
}

// The floor of a game's painting at a step: a bare window of the board's
// size with twelve labels of the boxes' size and font, its highlight moved
// every 100 ms as at speed 5.
int bareChild(int percent, double seconds) {
    const double z = percent / 100.0;
    QWidget window;
    auto *grid = new QGridLayout(&window);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10 * z);
    std::array<QLabel *, 12> labels{};
    const auto paint = [&labels](int k, const QColor &c) {
        QPalette p = labels[k]->palette();
        p.setColor(QPalette::Window, c);
        labels[k]->setPalette(p);
    };
    for (int k = 0; k < 12; ++k) {
        labels[k] = new QLabel(QStringLiteral("parola, parola %1").arg(k + 1), &window);
        labels[k]->setAutoFillBackground(true);
        labels[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        labels[k]->setFont(font);
        labels[k]->setFixedSize(qRound(105 * z), qRound(40 * z));
        paint(k, Qt::white);
        grid->addWidget(labels[k], k / 3, k % 3);
    }
    window.setFixedSize(qRound(469 * z), qRound(443 * z));
    window.show();
    int current = 0;
    QTimer step;
    step.setTimerType(Qt::PreciseTimer);
    QObject::connect(&step, &QTimer::timeout, [&] {
        paint(current, Qt::white);
        current = (current + 1) % 12;
        paint(current, Qt::yellow);
    });
    QTimer::singleShot(1500, qApp, [&] {
        step.start(100);
        QTimer::singleShot(3000, qApp, [&, seconds] {
            const double c0 = cpuSeconds();
            QElapsedTimer t;
            t.start();
            QTimer::singleShot(static_cast<int>(seconds * 1000), qApp, [&, c0, t] {
                const double wall = t.nsecsElapsed() / 1e9;
                std::printf("cpu %.2f\n", 100 * (cpuSeconds() - c0) / wall);
                std::fflush(stdout);
                qApp->quit();
            });
        });
    });
    return QApplication::exec();
}

// The child: `mode` is "redraw", "game", "idle" or "bare"; `percent` the step.
int child(const QString &mode, int percent, double seconds) {
    if (mode == QStringLiteral("bare")) return bareChild(percent, seconds);
    SettingsStore store; // sounds and music off from the start
    store.write(QStringLiteral("Suoni"), QStringLiteral("0"));
    store.write(QStringLiteral("Musica"), QStringLiteral("0"));
    Traduci board;
    ui::setViewScale(percent / 100.0);
    PaintCount paints(&board);
    board.show();
    auto report = [](const QByteArray &line) {
        std::printf("%s\n", line.constData());
        std::fflush(stdout);
    };
    if (mode == QStringLiteral("redraw")) {
        QTimer::singleShot(1500, qApp, [&] {
            // Alternate between the smallest and the largest step; each change
            // is timed from the new scale to the board painted at it.
            // On a loaded machine the wall time is the processor's share of
            // it; the CPU time is the work itself.
            std::vector<double> ms, cpu, apply;
            for (int i = 0; i < 20; ++i) {
                QElapsedTimer t;
                t.start();
                const double c0 = cpuSeconds();
                ui::setViewScale(i % 2 ? 1.0 : 4.0);
                apply.push_back((cpuSeconds() - c0) * 1000);
                board.repaint();
                cpu.push_back((cpuSeconds() - c0) * 1000);
                ms.push_back(t.nsecsElapsed() / 1e6);
                QCoreApplication::processEvents();
            }
            // Then every step once, upwards from 100 %: each a first visit,
            // whose pictures are rendered on the worker while the size last
            // drawn stands in. Timed to the first frame, and to the frame
            // with every picture sharp.
            ui::setViewScale(1.0);
            board.repaint();
            QCoreApplication::processEvents();
            std::vector<double> first, firstCpu, sharp;
            for (int percent : ui::zoomSteps) {
                if (percent == 100) continue;
                QElapsedTimer t;
                t.start();
                const double c0 = cpuSeconds();
                ui::setViewScale(percent / 100.0);
                board.repaint();
                firstCpu.push_back((cpuSeconds() - c0) * 1000);
                first.push_back(t.nsecsElapsed() / 1e6);
                while (ui::Picture::renderingsUnderWay() > 0)
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                QCoreApplication::processEvents(); // the sharp pictures painted
                sharp.push_back(t.nsecsElapsed() / 1e6);
            }
            report("visits " + medianAndWorst(first) + ' ' + medianAndWorst(firstCpu) + ' ' +
                   medianAndWorst(sharp));
            report("redraw " + medianAndWorst(ms) + ' ' + medianAndWorst(cpu) + ' ' +
                   medianAndWorst(apply).split(' ').first());
            qApp->quit();
        });
    } else {
        const bool game = mode == QStringLiteral("game");
        QTimer::singleShot(1500, qApp, [&, game] {
            if (game) startGame(&board);
            // Measure from the first second of play (or of idling) on.
            QTimer::singleShot(game ? 3000 : 1000, qApp, [&, seconds] {
                const double c0 = cpuSeconds();
                const qint64 p0 = paints.pixels;
                QElapsedTimer t;
                t.start();
                QTimer::singleShot(static_cast<int>(seconds * 1000), qApp, [&, c0, p0, t] {
                    const double wall = t.nsecsElapsed() / 1e9;
                    report("cpu " + QByteArray::number(100 * (cpuSeconds() - c0) / wall, 'f', 2) + ' ' +
                           QByteArray::number(static_cast<double>(paints.pixels - p0) / wall, 'f', 0));
                    qApp->quit();
                });
            });
        });
    }
    return QApplication::exec();
}

QStringList run(const QString &mode, int percent, double seconds, const QString &folder) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QTemporaryDir config, cache;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    // (no picture kept rendered from an earlier run: the first visits render)
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--child"), mode, QString::number(percent), QString::number(seconds)});
    p.waitForFinished(static_cast<int>(seconds * 1000) + 60000);
    return QString::fromUtf8(p.readAllStandardOutput())
        .trimmed()
        .split(QRegularExpression(QStringLiteral("\\s+")));
}

} // namespace

int main(int argc, char **argv) {
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    ui::setUpApplication();
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == QStringLiteral("--child")) {
        const int code = child(args[2], args[3].toInt(), args[4].toDouble());
        ui::shutdownAudio();
        return code;
    }
    const double seconds = args.size() > 1 ? args[1].toDouble() : 20.0;
    // The game reads its vocabulary from its current folder.
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(ASSETS_DIR "/vocabula.txt"), folder.filePath(QStringLiteral("vocabula.txt")));

    const QStringList both = run(QStringLiteral("redraw"), 100, 0, folder.path());
    const QStringList visits = both.mid(0, 7), redraw = both.mid(7);
    std::printf("Screen %dx%d\n", app.primaryScreen()->size().width(), app.primaryScreen()->size().height());
    std::printf("| Measure | Figure |\n| --- | ---: |\n");
    std::printf(
        "| Redraw after a step change, 100 %% <-> 400 %%, wall time: median / worst of 20 | %s / %s ms |\n",
        qPrintable(redraw.value(1)), qPrintable(redraw.value(2)));
    std::printf("| The same, CPU time: median / worst (median of the new geometry and fonts alone) | %s / %s "
                "(%s) ms |\n",
                qPrintable(redraw.value(3)), qPrintable(redraw.value(4)), qPrintable(redraw.value(5)));
    std::printf(
        "| First visit to each step, 125 %% to 400 %%, wall time to the first frame: median / worst | %s / "
        "%s ms |\n",
        qPrintable(visits.value(1)), qPrintable(visits.value(2)));
    std::printf(
        "| The same, CPU time of both threads (the worker renders meanwhile): median / worst | %s / %s "
        "ms |\n",
        qPrintable(visits.value(3)), qPrintable(visits.value(4)));
    std::printf("| The same, wall time until every picture is sharp: median / worst | %s / %s ms |\n",
                qPrintable(visits.value(5)), qPrintable(visits.value(6)));
    // Interleaved, so that a change in the machine's load touches both steps alike.
    std::vector<double> cpu100, cpu400, px100, px400, bare100, bare400;
    for (int i = 0; i < 2; ++i) {
        for (int percent : {100, 400}) {
            const QStringList r = run(QStringLiteral("game"), percent, seconds, folder.path());
            (percent == 100 ? cpu100 : cpu400).push_back(r.value(1).toDouble());
            (percent == 100 ? px100 : px400).push_back(r.value(2).toDouble());
            const QStringList b = run(QStringLiteral("bare"), percent, seconds, folder.path());
            (percent == 100 ? bare100 : bare400).push_back(b.value(1).toDouble());
        }
    }
    auto mid = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
    };
    std::printf("| CPU of a game at speed 5, sounds off, 100 %% (%g s, one core = 100 %%) | %.2f %% |\n",
                seconds, mid(cpu100));
    std::printf("| CPU of a game at speed 5, sounds off, 400 %% | %.2f %% |\n", mid(cpu400));
    std::printf("| Floor: a bare window of the board's size moving a highlight over twelve labels of the "
                "boxes' size every 100 ms, 100 %% / 400 %% | %.2f / %.2f %% |\n",
                mid(bare100), mid(bare400));
    std::printf("| Pixels painted a second in that game, 100 %% / 400 %% | %.0f / %.0f |\n", mid(px100),
                mid(px400));
    std::vector<double> idle, idlePx;
    for (int i = 0; i < 2; ++i) {
        const QStringList r = run(QStringLiteral("idle"), 100, seconds, folder.path());
        idle.push_back(r.value(1).toDouble());
        idlePx.push_back(r.value(2).toDouble());
    }
    std::printf("| CPU of the idle board, sounds off, 100 %% | %.2f %% |\n", mid(idle));
    std::printf("| Pixels painted a second at the idle board, 100 %% | %.0f |\n", mid(idlePx));
    return 0;
}
