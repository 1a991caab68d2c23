// The volume keys on Windows 10, typed into a window of the test program with
// keyvane behind it: the stand-in audio endpoint plays the default playback
// device, whose level and mute the cases set and read from outside.
#include "tests/e2e/audio_stand_in.h"
#include "tests/e2e/dialog_driver.h"
#include "tests/e2e/dispatch_test_window.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/popups.h"
#include "tests/e2e/registry_fixture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using e2e::AudioStandIn;
using e2e::KeyvaneProcess;

namespace {

constexpr int kSpeakers = AudioStandIn::kSpeakers;
constexpr int kHeadphones = AudioStandIn::kHeadphones;

bool LevelBecomes(const AudioStandIn& audio, int device, float level) {
    return e2e::WaitFor([&] { return std::fabs(audio.Level(device) - level) < 0.001f; }, 3000);
}

// The lines of keyvane's pictures and level strips since `from`.
std::vector<std::string> Shown(const KeyvaneProcess& keyvane, size_t from) {
    std::vector<std::string> shown;
    for (const std::string& line : keyvane.LinesSince(from)) {
        if (line.rfind("keyvane: picture ", 0) == 0 || line.rfind("keyvane: volume level ", 0) == 0) {
            shown.push_back(line.substr(sizeof "keyvane: " - 1));
        }
    }
    return shown;
}

// What a screen reader hears of the one popup up, once it says `text`.
bool PopupSays(const KeyvaneProcess& keyvane, const std::string& text) {
    return e2e::WaitFor(
        [&] {
            for (HWND popup : e2e::FindPopups(keyvane.Pid(), keyvane.Frame())) {
                char title[64] = {};
                ::GetWindowTextA(popup, title, sizeof title);
                if (text == title) {
                    return true;
                }
            }
            return false;
        },
        3000);
}

// The volume keys the window in front received. A plain key typed after them
// arrives after any of them would have, so once it is there they are all in.
std::vector<std::string> VolumeKeysReceived(const e2e::TestWindow& front) {
    e2e::Press(VK_F13);
    const std::string plainUp = e2e::KeyMessage("up", VK_F13);
    E2E_CHECK(e2e::WaitFor(
                  [&] {
                      const auto messages = e2e::Describe(front.Messages());
                      return std::find(messages.begin(), messages.end(), plainUp) != messages.end();
                  },
                  3000),
              "the plain key reached the window in front, which got: " + e2e::Bracketed(e2e::Describe(front.Messages())));
    std::vector<std::string> keys;
    for (const std::string& message : e2e::Describe(front.Messages())) {
        for (UINT vk : {VK_VOLUME_UP, VK_VOLUME_DOWN, VK_VOLUME_MUTE}) {
            if (message == e2e::KeyMessage("down", vk) || message == e2e::KeyMessage("up", vk)) {
                keys.push_back(message);
            }
        }
    }
    return keys;
}

// keyvane seeing Windows 10, started once the stand-in is registered, and a
// window of the test program in front of it.
struct Windows10InFront {
    Windows10InFront() {
        E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
        E2E_CHECK(front.BringToFront(), "the test window is in front");
    }
    KeyvaneProcess keyvane{"win10"};
    e2e::TestWindow front{"KeyvaneVolumeFront"};
};

// A key held for `repeats` auto-repeats, then let go.
void Hold(BYTE vk, int repeats) {
    const auto scan = static_cast<BYTE>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    for (int i = 0; i <= repeats; ++i) {
        ::keybd_event(vk, scan, 0, 0);
    }
    ::keybd_event(vk, scan, KEYEVENTF_KEYUP, 0);
}

}  // namespace

