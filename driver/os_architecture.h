// Whether the running Windows is a 64-bit build, told by its build label.
#pragma once

#include <string>

enum OsArchitecture : int {
    kArchUnknown = 0,
    kArchAmd64 = 1,
    kArchX86 = 2,
};

// By the build label, whatever its letter case: "amd64" in it gives 1, else
// "x86" gives 2, else 0.
int ClassifyBuildLab(const std::string& buildLab);

// Reads "BuildLabEx" of HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Windows NT\CurrentVersion"
// (Windows only); a missing label counts as empty.
int QueryOsArchitecture();
