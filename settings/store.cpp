#include "settings/store.h"

#include "ui/convert.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

namespace {
QSettings open() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsStore::application,
                     SettingsStore::application);
}
QString path(const QString &key) {
    return SettingsStore::section + QLatin1Char('/') + key;
}
} // namespace

QString SettingsStore::read(const QString &key, const QString &fallback) const {
    const QSettings s = open();
    const QVariant v = s.value(path(key));
    return v.isValid() ? v.toString() : fallback;
}

void SettingsStore::write(const QString &key, const QString &text) {
    QSettings s = open();
    s.setValue(path(key), text);
}

double SettingsStore::number(const QString &key, double fallback) const {
    return ui::val(read(key, ui::plainForm(fallback)));
}

int SettingsStore::checkState(const QString &key) const {
    return storedvalue::checkState(number(key, 1), 1);
}

namespace storedvalue {

int checkState(double number, int absent) {
    const long long v = ui::roundHalfEven(std::fabs(number));
    return v == 0 || v == 1 ? static_cast<int>(v) : absent;
}

std::array<int, 5> classStates(const QString &text) {
    std::array<int, 5> states{};
    for (int k = 1; k <= 4; ++k)
        states[k] = checkState(ui::val(text.mid(k - 1, 1)), 1);
    return states;
}

int characterNumber(double number, int absent) {
    const long long n = ui::roundHalfEven(number);
    return n >= 1 && n <= 6 ? static_cast<int>(n) : absent;
}

int separatedCharacter(int a, int b) {
    if (b == a) {
        ++b;
        if (b > 6) b = 1;
    }
    return b;
}

} // namespace storedvalue

StoredSettings StoredSettings::read(const SettingsStore &store) {
    StoredSettings s;
    s.twoPlayers = store.read(QStringLiteral("Giocatori"), QStringLiteral("2")) == QStringLiteral("2");
    const double words = std::clamp(store.number(QStringLiteral("Dafare"), 30), 10.0, 50.0);
    s.wordsPerGame = ui::plainForm(words);
    s.sounds = store.checkState(QStringLiteral("Suoni"));
    s.music = store.checkState(QStringLiteral("Musica"));
    s.excludeSimilar = store.checkState(QStringLiteral("Escludisimili"));
    s.frequencies = storedvalue::classStates(store.read(QStringLiteral("Frequenze"), QStringLiteral("1111")));
    s.classes = storedvalue::classStates(store.read(QStringLiteral("Classiscelte"), QStringLiteral("1111")));
    s.player1 = storedvalue::characterNumber(store.number(QStringLiteral("Giocatore1"), 1), 1);
    s.player2 = storedvalue::separatedCharacter(
        s.player1, storedvalue::characterNumber(store.number(QStringLiteral("Giocatore2"), 2), 2));
    // A negative index (the game writes "-1" with no language selected) reads
    // as absent; an index past the list is caught when the list is filled.
    const long long language = ui::roundHalfEven(store.number(QStringLiteral("Lingua"), 0));
    s.language = ui::plainForm(static_cast<double>(std::max(0LL, language)));
    return s;
}
