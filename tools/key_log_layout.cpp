#include "tools/key_log_layout.h"

#include <cstdio>

namespace {

constexpr std::string_view kHeaderStart = "K     ";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kSlotDigits = 2;

// Formats `value` in hex by `format` and ends the line.
std::string Line(const char* format, std::uint32_t value) {
    char digits[kKeyLogLineSize];
    std::snprintf(digits, sizeof digits, format, static_cast<unsigned>(value));
    return digits + std::string(kLineEnd);
}

std::string HeaderLine(int slot) {
    return std::string(kHeaderStart) + Line("%02X", static_cast<std::uint32_t>(slot));
}

std::string SlotLine(std::uint32_t reportCode) {
    return Line("%8X", reportCode);
}

std::size_t SlotOffset(int slot) {
    return kKeyLogLineSize * static_cast<std::size_t>(slot);
}

}  // namespace

std::string NewKeyLog(int slot) {
    std::string image = HeaderLine(slot);
    for (int i = 0; i < kKeyLogSlotCount; ++i) {
        image += SlotLine(kKeyLogNoRecord);
    }
    return image;
}

std::optional<int> KeyLogWriterSlot(std::string_view bytes) {
    if (bytes.size() != kKeyLogSize || bytes.substr(0, kHeaderStart.size()) != kHeaderStart) {
        return std::nullopt;
    }
    for (std::size_t end = kKeyLogLineSize - kLineEnd.size(); end < kKeyLogSize; end += kKeyLogLineSize) {
        if (bytes.substr(end, kLineEnd.size()) != kLineEnd) {
            return std::nullopt;
        }
    }
    std::uint32_t slot = 0;
    if (!ParseHex(bytes.substr(kHeaderStart.size(), kSlotDigits), slot) || slot < 1 || slot > kKeyLogSlotCount) {
        return std::nullopt;
    }
    return static_cast<int>(slot);
}

std::vector<KeyLogWrite> KeyLogPresses(int slot, const std::vector<std::uint32_t>& reportCodes) {
    std::vector<KeyLogWrite> writes;
    for (const std::uint32_t reportCode : reportCodes) {
        slot = NextKeyLogSlot(slot);
        writes.push_back(KeyLogWrite{SlotOffset(slot), SlotLine(reportCode)});
        writes.push_back(KeyLogWrite{0, HeaderLine(slot)});
    }
    return writes;
}

void ApplyKeyLogWrite(std::string& image, const KeyLogWrite& write) {
    image.replace(write.offset, write.bytes.size(), write.bytes);
}
