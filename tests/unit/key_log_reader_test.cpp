#include "keylog/key_log_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using Records = std::vector<std::uint32_t>;

struct HexCase {
    const char* text;
    std::uint32_t before;
    bool ok;
    std::uint32_t after;
};

TEST(ParseHex, WeighsDigitsByTheWholeLength) {
    const HexCase cases[] = {
        {"1A", 7, true, 0x1A},
        {"1a", 7, true, 0x1A},
        {"0A", 7, true, 0x0A},
        {"", 7, true, 0},
        {"12345678", 0, true, 0x12345678},
        {"FFFFFFFF", 0, true, 0xFFFFFFFF},
        {"1A ", 7, false, 0x1A0},
        {"1x2", 7, false, 0x100},
        {"x1", 7, false, 0},
        {"123456789", 0x55, false, 0x55},
    };
    for (const HexCase& c : cases) {
        std::uint32_t number = c.before;
        EXPECT_EQ(ParseHex(c.text, number), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(number, c.after) << '"' << c.text << '"';
    }
}

// A key log as the reader takes it in: the header's slot field after "K" and
// five spaces, then the 19 slot lines; slot k holds the record k unless given.
std::string Log(const std::string& slotField, std::map<int, std::string> lines = {}, int lineCount = 19) {
    std::string text = "K     " + slotField + "\n";
    for (int slot = 1; slot <= lineCount; ++slot) {
        char record[16];
        std::snprintf(record, sizeof record, "%8X", static_cast<unsigned>(slot));
        text += (lines.count(slot) != 0 ? lines[slot] : record) + std::string("\n");
    }
    return text;
}

std::string Log(int slot) {
    char field[8];
    std::snprintf(field, sizeof field, "%02X", static_cast<unsigned>(slot));
    return Log(field);
}

struct Pass {
    std::string text;
    Records records;
    int lastSlotHandled;
};

struct PassesCase {
    const char* what;
    int lastSlotHandled;  // before the first pass
    std::vector<Pass> passes;
};

void PrintTo(const PassesCase& c, std::ostream* out) {
    *out << c.what;
}

class KeyLogPassTest : public testing::TestWithParam<PassesCase> {};

TEST_P(KeyLogPassTest, SendsTheNewRecords) {
    const PassesCase& c = GetParam();
    int last = c.lastSlotHandled;
    for (size_t i = 0; i < c.passes.size(); ++i) {
        const KeyLogPass pass = ReadKeyLogPass(c.passes[i].text, last);
        EXPECT_EQ(pass.records, c.passes[i].records) << c.what << ", pass " << i + 1;
        EXPECT_EQ(pass.lastSlotHandled, c.passes[i].lastSlotHandled) << c.what << ", pass " << i + 1;
        last = pass.lastSlotHandled;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ring, KeyLogPassTest,
    testing::Values(
        PassesCase{"records already there at start", 0, {{Log(5), {}, 5}, {Log(7), {6, 7}, 7}}},
        PassesCase{"across the end of the ring", 18, {{Log(2), {19, 1, 2}, 2}}},
        PassesCase{"a whole round", 4, {{Log(3), {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 1, 2, 3}, 3}}},
        PassesCase{"nothing new even though lines changed", 5, {{Log("05", {{5, "20"}, {6, "21"}}), {}, 5}}},
        PassesCase{"one letter, five spaces and 0A", 0, {{Log("0A"), {}, 10}, {Log("0B"), {11}, 11}}},
        PassesCase{"no five spaces: the slot from the fifth character", 5,
                   {{"SLOT06\n" + Log(6).substr(9), {6}, 6}}},
        PassesCase{"a slot field of 9 characters is slot 1", 19, {{Log("000000002"), {1}, 1}}}));

INSTANTIATE_TEST_SUITE_P(
    Records, KeyLogPassTest,
    testing::Values(
        PassesCase{"leading spaces", 5, {{Log("06", {{6, "   1F"}}), {0x1F}, 6}}},
        PassesCase{"an empty slot is never sent", 5, {{Log("07", {{6, "FFFFFFFF"}}), {7}, 7}}},
        PassesCase{"9 or more characters send 0", 5,
                   {{Log("07", {{6, "123456789"}, {7, "  FFFFFFFFF"}}), {0, 0}, 7}}},
        PassesCase{"a bad character keeps the digits before it", 5, {{Log("06", {{6, "1C x"}}), {0x1C00}, 6}}}));

INSTANTIATE_TEST_SUITE_P(
    ShortTexts, KeyLogPassTest,
    testing::Values(
        PassesCase{"a missing file resynchronises without sending", 0,
                   {{Log(5), {}, 5}, {"", {}, 0}, {Log(8), {}, 8}, {Log(9), {9}, 9}}},
        PassesCase{"two characters lose the place", 5, {{"K\n", {}, 0}}},
        PassesCase{"three characters keep it and send nothing", 5, {{"K\n1", {}, 5}, {Log(6), {6}, 6}}},
        PassesCase{"no LF keeps it and sends nothing", 5, {{"K     07", {}, 5}, {Log(7), {6, 7}, 7}}},
        PassesCase{"the text ends at its first NUL", 5,
                   {{std::string("K\0     07\n", 10) + Log(7).substr(9), {}, 0}, {Log(7), {}, 7}}}));

// Where the key log does not hold what the ring needs.
INSTANTIATE_TEST_SUITE_P(
    BrokenLogs, KeyLogPassTest,
    testing::Values(
        PassesCase{"a header beyond slot 19 resynchronises", 5, {{Log("14"), {}, 0}, {Log(9), {}, 9}, {Log(10), {10}, 10}}},
        PassesCase{"a header of slot 0", 5, {{Log("00"), {}, 0}}},
        PassesCase{"a slot field that is no number", 5, {{Log("zz"), {}, 0}}},
        PassesCase{"six spaces leave a slot field that starts with one", 5, {{"K      07\n" + Log(7).substr(9), {}, 0}}},
        PassesCase{"a header too short for a slot field", 5, {{"K1\n" + Log(7).substr(9), {}, 0}}},
        PassesCase{"at start a bad header does not synchronise", 0, {{Log("FF"), {}, 0}}},
        PassesCase{"missing slot lines are passed over", 5, {{Log("09", {}, 7), {6, 7}, 9}, {Log(10), {10}, 10}}},
        PassesCase{"a last line without LF is no line", 5, {{Log("07", {}, 6) + "       7", {6}, 7}}},
        PassesCase{"a place no pass leaves counts as not synchronised", 25, {{Log(7), {}, 7}}}));

TEST(KeyLogPass, RereadingAnUnchangedLogSendsNothing) {
    for (int slot = 1; slot <= kKeyLogSlotCount; ++slot) {
        // From the slot after the header's, the longest way round.
        const KeyLogPass first = ReadKeyLogPass(Log(slot), NextKeyLogSlot(slot));
        EXPECT_EQ(first.records.size(), 18u) << slot;
        EXPECT_TRUE(ReadKeyLogPass(Log(slot), first.lastSlotHandled).records.empty()) << slot;
    }
}

}  // namespace
