// The name a shortcut gets from the program picked for it.
#pragma once

#include <string>

// The file name of a path without its extension: C:\Tools\Calc.exe gives Calc.
// A name without a dot is taken whole; a path without a folder is a file name.
std::string FileTitleFromPath(const std::string& path);
