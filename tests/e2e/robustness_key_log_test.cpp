// Key logs that are not what the driver writes, read by the real program:
// random bytes, a 10 MB file, a folder or a locked file in its place, and
// header and record lines of every odd shape. The program neither crashes
// nor hangs, it dispatches what the reader makes of each (no more), and a
// good key written afterwards is dispatched alone: no record of the bad key
// log, nor an old one, comes along with it.
#include "app/report_command_table.h"
#include "dispatch/key_commands.h"
#include "keylog/key_log_reader.h"
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/robustness_support.h"
#include "tests/e2e/test_window.h"
#include "tools/key_log_layout.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>

namespace {

// The key written after each bad key log: report code 28, volume up.
constexpr std::uint32_t kGoodReport = 28;
constexpr char kGoodCommand[] = "keyvane: command 0x0C";
constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;
constexpr char kCtrlZ = 0x1A;

std::string ReadFileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Put in place whole, as the reader must find the bad key log and not a half-written one.
void WriteFileBytes(const std::string& bytes) {
    const std::string staged = std::string(e2e::KeyLogRoad::Path()) + ".new";
    {
        std::ofstream file(staged, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        E2E_CHECK(file.good(), "the bad key log was written");
    }
    // The system refuses the replacement while the poll thread has the key log open for its read.
    const auto replaced = [&] {
        return ::MoveFileExA(staged.c_str(), e2e::KeyLogRoad::Path(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    };
    E2E_CHECK(e2e::WaitFor(replaced, 2000),
              "the bad key log took the key log's place, error " + std::to_string(::GetLastError()));
}

// The text the program reads of `bytes`: at most 200 characters, read in text
// mode, where CR LF reads as LF and Ctrl+Z ends the file.
std::string TextModeRead(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && text.size() < kKeyLogReadSize && bytes[i] != kCtrlZ; ++i) {
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            text += bytes[i];
        }
    }
    return text;
}

std::string Header(const std::string& slotField) {
    return "K     " + slotField + "\r\n";
}

std::string HexSlot(int slot) {
    std::ostringstream text;
    text << std::hex << std::uppercase << slot;
    return text.str();
}

// A driver's ring after the header naming `slot`, with `records` (lines as
// they stand) from the slot after `last` on and every other slot empty.
std::string Ring(int last, const std::vector<std::string>& records) {
    std::vector<std::string> lines(kKeyLogSlotCount, "FFFFFFFF");
    int slot = last;
    for (const std::string& record : records) {
        slot = NextKeyLogSlot(slot);
        lines[static_cast<std::size_t>(slot) - 1] = record;
    }
    std::string ring;
    for (const std::string& line : lines) {
        ring += line + "\r\n";
    }
    return ring;
}

// The slot `count` places after `last`.
int SlotAfter(int last, int count) {
    for (int i = 0; i < count; ++i) {
        last = NextKeyLogSlot(last);
    }
    return last;
}

std::string RandomBytes(unsigned seed, std::size_t size, bool textSafe) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        do {
            byte = static_cast<char>(generator() & 0xFF);
        } while (textSafe && (byte == '\r' || byte == kCtrlZ));
    }
    return bytes;
}

// Record lines of every odd shape, each a key for the reader.
const std::vector<std::string> kOddRecords = {
    "",             // empty: report code 0
    "      1D",     // right-aligned as the driver writes: 29, volume down
    "1C junk",      // stops at the blank with 0x1C00000 read: report code 0
    "123456789",    // too long to read: 0
    "-1",           // not hex: 0
    "0x1D",         // not hex past the 0: 0
    "fffffffe",     // lower case, one below the empty slot: report code 0xFE, no command
    "  \t1C",       // a tab after the blanks: 0
    "3C",           // report code 60, past the table
};

struct BadKeyLog {
    const char* name;
    // The file's bytes, given the slot the reader stands on.
    std::function<std::string(int last)> bytes;
};

