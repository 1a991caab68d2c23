// Telling a 64-bit build of Windows from an x86 one by its build label (the
// "BuildLabEx" text, such as "6000.16386.amd64fre.vista_rtm.061101-2205").
#pragma once

#include <string>

enum BuildArchitecture : int {
    kBuildUnknown = 0,
    kBuildAmd64 = 1,
    kBuildX86 = 2,
};

// Case does not matter; "amd64" is looked for first, so a label naming both
// is a 64-bit build.
int ClassifyBuildLabel(const std::string& label);
