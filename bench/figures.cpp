#include "bench/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::max<size_t>(rank, 1) - 1];
}

void PrintLatency(const std::string& what, const std::vector<double>& valuesMs, const std::string& samples) {
    std::printf("latency | %s | %.1f ms | %.1f ms | %s |\n", what.c_str(), Percentile(valuesMs, 0.5),
                Percentile(valuesMs, 0.99), samples.c_str());
    std::fflush(stdout);
}

void PrintIdle(const std::string& what, const std::string& keyvane, const std::string& floor, const std::string& ratio) {
    std::printf("idle | %s | %s | %s | %s |\n", what.c_str(), keyvane.c_str(), floor.c_str(), ratio.c_str());
    std::fflush(stdout);
}

std::string CpuRatio(double keyvaneSeconds, double floorSeconds) {
    // The smallest CPU time that is told apart from none: Linux, and so Wine,
    // counts it in ticks of 10 ms.
    constexpr double kResolution = 0.01;
    char text[32];
    if (floorSeconds < kResolution) {
        std::snprintf(text, sizeof text, "> %.0f", keyvaneSeconds / kResolution);
    } else {
        std::snprintf(text, sizeof text, "%.1f", keyvaneSeconds / floorSeconds);
    }
    return text;
}

}  // namespace bench