const BadKeyLog kBadKeyLogs[] = {
    {"an empty file", [](int) { return std::string(); }},
    {"two bytes", [](int) { return std::string("K\n"); }},
    {"a header without its line end", [](int last) { return "K     " + HexSlot(SlotAfter(last, 1)); }},
    {"a header naming slot 0", [](int last) { return Header("0") + Ring(last, {"1C"}); }},
    {"a header naming slot 20", [](int last) { return Header("14") + Ring(last, {"1C"}); }},
    {"a header slot that is not hex", [](int last) { return Header("zz") + Ring(last, {"1C"}); }},
    {"a header slot field too long to read", [](int last) { return Header("123456789") + Ring(last, {"3C", "3D"}); }},
    {"a header without its five blanks", [](int last) { return "Key " + HexSlot(SlotAfter(last, 1)) + "\r\n" + Ring(last, {"1D"}); }},
    {"records of every odd shape",
     [](int last) { return Header(HexSlot(SlotAfter(last, 9))) + Ring(last, kOddRecords); }},
    {"fewer slot lines than the header needs",
     [](int last) { return Header(HexSlot(SlotAfter(last, 3))) + "      1C\r\n"; }},
    {"LF line ends", [](int last) { return "K     " + HexSlot(SlotAfter(last, 1)) + "\n" + std::string(19, '\n'); }},
    {"CR line ends", [](int last) { return "K     " + HexSlot(SlotAfter(last, 1)) + "\r      1C\r"; }},
    {"a NUL inside the ring",
     [](int last) { return Header(HexSlot(SlotAfter(last, 2))) + Ring(last, {"1C", std::string("1", 1) + '\0' + "D"}); }},
    {"Ctrl+Z inside the ring",
     [](int last) { return Header(HexSlot(SlotAfter(last, 2))) + Ring(last, {"1C", std::string("1") + kCtrlZ + "D"}); }},
    {"200 random bytes", [](int) { return RandomBytes(1, 200, true); }},
    {"4 KB of random bytes", [](int) { return RandomBytes(2, 4096, true); }},
    {"random bytes with every byte value", [](int) { return RandomBytes(3, 4096, false); }},
    {"10 MB of random bytes", [](int) { return RandomBytes(4, kTenMegabytes, true); }},
    {"a sound ring followed by 10 MB",
     [](int last) {
         return Header(HexSlot(SlotAfter(last, 2))) + Ring(last, {"1C", "1D"}) + RandomBytes(5, kTenMegabytes, false);
     }},
    {"one 10 MB line", [](int) { return std::string(kTenMegabytes, 'K'); }},
};

