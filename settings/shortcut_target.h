// How a stored shortcut target is started: an address is opened as it is; a
// program path is split from its parameters and started in its own folder.
#pragma once

#include <string>

struct ShortcutLaunch {
    std::string file;
    std::string parameters;
    std::string directory;
};

// The parts of a path, split the way the system splits paths.
enum PathPart : unsigned {
    kPathDrive = 1,      // "C:"
    kPathFolder = 2,     // "\Program Files\Tool\" (leading and trailing backslash)
    kPathFileName = 4,   // "tool"
    kPathExtension = 8,  // ".exe"
};

// The parts selected by `parts` (PathPart bits), in the order drive, folder,
// file name, extension.
std::string GetPathPart(const std::string& path, unsigned parts);

// What the shell is asked to open for `target`.
ShortcutLaunch SplitShortcutTarget(const std::string& target);
