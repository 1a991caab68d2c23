// The desktops the dispatcher's tests run on, and a run of key commands on one.
#pragma once

#include "dispatch/key_command_dispatcher.h"
#include "tests/unit/dispatch_fake_desktop.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// The program paths every test dispatches with.
ProgramPaths TestPaths();

// A user at work: a browser window in front whose title names Outlook, and a
// window of every program the keys look for below it; the documents folder,
// the English Games folder, Office 12, Outlook Express, the program-files folder, a 64-bit
// Windows and a mixer at half volume, muted.
void MakeBusyDesktop(CFakeDesktop& desktop);

// Dispatches `codes` in turn on `desktop` for version class `osKind` (and,
// within class 8, Windows 10 or 11), from the state the view starts with (or
// `state`), and returns the trace.
std::vector<std::string> Dispatch(CFakeDesktop& desktop, int osKind, std::initializer_list<std::uint32_t> codes,
                                  int osRelease = 0);
std::vector<std::string> Dispatch(CFakeDesktop& desktop, int osKind, std::initializer_list<std::uint32_t> codes,
                                  DispatcherState& state, int osRelease = 0);
