#include "driver/program_directory.h"

std::string ProgramDirectoryOf(const std::optional<std::string>& modulePath) {
    if (!modulePath) {
        return kNoProgramDirectory;
    }
    const std::size_t lastBackslash = modulePath->rfind('\\');
    if (lastBackslash == std::string::npos) {
        return {};
    }
    return modulePath->substr(0, lastBackslash + 1);
}
