#include "app/desktop_events.h"

#include <gtest/gtest.h>

namespace {

using desktop_events::kPowerBroadcast;
using desktop_events::kSessionChange;
using desktop_events::ResponseTo;

struct EventCase {
    const char* what;
    unsigned message;
    unsigned long code;
    bool renews;
    bool letsGo;
};

class DesktopEventsTest : public testing::TestWithParam<EventCase> {};

TEST_P(DesktopEventsTest, RenewsKeyInputAfterAndLetsGoOfKeysBefore) {
    const EventCase& c = GetParam();
    const desktop_events::Response response = ResponseTo(c.message, c.code);
    EXPECT_EQ(response.renewKeyInput, c.renews) << c.what;
    EXPECT_EQ(response.letGoOfKeys, c.letsGo) << c.what;
    // Every event that asks something says so in a line of its own.
    EXPECT_EQ(response.event != nullptr, c.renews || c.letsGo) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Events, DesktopEventsTest,
    testing::Values(EventCase{"resume after a wake by the user", kPowerBroadcast, 0x07, true, false},
                    EventCase{"resume on its own (a timer woke it)", kPowerBroadcast, 0x12, true, false},
                    EventCase{"unlock", kSessionChange, 0x8, true, false},
                    EventCase{"the console connected again", kSessionChange, 0x1, true, false},
                    EventCase{"a remote session connected", kSessionChange, 0x3, true, false},
                    EventCase{"lock: the lock screen takes the key-up", kSessionChange, 0x7, false, true},
                    EventCase{"going to sleep", kPowerBroadcast, 0x04, false, true},
                    EventCase{"switched to another user", kSessionChange, 0x2, false, true},
                    EventCase{"a remote session ended", kSessionChange, 0x4, false, true},
                    EventCase{"logon of this session", kSessionChange, 0x5, false, false},
                    EventCase{"remote control", kSessionChange, 0x9, false, false},
                    EventCase{"asked whether it may sleep", kPowerBroadcast, 0x00, false, false},
                    EventCase{"the power source changed", kPowerBroadcast, 0x0A, false, false},
                    EventCase{"a power setting changed", kPowerBroadcast, 0x8013, false, false},
                    EventCase{"an unlock's code under another message", 0x0219, 0x8, false, false},
                    EventCase{"a resume's code under the session message", kSessionChange, 0x12, false, false}));

}  // namespace
