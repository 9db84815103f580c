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
} // namespace

void Traduci::aprivocaboli(const QString &fv) {
    QFile file(fv);
    if (!vocabulary::isReadableFile(fv) || !file.open(QIODevice::ReadOnly)) {
        platform().messageBox(tr("File %1 assente o difettoso").arg(fv), QString(), Icon::Critical,
                              Buttons::Ok);
        platform().endProgram(0);
        return;
    }
    int language = impostazioni()->Lingue->listIndex();
    if (fv == QStringLiteral("vocpers.txt"))
        language = 0; // the personal vocabulary always translates in its fourth field
    // With no language selected the first one is read, never the Latin field.
    if (language < 0) language = 0;
    state.languageIndex = language;

    const QByteArray bytes = file.readAll();
    file.close();
    const size_t hash = qHash(bytes);
    const LoadedVocabulary &last = loaded;
    const bool unchanged = last.board == this && last.file == fv && last.language == language &&
                           last.size == bytes.size() && last.hash == hash &&
                           last.table == state.vocabularyTable.data() &&
                           last.rows == state.vocabularyTable.size() && !state.vocabularyTable.empty();
    QString report;
    if (unchanged) {
        report = last.report;
    } else {
        loaded = LoadedVocabulary();
        state.vocabularyTable.clear();
        vocabulary::ParseResult parsed = vocabulary::parse(bytes, language);
        if (parsed.tooManyDefects) {
            platform().messageBox(parsed.report, tr("Troppi record difettosi nel file %1").arg(fv),
                                  Icon::Critical, Buttons::Ok);
            platform().endProgram(0);
            return;
        }
        state.vocabularyTable = std::move(parsed.rows);
        report = parsed.report;
        loaded = {this,
                  fv,
                  language,
                  bytes.size(),
                  hash,
                  report,
                  state.vocabularyTable.data(),
                  state.vocabularyTable.size()};
    }
    const int count = static_cast<int>(state.vocabularyTable.size());
    state.lastWordIndex = count - 1;
    if (!report.isEmpty())
        platform().messageBox(report, tr("Record difettosi nel file  %1").arg(fv), Icon::Exclamation,
                              Buttons::Ok);
    if (count < 100)
        platform().messageBox(tr("Solo%1 vocaboli nel file  %2").arg(signedForm(count), fv), QString(),
                              Icon::Exclamation, Buttons::Ok);
}
