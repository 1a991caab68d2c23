// Another program in front of the desktop: one top-level edit control that
// has the keyboard focus whenever its window is active, where keyvane's
// typing lands. It runs until the case ends it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 200, 200, 400,
                                        120, nullptr, nullptr, nullptr, nullptr);
    if (edit == nullptr) {
        return 1;
    }
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
