// What a running process has used: its CPU time and its peak working set, and
// the CPU time of Wine's wineserver, which does part of every Wine program's
// work (registry, window messages, waits) in a process of its own.
#pragma once

#include <windows.h>

#include <optional>

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

}  // namespace bench
