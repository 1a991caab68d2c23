// Reading the key log: the keyboard's filter driver keeps the keys it sees as
// a ring of 19 numbered slots in a small text file, and the poll thread takes
// the records that are new since its last look. Everything here is one pass
// over the text read, so it can be checked without the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The key log's fixed place, and the folder watched for its changes.
constexpr char kKeyLogPath[] = "c:\\ostrel.log";
constexpr char kKeyLogFolder[] = "c:\\";

// The ring has 19 slots, numbered 1 to 19; the slot after 19 is 1.
constexpr int kKeyLogSlotCount = 19;
// The reader takes in at most this much of the file each pass.
constexpr std::size_t kKeyLogReadSize = 200;
// A slot holding this value has no key in it and is never handed on.
constexpr std::uint32_t kKeyLogNoRecord = 0xFFFFFFFF;

// Reads up to 8 hexadecimal digits into `number`. Each digit's weight comes
// from the whole length of `text`, so at the first character that is not a
// digit it stops and fails with the digits before it already ORed in ("1A "
// leaves 0x1A0). A text longer than 8 characters fails at once and leaves
// `number` as it was; an empty text succeeds with 0.
bool ParseHex(std::string_view text, std::uint32_t& number);

// The slot that follows `slot` in the ring.
int NextKeyLogSlot(int slot);

// What one pass over the key log hands on, and where it leaves the reader.
struct KeyLogPass {
    // The report codes to send, oldest first (at most 19).
    std::vector<std::uint32_t> records;
    // The last slot handled after the pass: 1-19, or 0 while not synchronised.
    int lastSlotHandled = 0;
};

// One pass: `text` is what was read of the key log (it ends at its first NUL),
// `lastSlotHandled` what the previous pass left (0 at start). A reader that is
// not synchronised only takes the header's slot: records already in the file
// when it first sees it, or when the file comes back after being missing or
// too short, are never sent.
KeyLogPass ReadKeyLogPass(std::string_view text, int lastSlotHandled);
