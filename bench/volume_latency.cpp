// How long a volume key takes on Windows 10, where the program takes it from
// Windows and sets the level itself: from the moment its keyboard hook sees
// the key to the level set on the device (the stand-in audio endpoint, whose
// count of changes the benchmark watches), and to the strip's frame on the
// popup. The strip comes 100 ms after the last volume key by design, so that
// a row of keys shows one level; that figure includes the wait.
#include "bench/figures.h"
#include "bench/keyvane_runs.h"
#include "bench/stage_reader.h"
#include "tests/e2e/audio_stand_in.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kKeys = 200;

void PressKey(BYTE vk) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

// The moment the stand-in counts a change beyond `changes`, watched without
// sleeping (a sleep's 5 ms would swamp the figure); 0 when none comes in 2 s.
double LevelSetMs(const e2e::AudioStandIn& audio, unsigned changes) {
    const double deadline = e2e::NowMs() + 2000;
    for (;;) {
        const double now = e2e::NowMs();
        if (audio.SetCount(e2e::AudioStandIn::kSpeakers) != changes) {
            return now;
        }
        if (now >= deadline) {
            return 0;
        }
        ::SwitchToThread();
    }
}

}  // namespace

E2E_CASE(Bench, VolumeKeyOnWindows10) {
    e2e::AudioStandIn audio;
    e2e::KeyvaneProcess keyvane("win10");
    bench::WaitSettled(keyvane);
    bench::StampReader reader(keyvane);
    std::mt19937 random(20010401);
    std::uniform_int_distribution<DWORD> pauseMs(0, 40);
    std::vector<double> levelSet;
    std::vector<double> stripShown;
    for (int key = 0; key < kKeys; ++key) {
        E2E_CHECK(keyvane.Sync() >= 0, "the view answered");
        ::Sleep(pauseMs(random));
        const long mark = reader.Read().next;
        const unsigned changes = audio.SetCount(e2e::AudioStandIn::kSpeakers);
        // Up and down in turn, so the level stays near the middle.
        PressKey(key % 2 == 0 ? VK_VOLUME_UP : VK_VOLUME_DOWN);
        const double setMs = LevelSetMs(audio, changes);
        E2E_CHECK(setMs > 0, "key " + std::to_string(key + 1) + " set the level");
        bench::Found saw;
        bench::Found shown;
        E2E_CHECK(e2e::WaitFor(
                      [&] {
                          const auto& ring = reader.Read();
                          saw = bench::First(ring, framework::Stage::kHookSaw, mark);
                          shown = bench::First(ring, framework::Stage::kLevelShown, mark);
                          return saw.number >= 0 && shown.number >= 0;
                      },
                      2000),
                  "key " + std::to_string(key + 1) + " showed the strip");
        levelSet.push_back(setMs - saw.ms);
        stripShown.push_back(shown.ms - saw.ms);
    }
    bench::Quit(keyvane);
    const std::string samples = std::to_string(kKeys) + " keys";
    bench::PrintLatency("volume key, Windows 10: the hook saw it to the level set", levelSet, samples);
    bench::PrintLatency("volume key, Windows 10: the hook saw it to the strip's frame (100 ms wait included)",
                        stripShown, samples);
}
