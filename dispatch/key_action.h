// What a key does when the user has given it an action of their own: the text
// stored under the key's name, read into an action. A text that is not one of
// the forms below leaves the key its built-in action and says why; no part of
// such a text is ever acted on.
//
//   missing or empty     the built-in action
//   none                 nothing, and no picture
//   run:COMMAND LINE     start a program, document, folder or address
//   keys:CHORD           press a chord such as Ctrl+Shift+N
//   text:TEXT            type a text
//
// The forms' words take any letter case; texts are UTF-8.
#pragma once

#include <string>
#include <vector>

enum class KeyActionKind { kBuiltIn, kNothing, kRun, kKeys, kText };

struct KeyAction {
    KeyActionKind kind = KeyActionKind::kBuiltIn;
    // The command line of kRun, the text of kText.
    std::string text;
    // The virtual keys of kKeys, in the order they are pressed.
    std::vector<unsigned> keys;
    // Why a stored value was not taken (kBuiltIn only); empty when nothing was stored.
    std::string fault;
};

// How the stored value came: a string, a value of another type, or none at all.
enum class StoredValueType { kMissing, kString, kOther };

constexpr std::size_t kMostKeyActionChars = 1024;

KeyAction ParseKeyAction(StoredValueType type, const std::string& value);

// What follows the form's word: the command line, the chord ("Ctrl+N") or the text.
std::string KeyActionField(const KeyAction& action);
// The text that stores an action of `kind` with `field` after its word; empty
// for the built-in action, which is stored as no value at all. Stored from an
// action's own field, the text reads back as that action.
std::string KeyActionValue(KeyActionKind kind, const std::string& field);
