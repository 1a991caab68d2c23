// The key definition list that the keyboard's filter driver reads from its
// service key ("KeyDef"): the input reports of the keyboard's keys, each as
// the keyboard sends it. It lives here once, for the tray program's hook
// library to know the keys by the same list.
#pragma once

#include <array>
#include <cstdint>

constexpr int kKeyDefinitionCount = 56;
// Every entry's length byte and report, and the closing 0.
constexpr int kKeyDefSize = 451;

struct KeyDefinition {
    // 8: the standard key collection (modifiers, reserved, six key codes);
    // 7: report identifier 1, the multimedia keys; 4: report identifier 4.
    std::uint8_t length;
    // The report's bytes; those past `length` are 0.
    std::array<std::uint8_t, 8> report;
};

// The all-keys-released reports: of the standard key collection (all zero)
// and of report 1 (its identifier, then zeros). They stand for no key.
constexpr int kKeysReleasedEntry = 54;
constexpr int kMultimediaKeysReleasedEntry = 55;

// Entry n is the report of key definition n. Some keys send the same report
// (entries 5 and 9, 16 and 49, 26 and 45); the driver gets them all.
extern const std::array<KeyDefinition, kKeyDefinitionCount> KeyDefinitions;

// The value as the driver reads it: each entry as its length byte followed by
// that many report bytes, then a 0 length that ends the list.
extern const std::array<std::uint8_t, kKeyDefSize> KeyDef;
