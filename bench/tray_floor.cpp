// The floor of the idle benchmark: the least a tray program does, one hidden
// window with one notification-area icon and a message loop. It says on the
// diagnostics channel when its icon is there, and ends, taking the icon
// along, when its thread is sent WM_QUIT.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace {

constexpr char kWindowClass[] = "KeyvaneTrayFloor";

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
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::Shell_NotifyIconA(NIM_DELETE, &icon);
    ::DestroyWindow(window);
    return 0;
}
