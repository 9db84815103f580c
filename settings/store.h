#pragma once
// The per-user settings store: text values under application "Lessicorsa",
// section "Impostazioni", kept in the platform's native per-user store (a file
// under the user's configuration folder on Linux, the registry on Windows).

#include <QString>

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
    // halves to even; anything but 0 or 1 counts as absent (default ticked).
    int checkState(const QString &key) const;
};
