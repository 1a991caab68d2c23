// Ten thousand keys on both roads against one running program: it keeps
// answering, its working set stays put once warmed up, and no picture is
// left on the screen.
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/robustness_support.h"

#include <cstdio>

namespace {

const UINT g_keyCommand = ::RegisterWindowMessageA("KeyCommand");

// Commands that only show pictures (volume, mute: this machine has no sound
// card), scroll, or dispatch nothing; the hook road's codes first, then the
// report codes that the key log road writes for the same commands.
constexpr unsigned kHookCodes[] = {0x0C, 0x0D, 0x01, 0x14, 0x18, 0x08, 0x09, 0x0A, 0x13, 0x4F, 0x80, 0xFF};
constexpr unsigned kHookCommands = 8;  // the first codes run a command
constexpr std::uint32_t kReportCodes[] = {28, 29, 30, 26, 27, 11, 13, 14, 55, 57, 60, 255};
constexpr unsigned kReportCommands = 8;

constexpr int kHookKeysPerRound = 22;
constexpr int kKeyLogKeysPerRound = 18;
constexpr int kRounds = 250;  // 10 000 keys
constexpr int kWarmUpRounds = 25;
constexpr size_t kMostGrowthBytes = 1024 * 1024;

struct Round {
    size_t keys;
    size_t commands;
};

// One round: keys posted to the view as the hook library's thread does, and
// a write into the key log, both at once; returns what should be dispatched.
Round PressRound(const e2e::DispatchSession& keyvane, e2e::KeyLogRoad& road, int round) {
    Round expected{0, 0};
    for (int i = 0; i < kHookKeysPerRound; ++i) {
        const unsigned index = static_cast<unsigned>(round + i) % std::size(kHookCodes);
        E2E_CHECK(::PostMessageA(keyvane.View(), g_keyCommand, 0, kHookCodes[index]), "the key was posted");
        ++expected.keys;
        expected.commands += index < kHookCommands ? 1 : 0;
    }
    std::vector<std::uint32_t> records;
    for (int i = 0; i < kKeyLogKeysPerRound; ++i) {
        const unsigned index = static_cast<unsigned>(round * 7 + i) % std::size(kReportCodes);
        records.push_back(kReportCodes[index]);
        ++expected.keys;
        expected.commands += index < kReportCommands ? 1 : 0;
    }
    road.Write(records);
    return expected;
}

bool PicturesGone(const e2e::KeyvaneProcess& keyvane) {
    return e2e::WaitFor([&] { return e2e::FindPopups(keyvane.Pid(), keyvane.Frame()).empty(); }, 5000);
}

}  // namespace

E2E_CASE(Robustness, TenThousandKeysOnBothRoads) {
    e2e::KeyLogRoad road;
    const e2e::DispatchSession keyvane("winxp");
    road.StartFresh(keyvane);
    size_t warmedUp = 0;
    const double start = e2e::NowMs();
    for (int round = 0; round < kRounds; ++round) {
        const size_t from = keyvane.Mark();
        const Round expected = PressRound(keyvane, road, round);
        const std::string where = " in round " + std::to_string(round);
        E2E_CHECK(e2e::WaitForLines(keyvane, from, "keyvane: icon active", expected.keys, 20000),
                  "every key arrived" + where);
        E2E_CHECK(e2e::WaitForLines(keyvane, from, "keyvane: command ", expected.commands, 5000),
                  "every command ran" + where);
        E2E_CHECK_EQ(e2e::CountLines(keyvane, from, "keyvane: command "), expected.commands,
                     "commands dispatched" + where);
        E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers" + where);
        if (round + 1 == kWarmUpRounds) {
            E2E_CHECK(PicturesGone(keyvane), "the pictures closed after the warm-up");
            warmedUp = e2e::WorkingSetBytes(keyvane.Pid());
            E2E_CHECK(warmedUp > 0, "the working set can be read");
        }
    }
    const double elapsed = e2e::NowMs() - start;
    E2E_CHECK(keyvane.IsRunning(), "keyvane is still running");
    E2E_CHECK(PicturesGone(keyvane), "no picture is left on the screen");
    const size_t after = e2e::WorkingSetBytes(keyvane.Pid());
    std::printf("soak: %d keys in %.0f ms; working set %zu KB after the warm-up, %zu KB at the end\n",
                kRounds * (kHookKeysPerRound + kKeyLogKeysPerRound), elapsed, warmedUp / 1024, after / 1024);
    E2E_CHECK(after < warmedUp + kMostGrowthBytes,
              "the working set grew by " + std::to_string((static_cast<long long>(after) - static_cast<long long>(warmedUp)) / 1024) + " KB");
}
