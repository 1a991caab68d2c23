#include "hookwell/user_modifiers.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct Event {
    unsigned vk;
    bool down;
};

struct HeldCase {
    const char* what;
    std::vector<Event> events;
    std::vector<std::pair<unsigned, bool>> holds;
};

class UserModifiersTest : public testing::TestWithParam<HeldCase> {};

TEST_P(UserModifiersTest, HoldsWhatWentDownAndDidNotComeUp) {
    const HeldCase& c = GetParam();
    CUserModifiers modifiers;
    for (const Event& event : c.events) {
        modifiers.OnKey(event.vk, event.down);
    }
    for (const auto& [vk, held] : c.holds) {
        EXPECT_EQ(modifiers.Holds(vk), held) << c.what << ", key 0x" << std::hex << vk;
    }
}

constexpr unsigned kShift = 0x10, kCtrl = 0x11, kAlt = 0x12, kLwin = 0x5B, kRwin = 0x5C;
constexpr unsigned kLshift = 0xA0, kRshift = 0xA1, kRctrl = 0xA3, kLalt = 0xA4;

INSTANTIATE_TEST_SUITE_P(
    Events, UserModifiersTest,
    testing::Values(
        HeldCase{"nothing pressed", {}, {{kShift, false}, {kCtrl, false}, {kAlt, false}, {kLwin, false}}},
        HeldCase{"left Shift down", {{kLshift, true}}, {{kShift, true}, {kLshift, true}, {kRshift, false}}},
        HeldCase{"both Shifts, one let go", {{kLshift, true}, {kRshift, true}, {kLshift, false}},
                 {{kShift, true}, {kLshift, false}, {kRshift, true}}},
        HeldCase{"right Ctrl down and up", {{kRctrl, true}, {kRctrl, false}}, {{kCtrl, false}}},
        HeldCase{"another program's generic Alt", {{kAlt, true}}, {{kAlt, true}, {kLalt, true}}},
        HeldCase{"its generic release lets go of the left key", {{kLalt, true}, {kAlt, false}}, {{kAlt, false}}},
        HeldCase{"Windows keys count apart", {{kRwin, true}}, {{kRwin, true}, {kLwin, false}}},
        HeldCase{"other keys are no modifiers", {{'A', true}, {0x14, true}}, {{kShift, false}, {'A', false}}}));

TEST(UserModifiers, ForgetLetsGoOfEveryKey) {
    CUserModifiers modifiers;
    modifiers.OnKey(kLshift, true);
    modifiers.OnKey(kLwin, true);
    modifiers.Forget();
    EXPECT_FALSE(modifiers.Holds(kShift));
    EXPECT_FALSE(modifiers.Holds(kLwin));
}

}  // namespace
