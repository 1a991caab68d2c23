#include "tools/key_log_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the reader's text mode makes of the file: each CR LF pair reads as LF.
std::string TextMode(std::string bytes) {
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at)) {
        bytes.erase(at, 1);
    }
    return bytes;
}

TEST(KeyLogLayout, NewKeyLogFillsTheReadSizeAndNamesItsSlot) {
    for (int slot = 1; slot <= kKeyLogSlotCount; ++slot) {
        const std::string image = NewKeyLog(slot);
        EXPECT_EQ(image.size(), kKeyLogReadSize);
        EXPECT_EQ(KeyLogWriterSlot(image), slot);
        EXPECT_EQ(ReadKeyLogPass(TextMode(image), 0).lastSlotHandled, slot) << "the reader agrees";
    }
    EXPECT_EQ(NewKeyLog(10).substr(0, 30), "K     0A\r\nFFFFFFFF\r\nFFFFFFFF\r\n");
}

TEST(KeyLogLayout, WhatIsNotAKeyLogIsStartedAfresh) {
    const std::string good = NewKeyLog(7);
    std::string missingLineEnd = good;
    missingLineEnd[118] = ' ';
    const std::string notKeyLogs[] = {
        "", good.substr(1), good + "\r\n", "X" + good.substr(1), "K     00" + good.substr(8),
        "K     14" + good.substr(8), "K     0G" + good.substr(8), missingLineEnd, TextMode(good),
    };
    for (const std::string& bytes : notKeyLogs) {
        EXPECT_FALSE(KeyLogWriterSlot(bytes).has_value()) << '"' << bytes << '"';
    }
}

// The reader may look between any two writes: it must find every key exactly
// once and in order, never a header ahead of its record.
TEST(KeyLogLayout, AReaderLookingBetweenAnyTwoWritesGetsEveryKeyInOrder) {
    const std::vector<std::uint32_t> presses = {18, 19, 0x11D, 0, 28, 30, 0xFFFFFFFE, 5, 6, 7, 8, 9, 10,
                                                11, 12, 13, 14, 15, 16, 17, 20, 21, 22, 23, 24};
    std::string image = NewKeyLog(17);
    int last = ReadKeyLogPass(TextMode(image), 0).lastSlotHandled;
    std::vector<std::uint32_t> received;
    for (const std::uint32_t code : presses) {
        for (const KeyLogWrite& write : KeyLogPresses(*KeyLogWriterSlot(image), {code})) {
            ApplyKeyLogWrite(image, write);
            const KeyLogPass pass = ReadKeyLogPass(TextMode(image), last);
            received.insert(received.end(), pass.records.begin(), pass.records.end());
            last = pass.lastSlotHandled;
        }
    }
    EXPECT_EQ(received, presses);
    EXPECT_EQ(image.size(), kKeyLogSize);
}

TEST(KeyLogLayout, PressesInOneGoAreReadInRingOrder) {
    std::string image = NewKeyLog(18);
    for (const KeyLogWrite& write : KeyLogPresses(18, {0x12, 0x13, 0x1C})) {
        ApplyKeyLogWrite(image, write);
    }
    EXPECT_EQ(image.substr(0, 10), "K     02\r\n");
    const KeyLogPass pass = ReadKeyLogPass(TextMode(image), 18);
    EXPECT_EQ(pass.records, (std::vector<std::uint32_t>{0x12, 0x13, 0x1C}));
}

}  // namespace
