// The floor of the idle benchmark: the least a tray program that reads the
// key log does, one hidden window with one notification-area icon and a
// message loop, and the key log opened, read and closed every 200 ms. It says on the
// diagnostics channel when its icon is there, and ends, taking the icon
// along, when its thread is sent WM_QUIT.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace {

constexpr char kWindowClass[] = "KeyvaneTrayFloor";
constexpr UINT kPollPeriodMs = 200;

void ReadKeyLog() {
    const HANDLE file = ::CreateFileA("c:\\ostrel.log", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        char text[200];
        DWORD read = 0;
        ::ReadFile(file, text, sizeof text, &read, nullptr);
        ::CloseHandle(file);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    if (::RegisterClassA(&windowClass) == 0) {
        return 1;
    }
    const HWND window =
        ::CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "tray floor", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_APP;
    icon.hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    std::strcpy(icon.szTip, "tray floor");
    ::OutputDebugStringA(::Shell_NotifyIconA(NIM_ADD, &icon) ? "tray floor: tray icon added\n"
                                                             : "tray floor: tray icon not added\n");
    ::SetTimer(window, 1, kPollPeriodMs, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) {
            ReadKeyLog();
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::Shell_NotifyIconA(NIM_DELETE, &icon);
    ::DestroyWindow(window);
    return 0;
}
