#include "settings/viewstore.h"

#include "ui/zoom.h"

#include <algorithm>

namespace viewstore {

int step(const SettingsStore &store) {
    // Only the exact text of a step counts: "150", not "150.5" or " 150".
    const QString text = store.read(stepKey, QString());
    for (int p : ui::zoomSteps) {
        if (text == QString::number(p)) return p;
    }
    return 0;
}

void writeStep(SettingsStore &store, int percent) {
    store.write(stepKey, QString::number(percent));
}

bool fullArea(const SettingsStore &store) {
    return store.read(fullAreaKey, QString()) == QStringLiteral("1");
}

void writeFullArea(SettingsStore &store, bool on) {
    store.write(fullAreaKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace viewstore
