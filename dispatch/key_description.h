// What a key does now, in a few words for the Keys window: the action of the
// user's own, or the built-in action as it works on this Windows release and
// this computer ("built in: starts Outlook Express", "presses Ctrl+Shift+N",
// "does nothing here: MSIMN.EXE is not installed"). Texts are UTF-8.
#pragma once

#include "dispatch/desktop.h"
#include "dispatch/key_action.h"
#include "dispatch/key_names.h"

#include <string>

// `osRelease` tells Windows 10 and 11 apart within class 8 (see OsRelease).
std::string DescribeKeyAction(const KeyName& key, const KeyAction& action, int osKind, IDesktop& desktop,
                              int osRelease = 0);
