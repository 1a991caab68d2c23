// The settings key and the system settings the program reads. Every operation
// makes its own short-lived CRegAccess, opens, reads or writes, and closes:
// nothing is cached, so what the Keyboard Properties dialog saves is what the
// next user-menu command reads.
//
// Texts are UTF-8 here and go through the registry's wide functions, so a text
// in any language is kept exactly; key and value names are in the code page.
#pragma once

#include "settings/default_paths.h"
#include "settings/keyboard_settings.h"

#include <windows.h>

#include <optional>
#include <string>

// The text of a value, when the key opens and holds the value. A value too
// long to read gives an empty text.
std::optional<std::string> ReadTextValue(HKEY root, const char* path, const char* name);

// One setting for a user-menu command: nothing when the settings key cannot
// be opened or lacks the value (the command then does nothing at all).
std::optional<std::string> ReadSetting(const char* valueName);

// The whole set; nothing when the settings key cannot be opened. A missing
// value reads as an empty text, or 0 for "MenuEnable".
std::optional<KeyboardSettings> ReadKeyboardSettings();
// The thirteen texts, an empty one as an empty text, then "MenuEnable".
void WriteKeyboardSettings(const KeyboardSettings& settings);

// "MenuEnable", 0 when the key or the value is missing.
int ReadMenuEnable();
// "PictureMonitor", the monitor the pictures appear on (monitor_choice.h);
// 0, the main monitor, when the key or the value is missing. Read at every
// picture, so a choice saved in the Keys window takes effect with the next.
int ReadPictureMonitor();
// Stores nothing when the settings key is missing, as the other settings.
void WritePictureMonitor(int choice);
void WritePaths(const std::string& emailPath, const std::string& mediaPath, const std::string& calculatorPath);

// The start page and program paths for the Windows version class `osKind`.
DefaultPaths WorkOutDefaultPaths(int osKind);
