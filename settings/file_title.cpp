#include "settings/file_title.h"

#include "settings/shortcut_target.h"

std::string FileTitleFromPath(const std::string& path) {
    // Split the way the system splits paths, so a path typed with forward
    // slashes or as "C:Calc.exe" into the open-file dialog still gives a bare name.
    return GetPathPart(path, kPathFileName);
}
