#include "dispatch/key_action.h"
#include "dispatch/chord_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

using Kind = KeyActionKind;
using Type = StoredValueType;

struct Case {
    Type type;
    std::string value;
    Kind kind;
    std::string text;             // kRun, kText
    std::vector<unsigned> keys;   // kKeys
    std::string fault;            // kBuiltIn: part of the reason; "" for no reason at all
};

const std::vector<Case> kCases = {
    // The built-in action, without a word about it.
    {Type::kMissing, "", Kind::kBuiltIn, "", {}, ""},
    {Type::kString, "", Kind::kBuiltIn, "", {}, ""},
    // The forms.
    {Type::kString, "none", Kind::kNothing, "", {}, ""},
    {Type::kString, "NONE", Kind::kNothing, "", {}, ""},
    {Type::kString, "run:C:\\Tools\\stub.exe -a \"b c\"", Kind::kRun, "C:\\Tools\\stub.exe -a \"b c\"", {}, ""},
    {Type::kString, "Run:  notepad.exe", Kind::kRun, "notepad.exe", {}, ""},
    {Type::kString, "run:http://example.com/", Kind::kRun, "http://example.com/", {}, ""},
    {Type::kString, "text:Kind regards", Kind::kText, "Kind regards", {}, ""},
    {Type::kString, "TEXT: two  blanks ", Kind::kText, " two  blanks ", {}, ""},
    {Type::kString, "text:Grüße ✓ 日本", Kind::kText, "Grüße ✓ 日本", {}, ""},
    {Type::kString, "text:none", Kind::kText, "none", {}, ""},
    {Type::kString, "keys:Ctrl+Shift+N", Kind::kKeys, "", {0x11, 0x10, 'N'}, ""},
    {Type::kString, "Keys:alt+f4", Kind::kKeys, "", {0x12, 0x73}, ""},
    {Type::kString, "keys:Win+E", Kind::kKeys, "", {0x5B, 'E'}, ""},
    {Type::kString, "keys: Ctrl + 2 ", Kind::kKeys, "", {0x11, '2'}, ""},
    {Type::kString, "keys:MediaPlayPause", Kind::kKeys, "", {0xB3}, ""},
    {Type::kString, "keys:Ctrl+Shift+Alt+Win+F24", Kind::kKeys, "", {0x11, 0x10, 0x12, 0x5B, 0x87}, ""},
    // Bad forms: the built-in action, and why.
    {Type::kOther, "none", Kind::kBuiltIn, "", {}, "not a string"},
    {Type::kString, "none ", Kind::kBuiltIn, "", {}, "not none, run:"},
    {Type::kString, "nothing", Kind::kBuiltIn, "", {}, "not none, run:"},
    {Type::kString, "start:calc.exe", Kind::kBuiltIn, "", {}, "not none, run:"},
    {Type::kString, "C:\\Tools\\stub.exe", Kind::kBuiltIn, "", {}, "not none, run:"},
    {Type::kString, "run:", Kind::kBuiltIn, "", {}, "without a command line"},
    {Type::kString, "run:   ", Kind::kBuiltIn, "", {}, "without a command line"},
    {Type::kString, "text:", Kind::kBuiltIn, "", {}, "without a text"},
    {Type::kString, "keys:", Kind::kBuiltIn, "", {}, "missing"},
    {Type::kString, "keys:Ctrl++N", Kind::kBuiltIn, "", {}, "missing"},
    {Type::kString, "keys:Ctrl+N+", Kind::kBuiltIn, "", {}, "missing"},
    {Type::kString, "keys:Ctrl+Shift", Kind::kBuiltIn, "", {}, "no key after"},
    {Type::kString, "keys:Ctrl+Hyper+N", Kind::kBuiltIn, "", {}, "unknown key name \"Hyper\""},
    {Type::kString, "keys:Ctrl+F25", Kind::kBuiltIn, "", {}, "unknown key name"},
    {Type::kString, "keys:F0", Kind::kBuiltIn, "", {}, "unknown key name"},
    {Type::kString, "keys:F01", Kind::kBuiltIn, "", {}, "unknown key name"},
    {Type::kString, "keys:Ctrl+é", Kind::kBuiltIn, "", {}, "unknown key name"},
    {Type::kString, "keys:Ctrl+N+O", Kind::kBuiltIn, "", {}, "more than one key"},
    {Type::kString, "keys:N+Ctrl", Kind::kBuiltIn, "", {}, "more than one key"},
    {Type::kString, "keys:Ctrl+Shift+Alt+Win+Ctrl+N", Kind::kBuiltIn, "", {}, "twice"},
    {Type::kString, "keys:ctrl+CTRL+N", Kind::kBuiltIn, "", {}, "twice"},
};

