// What a running process has used: its CPU time and its peak working set, its
// memory as Linux counts the Wine process, and the CPU time of Wine's
// wineserver, which does part of every Wine program's work (registry, window
// messages, waits) in a process of its own.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace bench {

struct ProcessUsage {
    // User and kernel time from the system's process list, in seconds.
    double cpuSeconds;
    // User and kernel time as GetProcessTimes reports it for the process's handle.
    double processTimesSeconds;
    SIZE_T peakWorkingSet;
};

ProcessUsage UsageOf(DWORD pid);

// User and kernel time of wineserver in seconds, read from the Linux side's
// /proc/PID/stat that bench/run.sh names in KEYVANE_BENCH_WINESERVER_STAT (a
// Windows path) with the clock's ticks per second in KEYVANE_BENCH_CLOCK_TICKS;
// nothing where they are not set (on Windows itself).
std::optional<double> WineserverCpuSeconds();

// The memory of a Wine process as its Linux process's /proc/PID/smaps_rollup
// gives it, in bytes: the pages it alone has written (Private_Dirty: its heap,
// its stacks, and every image Wine read into memory rather than mapped from
// the file) and all it holds resident (Rss: with the pages of Wine's own
// libraries, which every Wine process shares).
struct LinuxMemory {
    SIZE_T privateDirty;
    SIZE_T resident;
};

// Of the one running process of the program at `programPath` (a Windows path;
// other Wine prefixes on the machine may run programs of the same name from
// elsewhere), found by the command lines in the Linux /proc that bench/run.sh
// names in KEYVANE_BENCH_PROC (a Windows path); nothing where that is not set
// (on Windows itself).
std::optional<LinuxMemory> LinuxMemoryOf(const std::string& programPath);

}  // namespace bench
