// Starting and ending keyvane.exe the way the benchmarks need it: measured
// only once its start-up is behind it, and ended by its own "Quit", so that
// its tray icon leaves the notification area before the next run starts.
#pragma once

#include "tests/e2e/keyvane_process.h"

namespace bench {

// Waits until the program is up, its tray icon added and its start-up picture gone.
void WaitSettled(e2e::KeyvaneProcess& keyvane);

// Chooses "Quit" and waits for the process to end.
void Quit(e2e::KeyvaneProcess& keyvane);

}  // namespace bench
