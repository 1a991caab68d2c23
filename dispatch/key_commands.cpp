#include "dispatch/key_commands.h"

bool IsDefinedKeyCommand(std::uint8_t code) {
    if (code < 0x01 || code > 0x5C) {
        return false;
    }
    switch (code) {
        case 0x13:
        case 0x1C:
        case 0x1D:
        case 0x1E:
        case 0x1F:
        case 0x34:
        case 0x47:
        case 0x4D:
        case 0x4F:
        case 0x50:
        case 0x55:
        case 0x5B:
            return false;
        default:
            return true;
    }
}
