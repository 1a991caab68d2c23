#include "driver/program_directory.h"

#include <windows.h>

std::string GetProgramDirectory() {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    // A path that fills the buffer has been cut short.
    if (length == 0 || length >= sizeof path) {
        return ProgramDirectoryOf(std::nullopt);
    }
    return ProgramDirectoryOf(std::string(path, length));
}
