#include "osd/picture_dpi.h"

#include "osd/strip_scale.h"

int PictureDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) {
    // Looked up, not linked: older releases have no such function.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const auto forWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    const UINT dpi = forWindow == nullptr ? 0 : forWindow(window);
    return dpi > 0 ? static_cast<int>(dpi) : PictureDpi();
}
