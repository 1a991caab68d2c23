#include "install/build_label.h"

#include <algorithm>
#include <cctype>

int ClassifyBuildLabel(const std::string& label) {
    std::string folded(label);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (folded.find("amd64") != std::string::npos) {
        return kBuildAmd64;
    }
    if (folded.find("x86") != std::string::npos) {
        return kBuildX86;
    }
    return kBuildUnknown;
}
