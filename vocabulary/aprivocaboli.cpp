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
    if (!file.open(QIODevice::ReadOnly)) {
        platform().messageBox(QStringLiteral("File ") + fv + QStringLiteral(" assente o difettoso"),
                              QString(), Icon::Critical, Buttons::Ok);
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
        platform().messageBox(parsed.report, QStringLiteral("Troppi record difettosi nel file ") + fv,
                              Icon::Critical, Buttons::Ok);
        platform().endProgram(0);
        return;
    }
    const int count = static_cast<int>(parsed.rows.size());
    state.vocabularyTable = std::move(parsed.rows);
    state.lastWordIndex = count - 1;
    if (!parsed.report.isEmpty())
        platform().messageBox(parsed.report, QStringLiteral("Record difettosi nel file  ") + fv,
                              Icon::Exclamation, Buttons::Ok);
    if (count < 100)
        platform().messageBox(QStringLiteral("Solo") + signedForm(count) +
                                  QStringLiteral(" vocaboli nel file  ") + fv,
                              QString(), Icon::Exclamation, Buttons::Ok);
}
