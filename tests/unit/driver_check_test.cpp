#include "driver/driver_check.h"
#include "driver/paced_driver_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The keyboard's instances and the installer as a pass finds them. Records
// which instances were read and reinstalled; a reinstall takes `reinstallMs`
// and leaves the installer's wizard open when `wizardStaysOpen`.
class FakeKeyboardDevices : public CKeyboardDevices {
public:
    std::optional<KeyboardInstance> ReadInstance(int index) override {
        trace.push_back("read " + std::to_string(index));
        if (index >= static_cast<int>(instances.size())) {
            return std::nullopt;
        }
        return instances[static_cast<std::size_t>(index)];
    }
    bool InstallerExists() override { return installerExists; }
    bool InstallerWindowOpen() override { return wizardOpen; }
    void Reinstall(const KeyboardInstance& instance) override {
        trace.push_back("reinstall " + instance.name);
        nowMs += reinstallMs;
        wizardOpen = wizardStaysOpen;
    }
    std::uint32_t NowMs() override { return nowMs; }

    // The reinstalls of one more pass.
    std::vector<std::string> Pass() {
        trace.clear();
        RunDriverCheck(*this, holdBack);
        return Reinstalls();
    }

    // The instances reinstalled since the trace was cleared.
    std::vector<std::string> Reinstalls() const {
        std::vector<std::string> reinstalls;
        for (const std::string& step : trace) {
            if (step.rfind("reinstall ", 0) == 0) {
                reinstalls.push_back(step.substr(sizeof "reinstall " - 1));
            }
        }
        return reinstalls;
    }

    std::vector<KeyboardInstance> instances;
    bool installerExists = true;
    bool wizardOpen = false;
    bool wizardStaysOpen = false;
    std::uint32_t nowMs = 1000;
    std::uint32_t reinstallMs = 0;
    std::vector<std::string> trace;
    CReinstallHoldBack holdBack;
};

using Names = std::vector<std::string>;

KeyboardInstance Lacking(const std::string& name) {
    return KeyboardInstance{name, std::nullopt, 0u};
}

KeyboardInstance InOrder(const std::string& name) {
    return KeyboardInstance{name, std::string("UsbSnoop"), 0u};
}

constexpr std::uint32_t kTenMinutesMs = 10 * 60 * 1000;

TEST(DriverCheck, ReinstallsConfiguredInstancesWhoseFirstLowerFilterIsNotUsbSnoop) {
    const std::optional<std::string> none;
    const std::optional<std::uint32_t> noFlags;
    const struct {
        std::optional<std::string> firstLowerFilter;
        std::optional<std::uint32_t> configFlags;
        bool reinstalled;
    } rows[] = {
        {none, 0u, true},
        {std::string("kbdfilter"), 0u, true},
        {std::string("usbsnoop"), 0u, true},  // names are told apart by case
        {std::string("UsbSnoopX"), 0u, true},
        {std::string(""), 0u, true},
        {std::string("UsbSnoop"), 0u, false},
        {std::string("UsbSnoop"), 1u, false},
        {std::string("UsbSnoop"), noFlags, false},
        {none, noFlags, false},
        {none, 1u, false},
        {std::string("kbdfilter"), 0x20u, false},
    };
    for (const auto& row : rows) {
        FakeKeyboardDevices devices;
        devices.instances = {KeyboardInstance{"5&1", row.firstLowerFilter, row.configFlags}};
        EXPECT_EQ(devices.Pass(), row.reinstalled ? Names{"5&1"} : Names{})
            << "first lower filter " << row.firstLowerFilter.value_or("(none)") << ", ConfigFlags "
            << (row.configFlags ? std::to_string(*row.configFlags) : "(none)");
    }
}

