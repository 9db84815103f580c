// The costs of errata.txt, the list of missed words, at the size of a large
// vocabulary: reading the list (at each game start and before each change),
// and a miss recorded as the board's keeper records it (read the file, count
// the miss, write the file again). Each stands beside its floor: a plain read
// of the same file, and a plain read and write of it. Then the window's
// thread in play, a vocabulary of the same words loaded: the longest a wrong
// answer holds it (the keeper records the miss) and the time "Recense" takes
// to show the window of the missed words, painted.
//
//   lessicorsa-bench-errata [WORDS [RUNS]]   prints the table (100,000 words, median of 5; wall and CPU time)

#include "../measure.h"
#include "errata/errata.h"
#include "errata/frmerrata.h"
#include "errata/missedlist.h"
#include "players/schedule.h"
#include "support/fakedoor.h"
#include "ui/application.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// "wall / CPU" in milliseconds, the median of `runs` runs of `f`.
struct Figure {
    double wall, cpu;
};
template <typename F> Figure median(int runs, F &&f) {
    std::vector<double> cpu;
    const std::vector<double> wall = bench::timeRuns(runs, f, &cpu);
    return {bench::median(wall), bench::median(cpu)};
}

// A list as the game writes it, in Windows-1252: one word in three carries an
// accented translation, one word in seven a hand-written note after it.
QByteArray listOf(int words) {
    QByteArray out = "Ordo;Classis;Verbum latinum;Italiano;English\r\n";
    out.reserve(qsizetype(words) * 80);
    for (int i = 0; i < words; ++i) {
        const QByteArray n = QByteArray::number(i);
        out += "/ errores: " + QByteArray::number(i % 9 + 1) + "; ultimus: 2026-11-" +
               QByteArray::number(10 + i % 20) + "\r\n";
        out += "0;" + QByteArray::number(i % 4 + 1) + ";verbum" + n + ";parola" + n +
               (i % 3 ? "" : " citt\xE0") + ";word" + n + "\r\n";
        if (i % 7 == 0) out += "/ my note on verbum" + n + "\r\n";
    }
    return out;
}

// The door of the tests, with what it leaves to others.
class BenchDoor : public FakeDoor {
  public:
    using FakeDoor::FakeDoor;
    QMenu *viewMenu() override {
        return addFeatureMenu(QStringLiteral("Species"), QStringLiteral("Species"));
    }
    void setPersonalVocabulary(const QString &) override {}
};

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main(int argc, char **argv) {
    ui::shareOneHeap(); // as the game does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int words = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("errata.txt"));
    const QString copy = dir.filePath(QStringLiteral("copy.txt"));
    const QByteArray bytes = listOf(words);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return 1;
    }
    const QDate day(2026, 12, 1);
    // The word missed: one near the end of the list (the last the old reading
    // found), and a word not listed yet.
    const int late = words - 2;
    const MissedWord listed{
        QString::number(late % 4 + 1), QStringLiteral("verbum%1").arg(late), {}, 0, {}, 1, {}};
    const MissedWord fresh{
        QStringLiteral("1"), QStringLiteral("novum"), {QStringLiteral("nuovo")}, 0, {}, 1, {}};

    const Figure readFloor = median(runs, [&] { readAll(path); });
    const Figure writeFloor = median(runs, [&] {
        const QByteArray b = readAll(path);
        QSaveFile out(copy);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(b);
            out.commit();
        }
    });
    const Figure load = median(runs, [&] {
        MissedList l;
        l.load(path);
    });
    // Each miss is written, so the next run reads the file it left: the
    // listed word's count grows, the new word is listed once and then counted.
    const auto missOf = [&](const MissedWord &w) {
        return median(runs, [&] {
            MissedList l;
            l.load(path);
            l.miss(w, day);
            l.save(path);
        });
    };
    const Figure missListed = missOf(listed);
    const Figure missFresh = missOf(fresh);

    std::printf("errata.txt of %d words (%.1f MB), median of %d runs, wall / CPU time\n\n", words,
                double(bytes.size()) / 1e6, runs);
    std::printf("| Measure | LessiCorsa | Floor | The floor is |\n| --- | ---: | ---: | --- |\n");
    const auto row = [](const char *measure, Figure f, Figure floor, const char *floorIs) {
        std::printf("| %s | %.1f / %.1f ms | %.1f / %.1f ms | %s |\n", measure, f.wall, f.cpu, floor.wall,
                    floor.cpu, floorIs);
    };
    row("Reading the list", load, readFloor, "QFile::readAll of the file");
    row("A miss of a listed word: read, count, write", missListed, writeFloor,
        "readAll, then a QSaveFile written and committed");
    row("A miss of a new word: read, add, write", missFresh, writeFloor, "the same");

    // In play: the keeper in the folder of the list, a vocabulary of the same words.
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return 1;
    }
    QByteArray vocabula = "Ordo;Classis;Verbum latinum;Italiano;English\r\n";
    for (int i = 0; i < words; ++i)
        vocabula += "0;" + QByteArray::number(i % 4 + 1) + ";verbum" + QByteArray::number(i) + ";parola" +
                    QByteArray::number(i) + ";word" + QByteArray::number(i) + "\r\n";
    {
        QFile f(dir.filePath(QStringLiteral("vocabula.txt")));
        if (!f.open(QIODevice::WriteOnly) || f.write(vocabula) != vocabula.size()) return 1;
    }
    const QString was = QDir::currentPath();
    QDir::setCurrent(dir.path());
    schedule::setClock([day] { return day; });
    std::vector<double> answers, answersCpu, recense, recenseCpu;
    {
        BenchDoor door(dir.filePath(QStringLiteral("vocabula.txt")));
        Errata errata(door, nullptr);
        errata.refreshMenu(); // the list read once, as the menu does when it opens
        door.start();
        for (int r = 0; r < runs; ++r) {
            door.ask(QStringLiteral("verbum%1").arg((r * 7919) % words));
            const std::int64_t w0 = bench::nowNs(), c0 = bench::cpuNs();
            door.strike(1, false);
            answers.push_back(double(bench::nowNs() - w0) / 1e6);
            answersCpu.push_back(double(bench::cpuNs() - c0) / 1e6);
            QCoreApplication::processEvents();
        }
        for (int r = 0; r < runs; ++r) {
            const std::int64_t w0 = bench::nowNs(), c0 = bench::cpuNs();
            errata.refreshMenu();
            auto *w = new frmErrata(&errata, QStringLiteral("Italiano"));
            w->show();
            w->repaint();
            QCoreApplication::processEvents();
            recense.push_back(double(bench::nowNs() - w0) / 1e6);
            recenseCpu.push_back(double(bench::cpuNs() - c0) / 1e6);
            delete w;
        }
    }
    QDir::setCurrent(was);
    std::printf("\n| In play, on the window's thread | LessiCorsa (median / worst, wall) | CPU |\n"
                "| --- | ---: | ---: |\n");
    const auto play = [](const char *measure, const std::vector<double> &wall,
                         const std::vector<double> &cpu) {
        std::printf("| %s | %.1f / %.1f ms | %.1f ms |\n", measure, bench::median(wall),
                    *std::max_element(wall.begin(), wall.end()), bench::median(cpu));
    };
    play("A wrong answer: the keeper records the miss", answers, answersCpu);
    play("Recense: the list read, the window shown and painted", recense, recenseCpu);
    return 0;
}
