// How long keyvane.exe takes to start: from CreateProcess to its "tray icon
// added" line. The view adds the icon while the frame is made, right after
// the start-up picture has been put up; the picture's 1.75 s on screen run
// on a timer afterwards and are not part of the figure. Only one copy runs at
// a time, so each ends (by its "Quit") before the next starts.
#include "bench/figures.h"
#include "bench/keyvane_runs.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

#include <string>
#include <vector>

namespace {

constexpr int kStarts = 20;

}  // namespace

E2E_CASE(Bench, StartUpToTrayIcon) {
    std::vector<double> startUps;
    for (int start = 0; start < kStarts; ++start) {
        const double started = e2e::NowMs();
        e2e::KeyvaneProcess keyvane("winxp");
        const long line = keyvane.WaitForLine(0, "keyvane: tray icon added", 15000);
        E2E_CHECK(line >= 0, "start " + std::to_string(start + 1) + " added its tray icon");
        startUps.push_back(e2e::Monitor().Lines(static_cast<size_t>(line))[0].atMs - started);
        E2E_CHECK(keyvane.WaitReady(), "start " + std::to_string(start + 1) + " came up");
        bench::Quit(keyvane);
    }
    bench::PrintLatency("start-up: CreateProcess to the tray icon added", startUps,
                        std::to_string(kStarts) + " starts");
}
