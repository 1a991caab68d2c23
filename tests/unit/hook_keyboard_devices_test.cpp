#include "hookwell/keyboard_devices.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

namespace {

using Handle = CKeyboardDevices::Handle;

// What Windows says of each handle now, and which handles it was asked about.
struct System {
    std::map<Handle, bool> devices;
    std::vector<Handle> asked;

    CKeyboardDevices::Lookup Lookup() {
        return [this](Handle device) -> std::optional<bool> {
            asked.push_back(device);
            const auto found = devices.find(device);
            if (found == devices.end()) {
                return std::nullopt;
            }
            return found->second;
        };
    }
};

constexpr Handle kKeyboard = 0x10041;
constexpr Handle kReplugged = 0x10077;
constexpr Handle kMouse = 0x10043;

TEST(KeyboardDevicesTest, AKnownDeviceIsNotAskedAboutAgain) {
    System system{{{kKeyboard, true}, {kMouse, false}}, {}};
    CKeyboardDevices devices(system.Lookup());
    EXPECT_TRUE(devices.IsTheKeyboard(kKeyboard));
    EXPECT_TRUE(devices.IsTheKeyboard(kKeyboard));
    EXPECT_FALSE(devices.IsTheKeyboard(kMouse));
    EXPECT_FALSE(devices.IsTheKeyboard(kMouse));
    EXPECT_EQ(system.asked, (std::vector<Handle>{kKeyboard, kMouse}));
}

TEST(KeyboardDevicesTest, AKeyboardPluggedBackIsKnownByItsNewHandleAndTheOldOneForgotten) {
    System system{{{kKeyboard, true}}, {}};
    CKeyboardDevices devices(system.Lookup());
    EXPECT_TRUE(devices.IsTheKeyboard(kKeyboard));
    system.devices = {{kReplugged, true}};
    EXPECT_TRUE(devices.Removed(kKeyboard));
    EXPECT_EQ(devices.Arrived(kReplugged), std::optional<bool>(true));
    EXPECT_EQ(devices.Known(), 1u);
    EXPECT_TRUE(devices.IsTheKeyboard(kReplugged));
    // A late report of the old handle is no key: Windows no longer knows it.
    EXPECT_FALSE(devices.IsTheKeyboard(kKeyboard));
    EXPECT_EQ(system.asked, (std::vector<Handle>{kKeyboard, kReplugged, kKeyboard}));
}

TEST(KeyboardDevicesTest, AHandleGivenOutAgainNamesItsNewDevice) {
    System system{{{kKeyboard, true}}, {}};
    CKeyboardDevices devices(system.Lookup());
    EXPECT_TRUE(devices.IsTheKeyboard(kKeyboard));
    // The removal was missed (the program was busy elsewhere); the arrival is not.
    system.devices = {{kKeyboard, false}};
    EXPECT_EQ(devices.Arrived(kKeyboard), std::optional<bool>(false));
    EXPECT_FALSE(devices.IsTheKeyboard(kKeyboard));
    // Given out again to a device Windows cannot tell about yet: nothing old is kept.
    system.devices = {{kKeyboard, true}};
    EXPECT_EQ(devices.Arrived(kKeyboard), std::optional<bool>(true));
    system.devices.clear();
    EXPECT_EQ(devices.Arrived(kKeyboard), std::nullopt);
    EXPECT_FALSE(devices.IsTheKeyboard(kKeyboard));
}

TEST(KeyboardDevicesTest, WhatWindowsCouldNotTellIsAskedAgain) {
    System system;
    CKeyboardDevices devices(system.Lookup());
    EXPECT_EQ(devices.Arrived(kKeyboard), std::nullopt);
    EXPECT_FALSE(devices.IsTheKeyboard(kKeyboard));
    EXPECT_EQ(devices.Known(), 0u);
    system.devices = {{kKeyboard, true}};
    EXPECT_TRUE(devices.IsTheKeyboard(kKeyboard));
    EXPECT_FALSE(devices.Removed(kMouse));
}

TEST(KeyboardDevicesTest, AfterSleepEveryDeviceIsAskedAboutAfresh) {
    System system{{{kKeyboard, true}}, {}};
    CKeyboardDevices devices(system.Lookup());
    EXPECT_TRUE(devices.IsTheKeyboard(kKeyboard));
    devices.Forget();
    EXPECT_EQ(devices.Known(), 0u);
    system.devices = {{kKeyboard, false}};
    EXPECT_FALSE(devices.IsTheKeyboard(kKeyboard));
}

}  // namespace
