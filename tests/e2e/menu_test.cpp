// The tray menu, the user menu and the user-menu commands, seen from outside.
#include "tests/e2e/clipboard_contents.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/test_window.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using e2e::ClipboardFormatCount;
using e2e::ClipboardHoldsTheTestContents;
using e2e::FillClipboard;
using e2e::KeyvaneProcess;
using e2e::OpenMenu;
using e2e::Press;

namespace {

constexpr UINT kUserMenuTimer = 4;
constexpr UINT kCompanyName = 32779;
constexpr UINT kPersonalName = 32780;
constexpr UINT kUserMenuExit = 32791;
constexpr UINT kMyPicture = 32785;
constexpr UINT kQuit = 32774;
constexpr char kSettingsKey[] = "Software\\Corvale";
constexpr char kSnippet[] = "Corvale Keyboards Ltd.";
constexpr char kPersonalSnippet[] = " Ada Byron";

KeyvaneProcess& Running() {
    return e2e::SharedKeyvane("winxp");
}

// Waits for the About box, checks it is the captionless one, and closes it with Escape.
bool AboutBoxShownAndClosed(const KeyvaneProcess& keyvane) {
    const HWND about = e2e::WaitForDialog(keyvane, nullptr);
    if (about == nullptr || (::GetWindowLongA(about, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        return false;
    }
    return e2e::ClosedByKey(about, VK_ESCAPE);
}

bool MenuOpens(const KeyvaneProcess& keyvane, size_t from, const char* line) {
    return keyvane.WaitForLine(from, line) >= 0 && e2e::WaitPumping([&] { return OpenMenu(keyvane) != nullptr; }, 3000);
}

bool MenuCloses(const KeyvaneProcess& keyvane) {
    return e2e::WaitPumping([&] { return OpenMenu(keyvane) == nullptr; }, 3000);
}

void SetSetting(const char* name, const char* text) {
    ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kSettingsKey, name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

void DeleteSetting(const char* name) {
    ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kSettingsKey, name);
}

// Opens the user menu over `window` and dismisses it, as a user who opened
// it by mistake would; keyvane then remembers `window` as the one in front.
void OpenAndDismissUserMenu(const KeyvaneProcess& keyvane, e2e::TestEditWindow& window) {
    E2E_CHECK(window.Activate(), "the test window is in front");
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), WM_TIMER, kUserMenuTimer, 0);
    E2E_CHECK(MenuOpens(keyvane, from, "keyvane: user menu"), "the user menu opened");
    Press(VK_ESCAPE);
    E2E_CHECK(MenuCloses(keyvane), "the user menu closed");
}

// A busy program: it answers what other programs send it, its activation
// among them, but leaves its typed keys queued.
void AnswerSentMessagesUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    const double end = e2e::NowMs() + timeoutMs;
    while (!done() && e2e::NowMs() < end) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// A window that has no use for Ctrl+V: its keys are read and dropped.
void PumpDroppingKeys(unsigned ms) {
    const double end = e2e::NowMs() + ms;
    while (e2e::NowMs() < end) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
                ::DispatchMessageA(&message);
            }
        }
    }
}

}  // namespace

