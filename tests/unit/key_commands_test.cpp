#include "dispatch/key_commands.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(KeyCommands, DefinedCodesAreOneToFiveCLessTheHoles) {
    const std::set<int> holes = {0x00, 0x13, 0x1C, 0x1D, 0x1E, 0x1F, 0x34, 0x47, 0x4D, 0x4F, 0x50, 0x55, 0x5B};
    for (int code = 0; code <= 0xFF; ++code) {
        const bool expected = code <= 0x5C && holes.count(code) == 0;
        EXPECT_EQ(IsDefinedKeyCommand(static_cast<std::uint8_t>(code)), expected) << std::hex << code;
    }
}

}  // namespace
