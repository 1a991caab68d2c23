// The user-menu hotkey, Ctrl+Alt+Space, pressed on the desktop while keyvane
// runs: the user menu opens when "Enable Office Keyboard Menu" is checked.
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/hook_fixture.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/test_window.h"

using e2e::KeyvaneProcess;

namespace {

const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");
constexpr LPARAM kNoCommand = 0x5D;

KeyvaneProcess& Running() {
    return e2e::SharedKeyvane("vista");
}

}  // namespace

E2E_CASE(HookUserMenu, HotKeyOpensTheUserMenuWhenSwitchedOn) {
    KeyvaneProcess& keyvane = Running();
    e2e::MenuSwitch menuSwitch(1);
    e2e::TestEditWindow window;
    E2E_CHECK(window.Activate(), "the test window is in front");
    const size_t from = keyvane.Mark();
    e2e::PressUserMenuHotKey();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: user-menu request, menu switch 1") >= 0, "the hotkey asked");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: user menu") >= 0, "the view's timer 4 opened the user menu");
    E2E_CHECK(e2e::WaitPumping([&] { return e2e::OpenMenu(keyvane) != nullptr; }, 3000), "the menu is open");
    e2e::Press(VK_ESCAPE);
    E2E_CHECK(e2e::WaitPumping([&] { return e2e::OpenMenu(keyvane) == nullptr; }, 3000), "the menu closed");
    E2E_CHECK(window.Text().empty(), "the hotkey's space did not reach the window in front");
}

E2E_CASE(HookUserMenu, HotKeyOpensNothingWhenSwitchedOff) {
    KeyvaneProcess& keyvane = Running();
    e2e::MenuSwitch menuSwitch(0);
    e2e::TestEditWindow window;
    E2E_CHECK(window.Activate(), "the test window is in front");
    const size_t from = keyvane.Mark();
    e2e::PressUserMenuHotKey();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: user-menu request, menu switch 0") >= 0, "the hotkey asked");
    // A timer message posted with the request is handled before one posted now.
    ::PostMessageA(keyvane.View(), g_keyCommand, 0, kNoCommand);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: no command 0x5D") >= 0, "keyvane handled what was posted");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: user menu", 0) < 0, "no user menu was opened");
    E2E_CHECK(e2e::OpenMenu(keyvane) == nullptr, "no menu is open");
}
