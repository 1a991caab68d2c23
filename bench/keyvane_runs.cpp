#include "bench/keyvane_runs.h"

#include "tests/e2e/e2e.h"
#include "tests/e2e/popups.h"

namespace bench {

namespace {

// The tray menu's "Quit".
constexpr WPARAM kQuit = 32774;

}  // namespace

void WaitSettled(e2e::KeyvaneProcess& keyvane) {
    E2E_CHECK(keyvane.WaitReady(), "keyvane.exe came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon added") >= 0, "the tray icon was added");
    E2E_CHECK(e2e::WaitFor([&] { return e2e::FindPopups(keyvane.Pid(), keyvane.Frame()).empty(); }, 5000),
              "the start-up picture went");
}

void Quit(e2e::KeyvaneProcess& keyvane) {
    ::PostMessageA(keyvane.View(), WM_COMMAND, kQuit, 0);
    E2E_CHECK(keyvane.WaitExit(5000), "keyvane.exe ended after Quit");
}

}  // namespace bench
