#include "registry/reg_access.h"
#include "settings/keyboard_settings.h"
#include "settings/volume_keys_setting.h"

#include <windows.h>

bool ReadVolumeKeysSetting() {
    // Asked at every volume key: one read of the value, whose type the
    // registry checks, rather than opening and closing the key around it.
    DWORD value = 0;
    DWORD size = sizeof(value);
    const bool read = ::RegGetValueA(HKEY_LOCAL_MACHINE, kSettingsKey, kVolumeKeysValue, RRF_RT_REG_DWORD, nullptr,
                                     &value, &size) == ERROR_SUCCESS;
    return VolumeKeysOn(read ? std::optional<std::uint32_t>(value) : std::nullopt);
}

void WriteVolumeKeysSetting(bool on) {
    CRegAccess reg(HKEY_LOCAL_MACHINE);
    if (reg.Open(HKEY_LOCAL_MACHINE, kSettingsKey, true)) {
        reg.SetDword(kVolumeKeysValue, on ? 1 : 0);
    }
}
