#include "dispatch/safe_search_win32.h"

#include <windows.h>

namespace {

// A function of kernel32 that early Windows releases lack, or null.
template <class Function>
Function KernelFunction(const char* name) {
    const FARPROC found = ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

void UseSafeSearchOrder() {
    // CreateProcess and WinExec skip the current directory while this is set,
    // whatever its value; the programs started inherit it.
    ::SetEnvironmentVariableA("NoDefaultCurrentDirectoryInExePath", "1");
    // Releases without these calls keep their own DLL search order.
    if (const auto setDefaultDllDirectories =
            KernelFunction<BOOL(WINAPI*)(DWORD)>("SetDefaultDllDirectories")) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    if (const auto setDllDirectory = KernelFunction<BOOL(WINAPI*)(LPCSTR)>("SetDllDirectoryA")) {
        setDllDirectory("");
    }
}
