#include "app/message_filter_win32.h"

#include "framework/diagnostics.h"
#include "framework/system_function.h"

namespace {

// Windows 7 and later filter per window; Vista only per process.
using ChangeFilterOfWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using ChangeFilterOfProcess = BOOL(WINAPI*)(UINT, DWORD);
constexpr DWORD kAllowForWindow = 1;    // MSGFLT_ALLOW
constexpr DWORD kAllowForProcess = 1;   // MSGFLT_ADD

unsigned long Number(HWND window) {
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window));
}

}  // namespace

void AllowFromLowerRights(HWND window, UINT message, const char* name) {
    const char* how = "per window";
    BOOL allowed = FALSE;
    if (const auto perWindow = framework::SystemFunction<ChangeFilterOfWindow>("user32.dll", "ChangeWindowMessageFilterEx")) {
        allowed = perWindow(window, message, kAllowForWindow, nullptr);
    } else if (const auto perProcess =
                   framework::SystemFunction<ChangeFilterOfProcess>("user32.dll", "ChangeWindowMessageFilter")) {
        how = "for the process";
        allowed = perProcess(message, kAllowForProcess);
    } else {
        framework::Trace("%s reaches window 0x%lX: no message filter on this release", name,
                         Number(window));
        return;
    }
    if (allowed) {
        framework::Trace("%s allowed from lower rights at window 0x%lX, %s", name,
                         Number(window), how);
    } else {
        framework::Trace("%s not allowed from lower rights at window 0x%lX: error %lu", name,
                         Number(window), ::GetLastError());
    }
}
