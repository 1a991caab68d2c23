#include "tests/e2e/keys_after_start.h"

#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tools/key_log_file.h"

#include <windows.h>

#include <string>

namespace e2e {

namespace {

constexpr char kKeyLog[] = "c:\\ostrel.log";
constexpr std::uint32_t kReportCode = 19;
constexpr char kDispatched[] = "keyvane: command 0x45";
constexpr char kSynchronised[] = "keyvane: key log synchronised at slot ";

}  // namespace

std::vector<double> KeyLatenciesAfterStart(const std::vector<double>& afterStartMs, int headerSlot, unsigned waitMs) {
    CKeyLogFile keyLog(kKeyLog);
    E2E_CHECK(keyLog.Create(headerSlot), "a fresh key log");
    const double started = NowMs();
    KeyvaneProcess keyvane("winxp");
    E2E_CHECK(keyvane.WaitForLine(0, kSynchronised, 15000) >= 0, "the poll thread found the key log");
    std::vector<double> latencies;
    for (const double at : afterStartMs) {
        const double due = started + at;
        // Waits for a moment, not for a condition: the key is due then.
        while (NowMs() < due) {
            ::Sleep(1);
        }
        const size_t from = keyvane.Mark();
        const double written = NowMs();
        E2E_CHECK(keyLog.Press({kReportCode}), "a key written");
        const long line = keyvane.WaitForLine(from, kDispatched, waitMs);
        E2E_CHECK(line >= 0, "the key written " + std::to_string(static_cast<int>(written - started)) +
                                 " ms after the start was dispatched");
        latencies.push_back(Monitor().Lines(static_cast<size_t>(line))[0].atMs - written);
    }
    ::DeleteFileA(kKeyLog);
    return latencies;
}

}  // namespace e2e
