// Keeps the keyboard's filter driver in place under every configured keyboard
// instance; the key log poll thread runs the check once per pass.
#pragma once

// Always true. While it reinstalls the driver package it waits for the
// uninstaller to end and, a few seconds at most, for the installer's wizard.
// Nothing is started, and nothing waits, when the program's
// "Driver\DPInst.exe" is missing; an instance whose reinstall has been tried
// is left alone for ten minutes after.
bool CheckKeyboardDriver();