TEST(KeyAction, EveryFormAndEveryBadForm) {
    for (const Case& c : kCases) {
        const KeyAction action = ParseKeyAction(c.type, c.value);
        EXPECT_EQ(action.kind, c.kind) << c.value;
        EXPECT_EQ(action.text, c.text) << c.value;
        EXPECT_EQ(action.keys, c.keys) << c.value;
        if (c.fault.empty()) {
            EXPECT_EQ(action.fault, "") << c.value;
        } else {
            EXPECT_NE(action.fault.find(c.fault), std::string::npos) << c.value << ": " << action.fault;
        }
        // Stored again, each action reads back as itself; the built-in one is stored as nothing.
        const std::string stored = KeyActionValue(action.kind, KeyActionField(action));
        const KeyAction again = ParseKeyAction(Type::kString, stored);
        EXPECT_EQ(again.kind, action.kind) << c.value << " stored as " << stored;
        EXPECT_EQ(again.text, action.text) << c.value << " stored as " << stored;
        EXPECT_EQ(again.keys, action.keys) << c.value << " stored as " << stored;
        EXPECT_EQ(stored.empty(), action.kind == Kind::kBuiltIn) << c.value;
    }
}

TEST(KeyAction, EveryChordName) {
    const std::vector<std::pair<std::string, unsigned>> names = {
        {"A", 0x41}, {"z", 0x5A}, {"0", 0x30}, {"9", 0x39}, {"F1", 0x70}, {"f12", 0x7B}, {"F24", 0x87},
        {"Enter", 0x0D}, {"Esc", 0x1B}, {"Tab", 0x09}, {"Space", 0x20}, {"Backspace", 0x08}, {"Delete", 0x2E},
        {"Insert", 0x2D}, {"Home", 0x24}, {"End", 0x23}, {"PageUp", 0x21}, {"PageDown", 0x22}, {"Left", 0x25},
        {"Right", 0x27}, {"Up", 0x26}, {"Down", 0x28}, {"VolumeMute", 0xAD}, {"VolumeUp", 0xAF},
        {"VolumeDown", 0xAE}, {"MediaPlayPause", 0xB3}, {"MediaStop", 0xB2}, {"MediaNext", 0xB0},
        {"MediaPrev", 0xB1}, {"BrowserBack", 0xA6}, {"BrowserForward", 0xA7}, {"BrowserHome", 0xAC},
        {"BrowserRefresh", 0xA8}, {"BrowserSearch", 0xAA}, {"LaunchMail", 0xB4}, {"LaunchApp2", 0xB7},
        {"PAGEDOWN", 0x22}, {"launchapp2", 0xB7}};
    for (const auto& [name, vk] : names) {
        const KeyAction alone = ParseKeyAction(Type::kString, "keys:" + name);
        EXPECT_EQ(alone.keys, std::vector<unsigned>{vk}) << name << ": " << alone.fault;
        const KeyAction chord = ParseKeyAction(Type::kString, "keys:Shift+" + name);
        EXPECT_EQ(chord.keys, (std::vector<unsigned>{0x10, vk})) << name << ": " << chord.fault;
        const std::string written = ChordText(chord.keys);
        EXPECT_TRUE(written.size() == name.size() + 6 &&
                    std::equal(written.begin(), written.end(), ("Shift+" + name).begin(),
                               [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            << name << " written back as " << written;
    }
    // Keys no chord text can hold are written as nothing rather than as another chord.
    for (const std::vector<unsigned>& keys : std::vector<std::vector<unsigned>>{
             {}, {'N', 0x11}, {0x11, 0x5C}, {0x11, 0x5C, 'N'}, {0xFF}, {0x11, 0x10, 0x88}}) {
        EXPECT_EQ(ChordText(keys), "") << keys.size() << " keys";
    }
}

TEST(KeyAction, LengthCountsCharactersNotBytes) {
    const std::string prefix = "text:";
    const std::string longest(kMostKeyActionChars - prefix.size(), 'x');
    EXPECT_EQ(ParseKeyAction(Type::kString, prefix + longest).kind, Kind::kText);
    EXPECT_NE(ParseKeyAction(Type::kString, prefix + longest + "x").fault.find("longer than 1024"), std::string::npos);
    // 1019 characters of two and three bytes each.
    std::string wide;
    for (std::size_t i = 0; i < longest.size(); ++i) {
        wide += i % 2 == 0 ? "ü" : "✓";
    }
    EXPECT_EQ(ParseKeyAction(Type::kString, prefix + wide).kind, Kind::kText);
    EXPECT_EQ(ParseKeyAction(Type::kString, "run:" + std::string(2000, 'a')).kind, Kind::kBuiltIn);
}

}  // namespace
