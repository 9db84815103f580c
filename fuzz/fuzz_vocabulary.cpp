// libFuzzer target for the vocabulary loader's parsing of raw file bytes.
//
// The first byte chooses the language index (-1 .. 6), the rest is the file.
// Besides "no crash, no sanitizer report", each run checks what the loader
// relies on: lines hold no line ends, records hold no field separator, a
// load that did not stop early kept its defect report within bounds, and the
// class fields read as finite numbers.

#include "ui/convert.h"
#include "vocabulary/vocabularyfile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool holdsLineEnd(const QString &s) {
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const int languageIndex = static_cast<int>(data[0] % 8) - 1;
    // A deep copy: the parser must not rely on a terminating zero it was not given.
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    const QString text = vocabulary::decode(bytes);
    bool ascii = true;
    for (char c : bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) check(text == QString::fromLatin1(bytes), "ASCII decoded differently");

    const QStringList lines = vocabulary::splitLines(text);
    qsizetype total = 0;
    for (const QString &line : lines) {
        check(!holdsLineEnd(line), "line end inside a line");
        total += line.size() + 1;
    }
    check(total <= text.size() + 1, "lines longer than the text");

    const vocabulary::ParseResult parsed = vocabulary::parse(bytes, languageIndex);
    check(parsed.rows.size() <= static_cast<size_t>(lines.size()), "more records than lines");
    if (!parsed.tooManyDefects)
        check(parsed.report.size() <= vocabulary::maxReportLength, "report past its bound");
    else
        check(parsed.report.size() > vocabulary::maxReportLength, "stopped below the bound");
    check(parsed.rowStarts.size() == parsed.rows.size(), "a row without the start of its line");
    for (const qint64 start : parsed.rowStarts) {
        const bool afterBom = parsed.utf8 && start == 3 && bytes.startsWith("\xEF\xBB\xBF");
        check(start == 0 || afterBom ||
                  (start < bytes.size() && (bytes[start - 1] == '\n' || bytes[start - 1] == '\r')),
              "a row's line starting inside a line");
    }
    for (const vocabulary::Record &row : parsed.rows) {
        for (const QString &field : row)
            check(!field.contains(QLatin1Char(';')) && !holdsLineEnd(field), "separator inside a field");
        // Word selection reads the two class fields as numbers and rounds them.
        for (int f = 0; f < 2; ++f) {
            const double v = ui::val(row[f]);
            check(std::isfinite(v), "class field not finite");
            (void)ui::roundHalfEven(v);
        }
    }
    return 0;
}
