#include "dispatch/volume_step.h"

#include <algorithm>
#include <cmath>

namespace {

// The 26 frames of the level strip over 0..65535.
constexpr std::uint32_t kVolumePerFrame = 2621;
constexpr int kTopFrame = 25;
// A level read back from a device carries float rounding; 1/65535 is 0.0015 %.
constexpr double kTolerancePercent = 0.05;

}  // namespace

int StepVolumePercent(std::uint32_t volume, bool up) {
    const double percent = std::min<double>(volume, kFullVolume) * 100.0 / kFullVolume;
    const int next = up ? static_cast<int>(std::floor((percent + kTolerancePercent) / 2)) * 2 + 2
                        : static_cast<int>(std::ceil((percent - kTolerancePercent) / 2)) * 2 - 2;
    return std::clamp(next, 0, 100);
}

std::uint32_t VolumeOfPercent(int percent) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(percent, 0, 100) * kFullVolume / 100.0));
}

std::uint32_t VolumeOfScalar(float level) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(level, 0.0f, 1.0f) * kFullVolume));
}

int PercentOfVolume(std::uint32_t volume) {
    return static_cast<int>(std::lround(std::min<double>(volume, kFullVolume) * 100.0 / kFullVolume));
}

int VolumeFrame(std::uint32_t volume) {
    return static_cast<int>(std::min<std::uint32_t>(volume / kVolumePerFrame, kTopFrame));
}
