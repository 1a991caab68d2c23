// "VolumeKeys", a REG_DWORD in the settings key: whether the program takes
// the volume and mute keys from Windows and sets the volume itself (one
// display, its own strip), or lets them go on to Windows. On unless a 0 is
// stored there.
#pragma once

#include <cstdint>
#include <optional>

constexpr char kVolumeKeysValue[] = "VolumeKeys";

// What the stored value means: nothing (the value missing, or stored as
// another type than a REG_DWORD) and any number but 0 leave the keys to the
// program.
bool VolumeKeysOn(std::optional<std::uint32_t> storedDword);

// Read afresh at each call, one registry read, so a change takes effect at
// the next key.
bool ReadVolumeKeysSetting();
// Stores nothing when the settings key is missing, as the other settings.
void WriteVolumeKeysSetting(bool on);
