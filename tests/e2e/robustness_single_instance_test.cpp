// Ten starts at once, all released together: the named mutex lets exactly
// one through, and that one works.
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/robustness_support.h"

#include <algorithm>
#include <memory>
#include <vector>

using e2e::KeyvaneProcess;

namespace {

constexpr int kStarts = 10;
const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");

}  // namespace

E2E_CASE(Robustness, TenStartsAtOnceLeaveOneWorkingInstance) {
    E2E_CHECK(e2e::WaitFor([] { return e2e::ProcessesNamed("keyvane.exe").empty(); }, 5000),
              "no keyvane.exe runs before the starts");
    std::vector<std::unique_ptr<KeyvaneProcess>> starts;
    for (int i = 0; i < kStarts; ++i) {
        starts.push_back(std::make_unique<KeyvaneProcess>("winxp", "keyvane.exe", true));
    }
    for (const auto& start : starts) {
        start->Resume();
    }
    const auto running = [&] {
        return std::count_if(starts.begin(), starts.end(), [](const auto& start) { return start->IsRunning(); });
    };
    E2E_CHECK(e2e::WaitFor([&] { return running() <= 1; }, 30000),
              "all but one start ended, " + std::to_string(running()) + " still run");
    const auto survivor =
        std::find_if(starts.begin(), starts.end(), [](const auto& start) { return start->IsRunning(); });
    E2E_CHECK(survivor != starts.end(), "one start is still running");
    for (const auto& start : starts) {
        DWORD exitCode = 1;
        E2E_CHECK(start == *survivor || (start->WaitExit(0, &exitCode) && exitCode == 0),
                  "a refused start ended with exit code 0");
    }
    const std::set<DWORD> processes = e2e::ProcessesNamed("keyvane.exe");
    E2E_CHECK(processes == std::set<DWORD>{(*survivor)->Pid()},
              "exactly one keyvane.exe process, found " + std::to_string(processes.size()));
    KeyvaneProcess& keyvane = **survivor;
    E2E_CHECK(keyvane.WaitReady(), "the running instance came up");
    const size_t from = keyvane.Mark();
    keyvane.SendToView(g_keyCommand, 0, 0x0C);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x0C") >= 0, "the running instance dispatches a key");
    E2E_CHECK(keyvane.Sync() >= 0, "the running instance answers");
}
