// Start-up, the hidden frame, the single instance and "Quit".
#include "tests/e2e/clipboard_contents.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/test_window.h"

#include <shellapi.h>

#include <cstdlib>
#include <cstring>

using e2e::KeyvaneProcess;

namespace {

constexpr UINT kQuit = 32774;
constexpr UINT kUserMenuTimer = 4;

// Whether the notification area holds the view's icon 128 (a modify of a
// missing icon fails).
bool TrayIconPresent(HWND view) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = view;
    nid.uID = 128;
    nid.uFlags = NIF_TIP;
    std::strcpy(nid.szTip, "Office Keyvane");
    return ::Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

void RemoveTrayIcon(HWND view) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = view;
    nid.uID = 128;
    ::Shell_NotifyIconA(NIM_DELETE, &nid);
}

// Holds the thread that answers for the notification area (in Wine's desktop
// process), as a shell does that is busy or hung, until destroyed.
class BusyNotificationArea {
public:
    BusyNotificationArea() {
        DWORD id = ::GetWindowThreadProcessId(::FindWindowA("Shell_TrayWnd", nullptr), nullptr);
        m_thread = id == 0 ? nullptr : ::OpenThread(THREAD_SUSPEND_RESUME, FALSE, id);
        E2E_CHECK(m_thread != nullptr && ::SuspendThread(m_thread) != static_cast<DWORD>(-1),
                  "the notification area's thread was held");
    }
    ~BusyNotificationArea() {
        ::ResumeThread(m_thread);
        ::CloseHandle(m_thread);
    }
    BusyNotificationArea(const BusyNotificationArea&) = delete;
    BusyNotificationArea& operator=(const BusyNotificationArea&) = delete;

private:
    HANDLE m_thread;
};

}  // namespace

E2E_CASE(Startup, SecondStartEndsAtOnceAndFirstKeepsRunning) {
    KeyvaneProcess first;
    E2E_CHECK(first.WaitReady(), "the first instance came up");
    KeyvaneProcess second;
    DWORD exitCode = 1;
    E2E_CHECK(second.WaitExit(5000, &exitCode), "the second instance ended");
    E2E_CHECK_EQ(exitCode, 0ul, "the second instance's exit code");
    E2E_CHECK(second.LinesSince(0).empty() || second.WaitForLine(0, "tray icon", 0) < 0,
              "the second instance added no tray icon");
    E2E_CHECK(first.IsRunning(), "the first instance is still running");
    E2E_CHECK(first.Sync() >= 0, "the first instance still answers");
}

E2E_CASE(Startup, FrameIsAnInvisiblePopupWithItsTitle) {
    // Started while the user types in another program, which keeps the foreground.
    e2e::OtherProgramEditWindow window;
    E2E_CHECK(window.Activate(), "the other program is in front");
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitStartupPictureGone(), "the start-up picture went");
    E2E_CHECK(::GetForegroundWindow() == window.Frame(), "the other program kept the foreground");
    char title[128] = {};
    ::GetWindowTextA(keyvane.Frame(), title, sizeof title);
    E2E_CHECK(std::strcmp(title, "Keyvane V1.0.20010401") == 0, std::string("title is ") + title);
    // The system adds WS_CLIPSIBLINGS to every top-level window, and showing adds WS_VISIBLE.
    const auto style = static_cast<DWORD>(::GetWindowLongA(keyvane.Frame(), GWL_STYLE));
    E2E_CHECK_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), static_cast<DWORD>(WS_POPUP),
                 "the frame's style is exactly WS_POPUP");
    const auto exStyle = static_cast<DWORD>(::GetWindowLongA(keyvane.Frame(), GWL_EXSTYLE));
    E2E_CHECK((exStyle & WS_EX_TOOLWINDOW) != 0, "the frame is a tool window (no taskbar button)");
    RECT rect{};
    ::GetWindowRect(keyvane.Frame(), &rect);
    E2E_CHECK_EQ(rect.right - rect.left, 0l, "frame width");
    E2E_CHECK_EQ(rect.bottom - rect.top, 0l, "frame height");
}

