// The user-menu requests of the hook library: the hotkey Ctrl+Alt+Space,
// pressed on the desktop while keyvane runs, and the keyboard's menu key,
// whose report goes through the key roads as the WM_INPUT handler hands it
// on. Either opens the user menu only while "Enable Office Keyboard Menu" is
// checked. A snippet chosen from the menu is typed into another program's
// window, whatever its language and however the menu was asked for and its
// item chosen, and the clipboard comes back.
#include "app/os_kind.h"
#include "settings/keyboard_settings.h"
#include "tests/e2e/clipboard_contents.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/hook_fixture.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
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
    CKeyRoads roads(request.keyvane.View(), kOsWinXp);
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

namespace {

// UTF-8; no code page holds all of it.
constexpr char kSnippet[] = "Gr\u00fc\u00dfe \u2713 \u65e5\u672c";

enum class Ask { kHotKeyLetGo, kHotKeyStillHeld, kMenuKey, kTimer };
enum class Choose { kKeys, kMouse };

// Clicks the first item of keyvane's frontmost menu once `count` of its menus are open.
void ClickFirstItem(const KeyvaneProcess& keyvane, int count) {
    const auto openMenus = [&] {
        int open = 0;
        for (HWND menu = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu != nullptr;
             menu = ::FindWindowExA(nullptr, menu, "#32768", nullptr)) {
            DWORD pid = 0;
            ::GetWindowThreadProcessId(menu, &pid);
            open += pid == keyvane.Pid() && ::IsWindowVisible(menu) ? 1 : 0;
        }
        return open;
    };
    E2E_CHECK(e2e::WaitPumping([&] { return openMenus() == count; }, 3000), std::to_string(count) + " menus are open");
    const HWND menu = e2e::OpenMenu(keyvane);
    const RECT rect = e2e::WindowRect(menu);
    const POINT item{rect.left + 20, rect.top + 10};
    E2E_CHECK(e2e::PointAndClick(item, [&] { return e2e::MenuItemHighlightedAt(menu, item); }),
              "the pointer highlighted the menu's first item");
}

// "My Text" > "Company Name", the first item of the first submenu.
void ChooseCompanyName(const KeyvaneProcess& keyvane, Choose choose) {
    if (choose == Choose::kKeys) {
        e2e::Press(VK_DOWN);
        e2e::Press(VK_RIGHT);
        e2e::Press(VK_RETURN);
    } else {
        ClickFirstItem(keyvane, 1);
        ClickFirstItem(keyvane, 2);
    }
}

bool KeyHeld(int vk) {
    return (::GetAsyncKeyState(vk) & 0x8000) != 0;
}

}  // namespace

E2E_CASE(HookUserMenu, ChosenSnippetIsTypedIntoAnotherProgram) {
    const struct {
        const char* name;
        Ask ask;
        Choose choose;
    } cases[] = {
        {"hotkey let go, keys", Ask::kHotKeyLetGo, Choose::kKeys},
        {"hotkey let go, mouse", Ask::kHotKeyLetGo, Choose::kMouse},
        {"hotkey still held, mouse", Ask::kHotKeyStillHeld, Choose::kMouse},
        {"menu key, keys", Ask::kMenuKey, Choose::kKeys},
        {"timer, mouse", Ask::kTimer, Choose::kMouse},
    };
    e2e::ValueOverride snippet{HKEY_LOCAL_MACHINE, kSettingsKey, "CompanyName"};
    snippet.Set(kSnippet);
    e2e::OtherProgramEditWindow other;
    for (const auto& c : cases) {
        const std::string name = std::string(c.name) + ": ";
        const Request request(1);
        other.SetText("");
        e2e::FillClipboard(request.window.Frame(), true);
        E2E_CHECK(other.Activate(), name + "the other program is in front");
        const size_t from = request.keyvane.Mark();
        if (c.ask == Ask::kMenuKey) {
            PressMenuKey(request);
        } else if (c.ask == Ask::kTimer) {
            ::PostMessageA(request.keyvane.View(), WM_TIMER, 4, 0);
        } else {
            e2e::PressUserMenuHotKey();
        }
        E2E_CHECK(request.keyvane.WaitForLine(from, "keyvane: user menu") >= 0, name + "the user menu opened");
        E2E_CHECK(e2e::WaitPumping([&] { return e2e::OpenMenu(request.keyvane) != nullptr; }, 3000),
                  name + "the menu is shown");
        if (c.ask == Ask::kHotKeyLetGo) {
            e2e::ReleaseUserMenuHotKey();
        }
        ChooseCompanyName(request.keyvane, c.choose);
        E2E_CHECK(e2e::WaitPumping([&] { return other.Text() == kSnippet; }, 3000),
                  name + "the snippet was typed into the other program, got \"" + other.Text() + "\"");
        if (c.ask == Ask::kHotKeyStillHeld) {
            e2e::ReleaseUserMenuHotKey();
        }
        // The paste's last keys may still be on their way through keyvane's hook.
        E2E_CHECK(e2e::WaitPumping([] { return !KeyHeld(VK_CONTROL) && !KeyHeld(VK_MENU) && !KeyHeld(VK_SHIFT); }, 1000),
                  name + "no modifier is left pressed");
        E2E_CHECK(e2e::OpenMenu(request.keyvane) == nullptr, name + "no menu is left open");
        E2E_CHECK(e2e::WaitPumping(e2e::ClipboardHoldsTheTestContents, 3000),
                  name + "the clipboard holds what it held before");
    }
}