E2E_CASE(VolumeKeys, OnWindows10TheKeysStepTheDeviceByTwoPercentAndWindowsNeverSeesThem) {
    AudioStandIn audio;
    audio.ChangeFromElsewhere(kSpeakers, 0.21f, false);
    Windows10InFront scene;
    KeyvaneProcess& keyvane = scene.keyvane;
    const e2e::TestWindow& front = scene.front;
    const struct {
        BYTE key;
        float level;
        const char* strip;
        const char* text;
    } presses[] = {
        {VK_VOLUME_UP, 0.22f, "volume level 5", "Volume 22 %"},
        {VK_VOLUME_UP, 0.24f, "volume level 6", "Volume 24 %"},
        {VK_VOLUME_DOWN, 0.22f, "volume level 5", "Volume 22 %"},
    };
    for (const auto& press : presses) {
        const size_t from = keyvane.Mark();
        e2e::Press(press.key);
        E2E_CHECK(LevelBecomes(audio, kSpeakers, press.level),
                  "the level went to " + std::to_string(press.level) + ", is " + std::to_string(audio.Level(kSpeakers)));
        E2E_CHECK(keyvane.WaitForLine(from, std::string("keyvane: ") + press.strip) >= 0, press.strip);
        E2E_CHECK(PopupSays(keyvane, press.text), std::string("the strip says ") + press.text);
    }
    E2E_CHECK_EQ(audio.SetCount(kSpeakers), 3u, "one change per press");
    E2E_CHECK(!IsEqualGUID(audio.LastContext(kSpeakers), AudioStandIn::kElsewhere) &&
                  !IsEqualGUID(audio.LastContext(kSpeakers), GUID_NULL),
              "the changes carry keyvane's own context");
    E2E_CHECK(VolumeKeysReceived(front).empty(), "no volume key reached the window in front");
    // The strip as the user sees it at 22 %: frame 5, cut to its shape.
    const HRGN frame = e2e::ExpectedFrameRegion("VOLUME.bmp", 5);
    HWND strip = nullptr;
    E2E_CHECK(e2e::WaitFor(
                  [&] {
                      for (HWND popup : e2e::FindPopups(keyvane.Pid(), keyvane.Frame())) {
                          strip = e2e::RegionEquals(popup, frame) ? popup : strip;
                      }
                      return strip != nullptr;
                  },
                  3000),
              "the strip shows frame 5");
    ::DeleteObject(frame);
    // Painted once the screen shows more than the white a new window starts with.
    E2E_CHECK(e2e::WaitFor(
                  [&] {
                      const auto shot = e2e::CaptureScreen(e2e::WindowRect(strip)).pixels;
                      return std::any_of(shot.begin(), shot.end(), [](std::uint32_t pixel) { return pixel != 0xFFFFFF; });
                  },
                  2000),
              "the strip is painted");
    e2e::SaveScreenshot(strip, "volume-strip-windows10");
}

E2E_CASE(VolumeKeys, HeldKeysStepOnEachRepeatMuteSwitchesOnceAndAVolumeKeyUnmutes) {
    AudioStandIn audio;
    Windows10InFront scene;
    KeyvaneProcess& keyvane = scene.keyvane;
    const e2e::TestWindow& front = scene.front;
    Hold(VK_VOLUME_UP, 3);
    E2E_CHECK(LevelBecomes(audio, kSpeakers, 0.58f), "four steps from 50 %, is " + std::to_string(audio.Level(kSpeakers)));
    size_t from = keyvane.Mark();
    Hold(VK_VOLUME_MUTE, 2);
    E2E_CHECK(e2e::WaitFor([&] { return audio.Muted(kSpeakers); }, 3000), "the held mute key muted");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: picture Mute") >= 0, "the Mute picture");
    E2E_CHECK(PopupSays(keyvane, "Mute"), "the popup says Mute");
    from = keyvane.Mark();
    e2e::Press(VK_VOLUME_MUTE);
    E2E_CHECK(e2e::WaitFor([&] { return !audio.Muted(kSpeakers); }, 3000), "mute again: sound on");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: picture UnMute") >= 0, "the UnMute picture");
    e2e::Press(VK_VOLUME_MUTE);
    E2E_CHECK(e2e::WaitFor([&] { return audio.Muted(kSpeakers); }, 3000), "muted once more");
    from = keyvane.Mark();
    e2e::Press(VK_VOLUME_DOWN);
    E2E_CHECK(LevelBecomes(audio, kSpeakers, 0.56f), "a volume key on a muted device steps");
    E2E_CHECK(!audio.Muted(kSpeakers), "and unmutes it");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: volume level 14") >= 0, "the strip at 56 %");
    // The held mute key switched once, then two presses and the last unmute.
    E2E_CHECK_EQ(audio.SetCount(kSpeakers), 4u + 3u + 2u, "four steps, three switches, an unmute and a step");
    E2E_CHECK(VolumeKeysReceived(front).empty(), "no volume key reached the window in front");
}

