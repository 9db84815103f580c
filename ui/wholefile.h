#pragma once
// Writing a file that matters (a store, a list, an export) whole or not at all.
//
// Qt's QSaveFile cannot be trusted with it: on a full disk a small file is
// buffered, the write fails inside commit() and commit() still reports
// success, so an empty file replaces the old one. writeWhole() writes the
// bytes to a temporary file beside the target, checks every write, flushes,
// fsyncs, checks the size on disk and only then renames it over the target.
// On any failure the old file stays byte for byte and the temporary file is
// removed.

#include <QByteArray>
#include <QString>
#include <functional>

namespace ui {

struct WriteResult {
    bool ok = true;
    QString reason; // the system's reason, in the user's words, when !ok
    explicit operator bool() const { return ok; }
};

WriteResult writeWhole(const QString &path, const QByteArray &bytes);

// The one Italian sentence every store adds to its own message when a save
// failed: the old file is untouched.
QString keptAsItWas(const QString &path);

// The reason a save failed and keptAsItWas(), as the sentences a store's own
// message ends with: "Causa: il disco è pieno. Il file ... resta com'era."
QString whyAndKept(const WriteResult &failed, const QString &path);

// Test seam: when set, called before each write with the bytes written so far
// and the size of the next chunk; returning false fails that write as a full
// disk would (ENOSPC).
void setWriteFailureForTest(std::function<bool(qint64 written, qint64 chunk)> allow);

} // namespace ui
