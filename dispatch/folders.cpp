#include "dispatch/folders.h"

#include <optional>

namespace {

constexpr char kGamesFolder[] = "ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Games";
// The same folder on a Chinese-language system.
constexpr char kChineseGamesFolder[] = u8"ProgramData\\Microsoft\\Windows\\「开始」菜单\\程序\\游戏";

// The folder that holds the documents folder, or nothing when the documents
// folder is unknown: the names built from it would then be relative ones,
// found in whatever the current directory happens to be.
std::optional<std::string> UserFoldersParent(IDesktop& desktop) {
    std::string parent = GetParentFolder(desktop.GetSpecialFolder(kCsidlPersonal));
    if (parent.empty()) {
        return std::nullopt;
    }
    return parent;
}

void OpenFolder(IDesktop& desktop, const std::string& folder) {
    // A hidden command interpreter starts the file explorer on the folder.
    desktop.ShellOpen("cmd.exe", "/c explorer.exe \"" + folder + "\"", ShowMode::kHidden);
}

}  // namespace

std::string GetParentFolder(const std::string& path) {
    const auto backslash = path.rfind('\\');
    return backslash == std::string::npos ? std::string() : path.substr(0, backslash + 1);
}

void OpenPicturesFolder(IDesktop& desktop) {
    if (const auto parent = UserFoldersParent(desktop)) {
        OpenFolder(desktop, *parent + "Pictures");
    }
}

bool OpenGamesFolder(IDesktop& desktop) {
    const auto parent = UserFoldersParent(desktop);
    if (!parent) {
        return false;
    }
    const std::string root = parent->substr(0, 3);  // the drive root, such as C:\ .
    for (const char* games : {kGamesFolder, kChineseGamesFolder}) {
        if (desktop.PathExists(root + games)) {
            OpenFolder(desktop, root + games);
            return true;
        }
    }
    return false;
}
