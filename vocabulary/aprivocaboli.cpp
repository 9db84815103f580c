// The main window's vocabulary loader.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QFile>

using namespace ui;

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
    state.vocabularyTable.clear();

    vocabulary::ParseResult parsed = vocabulary::parse(file.readAll(), language);
    file.close();
    if (parsed.tooManyDefects) {
        platform().messageBox(parsed.report, tr("Troppi record difettosi nel file %1").arg(fv),
                              Icon::Critical, Buttons::Ok);
        platform().endProgram(0);
        return;
    }
    const int count = static_cast<int>(parsed.rows.size());
    state.vocabularyTable = std::move(parsed.rows);
    state.lastWordIndex = count - 1;
    if (!parsed.report.isEmpty())
        platform().messageBox(parsed.report, tr("Record difettosi nel file  %1").arg(fv), Icon::Exclamation,
                              Buttons::Ok);
    if (count < 100)
        platform().messageBox(tr("Solo%1 vocaboli nel file  %2").arg(signedForm(count), fv), QString(),
                              Icon::Exclamation, Buttons::Ok);
}
