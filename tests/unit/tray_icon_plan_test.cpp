#include "app/tray_icon_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using tray::Shown;
using tray::Step;
using tray::Wish;

struct PlanCase {
    const char* what;
    Shown before;
    Wish wanted;
    bool succeeds;  // every call into the notification area
    std::vector<Step> steps;
    Shown after;
    bool retryDue = false;  // the time to try a refused add again has come
};

class TrayIconPlanTest : public testing::TestWithParam<PlanCase> {};

// Runs the icon thread's loop for one wish, as it runs after a wake-up.
TEST_P(TrayIconPlanTest, MakesTheCallsForTheLatestWish) {
    const PlanCase& c = GetParam();
    Shown shown = c.before;
    std::vector<Step> steps;
    bool retryDue = c.retryDue;
    // More steps than any wish needs means the loop would never rest.
    for (int i = 0; i < 8; ++i) {
        const Step step = tray::NextStep(c.wanted, shown, retryDue);
        steps.push_back(step);
        if (step == Step::kNone || step == Step::kEnd) {
            break;
        }
        // An add starts the wait for the next try afresh.
        retryDue = retryDue && step != Step::kAdd;
        shown = tray::AfterStep(shown, step, c.wanted, c.succeeds);
    }
    EXPECT_EQ(steps, c.steps) << c.what;
    EXPECT_EQ(shown.present, c.after.present) << c.what;
    EXPECT_EQ(shown.active, c.after.active) << c.what;
    EXPECT_EQ(shown.additions, c.after.additions) << c.what;
    EXPECT_EQ(shown.missing, c.after.missing) << c.what;
}

constexpr Shown kNormal{true, false, 1};
constexpr Shown kActive{true, true, 1};
constexpr Shown kNoArea{false, false, 1, true};

INSTANTIATE_TEST_SUITE_P(
    Wishes, TrayIconPlanTest,
    testing::Values(
        PlanCase{"start", Shown{}, Wish{false, 1, false}, true, {Step::kAdd, Step::kNone}, kNormal},
        PlanCase{"start without a notification area", Shown{}, Wish{false, 1, false}, false,
                 {Step::kAdd, Step::kNone}, kNoArea},
        PlanCase{"a key before the add: added active at once", Shown{}, Wish{true, 1, false}, true,
                 {Step::kAdd, Step::kNone}, kActive},
        PlanCase{"a key", kNormal, Wish{true, 1, false}, true, {Step::kModify, Step::kNone}, kActive},
        PlanCase{"back to normal", kActive, Wish{false, 1, false}, true, {Step::kModify, Step::kNone}, kNormal},
        PlanCase{"a key and its end, both during the last call", kNormal, Wish{false, 1, false}, true,
                 {Step::kNone}, kNormal},
        PlanCase{"keys without a notification area call nothing", kNoArea, Wish{true, 1, false}, true,
                 {Step::kNone}, kNoArea},
        PlanCase{"a failed switch is not tried again at once", kNormal, Wish{true, 1, false}, false,
                 {Step::kModify, Step::kNone}, kActive},
        PlanCase{"the shell restarted: added again as wanted", kNormal, Wish{true, 2, false}, true,
                 {Step::kAdd, Step::kNone}, Shown{true, true, 2}},
        PlanCase{"the shell restarted and is not ready yet: tried again later", kNormal, Wish{false, 2, false},
                 false, {Step::kAdd, Step::kNone}, Shown{false, false, 2, true}},
        PlanCase{"a notification area came after a failed start", kNoArea, Wish{false, 2, false}, true,
                 {Step::kAdd, Step::kNone}, Shown{true, false, 2}},
        PlanCase{"a refused add is made when its time has come", kNoArea, Wish{false, 1, false}, true,
                 {Step::kAdd, Step::kNone}, kNormal, true},
        PlanCase{"refused again, it waits for the next time", kNoArea, Wish{false, 1, false}, false,
                 {Step::kAdd, Step::kNone}, kNoArea, true},
        PlanCase{"a key while the add waits: added active when the time comes", kNoArea, Wish{true, 1, false}, true,
                 {Step::kAdd, Step::kNone}, kActive, true},
        PlanCase{"an icon that is there is never added on time alone", kNormal, Wish{false, 1, false}, true,
                 {Step::kNone}, kNormal, true},
        PlanCase{"quit", kActive, Wish{true, 1, true}, true, {Step::kDelete, Step::kEnd}, Shown{false, true, 1}},
        PlanCase{"quit whose removal fails still ends", kNormal, Wish{false, 1, true}, false,
                 {Step::kDelete, Step::kEnd}, Shown{false, false, 1}},
        PlanCase{"quit before the icon was added adds nothing", Shown{}, Wish{false, 1, true}, true, {Step::kEnd},
                 Shown{}},
        PlanCase{"quit without a notification area", kNoArea, Wish{false, 1, true}, true, {Step::kEnd},
                 kNoArea},
        PlanCase{"quit while an add waits to be tried again adds nothing", kNoArea, Wish{false, 1, true}, true,
                 {Step::kEnd}, kNoArea, true}));

}  // namespace
