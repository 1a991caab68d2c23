// Key chords: keys pressed in order and released in reverse order.
#pragma once

#include "dispatch/desktop.h"

#include <vector>

// Presses `keys` (one to three virtual keys) in order, then releases them in
// reverse order, each event with the key's mapped scan code and no delay; the
// chord goes to whatever window has the keyboard focus.
void SendKeyChord(IDesktop& desktop, const std::vector<unsigned>& keys);
