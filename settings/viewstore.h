#pragma once
// The view's own two keys in the settings store, beside the game's settings:
// "Species", the zoom step in percent, and "TotaArea", 1 when the board fills
// the screen. Both are written as soon as they change. A stored value that is
// not one of the steps, or neither 0 nor 1, reads as absent.

#include "settings/store.h"

namespace viewstore {
inline const QString stepKey = QStringLiteral("Species");
inline const QString fullAreaKey = QStringLiteral("TotaArea");

// The stored step, or 0 when absent.
int step(const SettingsStore &store);
void writeStep(SettingsStore &store, int percent);
// Whether the board filled the screen (absent: no).
bool fullArea(const SettingsStore &store);
void writeFullArea(SettingsStore &store, bool on);
} // namespace viewstore
