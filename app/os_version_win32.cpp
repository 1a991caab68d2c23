#include "app/os_kind.h"

#include <windows.h>

#include <memory>
#include <new>

OsVersion ReadOsVersion() {
    const DWORD version = ::GetVersion();
    OsVersion result{(version & 0x80000000u) == 0, LOBYTE(LOWORD(version)), std::nullopt};
    if (result.ntFamily || result.quickMajor >= 4) {
        // The record is allocated for the call; a failed allocation has its own answer.
        std::unique_ptr<OSVERSIONINFOA> info(new (std::nothrow) OSVERSIONINFOA{});
        if (info) {
            info->dwOSVersionInfoSize = sizeof *info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
            ::GetVersionExA(info.get());
#pragma GCC diagnostic pop
            result.record = OsVersionNumbers{info->dwMajorVersion, info->dwMinorVersion, info->dwBuildNumber};
        }
    }
    return result;
}
