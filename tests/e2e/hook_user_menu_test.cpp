// The user-menu requests of the hook library: the hotkey Ctrl+Alt+Space,
// pressed on the desktop while keyvane runs, and the keyboard's menu key,
// whose report goes through the key roads as the WM_INPUT handler hands it
// on. Either opens the user menu only while "Enable Office Keyboard Menu" is
// checked.
#include "settings/keyboard_settings.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/hook_fixture.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/test_window.h"

#include <string>
#include <vector>

using e2e::KeyvaneProcess;

namespace {

const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");
constexpr LPARAM kNoCommand = 0x5D;
const e2e::ReportBytes kMenuKey = {0x00, 0x00, 0x75, 0x00, 0x00, 0x00, 0x00, 0x00};
const e2e::ReportBytes kKeysReleased = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// A request about to be made: "MenuEnable" set for the case (and put back
// after it), a test window in front (the menu opens over another program),
// and the view's lines from here on.
struct Request {
    explicit Request(DWORD menuEnable) : menuEnable(menuEnable) {
        e2e::WriteRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, kMenuEnableValue, REG_DWORD,
                           std::string(reinterpret_cast<const char*>(&menuEnable), sizeof menuEnable));
        E2E_CHECK(window.Activate(), "the test window is in front");
        from = keyvane.Mark();
    }

    KeyvaneProcess& keyvane = e2e::SharedKeyvane("vista");
    e2e::ValueOverride savedSwitch{HKEY_LOCAL_MACHINE, kSettingsKey, kMenuEnableValue};
    DWORD menuEnable;
    e2e::TestEditWindow window;
    size_t from = 0;
};

// Presses Ctrl+Alt+Space and waits for keyvane's hook thread to take the request.
void PressHotKey(const Request& request) {
    e2e::TypeUserMenuHotKey();
    const std::string asked = "keyvane: user-menu request, menu switch " + std::to_string(request.menuEnable);
    E2E_CHECK(request.keyvane.WaitForLine(request.from, asked) >= 0, "the hotkey asked");
}

void CheckMenuOpensAndCloses(const Request& request) {
    E2E_CHECK(request.keyvane.WaitForLine(request.from, "keyvane: user menu") >= 0,
              "the view's timer 4 opened the user menu");
    E2E_CHECK(e2e::WaitPumping([&] { return e2e::OpenMenu(request.keyvane) != nullptr; }, 3000), "the menu is open");
    e2e::Press(VK_ESCAPE);
    E2E_CHECK(e2e::WaitPumping([&] { return e2e::OpenMenu(request.keyvane) == nullptr; }, 3000), "the menu closed");
}

void CheckNoMenu(const Request& request) {
    // A timer message posted with the request is handled before one posted now.
    ::PostMessageA(request.keyvane.View(), g_keyCommand, 0, kNoCommand);
    E2E_CHECK(request.keyvane.WaitForLine(request.from, "keyvane: no command 0x5D") >= 0,
              "keyvane handled what was posted");
    E2E_CHECK(request.keyvane.WaitForLine(request.from, "keyvane: user menu", 0) < 0, "no user menu was opened");
    E2E_CHECK(e2e::OpenMenu(request.keyvane) == nullptr, "no menu is open");
}

void PressMenuKey(const Request& request) {
    CKeyRoads roads(request.keyvane.View());
    e2e::FeedReports(roads, {kMenuKey, kKeysReleased});
}

}  // namespace

E2E_CASE(HookUserMenu, HotKeyOpensTheUserMenuWhenSwitchedOn) {
    const Request request(1);
    PressHotKey(request);
    CheckMenuOpensAndCloses(request);
    E2E_CHECK(request.window.Text().empty(), "the hotkey's space did not reach the window in front");
}

E2E_CASE(HookUserMenu, HotKeyOpensNothingWhenSwitchedOff) {
    const Request request(0);
    PressHotKey(request);
    CheckNoMenu(request);
}

E2E_CASE(HookUserMenu, MenuKeyOpensTheUserMenuWhenSwitchedOn) {
    const Request request(1);
    PressMenuKey(request);
    CheckMenuOpensAndCloses(request);
    const auto lines = request.keyvane.LinesSince(request.from);
    E2E_CHECK(lines.size() >= 3 && (std::vector<std::string>(lines.begin(), lines.begin() + 3) ==
                                    std::vector<std::string>{"keyvane: no command 0x4D", "keyvane: icon active",
                                                             "keyvane: user menu"}),
              "the menu key's command does nothing, it blinks the icon as a key log record does, then the menu");
}

E2E_CASE(HookUserMenu, MenuKeyOpensNothingWhenSwitchedOff) {
    const Request request(0);
    PressMenuKey(request);
    CheckNoMenu(request);
}
