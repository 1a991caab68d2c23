// A Wine prefix as the setup cases find and leave it: running the setup and
// its uninstaller silently with a chosen Windows release, and reading what
// they left (files, registry values, processes, the stand-in schtasks.exe's
// records).
#pragma once

#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace e2e {

constexpr char kProductFolder[] = "C:\\Program Files\\Keyvane";
constexpr char kSettingsKey[] = "Software\\Corvale";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Keyvane";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kShortcuts[] = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Keyvane";
constexpr char kKeyboard98Key[] = "Enum\\USB\\VID_04D9&PID_0022\\INST_0";
constexpr char kKeyboardKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\Vid_04d9&Pid_0022";

// The build's own setup, or the one made with the stand-in driver package.
enum class Package { None, StandIn };

std::string SetupPath(Package package);
// keyvane-setup.exe with `arguments`, Wine reporting `windowsVersion` to it
// and to its uninstaller.
DWORD RunSetup(Package package, const std::string& arguments, const char* windowsVersion);
// The uninstaller as Windows runs it, from a copy in the temp folder told
// where the product is, so that the case gets its exit code.
DWORD RunUninstaller(const std::string& arguments);

bool FileExists(const std::string& path);
std::string Sz(const std::string& text);
std::string Dword(DWORD value);
// Every value of the key by name, as stored.
std::map<std::string, RawValue> KeyValues(HKEY root, const std::string& path);
std::string Describe(const std::map<std::string, RawValue>& values);

// The process ids of running programs with this file name.
std::vector<DWORD> ProcessesNamed(const char* exeName);
// Keyvane's view (the main frame's child with the form's edit control), or null.
HWND FindKeyvaneView();

// The visible window below `top` (at any depth) whose text is `text`, or null.
HWND FindText(HWND top, const char* text);

// The stand-in schtasks.exe's argument lines, and the task definition it was
// given (as plain text).
std::vector<std::string> SchtasksRuns();
std::string ScheduledTaskDefinition();

// Every trace of the product but the settings key: files, folder, shortcuts,
// the keys and values the setup adds, the task; what is left, one per line.
std::string ProductLeftovers();

}  // namespace e2e
