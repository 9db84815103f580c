// libFuzzer targets for the importers of a teacher's lists: one program a
// format (FUZZ_FORMAT is 0 KVTML, 1 CSV, 2 Anki text).
#if !defined(FUZZ_FORMAT) || FUZZ_FORMAT < 0 || FUZZ_FORMAT > 2
#error "FUZZ_FORMAT must be 0, 1 or 2"
#endif
//
// Besides "no crash, no sanitizer report", each run checks what the import
// relies on: a failed read names a line and gives no rows, every row is as
// wide as the table, every row's class is one of the four, and the list an
// import writes is read by the game's loader without a defect, record by
// record.

#include "lists/anki.h"
#include "lists/csv.h"
#include "lists/imported.h"
#include "lists/kvtml.h"
#include "lists/wordlist.h"
#include "vocabulary/vocabularyfile.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // A deep copy: the readers must not rely on a terminating zero they were not given.
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const lists::ImportResult r = FUZZ_FORMAT == 0   ? lists::readKvtml(bytes)
                                  : FUZZ_FORMAT == 1 ? lists::readCsv(bytes)
                                                     : lists::readAnki(bytes);
    // fuzz/run's check that a program reads its own format: with
    // FUZZ_REQUIRE_READ set, an input its reader refuses is a failure.
    static const bool requireRead = std::getenv("FUZZ_REQUIRE_READ") != nullptr;
    if (!r.ok()) {
        if (requireRead) {
            std::fprintf(stderr, "not read: %s\n", qPrintable(r.error));
            std::abort();
        }
        check(r.errorLine >= 1, "an error without its line");
        check(r.table.rows.isEmpty(), "rows read from a file that failed");
        return 0;
    }
    const lists::ImportedTable &t = r.table;
    const lists::ImportChoice c = lists::initialChoice(t);
    for (int row = 0; row < t.rows.size(); ++row) {
        check(t.rows[row].fields.size() == t.columns.size(), "a row narrower or wider than the table");
        if (t.columnCount() > 0) {
            const int k = lists::rowClass(t, c, row);
            check(k >= 1 && k <= 4, "a class outside 1..4");
        }
    }
    if (t.columnCount() == 0) return 0;
    int skipped = 0;
    const QByteArray list = lists::buildList(t, c, &skipped);
    const vocabulary::ParseResult parsed = vocabulary::parse(list, 0);
    check(parsed.report.isEmpty() && !parsed.tooManyDefects, "a line the game cannot read");
    const lists::WordList words = lists::WordList::fromBytes(list);
    check(words.toBytes() == list, "the list not written back as read");
    check(static_cast<int>(parsed.rows.size()) == words.rowCount() + 1, "the loader and the list disagree");
    int taken = 0;
    for (int row = 0; row < t.rows.size(); ++row)
        taken += lists::rowTaken(t, c, row);
    check(words.rowCount() + skipped == taken, "a row lost");
    return 0;
}
