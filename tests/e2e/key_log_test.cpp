// The key log road: write_key_log.exe keeps c:\ostrel.log as the keyboard's
// filter driver does, and the running program dispatches the keys it writes.
#include "tests/e2e/driver_scene.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keys_after_start.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/registry_fixture.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using e2e::KeyvaneProcess;

namespace {

constexpr char kKeyLog[] = "c:\\ostrel.log";
constexpr char kCommandLine[] = "keyvane: command ";

// Runs write_key_log.exe with `arguments`, waits for it and checks it succeeded.
void WriteKeyLog(const std::string& arguments) {
    E2E_CHECK_EQ(e2e::RunAndWait("\"" + e2e::TestDirectory() + "write_key_log.exe\" " + arguments, 10000), 0ul,
                 "write_key_log " + arguments + " succeeded");
}

// No key log before a case and none after it, so other cases start without one.
struct KeyLogRemoved {
    KeyLogRemoved() { ::DeleteFileA(kKeyLog); }
    ~KeyLogRemoved() { ::DeleteFileA(kKeyLog); }
};

// The key commands dispatched in `lines`, in order ("0x44", ...).
std::vector<std::string> Dispatched(const std::vector<std::string>& lines) {
    std::vector<std::string> commands;
    for (const std::string& line : lines) {
        if (line.rfind(kCommandLine, 0) == 0) {
            commands.push_back(line.substr(sizeof kCommandLine - 1));
        }
    }
    return commands;
}

std::string Joined(const std::vector<std::string>& commands) {
    std::string text;
    for (const std::string& command : commands) {
        text += command + " ";
    }
    return text;
}

// Starts the program on a key log that is already there and waits until its
// poll thread has taken its place in the ring at `slot`.
void StartOnKeyLog(KeyvaneProcess& keyvane, int slot) {
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    const std::string synchronised = "keyvane: key log synchronised at slot " + std::to_string(slot);
    E2E_CHECK(keyvane.WaitForLine(0, synchronised) >= 0, "the poll thread found the key log at slot " + std::to_string(slot));
}

}  // namespace

E2E_CASE(KeyLog, ReportCodes18Then19DispatchCutThenCopy) {
    const KeyLogRemoved removed;
    // Keys already in the key log when the program first sees it are old ones.
    WriteKeyLog("create 5");
    WriteKeyLog("press 28 30");
    KeyvaneProcess keyvane;
    StartOnKeyLog(keyvane, 7);
    const size_t from = keyvane.Mark();
    WriteKeyLog("press 18 19");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x45") >= 0, "report code 19 was dispatched");
    const auto commands = Dispatched(keyvane.LinesSince(0));
    E2E_CHECK((commands == std::vector<std::string>{"0x44", "0x45"}),
              "Ctrl+X (0x44) then Ctrl+C (0x45) and nothing else, got " + Joined(commands));
}

E2E_CASE(KeyLog, KeyLogThatCameBackSendsNoneOfItsRecords) {
    const KeyLogRemoved removed;
    WriteKeyLog("create");
    KeyvaneProcess keyvane;
    StartOnKeyLog(keyvane, 19);
    const size_t gone = keyvane.Mark();
    E2E_CHECK(::DeleteFileA(kKeyLog), "the key log was deleted");
    E2E_CHECK(keyvane.WaitForLine(gone, "keyvane: key log not synchronised") >= 0, "a pass found no key log");
    // It comes back at slot 2 with two keys in it, written at once.
    WriteKeyLog("press 18 19");
    E2E_CHECK(keyvane.WaitForLine(gone, "keyvane: key log synchronised at slot 2") >= 0,
              "the poll thread took its place in the new key log");
    const size_t back = keyvane.Mark();
    WriteKeyLog("press 20");
    E2E_CHECK(keyvane.WaitForLine(back, "keyvane: command 0x46") >= 0, "the next key was dispatched");
    const auto commands = Dispatched(keyvane.LinesSince(gone));
    E2E_CHECK((commands == std::vector<std::string>{"0x46"}),
              "only the key written after the key log came back (0x46), got " + Joined(commands));
}

E2E_CASE(KeyLog, KeysInTheFirstSecondsAfterStartActAtOnce) {
    const KeyLogRemoved removed;
    // Aimed at 50 ms; the bound leaves room for a busy machine and still
    // catches a start-up step that holds a key road for a good part of a second.
    constexpr double kBoundMs = 300;
    // Every 250 ms from half a second to five seconds after the start: across
    // the hook thread's start, the start-up picture's end and the first passes
    // of the driver check.
    std::vector<double> often;
    for (double at = 500; at <= 5000; at += 250) {
        often.push_back(at);
    }
    // Without the keyboard; and with the keyboard attached but without its
    // filter driver and no package to install it with (a setup without the
    // driver), the key log's header elsewhere in the ring, its keys as often
    // and a second apart, the poll thread idle between them.
    const struct {
        const char* name;
        bool unfiltered;
        std::vector<double> moments;
    } scenes[] = {{"no keyboard: ", false, often},
                  {"keyboard without its filter: ", true, often},
                  {"keyboard without its filter, keys a second apart: ", true, {1500, 2600, 3700}}};
    for (const auto& [scene, unfiltered, moments] : scenes) {
        std::optional<e2e::ScratchKey> keyboard;
        std::optional<e2e::InstallerRemoved> noInstaller;
        if (unfiltered) {
            keyboard.emplace(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_04D9&PID_0022");
            keyboard->CreateSubkey("INST_M");
            e2e::WriteRawValue(HKEY_LOCAL_MACHINE, keyboard->Path() + "\\INST_M", "ConfigFlags", REG_DWORD,
                               std::string(4, '\0'));
            noInstaller.emplace();
        }
        const std::vector<double> latencies = e2e::KeyLatenciesAfterStart(moments, unfiltered ? 5 : 19);
        std::string slow;
        for (size_t i = 0; i < latencies.size(); ++i) {
            if (latencies[i] > kBoundMs) {
                char text[64];
                std::snprintf(text, sizeof text, "%.0f ms at %.0f ms; ", latencies[i], moments[i]);
                slow += text;
            }
        }
        E2E_CHECK(slow.empty(), std::string(scene) + "every key acted within " + std::to_string(static_cast<int>(kBoundMs)) +
                                    " ms of its write, slow: " + slow);
    }
}
