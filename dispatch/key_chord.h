// Key chords: keys pressed in order and released in reverse order.
#pragma once

#include "dispatch/desktop.h"

#include <vector>

// Presses `keys` (one to three virtual keys) in order, then releases them in
// reverse order, each event with the key's mapped scan code and no delay; the
// chord goes to whatever window has the keyboard focus. Afterwards the
// modifier keys are as the user holds them: one of the chord that the user
// holds is pressed again, and one down that the user does not hold (its
// release went astray) is let go.
void SendKeyChord(IDesktop& desktop, const std::vector<unsigned>& keys);

// Lets go of every modifier key that is down but that the user does not hold,
// as before the lock screen, which would swallow the release; the keys let go.
std::vector<unsigned> LetGoOfStrayModifiers(IDesktop& desktop);

// The same chord, read by the window as nothing but itself. The window may
// count modifier keys as held that the user holds still, or let go while
// another window was in front (their release never reached it). So every
// modifier key outside the chord (Shift, Ctrl, Alt, both Windows keys) is let
// go once the chord's first key is down (an Alt or Windows key let go on its
// own would open a menu), and the ones in `held`, which the user still holds,
// are pressed again after the chord.
void SendKeyChordAlone(IDesktop& desktop, const std::vector<unsigned>& keys, const std::vector<unsigned>& held);
