#include "dispatch/key_names.h"

// scripts/press.sh reads this table for its names and presses each key by its
// first code: one entry a line, the name first.
const std::array<KeyName, 53> KeyNames = {{
    {"mute", "Mute", {0x01, 0x20}},
    {"web-home", "WebHome", {0x02, 0x21}},
    {"mail", "Mail", {0x03, 0x22}},
    {"web-stop", "WebStop", {0x04, 0x23}},
    {"web-back", "WebBack", {0x05, 0x24}},
    {"web-forward", "WebNext", {0x06, 0x25}},
    {"web-refresh", "WebRefresh", {0x07, 0x26}},
    {"play", "VCDPlay", {0x08, 0x29}},
    {"previous", "VCDPrev", {0x09, 0x2A}},
    {"next", "VCDNext", {0x0A, 0x2B}},
    {"stop", "VCDStop", {0x0B, 0x2C}},
    {"volume-up", "VOLINC", {0x0C, 0x27}},
    {"volume-down", "VOLDEC", {0x0D, 0x28}},
    {"calculator", "Calculator", {0x0E, 0x2D}},
    {"favourites", "WebFavorites", {0x0F, 0x2F}},
    {"web-search", "WebSearch", {0x10, 0x30}},
    {"media", "Media", {0x11, 0x31}},
    {"my-computer", "MyComputer", {0x12, 0x2E}},
    {"scroll-up", nullptr, {0x14, 0x15, 0x16, 0x17}},
    {"scroll-down", nullptr, {0x18, 0x19, 0x1A, 0x1B}},
    {"word", "WORD", {0x32}},
    {"excel", "EXCEL", {0x33}},
    {"powerpoint", "PPOINT", {0x35}},
    {"calendar", nullptr, {0x36}},
    {"eject", "EJECT", {0x37}},
    {"new", nullptr, {0x38}},
    {"open", nullptr, {0x39}},
    {"save", nullptr, {0x3A}},
    {"replace", nullptr, {0x3B}},
    {"spelling", nullptr, {0x3C}},
    {"undo", nullptr, {0x3D}},
    {"redo", nullptr, {0x3E}},
    {"reply", nullptr, {0x3F}},
    {"reply-all", nullptr, {0x40}},
    {"find", nullptr, {0x41}},
    {"send", nullptr, {0x42}},
    {"shift-latch", nullptr, {0x43}},
    {"cut", nullptr, {0x44}},
    {"copy", nullptr, {0x45}},
    {"paste", nullptr, {0x46}},
    {"close-window", nullptr, {0x49}},
    {"next-window", nullptr, {0x4A, 0x54, 0x56}},
    {"print", nullptr, {0x4B}},
    {"reboot", nullptr, {0x4C}},
    {"middle-click", nullptr, {0x4E}},
    {"help", nullptr, {0x51}},
    {"messenger", nullptr, {0x52}},
    {"pictures", nullptr, {0x53}},
    {"sound-recorder", nullptr, {0x57}},
    {"magnifier", nullptr, {0x58}},
    {"show-desktop", nullptr, {0x59}},
    {"gadgets", "GADGET", {0x5A}},
    {"games", "GAME", {0x5C}},
}};

const KeyName* KeyNameForCode(std::uint8_t code) {
    if (code == 0) {
        return nullptr;
    }
    for (const KeyName& key : KeyNames) {
        for (const std::uint8_t keyCode : key.codes) {
            if (keyCode == code) {
                return &key;
            }
        }
    }
    return nullptr;
}