TEST(DriverCheck, ReadsInstancesUpToTheFirstMissingOneAndNoMoreThanTen) {
    FakeKeyboardDevices devices;
    devices.instances = {InOrder("a"), InOrder("b")};
    devices.Pass();
    EXPECT_EQ(devices.trace, (Names{"read 0", "read 1", "read 2"}));

    devices.instances.assign(9, InOrder("in order"));
    devices.instances.push_back(Lacking("tenth"));
    devices.instances.push_back(Lacking("eleventh"));
    EXPECT_EQ(devices.Pass(), Names{"tenth"});
    EXPECT_EQ(devices.trace.back(), "reinstall tenth");
    EXPECT_EQ(devices.trace.size(), 11u);
}

TEST(DriverCheck, WithoutTheInstallerNothingIsTriedAndNothingIsHeldBack) {
    FakeKeyboardDevices devices;
    devices.instances = {Lacking("5&1")};
    devices.installerExists = false;
    EXPECT_EQ(devices.Pass(), Names{});
    EXPECT_EQ(devices.Pass(), Names{});
    // The installer is put back: the instance's turn comes at once.
    devices.installerExists = true;
    devices.nowMs += 200;
    EXPECT_EQ(devices.Pass(), Names{"5&1"});
}

TEST(DriverCheck, AnOpenInstallerDialogHoldsEveryInstanceBackThatPass) {
    FakeKeyboardDevices devices;
    devices.instances = {Lacking("first"), Lacking("second")};
    devices.wizardOpen = true;
    EXPECT_EQ(devices.Pass(), Names{});
    // The wizard started for the first instance holds the second back.
    devices.wizardOpen = false;
    devices.wizardStaysOpen = true;
    EXPECT_EQ(devices.Pass(), Names{"first"});
    // The wizard has gone without setting the filter: the second has its turn,
    // the first is not tried again.
    devices.wizardOpen = false;
    devices.wizardStaysOpen = false;
    EXPECT_EQ(devices.Pass(), Names{"second"});
    EXPECT_EQ(devices.Pass(), Names{});
}

TEST(DriverCheck, AnInstanceIsTriedAgainTenMinutesAfterItsAttemptEnded) {
    FakeKeyboardDevices devices;
    devices.instances = {Lacking("5&1")};
    // The user sits on the uninstaller for a minute.
    devices.reinstallMs = 60 * 1000;
    EXPECT_EQ(devices.Pass(), Names{"5&1"});
    const std::uint32_t attemptEnded = devices.nowMs;
    for (const std::uint32_t later : {0u, 200u, kTenMinutesMs - 1}) {
        devices.nowMs = attemptEnded + later;
        EXPECT_EQ(devices.Pass(), Names{}) << later << " ms after the attempt";
    }
    devices.nowMs = attemptEnded + kTenMinutesMs;
    EXPECT_EQ(devices.Pass(), Names{"5&1"});
}

TEST(DriverCheck, TheHoldBackLastsTenMinutesAcrossTheClocksWrapAround) {
    FakeKeyboardDevices devices;
    devices.instances = {Lacking("5&1")};
    devices.nowMs = 0xFFFFFF00u;
    EXPECT_EQ(devices.Pass(), Names{"5&1"});
    devices.nowMs = 0x100u;
    EXPECT_EQ(devices.Pass(), Names{});
    devices.nowMs = 0xFFFFFF00u + kTenMinutesMs;
    EXPECT_EQ(devices.Pass(), Names{"5&1"});
}

TEST(DriverCheck, AnAttemptLongPastDoesNotComeBackWhenTheClockWraps) {
    FakeKeyboardDevices devices;
    devices.instances = {Lacking("5&1")};
    EXPECT_EQ(devices.Pass(), Names{"5&1"});
    // The package put the filter in place; the instance is not looked at again
    // until the clock has come round to the attempt's time.
    devices.instances = {InOrder("5&1")};
    devices.nowMs += kTenMinutesMs;
    devices.Pass();
    devices.instances = {Lacking("5&1")};
    devices.nowMs = 1000 + 100;  // 2^32 ms on
    EXPECT_EQ(devices.Pass(), Names{"5&1"});
}

