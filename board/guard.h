#pragma once
// The start-up guard: a step that fails because a file is not found lets the
// next step run; any other failure shows "errore" with the failure's code and
// ends the program.

#include <functional>

// Runs one step under the guard; false when the program has been ended.
bool runUnderGuard(const std::function<void()> &step);
