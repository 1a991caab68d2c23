// The key log as the keyboard's filter driver keeps it, for the tools that
// stand in for the driver. The file is exactly 200 bytes, so the reader's
// snapshot always holds the whole ring, and every line is 10 bytes:
//
//   K     13      the header: the slot written last, in hex, after five spaces
//         1C      slot 1: a report code, right-aligned in hex
//   FFFFFFFF      slot 2: empty
//   ...           up to slot 19, every line ended by CR LF
//
// The driver writes in place: a key's record goes into its slot before the
// header names that slot, so a reader never finds a header ahead of its record.
#pragma once

#include "keylog/key_log_reader.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kKeyLogLineSize = 10;
constexpr std::size_t kKeyLogSize = kKeyLogLineSize * (1 + kKeyLogSlotCount);
static_assert(kKeyLogSize <= kKeyLogReadSize, "the reader takes in the whole ring");

// One write into the key log: `bytes` at `offset`.
struct KeyLogWrite {
    std::size_t offset;
    std::string bytes;
};

// A whole key log with every slot empty and the header at `slot` (1-19).
std::string NewKeyLog(int slot);

// The slot the header of `bytes` (the whole file) names, or nothing when the
// file is not a key log in this layout; the driver then starts it afresh.
std::optional<int> KeyLogWriterSlot(std::string_view bytes);

// What pressing keys writes after the header named `slot`: for each report
// code in turn, its record into the next slot, then the header naming that slot.
std::vector<KeyLogWrite> KeyLogPresses(int slot, const std::vector<std::uint32_t>& reportCodes);

// Puts `write` into `image`, a whole key log.
void ApplyKeyLogWrite(std::string& image, const KeyLogWrite& write);
