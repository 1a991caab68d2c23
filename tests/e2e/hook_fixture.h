// What the hook library's cases share: the keyboard's reports fed through the
// key roads as one Raw Input block, and the menu switch set for a case.
#pragma once

#include "hookwell/key_roads.h"
#include "tests/e2e/registry_fixture.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

using ReportBytes = std::vector<std::uint8_t>;

// Hands `reports`, all of one size, to the key roads as the WM_INPUT handler
// does with a block of them.
void FeedReports(CKeyRoads& roads, const std::vector<ReportBytes>& reports);

// "MenuEnable" of the settings key set for one case, and put back after it.
class MenuSwitch {
public:
    explicit MenuSwitch(DWORD menuEnable);
    MenuSwitch(const MenuSwitch&) = delete;
    MenuSwitch& operator=(const MenuSwitch&) = delete;

private:
    ValueOverride m_value;
};

// Presses and lets go of the user-menu hotkey, Ctrl+Alt+Space.
void PressUserMenuHotKey();

}  // namespace e2e
