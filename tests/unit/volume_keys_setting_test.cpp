#include "settings/volume_keys_setting.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(VolumeKeysSetting, OnlyAStoredZeroLeavesTheKeysToWindows) {
    const struct {
        std::optional<std::uint32_t> stored;
        bool on;
    } cases[] = {
        {std::nullopt, true},  // missing, or stored as another type
        {0u, false},
        {1u, true},
        {2u, true},
        {0xFFFFFFFFu, true},
    };
    for (const auto& [stored, on] : cases) {
        EXPECT_EQ(VolumeKeysOn(stored), on) << (stored ? std::to_string(*stored) : "missing");
    }
}

}  // namespace
