// Keeps the keyboard's filter driver in place under every configured keyboard
// instance; the key log poll thread runs the check once per pass.
#pragma once

// Always true. May block while the driver package is being reinstalled.
bool CheckKeyboardDriver();
