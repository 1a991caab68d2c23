// The extra information that marks the keys the program presses for a key's
// own chord. The keyboard hook lets such keys pass unseen: a chord of
// multimedia keys (MediaPlayPause on the play key, LaunchMail on the
// calculator key) would otherwise come back as a key of the keyboard and
// press itself again without end.
#pragma once

#include <cstdint>

constexpr std::uintptr_t kOwnChordMark = 0x4B56'4F4B;
