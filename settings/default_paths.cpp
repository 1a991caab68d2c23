#include "settings/default_paths.h"

#include "app/os_kind.h"

DefaultPaths ComposeDefaultPaths(const SystemPlaces& places, int osKind,
                                 const std::function<bool(const std::string&)>& opensForReading) {
    DefaultPaths paths;
    paths.startPage = places.startPage;
    paths.emailPath = places.programFiles + "\\Outlook Express\\MSIMN.EXE";
    const std::string player = places.programFiles + "\\Windows Media Player\\wmplayer.exe";
    // Without a program-files folder the newer player's path would be taken
    // from the root of the current drive; the older one's tail is the answer.
    const bool newerPlayer = !places.programFiles.empty() && opensForReading(player);
    paths.mediaPath = newerPlayer ? player : places.programFiles + "\\Windows Media Player\\mplayer2.exe";
    const bool inSystemFolder = osKind == kOsWin2000 || osKind == kOsWinXp;
    paths.calculatorPath = (inSystemFolder ? places.systemFolder : places.windowsFolder) + "\\CALC.EXE";
    return paths;
}
