// The lexicon of forms on first use: the file read and every form of the
// standard vocabulary's words generated, beside its floor, a plain read of the
// same file. Prints the figures (median of RUNS, default 7; wall and CPU time)
// and the file's size.
//
//   lessicorsa-bench-formae [RUNS]

#include "../measure.h"
#include "formae/lexicon.h"
#include "vocabulary/vocabularyfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QString path = formae::Lexicon::defaultPath(QStringLiteral(ASSETS_DIR));
    QFile list(QStringLiteral(ASSETS_DIR "/vocabula.txt"));
    if (!list.open(QIODevice::ReadOnly)) return 1;
    const auto rows = vocabulary::parse(list.readAll(), 0).rows;

    qsizetype sink = 0;
    std::vector<double> floorCpu, loadCpu, allCpu;
    const std::vector<double> floor = bench::timeRuns(
        runs,
        [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            sink += f.readAll().size();
        },
        &floorCpu);
    const std::vector<double> load = bench::timeRuns(
        runs, [&] { sink += formae::Lexicon::load(path)->lemmaCount(); }, &loadCpu);
    int inflected = 0, forms = 0;
    const std::vector<double> all = bench::timeRuns(
        runs,
        [&] {
            const auto lexicon = formae::Lexicon::load(path);
            inflected = forms = 0;
            for (size_t r = 1; r < rows.size(); ++r)
                if (const auto p = lexicon->paradigm(rows[r][2], rows[r][1])) {
                    ++inflected;
                    forms += int(p->plain.size() + p->withLengths.size());
                }
        },
        &allCpu);
    std::printf("lexicon file                      %8lld bytes\n", (long long)QFileInfo(path).size());
    std::printf("                                   wall ms    CPU ms\n");
    std::printf("floor: plain read of the file     %8.2f  %8.2f\n", bench::median(floor),
                bench::median(floorCpu));
    std::printf("lexicon read                      %8.1f  %8.1f\n", bench::median(load),
                bench::median(loadCpu));
    std::printf("read + forms of %zu words      %8.1f  %8.1f  (%d words with forms, %d forms)\n",
                rows.size() - 1, bench::median(all), bench::median(allCpu), inflected, forms);
    return sink == 0;
}
