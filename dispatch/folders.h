// The user's folders that keys open: Pictures and the Games folder.
#pragma once

#include "dispatch/desktop.h"

#include <string>

// The shell's identifier of the user's documents folder.
constexpr int kCsidlPersonal = 5;

// The text up to and including its last backslash; empty without one.
std::string GetParentFolder(const std::string& path);

// The Pictures folder beside the documents folder.
void OpenPicturesFolder(IDesktop& desktop);

// The Start menu's Games folder on the documents folder's drive, under its
// English or its Chinese name, whichever exists first; nothing when neither
// does. Whether a folder was opened.
bool OpenGamesFolder(IDesktop& desktop);
