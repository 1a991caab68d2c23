// The browser's start page and the paths of the mail program, the media player
// and the calculator, worked out afresh at every start from where the system
// keeps things.
#pragma once

#include <functional>
#include <string>

// What the system says; an empty text where it says nothing.
struct SystemPlaces {
    std::string startPage;     // HKCU "Software\Microsoft\Internet Explorer\main", "Start Page"
    std::string programFiles;  // HKLM "Software\Microsoft\Windows\CurrentVersion", "ProgramFilesDir"
    std::string systemFolder;
    std::string windowsFolder;
};

struct DefaultPaths {
    std::string startPage;
    std::string emailPath;
    std::string mediaPath;
    std::string calculatorPath;
};

// `opensForReading` says whether a file can be opened for reading. The newer
// media player is taken only when it opens; the older one is taken unchecked.
// The calculator is in the system folder on Windows 2000 and XP and in the
// Windows folder everywhere else.
DefaultPaths ComposeDefaultPaths(const SystemPlaces& places, int osKind,
                                 const std::function<bool(const std::string&)>& opensForReading);
