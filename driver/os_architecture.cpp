#include "driver/os_architecture.h"

#include <algorithm>
#include <cctype>

int ClassifyBuildLab(const std::string& buildLab) {
    std::string label = buildLab;
    std::transform(label.begin(), label.end(), label.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (label.find("amd64") != std::string::npos) {
        return kArchAmd64;
    }
    if (label.find("x86") != std::string::npos) {
        return kArchX86;
    }
    return kArchUnknown;
}
