#include "framework/diagnostics.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace framework {

void Trace(const char* format, ...) {
    char line[512] = "keyvane: ";
    const size_t prefix = sizeof "keyvane: " - 1;
    va_list args;
    va_start(args, format);
    std::vsnprintf(line + prefix, sizeof line - prefix - 1, format, args);
    va_end(args);
    const size_t length = std::strlen(line);
    line[length] = '\n';
    line[length + 1] = '\0';
    ::OutputDebugStringA(line);
}

}  // namespace framework
