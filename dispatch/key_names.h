// The keys of the keyboard by name, as users and scripts call them ("mail",
// "volume-up"), with the key command codes each key sends and the picture its
// built-in action shows. A key's stored action of its own is found by its name.
#pragma once

#include <array>
#include <cstdint>

struct KeyName {
    const char* name;
    // The picture of the key, or nullptr for a key whose action shows none.
    const char* picture;
    // Every code the key sends, on either road; unused places are 0.
    std::array<std::uint8_t, 4> codes;
};

extern const std::array<KeyName, 53> KeyNames;

// The key that sends `code`, or nullptr for a code no key of the keyboard sends.
const KeyName* KeyNameForCode(std::uint8_t code);