// The keyboard as a paced pass finds it, `laterMs` after the last pass;
// `looks` is whether the pass read the keys.
struct PacedStep {
    const char* what;
    std::vector<KeyboardInstance> instances;
    bool installerExists;
    bool wizardOpen;
    DriverCheckChanges changes;
    std::uint32_t laterMs;
    bool looks;
    Names reinstalls;
};

TEST(PacedDriverCheck, LooksAgainOnlyWhenSomethingThatDecidesMayHaveChanged) {
    constexpr DriverCheckChanges kNone{false, false};
    constexpr DriverCheckChanges kKeys{true, false};
    constexpr DriverCheckChanges kPackage{false, true};
    const PacedStep steps[] = {
        {"the first pass", {InOrder("a"), InOrder("b")}, true, false, {true, true}, 0, true, {}},
        {"nothing changed", {InOrder("a"), InOrder("b")}, true, false, kNone, 200, false, {}},
        {"a lost its filter", {Lacking("a"), InOrder("b")}, true, false, kKeys, 200, true, {"a"}},
        {"a held back", {Lacking("a"), InOrder("b")}, true, false, kNone, 200, false, {}},
        {"a's pause ran out", {Lacking("a"), InOrder("b")}, true, false, kNone, kTenMinutesMs, true, {"a"}},
        {"a in order again", {InOrder("a"), InOrder("b")}, true, false, kKeys, 200, true, {}},
        {"b lost its filter, no installer", {InOrder("a"), Lacking("b")}, false, false, kKeys, 200, true, {}},
        {"still no installer", {InOrder("a"), Lacking("b")}, false, false, kNone, 200, false, {}},
        {"beside the program, no installer", {InOrder("a"), Lacking("b")}, false, false, kPackage, 200, true, {}},
        {"the installer came", {InOrder("a"), Lacking("b")}, true, false, kPackage, 200, true, {"b"}},
        {"c lost its filter, a dialog open", {InOrder("a"), InOrder("b"), Lacking("c")}, true, true, kKeys, 200, true,
         {}},
        {"the dialog still open", {InOrder("a"), InOrder("b"), Lacking("c")}, true, true, kNone, 200, true, {}},
        {"the dialog closed", {InOrder("a"), InOrder("b"), Lacking("c")}, true, false, kNone, 200, true, {"c"}},
        {"c held back", {InOrder("a"), InOrder("b"), Lacking("c")}, true, false, kNone, 200, false, {}},
    };
    FakeKeyboardDevices devices;
    CPacedDriverCheck check;
    for (const PacedStep& step : steps) {
        devices.instances = step.instances;
        devices.installerExists = step.installerExists;
        devices.wizardOpen = step.wizardOpen;
        devices.nowMs += step.laterMs;
        devices.trace.clear();
        check.Pass(devices, step.changes);
        EXPECT_EQ(!devices.trace.empty(), step.looks) << step.what;
        EXPECT_EQ(devices.Reinstalls(), step.reinstalls) << step.what;
    }
}

TEST(PacedDriverCheck, PassesWithoutALookStillLetOldAttemptsGo) {
    FakeKeyboardDevices devices;
    CPacedDriverCheck check;
    devices.instances = {Lacking("5&1")};
    check.Pass(devices, DriverCheckChanges{true, false});
    devices.instances = {InOrder("5&1")};
    check.Pass(devices, DriverCheckChanges{true, false});
    // Idle passes while the attempt's pause runs out and the clock comes round.
    for (std::uint32_t elapsed = 0; elapsed <= kTenMinutesMs; elapsed += kTenMinutesMs / 4) {
        devices.nowMs = 1000 + elapsed;
        check.Pass(devices, DriverCheckChanges{false, false});
    }
    devices.instances = {Lacking("5&1")};
    devices.nowMs = 1000 + 100;  // 2^32 ms after the attempt
    devices.trace.clear();
    check.Pass(devices, DriverCheckChanges{true, false});
    EXPECT_EQ(devices.trace, (Names{"read 0", "reinstall 5&1", "read 1"}));
}

}  // namespace
