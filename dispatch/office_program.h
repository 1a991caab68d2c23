// Where Office keeps its programs.
#pragma once

#include "dispatch/desktop.h"

#include <optional>
#include <string>

// The full path of `file` (such as "EXCEL.EXE") in the folder Word's install
// root names, for the newest Office (12, 11, 10, then 9) whose key exists and
// where the file can be opened; nothing when there is none.
std::optional<std::string> FindOfficeProgram(IDesktop& desktop, const std::string& file);
