#include "hookwell/hook_watchdog.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct HookCall {
    const char* what;
    std::uint32_t eventTimeMs;
    std::uint32_t nowMs;
    bool reinstall;
};

class HookCalls : public testing::TestWithParam<HookCall> {};

TEST_P(HookCalls, LateCallsCallForAFreshHook) {
    const HookCall& c = GetParam();
    CHookWatchdog watchdog;
    watchdog.OnHookCall(c.eventTimeMs, c.nowMs);
    EXPECT_EQ(watchdog.TakeReinstall(), c.reinstall) << c.what;
    EXPECT_FALSE(watchdog.TakeReinstall()) << c.what << ": the signs start over";
}

INSTANTIATE_TEST_SUITE_P(
    Watchdog, HookCalls,
    testing::Values(HookCall{"at once", 5000, 5000, false}, HookCall{"a little later", 5000, 5150, false},
                    HookCall{"just in time", 5000, 5200, false}, HookCall{"too late", 5000, 5201, true},
                    HookCall{"a second late", 5000, 6000, true},
                    HookCall{"the event stamped after the clock was read", 5003, 5000, false},
                    HookCall{"too late across the wrap", 0xFFFFFF00u, 0x00000100u, true},
                    HookCall{"in time across the wrap", 0xFFFFFFF0u, 0x00000010u, false}));

TEST(HookWatchdog, KeysMissedByTheHookCallForAFreshHook) {
    CHookWatchdog watchdog;
    watchdog.OnKeysMissedByHook(0);
    EXPECT_FALSE(watchdog.TakeReinstall());
    watchdog.OnKeysMissedByHook(2);
    EXPECT_TRUE(watchdog.TakeReinstall());
    EXPECT_FALSE(watchdog.TakeReinstall());
}

TEST(HookWatchdog, OneLateCallAmongTimelyOnesIsEnough) {
    CHookWatchdog watchdog;
    watchdog.OnHookCall(1000, 1001);
    watchdog.OnHookCall(2000, 2500);
    watchdog.OnHookCall(3000, 3001);
    EXPECT_TRUE(watchdog.TakeReinstall());
}

}  // namespace
