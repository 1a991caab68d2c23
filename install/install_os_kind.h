// The installer's own Windows version class (0-9). Classes 0-7 are those of the
// tray program (app/os_kind.h); Windows 6.0 is split by the build's
// architecture, because the driver package comes in an x86 and an x64 flavour,
// and later releases fall among the other NT releases (1).
#pragma once

#include "app/os_kind.h"

#include <functional>
#include <string>

constexpr int kInstallVistaX86 = 8;
// Also 6.0 builds whose label names neither architecture.
constexpr int kInstallVistaX64 = 9;

// `readBuildLabel` gives the "BuildLabEx" text; it is asked only on 6.0.
int ClassifyInstallOsKind(const OsVersion& version, const std::function<std::string()>& readBuildLabel);

// Asks the running system (Windows only).
int QueryInstallOsKind();

// Kinds 2-4: Windows 95, 98 and Me, whose device keys live under "Enum".
bool IsWindows95Family(int installOsKind);
// Kinds 8 and 9: the releases that get the driver package before the filter.
bool NeedsDriverPackage(int installOsKind);
