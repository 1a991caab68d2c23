// How long a key takes on the hook library's road: the benchmark posts the
// registered message "KeyCommand" to the view as the hook library's thread
// does (wParam 0, the key command code in lParam) and times each from its
// post to the dispatcher's "keyvane: command 0xNN" line. The command is the
// play key's, which on Windows XP only shows its picture.
#include "bench/figures.h"
#include "bench/key_stages.h"
#include "bench/keyvane_runs.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kCommands = 1000;
constexpr LPARAM kPlay = 0x29;
constexpr char kDispatched[] = "keyvane: command 0x29";

double LineAtMs(long line) {
    return e2e::Monitor().Lines(static_cast<size_t>(line))[0].atMs;
}

}  // namespace

E2E_CASE(Bench, HookRoadLatency) {
    e2e::KeyvaneProcess keyvane("winxp");
    bench::WaitSettled(keyvane);
    const UINT keyCommand = ::RegisterWindowMessageA("KeyCommand");

    // Each command is posted once the one before has been handled in full, a
    // little later each time, so that posts meet the picture's animation at any point.
    std::mt19937 random(20010401);
    std::uniform_int_distribution<DWORD> pauseMs(0, 40);
    std::vector<double> dispatched;
    for (int command = 0; command < kCommands; ++command) {
        E2E_CHECK(keyvane.Sync() >= 0, "the view answered");
        ::Sleep(pauseMs(random));
        const size_t from = keyvane.Mark();
        const double posted = e2e::NowMs();
        E2E_CHECK(::PostMessageA(keyvane.View(), keyCommand, 0, kPlay), "a KeyCommand posted");
        const long dispatchLine = keyvane.WaitForLine(from, kDispatched, 2000);
        E2E_CHECK(dispatchLine >= 0, "command " + std::to_string(command + 1) + " was dispatched");
        dispatched.push_back(LineAtMs(dispatchLine) - posted);
    }
    bench::Quit(keyvane);
    const std::string samples = std::to_string(kCommands) + " commands";
    bench::PrintLatency("hook road: KeyCommand posted to the dispatcher's entry", dispatched, samples);
}

// The same road stage by stage, with a key that acts at once: copy, 0x45,
// which sends Ctrl+C to the window in front.
E2E_CASE(Bench, HookRoadStages) {
    const UINT keyCommand = ::RegisterWindowMessageA("KeyCommand");
    const bench::KeyRoad road{"hook road", "KeyCommand posted", false, 0, 40, 150};
    bench::MeasureKeyStages(road, [](e2e::KeyvaneProcess&) {}, [keyCommand](e2e::KeyvaneProcess& keyvane) {
        const double posted = e2e::NowMs();
        E2E_CHECK(::PostMessageA(keyvane.View(), keyCommand, 0, 0x45), "a KeyCommand posted");
        return posted;
    });
}
