// The lists' figures (wall times, and CPU times, which other work on the
// machine blurs less): each import of 10,000 entries beside a plain read of the
// same file; a list of 100,000 records opened in the list window (the longest
// time the window stands still, from the menu to the first rows painted, and
// while it scrolls a page at a time to the end), sorted, and saved beside a
// plain write of the same bytes. Medians and worsts of several runs, in ms.
// Then the hostile files a teacher may be sent, each imported by a process of
// its own (so that its peak memory is its own), stopped after 60 s: 10,000
// lessons of one name, lessons nested 20,000 deep, an Anki field of a million "&".
//
//   lessicorsa-bench-lists [folder]          the whole table
//   lessicorsa-bench-lists hostile KIND N    one hostile import (lessons, depth, amp)

#include "lists/export.h"
#include "lists/frmrepertorium.h"
#include "lists/imported.h"
#include "lists/listmodel.h"
#include "lists/wordlist.h"
#include "measure.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

constexpr int reps = 7;

// A row: the wall times' median and worst, the CPU times' median, the floor's
// wall median.
void row(const char *what, const std::vector<double> &ms, const std::vector<double> &cpu,
         const std::vector<double> &floor) {
    std::printf("%-46s %8.1f %8.1f %8.1f   %8.2f\n", what, bench::median(ms),
                *std::max_element(ms.begin(), ms.end()), cpu.empty() ? NAN : bench::median(cpu),
                bench::median(floor));
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void write(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// Headwords of the kinds lists hold, so that the class guess does its work.
QString headword(int i) {
    static const char *forms[] = {"aqua%1, -ae f.", "laudo%1, -as, -avi, -atum, -are", "bonus%1, -a, -um",
                                  "saepe%1"};
    return QString::fromLatin1(forms[i % 4]).arg(i);
}

QByteArray kvtml(int n) {
    QByteArray b =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>"
        "<identifier id=\"0\"><name>Latin</name><locale>la</locale></identifier>"
        "<identifier "
        "id=\"1\"><name>Italiano</name><locale>it</locale></identifier></identifiers>\n<entries>\n";
    for (int i = 0; i < n; ++i)
        b += "<entry id=\"" + QByteArray::number(i) + "\"><translation id=\"0\"><text>" +
             headword(i).toUtf8() + "</text></translation><translation id=\"1\"><text>parola " +
             QByteArray::number(i) + " è</text></translation></entry>\n";
    b += "</entries>\n<lessons>";
    for (int l = 0; l < 10; ++l) {
        b += "<container><name>Caput " + QByteArray::number(l) + "</name>";
        for (int i = l; i < n; i += 10)
            b += "<entry id=\"" + QByteArray::number(i) + "\"/>";
        b += "</container>";
    }
    return b + "</lessons>\n</kvtml>\n";
}

QByteArray csv(int n, bool anki) {
    QByteArray b = anki ? "#separator:tab\n#html:true\n#columns:Latin\tItalian\tDeck\n#deck column:3\n"
                        : "Latin,Italiano\r\n";
    for (int i = 0; i < n; ++i) {
        const QByteArray w = headword(i).toUtf8(), t = "parola " + QByteArray::number(i) + " è";
        b += anki ? w + "\t<b>" + t + "</b>\tCaput " + QByteArray::number(i % 10) + "\n"
                  : "\"" + w + "\",\"" + t + "\"\r\n";
    }
    return b;
}

// The longest time the event loop stays busy, from a wake (or start()) to
// the next wait for events: while it is busy the window stands still.
class StandStill : public QObject {
  public:
    StandStill() {
        QAbstractEventDispatcher *d = QAbstractEventDispatcher::instance();
        connect(d, &QAbstractEventDispatcher::awake, this, [this] { busy_ = bench::nowNs(); });
        connect(d, &QAbstractEventDispatcher::aboutToBlock, this, [this] { idle(); });
    }
    void start() {
        worst_ = 0;
        busy_ = bench::nowNs();
    }
    double worst() {
        idle();
        return worst_;
    }

  private:
    void idle() {
        const std::int64_t now = bench::nowNs();
        worst_ = std::max<double>(worst_, static_cast<double>(now - busy_) / 1e6);
        busy_ = now;
    }
    std::int64_t busy_ = 0;
    double worst_ = 0;
};

// Runs the event loop for `ms`, idle when there is nothing to do.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A hostile file of the kind named, `n` its size.
QByteArray hostile(const QByteArray &kind, int n) {
    const QByteArray head = "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"><identifiers><identifier "
                            "id=\"0\"><locale>la</locale></identifier></identifiers><entries><entry "
                            "id=\"1\"><translation id=\"0\"><text>aqua</text></translation></entry>"
                            "</entries><lessons>";
    QByteArray b;
    if (kind == "lessons") {
        b = head;
        for (int i = 0; i < n; ++i)
            b += "<container><name>Lectio</name><entry id=\"1\"/></container>\n";
        b += "</lessons></kvtml>\n";
    } else if (kind == "depth") {
        b = head;
        for (int i = 0; i < n; ++i)
            b += "<container><name>L" + QByteArray::number(i % 10) + "</name>\n";
        for (int i = 0; i < n; ++i)
            b += "</container>";
        b += "</lessons></kvtml>\n";
    } else {
        b = "#separator:tab\n#html:true\naqua\t" + QByteArray(n, '&') + "\n";
    }
    return b;
}

// One hostile import: its time, its peak memory and what it gave.
int hostileImport(const QByteArray &kind, int n) {
    const QByteArray bytes = hostile(kind, n);
    const std::int64_t t0 = bench::nowNs();
    const lists::ImportResult r = lists::readAs(lists::formatOf(bytes), bytes);
    const double ms = double(bench::nowNs() - t0) / 1e6;
    std::printf(
        "%-7s %6d  %5.0f KB  %10.1f ms  peak %7ld KB  %s\n", kind.constData(), n, double(bytes.size()) / 1024,
        ms, bench::peakRssKb(),
        r.ok()
            ? qPrintable(
                  QStringLiteral("%1 rows, %2 lessons").arg(r.table.rows.size()).arg(r.table.lessons.size()))
            : qPrintable(r.error.left(60)));
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 4 && QByteArray(argv[1]) == "hostile") {
        QCoreApplication app(argc, argv);
        return hostileImport(argv[2], std::atoi(argv[3]));
    }
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    std::printf("%-46s %8s %8s %8s   %8s\n", "ms", "wall med", "worst", "CPU med", "floor");

    const struct {
        const char *name, *file;
        QByteArray bytes;
    } imports[] = {{"import 10,000 entries, KVTML", "words.kvtml", kvtml(10000)},
                   {"import 10,000 entries, CSV", "words.csv", csv(10000, false)},
                   {"import 10,000 entries, Anki text", "words.txt", csv(10000, true)}};
    for (const auto &i : imports) {
        const QString path = dir + '/' + i.file;
        write(path, i.bytes);
        int words = 0;
        std::vector<double> cpu;
        const auto import = [&] {
            QString error;
            const QByteArray bytes = lists::readForImport(path, &error);
            const lists::ImportResult r = lists::readAs(lists::formatOf(bytes), bytes);
            words = lists::WordList::fromBytes(lists::buildList(r.table, lists::initialChoice(r.table)))
                        .rowCount();
        };
        const auto ms = bench::timeRuns(reps, import, &cpu);
        const auto floor = bench::timeRuns(reps, [&] {
            QStringDecoder d(QStringDecoder::Utf8);
            const QString text = d.decode(readFile(path));
        });
        if (words != 10000) std::printf("(%d words read!)\n", words);
        row(i.name, ms, cpu, floor);
        // KVTML's own floor: the same file walked by the XML reader alone.
        if (i.file == std::string("words.kvtml")) {
            std::vector<double> xmlCpu;
            const auto xml = bench::timeRuns(
                reps,
                [&] {
                    QXmlStreamReader x(readFile(path));
                    while (!x.atEnd())
                        x.readNext();
                },
                &xmlCpu);
            row("  the XML reader alone on the same file", xml, xmlCpu, floor);
        }
    }

    // A list of 100,000 records in the vocabulary format.
    QByteArray big = "Ordo;Classis;Verbum latinum;Italiano;English\r\n/ elenco di prova\r\n";
    for (int i = 0; i < 100000; ++i)
        big += "0;" + QByteArray::number(i % 4 + 1) + ";" + headword(99999 - i).toUtf8() + ";parola " +
               QByteArray::number(i) + " è;word " + QByteArray::number(i) + "\r\n";
    const QString listPath = dir + "/centum.txt";
    write(listPath, big);

    StandStill still;
    std::vector<double> open, openCpu, scroll, openFloor;
    for (int r = 0; r < reps; ++r) {
        settle(50);
        still.start();
        const std::int64_t c0 = bench::cpuNs();
        auto *w = new frmRepertorium(listPath);
        w->show();
        settle(300);
        open.push_back(still.worst());
        openCpu.push_back(static_cast<double>(bench::cpuNs() - c0) / 1e6);
        // A page down at a time through the first 2,000 pages, then to the end.
        QScrollBar *bar = w->tabula->verticalScrollBar();
        still.start();
        double worstPage = 0;
        for (int p = 0; p < 200; ++p) {
            bar->setValue(p == 199 ? bar->maximum() : bar->value() + bar->pageStep());
            QCoreApplication::processEvents();
            worstPage = std::max(worstPage, still.worst());
            still.start();
        }
        scroll.push_back(worstPage);
        delete w;
        openFloor.push_back(bench::timeRuns(1, [&] { (void)readFile(listPath); })[0]);
    }
    row("open 100,000 records: longest stand-still", open, openCpu, openFloor);
    row("  scrolling, a page at a time: worst page", scroll, {}, openFloor);

    lists::ListModel model(lists::WordList::fromBytes(big));
    std::vector<double> sortCpu, saveCpu;
    const auto sort = bench::timeRuns(
        reps, [&] { model.sortBy(0, Qt::AscendingOrder); }, &sortCpu);
    row("sort 100,000 records by the Latin word", sort, sortCpu, openFloor);
    const QString savePath = dir + "/salvum.txt";
    const auto save = bench::timeRuns(
        reps,
        [&] {
            QString error;
            lists::saveAtomically(savePath, model.list().toBytes(), &error);
        },
        &saveCpu);
    const auto saveFloor = bench::timeRuns(reps, [&] { write(dir + "/plain.txt", big); });
    row("save 100,000 records (atomic)", save, saveCpu, saveFloor);

    std::printf("\nhostile imports, each in a process of its own (stopped after 60 s)\n");
    for (const auto &[kind, n] : {std::pair{"lessons", 10000}, {"depth", 20000}, {"amp", 1000000}}) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("hostile"), QString::fromLatin1(kind), QString::number(n)});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            std::printf("%-7s %6d  still running after 60 s\n", kind, n);
        } else if (p.exitStatus() != QProcess::NormalExit) {
            std::printf("%-7s %6d  crashed\n", kind, n);
        }
    }
    return 0;
}
