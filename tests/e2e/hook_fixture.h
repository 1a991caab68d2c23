// The keyboard's reports as the hook library's cases feed them: a device of
// the keyboard's make cannot be plugged in under Wine, so recorded reports go
// through the key roads, the function the WM_INPUT handler hands them to.
#pragma once

#include "hookwell/key_roads.h"

#include <cstdint>
#include <vector>

namespace e2e {

using ReportBytes = std::vector<std::uint8_t>;

// Hands `reports`, all of one size, to the key roads as one Raw Input block.
void FeedReports(CKeyRoads& roads, const std::vector<ReportBytes>& reports);

// A key event typed as a person (or another program) types it.
void TypeKey(WORD key, bool up);

// The user menu's hotkey Ctrl+Alt+Space on the desktop, as a person types
// it: Ctrl, Alt and Space go down one after another, and later all come up
// (Space first). The hotkey acts on the Space going down.
void PressUserMenuHotKey();
void ReleaseUserMenuHotKey();
void TypeUserMenuHotKey();

}  // namespace e2e
