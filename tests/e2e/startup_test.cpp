// Start-up, the hidden frame, the single instance and "Quit".
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

#include <shellapi.h>

#include <cstdlib>
#include <cstring>

using e2e::KeyvaneProcess;

namespace {

constexpr UINT kQuit = 32774;

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
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
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

E2E_CASE(Startup, QuitRemovesTheIconAndEndsWhileThePollThreadRuns) {
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon added") >= 0, "the tray icon was added");
    E2E_CHECK(TrayIconPresent(keyvane.View()), "the icon is in the notification area");
    const double start = e2e::NowMs();
    ::PostMessageA(keyvane.View(), WM_COMMAND, kQuit, 0);
    DWORD exitCode = 1;
    E2E_CHECK(keyvane.WaitExit(2000, &exitCode), "the process ended within 2 s of Quit");
    E2E_CHECK_EQ(exitCode, 0ul, "exit code");
    E2E_CHECK(e2e::NowMs() - start < 2000, "ended in time");
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
