#include "app/os_kind.h"

#include <windows.h>

#include <memory>
#include <new>

int QueryOsKind() {
    const DWORD version = ::GetVersion();
    const bool ntFamily = (version & 0x80000000u) == 0;
    const unsigned quickMajor = LOBYTE(LOWORD(version));
    std::optional<OsVersionNumbers> record;
    if (ntFamily || quickMajor >= 4) {
        // The record is allocated for the call; a failed allocation has its own answer.
        std::unique_ptr<OSVERSIONINFOA> info(new (std::nothrow) OSVERSIONINFOA{});
        if (info) {
            info->dwOSVersionInfoSize = sizeof *info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
            ::GetVersionExA(info.get());
#pragma GCC diagnostic pop
            record = OsVersionNumbers{info->dwMajorVersion, info->dwMinorVersion};
        }
    }
    return ClassifyOsKind(ntFamily, quickMajor, record);
}
