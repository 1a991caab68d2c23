// One pass of the keyboard driver check: which of the keyboard's device
// instances get the driver package reinstalled. What the check reads and does
// on the system goes through CKeyboardDevices (Win32 in the program, a
// recording fake in the tests).
#pragma once

#include "driver/reinstall_hold_back.h"

#include <cstdint>
#include <optional>
#include <string>

// The filter driver that writes the key log; it must come first below the keyboard.
constexpr char kFilterDriver[] = "UsbSnoop";

// The check looks at no more instances than this per pass.
constexpr int kMaxKeyboardInstances = 10;

// One subkey of the keyboard's device key. A value that is missing or cannot
// be read counts as absent.
struct KeyboardInstance {
    std::string name;
    // The first name of "LowerFilters".
    std::optional<std::string> firstLowerFilter;
    // "ConfigFlags"; 0 means Windows has installed and configured the instance.
    std::optional<std::uint32_t> configFlags;
};

// Configured by Windows, yet without the filter driver as its first lower filter.
bool LacksFilterDriver(const KeyboardInstance& instance);

class CKeyboardDevices {
public:
    virtual ~CKeyboardDevices() = default;

    // The keyboard's instance with subkey number `index` (0 the first);
    // nothing when there is none, or the keyboard's key cannot be opened.
    virtual std::optional<KeyboardInstance> ReadInstance(int index) = 0;
    // Whether "DPInst.exe" is in the program's "Driver" folder.
    virtual bool InstallerExists() = 0;
    // Whether an installer or uninstaller dialog is open.
    virtual bool InstallerWindowOpen() = 0;
    // Removes the package and waits for that to end, then starts installing it
    // again and waits, a few seconds at most, for the installer's wizard.
    virtual void Reinstall(const KeyboardInstance& instance) = 0;
    virtual std::uint32_t NowMs() = 0;
};

// Reinstalls the package for each instance that lacks the filter driver,
// unless it was tried for that instance lately, the installer is missing or
// an installer dialog is already open (the next pass tries again). True when
// another pass would find the same and do nothing until the keyboard's keys
// or the program's driver package change, or an attempt's pause runs out;
// false only while an installer dialog holds an instance back, as nothing
// tells when the dialog closes.
bool RunDriverCheck(CKeyboardDevices& devices, CReinstallHoldBack& holdBack);
