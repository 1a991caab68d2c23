// Starting what a stored target names, the way the user menu's shortcuts do:
// an address is opened as it is; a program is split from its parameters and
// started in its own folder. A key's own "run:" action starts the same way.
#pragma once

#include <string>

// `target` is UTF-8; what the shell cannot open is passed over.
void LaunchShortcut(const std::string& target);
