// Every form of a list's words with its readings, one form a line:
//   form<TAB>headword<TAB>readings   (readings joined by "; ", fixed English abbreviations)
// Teachers check a list with it; the tests read the same output.
//
//   lessicorsa-formae-dump [LIST] [--quantitates] [--lexicon FILE]
// LIST is a vocabulary file (default: the standard vocabulary); --quantitates
// writes the forms with their long vowels, grouped by that spelling. A summary
// (words with forms, words left out) goes to standard error.

#include "formae/lexicon.h"
#include "vocabulary/vocabularyfile.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString list = QStringLiteral(ASSETS_DIR "/vocabula.txt");
    QString lexiconPath = formae::Lexicon::defaultPath(QStringLiteral(ASSETS_DIR));
    bool lengths = false;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--quantitates"))
            lengths = true;
        else if (args.at(i) == QLatin1String("--lexicon") && i + 1 < args.size())
            lexiconPath = args.at(++i);
        else
            list = args.at(i);
    }
    QString error;
    const auto lexicon = formae::Lexicon::load(lexiconPath, &error);
    if (!lexicon) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QFile file(list);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(list));
        return 1;
    }
    const vocabulary::ParseResult parsed = vocabulary::parse(file.readAll(), 0);
    int words = 0, inflected = 0, indeclinable = 0;
    QByteArray out;
    for (size_t r = 1; r < parsed.rows.size(); ++r) {
        const vocabulary::Record &rec = parsed.rows[r];
        ++words;
        if (rec[1].trimmed() == QLatin1String("4")) {
            ++indeclinable;
            continue;
        }
        const auto p = lexicon->paradigm(rec[2], rec[1]);
        if (!p) {
            std::fprintf(stderr, "not in the lexicon: %s\n", qPrintable(rec[2]));
            continue;
        }
        ++inflected;
        for (const formae::Form &f : p->forms(lengths))
            out += (f.text + u'\t' + rec[2] + u'\t' + formae::abbreviate(f.readings) + u'\n').toUtf8();
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fprintf(stderr, "%d words: %d with forms, %d indeclinable, %d not in the lexicon\n", words,
                 inflected, indeclinable, words - inflected - indeclinable);
    return 0;
}
