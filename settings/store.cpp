#include "settings/store.h"

#include "ui/convert.h"

#include <QSettings>
#include <cmath>

namespace {
QSettings open() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsStore::application,
                     SettingsStore::application);
}
} // namespace

QString SettingsStore::read(const QString &key, const QString &fallback) const {
    QSettings s = open();
    const QVariant v = s.value(section + QLatin1Char('/') + key);
    return v.isValid() ? v.toString() : fallback;
}

void SettingsStore::write(const QString &key, const QString &text) {
    QSettings s = open();
    s.setValue(section + QLatin1Char('/') + key, text);
}

double SettingsStore::number(const QString &key, double fallback) const {
    return ui::val(read(key, ui::plainForm(fallback)));
}

int SettingsStore::checkState(const QString &key) const {
    const long long v = ui::roundHalfEven(std::fabs(number(key, 1)));
    return v == 0 || v == 1 ? static_cast<int>(v) : 1;
}
