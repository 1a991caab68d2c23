// The folder of the running program file (for the installer library, the
// product's setup program that loaded it).
#pragma once

#include <string>

// Ends in a backslash; empty when the path holds none. When the path cannot be
// obtained whole, the text "false", as the tray program's version answers.
std::string GetProgramDirectory();
