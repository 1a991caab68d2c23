// The shell's special folders.
#pragma once

#include <string>

// The path of special folder `csidl` (in UTF-8, so that it holds whatever
// characters the user's folder names have), or the text "error".
std::string GetSpecialFolder(int csidl);
