// Another program in front of the desktop: one top-level edit control that
// has the keyboard focus whenever its window is active, where keyvane's
// typing lands. It runs until the case ends it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // A Unicode window takes a paste in any language whole.
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 200, 200, 400,
                                        120, nullptr, nullptr, nullptr, nullptr);
    if (edit == nullptr) {
        return 1;
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
