#include "settings/shortcut_target.h"

#include <cctype>

namespace {

constexpr char kAddressPrefix[] = "http://";

bool StartsWithAddress(const std::string& target) {
    const std::string prefix = kAddressPrefix;
    if (target.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(target[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string GetPathPart(const std::string& path, unsigned parts) {
    // A drive is a letter and a colon; the folder runs to the last slash of
    // either kind; the extension starts at the last dot of the file name.
    const size_t driveEnd = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    const size_t lastSlash = path.find_last_of("\\/");
    const size_t folderEnd = lastSlash == std::string::npos || lastSlash < driveEnd ? driveEnd : lastSlash + 1;
    const size_t lastDot = path.rfind('.');
    const size_t nameEnd = lastDot == std::string::npos || lastDot < folderEnd ? path.size() : lastDot;
    std::string result;
    if (parts & kPathDrive) {
        result += path.substr(0, driveEnd);
    }
    if (parts & kPathFolder) {
        result += path.substr(driveEnd, folderEnd - driveEnd);
    }
    if (parts & kPathFileName) {
        result += path.substr(folderEnd, nameEnd - folderEnd);
    }
    if (parts & kPathExtension) {
        result += path.substr(nameEnd);
    }
    return result;
}

ShortcutLaunch SplitShortcutTarget(const std::string& target) {
    if (StartsWithAddress(target)) {
        return ShortcutLaunch{target, "", ""};
    }
    std::string program = target;
    std::string parameters;
    const size_t firstQuote = target.find('"');
    if (firstQuote != std::string::npos) {
        const size_t secondQuote = target.find('"', firstQuote + 1);
        if (secondQuote != std::string::npos) {
            program = target.substr(firstQuote + 1, secondQuote - firstQuote - 1);
            parameters = target.substr(secondQuote + 1);
        }
    } else {
        const size_t lastBackslash = target.rfind('\\');
        const size_t blank = target.find(' ', lastBackslash == std::string::npos ? 0 : lastBackslash);
        if (blank != std::string::npos) {
            program = target.substr(0, blank);
            parameters = target.substr(blank + 1);
        }
    }
    return ShortcutLaunch{program, parameters, GetPathPart(program, kPathDrive | kPathFolder)};
}
