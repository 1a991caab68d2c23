// A function of a system library that early Windows releases lack.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

// Null where the release lacks the library or the function. The library is
// loaded by its full path in the system folder, never found elsewhere, and
// stays loaded for the program's lifetime.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    char folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const HMODULE module = ::LoadLibraryA((std::string(folder) + "\\" + library).c_str());
    const FARPROC found = module == nullptr ? nullptr : ::GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace framework
