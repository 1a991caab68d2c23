#include "app/key_intake.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kKeyCommand = 0xC123;  // a registered message number
using Icon = KeyIntake::Icon;

struct IntakeCase {
    const char* what;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    Icon icon;
    bool restartsTimer;
    std::optional<std::uint8_t> command;
};

class KeyIntakeTest : public testing::TestWithParam<IntakeCase> {};

TEST_P(KeyIntakeTest, TakesMessage) {
    const IntakeCase& c = GetParam();
    const KeyIntake intake = TakeKeyEvent(c.message, kKeyCommand, c.wParam, c.lParam);
    EXPECT_EQ(intake.icon, c.icon) << c.what;
    EXPECT_EQ(intake.restartIconTimer, c.restartsTimer) << c.what;
    EXPECT_EQ(intake.command, c.command) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, KeyIntakeTest,
    testing::Values(
        IntakeCase{"KeyCommand mute", kKeyCommand, 0, 0x20, Icon::kActive, true, 0x20},
        IntakeCase{"KeyCommand uses the low byte", kKeyCommand, 0, 0x120, Icon::kActive, true, 0x20},
        IntakeCase{"KeyCommand undefined code is still handed on", kKeyCommand, 0, 0x5D, Icon::kActive, true,
                   0x5D},
        IntakeCase{"KeyCommand with wParam 1 is ignored", kKeyCommand, 1, 0x20, Icon::kUnchanged, false,
                   std::nullopt},
        IntakeCase{"key log record 29", kMsgKeyLogRecord, 0, 0x11D, Icon::kActive, true, 0x0D},
        IntakeCase{"key log wParam is ignored", kMsgKeyLogRecord, 7, 19, Icon::kActive, true, 0x45},
        IntakeCase{"key log report 0", kMsgKeyLogRecord, 0, 0, Icon::kActive, true, 0x4D},
        IntakeCase{"key log report 57", kMsgKeyLogRecord, 0, 57, Icon::kActive, true, 0x00},
        IntakeCase{"key log report without entry", kMsgKeyLogRecord, 0, 60, Icon::kActive, true, std::nullopt},
        IntakeCase{"key log report 0xFF", kMsgKeyLogRecord, 0, 0xFF, Icon::kActive, true, std::nullopt},
        IntakeCase{"activity only blinks", kMsgKeyActivity, 0, 0x20, Icon::kActive, true, std::nullopt},
        IntakeCase{"normal icon", kMsgIconNormal, 0, 0, Icon::kNormal, false, std::nullopt},
        IntakeCase{"tray callback is not intake", kMsgTrayNotify, 128, 0x205, Icon::kUnchanged, false,
                   std::nullopt},
        IntakeCase{"WM_USER+103 is not intake", 0x0400 + 103, 0, 1, Icon::kUnchanged, false, std::nullopt}));

TEST(KeyIntake, UnregisteredKeyCommandTakesNothing) {
    const KeyIntake intake = TakeKeyEvent(0, 0, 0, 0x20);
    EXPECT_EQ(intake.icon, Icon::kUnchanged);
    EXPECT_FALSE(intake.command.has_value());
}

}  // namespace
