// The figures the benchmarks print, one line each in a fixed form that
// bench/run.sh gathers into markdown tables:
//   latency | what | median | 99th percentile | samples |
//   idle | what | keyvane.exe | tray floor | keyvane/floor |
#pragma once

#include <string>
#include <vector>

namespace bench {

// The value below which `share` of `values` lie (nearest rank); `values` must not be empty.
double Percentile(std::vector<double> values, double share);

// Prints the median and the 99th percentile of `valuesMs`; `samples` says what was counted ("200 keys").
void PrintLatency(const std::string& what, const std::vector<double>& valuesMs, const std::string& samples);

// Prints a figure of keyvane.exe beside the same figure of the tray floor, and their ratio.
void PrintIdle(const std::string& what, const std::string& keyvane, const std::string& floor, const std::string& ratio);

// keyvane/floor for CPU seconds; a floor below the 10 ms resolution of the
// CPU clock gives the lower bound that allows ("> 22").
std::string CpuRatio(double keyvaneSeconds, double floorSeconds);

}  // namespace bench
