// send_key_command.exe CODE...: hands key command codes to a running
// keyvane.exe the way the hook library does, with the registered message
// "KeyCommand" (wParam 0, the code in lParam). Codes are decimal or 0x-hex.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The view is the main frame's child that holds the form's edit control 1001.
HWND FindView() {
    const HWND frame = ::FindWindowA(nullptr, "Keyvane V1.0.20010401");
    for (HWND child = frame == nullptr ? nullptr : ::GetWindow(frame, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgItem(child, 1001) != nullptr) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: send_key_command CODE...\n");
        return 2;
    }
    const HWND view = FindView();
    if (view == nullptr) {
        std::fprintf(stderr, "keyvane.exe is not running\n");
        return 1;
    }
    const UINT keyCommand = ::RegisterWindowMessageA("KeyCommand");
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        const unsigned long code = std::strtoul(argv[i], &end, 0);
        if (end == argv[i] || *end != '\0' || code > 0xFF) {
            std::fprintf(stderr, "not a key command code: %s\n", argv[i]);
            return 2;
        }
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(view, keyCommand, 0, static_cast<LPARAM>(code), SMTO_NORMAL, 10000, &ignored);
    }
    return 0;
}
