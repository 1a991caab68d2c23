// Which Windows releases (by version class, see app/os_kind.h) leave a key's
// work to the program and which do it themselves.
#pragma once

#include "app/os_kind.h"

// Windows 95, 98, NT 4 and Vista or later: the program itself sends the
// browser and player commands.
constexpr bool ProgramSendsBrowserKeys(int osKind) {
    return osKind == kOsWin95 || osKind == kOsWin98 || osKind == kOsNt4 || osKind == kOsVista;
}

// Windows Me, 2000, XP and Vista or later perform the home, favourites and
// media-player keys themselves and keep the mute state the program reads.
constexpr bool SystemHandlesMediaKeys(int osKind) {
    return osKind == kOsWinMe || osKind == kOsWin2000 || osKind == kOsWinXp || osKind == kOsVista;
}

// Windows Me, XP and Vista or later start the calculator and My Computer themselves.
constexpr bool SystemStartsAccessories(int osKind) {
    return osKind == kOsWinMe || osKind == kOsWinXp || osKind == kOsVista;
}

// Windows Me, 2000 and XP: the volume keys show the level the mixer has.
constexpr bool ShowsVolumeLevel(int osKind) {
    return osKind == kOsWinMe || osKind == kOsWin2000 || osKind == kOsWinXp;
}

// Vista and later, while the setting "VolumeKeys" allows it: the keyboard
// hook takes the volume and mute keys from Windows and the program sets the
// device's level itself, so that one display shows it, not two.
constexpr bool ProgramSetsVolume(int osKind, bool volumeKeysSetting) {
    return osKind == kOsVista && volumeKeysSetting;
}

// Windows 10 and later (see OsRelease): Windows' own search box, the Game Bar.
constexpr bool IsWin10OrLater(int osRelease) {
    return osRelease >= kOsWin10;
}

// Windows 11: the Widgets board in the place of the gadgets.
constexpr bool IsWin11(int osRelease) {
    return osRelease >= kOsWin11;
}
