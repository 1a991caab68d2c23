// The device's level as the volume keys step it and the strip shows it. The
// level travels as 0..65535, the device's 0.0-1.0 scaled and rounded.
#pragma once

#include <cstdint>

constexpr std::uint32_t kFullVolume = 65535;

// One press of volume up or down from `volume`, as a percentage: the next even
// one above or below, as Windows' own keys step (21 % to 22 %, 22 % to 24 %),
// within 0-100. A level a hair below a step (0.2199999) counts as that step.
int StepVolumePercent(std::uint32_t volume, bool up);
std::uint32_t VolumeOfPercent(int percent);
// A device's level, 0.0-1.0, as 0..65535; beyond the range, its nearer end.
std::uint32_t VolumeOfScalar(float level);
// The whole percentage of a level, as the popup says it.
int PercentOfVolume(std::uint32_t volume);
// The frame of the level strip, 0-25; beyond the range, the top frame.
int VolumeFrame(std::uint32_t volume);