E2E_CASE(Menus, ResourcesHoldBothMenusInOrder) {
    const std::string path = e2e::TestDirectory() + "keyvane.exe";
    const HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    E2E_CHECK(module != nullptr, "keyvane.exe loads as data");
    const auto items = [&](HMENU menu) {
        std::vector<std::string> found;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            const UINT id = ::GetMenuItemID(menu, i);
            found.push_back(std::string(text) + "=" + (id == static_cast<UINT>(-1) ? "popup" : std::to_string(id)));
        }
        return found;
    };
    const HMENU tray = ::LoadMenuA(module, MAKEINTRESOURCEA(135));
    char name[64] = {};
    ::GetMenuStringA(tray, 0, name, sizeof name, MF_BYPOSITION);
    E2E_CHECK(std::strcmp(name, "Right Popup") == 0, "menu 135 holds \"Right Popup\"");
    E2E_CHECK((items(::GetSubMenu(tray, 0)) ==
               std::vector<std::string>{"About...=32773", "Keys...=32796", "=0", "Quit=32774"}),
              "About..., Keys..., a separator, Quit");
    const HMENU user = ::LoadMenuA(module, MAKEINTRESOURCEA(486));
    ::GetMenuStringA(user, 0, name, sizeof name, MF_BYPOSITION);
    E2E_CHECK(std::strcmp(name, "MidPopup") == 0, "menu 486 holds \"MidPopup\"");
    const HMENU mid = ::GetSubMenu(user, 0);
    E2E_CHECK((items(mid) == std::vector<std::string>{"My Text=popup", "My Document=32783", "My Favontes=32784",
                                                      "My Picture=32785", "My ShortCut1=32786", "My ShortCut2=32787",
                                                      "My ShortCut3=32788", "My ShortCut4=32789", "Config=32790",
                                                      "Exit=32791"}),
              "the user menu's items in order");
    E2E_CHECK((items(::GetSubMenu(mid, 0)) ==
               std::vector<std::string>{"Company Name=32779", "Personal Name=32780", "Other Text1=32781",
                                        "Other Text2=32782", "Other Text3=32793", "Exit=32791"}),
              "the \"My Text\" items in order");
    ::DestroyMenu(tray);
    ::DestroyMenu(user);
    ::FreeLibrary(module);
}

E2E_CASE(Menus, RightClickOpensAboutFirstAndQuitLast) {
    KeyvaneProcess& keyvane = Running();
    size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONUP);
    E2E_CHECK(MenuOpens(keyvane, from, "keyvane: tray menu"), "the tray menu opened");
    Press(VK_DOWN);
    Press(VK_RETURN);
    E2E_CHECK(MenuCloses(keyvane), "the menu closed");
    E2E_CHECK(AboutBoxShownAndClosed(keyvane), "the first item is About...");
    from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONUP);
    E2E_CHECK(MenuOpens(keyvane, from, "keyvane: tray menu"), "the tray menu opened again");
    Press(VK_UP);
    Press(VK_RETURN);
    E2E_CHECK(keyvane.WaitExit(3000), "the last item is Quit");
}

E2E_CASE(Menus, OtherIconsAndMessagesOpenNothing) {
    KeyvaneProcess& keyvane = Running();
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon + 1, WM_RBUTTONUP);
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_MOUSEMOVE);
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONDOWN);
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    E2E_CHECK(OpenMenu(keyvane) == nullptr, "no menu is open");
    E2E_CHECK(keyvane.WaitForLine(from, "menu", 0) < 0, "no menu was opened");
}

E2E_CASE(Menus, DoubleClickRunsAbout) {
    KeyvaneProcess& keyvane = Running();
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_LBUTTONDBLCLK);
    E2E_CHECK(AboutBoxShownAndClosed(keyvane), "About... ran");
    E2E_CHECK(keyvane.WaitForLine(from, "menu", 0) < 0, "no menu was opened");
}

E2E_CASE(Menus, SecondRequestChoosesTheHighlightedItem) {
    KeyvaneProcess& keyvane = Running();
    e2e::TestEditWindow window;
    E2E_CHECK(window.Activate(), "the test window is in front");
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), WM_TIMER, kUserMenuTimer, 0);
    E2E_CHECK(MenuOpens(keyvane, from, "keyvane: user menu"), "the user menu opened");
    Press(VK_UP);  // the last item, "Exit"
    e2e::PumpMessages(100);
    ::PostMessageA(keyvane.View(), WM_TIMER, kUserMenuTimer, 0);
    E2E_CHECK(MenuCloses(keyvane), "Enter chose the item and closed the menu");
    E2E_CHECK(e2e::WaitPumping([&] { return ::GetForegroundWindow() == window.Frame(); }, 3000),
              "\"Exit\" gave the foreground back to the test window");
    int opened = 0;
    for (const std::string& line : keyvane.LinesSince(from)) {
        opened += line == "keyvane: user menu";
    }
    E2E_CHECK_EQ(opened, 1, "the second request opened no second menu");
}

