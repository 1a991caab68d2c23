// write_key_log.exe [--log PATH] press REPORT_CODE...
// write_key_log.exe [--log PATH] create [SLOT]
//
// Keeps the key log (c:\ostrel.log unless --log names another file) exactly as
// the keyboard's filter driver does, so a running keyvane.exe takes the keys
// from it. "press" writes one record per report code (decimal or 0x-hex), in
// order; "create" starts the key log afresh, every slot empty and the header
// at SLOT (1-19; 19 unless given), as the driver does when it starts.
#include "keylog/key_log_reader.h"
#include "tools/key_log_file.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr char kUsage[] =
    "usage: write_key_log [--log PATH] press REPORT_CODE...   (at most 19 codes, each 0 to 0xFFFFFFFE)\n"
    "       write_key_log [--log PATH] create [SLOT]          (SLOT 1 to 19, 19 unless given)\n";

// A decimal or 0x-hex number from `lowest` to `highest`.
std::optional<unsigned long> Number(const char* text, unsigned long lowest, unsigned long highest) {
    if (!std::isdigit(static_cast<unsigned char>(text[0]))) {
        return std::nullopt;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (*end != '\0' || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

int Press(CKeyLogFile& keyLog, int count, char** codes) {
    // More records than slots would overwrite one another before any reader saw them.
    if (count < 1 || count > kKeyLogSlotCount) {
        return Usage();
    }
    std::vector<std::uint32_t> reportCodes;
    for (int i = 0; i < count; ++i) {
        const auto code = Number(codes[i], 0, kKeyLogNoRecord - 1);
        if (!code) {
            std::fprintf(stderr, "write_key_log: not a report code: %s\n", codes[i]);
            return 2;
        }
        reportCodes.push_back(static_cast<std::uint32_t>(*code));
    }
    bool startedAfresh = false;
    if (!keyLog.Press(reportCodes, &startedAfresh)) {
        std::fprintf(stderr, "write_key_log: cannot write %s\n", keyLog.Path().c_str());
        return 1;
    }
    if (startedAfresh) {
        std::fprintf(stderr,
                     "write_key_log: %s was missing or not a key log and was started afresh; keyvane.exe takes "
                     "records it finds in a new key log as old and does not act on them\n",
                     keyLog.Path().c_str());
    }
    return 0;
}

int Create(CKeyLogFile& keyLog, int count, char** slotArgument) {
    const auto slot = count == 0 ? kKeyLogSlotCount : Number(slotArgument[0], 1, kKeyLogSlotCount);
    if (count > 1 || !slot) {
        return Usage();
    }
    if (!keyLog.Create(static_cast<int>(*slot))) {
        std::fprintf(stderr, "write_key_log: cannot write %s\n", keyLog.Path().c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int next = 1;
    const char* path = kKeyLogPath;
    if (next + 1 < argc && std::strcmp(argv[next], "--log") == 0) {
        path = argv[next + 1];
        next += 2;
    }
    if (next >= argc) {
        return Usage();
    }
    CKeyLogFile keyLog(path);
    const char* command = argv[next];
    const int count = argc - next - 1;
    if (std::strcmp(command, "press") == 0) {
        return Press(keyLog, count, argv + next + 1);
    }
    if (std::strcmp(command, "create") == 0) {
        return Create(keyLog, count, argv + next + 1);
    }
    return Usage();
}
