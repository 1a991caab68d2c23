// The keyboard's own reports, as Raw Input would bring them: a device of the
// keyboard's make cannot be plugged in under Wine, so recorded reports go
// through the key roads, the function the WM_INPUT handler calls, from this
// program to the running keyvane's view.
#include "app/os_kind.h"
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/hook_fixture.h"
#include "tests/e2e/keyvane_process.h"

#include <string>
#include <vector>

using e2e::FeedReports;
using e2e::KeyvaneProcess;
using e2e::ReportBytes;

namespace {

const ReportBytes kVolumeUp = {0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00};
const ReportBytes kMute = {0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00};
const ReportBytes kPlay = {0x01, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00};
const ReportBytes kNext = {0x01, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
const ReportBytes kMultimediaReleased = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

KeyvaneProcess& Running() {
    return e2e::SharedKeyvane("vista");
}

// The lines of the view after `from` that start with `prefix`, without it.
std::vector<std::string> LinesStarting(const KeyvaneProcess& keyvane, size_t from, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : keyvane.LinesSince(from)) {
        if (line.rfind(prefix, 0) == 0) {
            found.push_back(line.substr(prefix.size()));
        }
    }
    return found;
}

}  // namespace

E2E_CASE(HookReports, KeysReachTheViewByTheirReportCodes) {
    KeyvaneProcess& keyvane = Running();
    CKeyRoads roads(keyvane.View(), kOsWinXp);
    const size_t from = keyvane.Mark();
    FeedReports(roads, {kVolumeUp, kMultimediaReleased});
    FeedReports(roads, {kMute});
    FeedReports(roads, {kMultimediaReleased});
    FeedReports(roads, {kPlay, kMultimediaReleased, kNext, kMultimediaReleased});
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x0A") >= 0, "the last key was dispatched");
    // Report codes 28, 30, 11 and 14 name these commands in the table the key log uses.
    E2E_CHECK((LinesStarting(keyvane, from, "keyvane: command ") == std::vector<std::string>{"0x0C", "0x01", "0x08",
                                                                                             "0x0A"}),
              "each key once, in order; the releases dispatch nothing");
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: picture VOLINC 32", 0) >= 0, "volume up showed its picture");
}

E2E_CASE(HookReports, BlocksTheirBytesCannotHoldArePassedOver) {
    KeyvaneProcess& keyvane = Running();
    CKeyRoads roads(keyvane.View(), kOsWinXp);
    const size_t from = keyvane.Mark();
    const DWORD now = ::GetTickCount();
    // More reports than the bytes hold, and reports of no size at all.
    roads.OnHidReports(kVolumeUp.data(), kVolumeUp.size(), static_cast<DWORD>(kVolumeUp.size()), 0x10000, now);
    roads.OnHidReports(kVolumeUp.data(), kVolumeUp.size(), 0, 0xFFFFFFFFu, now);
    FeedReports(roads, {kNext});
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x0A") >= 0, "the key after them was dispatched");
    E2E_CHECK((LinesStarting(keyvane, from, "keyvane: command ") == std::vector<std::string>{"0x0A"}),
              "nothing before it");
}

E2E_CASE(HookReports, KeySeenOnBothRoadsIsDispatchedOnce) {
    KeyvaneProcess& keyvane = Running();
    CKeyRoads roads(keyvane.View(), kOsWinXp);
    const size_t from = keyvane.Mark();
    const DWORD now = ::GetTickCount();
    roads.OnHidReports(kVolumeUp.data(), kVolumeUp.size(), static_cast<DWORD>(kVolumeUp.size()), 1, now);
    roads.OnVirtualKey(VK_VOLUME_UP, true, now + 2);
    roads.OnVirtualKey(VK_VOLUME_UP, false, now + 60);
    roads.OnVirtualKey(VK_VOLUME_MUTE, true, now + 100);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: command 0x20") >= 0, "mute, from the hook alone, was dispatched");
    E2E_CHECK((LinesStarting(keyvane, from, "keyvane: command ") == std::vector<std::string>{"0x0C", "0x20"}),
              "volume up once, by its report");
}
