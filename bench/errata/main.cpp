// The costs of errata.txt, the list of missed words, at the size of a large
// vocabulary: reading the list (at each game start and before each change),
// and a miss recorded as the board's keeper records it (read the file, count
// the miss, write the file again). Each stands beside its floor: a plain read
// of the same file, and a plain read and write of it.
//
//   lessicorsa-bench-errata [WORDS [RUNS]]   prints the table (100,000 words, median of 5; wall and CPU time)

#include "../measure.h"
#include "errata/missedlist.h"
#include "ui/application.h"

#include <QCoreApplication>
#include <QDate>
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

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main(int argc, char **argv) {
    ui::shareOneHeap(); // as the game does
    QCoreApplication app(argc, argv);
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
    return 0;
}
