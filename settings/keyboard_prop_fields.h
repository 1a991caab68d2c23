// Which control of the Keyboard Properties dialog shows which field of the
// set, and which fields each of its browse buttons fills.
#pragma once

#include "settings/keyboard_settings.h"

#include <array>
#include <string>

// Registry texts are read in at most 200 characters with their NUL: an edit
// that took more than 199 would save a text that never reads back, and the
// next OK would store an empty text over it.
constexpr int kMaxSettingText = 199;

struct PropertyEdit {
    int controlId;
    std::string KeyboardSettings::*field;
};

// In the order the fields are declared, which is the order of the exchange.
extern const std::array<PropertyEdit, 13> kPropertyEdits;

struct ShortcutBrowseButton {
    int buttonId;
    std::string KeyboardSettings::*path;
    std::string KeyboardSettings::*name;
};

extern const std::array<ShortcutBrowseButton, 4> kShortcutBrowseButtons;

// The row of a browse button; null for any other control.
const ShortcutBrowseButton* FindShortcutBrowseButton(int buttonId);

// The picked program becomes the shortcut's path, and its file title the shortcut's name.
void FillShortcut(KeyboardSettings& settings, const ShortcutBrowseButton& button, const std::string& program);
