// Chords written as text, such as "Ctrl+Shift+N", "Alt+F4" or "MediaPlayPause":
// up to four modifiers (Ctrl, Shift, Alt, Win) and then exactly one key, joined
// by "+", names in any letter case.
#pragma once

#include <string>
#include <vector>

struct ParsedChord {
    // The virtual keys in the order written; empty when the text is no chord.
    std::vector<unsigned> keys;
    // Why the text is no chord.
    std::string fault;
};

ParsedChord ParseChord(const std::string& text);

// The chord written as text with each key's name as above ("Ctrl+Shift+N"):
// modifiers first, then the one key. Empty when the keys are no such chord.
std::string ChordText(const std::vector<unsigned>& keys);
