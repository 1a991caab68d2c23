#include "osd/picture_text.h"

#include "dispatch/volume_step.h"

#include <algorithm>
#include <cctype>

namespace {

struct PictureText {
    const char* name;
    const char* text;
};

constexpr PictureText kPictureTexts[] = {
    {"VOLINC", "Volume up"},
    {"VOLDEC", "Volume down"},
    {"Mute", "Mute"},
    {"UnMute", "Sound on"},
    {"Media", "Media player"},
    {"MyComputer", "My Computer"},
    {"Calculator", "Calculator"},
    {"Mail", "Mail"},
    {"WebHome", "Home page"},
    {"WebFavorites", "Favourites"},
    {"WebSearch", "Search"},
    {"WebBack", "Back"},
    {"WebNext", "Forward"},
    {"WebStop", "Stop loading"},
    {"WebRefresh", "Refresh"},
    {"VCDNext", "Next track"},
    {"VCDPrev", "Previous track"},
    {"VCDPlay", "Play or pause"},
    {"VCDStop", "Stop playing"},
    {"WORD", "Word"},
    {"EXCEL", "Excel"},
    {"PPOINT", "PowerPoint"},
    {"EJECT", "Open or close the CD drive"},
    {"GADGET", "Gadgets"},
    {"GAME", "Games"},
};

// Pictures are found as resources are, without regard to case.
bool SameName(const std::string& a, const char* b) {
    const std::string other(b);
    return std::equal(a.begin(), a.end(), other.begin(), other.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string KeyPictureText(const std::string& name) {
    for (const PictureText& picture : kPictureTexts) {
        if (SameName(name, picture.name)) {
            return picture.text;
        }
    }
    return {};
}

std::string VolumeText(std::uint32_t volume) {
    return "Volume " + std::to_string(PercentOfVolume(volume)) + " %";
}
