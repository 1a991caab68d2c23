// Every command code 0-255 under every Windows version class, through the
// real Win32 layer: the program stays up and answers after each one. The
// chords land on a test window in front (made again when Alt+F4 closed it),
// the start page is empty so no browser starts, and whatever the commands
// opened or started is closed or ended after each release.
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/robustness_support.h"
#include "tests/e2e/test_window.h"

#include <cstdio>
#include <memory>

namespace {

constexpr const char* kReleases[] = {"win98", "winme", "nt40", "win2k", "winxp", "vista", "win10"};
constexpr unsigned kCodes = 256;

// The test window, in front before each command; made again when a command closed it.
void WindowInFront(std::unique_ptr<e2e::TestEditWindow>& window) {
    if (window == nullptr || !::IsWindow(window->Frame())) {
        window = std::make_unique<e2e::TestEditWindow>();
    }
    window->Activate();
}

}  // namespace

E2E_CASE(Robustness, EveryCommandCodeOnEveryReleaseLeavesTheProgramAnswering) {
    const e2e::ValueOverride startPage(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\main", "Start Page");
    startPage.Set("");
    for (const char* release : kReleases) {
        const double start = e2e::NowMs();
        e2e::LeftoverSweep sweep;
        std::unique_ptr<e2e::TestEditWindow> window;
        {
            const e2e::DispatchSession keyvane(release);
            sweep.Keep(keyvane.Pid());
            for (unsigned code = 0; code < kCodes; ++code) {
                WindowInFront(window);
                keyvane.Press(code);
                e2e::PumpMessages(0);
                E2E_CHECK(keyvane.IsRunning() && keyvane.Sync() >= 0,
                          "keyvane answers after command " + e2e::Hex(code) + " on " + release);
            }
        }
        window.reset();
        std::string ended;
        for (const std::string& program : sweep.Sweep()) {
            ended += " " + program;
        }
        std::printf("every command on %s: %.0f ms; ended:%s\n", release, e2e::NowMs() - start,
                    ended.empty() ? " nothing" : ended.c_str());
    }
}