E2E_CASE(VolumeKeys, ChangesFromElsewhereShowOnceAndANewDefaultDeviceIsFollowed) {
    AudioStandIn audio;
    Windows10InFront scene;
    KeyvaneProcess& keyvane = scene.keyvane;
    size_t from = keyvane.Mark();
    audio.ChangeFromElsewhere(kSpeakers, 0.64f, false);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: volume level 16") >= 0, "another program's change shows the strip");
    E2E_CHECK(PopupSays(keyvane, "Volume 64 %"), "the strip says Volume 64 %");
    from = keyvane.Mark();
    audio.ChangeFromElsewhere(kSpeakers, 0.64f, true);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: picture Mute") >= 0, "a headset's mute shows the Mute picture");
    from = keyvane.Mark();
    e2e::Press(VK_VOLUME_UP);
    E2E_CHECK(LevelBecomes(audio, kSpeakers, 0.66f), "the key stepped from the level set elsewhere");
    // keyvane's own change comes back from the device too, and must not show
    // again. The device's news comes in order, so once a change made
    // elsewhere after it shows, the own one has come and gone.
    audio.ChangeFromElsewhere(kSpeakers, 0.66f, false);
    const std::vector<std::string> strips = {"volume level 16", "volume level 16"};
    E2E_CHECK(e2e::WaitFor([&] { return Shown(keyvane, from).size() >= 2; }, 3000) && Shown(keyvane, from) == strips,
              "keyvane's own change shows once, the change after it once");

    from = keyvane.Mark();
    audio.SetDevices(2);
    audio.SetDefault(kHeadphones);
    // Changes made on the headphones before keyvane listens to them are not its to hear.
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: new default playback device followed") >= 0,
              "keyvane follows the headphones");
    from = keyvane.Mark();
    e2e::Press(VK_VOLUME_UP);
    E2E_CHECK(LevelBecomes(audio, kHeadphones, 0.52f), "the key acts on the headphones plugged in");
    E2E_CHECK(std::fabs(audio.Level(kSpeakers) - 0.66f) < 0.001f, "the speakers kept their level");
    from = keyvane.Mark();
    audio.ChangeFromElsewhere(kHeadphones, 0.30f, false);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: volume level 7") >= 0, "the headphones' own changes show");
}

E2E_CASE(VolumeKeys, TheKeyGoesOnToWindowsWhenTheSettingSaysSoOrNoDeviceTakesTheChange) {
    const struct {
        const char* what;
        DWORD setting;
        unsigned devices;
        bool refuses;
        const char* shown;
    } scenes[] = {
        {"VolumeKeys 0", 0, 1, false, "volume level 12"},
        {"no playback device", 1, 0, false, "picture VOLINC 32"},
        {"a device that refuses the change", 1, 1, true, "picture VOLINC 32"},
    };
    for (const auto& scene : scenes) {
        AudioStandIn audio;
        e2e::ValueOverride setting{HKEY_LOCAL_MACHINE, "Software\\Corvale", "VolumeKeys"};
        setting.SetDword(scene.setting);
        audio.SetDevices(scene.devices);
        audio.SetRefuses(kSpeakers, scene.refuses);
        Windows10InFront running;
        KeyvaneProcess& keyvane = running.keyvane;
        const e2e::TestWindow& front = running.front;
        const size_t from = keyvane.Mark();
        e2e::Press(VK_VOLUME_UP);
        E2E_CHECK(keyvane.WaitForLine(from, std::string("keyvane: ") + scene.shown) >= 0,
                  std::string(scene.what) + ": " + scene.shown);
        const std::vector<std::string> onToWindows = {e2e::KeyMessage("down", VK_VOLUME_UP),
                                                      e2e::KeyMessage("up", VK_VOLUME_UP)};
        E2E_CHECK(VolumeKeysReceived(front) == onToWindows, std::string(scene.what) + ": the key went on to Windows");
        E2E_CHECK_EQ(audio.SetCount(kSpeakers), 0u, std::string(scene.what) + ": keyvane changed nothing");
    }
}
