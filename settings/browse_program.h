// The browse buttons of the settings dialogs: pick a program file with the
// system's open-file dialog.
#pragma once

#include "framework/dialog.h"

#include <functional>
#include <string>

// Runs the open-file dialog, owned by `dialog`. When the user picks a file,
// `fill` takes its full path (UTF-8) and every control shows its member again: what
// was typed since the dialog opened is replaced, as the members take the
// controls over only on OK. Cancelling changes nothing.
void BrowseForProgram(framework::CDialog& dialog, const std::function<void(const std::string&)>& fill);
