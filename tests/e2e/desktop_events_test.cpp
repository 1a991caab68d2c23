// What a desktop does to a program that runs for weeks: the shell restarts
// with an empty notification area, or is not up yet when the program starts
// at logon; the computer sleeps and wakes, the session is locked and
// unlocked; the keyboard is unplugged and plugged back.
#include "app/os_kind.h"
#include "hookwell/keyboard_hook.h"
#include "settings/keyboard_settings.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/dispatch_test_window.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/hook_fixture.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/notification_area_stand_in.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/robustness_support.h"

#include <cstdio>
#include <string>
#include <vector>

using e2e::DispatchSession;
using e2e::KeyMessage;
using e2e::KeyvaneProcess;
using e2e::NotificationAreaStandIn;
using e2e::TypeKey;

namespace {

constexpr unsigned kShiftLatch = 0x43;
constexpr unsigned kReplyAll = 0x40;  // Ctrl+Shift+R
constexpr unsigned kCopy = 0x45;      // Ctrl+C
constexpr std::uint32_t kCopyReport = 19;

// A handle as keyvane's lines write it.
std::string Number(ULONG_PTR value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lX", static_cast<unsigned long>(value));
    return text;
}

bool ShiftDown() {
    return (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}

// A key event that keyvane takes for one of its own keystrokes, as if a
// release of its own had gone astray.
void KeyvanesOwnKey(BYTE vk, bool up) {
    ::keybd_event(vk, static_cast<BYTE>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0,
                  kOwnKeystrokeMark);
}

// The hook thread's window in `keyvane`, where Raw Input and word of devices arrive.
HWND HookWindow(const KeyvaneProcess& keyvane) {
    HWND window = nullptr;
    while ((window = ::FindWindowExA(HWND_MESSAGE, window, nullptr, "Keyvane key input")) != nullptr) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        if (pid == keyvane.Pid()) {
            return window;
        }
    }
    return nullptr;
}

// Keys on both roads and the user-menu hotkey act: each is waited for.
void CheckKeysAct(const DispatchSession& keyvane, e2e::KeyLogRoad& keyLog, const std::string& after) {
    size_t from = keyvane.Mark();
    e2e::Press(VK_VOLUME_MUTE);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x20") >= 0, "the hook road acts " + after);
    from = keyvane.Mark();
    keyLog.Write({kCopyReport});
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x45") >= 0, "the key log road acts " + after);
    from = keyvane.Mark();
    e2e::TypeUserMenuHotKey();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: user-menu request") >= 0, "the hotkey acts " + after);
}

// keyvane tries a refused icon again this often.
constexpr unsigned kAddRetryMs = 1000;

void AnnounceNewNotificationArea() {
    E2E_CHECK(::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0),
              "the new notification area was announced to every top-level window");
}

// Long enough for a second add, had one been made.
void WaitLongerThanARetry(const KeyvaneProcess& keyvane) {
    E2E_CHECK(keyvane.Sync() >= 0, "the view answers");
    ::Sleep(kAddRetryMs * 3 / 2);
}

}  // namespace

E2E_CASE(DesktopEvents, TheShellsNewNotificationAreaGetsTheIconExactlyOnce) {
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon added") >= 0, "the tray icon was added");
    // The restarted shell's area holds no icon of keyvane's.
    NotificationAreaStandIn area(true);
    size_t from = keyvane.Mark();
    AnnounceNewNotificationArea();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray icon added") >= 0, "the icon was added to the new area");
    WaitLongerThanARetry(keyvane);
    E2E_CHECK_EQ(area.Adds(), 1, "one add");
    E2E_CHECK_EQ(area.IconsOf(keyvane.View()), 1, "the new area holds the icon");
    // An announcement while the area holds the icon already adds none.
    from = keyvane.Mark();
    AnnounceNewNotificationArea();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray icon already there") >= 0, "the icon was found there");
    WaitLongerThanARetry(keyvane);
    E2E_CHECK_EQ(area.Adds(), 2, "the second announcement's add alone, refused as the icon is there");
    E2E_CHECK_EQ(area.IconsOf(keyvane.View()), 1, "still one icon");
}

