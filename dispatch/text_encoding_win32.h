// Between the program's UTF-8 texts (the dispatcher's, the settings') and the
// system's: UTF-16 for the wide functions, the ANSI code page for the A functions.
#pragma once

#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
std::string AnsiFromUtf8(const std::string& text);
std::wstring WideFromAnsi(const std::string& text);
