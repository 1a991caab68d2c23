#include "dispatch/key_action.h"

#include "dispatch/chord_text.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace {

KeyAction BuiltIn(std::string fault) {
    KeyAction action;
    action.fault = std::move(fault);
    return action;
}

KeyAction Action(KeyActionKind kind, std::string text, std::vector<unsigned> keys = {}) {
    KeyAction action;
    action.kind = kind;
    action.text = std::move(text);
    action.keys = std::move(keys);
    return action;
}

// Whether `value` starts with `word`, in any letter case.
bool StartsWith(const std::string& value, const char* word) {
    const std::size_t length = std::strlen(word);
    return value.size() >= length && std::equal(word, word + length, value.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

KeyAction ParseKeyAction(StoredValueType type, const std::string& value) {
    if (type == StoredValueType::kMissing) {
        return KeyAction{};
    }
    if (type != StoredValueType::kString) {
        return BuiltIn("not a string value");
    }
    if (value.empty()) {
        return KeyAction{};
    }
    if (Characters(value) > kMostKeyActionChars) {
        return BuiltIn("longer than 1024 characters");
    }
    if (value.size() == 4 && StartsWith(value, "none")) {
        return Action(KeyActionKind::kNothing, "");
    }
    if (StartsWith(value, "run:")) {
        // Blanks before the command line are the writer's, not the program's name.
        const std::size_t start = value.find_first_not_of(' ', 4);
        if (start == std::string::npos) {
            return BuiltIn("run: without a command line");
        }
        return Action(KeyActionKind::kRun, value.substr(start));
    }
    if (StartsWith(value, "keys:")) {
        ParsedChord chord = ParseChord(value.substr(5));
        if (chord.keys.empty()) {
            return BuiltIn("keys: " + chord.fault);
        }
        return Action(KeyActionKind::kKeys, "", std::move(chord.keys));
    }
    if (StartsWith(value, "text:")) {
        if (value.size() == 5) {
            return BuiltIn("text: without a text");
        }
        return Action(KeyActionKind::kText, value.substr(5));
    }
    return BuiltIn("not none, run:, keys: or text:");
}

std::string KeyActionField(const KeyAction& action) {
    return action.kind == KeyActionKind::kKeys ? ChordText(action.keys) : action.text;
}

std::string KeyActionValue(KeyActionKind kind, const std::string& field) {
    switch (kind) {
        case KeyActionKind::kNothing:
            return "none";
        case KeyActionKind::kRun:
            return "run:" + field;
        case KeyActionKind::kKeys:
            return "keys:" + field;
        case KeyActionKind::kText:
            return "text:" + field;
        case KeyActionKind::kBuiltIn:
            break;
    }
    return "";
}
