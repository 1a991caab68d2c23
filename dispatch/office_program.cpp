#include "dispatch/office_program.h"

namespace {

constexpr int kOfficeVersions[] = {12, 11, 10, 9};

std::string OfficeKey(int version) {
    return "SOFTWARE\\Microsoft\\Office\\" + std::to_string(version) + ".0";
}

// "C:\..." or "\\server\...": a path that names its folder whatever the
// current directory and drive are.
bool IsFullPath(const std::string& path) {
    const bool fromDrive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
    return fromDrive || path.rfind("\\\\", 0) == 0;
}

}  // namespace

std::optional<std::string> FindOfficeProgram(IDesktop& desktop, const std::string& file) {
    for (const int version : kOfficeVersions) {
        if (!desktop.MachineKeyExists(OfficeKey(version))) {
            continue;
        }
        // Word's install root serves every Office program of that version. A
        // version without a readable full "Path" has nothing to look in: going
        // on at once keeps the file test (and the program started with
        // administrator rights) out of the current directory.
        const auto root = desktop.MachineString(OfficeKey(version) + "\\Word\\InstallRoot", "Path");
        if (!root || !IsFullPath(*root)) {
            continue;
        }
        const std::string path = *root + file;
        if (desktop.CanReadFile(path)) {
            return path;
        }
    }
    return std::nullopt;
}
