#include "install/key_definitions.h"
#include "install/service_security.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
    std::ostringstream text;
    for (std::size_t i = 0; i < count; ++i) {
        static const char kDigits[] = "0123456789ABCDEF";
        text << (i == 0 ? "" : " ") << kDigits[bytes[i] >> 4] << kDigits[bytes[i] & 0xF];
    }
    return text.str();
}

// Walks the value as the driver does: length byte, report, until a 0 length.
std::vector<std::string> ReadKeyDef(std::size_t& end) {
    std::vector<std::string> reports;
    std::size_t at = 0;
    while (at < KeyDef.size() && KeyDef[at] != 0) {
        const std::size_t length = KeyDef[at];
        if (at + 1 + length > KeyDef.size()) {
            break;
        }
        reports.push_back(HexBytes(&KeyDef[at + 1], length));
        at += 1 + length;
    }
    end = at;
    return reports;
}

TEST(KeyDef, HoldsEveryKeyReportInOrderAndEndsWithAZeroLength) {
    // Written out from the keyboard's report list, entry by entry.
    const std::vector<std::string> expected = {
        "00 00 75 00 00 00 00 00", "01 10 00 00 00 00 00", "01 20 00 00 00 00 00", "00 00 68 00 00 00 00 00",
        "00 00 76 00 00 00 00 00", "01 00 00 00 00 40 00", "01 00 00 00 00 00 01", "01 00 00 00 02 00 00",
        "01 40 00 00 00 00 00",    "01 00 00 00 00 40 00", "01 00 00 00 00 00 02", "01 00 00 00 00 08 00",
        "01 00 00 00 00 04 00",    "01 00 00 00 00 02 00", "01 00 00 00 00 01 00", "01 01 01 01 01 01 01",
        "01 00 08 00 00 00 00",    "00 00 69 00 00 00 00 00", "01 00 00 40 00 00 00", "01 00 00 20 00 00 00",
        "01 00 00 80 00 00 00",    "01 00 40 00 00 00 00", "01 00 00 00 00 20 00", "01 00 01 00 00 00 00",
        "01 00 00 00 04 00 00",    "01 00 00 00 08 00 00", "01 00 00 00 10 00 00", "01 00 00 10 00 00 00",
        "01 08 00 00 00 00 00",    "01 04 00 00 00 00 00", "01 02 00 00 00 00 00", "04 00 00 00",
        "01 01 00 00 00 00 00",    "01 00 00 00 01 00 00", "01 00 10 00 00 00 00", "01 00 80 00 00 00 00",
        "01 00 00 01 00 00 00",    "01 00 00 02 00 00 00", "01 00 00 00 20 00 00", "01 00 00 00 40 00 00",
        "01 00 00 00 80 00 00",    "01 00 20 00 00 00 00", "01 00 00 04 00 00 00", "01 00 00 08 00 00 00",
        "01 00 02 00 00 00 00",    "01 00 00 00 10 00 00", "01 00 00 00 00 00 08", "01 00 00 00 00 00 10",
        "01 80 00 00 00 00 00",    "01 00 08 00 00 00 00", "01 00 00 00 00 00 20", "01 00 00 00 00 00 40",
        "01 00 00 00 00 00 04",    "01 00 00 00 00 00 80", "00 00 00 00 00 00 00 00", "01 00 00 00 00 00 00"};
    std::size_t end = 0;
    const std::vector<std::string> reports = ReadKeyDef(end);
    ASSERT_EQ(reports.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(reports[i], expected[i]) << "entry " << i;
        const KeyDefinition& entry = KeyDefinitions[i];
        EXPECT_EQ(HexBytes(entry.report.data(), entry.length), expected[i]) << "table entry " << i;
    }
    // The closing 0 is the value's last byte: 451 bytes, nothing after it.
    EXPECT_EQ(KeyDef.size(), 451u);
    EXPECT_EQ(end, KeyDef.size() - 1);
    EXPECT_EQ(KeyDef.back(), 0);
}

TEST(KeyDef, OnlyTheKnownPairsOfKeysShareAReport) {
    std::set<std::pair<int, int>> repeats;
    for (int i = 0; i < kKeyDefinitionCount; ++i) {
        for (int j = i + 1; j < kKeyDefinitionCount; ++j) {
            const KeyDefinition& a = KeyDefinitions[i];
            const KeyDefinition& b = KeyDefinitions[j];
            if (a.length == b.length && a.report == b.report) {
                repeats.insert({i, j});
            }
        }
    }
    EXPECT_EQ(repeats, (std::set<std::pair<int, int>>{{5, 9}, {16, 49}, {26, 45}}));
}

std::uint32_t Le32(int offset) {
    const auto& b = ServiceSecurity;
    return b[offset] | b[offset + 1] << 8 | b[offset + 2] << 16 | static_cast<std::uint32_t>(b[offset + 3]) << 24;
}

std::uint16_t Le16(int offset) {
    return static_cast<std::uint16_t>(ServiceSecurity[offset] | ServiceSecurity[offset + 1] << 8);
}

TEST(ServiceSecurity, IsASelfRelativeDescriptorWhosePartsFillItsBytes) {
    ASSERT_EQ(ServiceSecurity.size(), 184u);
    EXPECT_EQ(ServiceSecurity[0], 1);        // revision
    EXPECT_EQ(Le16(2), 0x8014);             // self-relative, system list and list present
    EXPECT_EQ(Le32(4), 160u);               // owner
    EXPECT_EQ(Le32(8), 172u);               // group
    EXPECT_EQ(Le32(12), 20u);               // system access list
    EXPECT_EQ(Le32(16), 48u);               // access list
    // Each list's size covers exactly its entries, and the lists meet end to end.
    for (const auto& [offset, next, entries] : {std::tuple{20, 48, 1}, std::tuple{48, 160, 4}}) {
        EXPECT_EQ(Le16(offset + 2), next - offset) << "list at " << offset;
        EXPECT_EQ(Le16(offset + 4), entries) << "list at " << offset;
        int at = offset + 8;
        for (int e = 0; e < entries; ++e) {
            at += Le16(at + 2);
        }
        EXPECT_EQ(at, next) << "list at " << offset;
    }
}

}  // namespace
