// Raw Input from the keyboard's collections beside its standard keys: the
// consumer-control collection (the multimedia and office keys, of which
// Windows makes virtual keys for some only) and the system-control
// collection. Their reports reach the hook thread's window as WM_INPUT, also
// while another program is in front.
#pragma once

#include "hookwell/key_roads.h"
#include "hookwell/keyboard_devices.h"

#include <windows.h>

#include <optional>

// Asks for the two collections' input at `window`, and for word of devices
// that arrive and go (WM_INPUT_DEVICE_CHANGE, from Vista on); false if
// Windows refused.
bool RegisterKeyboardCollections(HWND window);
void UnregisterKeyboardCollections();

// Whether `device` is the keyboard (vendor 0x04D9, product 0x0022); nothing
// when Windows does not know the handle.
std::optional<bool> LookUpDevice(CKeyboardDevices::Handle device);
// Forgets every device and asks about each one attached now; how many there are.
std::size_t ReadDevices(CKeyboardDevices& devices);

// Hands the reports of one WM_INPUT to the key roads, when they come from
// the keyboard and not another device.
void TakeRawInput(HRAWINPUT input, CKeyRoads& roads, CKeyboardDevices& devices, DWORD timeMs);
