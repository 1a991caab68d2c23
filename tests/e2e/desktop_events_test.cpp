// What a desktop does to a program that runs for weeks: the shell restarts
// with an empty notification area, or is not up yet when the program starts
// at logon; the computer sleeps and wakes, the session is locked and
// unlocked; the keyboard is unplugged and plugged back.
#include "tests/e2e/debug_monitor.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/keyvane_process.h"
#include "tests/e2e/notification_area_stand_in.h"
#include "tests/e2e/robustness_support.h"

#include <string>

using e2e::KeyvaneProcess;
using e2e::NotificationAreaStandIn;

namespace {

// keyvane tries a refused icon again this often.
constexpr unsigned kAddRetryMs = 1000;

void AnnounceNewNotificationArea() {
    E2E_CHECK(::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0),
              "the new notification area was announced to every top-level window");
}

// Long enough for a second add, had one been made.
void WaitLongerThanARetry(const KeyvaneProcess& keyvane) {
    E2E_CHECK(keyvane.Sync() >= 0, "the view answers");
    ::Sleep(kAddRetryMs * 3 / 2);
}

}  // namespace

E2E_CASE(DesktopEvents, TheShellsNewNotificationAreaGetsTheIconExactlyOnce) {
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon added") >= 0, "the tray icon was added");
    // The restarted shell's area holds no icon of keyvane's.
    NotificationAreaStandIn area(true);
    size_t from = keyvane.Mark();
    AnnounceNewNotificationArea();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray icon added") >= 0, "the icon was added to the new area");
    WaitLongerThanARetry(keyvane);
    E2E_CHECK_EQ(area.Adds(), 1, "one add");
    E2E_CHECK_EQ(area.IconsOf(keyvane.View()), 1, "the new area holds the icon");
    // An announcement while the area holds the icon already adds none.
    from = keyvane.Mark();
    AnnounceNewNotificationArea();
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray icon already there") >= 0, "the icon was found there");
    WaitLongerThanARetry(keyvane);
    E2E_CHECK_EQ(area.Adds(), 2, "the second announcement's add alone, refused as the icon is there");
    E2E_CHECK_EQ(area.IconsOf(keyvane.View()), 1, "still one icon");
}

E2E_CASE(DesktopEvents, AProgramStartedBeforeTheNotificationAreaGetsItsIconLater) {
    NotificationAreaStandIn area(false);
    KeyvaneProcess keyvane;
    E2E_CHECK(keyvane.WaitReady(), "keyvane came up");
    E2E_CHECK(keyvane.WaitForLine(0, "keyvane: tray icon not added: trying again") >= 0, "the first add was refused");
    E2E_CHECK(e2e::WaitFor([&] { return area.Adds() >= 3; }, kAddRetryMs * 4), "the add was tried again");
    E2E_CHECK_EQ(e2e::CountLines(keyvane, 0, "tray icon not added"), size_t{1}, "one line for all the refusals");
    const size_t from = keyvane.Mark();
    area.Accept(true);
    E2E_CHECK(keyvane.WaitForLine(from, "keyvane: tray icon added", kAddRetryMs * 3) >= 0,
              "the icon came once the area took it");
    const int adds = area.Adds();
    WaitLongerThanARetry(keyvane);
    E2E_CHECK_EQ(area.Adds(), adds, "no add after the icon was there");
    E2E_CHECK_EQ(area.IconsOf(keyvane.View()), 1, "one icon");
}