E2E_CASE(Menus, RequestAfterTheTrayMenuOpensTheUserMenu) {
    // The tray menu leaves keyvane's own frame in front; no menu of keyvane's is open then.
    const struct {
        const char* name;
        BYTE key;
        bool about;
    } cases[] = {{"right click, Escape", VK_ESCAPE, false}, {"About... and closed", VK_RETURN, true}};
    for (const auto& c : cases) {
        const std::string name = std::string(c.name) + ": ";
        KeyvaneProcess& keyvane = Running();
        size_t from = keyvane.Mark();
        ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONUP);
        E2E_CHECK(MenuOpens(keyvane, from, "keyvane: tray menu"), name + "the tray menu opened");
        if (c.about) {
            Press(VK_DOWN);
        }
        Press(c.key);
        E2E_CHECK(MenuCloses(keyvane), name + "the tray menu closed");
        if (c.about) {
            E2E_CHECK(AboutBoxShownAndClosed(keyvane), name + "About... ran");
        }
        from = keyvane.Mark();
        ::PostMessageA(keyvane.View(), WM_TIMER, kUserMenuTimer, 0);
        E2E_CHECK(MenuOpens(keyvane, from, "keyvane: user menu"), name + "the request opened the user menu");
        Press(VK_ESCAPE);
        E2E_CHECK(MenuCloses(keyvane), name + "the user menu closed");
    }
}

E2E_CASE(Menus, CompanyNameTypesTheSnippetAndTheClipboardComesBack) {
    // Typed once; two texts chosen one right after the other, before the
    // first paste was read; into a busy program that reads its keys a second
    // late; into a window where Ctrl+V means nothing; with another program
    // holding the clipboard open when it is due to come back; and with the
    // user copying something new (here: emptying it) before then.
    enum class Window { kReadsAtOnce, kReadsLate, kIgnoresPaste, kHoldsClipboard, kCopiesAnew };
    const struct {
        const char* name;
        std::vector<UINT> texts;
        Window window;
    } cases[] = {{"once", {kCompanyName}, Window::kReadsAtOnce},
                 {"two texts at once", {kCompanyName, kPersonalName}, Window::kReadsAtOnce},
                 {"read late", {kCompanyName}, Window::kReadsLate},
                 {"never read", {kCompanyName}, Window::kIgnoresPaste},
                 {"clipboard held", {kCompanyName}, Window::kHoldsClipboard},
                 {"copied anew", {kCompanyName}, Window::kCopiesAnew}};
    KeyvaneProcess& keyvane = Running();
    SetSetting("CompanyName", kSnippet);
    SetSetting("PersonalName", kPersonalSnippet);
    // One window for every row: a window made and destroyed per row moves the
    // focus, which under Wine lets go of the paste's Ctrl on its way.
    e2e::TestEditWindow window;
    std::string expected;
    for (const auto& c : cases) {
        const std::string name = std::string(c.name) + ": ";
        FillClipboard(window.Frame(), true);
        OpenAndDismissUserMenu(keyvane, window);
        for (const UINT text : c.texts) {
            ::PostMessageA(keyvane.View(), WM_COMMAND, text, 0);
            if (c.window != Window::kIgnoresPaste) {
                expected += text == kCompanyName ? kSnippet : kPersonalSnippet;
            }
        }
        if (c.window == Window::kReadsLate) {
            AnswerSentMessagesUntil([] { return HIWORD(::GetQueueStatus(QS_KEY)) != 0; }, 3000);
            AnswerSentMessagesUntil([] { return false; }, 1000);
        }
        if (c.window == Window::kIgnoresPaste) {
            PumpDroppingKeys(1000);
        }
        E2E_CHECK(e2e::WaitPumping([&] { return window.Text() == expected; }, 3000),
                  name + "the snippet was typed into the test window, got \"" + window.Text() + "\"");
        if (c.window == Window::kHoldsClipboard) {
            E2E_CHECK(::OpenClipboard(window.Frame()), name + "the test holds the clipboard open");
            e2e::PumpMessages(800);
            ::CloseClipboard();
        }
        if (c.window == Window::kCopiesAnew) {
            FillClipboard(window.Frame(), false);
            // Past the moment the old contents would have come back.
            e2e::PumpMessages(2000);
            E2E_CHECK_EQ(ClipboardFormatCount(), 0, name + "what the user put there stays");
            continue;
        }
        E2E_CHECK(e2e::WaitPumping(ClipboardHoldsTheTestContents, 3000),
                  name + "the clipboard holds what it held before");
    }
    DeleteSetting("PersonalName");
}

