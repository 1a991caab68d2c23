// The hook library's keyboard hook in the running keyvane: multimedia keys
// typed on the desktop reach the view, and go on to the window in front.
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/dispatch_test_window.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/registry_fixture.h"

#include <string>
#include <thread>
#include <vector>

using e2e::KeyvaneProcess;
using e2e::KeyMessage;
using e2e::Press;

namespace {

const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");
constexpr LPARAM kStop = 0x2C;

// On Vista and later keyvane shows the multimedia keys' pictures and leaves
// the keys to Windows; the volume keys too while the setting says so.
KeyvaneProcess& Running() {
    return e2e::SharedKeyvane("vista");
}

// The setting "VolumeKeys" at 0 for one case: the volume keys go on to Windows.
class VolumeKeysLeftToWindows {
public:
    VolumeKeysLeftToWindows() { m_setting.SetDword(0); }

private:
    e2e::ValueOverride m_setting{HKEY_LOCAL_MACHINE, "Software\\Corvale", "VolumeKeys"};
};

// The key commands the view dispatched, in order.
std::vector<std::string> Commands(const KeyvaneProcess& keyvane, size_t from) {
    std::vector<std::string> commands;
    for (const std::string& line : keyvane.LinesSince(from)) {
        if (line.rfind("keyvane: command ", 0) == 0) {
            commands.push_back(line.substr(sizeof "keyvane: command " - 1));
        }
    }
    return commands;
}

std::vector<std::string> KeyDowns(const e2e::TestWindow& window) {
    std::vector<std::string> downs;
    for (const std::string& message : e2e::Describe(window.Messages())) {
        if (message.rfind("down ", 0) == 0) {
            downs.push_back(message);
        }
    }
    return downs;
}

// A CD player whose answer to keyvane's stop command takes a whole second, as
// a busy program's may: keyvane sends it the command and waits, and its
// user-interface thread is blocked meanwhile.
class SlowCdPlayer {
public:
    SlowCdPlayer() {
        m_thread = std::thread([this] { Loop(); });
        E2E_CHECK(e2e::WaitFor([this] { return ::IsWindow(m_hwnd) != FALSE; }, 5000), "the CD player came up");
    }
    ~SlowCdPlayer() {
        ::PostMessageA(m_hwnd, WM_CLOSE, 0, 0);
        m_thread.join();
        ::CloseHandle(m_blocking);
        ::CloseHandle(m_released);
    }
    SlowCdPlayer(const SlowCdPlayer&) = delete;
    SlowCdPlayer& operator=(const SlowCdPlayer&) = delete;

    bool WaitBlocking() const { return ::WaitForSingleObject(m_blocking, 5000) == WAIT_OBJECT_0; }
    bool Released() const { return ::WaitForSingleObject(m_released, 0) == WAIT_OBJECT_0; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<SlowCdPlayer*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_COMMAND && LOWORD(wParam) == 1002 && self != nullptr) {
            ::SetEvent(self->m_blocking);
            ::Sleep(1000);
            ::SetEvent(self->m_released);
            return 0;
        }
        if (message == WM_DESTROY) {
            ::PostQuitMessage(0);
        }
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }

    void Loop() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Procedure;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "SJE_CdPlayerClass";
        ::RegisterClassA(&wc);
        const HWND hwnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                            nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_hwnd = hwnd;
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
            ::DispatchMessageA(&msg);
        }
    }

    HANDLE m_blocking = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_released = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND m_hwnd = nullptr;
    std::thread m_thread;
};

}  // namespace

E2E_CASE(HookKeys, VolumeUpReachesTheViewAndTheWindowInFront) {
    KeyvaneProcess& keyvane = Running();
    e2e::TestWindow front("KeyvaneHookFront");
    E2E_CHECK(front.BringToFront(), "the test window is in front");
    const size_t from = keyvane.Mark();
    Press(VK_VOLUME_UP);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x27") >= 0, "the view dispatched 0x27");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: picture VOLINC 32") >= 0, "the volume-up picture was asked for");
    E2E_CHECK(e2e::WaitFor([&] { return !e2e::FindPopups(keyvane.Pid(), keyvane.Frame()).empty(); }, 3000),
              "the picture appeared");
    const auto messages = e2e::Describe(front.WaitForMessages(2));
    E2E_CHECK((messages == std::vector<std::string>{KeyMessage("down", VK_VOLUME_UP), KeyMessage("up", VK_VOLUME_UP)}),
              "the key went on to the window in front");
}

E2E_CASE(HookKeys, HeldKeyIsDispatchedOnce) {
    KeyvaneProcess& keyvane = Running();
    const VolumeKeysLeftToWindows setting;
    e2e::TestWindow front("KeyvaneHookFront");
    E2E_CHECK(front.BringToFront(), "the test window is in front");
    const size_t from = keyvane.Mark();
    const auto scan = static_cast<BYTE>(::MapVirtualKeyA(VK_VOLUME_DOWN, MAPVK_VK_TO_VSC));
    for (int repeat = 0; repeat < 4; ++repeat) {
        ::keybd_event(VK_VOLUME_DOWN, scan, 0, 0);
    }
    ::keybd_event(VK_VOLUME_DOWN, scan, KEYEVENTF_KEYUP, 0);
    // The hook posts in order: once mute is in, so is all before it.
    Press(VK_VOLUME_MUTE);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x20") >= 0, "the view dispatched mute");
    E2E_CHECK((Commands(keyvane, from) == std::vector<std::string>{"0x28", "0x20"}),
              "volume down once, however long it was held, then mute");
    // The window's own thread takes them after they passed keyvane's hook.
    E2E_CHECK(e2e::WaitFor([&] { return KeyDowns(front).size() == 5; }, 2000),
              "every key-down went on to the window in front");
}

E2E_CASE(HookKeys, KeysWaitForABlockedViewInOrder) {
    KeyvaneProcess& keyvane = Running();
    const VolumeKeysLeftToWindows setting;
    e2e::TestWindow front("KeyvaneHookFront");
    E2E_CHECK(front.BringToFront(), "the test window is in front");
    SlowCdPlayer player;
    const size_t from = keyvane.Mark();
    ::PostMessageA(keyvane.View(), g_keyCommand, 0, kStop);
    E2E_CHECK(player.WaitBlocking(), "keyvane's stop command is waiting for the CD player");
    const BYTE keys[] = {VK_VOLUME_UP, VK_VOLUME_DOWN, VK_MEDIA_PLAY_PAUSE, VK_MEDIA_NEXT_TRACK};
    for (BYTE key : keys) {
        Press(key);
    }
    // The hook never waits for the blocked thread, so the keys are at the
    // window in front before the second is over.
    E2E_CHECK(e2e::WaitFor([&] { return KeyDowns(front).size() == 4; }, 900), "the keys went on at once");
    E2E_CHECK(!player.Released(), "keyvane was still blocked when the keys arrived");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x2B", 5000) >= 0, "the last key was dispatched");
    E2E_CHECK(player.Released(), "after the block");
    E2E_CHECK((Commands(keyvane, from) == std::vector<std::string>{"0x2C", "0x27", "0x28", "0x29", "0x2B"}),
              "every key dispatched, in order, after the stop command");
    const size_t after = keyvane.Mark();
    Press(VK_VOLUME_MUTE);
    E2E_CHECK(keyvane.WaitForLine(after, "keyvane: command 0x20") >= 0, "the hook is still installed");
}
