#include "settings/volume_keys_setting.h"

bool VolumeKeysOn(std::optional<std::uint32_t> storedDword) {
    return storedDword.value_or(1) != 0;
}