E2E_CASE(DesktopEvents, AProgramStartedBeforeTheNotificationAreaGetsItsIconLater) {
    NotificationAreaStandIn area(false);
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon not added: trying again") >= 0, "the first add was refused");
    E2E_CHECK(e2e::WaitFor([&] { return area.Adds() >= 3; }, kAddRetryMs * 4), "the add was tried again");
    E2E_CHECK_EQ(e2e::CountLines(keyvane, 0, "tray icon not added"), size_t{1}, "one line for all the refusals");
    const size_t from = keyvane.Mark();
    area.Accept(true);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray icon added", kAddRetryMs * 3) >= 0,
              "the icon came once the area took it");
    const int adds = area.Adds();
    WaitLongerThanARetry(keyvane);
    E2E_CHECK_EQ(area.Adds(), adds, "no add after the icon was there");
    E2E_CHECK_EQ(area.IconsOf(keyvane.View()), 1, "one icon");
}

// Windows 7 and later let a message of a process with fewer rights through
// only at a window that allows it; Wine has no such barrier, so the
// program's own line is what tells that the window hearing each message allows it.
E2E_CASE(DesktopEvents, TheShellsMessagesAreAllowedAtTheWindowsThatHearThem) {
    KeyvaneProcess keyvane("win10");
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    const std::string frame = Number(reinterpret_cast<ULONG_PTR>(keyvane.Frame()));
    const std::string view = Number(reinterpret_cast<ULONG_PTR>(keyvane.View()));
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: TaskbarCreated allowed from lower rights at window " + frame +
                                         ", per window") >= 0,
              "the frame, a top-level window, hears the shell's broadcast");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: the tray icon's callback allowed from lower rights at window " +
                                         view + ", per window") >= 0,
              "the view is told of clicks on the icon");
}

// Sleep and the lock screen may leave the program without its hook (Windows
// dropped it), its Raw Input or its hotkey.
E2E_CASE(DesktopEvents, AfterResumeAndUnlockTheKeyInputIsSetUpAfreshAndEveryRoadActs) {
    e2e::ValueOverride savedSwitch{HKEY_LOCAL_MACHINE, kSettingsKey, kMenuEnableValue};
    const DWORD menuOff = 0;
    e2e::WriteRawValue(HKEY_LOCAL_MACHINE, kSettingsKey, kMenuEnableValue, REG_DWORD,
                       std::string(reinterpret_cast<const char*>(&menuOff), sizeof menuOff));
    DispatchSession keyvane("vista");
    e2e::KeyLogRoad keyLog;
    keyLog.StartFresh(keyvane);
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: session changes reported") >= 0, "keyvane asked for session changes");
    const struct {
        UINT message;
        WPARAM code;
        const char* event;
    } events[] = {
        {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, "resumed by the user"},
        {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, "resumed"},
        {WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, "session unlocked"},
        {WM_WTSSESSION_CHANGE, WTS_REMOTE_CONNECT, "remote session connected"},
    };
    for (const auto& event : events) {
        const size_t from = keyvane.Mark();
        ::SendMessageA(keyvane.Frame(), event.message, event.code, 0);
        const std::string renewed = std::string("keyvane: ") + event.event +
                                    ": keyboard hook installed afresh, raw input registered, "
                                    "user-menu hotkey registered, ";
        E2E_CHECK(keyvane.WaitForLine(from, renewed) >= 0, std::string("set up afresh after: ") + event.event);
        E2E_CHECK_EQ(e2e::CountLines(keyvane, from, event.event), size_t{1}, "one line for the event");
        CheckKeysAct(keyvane, keyLog, std::string("after: ") + event.event);
    }
}

