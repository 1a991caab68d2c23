#include "keylog/key_log_reader.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxHexDigits = 8;
// The header names the current slot right after its first run of five spaces;
// without such a run, from its fifth character on.
constexpr std::string_view kSlotMark = "     ";
constexpr std::size_t kSlotWithoutMark = 4;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsSlot(std::uint32_t slot) {
    return slot >= 1 && slot <= kKeyLogSlotCount;
}

// The header's slot; a slot field too long to read counts as slot 1.
std::uint32_t CurrentSlot(std::string_view header) {
    const std::size_t mark = header.find(kSlotMark);
    const std::size_t field =
        mark != std::string_view::npos ? mark + kSlotMark.size() : std::min(kSlotWithoutMark, header.size());
    std::uint32_t slot = 1;
    ParseHex(header.substr(field), slot);
    return slot;
}

// The slot lines: the complete lines after the header, slot 1 first, without
// their LF. Text after the last LF is not a line.
std::vector<std::string_view> SlotLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos && lines.size() < kKeyLogSlotCount;
         end = text.find('\n')) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

// A record is its line without the leading spaces, read as far as it is hex.
std::uint32_t RecordValue(std::string_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    std::uint32_t value = 0;
    ParseHex(line, value);
    return value;
}

}  // namespace

bool ParseHex(std::string_view text, std::uint32_t& number) {
    if (text.size() > kMaxHexDigits) {
        return false;
    }
    number = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) {
            return false;
        }
        number |= static_cast<std::uint32_t>(digit) << (4 * (text.size() - 1 - i));
    }
    return true;
}

int NextKeyLogSlot(int slot) {
    return slot % kKeyLogSlotCount + 1;
}

KeyLogPass ReadKeyLogPass(std::string_view text, int lastSlotHandled) {
    text = text.substr(0, text.find('\0'));
    // A missing, empty or nearly empty key log loses the thread its place.
    if (text.size() < 3) {
        return KeyLogPass{{}, 0};
    }
    int last = IsSlot(static_cast<std::uint32_t>(lastSlotHandled)) ? lastSlotHandled : 0;
    const std::size_t headerEnd = text.find('\n');
    if (headerEnd == std::string_view::npos || text.size() <= 3) {
        return KeyLogPass{{}, last};
    }
    const std::uint32_t current = CurrentSlot(text.substr(0, headerEnd));
    // A header that names no slot of the ring is not the driver's: nothing in
    // the text can be trusted, so the thread waits for a sound header and
    // takes its place from it afresh, as after a missing file.
    if (!IsSlot(current)) {
        return KeyLogPass{{}, 0};
    }
    const int slot = static_cast<int>(current);
    if (last == 0 || last == slot) {
        return KeyLogPass{{}, slot};
    }
    const std::vector<std::string_view> lines = SlotLines(text.substr(headerEnd + 1));
    KeyLogPass pass{{}, slot};
    do {
        last = NextKeyLogSlot(last);
        // A slot whose line the text does not hold has nothing to send; the
        // ring goes on with the slots it does hold.
        if (static_cast<std::size_t>(last) <= lines.size()) {
            const std::uint32_t value = RecordValue(lines[static_cast<std::size_t>(last) - 1]);
            if (value != kKeyLogNoRecord) {
                pass.records.push_back(value);
            }
        }
    } while (last != slot);
    return pass;
}