// What the program should dispatch for `records`: "keyvane: command 0x0C" for
// each report code with a defined command.
std::vector<std::string> CommandLines(const std::vector<std::uint32_t>& records) {
    std::vector<std::string> lines;
    for (std::uint32_t record : records) {
        const auto command = CommandForReport(record);
        if (command && IsDefinedKeyCommand(*command)) {
            char line[40];
            std::snprintf(line, sizeof line, "keyvane: command 0x%02X", *command);
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> DispatchedSince(const e2e::KeyvaneProcess& keyvane, size_t from) {
    std::vector<std::string> lines;
    for (const std::string& line : keyvane.LinesSince(from)) {
        if (line.rfind("keyvane: command ", 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Writes the good key until it is dispatched: a reader that lost its place
// takes the first key log it finds again as old, and one that a bad header
// left on slot 1 sees nothing new in a key log started afresh there. Returns
// the slot the reader stands on then.
int GoodKeyDispatched(const e2e::KeyvaneProcess& keyvane, e2e::KeyLogRoad& road, const std::string& after) {
    constexpr int kWrites = 4;
    bool dispatched = false;
    for (int write = 0; write < kWrites && !dispatched; ++write) {
        const size_t from = keyvane.Mark();
        road.Write({kGoodReport});
        e2e::WaitFor(
            [&] {
                dispatched = keyvane.WaitForLine(from, kGoodCommand, 0) >= 0;
                return dispatched || keyvane.WaitForLine(from, "keyvane: key log synchronised", 0) >= 0;
            },
            2000);
    }
    E2E_CHECK(dispatched, "the good key was dispatched after " + after);
    const auto slot = KeyLogWriterSlot(ReadFileBytes(e2e::KeyLogRoad::Path()));
    E2E_CHECK(slot.has_value(), "the key log is the driver's again");
    return *slot;
}

// Holds the place of the key log, so that the reader finds `what` there.
class InPlaceOfTheKeyLog {
public:
    explicit InPlaceOfTheKeyLog(bool folder) : m_folder(folder) {
        ::DeleteFileA(e2e::KeyLogRoad::Path());
        if (folder) {
            ::CreateDirectoryA(e2e::KeyLogRoad::Path(), nullptr);
        } else {
            m_file = ::CreateFileA(e2e::KeyLogRoad::Path(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            const std::string ring = NewKeyLog(3);
            DWORD written = 0;
            ::WriteFile(m_file, ring.data(), static_cast<DWORD>(ring.size()), &written, nullptr);
        }
    }
    ~InPlaceOfTheKeyLog() {
        if (m_folder) {
            ::RemoveDirectoryA(e2e::KeyLogRoad::Path());
        } else {
            ::CloseHandle(m_file);
            ::DeleteFileA(e2e::KeyLogRoad::Path());
        }
    }
    InPlaceOfTheKeyLog(const InPlaceOfTheKeyLog&) = delete;
    InPlaceOfTheKeyLog& operator=(const InPlaceOfTheKeyLog&) = delete;

private:
    bool m_folder;
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

}  // namespace

E2E_CASE(Robustness, BadKeyLogsAreReadAsTheReaderSaysAndTheNextGoodKeyComesAlone) {
    e2e::KeyLogRoad road;
    const e2e::LeftoverSweep sweep;
    // Chords a bad record might send land here.
    e2e::TestEditWindow window;
    E2E_CHECK(window.Activate(), "the test window is in front");
    const e2e::DispatchSession keyvane("winxp");
    road.StartFresh(keyvane, 1);
    int last = GoodKeyDispatched(keyvane, road, "the start");
    for (const BadKeyLog& bad : kBadKeyLogs) {
        const std::string bytes = bad.bytes(last);
        const KeyLogPass pass = ReadKeyLogPass(TextModeRead(bytes), last);
        const std::vector<std::string> expected = CommandLines(pass.records);
        const size_t from = keyvane.Mark();
        WriteFileBytes(bytes);
        // Wait until the reader has seen the bad key log, where that shows.
        if (pass.lastSlotHandled == 0) {
            E2E_CHECK(keyvane.WaitForLine(from, "keyvane: key log not synchronised") >= 0,
                      std::string("the reader lost its place on ") + bad.name);
        } else {
            E2E_CHECK(e2e::WaitForLines(keyvane, from, "keyvane: icon active", pass.records.size(), 5000),
                      std::string("the reader sent the records of ") + bad.name);
            // The last record's dispatch line follows its icon line: let it arrive
            // before the good key is written, or it would pass for the good key's.
            E2E_CHECK(keyvane.Sync() >= 0, std::string("keyvane handled the records of ") + bad.name);
        }
        last = GoodKeyDispatched(keyvane, road, bad.name);
        std::vector<std::string> dispatched = DispatchedSince(keyvane, from);
        std::vector<std::string> wanted = expected;
        wanted.push_back(kGoodCommand);
        E2E_CHECK(dispatched == wanted, std::string("after ") + bad.name + " expected " + e2e::Bracketed(wanted) + "got " +
                                            e2e::Bracketed(dispatched));
        E2E_CHECK(keyvane.Sync() >= 0, std::string("keyvane answers after ") + bad.name);
    }
    for (const bool folder : {true, false}) {
        const char* what = folder ? "a folder in place of the key log" : "a key log locked by another program";
        const size_t from = keyvane.Mark();
        {
            const InPlaceOfTheKeyLog inPlace(folder);
            E2E_CHECK(keyvane.WaitForLine(from, "keyvane: key log not synchronised") >= 0,
                      std::string("the reader lost its place on ") + what);
            E2E_CHECK(keyvane.Sync() >= 0, std::string("keyvane answers with ") + what);
        }
        GoodKeyDispatched(keyvane, road, what);
        const std::vector<std::string> dispatched = DispatchedSince(keyvane, from);
        E2E_CHECK(dispatched == std::vector<std::string>{kGoodCommand},
                  std::string("after ") + what + " only the good key, got " + e2e::Bracketed(dispatched));
    }
    E2E_CHECK(keyvane.IsRunning(), "keyvane is still running");
}
