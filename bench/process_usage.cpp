#include "bench/process_usage.h"

#include "tests/e2e/e2e.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
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

// A Linux file read through a Windows path (drive Z: is the Linux root under
// Wine); /proc's files give no size beforehand, so it is read to its end.
std::optional<std::string> ReadLinuxFile(const std::string& path) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string text;
    char chunk[4096];
    DWORD length = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &length, nullptr) && length > 0) {
        text.append(chunk, length);
    }
    ::CloseHandle(file);
    return text;
}

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A path in lower case with '/' between its parts and without its drive, so
// that a Windows path and the Linux path of the same file end alike.
std::string Comparable(const std::string& path) {
    std::string comparable = Lowercase(path.size() > 1 && path[1] == ':' ? path.substr(2) : path);
    std::replace(comparable.begin(), comparable.end(), '\\', '/');
    return comparable;
}

// Whether a /proc command line runs the program: Wine gives the program's
// path, Linux or Windows, as its first word.
bool Runs(const std::string& commandLine, const std::string& programPath) {
    const std::string program = Comparable(commandLine.substr(0, commandLine.find('\0')));
    const std::string wanted = Comparable(programPath);
    return program.size() >= wanted.size() &&
           program.compare(program.size() - wanted.size(), wanted.size(), wanted) == 0;
}

// "Name:   1234 kB" of /proc's memory files, in kB.
SIZE_T KilobytesField(const std::string& text, const std::string& name) {
    const size_t at = text.find("\n" + name);
    if (at == std::string::npos) {
        throw e2e::Failure("no " + name + " in smaps_rollup");
    }
    return static_cast<SIZE_T>(std::strtoull(text.c_str() + at + 1 + name.size(), nullptr, 10));
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
    const std::optional<std::string> text = ReadLinuxFile(statPath);
    // "pid (name) state ..." : utime and stime are the 14th and 15th fields,
    // counted after the name, which may hold spaces and ends at the last ')'.
    const size_t afterName = text ? text->rfind(')') : std::string::npos;
    if (afterName == std::string::npos) {
        throw e2e::Failure(std::string("cannot read ") + statPath);
    }
    std::istringstream fields(text->substr(afterName + 1));
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

std::optional<LinuxMemory> LinuxMemoryOf(const std::string& programPath) {
    const char* proc = std::getenv("KEYVANE_BENCH_PROC");
    if (proc == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> found;
    WIN32_FIND_DATAA entry{};
    const HANDLE search = ::FindFirstFileA((std::string(proc) + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        throw e2e::Failure(std::string("cannot list ") + proc);
    }
    do {
        const std::string name = entry.cFileName;
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::string folder = std::string(proc) + "\\" + name + "\\";
        // A process that ended meanwhile, or another user's, is passed over.
        const std::optional<std::string> commandLine = ReadLinuxFile(folder + "cmdline");
        if (commandLine && Runs(*commandLine, programPath)) {
            found.push_back(folder);
        }
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
    if (found.size() != 1) {
        throw e2e::Failure(std::to_string(found.size()) +  " Linux processes run " + programPath + ", not one");
    }
    const std::optional<std::string> rollup = ReadLinuxFile(found[0] + "smaps_rollup");
    if (!rollup) {
        throw e2e::Failure("cannot read " + found[0] + "smaps_rollup");
    }
    return LinuxMemory{KilobytesField(*rollup, "Private_Dirty:") * 1024, KilobytesField(*rollup, "Rss:") * 1024};
}

}  // namespace bench