E2E_CASE(Startup, ViewIsTheFramesChildHoldingTheForm) {
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(::GetParent(keyvane.View()) == keyvane.Frame(), "the view's parent is the frame");
    E2E_CHECK((::GetWindowLongA(keyvane.View(), GWL_STYLE) & WS_CHILD) != 0, "the view is a child window");
    const HWND edit = ::GetDlgItem(keyvane.View(), 1001);
    char className[64] = {};
    ::GetClassNameA(edit, className, sizeof className);
    E2E_CHECK(::lstrcmpiA(className, "Edit") == 0, std::string("control 1001 is an edit control, not ") + className);
    E2E_CHECK((::GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0, "control 1001 is multi-line");
}

E2E_CASE(Startup, OsKindFollowsTheWindowsRelease) {
    const struct {
        const char* version;
        int kind;
    } releases[] = {{"win98", 3}, {"winme", 4}, {"nt40", 5}, {"win2k", 6},
                    {"winxp", 7}, {"vista", 8}, {"win10", 8}};
    for (const auto& release : releases) {
        KeyvaneProcess keyvane(release.version);
        const std::string expected = "keyvane: os kind " + std::to_string(release.kind);
        E2E_CHECK(keyvane.WaitForLine(0, "keyvane: os kind", 10000) >= 0, std::string("no os kind on ") + release.version);
        E2E_CHECK(keyvane.WaitForLine(0, expected, 0) >= 0, std::string(release.version) + " gives " + expected);
    }
}

// Quit after a session of the kind a user has: both menus used with keys and
// the mouse, the About box opened and closed, a snippet typed into another
// program, the user menu left with "Exit" both ways. Every thread the session
// woke must be gone within a second of Quit.
E2E_CASE(Startup, QuitAfterASessionOfMenusEndsWithinASecond) {
    // Started as installed: from a folder of its own, without the build's driver package.
    ::CreateDirectoryA("C:\\Keyvane", nullptr);
    E2E_CHECK(::CopyFileA((e2e::TestDirectory() + "keyvane.exe").c_str(), "C:\\Keyvane\\keyvane.exe", FALSE),
              "keyvane.exe copied to C:\\Keyvane");
    KeyvaneProcess keyvane("winxp", "C:\\Keyvane\\keyvane.exe");
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon added") >= 0, "the tray icon was added");
    E2E_CHECK(TrayIconPresent(keyvane.View()), "the icon is in the notification area");
    E2E_CHECK(keyvane.WaitStartupPictureGone(), "the start-up picture went");
    ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Corvale", "CompanyName", REG_SZ, "Corvale", 8);
    e2e::OtherProgramEditWindow window;
    e2e::FillClipboard(window.Frame(), true);
    const auto menuOpens = [&](size_t from, const char* line) {
        return keyvane.WaitForLine(from, line) >= 0 &&
               e2e::WaitPumping([&] { return e2e::OpenMenu(keyvane) != nullptr; }, 3000);
    };
    const auto menuCloses = [&] { return e2e::WaitPumping([&] { return e2e::OpenMenu(keyvane) == nullptr; }, 3000); };
    const auto clickAboutOk = [&] {
        const HWND about = e2e::WaitForDialog(keyvane, nullptr);
        E2E_CHECK(about != nullptr, "the About box opened");
        const HWND button = ::GetDlgItem(about, IDOK);
        const RECT ok = e2e::WindowRect(button);
        const POINT centre{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2};
        // Clicked once it is on screen where the user sees it.
        E2E_CHECK(e2e::PointAndClick(centre,
                                     [&] {
                                         return ::GetForegroundWindow() == about && e2e::FocusOf(about) == button &&
                                                ::WindowFromPoint(centre) == button;
                                     }),
                  "the About box is in front with its OK button focused");
        E2E_CHECK(e2e::WaitClosed(about), "its OK button closed the About box");
        // Its owner takes the foreground back; under Wine without a window
        // manager only once the box's window is gone, two seconds later.
        E2E_CHECK(e2e::WaitPumping([&] { return ::GetForegroundWindow() == keyvane.Frame(); }, 4000),
                  "the About box gave the foreground back to its owner");
    };
    const auto userMenu = [&] {
        // keyvane holds the foreground after the About box; a user clicks the window again.
        E2E_CHECK(e2e::WaitPumping([&] { return window.Activate(); }, 6000), "the test window is in front");
        const size_t from = keyvane.Mark();
        ::PostMessageA(keyvane.View(), WM_TIMER, kUserMenuTimer, 0);
        E2E_CHECK(menuOpens(from, "keyvane: user menu"), "the user menu opened");
    };

    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon + 1, WM_RBUTTONUP);
    size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONUP);
    E2E_CHECK(menuOpens(from, "keyvane: tray menu"), "the tray menu opened");
    e2e::Press(VK_ESCAPE);
    E2E_CHECK(menuCloses(), "Escape closed the tray menu");
    from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_RBUTTONUP);
    E2E_CHECK(menuOpens(from, "keyvane: tray menu"), "the tray menu opened again");
    e2e::Press(VK_DOWN);
    e2e::Press(VK_RETURN);
    clickAboutOk();
    ::PostMessageA(keyvane.View(), e2e::kTrayNotify, e2e::kTrayIcon, WM_LBUTTONDBLCLK);
    clickAboutOk();

    userMenu();
    e2e::Press(VK_DOWN);   // "My Text"
    e2e::Press(VK_RIGHT);  // its first item, "Company Name"
    e2e::Press(VK_RETURN);
    E2E_CHECK(e2e::WaitPumping([&] { return window.Text() == "Corvale"; }, 3000),
              "the snippet was typed into the test window, got \"" + window.Text() + "\"");
    E2E_CHECK(e2e::WaitPumping(e2e::ClipboardHoldsTheTestContents, 3000), "the clipboard came back");
    userMenu();
    e2e::Press(VK_UP);  // "Exit"
    e2e::Press(VK_RETURN);
    E2E_CHECK(e2e::WaitPumping([&] { return ::GetForegroundWindow() == window.Frame(); }, 3000),
              "\"Exit\" gave the foreground back");
    userMenu();
    e2e::Press(VK_UP);
    e2e::PumpMessages(100);
    ::PostMessageA(keyvane.View(), WM_TIMER, kUserMenuTimer, 0);
    E2E_CHECK(menuCloses(), "the second request chose \"Exit\"");
    E2E_CHECK(e2e::WaitPumping([&] { return ::GetForegroundWindow() == window.Frame(); }, 3000),
              "the foreground came back again");
    E2E_CHECK(keyvane.IsRunning(), "keyvane runs on after \"Exit\"");

    const double start = e2e::NowMs();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kQuit, 0);
    DWORD exitCode = 1;
    const bool ended = keyvane.WaitExit(5000, &exitCode);
    const double took = e2e::NowMs() - start;
    E2E_CHECK(ended && took < 1000, "the process ended within 1 s of Quit, took " + std::to_string(took) + " ms");
    E2E_CHECK_EQ(exitCode, 0ul, "exit code");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: quit", 0) >= 0, "Quit ran");
    E2E_CHECK(!TrayIconPresent(keyvane.View()), "the icon is gone from the notification area");
}

