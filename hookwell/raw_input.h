// Raw Input from the keyboard's collections that Windows turns into no key of
// its own, or not into all of them: the consumer-control collection (the
// multimedia and office keys) and the system-control collection. Their
// reports reach the hook thread's window as WM_INPUT, also while another
// program is in front.
#pragma once

#include "hookwell/key_roads.h"

#include <windows.h>

// Asks for the two collections' input at `window`; false if Windows refused.
bool RegisterKeyboardCollections(HWND window);
void UnregisterKeyboardCollections();

// Hands the reports of one WM_INPUT to the key roads, when they come from
// the keyboard (vendor 0x04D9, product 0x0022) and not another device.
void TakeRawInput(HRAWINPUT input, CKeyRoads& roads, DWORD timeMs);
