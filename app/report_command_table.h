// Report codes (the numbers of key log records) to key command codes.
#pragma once

#include <cstdint>
#include <optional>

constexpr int kReportCommandCount = 60;

// Entry n is the key command for report code n; 57-59 are 0, no command.
extern const std::uint8_t ReportCommandTable[kReportCommandCount];

// The key command for a report code's low byte; nothing when the table has no
// entry for it (low byte 60 or more).
std::optional<std::uint8_t> CommandForReport(std::uint32_t reportCode);
