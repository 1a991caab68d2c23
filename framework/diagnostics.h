// The diagnostics channel: one line per event, written with OutputDebugStringA.
// Users never see it; a debugger, a debug-output monitor or Wine's
// WINEDEBUG=+debugstr shows it, which is how the end-to-end tests watch the
// program's intake. It is not a log file.
#pragma once

namespace framework {

// printf-style; the line is prefixed with "keyvane: " and ended with a newline.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace framework
