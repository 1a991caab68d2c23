#include "hookwell/once_only_rule.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr unsigned kVkVolumeUp = 0xAF;
constexpr unsigned kVkVolumeDown = 0xAE;
constexpr int kVolumeUpReport = 28;
constexpr int kVolumeDownReport = 29;
constexpr int kWordReport = 1;  // no virtual key of Windows stands for it

// One event of a scenario and whether the rule lets it through.
struct Step {
    enum Kind { kKeyDown, kRepeatingKeyDown, kKeyUp, kReport } kind;
    unsigned key;  // virtual key, or report code
    std::uint32_t timeMs;
    bool dispatched;
};

Step Down(unsigned vk, std::uint32_t t, bool dispatched) {
    return Step{Step::kKeyDown, vk, t, dispatched};
}
// A key-down of a key whose auto-repeats are presses of their own.
Step Repeating(unsigned vk, std::uint32_t t, bool dispatched) {
    return Step{Step::kRepeatingKeyDown, vk, t, dispatched};
}
Step Up(unsigned vk, std::uint32_t t) {
    return Step{Step::kKeyUp, vk, t, false};
}
Step Report(int code, std::uint32_t t, bool dispatched) {
    return Step{Step::kReport, static_cast<unsigned>(code), t, dispatched};
}

struct Scenario {
    const char* what;
    std::vector<Step> steps;
};

bool Take(COnceOnlyRule& rule, const Step& step) {
    switch (step.kind) {
        case Step::kKeyDown:
            return rule.TakeVirtualKey(step.key, true, step.timeMs);
        case Step::kRepeatingKeyDown:
            return rule.TakeVirtualKey(step.key, true, step.timeMs, true);
        case Step::kKeyUp:
            return rule.TakeVirtualKey(step.key, false, step.timeMs);
        case Step::kReport:
            return rule.TakeReport(static_cast<int>(step.key), step.timeMs);
    }
    return false;
}

class OnceOnlyRule : public testing::TestWithParam<Scenario> {};

TEST_P(OnceOnlyRule, DispatchesEachPressOnce) {
    COnceOnlyRule rule;
    const Scenario& scenario = GetParam();
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        EXPECT_EQ(Take(rule, scenario.steps[i]), scenario.steps[i].dispatched) << scenario.what << ", step " << i;
    }
}

const std::uint32_t kWrap = 0xFFFFFF80u;  // 128 ms before the tick count wraps