// The lock screen swallows the key-up: a Shift the program holds would be
// stuck when the user comes back.
E2E_CASE(DesktopEvents, LockLetsGoOfALatchedShift) {
    DispatchSession keyvane("winxp");
    keyvane.Press(kShiftLatch);
    E2E_CHECK(e2e::WaitFor(ShiftDown, 2000), "the latch holds Shift");
    size_t from = keyvane.Mark();
    ::SendMessageA(keyvane.Frame(), WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: session locked: let go of the latched Shift") >= 0,
              "the lock let go of the latch");
    E2E_CHECK(e2e::WaitFor([] { return !ShiftDown(); }, 2000), "no Shift is down");
    // Nothing held: the next lock says so, and the latch starts afresh.
    from = keyvane.Mark();
    ::SendMessageA(keyvane.Frame(), WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: session locked: let go of nothing") >= 0, "nothing held");
    keyvane.Press(kShiftLatch);
    E2E_CHECK(e2e::WaitFor(ShiftDown, 2000), "the latch holds Shift again");
    keyvane.Press(kShiftLatch);
    E2E_CHECK(e2e::WaitFor([] { return !ShiftDown(); }, 2000), "and lets go of it");
}

// A chord the program presses leaves Shift as the user holds it: down while
// held (also when the chord itself let go of it), up when only a release that
// went astray kept it down.
E2E_CASE(DesktopEvents, AChordLeavesShiftAsTheUserHoldsIt) {
    DispatchSession keyvane("winxp");
    e2e::TestWindow front("KeyvaneChordFront");
    E2E_CHECK(front.BringToFront(), "the test window is in front");
    // Wine lets go of the keys X does not hold once the window in front has
    // taken the focus: a Shift typed before then comes up again, so a held
    // Shift keeps repeating until it stays down.
    E2E_CHECK(e2e::WaitFor(
                  [] {
                      TypeKey(VK_SHIFT, false);
                      return ShiftDown();
                  },
                  2000),
              "the user holds Shift");
    front.WaitForMessages(1);
    for (const unsigned chord : {kReplyAll, kCopy}) {
        front.ClearMessages();
        keyvane.Press(chord);
        const auto messages = e2e::Describe(front.WaitForMessages(chord == kReplyAll ? 7 : 4));
        E2E_CHECK(!messages.empty() && messages.back() == (chord == kReplyAll ? KeyMessage("down", VK_SHIFT)
                                                                               : KeyMessage("up", VK_CONTROL)),
                  "the chord ended as the user holds Shift: " + e2e::Hex(chord));
        E2E_CHECK(ShiftDown(), "Shift is still down after " + e2e::Hex(chord));
    }
    front.ClearMessages();
    TypeKey(VK_SHIFT, true);
    E2E_CHECK(e2e::WaitFor([] { return !ShiftDown(); }, 2000), "the user let go of Shift");
    front.WaitForMessages(1);
    // A Shift of keyvane's own whose release went astray.
    front.ClearMessages();
    KeyvanesOwnKey(VK_SHIFT, false);
    E2E_CHECK(e2e::WaitFor(ShiftDown, 2000), "a stray Shift is down");
    front.WaitForMessages(1);
    front.ClearMessages();
    keyvane.Press(kCopy);
    const auto messages = e2e::Describe(front.WaitForMessages(5));
    E2E_CHECK(!messages.empty() && messages.back() == KeyMessage("up", VK_SHIFT), "the chord let go of it");
    E2E_CHECK(e2e::WaitFor([] { return !ShiftDown(); }, 2000), "no Shift is down");
}

// Unplugged and plugged back, the keyboard comes with another handle.
E2E_CASE(DesktopEvents, DevicesThatArriveAndGoAreTakenInAndForgotten) {
    DispatchSession keyvane("vista");
    const HWND hookWindow = HookWindow(keyvane);
    E2E_CHECK(hookWindow != nullptr, "the hook thread's window was found");
    UINT count = 0;
    ::GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST));
    std::vector<RAWINPUTDEVICELIST> devices(count);
    E2E_CHECK(count > 0 && ::GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST)) == count,
              "Wine lists its input devices");
    const auto handle = reinterpret_cast<LPARAM>(devices.front().hDevice);
    const std::string name = "keyvane: input device " + Number(static_cast<ULONG_PTR>(handle));
    const LPARAM gone = 0x7FFF1;
    size_t from = keyvane.Mark();
    ::SendMessageA(hookWindow, WM_INPUT_DEVICE_CHANGE, GIDC_ARRIVAL, handle);
    ::SendMessageA(hookWindow, WM_INPUT_DEVICE_CHANGE, GIDC_ARRIVAL, gone);
    ::SendMessageA(hookWindow, WM_INPUT_DEVICE_CHANGE, GIDC_REMOVAL, handle);
    ::SendMessageA(hookWindow, WM_INPUT_DEVICE_CHANGE, GIDC_REMOVAL, handle);
    E2E_CHECK(keyvane.WaitForLine(from, name + " arrived: another device") >= 0, "Wine's device was asked about");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: input device 0x7FFF1 arrived: unknown to Windows") >= 0,
              "a handle Windows does not know is not kept");
    E2E_CHECK(keyvane.WaitForLine(from, name + " removed") >= 0, "the removed device was forgotten");
    E2E_CHECK(keyvane.WaitForLine(from, name + " removed, never known") >= 0, "and is unknown after");
    // Still running and taking keys, from the hook and from the keyboard's reports.
    from = keyvane.Mark();
    e2e::Press(VK_VOLUME_MUTE);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x20") >= 0, "the hook road acts");
    CKeyRoads roads(keyvane.View(), kOsWinXp);
    from = keyvane.Mark();
    e2e::FeedReports(roads, {{0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00}, {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}});
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x01") >= 0, "the keyboard's reports act");
}
