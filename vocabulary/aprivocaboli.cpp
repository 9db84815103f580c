// The main window's vocabulary loader.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QFile>
#include <QHash>

using namespace ui;

namespace {
// What a board's vocabulary table was last read from: the same bytes read in
// the same language give the same table, so a game start that loads the file
// again keeps the table and repeats only the loader's messages.
struct LoadedVocabulary {
    const Traduci *board = nullptr;
    QString file;
    int language = -1;
    qsizetype size = -1;
    size_t hash = 0;
    QString report;
    const VocabularyRecord *table = nullptr; // the table still holds that load
    size_t rows = 0;
};
LoadedVocabulary loaded;

// The file's bytes are hashed a piece of this size at a time, so that a file
// in memory and the same file read through a small buffer give one hash.
constexpr qsizetype hashPiece = 1 << 20;

size_t hashOf(const QByteArray &bytes) {
    size_t hash = 0;
    for (qsizetype pos = 0; pos < bytes.size(); pos += hashPiece)
        hash = qHash(QByteArrayView(bytes).sliced(pos, std::min(hashPiece, bytes.size() - pos)), hash);
    return hash;
}
} // namespace

void Traduci::aprivocaboli(const QString &fv) {
    QFile file(fv);
    if (!vocabulary::isReadableFile(fv) || !file.open(QIODevice::ReadOnly)) {
        platform().messageBox(tr("File %1 assente o difettoso").arg(fv), QString(), Icon::Critical,
                              Buttons::Ok);
        platform().endProgram(0);
        return;
    }
    // The language the settings window selects (made, hidden, when there is none).
    int language = impostazioni()->Lingue->listIndex();
    if (fv == QStringLiteral("vocpers.txt"))
        language = 0; // the personal vocabulary always translates in its fourth field
    // With no language selected the first one is read, never the Latin field.
    if (language < 0) language = 0;
    state.languageIndex = language;

    // A file of the size last loaded is first only compared, a piece at a time
    // through one small buffer: read whole, a large file would cost as much
    // fresh memory as its size at every game start.
    const qint64 size = file.size();
    const LoadedVocabulary &last = loaded;
    const bool sameTable = last.board == this && last.file == fv && last.language == language &&
                           last.size == size && last.table == state.vocabularyTable.data() &&
                           last.rows == state.vocabularyTable.size() && !state.vocabularyTable.empty();
    bool unchanged = false;
    if (sameTable) {
        QByteArray piece(hashPiece, Qt::Uninitialized);
        size_t hash = 0;
        qint64 got = 0, total = 0;
        while ((got = file.read(piece.data(), hashPiece)) > 0) {
            hash = qHash(QByteArrayView(piece.constData(), got), hash);
            total += got;
        }
        unchanged = got == 0 && total == size && hash == last.hash;
        file.seek(0);
    }
    QString report;
    if (unchanged) {
        report = last.report;
    } else {
        const QByteArray bytes = file.readAll();
        loaded = LoadedVocabulary();
        state.vocabularyTable.clear();
        state.vocabularyRowStarts.clear();
        vocabulary::ParseResult parsed = vocabulary::parse(bytes, language);
        if (parsed.tooManyDefects) {
            platform().messageBox(parsed.report, tr("Troppi record difettosi nel file %1").arg(fv),
                                  Icon::Critical, Buttons::Ok);
            platform().endProgram(0);
            return;
        }
        state.vocabularyTable = std::move(parsed.rows);
        ++tablesRead_;
        state.vocabularyRowStarts = std::move(parsed.rowStarts);
        state.vocabularyUtf8 = parsed.utf8;
        report = parsed.report;
        loaded = {this,
                  fv,
                  language,
                  bytes.size(),
                  hashOf(bytes),
                  report,
                  state.vocabularyTable.data(),
                  state.vocabularyTable.size()};
    }
    file.close();
    const int count = static_cast<int>(state.vocabularyTable.size());
    state.lastWordIndex = count - 1;
    if (!report.isEmpty())
        platform().messageBox(report, tr("Record difettosi nel file  %1").arg(fv), Icon::Exclamation,
                              Buttons::Ok);
    if (count < 100)
        platform().messageBox(tr("Solo%1 vocaboli nel file  %2").arg(signedForm(count), fv), QString(),
                              Icon::Exclamation, Buttons::Ok);
}
