// Choosing the word pool of a game from the loaded vocabulary.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"

#include <QElapsedTimer>
#include <QVarLengthArray>

using namespace ui;

void Traduci::BuildingPool::row(int r) {
    if (r % poolRowsPerTurn == 0) platform().doEventsHoldingInput();
}

void Traduci::selezionavocaboli() {
    Impostazioni *settings = impostazioni();
    // Nothing changed since the last game, neither a choice nor the table
    // read (another list, or the list's file edited): the pool stands.
    if (tag() == QStringLiteral("giaimpostato") && settings->Frame2->tag().isEmpty() &&
        poolTable_ == tablesRead_)
        return;
    poolTable_ = tablesRead_;
    BuildingPool building(*this);
    Parola->setCaption(tr("Attendere caricamento"));
    vocabolo->clear();
    categoria->clear();
    traduzione->clear();
    frequenza->clear();
    int selected = 0;
    QString outOfRange;
    // The count in Parola follows the rebuild as often as the screen can show
    // it, not at every word: a caption costs a text layout, and a large
    // vocabulary has a hundred thousand words.
    QElapsedTimer sinceCaption;
    sinceCaption.start();
    int captionShows = 0;
    const auto showCount = [&] {
        Parola->setCaption(QStringLiteral("Vocabula n.") + signedForm(selected));
        captionShows = selected;
        sinceCaption.restart();
    };
    // The boxes do not change while the pool is built: each is read once.
    bool frequencyOn[5], classOn[5] = {false};
    for (int k = 0; k <= 4; ++k)
        frequencyOn[k] = settings->Chfreq(k)->value() == 1;
    for (int k = 1; k <= 4; ++k)
        classOn[k] = settings->Chclassi(k)->value() == 1;
    // A class field read as a number. The loader shares the few texts of the
    // class fields between rows, so each distinct text is read once.
    struct ClassNumber {
        QVarLengthArray<std::pair<QString, long long>, 16> known;
        long long operator()(const QString &t) {
            for (const auto &[text, number] : known)
                if (text == t) return number;
            const long long number = roundHalfEven(val(t));
            if (known.size() < 16) known.append({t, number});
            return number;
        }
    } frequencyOf, classOf;
    const int last = std::min(state.lastWordIndex, static_cast<int>(state.vocabularyTable.size()) - 1);
    // Room for every record at once: the lists never grow by copying.
    for (ListBox *l : {frequenza, categoria, vocabolo, traduzione})
        l->reserve(last);
    for (int r = 1; r <= last; ++r) {
        // The count so far before each turn of the event loop.
        if (r % poolRowsPerTurn == 0 && captionShows != selected) showCount();
        building.row(r);
        const VocabularyRecord &row = state.vocabularyTable[r];
        const long long f = frequencyOf(row[0]);
        const long long c = classOf(row[1]);
        // A class no box stands for admits the record nowhere; it is reported below.
        if (f < 0 || f > 4 || c < 1 || c > 4) {
            outOfRange += row[0] + QLatin1Char(';') + row[1] + QLatin1Char(';') + row[2] + QLatin1Char(';') +
                          row[3] + QStringLiteral("\r\n");
            continue;
        }
        if (!frequencyOn[f] || !classOn[c]) continue;
        if (state.excludeSimilar != 0 && QStringView(row[2]).left(2) == QStringView(row[3]).left(2)) continue;
        ++selected;
        if (selected == 1 || ((selected & 255) == 0 && sinceCaption.elapsed() >= 16)) showCount();
        frequenza->addItem(row[0]);
        categoria->addItem(row[1]);
        vocabolo->addItem(row[2]);
        traduzione->addItem(row[3]);
    }
    if (captionShows != selected) showCount();
    Labelsotto2->setCaption(plainForm(selected) + QStringLiteral(" vocabula"));
    if (!outOfRange.isEmpty())
        platform().messageBox(outOfRange, tr("Record fuori classe nel file  %1").arg(state.loadedFile),
                              Icon::Exclamation, Buttons::Ok);
}