// A restarted shell comes up with an empty notification area and tells every
// top-level window so; the program's icon comes back.
E2E_CASE(Startup, TheIconComesBackWhenTheNotificationAreaIsMadeAnew) {
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon added") >= 0, "the tray icon was added");
    RemoveTrayIcon(keyvane.View());
    E2E_CHECK(!TrayIconPresent(keyvane.View()), "the notification area lost the icon");
    const size_t from = keyvane.Mark();
    E2E_CHECK(::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0),
              "the new notification area was announced");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray icon added") >= 0, "the icon was added again");
    E2E_CHECK(TrayIconPresent(keyvane.View()), "the icon is in the notification area again");
    E2E_CHECK(keyvane.Sync() >= 0, "the view still answers");
}

// Every key switches the icon, a call answered by the shell; a busy shell must
// hold neither the next key nor the program's end.
E2E_CASE(Startup, KeysAndQuitDoNotWaitForABusyNotificationArea) {
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon added") >= 0, "the tray icon was added");
    const UINT keyCommand = ::RegisterWindowMessageA("KeyCommand");
    const BusyNotificationArea busy;
    // Codes without a command: the dispatcher's line alone, no input sent.
    for (const char* code : {"5D", "5E"}) {
        const size_t from = keyvane.Mark();
        const double posted = e2e::NowMs();
        E2E_CHECK(::PostMessageA(keyvane.View(), keyCommand, 0, std::strtol(code, nullptr, 16)), "a key posted");
        const long line = keyvane.WaitForLine(from, std::string("command 0x") + code);
        E2E_CHECK(line >= 0, "the key was dispatched");
        const double took = e2e::Monitor().Lines(static_cast<size_t>(line))[0].atMs - posted;
        // Held, the shell would hold the key until the case ends; the bound leaves a busy machine room.
        E2E_CHECK(took < 500, "the key acted " + std::to_string(static_cast<int>(took)) + " ms after its post");
    }
    const double quit = e2e::NowMs();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kQuit, 0);
    E2E_CHECK(keyvane.WaitExit(2000), "the process ended");
    E2E_CHECK(e2e::NowMs() - quit < 1000, "within a second of Quit");
}
