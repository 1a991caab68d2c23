#include "bench/process_usage.h"

#include "tests/e2e/e2e.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

namespace {

// SystemProcessInformation, as winternl.h leaves it unnamed.
constexpr auto kSystemProcessInformation = static_cast<SYSTEM_INFORMATION_CLASS>(5);

double Seconds(ULONGLONG hundredNanoseconds) {
    return static_cast<double>(hundredNanoseconds) / 1e7;
}

ULONGLONG Ticks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The process list holds every process's times, which Wine takes from the
// Linux process; GetProcessTimes on another process's handle gives, under
// Wine 8, the calling process's own times instead.
double ListedCpuSeconds(DWORD pid) {
    std::vector<unsigned char> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = ::NtQuerySystemInformation(kSystemProcessInformation, buffer.data(),
                                                           static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            break;
        }
        // STATUS_INFO_LENGTH_MISMATCH: the list grew beyond the buffer.
        if (static_cast<ULONG>(status) != 0xC0000004UL) {
            throw e2e::Failure("cannot read the process list");
        }
        buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
    }
    for (size_t offset = 0;;) {
        const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
        if (static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId)) == pid) {
            return Seconds(static_cast<ULONGLONG>(entry->UserTime.QuadPart + entry->KernelTime.QuadPart));
        }
        if (entry->NextEntryOffset == 0) {
            throw e2e::Failure("process " + std::to_string(pid) + " is not in the process list");
        }
        offset += entry->NextEntryOffset;
    }
}

}  // namespace

ProcessUsage UsageOf(DWORD pid) {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) {
        throw e2e::Failure("cannot open process " + std::to_string(pid));
    }
    FILETIME created{};
    FILETIME ended{};
    FILETIME kernel{};
    FILETIME user{};
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool read = ::GetProcessTimes(process, &created, &ended, &kernel, &user) &&
                      ::GetProcessMemoryInfo(process, &memory, sizeof memory);
    ::CloseHandle(process);
    if (!read) {
        throw e2e::Failure("cannot read the times or memory of process " + std::to_string(pid));
    }
    return ProcessUsage{ListedCpuSeconds(pid), Seconds(Ticks(kernel) + Ticks(user)), memory.PeakWorkingSetSize};
}

std::optional<double> WineserverCpuSeconds() {
    const char* statPath = std::getenv("KEYVANE_BENCH_WINESERVER_STAT");
    const char* clockTicks = std::getenv("KEYVANE_BENCH_CLOCK_TICKS");
    if (statPath == nullptr || clockTicks == nullptr) {
        return std::nullopt;
    }
    const HANDLE file = ::CreateFileA(statPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw e2e::Failure(std::string("cannot open ") + statPath);
    }
    char text[1024] = {};
    DWORD length = 0;
    const BOOL read = ::ReadFile(file, text, sizeof text - 1, &length, nullptr);
    ::CloseHandle(file);
    // "pid (name) state ..." : utime and stime are the 14th and 15th fields,
    // counted after the name, which may hold spaces and ends at the last ')'.
    const char* afterName = std::strrchr(text, ')');
    if (!read || afterName == nullptr) {
        throw e2e::Failure(std::string("cannot read ") + statPath);
    }
    std::istringstream fields(afterName + 1);
    std::string field;
    for (int skipped = 3; skipped <= 13; ++skipped) {
        fields >> field;
    }
    unsigned long long userTicks = 0;
    unsigned long long systemTicks = 0;
    if (!(fields >> userTicks >> systemTicks)) {
        throw e2e::Failure(std::string("no times in ") + statPath);
    }
    return static_cast<double>(userTicks + systemTicks) / std::atof(clockTicks);
}

}  // namespace bench
