// The driver package installer's dialogs: "Device Driver Installation Wizard"
// while it installs, "Uninstall Driver Package" while it removes.
#pragma once

#include <windows.h>

// Whether a top-level dialog (class "#32770") with one of those titles is open.
bool IsInstallerDialogOpen();

// Returns as soon as IsInstallerDialogOpen, or after `timeoutMs`.
void WaitForInstallerDialog(DWORD timeoutMs);