E2E_CASE(Menus, TextActionOfAKeyTypesAnyTextAndTheClipboardComesBack) {
    KeyvaneProcess& keyvane = Running();
    const std::wstring text = L"Gr\u00fc\u00dfe \u2713 \u65e5\u672c";
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, "Software\\Corvale\\Keys");
    const std::wstring value = L"text:" + text;
    ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Corvale\\Keys", L"calculator", REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    e2e::TestEditWindow window;
    FillClipboard(window.Frame(), true);
    E2E_CHECK(window.Activate(), "the test window is in front");
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), ::RegisterWindowMessageA("KeyCommand"), 0, 0x2D);
    const auto typed = [&] {
        wchar_t got[64] = {};
        ::GetWindowTextW(window.Frame(), got, 64);
        return std::wstring(got);
    };
    E2E_CHECK(e2e::WaitPumping([&] { return typed() == text; }, 3000), "the text was typed whole into the test window");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: picture Calculator 32") >= 0, "after the calculator's picture");
    E2E_CHECK(e2e::WaitPumping(ClipboardHoldsTheTestContents, 3000), "the clipboard holds what it held before");
}

E2E_CASE(Menus, EmptyClipboardIsEmptyAgainAfterTyping) {
    KeyvaneProcess& keyvane = Running();
    SetSetting("CompanyName", kSnippet);
    e2e::TestEditWindow window;
    FillClipboard(window.Frame(), false);
    OpenAndDismissUserMenu(keyvane, window);
    ::PostMessageA(keyvane.View(), WM_COMMAND, kCompanyName, 0);
    E2E_CHECK(e2e::WaitPumping([&] { return window.Text() == kSnippet; }, 3000), "the snippet was typed");
    E2E_CHECK(e2e::WaitPumping([] { return ClipboardFormatCount() == 0; }, 3000), "the clipboard is empty again");
}

E2E_CASE(Menus, MissingSnippetLeavesTheClipboardAlone) {
    KeyvaneProcess& keyvane = Running();
    DeleteSetting("CompanyName");
    e2e::TestEditWindow window;
    FillClipboard(window.Frame(), true);
    OpenAndDismissUserMenu(keyvane, window);
    const DWORD sequence = ::GetClipboardSequenceNumber();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kCompanyName, 0);
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    // A paste would have come back by its 500 ms timer; give it that long.
    e2e::PumpMessages(800);
    E2E_CHECK_EQ(::GetClipboardSequenceNumber(), sequence, "the clipboard was not touched");
    E2E_CHECK(window.Text().empty(), "nothing was typed");
}

E2E_CASE(Menus, MyPictureWithoutItsFolderValueDoesNothing) {
    KeyvaneProcess& keyvane = Running();
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                         "My Pictures");
    const auto windows = [] {
        int count = 0;
        ::EnumWindows([](HWND hwnd, LPARAM param) {
            *reinterpret_cast<int*>(param) += ::IsWindowVisible(hwnd) ? 1 : 0;
            return TRUE;
        }, reinterpret_cast<LPARAM>(&count));
        return count;
    };
    const int before = windows();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kMyPicture, 0);
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    e2e::PumpMessages(1000);
    E2E_CHECK_EQ(windows(), before, "no folder window opened");
}

E2E_CASE(Menus, QuitWhileAMenuIsOpenEndsWithinASecond) {
    // Quit comes as a command while the menu's own loop runs: a user-menu
    // request just before it, or a command posted by another program.
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* line;
    } cases[] = {{"tray menu", e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONUP, "keyvane: tray menu"},
                 {"user menu", WM_TIMER, kUserMenuTimer, 0, "keyvane: user menu"}};
    for (const auto& c : cases) {
        const std::string name = std::string(c.name) + ": ";
        KeyvaneProcess& keyvane = Running();
        const size_t from = keyvane.Mark();
        ::PostMessageA(keyvane.View(), c.message, c.wParam, c.lParam);
        E2E_CHECK(MenuOpens(keyvane, from, c.line), name + "the menu opened");
        ::PostMessageA(keyvane.View(), WM_COMMAND, kQuit, 0);
        E2E_CHECK(keyvane.WaitExit(1000), name + "the process ended within 1 s of Quit");
    }
}
