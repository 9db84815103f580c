#pragma once
// The per-user settings store: text values under application "Lessicorsa",
// section "Impostazioni", kept in the platform's native per-user store (a file
// under the user's configuration folder on Linux, the registry on Windows).
//
// Only the settings window's "Me mento" writes it; the window's load reads it
// while no game has been set up in the run. Values the game itself never
// writes (a character number outside 1..6, a check state other than 0 or 1, a
// negative language index) read as absent, so their default applies.

#include <QString>
#include <array>

class SettingsStore {
  public:
    static inline const QString application = QStringLiteral("Lessicorsa");
    static inline const QString section = QStringLiteral("Impostazioni");

    // The stored text, or `fallback` when the key is absent or the store unreadable.
    QString read(const QString &key, const QString &fallback) const;
    void write(const QString &key, const QString &text);

    // The key's text taken as a number (the default's number when absent).
    double number(const QString &key, double fallback) const;
    // A check state (0 cleared, 1 ticked): the number's absolute value rounded
    // halves to even; anything but 0 or 1 counts as absent (ticked).
    int checkState(const QString &key) const;
};

// The stored settings as the settings window's load applies them.
struct StoredSettings {
    bool twoPlayers = true;           // "Giocatori": only "2" gives two players
    QString wordsPerGame;             // "Dafare" clamped to 10..50, as text for quverbi's Tag
    int sounds = 1, music = 1;        // "Suoni", "Musica"
    int excludeSimilar = 1;           // "Escludisimili"
    std::array<int, 5> frequencies{}; // "Frequenze", states of classes 1..4 (0 unused)
    std::array<int, 5> classes{};     // "Classiscelte", states of classes 1..4 (0 unused)
    int player1 = 1, player2 = 2;     // "Giocatore1", "Giocatore2": character numbers 1..6
    QString language;                 // "Lingua": the index as text for Lingue's Tag

    static StoredSettings read(const SettingsStore &store);
};

// Reading rules, one per kind of value, shared by the load and its tests.
namespace storedvalue {
// A number read from the store, taken as a check state: 0 or 1, else `absent`.
int checkState(double number, int absent);
// A four-character class text ("1011") into the states of classes 1..4; a
// missing character gives 0, a character that is no check state gives 1.
std::array<int, 5> classStates(const QString &text);
// A character number 1..6, else `absent`.
int characterNumber(double number, int absent);
// The character player 2 is given: `b`, moved on by one (6 wraps to 1) when it
// equals player 1's `a`.
int separatedCharacter(int a, int b);
} // namespace storedvalue
