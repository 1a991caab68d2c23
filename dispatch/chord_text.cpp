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
constexpr ChordName kModifiers[] = {{"ctrl", 0x11}, {"shift", 0x10}, {"alt", 0x12}, {"win", 0x5B}};

constexpr ChordName kKeys[] = {
    {"enter", 0x0D},         {"esc", 0x1B},           {"tab", 0x09},          {"space", 0x20},
    {"backspace", 0x08},     {"delete", 0x2E},        {"insert", 0x2D},       {"home", 0x24},
    {"end", 0x23},           {"pageup", 0x21},        {"pagedown", 0x22},     {"left", 0x25},
    {"right", 0x27},         {"up", 0x26},            {"down", 0x28},         {"volumemute", 0xAD},
    {"volumeup", 0xAF},      {"volumedown", 0xAE},    {"mediaplaypause", 0xB3}, {"mediastop", 0xB2},
    {"medianext", 0xB0},     {"mediaprev", 0xB1},     {"browserback", 0xA6},  {"browserforward", 0xA7},
    {"browserhome", 0xAC},   {"browserrefresh", 0xA8}, {"browsersearch", 0xAA}, {"launchmail", 0xB4},
    {"launchapp2", 0xB7},
};

template <std::size_t N>
unsigned Find(const ChordName (&names)[N], const std::string& name) {
    const auto found = std::find_if(std::begin(names), std::end(names),
                                    [&name](const ChordName& entry) { return name == entry.name; });
    return found == std::end(names) ? 0 : found->vk;
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

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
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
