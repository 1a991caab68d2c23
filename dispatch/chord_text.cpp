#include "dispatch/chord_text.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

struct ChordName {
    const char* name;
    unsigned vk;
};

// The virtual keys by the values Windows gives them (the logic is built without <windows.h>).
// Names as a chord is written back; a chord is read in any letter case.
constexpr ChordName kModifiers[] = {{"Ctrl", 0x11}, {"Shift", 0x10}, {"Alt", 0x12}, {"Win", 0x5B}};

constexpr ChordName kKeys[] = {
    {"Enter", 0x0D},         {"Esc", 0x1B},            {"Tab", 0x09},           {"Space", 0x20},
    {"Backspace", 0x08},     {"Delete", 0x2E},         {"Insert", 0x2D},        {"Home", 0x24},
    {"End", 0x23},           {"PageUp", 0x21},         {"PageDown", 0x22},      {"Left", 0x25},
    {"Right", 0x27},         {"Up", 0x26},             {"Down", 0x28},          {"VolumeMute", 0xAD},
    {"VolumeUp", 0xAF},      {"VolumeDown", 0xAE},     {"MediaPlayPause", 0xB3}, {"MediaStop", 0xB2},
    {"MediaNext", 0xB0},     {"MediaPrev", 0xB1},      {"BrowserBack", 0xA6},   {"BrowserForward", 0xA7},
    {"BrowserHome", 0xAC},   {"BrowserRefresh", 0xA8}, {"BrowserSearch", 0xAA}, {"LaunchMail", 0xB4},
    {"LaunchApp2", 0xB7},
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// `name` is in lower case.
template <std::size_t N>
unsigned Find(const ChordName (&names)[N], const std::string& name) {
    const auto found = std::find_if(std::begin(names), std::end(names),
                                    [&name](const ChordName& entry) { return name == Lower(entry.name); });
    return found == std::end(names) ? 0 : found->vk;
}

template <std::size_t N>
const char* NameOf(const ChordName (&names)[N], unsigned vk) {
    const auto found =
        std::find_if(std::begin(names), std::end(names), [vk](const ChordName& entry) { return vk == entry.vk; });
    return found == std::end(names) ? nullptr : found->name;
}

// The name of a key that may end a chord; empty for a key no chord can name.
std::string EndKeyName(unsigned vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        return std::string(1, static_cast<char>(vk));
    }
    if (vk >= 0x70 && vk <= 0x87) {
        return "F" + std::to_string(vk - 0x70 + 1);
    }
    const char* name = NameOf(kKeys, vk);
    return name == nullptr ? std::string() : name;
}

// A letter, a digit, F1-F24 or a named key; 0 for none. `name` is in lower case.
unsigned KeyVk(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        return static_cast<unsigned>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' &&
        std::all_of(name.begin() + 1, name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }) &&
        name[1] != '0') {
        const int number = std::stoi(name.substr(1));
        if (number <= 24) {
            return 0x70 + static_cast<unsigned>(number - 1);
        }
    }
    return Find(kKeys, name);
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

ParsedChord Fault(std::string why) {
    return ParsedChord{{}, std::move(why)};
}

}  // namespace

ParsedChord ParseChord(const std::string& text) {
    std::vector<std::string> names;
    for (std::size_t start = 0;;) {
        const std::size_t plus = text.find('+', start);
        names.push_back(Trimmed(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start)));
        if (names.back().empty()) {
            return Fault("a name is missing between the \"+\"");
        }
        if (plus == std::string::npos) {
            break;
        }
        start = plus + 1;
    }
    std::vector<unsigned> keys;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = Lower(names[i]);
        const bool last = i + 1 == names.size();
        if (const unsigned modifier = Find(kModifiers, name)) {
            if (last) {
                return Fault("no key after the modifiers");
            }
            // Each modifier once: so at most four of them.
            if (std::find(keys.begin(), keys.end(), modifier) != keys.end()) {
                return Fault("\"" + names[i] + "\" twice");
            }
            keys.push_back(modifier);
            continue;
        }
        const unsigned key = KeyVk(name);
        if (key == 0) {
            return Fault("unknown key name \"" + names[i] + "\"");
        }
        if (!last) {
            return Fault("more than one key (\"" + names[i] + "\" is no modifier)");
        }
        keys.push_back(key);
    }
    return ParsedChord{keys, ""};
}

std::string ChordText(const std::vector<unsigned>& keys) {
    if (keys.empty()) {
        return "";
    }
    std::string text;
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        const char* modifier = NameOf(kModifiers, keys[i]);
        if (modifier == nullptr) {
            return "";
        }
        text += std::string(modifier) + "+";
    }
    const std::string key = EndKeyName(keys.back());
    return key.empty() ? "" : text + key;
}
