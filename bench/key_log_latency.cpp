// How long a key takes from the key log to the dispatcher: the benchmark
// writes 200 keys into c:\ostrel.log as the keyboard's filter driver does and
// times each from its write to the view's dispatch line, once for keyvane.exe
// (woken early by the key log's changes) and once for keyvane_no_wakeup.exe
// (the same program built with KEYVANE_KEY_LOG_WAKEUP=OFF, polling on its
// 200 ms tick alone; bench/run.sh builds it). The same road is also timed in
// the first seconds of a run, while the program's start is still going on. It
// prints figures and fails only when a key is not dispatched at all.
#include "bench/figures.h"
#include "bench/key_stages.h"
#include "bench/keyvane_runs.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keys_after_start.h"
#include "tests/e2e/keyvane_process.h"
#include "tools/key_log_file.h"

#include <random>
#include <string>
#include <vector>

namespace {

constexpr char kKeyLog[] = "c:\\ostrel.log";
constexpr int kPresses = 200;
// Report code 19 is dispatched as key command 0x45.
constexpr std::uint32_t kReportCode = 19;
constexpr char kDispatched[] = "keyvane: command 0x45";

void MeasureKeyLogLatency(const char* program, const char* wakeUp) {
    E2E_CHECK(::GetFileAttributesA((e2e::TestDirectory() + program).c_str()) != INVALID_FILE_ATTRIBUTES,
              std::string(program) + " is beside the benchmark (bench/run.sh puts it there)");
    CKeyLogFile keyLog(kKeyLog);
    E2E_CHECK(keyLog.Create(19), "a fresh key log");
    e2e::KeyvaneProcess keyvane("winxp", program);
    bench::WaitSettled(keyvane);
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: key log synchronised at slot 19") >= 0, "the poll thread found the key log");

    // Keys come at random moments, as a user's do, so they land anywhere in the poll period.
    std::mt19937 random(20010401);
    std::uniform_int_distribution<DWORD> pauseMs(20, 220);
    std::vector<double> latencies;
    for (int press = 0; press < kPresses; ++press) {
        ::Sleep(pauseMs(random));
        const size_t from = keyvane.Mark();
        const double written = e2e::NowMs();
        E2E_CHECK(keyLog.Press({kReportCode}), "a key written");
        const long line = keyvane.WaitForLine(from, kDispatched, 2000);
        E2E_CHECK(line >= 0, "key " + std::to_string(press + 1) + " was dispatched");
        latencies.push_back(e2e::Monitor().Lines(static_cast<size_t>(line))[0].atMs - written);
    }
    bench::Quit(keyvane);
    ::DeleteFileA(kKeyLog);
    bench::PrintLatency(std::string("key log road: written to the dispatcher's entry, early wake-up ") + wakeUp,
                        latencies, std::to_string(kPresses) + " keys");
}

}  // namespace

E2E_CASE(Bench, KeyLogLatencyWithEarlyWakeUp) {
    MeasureKeyLogLatency("keyvane.exe", "on");
}

E2E_CASE(Bench, KeyLogLatencyWithoutEarlyWakeUp) {
    MeasureKeyLogLatency("keyvane_no_wakeup.exe", "off");
}

// Keys 0.5 s to 5 s after CreateProcess, 500 ms apart, in each of several
// starts; each start shifts them a little, so together they cover the span.
E2E_CASE(Bench, KeyLogLatencyInTheFirstSeconds) {
    constexpr int kStarts = 8;
    constexpr double kFirstMs = 500;
    constexpr double kLastMs = 5000;
    constexpr double kApartMs = 500;
    std::vector<double> latencies;
    for (int start = 0; start < kStarts; ++start) {
        std::vector<double> moments;
        for (double at = kFirstMs + start * kApartMs / kStarts; at <= kLastMs; at += kApartMs) {
            moments.push_back(at);
        }
        const std::vector<double> run = e2e::KeyLatenciesAfterStart(moments);
        latencies.insert(latencies.end(), run.begin(), run.end());
    }
    bench::PrintLatency("key log road: written 0.5-5 s after the start to the dispatcher's entry, early wake-up on",
                        latencies, std::to_string(latencies.size()) + " keys, " + std::to_string(kStarts) + " starts");
}

// The key log road stage by stage; report code 19 is copy, which sends Ctrl+C
// to the window in front.
E2E_CASE(Bench, KeyLogRoadStages) {
    CKeyLogFile keyLog(kKeyLog);
    E2E_CHECK(keyLog.Create(19), "a fresh key log");
    const bench::KeyRoad road{"key log road", "record written", true, 20, 220, 100};
    bench::MeasureKeyStages(
        road,
        [](e2e::KeyvaneProcess& keyvane) {
            E2E_CHECK(keyvane.WaitForLine(0, "keyvane: key log synchronised") >= 0, "the poll thread found the key log");
        },
        [&keyLog](e2e::KeyvaneProcess&) {
            const double written = e2e::NowMs();
            E2E_CHECK(keyLog.Press({kReportCode}), "a key written");
            return written;
        });
    ::DeleteFileA(kKeyLog);
}
