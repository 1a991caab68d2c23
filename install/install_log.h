// The lines the installer appends to the product's install log ("INSTALL.LOG")
// for each device key it changes, in the format the product's uninstaller reads.
#pragma once

#include <string>

// Both blocks for one key, each line ended by "\n": the lower filter (four
// lines), then the device description with the one it replaced (five lines;
// "RegDB Old: " stays empty when the key had none).
std::string DeviceKeyLogLines(const std::string& keyPath, const std::string& lowerFilter,
                              const std::string& oldDescription);
