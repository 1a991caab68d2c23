// Where a key's time goes, stage by stage, on either road: the program stamps
// each stage into its ring (framework/stage_stamps.h), a window of the
// benchmark in front stamps the chord's Ctrl as it arrives, and the
// benchmark reads the ring after each key. Beside the stages it measures the
// two floors no program gets below, in the same run: a message round trip
// to the view, and a keystroke the benchmark sends to its own window.
#pragma once

#include "framework/stage_stamps.h"
#include "tests/e2e/keyvane_process.h"

#include <windows.h>

#include <functional>
#include <string>

namespace bench {

struct KeyRoad {
    const char* name;       // "hook road"
    const char* start;      // what the first stage starts from: "KeyCommand posted"
    // A stage the program stamps before the view takes the key (the key log's
    // poll thread), or none.
    bool pollThreadStage;
    DWORD minPauseMs;       // keys come this far apart, at random
    DWORD maxPauseMs;
    int keysPerRun;
};

// Once the program is settled, before its first key.
using PrepareRun = std::function<void(e2e::KeyvaneProcess&)>;
// Sends one key that keyvane turns into Ctrl+C, returns the moment it was sent (e2e::NowMs).
using SendKey = std::function<double(e2e::KeyvaneProcess&)>;

// Runs keyvane.exe, and keyvane_before.exe when it is beside the benchmark
// (an earlier build to compare with), in turns, and prints the median and
// 99th percentile of each stage for each.
void MeasureKeyStages(const KeyRoad& road, const PrepareRun& prepare, const SendKey& send);

}  // namespace bench
