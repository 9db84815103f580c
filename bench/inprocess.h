#pragma once
// The figures measured inside the benchmark process on a main window driven
// through the platform seam: loading vocabularies and rebuilding a game's
// word pool, each beside its floor.

#include <QByteArray>
#include <QStringList>

namespace bench {

struct InProcessFigures {
    double load1600Ms = 0, read1600Ms = 0;                      // vocabula.txt: the loader, a plain read
    double load100kMs = 0, read100kMs = 0;                      // 100,000 records: the loader, a plain read
    double load1600CpuMs = 0, load100kCpuMs = 0, poolCpuMs = 0; // CPU time of the same
    double poolMs = 0, poolFloorMs = 0;                         // the pool with its caption, plain selection
    int poolSize = 0;                                           // words in the rebuilt pool
    QStringList problems;                                       // anything that makes a figure doubtful
};

// Runs in the current folder, which must hold vocabula.txt; needs a QApplication.
InProcessFigures measureInProcess();

// A vocabulary of `records` records: the heading and records of vocabula.txt,
// the records repeated as often as needed, bytes and line ends unchanged.
QByteArray biggerVocabulary(const QByteArray &vocabula, int records);

} // namespace bench
