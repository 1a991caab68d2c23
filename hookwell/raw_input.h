// Raw Input from the keyboard's collections beside its standard keys: the
// consumer-control collection (the multimedia and office keys, of which
// Windows makes virtual keys for some only) and the system-control
// collection. Their reports reach the hook thread's window as WM_INPUT, also
// while another program is in front.
#pragma once

#include "hookwell/key_roads.h"

#include <windows.h>

// Asks for the two collections' input at `window`; false if Windows refused.
bool RegisterKeyboardCollections(HWND window);
void UnregisterKeyboardCollections();

// Hands the reports of one WM_INPUT to the key roads, when they come from
// the keyboard (vendor 0x04D9, product 0x0022) and not another device.
void TakeRawInput(HRAWINPUT input, CKeyRoads& roads, DWORD timeMs);
