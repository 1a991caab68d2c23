// What a picture popup says it shows, as its window text, so that a screen
// reader can tell the user what the picture tells the eye.
#pragma once

#include <cstdint>
#include <string>

// The key's action in a few words, for a key picture named as the dispatcher
// names it (any case); empty for a name no picture has.
std::string KeyPictureText(const std::string& name);

// "Volume 64 %": the level of 0..65535 as a whole percentage, rounded; a level
// above the range says 100 %.
std::string VolumeText(std::uint32_t volume);
