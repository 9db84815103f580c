#include "support/tournaments.h"

QList<certamen::Entrant> entrants(int n) {
    QList<certamen::Entrant> l;
    for (int i = 0; i < n; ++i)
        l.append({QStringLiteral("Discipulus %1").arg(i), QString()});
    return l;
}

game::Choices choices() {
    return {.playerCount = 2,
            .speed = 3,
            .wordsPerGame = 10,
            .wordsChosen = 10,
            .classes = "1111",
            .frequencies = "1011",
            .vocabularyFile = "vocabula.txt",
            .language = {},
            .languageIndex = 1,
            .soundsOn = true,
            .characters = {},
            .kind = {}};
}
