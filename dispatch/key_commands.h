// The key command codes: 0x01-0x5C less the holes, each one of the keyboard's functions.
#pragma once

#include <cstdint>

// Whether `code` names a command; every other code does nothing.
bool IsDefinedKeyCommand(std::uint8_t code);
