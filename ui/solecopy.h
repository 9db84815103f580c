#pragma once
// One copy of the game on one user's data. Two copies started at once (a
// double click too many) would each rewrite the missed words, the roster and
// the tournament that the other also holds, and the last to save would win.
// The first copy holds a lock file in the data folder for as long as it runs;
// a second copy says so and ends. The lock of a copy that crashed is taken
// over: it names a process that no longer runs.

#include <QString>

namespace ui {

// Takes the lock in `folder` for the rest of the process's life. When another
// running copy holds it, shows the message through the platform and returns
// false: the caller ends. When no lock can be made at all (a read-only folder),
// the game runs: its stores report their own failures to save.
bool claimSoleCopy(const QString &folder);

} // namespace ui
