#include "bench/inprocess.h"

#include "bench/measure.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"

#include <QFile>
#include <memory>

namespace bench {

namespace {

// The real platform, except that message boxes are noted instead of shown,
// the end of the program is noted instead of done, and a modal window is
// hidden at once: the benchmark drives the window without a user.
class BenchPlatform : public ui::Platform {
  public:
    ui::Answer messageBox(const QString &text, const QString &, ui::Icon, ui::Buttons) override {
        messages << text.left(80);
        return ui::Answer::Ok;
    }
    void endProgram(int code) override { messages << QStringLiteral("end of program %1").arg(code); }
    void showModal(ui::Form *form) override { form->hide(); }

    QStringList messages;
};

qsizetype plainRead(const QString &name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return f.readAll().size();
}

// The pool's own work without the controls: the same records chosen by the
// same rules into four plain lists.
int selectPlainly(const TraduciState &s, Impostazioni *settings) {
    std::array<bool, 5> freq{}, cls{};
    for (int k = 0; k <= 4; ++k)
        freq[k] = settings->Chfreq(k)->value() == 1;
    for (int k = 1; k <= 4; ++k)
        cls[k] = settings->Chclassi(k)->value() == 1;
    QStringList frequencies, classes, words, translations;
    const int last = std::min(s.lastWordIndex, static_cast<int>(s.vocabularyTable.size()) - 1);
    for (int r = 1; r <= last; ++r) {
        const VocabularyRecord &row = s.vocabularyTable[r];
        const long long f = ui::roundHalfEven(ui::val(row[0]));
        const long long c = ui::roundHalfEven(ui::val(row[1]));
        if (f < 0 || f > 4 || c < 1 || c > 4 || !freq[f] || !cls[c]) continue;
        if (s.excludeSimilar != 0 && row[2].left(2) == row[3].left(2)) continue;
        frequencies << row[0];
        classes << row[1];
        words << row[2];
        translations << row[3];
    }
    return static_cast<int>(words.size());
}

} // namespace

// A vocabulary of `records` records: the heading and records of vocabula.txt,
// the records repeated as often as needed, bytes and line ends unchanged.
QByteArray biggerVocabulary(const QByteArray &vocabula, int records) {
    QList<QByteArray> lines = vocabula.split('\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    QByteArray out = lines.value(0) + '\n';
    for (int i = 0; i < records && lines.size() > 1; ++i)
        out += lines.at(1 + i % (lines.size() - 1)) + '\n';
    return out;
}

InProcessFigures measureInProcess() {
    InProcessFigures fig;
    BenchPlatform platform;
    ui::setPlatform(&platform);

    const QString small = QStringLiteral("vocabula.txt"), big = QStringLiteral("centummilia.txt");
    {
        QFile in(small), out(big);
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
            out.write(biggerVocabulary(in.readAll(), 100000));
    }

    auto board = std::make_unique<Traduci>();
    Traduci &b = *board;
    volatile qsizetype sink = 0;
    auto expectRows = [&](int rows, const QString &file) {
        if (static_cast<int>(b.state.vocabularyTable.size()) != rows)
            fig.problems << QStringLiteral("%1 gave %2 rows, not %3")
                                .arg(file)
                                .arg(b.state.vocabularyTable.size())
                                .arg(rows);
    };

    // The first load also creates the settings window: not timed.
    b.aprivocaboli(small);
    // Each timed load starts from an emptied table, so the file is parsed
    // again (the loader keeps a table read from the same bytes).
    const auto load = [&b](const QString &file) {
        b.state.vocabularyTable = {};
        b.aprivocaboli(file);
    };
    std::vector<double> cpu;
    fig.load1600Ms = median(timeRuns(
        40, [&] { load(small); }, &cpu));
    fig.load1600CpuMs = median(cpu);
    expectRows(1601, small);
    fig.read1600Ms = median(timeRuns(40, [&] { sink = sink + plainRead(small); }));

    cpu.clear();
    fig.load100kMs = median(timeRuns(
        5, [&] { load(big); }, &cpu));
    fig.load100kCpuMs = median(cpu);
    expectRows(100001, big);
    fig.read100kMs = median(timeRuns(5, [&] { sink = sink + plainRead(big); }));

    // The pool of a first game: every class ticked, similar words kept.
    b.aprivocaboli(small);
    b.state.excludeSimilar = 0;
    b.selezionavocaboli();
    cpu.clear();
    fig.poolMs = median(timeRuns(
        10, [&] { b.selezionavocaboli(); }, &cpu));
    fig.poolCpuMs = median(cpu);
    fig.poolSize = b.vocabolo->listCount();
    int plain = 0;
    fig.poolFloorMs = median(timeRuns(10, [&] { plain = selectPlainly(b.state, b.impostazioni()); }));
    if (plain != fig.poolSize)
        fig.problems
            << QStringLiteral("plain selection chose %1 words, the pool %2").arg(plain).arg(fig.poolSize);

    fig.problems << platform.messages;
    board.reset();
    ui::setPlatform(nullptr);
    QFile::remove(big);
    return fig;
}

} // namespace bench
