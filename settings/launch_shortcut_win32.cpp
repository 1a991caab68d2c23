#include "settings/launch_shortcut_win32.h"

#include "dispatch/text_encoding_win32.h"
#include "settings/shortcut_target.h"

#include <windows.h>

#include <shellapi.h>

void LaunchShortcut(const std::string& target) {
    const ShortcutLaunch launch = SplitShortcutTarget(target);
    // An empty name would have the shell open the current folder.
    if (launch.file.empty()) {
        return;
    }
    ::ShellExecuteW(nullptr, L"open", WideFromUtf8(launch.file).c_str(), WideFromUtf8(launch.parameters).c_str(),
                    WideFromUtf8(launch.directory).c_str(), SW_SHOWNORMAL);
}