INSTANTIATE_TEST_SUITE_P(
    Roads, OnceOnlyRule,
    testing::Values(
        Scenario{"report first, then its virtual key",
                 {Report(kVolumeUpReport, 1000, true), Down(kVkVolumeUp, 1002, false), Up(kVkVolumeUp, 1090)}},
        Scenario{"virtual key first, then its report",
                 {Down(kVkVolumeUp, 1000, true), Report(kVolumeUpReport, 1001, false), Up(kVkVolumeUp, 1090)}},
        Scenario{"the report stamped a little before the virtual key it follows",
                 {Down(kVkVolumeUp, 1005, true), Report(kVolumeUpReport, 1000, false)}},
        Scenario{"copies too far apart are two presses",
                 {Report(kVolumeUpReport, 1000, true), Down(kVkVolumeUp, 1301, true)}},
        Scenario{"copies just within the pairing time are one press",
                 {Report(kVolumeUpReport, 1000, true), Down(kVkVolumeUp, 1300, false)}},
        Scenario{"quick presses on both roads pair in order",
                 {Report(kVolumeUpReport, 1000, true), Report(kVolumeUpReport, 1080, true),
                  Down(kVkVolumeUp, 1001, false), Up(kVkVolumeUp, 1040), Down(kVkVolumeUp, 1081, false),
                  Up(kVkVolumeUp, 1120), Report(kVolumeUpReport, 1160, true), Down(kVkVolumeUp, 1161, false)}},
        Scenario{"another key does not pair",
                 {Report(kVolumeUpReport, 1000, true), Down(kVkVolumeDown, 1001, true),
                  Report(kVolumeDownReport, 1002, false), Down(kVkVolumeUp, 1003, false)}},
        Scenario{"a held key dispatches its first key-down only",
                 {Down(kVkVolumeUp, 1000, true), Down(kVkVolumeUp, 1500, false), Down(kVkVolumeUp, 1533, false),
                  Down(kVkVolumeUp, 1566, false), Up(kVkVolumeUp, 1600), Down(kVkVolumeUp, 1700, true)}},
        Scenario{"the repeat of a held key does not take a report's place",
                 {Down(kVkVolumeUp, 1000, true), Report(kVolumeUpReport, 1001, false),
                  Down(kVkVolumeUp, 1100, false), Report(kVolumeUpReport, 1150, true)}},
        Scenario{"a report Windows makes no key of always goes",
                 {Report(kWordReport, 1000, true), Report(kWordReport, 1001, true)}},
        Scenario{"other keyboards' keys come on the hook's road alone",
                 {Down(kVkVolumeUp, 1000, true), Up(kVkVolumeUp, 1050), Down(kVkVolumeUp, 1100, true)}},
        Scenario{"copies pair across the tick count's wrap",
                 {Report(kVolumeUpReport, kWrap, true), Down(kVkVolumeUp, kWrap + 200, false),
                  Up(kVkVolumeUp, kWrap + 250), Report(kVolumeUpReport, kWrap + 600, true),
                  Down(kVkVolumeUp, kWrap + 1000, true)}},
        Scenario{"a virtual key beyond Windows' range is never a press", {Down(0x1000, 1000, false)}},
        Scenario{"each repeat of a repeating key is a press, and pairs with no report",
                 {Repeating(kVkVolumeUp, 1000, true), Report(kVolumeUpReport, 1001, false),
                  Repeating(kVkVolumeUp, 1500, true), Repeating(kVkVolumeUp, 1533, true), Up(kVkVolumeUp, 1600),
                  Report(kVolumeUpReport, 1700, true), Repeating(kVkVolumeUp, 1701, false),
                  Repeating(kVkVolumeUp, 2200, true)}}));

TEST(OnceOnlyRule, ReportsTheHookNeverSawAreCountedOnce) {
    COnceOnlyRule rule;
    rule.TakeReport(kVolumeUpReport, 1000);
    EXPECT_EQ(rule.TakeReportsMissedByHook(1100), 0) << "its virtual key may still come";
    rule.TakeReport(kVolumeDownReport, 1200);
    rule.TakeVirtualKey(kVkVolumeDown, true, 1201);
    rule.TakeReport(kWordReport, 1202);
    EXPECT_EQ(rule.TakeReportsMissedByHook(1400), 1) << "volume up never came through the hook";
    EXPECT_EQ(rule.TakeReportsMissedByHook(5000), 0) << "counted once";
}

TEST(OnceOnlyRule, KeysTheHookSawAloneAreNotMissed) {
    COnceOnlyRule rule;
    rule.TakeVirtualKey(kVkVolumeUp, true, 1000);
    EXPECT_EQ(rule.TakeReportsMissedByHook(2000), 0);
}

TEST(OnceOnlyRule, ForgottenHeldKeysPressAgain) {
    // The hook was gone while the key went up; the next press is a press.
    COnceOnlyRule rule;
    EXPECT_TRUE(rule.TakeVirtualKey(kVkVolumeUp, true, 1000));
    rule.ForgetHeldKeys();
    EXPECT_TRUE(rule.TakeVirtualKey(kVkVolumeUp, true, 3000));
}

TEST(OnceOnlyRule, ManyWaitingCopiesKeepTheNewest) {
    // More presses of other keyboards than the rule keeps at once: the newest
    // still pairs with its report.
    COnceOnlyRule rule;
    for (std::uint32_t i = 0; i < 100; ++i) {
        rule.TakeVirtualKey(kVkVolumeDown, true, 1000 + i);
        rule.TakeVirtualKey(kVkVolumeDown, false, 1000 + i);
    }
    EXPECT_TRUE(rule.TakeVirtualKey(kVkVolumeUp, true, 1100));
    EXPECT_FALSE(rule.TakeReport(kVolumeUpReport, 1101));
}

}  // namespace
