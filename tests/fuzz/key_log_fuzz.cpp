// Fuzzes one pass over the key log. Whatever the text and the state, a pass
// returns, reads nothing outside the text (AddressSanitizer watches), hands on
// at most 19 records and never an empty slot's, leaves the thread in a state
// a pass can leave, and sends nothing when it reads the same text again.
//
// An input is the state before the pass in its first byte ('@' is 0, 'A' to
// 'S' are slots 1 to 19, every other byte a state no pass leaves), then the
// text read.
#include "keylog/key_log_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "key log pass: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int lastSlotHandled = static_cast<int>(data[0]) - '@';
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const KeyLogPass pass = ReadKeyLogPass(text, lastSlotHandled);
    Require(pass.records.size() <= static_cast<std::size_t>(kKeyLogSlotCount), "at most 19 records");
    Require(pass.lastSlotHandled >= 0 && pass.lastSlotHandled <= kKeyLogSlotCount, "a slot of the ring or 0");
    for (const std::uint32_t record : pass.records) {
        Require(record != kKeyLogNoRecord, "no empty slot is sent");
    }
    Require(ReadKeyLogPass(text, pass.lastSlotHandled).records.empty(), "an unchanged key log sends nothing again");
    return 0;
}
