// The folder of the running program file: for the tray program the one that
// holds the driver package's "Driver" folder, for the installer library the
// folder of the product's setup program that loaded it.
#pragma once

#include <optional>
#include <string>

// What GetProgramDirectory gives when the program file's path cannot be had whole.
constexpr char kNoProgramDirectory[] = "false";

// `modulePath` cut after its last backslash, so it ends in one; empty when it
// holds none; kNoProgramDirectory when there is no path.
std::string ProgramDirectoryOf(const std::optional<std::string>& modulePath);

// ProgramDirectoryOf the running program file (Windows only).
std::string GetProgramDirectory();
