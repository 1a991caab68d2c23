#include "app/report_command_table.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportCommandTable, EveryEntryAsTheKeyboardNumbersItsKeys) {
    // Written out from the keyboard's key list, report code by report code.
    const std::uint8_t expected[kReportCommandCount] = {
        0x4D, 0x32, 0x33, 0x35, 0x36, 0x04, 0x07, 0x02, 0x03, 0x10, 0x0F, 0x08, 0x0B, 0x09, 0x0A,
        0x37, 0x4A, 0x49, 0x44, 0x45, 0x46, 0x43, 0x12, 0x0E, 0x05, 0x06, 0x14, 0x18, 0x0C, 0x0D,
        0x01, 0x4E, 0x51, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x4C,
        0x4B, 0x52, 0x53, 0x54, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5C, 0x4F, 0x50, 0x00, 0x00, 0x00};
    for (int report = 0; report < kReportCommandCount; ++report) {
        EXPECT_EQ(ReportCommandTable[report], expected[report]) << "report code " << report;
        EXPECT_EQ(CommandForReport(static_cast<std::uint32_t>(report)), expected[report]);
    }
}

TEST(ReportCommandTable, OnlyTheLowByteCounts) {
    EXPECT_EQ(CommandForReport(0x11D), 0x0D);  // report 29, volume down
    EXPECT_EQ(CommandForReport(0xFFFFFF1Cu), 0x0C);
}

TEST(ReportCommandTable, LowBytesWithoutEntryGiveNoCommand) {
    for (std::uint32_t low = kReportCommandCount; low <= 0xFF; ++low) {
        EXPECT_FALSE(CommandForReport(low).has_value()) << low;
        EXPECT_FALSE(CommandForReport(0x12300 | low).has_value()) << low;
    }
}

}  // namespace
