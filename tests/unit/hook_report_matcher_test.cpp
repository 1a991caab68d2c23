#include "hookwell/hid_block.h"
#include "hookwell/report_matcher.h"
#include "hookwell/user_menu_gate.h"
#include "install/key_definitions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<int> Match(const Bytes& report) {
    return MatchReport(report.data(), report.size());
}

TEST(ReportMatcher, EveryKeyDefinitionGivesItsReportCode) {
    for (int entry = 0; entry < kKeyDefinitionCount; ++entry) {
        const KeyDefinition& definition = KeyDefinitions[entry];
        const Bytes report(definition.report.begin(), definition.report.begin() + definition.length);
        std::optional<int> expected = entry;
        switch (entry) {
            // Keys that send the bytes of an earlier entry take its code.
            case 9:
                expected = 5;
                break;
            case 45:
                expected = 26;
                break;
            case 49:
                expected = 16;
                break;
            // All keys released: no key.
            case 54:
            case 55:
                expected = std::nullopt;
                break;
            default:
                break;
        }
        EXPECT_EQ(Match(report), expected) << "entry " << entry;
    }
}

struct RecordedReport {
    const char* what;
    Bytes bytes;
    std::optional<int> reportCode;
};

class RecordedReports : public testing::TestWithParam<RecordedReport> {};

TEST_P(RecordedReports, MatchByteForByte) {
    EXPECT_EQ(Match(GetParam().bytes), GetParam().reportCode) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, RecordedReports,
    testing::Values(
        RecordedReport{"menu key", {0x00, 0x00, 0x75, 0x00, 0x00, 0x00, 0x00, 0x00}, kMenuKeyReport},
        RecordedReport{"volume up", {0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00}, 28},
        RecordedReport{"mute", {0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00}, 30},
        RecordedReport{"Word", {0x01, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00}, 1},
        RecordedReport{"report 4", {0x04, 0x00, 0x00, 0x00}, 31},
        RecordedReport{"the key sending all bits", {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01}, 15},
        RecordedReport{"standard keys released", {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, std::nullopt},
        RecordedReport{"multimedia keys released", {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, std::nullopt},
        RecordedReport{"two multimedia keys at once", {0x01, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00}, std::nullopt},
        RecordedReport{"menu key with Ctrl", {0x01, 0x00, 0x75, 0x00, 0x00, 0x00, 0x00, 0x00}, std::nullopt},
        RecordedReport{"menu key in the second key slot", {0x00, 0x00, 0x00, 0x75, 0x00, 0x00, 0x00, 0x00},
                       std::nullopt},
        RecordedReport{"another report identifier", {0x02, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00}, std::nullopt},
        RecordedReport{"volume up padded to 8 bytes", {0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
                       std::nullopt},
        RecordedReport{"volume up cut short", {0x01, 0x08, 0x00, 0x00, 0x00, 0x00}, std::nullopt},
        RecordedReport{"report 4 padded", {0x04, 0x00, 0x00, 0x00, 0x00}, std::nullopt},
        RecordedReport{"a single byte", {0x01}, std::nullopt},
        RecordedReport{"longer than any entry", Bytes(64, 0x00), std::nullopt}));

TEST(ReportMatcher, NoBytesMatchNothing) {
    EXPECT_FALSE(MatchReport(nullptr, 0).has_value());
}

struct Block {
    std::size_t available;
    std::uint32_t size;
    std::uint32_t count;
    bool fits;
};

class HidBlocks : public testing::TestWithParam<Block> {};

TEST_P(HidBlocks, ReportsFitTheirBlock) {
    const Block& b = GetParam();
    EXPECT_EQ(HidReportsFit(b.available, b.size, b.count), b.fits)
        << b.count << " reports of " << b.size << " bytes in " << b.available;
}

INSTANTIATE_TEST_SUITE_P(
    RawInput, HidBlocks,
    testing::Values(Block{7, 7, 1, true}, Block{14, 7, 2, true}, Block{16, 7, 2, true}, Block{13, 7, 2, false},
                    Block{7, 7, 0, true}, Block{0, 7, 1, false}, Block{100, 0, 1, false},
                    Block{100, 0, 0xFFFFFFFFu, false},
                    // 0x10000 times 0x10001 is 0x10000 in 32 bits.
                    Block{0x10000, 0x10000, 0x10001, false}, Block{64, 0xFFFFFFFFu, 2, false}));

}  // namespace
